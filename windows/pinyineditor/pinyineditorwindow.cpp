#include "windows/pinyineditor/pinyineditorwindow.h"

#include "pinyin/tonemarks.h"
#include "platform/programfiles.h"
#include "platform/programfonts.h"
#include "platform/savefile.h"
#include "print/textpages.h"
#include "settings/fontinstaller.h"
#include "settings/pinyineditorsettings.h"
#include "settings/settingsstore.h"
#include "shell/fontregistration.h"
#include "shell/printpreview.h"
#include "shell/programcontext.h"
#include "shell/storedcolour.h"
#include "shell/tiledsurface.h"
#include "windows/pinyineditor/colourmap.h"
#include "windows/pinyineditor/pinyintextedit.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTimer>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcPinyinEditor, "ordbok.pinyineditor")

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
    connect(Timer12, &QTimer::timeout, this, &PinyinEditorWindow::Timer12_Timer);
    connect(text1, &QLineEdit::returnPressed, this, &PinyinEditorWindow::text1_Enter);
    connect(pCol, &ColourMap::colourPicked, this, &PinyinEditorWindow::pCol_MouseDown);
    connect(Check1, &QCheckBox::toggled, this, &PinyinEditorWindow::Check1_Click);
    connect(m_print, &QAction::triggered, this, &PinyinEditorWindow::printChosen);
    connect(m_copyUnicode, &QAction::triggered, this, &PinyinEditorWindow::copyAsUnicode);
    connect(m_convert, &QAction::triggered, this, &PinyinEditorWindow::convertToneNumbers);
    connect(m_open, &QAction::triggered, this, &PinyinEditorWindow::openChosen);
    connect(m_saveAsText, &QAction::triggered, this, &PinyinEditorWindow::saveChosen);
    connect(Text2, &QPlainTextEdit::customContextMenuRequested, this,
            &PinyinEditorWindow::showContextMenu);
}

void PinyinEditorWindow::load()
{
    Image15->tileBackground(ProgramFiles::defaultBackground(m_context.programFolder));
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
        palette.setColor(QPalette::Base, fromStoredColour(*settings.backColor));
    if (settings.textColor)
        palette.setColor(QPalette::Text, fromStoredColour(*settings.textColor));
    Text2->setPalette(palette);
}

void PinyinEditorWindow::closeEvent(QCloseEvent *event)
{
    if (!saveBeforeLosing()) {
        event->ignore();
        return;
    }
    if (m_language == Language::Swedish) {
        const QPalette palette = Text2->palette();
        const PinyinEditorSettings settings{toStoredColour(palette.color(QPalette::Base)),
                                            toStoredColour(palette.color(QPalette::Text))};
        settings.write(m_context.settings.record());
        if (!m_context.settings.save())
            qCDebug(lcPinyinEditor) << "colours not saved: inst.ini could not be written";
    }
    event->accept();
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
    const QString text = Text2->chosenText();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    // On X11 a middle click pastes the selection: the same text there.
    if (clipboard->supportsSelection())
        clipboard->setText(text, QClipboard::Selection);
}

void PinyinEditorWindow::convertToneNumbers()
{
    Text2->convertToneNumbers();
}

bool PinyinEditorWindow::printText(QPrinter &printer) const
{
    PageFrame::applyMargins(printer);
    return TextPages(Text2->toPlainText(), Text2->font(), printer).print(printer);
}

void PinyinEditorWindow::printChosen()
{
    previewDocument(this, m_language, m_context.programFolder, Text2->toPlainText(), Text2->font(),
                    false);
}

void PinyinEditorWindow::showContextMenu(const QPoint &position)
{
    QMenu *menu = Text2->createStandardContextMenu(position);
    menu->addSeparator();
    menu->addAction(m_convert);
    menu->addAction(m_copyUnicode);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(Text2->viewport()->mapToGlobal(position));
}
