#include "windows/chineseeditor/chineseeditorwindow.h"

#include "platform/programfiles.h"

#include "shell/storedcolour.h"
#include "shell/unsavedchanges.h"

#include "dictionary/wordindex.h"
#include "pinyin/syllabletables.h"
#include "settings/settingsstore.h"
#include "shell/pictureprinter.h"
#include "shell/printpreview.h"
#include "shell/programcontext.h"
#include "shell/tiledsurface.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTextCursor>
#include <QThread>
#include <QTimer>

using namespace Qt::StringLiterals;

ChineseEditorWindow::ChineseEditorWindow(ProgramContext &context, Language language,
                                         QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_language(language)
    , m_texts(ChineseEditorTexts::english())
{
    setObjectName(u"Kinaeditor"_s);
    setWindowTitle(m_texts.windowTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    connectControls();
    load();
    loadWords();
    Timer1->start();
}

ChineseEditorWindow::~ChineseEditorWindow()
{
    // The loader writes into what it was handed; it must be done before that goes.
    if (m_wordLoader)
        m_wordLoader->wait();
}

void ChineseEditorWindow::connectControls()
{
    TextBox2->installEventFilter(this);
    TextBox3->installEventFilter(this);
    connect(TextBox2, &QLineEdit::textEdited, this, &ChineseEditorWindow::inputEdited);
    for (int n = 0; n < Option1.size(); ++n)
        connect(Option1[n], &QRadioButton::clicked, this, [this, n] { previewClicked(n); });
    connect(Timer1, &QTimer::timeout, this, [this] {
        TextBox2->setFocus();
        Timer1->stop();
    });

    connect(m_menu.Open, &QAction::triggered, this, &ChineseEditorWindow::openClicked);
    connect(m_menu.save, &QAction::triggered, this, &ChineseEditorWindow::saveClicked);
    connect(m_menu.print, &QAction::triggered, this, [this] {
        previewDocument(this, m_language, m_context.programFolder, TextBox3->toPlainText(),
                        TextBox3->font(), true);
    });
    connect(m_menu.practice, &QAction::triggered, this, [this] {
        const QString selected = TextBox3->textCursor().selectedText();
        previewPracticeSheet(this, m_language, m_context.programFolder,
                             selected.isEmpty() ? TextBox3->toPlainText() : selected,
                             TextBox3->font());
    });
    connect(m_menu.selall, &QAction::triggered, this, &ChineseEditorWindow::selectAllClicked);
    connect(m_menu.font, &QAction::triggered, this, &ChineseEditorWindow::fontClicked);
    // Each colour dialog starts from the colour it changes; Cancel changes nothing.
    connect(m_menu.farg, &QAction::triggered, this, [this] {
        if (const auto colour = pickColour(TextBox3->palette().color(QPalette::Base)))
            setBackColour(*colour);
    });
    connect(m_menu.tfarg, &QAction::triggered, this, [this] {
        if (const auto colour = pickColour(TextBox3->palette().color(QPalette::Text)))
            setTextColour(*colour);
    });
    connect(m_menu.charcolor, &QAction::triggered, this, [this] {
        const auto colour = pickColour(Label2->palette().color(QPalette::Window));
        if (!colour)
            return;
        setLineBackColour(*colour);
        m_context.settings.record().setValue(
            SettingsRecord::editorLineBackColor,
            ChineseEditorSettings::colourText(toStoredColour(*colour)));
    });
    connect(m_menu.txtc, &QAction::triggered, this, [this] {
        if (const auto colour = pickColour(Label2->palette().color(QPalette::WindowText)))
            setLineTextColour(*colour);
    });
    // Each item swaps the two tables when it is the ticked one, and chooses its own otherwise.
    connect(m_menu.wer, &QAction::triggered, this, [this](bool ticked) { useTraditional(ticked); });
    connect(m_menu.sdf, &QAction::triggered, this,
            [this](bool ticked) { useTraditional(!ticked); });
    connect(m_menu.elp, &QAction::triggered, this, [this] {
        emit helpPageRequested(m_language == Language::Swedish ? m_texts.helpPageSwedish
                                                               : m_texts.helpPageEnglish);
    });
}

void ChineseEditorWindow::load()
{
    Image15->tileBackground(ProgramFiles::defaultBackground(m_context.programFolder));
    m_menu.sdf->setChecked(true);

    const ChineseEditorSettings settings = ChineseEditorSettings::read(m_context.settings.record());
    QFont font = TextBox3->font();
    if (!settings.fontName.isEmpty())
        font.setFamily(settings.fontName);
    if (settings.fontSize)
        font.setPointSizeF(*settings.fontSize);
    TextBox3->setFont(font);
    if (settings.backColor)
        setBackColour(fromStoredColour(*settings.backColor));
    if (settings.textColor)
        setTextColour(fromStoredColour(*settings.textColor));
    if (settings.lineTextColor)
        setLineTextColour(fromStoredColour(*settings.lineTextColor));
    if (settings.lineBackColor)
        setLineBackColour(fromStoredColour(*settings.lineBackColor));
    useTraditional(settings.traditional.value_or(false));

    // Documents belong with the user's own files, not beside the program.
    m_dialogFolder = ProgramFiles::documentsFolder();
    if (m_dialogFolder.isEmpty() || !QDir(m_dialogFolder).exists())
        m_dialogFolder = QDir::homePath();
}

ChineseEditorSettings ChineseEditorWindow::currentSettings() const
{
    ChineseEditorSettings settings;
    settings.fontName = TextBox3->font().family();
    settings.fontSize = TextBox3->font().pointSizeF();
    settings.backColor = toStoredColour(TextBox2->palette().color(QPalette::Base));
    settings.textColor = toStoredColour(TextBox2->palette().color(QPalette::Text));
    settings.lineBackColor = toStoredColour(Label2->palette().color(QPalette::Window));
    settings.lineTextColor = toStoredColour(Label2->palette().color(QPalette::WindowText));
    settings.traditional = m_menu.wer->isChecked();
    return settings;
}

void ChineseEditorWindow::closeEvent(QCloseEvent *event)
{
    if (!saveBeforeLosing()) {
        event->ignore();
        return;
    }
    currentSettings().write(m_context.settings.record());
    m_context.settings.save();
    // The clipboard keeps what "Select all" put there, for the program it was meant for.
    emit autoLookupResumeRequested();
    QMainWindow::closeEvent(event);
}

bool ChineseEditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The boxes claim some Ctrl keys for themselves (the line edit Ctrl+P, for one): the
    // File menu's shortcuts win.
    if (event->type() == QEvent::ShortcutOverride && (watched == TextBox2 || watched == TextBox3)) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *item : {m_menu.Open, m_menu.save, m_menu.print}) {
            if (item->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    if (watched == Label2 && event->type() == QEvent::ToolTip)
        return showCandidateTip(event);
    if (event->type() == QEvent::KeyPress) {
        if (watched == TextBox2)
            return inputKeyPress(static_cast<QKeyEvent *>(event));
        if (watched == TextBox3) {
            // Typing in the document keeps the focus there.
            Timer1->stop();
            TextBox3->setFocus();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool ChineseEditorWindow::inputKeyPress(QKeyEvent *event)
{
    // Tab leaves the box, as in any window.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    const KeyStroke stroke{
        event->key(), event->modifiers(), event->text(),
        KeyStroke::rowDigitOf(QGuiApplication::platformName(), event->nativeScanCode())};
    // A typed character replaces the selection, as in any box.
    if (TextBox2->hasSelectedText() && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        const QSignalBlocker blocker(TextBox2);
        TextBox2->del();
    }
    m_input.setInput(TextBox2->text(), TextBox2->cursorPosition());
    const InputStep step = m_input.press(stroke);
    apply(step);
    Timer1->start();
    // Other keys (Backspace, the arrows, paste) edit the box, which then reports its text.
    return step.handled;
}

void ChineseEditorWindow::inputEdited()
{
    apply(m_input.edited(TextBox2->text(), TextBox2->cursorPosition()));
}

void ChineseEditorWindow::apply(const InputStep &step)
{
    if (!step.insert.isEmpty())
        insertAtCaret(step.insert);
    // Ctrl+Space may have switched tables: the ticks say which one is in use.
    m_menu.wer->setChecked(traditionalTableInUse());
    m_menu.sdf->setChecked(!traditionalTableInUse());
    showInputState();
    if (step.hideWindow)
        hide();
}

void ChineseEditorWindow::showInputState()
{
    if (TextBox2->text() != m_input.input()) {
        const QSignalBlocker blocker(TextBox2);
        TextBox2->setText(m_input.input());
    }
    if (TextBox2->cursorPosition() != m_input.caret())
        TextBox2->setCursorPosition(m_input.caret());
    Label2->setText(m_input.candidateLine());
    glossLine->setText(m_input.glossLine());
    // A word is drawn smaller, so that the button still shows all of it.
    QFont large = b1->font();
    const qsizetype length = m_input.preview().size();
    large.setPointSize(length <= 1 ? 40 : int(40 / length) + 4);
    b1->setFont(large);
    b1->setText(m_input.preview());
    TextBox1->setText(m_input.preview());
    for (int n = 0; n < Option1.size(); ++n) {
        Option1[n]->setChecked(n == m_input.checkedOption());
        const int candidate = m_input.pageStart() + (n + 9) % 10;
        Option1[n]->setToolTip(candidate <= m_input.pageEnd() ? m_input.describe(candidate)
                                                              : QString());
    }
}

void ChineseEditorWindow::insertAtCaret(const QString &text)
{
    QTextCursor cursor = TextBox3->textCursor();
    cursor.insertText(text);
    TextBox3->setTextCursor(cursor);
    TextBox3->ensureCursorVisible();
}

void ChineseEditorWindow::previewClicked(int option)
{
    m_input.choosePreview(option);
    showInputState();
    TextBox2->setFocus();
}

DocumentFile::Result ChineseEditorWindow::openFile(const QString &path)
{
    const DocumentFile::Result result = DocumentFile::read(path);
    if (result.problem != DocumentFile::Problem::None)
        return result;
    TextBox3->setPlainText(result.text);
    TextBox3->document()->setModified(false);
    m_documentPath = path;
    m_dialogFolder = QFileInfo(path).absolutePath();
    return result;
}

DocumentFile::Result ChineseEditorWindow::saveFile(const QString &path)
{
    const DocumentFile::Result result = DocumentFile::write(path, TextBox3->toPlainText());
    if (result.problem != DocumentFile::Problem::None)
        return result;
    TextBox3->document()->setModified(false);
    m_documentPath = path;
    m_dialogFolder = QFileInfo(path).absolutePath();
    return result;
}

void ChineseEditorWindow::openClicked()
{
    if (!saveBeforeLosing())
        return;
    QFileDialog dialog(this, m_texts.open, m_dialogFolder, m_texts.textFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    const DocumentFile::Result result = openFile(path);
    if (result.problem != DocumentFile::Problem::None)
        reportFileProblem(path, result);
}

bool ChineseEditorWindow::saveClicked()
{
    const QString path =
        askTextFileToSave(this, m_texts.save, m_dialogFolder, m_texts.textFiles, m_documentPath);
    if (path.isEmpty())
        return false;
    const DocumentFile::Result result = saveFile(path);
    if (result.problem != DocumentFile::Problem::None) {
        reportFileProblem(path, result);
        return false;
    }
    return true;
}

bool ChineseEditorWindow::saveBeforeLosing()
{
    return mayLetGo(this, TextBox3->document(), m_texts.unsavedTitle, m_texts.unsavedQuestion,
                    [this] { return saveClicked(); });
}

void ChineseEditorWindow::reportFileProblem(const QString &path, const DocumentFile::Result &result)
{
    if (const QString message = m_texts.files.about(path, result); !message.isEmpty())
        QMessageBox::warning(this, m_texts.windowTitle, message);
}

void ChineseEditorWindow::selectAllClicked()
{
    TextBox3->selectAll();
    emit autoLookupPauseRequested();
    QGuiApplication::clipboard()->setText(TextBox3->toPlainText());
}

void ChineseEditorWindow::fontClicked()
{
    // The dialog lists real families, not the alias the document asks for: it is offered the
    // family the alias stands for, so that it opens on the font shown.
    QFont offered = TextBox3->font();
    offered.setFamily(QFontInfo(offered).family());
    QFontDialog dialog(offered, this);
    dialog.setObjectName(u"cd1"_s);
    dialog.setWindowTitle(m_texts.font);
    // What the dialog shows may still differ in a detail (the style it lists first): OK without
    // a change keeps the document's font as it is, alias and all.
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFont() == shown)
        return;
    const QFont chosen = dialog.selectedFont();
    TextBox3->setFont(chosen);
    m_context.settings.record().setValue(SettingsRecord::editorFontName, chosen.family());
}

std::optional<QColor> ChineseEditorWindow::pickColour(const QColor &current)
{
    QColorDialog dialog(current, this);
    dialog.setObjectName(u"cd1"_s);
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid())
        return std::nullopt;
    return dialog.selectedColor();
}

void ChineseEditorWindow::useTraditional(bool traditional)
{
    m_menu.wer->setChecked(traditional);
    m_menu.sdf->setChecked(!traditional);
    if (traditional)
        loadTraditionalTable();
    else
        loadSimplifiedTable();
    m_input.tableChanged();
    showInputState();
}
