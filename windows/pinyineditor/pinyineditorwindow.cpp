#include "windows/pinyineditor/pinyineditorwindow.h"

#include "pinyin/tonemarks.h"
#include "platform/programfonts.h"
#include "platform/savefile.h"
#include "print/textpages.h"
#include "settings/fontinstaller.h"
#include "settings/pinyineditorsettings.h"
#include "settings/settingsstore.h"
#include "shell/fontregistration.h"
#include "shell/printpreview.h"
#include "shell/programcontext.h"
#include "shell/tiledsurface.h"
#include "windows/pinyineditor/colourmap.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTimer>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcPinyinEditor, "ordbok.pinyineditor")

namespace {

QColor fromColourValue(quint32 value)
{
    return QColor(PinyinEditorSettings::red(value), PinyinEditorSettings::green(value),
                  PinyinEditorSettings::blue(value));
}

quint32 toColourValue(const QColor &colour)
{
    return PinyinEditorSettings::colourValue(colour.red(), colour.green(), colour.blue());
}

// Text2's selection, or all of it, with the line breaks of plain text.
QString chosenText(const QPlainTextEdit *edit)
{
    const QTextCursor cursor = edit->textCursor();
    if (!cursor.hasSelection())
        return edit->toPlainText();
    return cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

} // namespace

PinyinEditorWindow::PinyinEditorWindow(Language language, ProgramContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_language(language)
    , m_texts(language == Language::English ? PinyinEditorTexts::english()
                                            : PinyinEditorTexts::swedish())
    , m_context(context)
{
    setObjectName(m_texts.objectName);
    setWindowTitle(m_texts.windowTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    buildMenus();
    connectControls();
    load();
}

PinyinEditorWindow::~PinyinEditorWindow() = default;

void PinyinEditorWindow::connectControls()
{
    Text2->installEventFilter(this);
    for (std::size_t i = 0; i < m_vowelTimers.size(); ++i)
        connect(m_vowelTimers[i], &QTimer::timeout, this, [this, i] { vowelTimer_Timer(int(i)); });
    connect(Timer12, &QTimer::timeout, this, &PinyinEditorWindow::Timer12_Timer);
    connect(text1, &QLineEdit::returnPressed, this, &PinyinEditorWindow::text1_Enter);
    connect(pCol, &ColourMap::colourPicked, this, &PinyinEditorWindow::pCol_MouseDown);
    connect(Check1, &QCheckBox::toggled, this, &PinyinEditorWindow::Check1_Click);
    connect(m_print, &QAction::triggered, this, &PinyinEditorWindow::printChosen);
    connect(m_copyUnicode, &QAction::triggered, this, &PinyinEditorWindow::copyAsUnicode);
    connect(m_saveAsText, &QAction::triggered, this, &PinyinEditorWindow::saveChosen);
    connect(Text2, &QPlainTextEdit::customContextMenuRequested, this,
            &PinyinEditorWindow::showContextMenu);
}

void PinyinEditorWindow::load()
{
    Image15->tileBackground(QDir(m_context.programFolder).filePath(u"2.gif"_s));
    if (m_language == Language::English) {
        // The pinyin font's share of a first start, for an editor opened before it ran.
        if (FontInstaller(m_context.programFolder).installOnFirstStart()) {
            if (registerProgramFonts(m_context.programFolder).pinyinFamilies.isEmpty())
                QMessageBox::warning(this, m_texts.windowTitle,
                                     u"Error Occured Calling AddFontResource"_s);
            Timer12->start();
        }
        return;
    }
    const PinyinEditorSettings settings = PinyinEditorSettings::read(m_context.settings.record());
    QPalette palette = Text2->palette();
    if (settings.backColor)
        palette.setColor(QPalette::Base, fromColourValue(*settings.backColor));
    if (settings.textColor)
        palette.setColor(QPalette::Text, fromColourValue(*settings.textColor));
    Text2->setPalette(palette);
}

void PinyinEditorWindow::closeEvent(QCloseEvent *event)
{
    if (m_language == Language::Swedish) {
        const QPalette palette = Text2->palette();
        const PinyinEditorSettings settings{toColourValue(palette.color(QPalette::Base)),
                                            toColourValue(palette.color(QPalette::Text))};
        settings.write(m_context.settings.record());
        if (!m_context.settings.save())
            qCDebug(lcPinyinEditor) << "colours not saved: inst.ini could not be written";
    }
    event->accept();
}

bool PinyinEditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Seen before Text2 inserts the character; the key itself goes on as usual.
    if (watched == Text2 && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        for (const QChar key : typed)
            Text2_KeyPress(key);
    }
    return QMainWindow::eventFilter(watched, event);
}

void PinyinEditorWindow::Text2_KeyPress(QChar key)
{
    const int due = m_typing.keyTyped(key);
    if (due != PinyinTyping::noVowel)
        m_vowelTimers[due]->start();
}

void PinyinEditorWindow::vowelTimer_Timer(int vowelIndex)
{
    // Only the few characters before the caret matter, however long the text is.
    QTextCursor cursor = Text2->textCursor();
    const int caret = cursor.position();
    QTextCursor before(Text2->document());
    before.setPosition(std::max(0, caret - 3));
    before.setPosition(caret, QTextCursor::KeepAnchor);
    const QString typed = before.selectedText();
    const PinyinTyping::Edit edit = m_typing.replacementDue(vowelIndex, typed, typed.size());
    if (edit.isEmpty())
        return;
    const int from = caret - int(typed.size()) + int(edit.from);
    cursor.setPosition(from);
    cursor.setPosition(from + int(edit.removed), QTextCursor::KeepAnchor);
    cursor.insertText(QString(edit.glyph));
    Text2->setTextCursor(cursor);
}

void PinyinEditorWindow::text1_Enter()
{
    bool ok = false;
    const int size = text1->text().trimmed().toInt(&ok);
    if (!ok || size < 1 || size > 500) {
        qCDebug(lcPinyinEditor) << "font size not taken:" << text1->text();
        text1->setText(QString::number(m_c1.pointSize()));
        text1->selectAll();
        return;
    }
    m_c1.setPointSize(size);
    Text2->setFont(m_c1);
}

void PinyinEditorWindow::pCol_MouseDown(const QColor &colour)
{
    QPalette shape = Shape2->palette();
    shape.setColor(QPalette::Window, colour);
    Shape2->setPalette(shape);
    QPalette text = Text2->palette();
    text.setColor(Op[0]->isChecked() ? QPalette::Text : QPalette::Base, colour);
    Text2->setPalette(text);
}

void PinyinEditorWindow::Check1_Click()
{
    Text14->setVisible(Check1->isChecked());
    Text2->setVisible(!Check1->isChecked());
}

void PinyinEditorWindow::Timer12_Timer()
{
    QFont font = Text2->font();
    font.setFamily(m_c1.family());
    Text2->setFont(font);
}

void PinyinEditorWindow::copyAsUnicode()
{
    const QString text = fontPinyinToUnicode(chosenText(Text2));
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    // On X11 a middle click pastes the selection, which Text2 would otherwise leave in the
    // font's encoding.
    if (clipboard->supportsSelection())
        clipboard->setText(text, QClipboard::Selection);
}

QString PinyinEditorWindow::saveAsText(const QString &path) const
{
    QString error;
    writeWholeFile(path, fontPinyinToUnicode(Text2->toPlainText()).toUtf8(), &error);
    return error;
}

void PinyinEditorWindow::saveChosen()
{
    if (m_saveFolder.isEmpty() || !QDir(m_saveFolder).exists()) {
        m_saveFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QDir(m_saveFolder).exists())
            m_saveFolder = QDir::homePath();
    }
    QFileDialog dialog(this, m_texts.saveTitle, m_saveFolder, m_texts.textFiles);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(u"txt"_s);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    m_saveFolder = QFileInfo(path).absolutePath();
    if (const QString error = saveAsText(path); !error.isEmpty())
        QMessageBox::warning(this, m_texts.saveTitle,
                             m_texts.saveFailed.arg(QDir::toNativeSeparators(path), error));
}

bool PinyinEditorWindow::printText(QPrinter &printer) const
{
    PageFrame::applyMargins(printer);
    return TextPages(fontPinyinToUnicode(Text2->toPlainText()), Text2->font(), printer).print(printer);
}

void PinyinEditorWindow::printChosen()
{
    previewDocument(this, m_language, m_context.programFolder,
                    fontPinyinToUnicode(Text2->toPlainText()), Text2->font(), false);
}

void PinyinEditorWindow::showContextMenu(const QPoint &position)
{
    QMenu *menu = Text2->createStandardContextMenu(position);
    menu->addSeparator();
    menu->addAction(m_copyUnicode);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(Text2->viewport()->mapToGlobal(position));
}
