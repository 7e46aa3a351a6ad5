#include "windows/cedictsearch/cedictsearchwindow.h"

#include "platform/programfiles.h"

#include "shell/storedcolour.h"

#include "cedict/cedictfilesearch.h"
#include "cedict/studylist.h"
#include "dictionary/characterforms.h"
#include "dictionary/tables.h"
#include "platform/programfonts.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "windows/cedictsearch/cedictsearchtexts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcCedictSearch, "ordbok.cedictsearch")

namespace {

constexpr double defaultPointSize = 12;
constexpr int sliceMilliseconds = 30; // a slice of the search, well below a felt freeze
constexpr int captionLength = 200;    // a whole copied page does not belong in a title bar
constexpr int messageLength = 2000;   // nor, many times over, in the no-match message

// The chosen font for the Latin text of the entries; characters it lacks come from the
// program's Chinese font, whose own Latin letters are hard to read (l and 1 look alike).
QFont resultFont(const QString &family, double pointSize, bool bold, bool italic)
{
    // A generic name such as "Sans Serif" would match the Chinese font itself in the list:
    // the list holds the font it stands for.
    const QString latin =
        QFontInfo(QFont(family.isEmpty() ? QApplication::font().family() : family)).family();
    QFont font;
    font.setFamilies({latin, QString(ProgramFonts::chineseAlias)});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

bool onSomeScreen(const QRect &geometry)
{
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(geometry))
            return true;
    }
    return false;
}

} // namespace

CedictSearchWindow::CedictSearchWindow(ProgramContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_settings(CedictPageSettings::read(context.settings.record()))
{
    setObjectName(u"soka"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    applySettings();
    connectActions();
    Timer1->start();
}

CedictSearchWindow::~CedictSearchWindow() = default;

void CedictSearchWindow::connectActions()
{
    connect(lookup1, &QPushButton::clicked, this, &CedictSearchWindow::lookup1_Click);
    connect(bakfarg, &QAction::triggered, this, [this] { chooseColour(true); });
    connect(txtfarg, &QAction::triggered, this, [this] { chooseColour(false); });
    connect(font, &QAction::triggered, this, &CedictSearchWindow::chooseFont);
    connect(sparastudier, &QAction::triggered, this, &CedictSearchWindow::sparastudier_Click);
    connect(exportstudier, &QAction::triggered, this, &CedictSearchWindow::exportStudyListChosen);
    connect(Timer1, &QTimer::timeout, this, &CedictSearchWindow::Timer1_Timer);
    connect(m_slices, &QTimer::timeout, this, &CedictSearchWindow::searchSlice);
    // Reading the clipboard asks the program that owns it; a change notice says when to.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { m_clipboardChanged = true; });
}

void CedictSearchWindow::applySettings()
{
    text1->setFont(resultFont(m_settings.fontName, m_settings.fontSize.value_or(defaultPointSize),
                              m_settings.bold, m_settings.italic));
    QPalette palette = text1->palette();
    palette.setColor(QPalette::Base, m_settings.backColor ? fromStoredColour(*m_settings.backColor)
                                                          : QColor(Qt::white));
    palette.setColor(QPalette::Text, m_settings.textColor ? fromStoredColour(*m_settings.textColor)
                                                          : QColor(Qt::black));
    text1->setPalette(palette);
    // A place on a screen that is gone would open the page out of sight.
    if (m_settings.geometry && onSomeScreen(*m_settings.geometry)) {
        move(m_settings.geometry->topLeft());
        resize(m_settings.geometry->size());
    }
}

void CedictSearchWindow::storeSettings()
{
    m_settings.backColor = toStoredColour(text1->palette().color(QPalette::Base));
    const QFont shown = text1->font();
    m_settings.fontName = shown.families().value(0, shown.family());
    m_settings.fontSize = shown.pointSizeF();
    m_settings.bold = shown.bold();
    m_settings.italic = shown.italic();
    m_settings.geometry = windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)
                              ? normalGeometry()
                              : QRect(pos(), size());
    m_settings.write(m_context.settings.record());
    if (!m_context.settings.save())
        qCDebug(lcCedictSearch) << "settings not written";
}

void CedictSearchWindow::lookup1_Click()
{
    QString selected = text1->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, u'\n');
    if (!selected.isEmpty())
        QGuiApplication::clipboard()->setText(selected);
    search(selected.isEmpty() ? QGuiApplication::clipboard()->text() : selected);
}

void CedictSearchWindow::Timer1_Timer()
{
    if (!m_clipboardChanged)
        return;
    m_clipboardChanged = false;
    const QString copied = QGuiApplication::clipboard()->text();
    if (copied.isEmpty())
        return;
    // The clipboard is left as it is, so a copy is searched once, however often it is seen.
    if (copied != m_searchedText)
        search(copied);
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
}

void CedictSearchWindow::search(const QString &copiedText)
{
    // The file is keyed by traditional characters: simplified text is looked for in that form.
    const QString traditional =
        CharacterForms::traditional(m_context.tables.characters, copiedText);
    m_search = std::make_unique<CedictFileSearch>(
        QDir(m_context.programFolder).filePath(CedictFileSearch::fileName), copiedText,
        QStringList{traditional});
    m_searchedText = copiedText;
    m_progressShown = 0;
    setCaption(CedictFileSearch::searchingCaption(CedictFileSearch::copiedTerm(copiedText)));
    emit searched(copiedText);
    searchSlice();
}

bool CedictSearchWindow::isSearching() const
{
    return m_search != nullptr;
}

void CedictSearchWindow::searchSlice()
{
    if (!m_search)
        return;
    QElapsedTimer clock;
    clock.start();
    while (m_search->searchMore() && clock.elapsed() < sliceMilliseconds) {
    }
    if (m_search->atEnd()) {
        const CedictSearchResult result = m_search->result();
        m_search.reset();
        showResult(result);
        emit finished();
        return;
    }
    if (m_search->progressLine() != m_progressShown) {
        m_progressShown = m_search->progressLine();
        text1->setPlainText(m_search->progressText());
    }
    m_slices->start();
}

void CedictSearchWindow::showResult(const CedictSearchResult &result)
{
    text1->setPlainText(result.text.size() > CedictFileSearch::displayLimit + messageLength
                            ? result.text.first(messageLength) + u'\u2026'
                            : result.text);
    text1->moveCursor(QTextCursor::Start);
    setCaption(result.caption);
}

void CedictSearchWindow::setCaption(const QString &caption)
{
    setWindowTitle(caption.size() > captionLength ? caption.first(captionLength) + u'\u2026'
                                                  : caption);
}

bool CedictSearchWindow::sparastudier_Click()
{
    const CedictSearchTexts &texts = CedictSearchTexts::english();
    const QString text = text1->toPlainText();
    const StudyList::TextLine line = StudyList::lineAt(text, text1->textCursor().position());
    const QString saved = text.sliced(line.start, line.length);
    QTextCursor cursor = text1->textCursor();
    cursor.setPosition(line.start);
    cursor.setPosition(line.start + line.length, QTextCursor::KeepAnchor);
    text1->setTextCursor(cursor);
    QString error;
    switch (StudyList::save(m_context.programFolder, saved, &error)) {
    case StudyList::SaveOutcome::Saved:
        statusBar()->showMessage(texts.saved.arg(saved.trimmed()), 8000);
        return true;
    case StudyList::SaveOutcome::AlreadySaved:
        statusBar()->showMessage(texts.alreadySaved.arg(saved.trimmed()), 8000);
        return false;
    case StudyList::SaveOutcome::NotAnEntry:
        statusBar()->showMessage(texts.notAnEntry, 8000);
        return false;
    case StudyList::SaveOutcome::Failed:
        break;
    }
    showMessage(texts.sparastudier, texts.saveFailed.arg(error), true);
    return false;
}

void CedictSearchWindow::exportStudyListChosen()
{
    const CedictSearchTexts &texts = CedictSearchTexts::english();
    QString folder = ProgramFiles::documentsFolder();
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    const QString target = QFileDialog::getSaveFileName(
        this, texts.exportTitle, QDir(folder).filePath(texts.exportFileName), texts.exportFilter);
    if (!target.isEmpty())
        exportStudyList(target);
}

void CedictSearchWindow::exportStudyList(const QString &targetFile)
{
    const CedictSearchTexts &texts = CedictSearchTexts::english();
    const StudyList::ExportSummary summary =
        StudyList::exportFlashcards(m_context.programFolder, targetFile);
    if (!summary.error.isEmpty()) {
        showMessage(texts.exportTitle, summary.error, true);
        return;
    }
    QString message = texts.exported.arg(summary.cards).arg(QDir::toNativeSeparators(targetFile));
    if (summary.skipped > 0)
        message += u"\n\n"_s + texts.exportSkipped.arg(summary.skipped);
    if (summary.duplicates > 0)
        message += u"\n\n"_s + texts.exportDuplicates.arg(summary.duplicates);
    showMessage(texts.exportTitle, message, false);
}

void CedictSearchWindow::showMessage(const QString &title, const QString &text, bool warning)
{
    // Not modal: the clipboard watch and a running search go on behind it.
    auto *box = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information, title,
                                text, QMessageBox::Ok, this);
    box->setObjectName(u"message"_s);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void CedictSearchWindow::chooseFont()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, text1->font(), this);
    if (ok)
        text1->setFont(
            resultFont(chosen.family(), chosen.pointSizeF(), chosen.bold(), chosen.italic()));
}

void CedictSearchWindow::chooseColour(bool background)
{
    const QPalette::ColorRole role = background ? QPalette::Base : QPalette::Text;
    const QColor colour = QColorDialog::getColor(text1->palette().color(role), this);
    if (!colour.isValid())
        return;
    QPalette palette = text1->palette();
    palette.setColor(role, colour);
    text1->setPalette(palette);
    if (!background)
        m_settings.textColor = toStoredColour(colour);
}

void CedictSearchWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Opening looks up whatever the clipboard holds.
    if (!m_shownOnce) {
        m_shownOnce = true;
        text1->clear();
        lookup1_Click();
    }
}

bool CedictSearchWindow::event(QEvent *event)
{
    // Copies made while another program had the focus may not have been announced.
    if (event->type() == QEvent::WindowActivate)
        m_clipboardChanged = true;
    return QMainWindow::event(event);
}

void CedictSearchWindow::closeEvent(QCloseEvent *event)
{
    Timer1->stop();
    m_slices->stop();
    m_search.reset();
    storeSettings();
    event->accept();
    emit closed();
}
