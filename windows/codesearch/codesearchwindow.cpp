#include "windows/codesearch/codesearchwindow.h"

#include "platform/programfiles.h"

#include "shell/storedcolour.h"

#include "dictionary/tables.h"
#include "platform/programfonts.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "shell/tiledsurface.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QFontDialog>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcCodeSearch, "ordbok.codesearch")

namespace {

constexpr int defaultPointSize = 14;

} // namespace

CodeSearchWindow::CodeSearchWindow(ProgramContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_search(context.tables.words, context.tables.characters)
    , m_settings(CodePageSettings::read(context.settings.record()))
{
    setObjectName(u"Soka2"_s);
    setWindowTitle(u"IME coded Chinese, search page"_s);
    buildControls();
    m_surface->tileBackground(ProgramFiles::defaultBackground(m_context.programFolder));
    applySettings();

    connect(trad, &QAction::triggered, this, &CodeSearchWindow::setTraditional);
    connect(fontinst, &QAction::triggered, this, &CodeSearchWindow::chooseFont);
    connect(backcolor, &QAction::triggered, this, [this] { chooseColour(true); });
    connect(forecolor, &QAction::triggered, this, [this] { chooseColour(false); });
    connect(Command1, &QPushButton::clicked, this, &CodeSearchWindow::searchClipboard);
    // Reading the clipboard asks the program that owns it; a change notice says when to.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { m_clipboardChanged = true; });
    connect(Timer1, &QTimer::timeout, this, &CodeSearchWindow::Timer1_Timer);
}

CodeSearchWindow::~CodeSearchWindow() = default;

void CodeSearchWindow::applySettings()
{
    trad->setChecked(m_settings.traditional);
    // Until a font is chosen: the desktop's font for the readings and glosses, the program's
    // Chinese font for the characters. The desktop's family as resolved, since a generic name
    // such as "Sans Serif" is passed over in a list of families.
    QFont font = QApplication::font();
    font.setFamilies({QFontInfo(font).family(), QString(ProgramFonts::chineseAlias)});
    font.setPointSize(defaultPointSize);
    if (!m_settings.fontName.isEmpty())
        font.setFamilies({m_settings.fontName, QString(ProgramFonts::chineseAlias)});
    if (m_settings.fontSize)
        font.setPointSize(*m_settings.fontSize);
    font.setBold(m_settings.bold);
    font.setItalic(m_settings.italic);
    TextBox1->setFont(font);
    QPalette palette = TextBox1->palette();
    palette.setColor(QPalette::Base, m_settings.backColor ? fromStoredColour(*m_settings.backColor)
                                                          : QColor(Qt::white));
    palette.setColor(QPalette::Text, m_settings.textColor ? fromStoredColour(*m_settings.textColor)
                                                          : QColor(Qt::black));
    TextBox1->setPalette(palette);
}

void CodeSearchWindow::storeSettings()
{
    m_settings.write(m_context.settings.record());
    if (!m_context.settings.save())
        qCDebug(lcCodeSearch) << "settings not written";
}

void CodeSearchWindow::setTraditional(bool on)
{
    trad->setChecked(on);
    if (m_settings.traditional == on)
        return;
    m_settings.traditional = on;
    storeSettings();
    // The lines on show switch form at once; nothing is read from the clipboard again.
    if (!m_codes.isEmpty())
        showResult();
}

void CodeSearchWindow::chooseFont()
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, TextBox1->font(), this);
    if (!ok)
        return;
    m_settings.fontName = font.family();
    m_settings.fontSize = std::max(1, qRound(font.pointSizeF()));
    m_settings.bold = font.bold();
    m_settings.italic = font.italic();
    storeSettings();
    applySettings();
}

void CodeSearchWindow::chooseColour(bool background)
{
    const QPalette::ColorRole role = background ? QPalette::Base : QPalette::Text;
    const QColor colour = QColorDialog::getColor(TextBox1->palette().color(role), this);
    if (!colour.isValid())
        return;
    (background ? m_settings.backColor : m_settings.textColor) = toStoredColour(colour);
    storeSettings();
    applySettings();
}

void CodeSearchWindow::Timer1_Timer()
{
    searchChangedClipboard();
}

CodeSearchWindow::Copy CodeSearchWindow::searchChangedClipboard()
{
    if (!m_clipboardChanged)
        return Copy::SearchedBefore;
    m_clipboardChanged = false;
    const RtfCodeList codes = copiedCodes(QGuiApplication::clipboard()->mimeData());
    // A copy without Chinese in it leaves the page as it is.
    if (codes.isEmpty())
        return Copy::NoChinese;
    search(codes);
    // The page comes up over the program the copy was made in.
    show();
    raise();
    activateWindow();
    return Copy::Searched;
}

CodeSearchWindow::Copy CodeSearchWindow::clipboardSearchWanted()
{
    // The clipboard is never cleared, so the watcher, looking again after each search, finds
    // the copy just searched: that one is not searched twice.
    return searchChangedClipboard();
}

void CodeSearchWindow::searchClipboard()
{
    m_clipboardChanged = true;
    searchChangedClipboard();
}

void CodeSearchWindow::search(const RtfCodeList &codes)
{
    m_codes = codes;
    showResult();
    emit autoLookupHandedBack();
}

void CodeSearchWindow::showResult()
{
    const CodeWordResult result = m_search.search(characterCodes(m_codes), m_settings.traditional);
    TextBox1->setPlainText(result.lines.join(u'\n'));
    TextBox1->moveCursor(QTextCursor::Start);
}

void CodeSearchWindow::showEvent(QShowEvent *event)
{
    Timer1->start();
    QMainWindow::showEvent(event);
}

void CodeSearchWindow::closeEvent(QCloseEvent *event)
{
    Timer1->stop();
    event->accept();
    emit autoLookupHandedBack();
}
