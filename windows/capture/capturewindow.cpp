#include "windows/capture/capturewindow.h"
#include "platform/programfonts.h"
#include "shell/capturefiles.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextFrame>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// The word display's characters fit a line or two of this size; the editor's page is taller.
constexpr QSize printpageSize{600, 200};
constexpr QSize printpage2Size{640, 720};
constexpr int printpagePointSize = 60;
constexpr int printpage2PointSize = 20;
} // namespace

CaptureWindow::CaptureWindow(Kind kind, CaptureFiles &files, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_kind(kind)
    , m_texts(kind == Kind::Printpage ? CaptureTexts::printpage() : CaptureTexts::printpage2())
    , m_files(files)
{
    buildControls();
}

void CaptureWindow::buildControls()
{
    setObjectName(m_texts.objectName);
    setWindowTitle(m_texts.windowTitle);

    TextBox1 = new QTextEdit(this);
    TextBox1->setObjectName(u"TextBox1"_s);
    // No caret, frame or scroll bar may end up in the picture.
    TextBox1->setReadOnly(true);
    TextBox1->setTextInteractionFlags(Qt::NoTextInteraction);
    TextBox1->setFocusPolicy(Qt::NoFocus);
    TextBox1->setFrameShape(QFrame::NoFrame);
    TextBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = TextBox1->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    TextBox1->setPalette(palette);
    QFont font{QString(ProgramFonts::chineseAlias)};
    font.setPointSize(m_kind == Kind::Printpage ? printpagePointSize : printpage2PointSize);
    TextBox1->setFont(font);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TextBox1);

    cmdCaptureActive = new QPushButton(m_texts.cmdCaptureActive, this);
    cmdCaptureActive->setObjectName(u"cmdCaptureActive"_s);
    cmdCaptureActive->hide();
    connect(cmdCaptureActive, &QPushButton::clicked, this, [this] { cmdCaptureActive_Click(); });
    PicTest = new QLabel(this);
    PicTest->setObjectName(u"PicTest"_s);
    PicTest->hide();

    resize(m_kind == Kind::Printpage ? printpageSize : printpage2Size);
}

void CaptureWindow::setText(const QString &text)
{
    TextBox1->setPlainText(text);
    if (m_kind == Kind::Printpage)
        centreText();
}

bool CaptureWindow::captureText(const QString &text, const QFont &font, const QColor &textColor)
{
    TextBox1->setFont(font);
    QPalette palette = TextBox1->palette();
    palette.setColor(QPalette::Text, textColor.isValid() ? textColor : QColor(Qt::black));
    TextBox1->setPalette(palette);
    TextBox1->setPlainText(text);
    return cmdCaptureActive_Click();
}

bool CaptureWindow::cmdCaptureActive_Click()
{
    if (m_busy) {
        showBusyMessage();
        return false;
    }
    m_busy = true;
    const QImage picture = MyCapture();
    m_busy = false;
    const QString file = m_files.save(picture);
    close();
    emit captured(picture, file);
    return !file.isEmpty();
}

QImage CaptureWindow::MyCapture()
{
    cmdCaptureActive->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    show();
    raise();
    activateWindow();
    // Lets the window come up at its final size before the picture is taken; a request that
    // arrives meanwhile meets the busy flag.
    QCoreApplication::processEvents();
    if (m_kind == Kind::Printpage)
        centreText(); // again, at the size the window came up with
    // The grab renders at the device pixel ratio of the window's screen.
    const QPixmap shot = grab();
    PicTest->setPixmap(shot);
    QApplication::restoreOverrideCursor();
    cmdCaptureActive->setEnabled(true);
    return shot.toImage();
}

// The word display's characters sit in the middle of the picture, so that the printed
// thumbnails look alike whatever the length of the word.
void CaptureWindow::centreText()
{
    QTextDocument *document = TextBox1->document();
    QTextCursor cursor(document);
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);

    QTextFrameFormat frame = document->rootFrame()->frameFormat();
    frame.setTopMargin(document->documentMargin());
    document->rootFrame()->setFrameFormat(frame);
    const qreal spare = TextBox1->viewport()->height() - document->size().height();
    frame.setTopMargin(document->documentMargin() + std::max<qreal>(0, spare / 2));
    document->rootFrame()->setFrameFormat(frame);
}

void CaptureWindow::showBusyMessage()
{
    // Not modal: the capture that is running must be able to finish underneath.
    auto *box = new QMessageBox(QMessageBox::Information, m_texts.windowTitle, m_texts.busyMessage,
                                QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
