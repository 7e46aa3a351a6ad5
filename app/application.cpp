#include "app/application.h"

#include "cedict/pendingwordtable.h"
#include "pinyin/syllabletables.h"
#include "settings/fontinstaller.h"
#include "settings/mainwindowsettings.h"
#include "shell/clipboardwatcher.h"
#include "shell/fontregistration.h"
#include "shell/shownprobe.h"
#include "shell/terminationsignals.h"
#include "shell/trayicon.h"
#include "windows/help/helpbrowser.h"
#include "windows/startwindow/startwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcApplication, "ordbok.application")

namespace {

void reportMissingStores(const QStringList &missing)
{
    if (missing.isEmpty())
        return;
    qWarning("Ordbok: cannot open %s in the program folder (missing or damaged); "
             "run ./start.sh or scripts/setup.sh to build the dictionary data.",
             qPrintable(missing.join(u", ")));
}

} // namespace

Application::Application(const QString &programFolder, QObject *parent)
    : QObject(parent)
    , m_settings(programFolder)
    , m_context{programFolder, m_settings, m_tables}
    , m_captures(programFolder)
    , m_watcher(new ClipboardWatcher(this))
{
    connect(m_watcher, &ClipboardWatcher::cedictSearchWanted, this,
            &Application::cedictSearchWanted);
    connect(m_watcher, &ClipboardWatcher::codeSearchWanted, this, &Application::codeSearchWanted);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { m_copiedSinceCedictSearch = true; });
    // Windows other than the main windows (help, editors) closing last must not end the
    // program behind the back of the main window hidden in the tray.
    qApp->setQuitOnLastWindowClosed(false);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Application::closeEverything);
    // A session ending (SIGTERM) closes the program as its menus do: settings written, the
    // windows and then the stores closed before the application object goes.
    connect(new TerminationSignals(this), &TerminationSignals::terminationRequested, qApp,
            [] { QCoreApplication::quit(); });
}

Application::~Application()
{
    // The windows use the tables and the settings this object owns: they go first.
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
}

void Application::start()
{
    ShownProbe::installIfAsked(); // start-up timing, bench/startup-vs-minimal.sh
    // A word table rebuilt by an update takes effect now, before the stores open.
    installPendingWordTable(programFolder());
    m_settings.load();
    if (FontFlagFile(programFolder()).fontsPending())
        runFirstStart();
    if (!m_tables.open(programFolder()))
        reportMissingStores(m_tables.missing());
    loadSimplifiedTable();
    // The program draws with its own fonts whether or not they are installed for the user.
    registerProgramFonts(programFolder());

    const MainWindowSettings settings = MainWindowSettings::read(m_settings.record());
    if (settings.autoStartSwedish)
        showMainWindow(Language::Swedish);
    if (settings.autoStartEnglish)
        showMainWindow(Language::English);
    if (settings.autoStartSwedish || settings.autoStartEnglish)
        return;
    m_startWindow = new StartWindow(programFolder());
    connect(m_startWindow, &QObject::destroyed, this, &Application::quitWhenNoMainWindow);
    connect(m_startWindow, &StartWindow::languageChosen, this, [this](Language language) {
        // The main window shows first, so that the program never has no window open.
        showMainWindow(language);
        m_startWindow->close();
    });
    m_startWindow->showCentred();
}

void Application::runFirstStart()
{
    SettingsRecord &record = m_settings.record();
    record.setValue(SettingsRecord::backgroundPath, QDir(programFolder()).filePath(u"2.gif"_s));
    FontInstaller(programFolder()).install();
    FontFlagFile(programFolder()).markInstalled();
    m_settings.save();
}

MainWindow *Application::mainWindow(Language language) const
{
    return language == Language::Swedish ? m_swedishWindow : m_englishWindow;
}

MainWindow *Application::showMainWindow(Language language)
{
    m_uiLanguage = language;
    QPointer<MainWindow> &window = language == Language::Swedish ? m_swedishWindow : m_englishWindow;
    if (!window) {
        window = new MainWindow(language, m_context);
        connectMainWindow(window);
        if (window->autoLookup())
            setAutoLookup(true);
        if (!m_tray) {
            m_tray = new TrayIcon(window, [this] { return mainWindow(m_uiLanguage); }, window);
            m_tray->add();
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

MainWindow *Application::mainWindowInUse()
{
    if (MainWindow *window = mainWindow(m_uiLanguage))
        return window;
    return showMainWindow(m_uiLanguage);
}

void Application::connectMainWindow(MainWindow *window)
{
    window->setAvailableRequests(availableRequests());
    connect(window, &MainWindow::windowRequested, this,
            [this, window](MainWindow::Request request) { openRequested(request, window); });
    connect(window, &MainWindow::helpPageRequested, this, &Application::openHelpPage);
    connect(window, &MainWindow::charactersShown, this, [this](const QString &characters) {
        captureWindow(CaptureWindow::Kind::Printpage)->setText(characters);
    });
    connect(window, &MainWindow::autoLookupChanged, this, &Application::setAutoLookup);
    connect(window, &MainWindow::activated, this, [this] {
        // A copy made while another program had the focus is seen as soon as we get it back.
        if (m_watcher->isActive())
            QTimer::singleShot(0, m_watcher, &ClipboardWatcher::lookAgain);
    });
    connect(window, &QObject::destroyed, this, &Application::quitWhenNoMainWindow);
}

QList<MainWindow::Request> Application::availableRequests()
{
    return {MainWindow::Request::Print, MainWindow::Request::CodeSearch,
            MainWindow::Request::CedictSearch, MainWindow::Request::CedictImport,
            MainWindow::Request::PageTranslator, MainWindow::Request::ChineseEditor,
            MainWindow::Request::PinyinEditor, MainWindow::Request::SimplifiedRadicals,
            MainWindow::Request::TraditionalRadicals, MainWindow::Request::DrawCharacter,
            MainWindow::Request::ShowStrokes};
}

void Application::openRequested(MainWindow::Request request, MainWindow *from)
{
    Q_UNUSED(from);
    switch (request) {
    case MainWindow::Request::Print:
        printCharacters();
        return;
    case MainWindow::Request::CodeSearch:
        openCodeSearch();
        return;
    case MainWindow::Request::CedictSearch:
        openCedictSearch();
        return;
    case MainWindow::Request::CedictImport:
        openCedictImport();
        return;
    case MainWindow::Request::PageTranslator:
        openPageTranslator();
        return;
    case MainWindow::Request::ChineseEditor:
        openChineseEditor();
        return;
    case MainWindow::Request::PinyinEditor:
        openPinyinEditor(from ? from->language() : m_uiLanguage);
        return;
    case MainWindow::Request::SimplifiedRadicals:
        openRadicalChart(RadicalChart::Simplified);
        return;
    case MainWindow::Request::TraditionalRadicals:
        openRadicalChart(RadicalChart::Traditional);
        return;
    case MainWindow::Request::DrawCharacter:
        openHandwriting(HandwritingWindow::Page::Draw);
        return;
    case MainWindow::Request::ShowStrokes:
        openHandwriting(HandwritingWindow::Page::Strokes)->setCharacter(from ? from->shownCharacters() : QString());
        return;
    default:
        break;
    }
    qCDebug(lcApplication) << "no window answers" << request;
}

CaptureWindow *Application::captureWindow(CaptureWindow::Kind kind)
{
    QPointer<CaptureWindow> &window =
        kind == CaptureWindow::Kind::Printpage ? m_printpage : m_printpage2;
    if (!window)
        window = new CaptureWindow(kind, m_captures);
    return window;
}

PrintWindow *Application::openPrintWindow()
{
    if (!m_printWindow)
        m_printWindow = new PrintWindow(m_captures);
    present(m_printWindow);
    return m_printWindow;
}

void Application::printCharacters()
{
    CaptureWindow *printpage = captureWindow(CaptureWindow::Kind::Printpage);
    // A Print chosen while the last one is still capturing only gets the busy message.
    if (!printpage->cmdCaptureActive_Click() && printpage->isBusy())
        return;
    const bool wasOpen = m_printWindow && m_printWindow->isVisible();
    PrintWindow *window = openPrintWindow();
    // A print window that stayed open shows the new picture as well.
    if (wasOpen)
        window->cmdThumbSize_Click();
}

bool Application::captureEditorText(const QString &text, const QFont &font, const QColor &textColor)
{
    return captureWindow(CaptureWindow::Kind::Printpage2)->captureText(text, font, textColor);
}

HelpBrowser *Application::openHelpPage(const QString &pageFileName)
{
    // An open help window stays on its page; a new one loads the page asked for.
    if (!m_helpBrowser) {
        m_helpBrowser = new HelpBrowser(programFolder(),
                                        HelpBrowser::pageAddress(programFolder(), pageFileName),
                                        m_uiLanguage);
    }
    present(m_helpBrowser);
    return m_helpBrowser;
}

void Application::setAutoLookup(bool on)
{
    for (MainWindow *window : {mainWindow(Language::English), mainWindow(Language::Swedish)}) {
        if (window && window->autoLookup() != on)
            window->setAutoLookup(on);
    }
    if (on)
        m_watcher->start();
    else
        m_watcher->stop();
}

void Application::resumeAutoLookup()
{
    MainWindow *window = mainWindow(m_uiLanguage);
    if (window && window->autoLookup() && !m_watcher->isActive())
        m_watcher->start();
}

void Application::cedictSearchWanted()
{
    // soka leaves the clipboard as it is: the copy it looked up last, still there after it
    // closed, does not open it again; the watcher waits for the next copy.
    if (!m_cedictSearch && !m_copiedSinceCedictSearch
        && QGuiApplication::clipboard()->text() == m_cedictSearched) {
        if (MainWindow *window = mainWindow(m_uiLanguage); window && window->autoLookup())
            m_watcher->timer()->start();
        return;
    }
    openCedictSearch();
    if (MainWindow *window = mainWindow(m_uiLanguage))
        window->focusEnglishSearch();
}

CedictSearchWindow *Application::openCedictSearch()
{
    if (!m_cedictSearch) {
        m_cedictSearch = new CedictSearchWindow(m_context);
        connect(m_cedictSearch, &CedictSearchWindow::searched, this, [this](const QString &copied) {
            m_cedictSearched = copied;
            m_copiedSinceCedictSearch = false;
        });
        // The main window's watcher takes over again, if "Auto lookup on" is ticked.
        connect(m_cedictSearch, &CedictSearchWindow::closed, this,
                &Application::resumeAutoLookup);
    }
    present(m_cedictSearch);
    return m_cedictSearch;
}

void Application::codeSearchWanted()
{
    switch (codeSearchWindow()->clipboardSearchWanted()) {
    case CodeSearchWindow::Copy::Searched:
        return;
    case CodeSearchWindow::Copy::NoChinese:
        // Formatted text from a word processor without Chinese in it: an ordinary lookup.
        cedictSearchWanted();
        return;
    case CodeSearchWindow::Copy::SearchedBefore:
        // Still on the clipboard: the watcher waits for the next change instead of handing
        // the same copy over again.
        if (MainWindow *window = mainWindow(m_uiLanguage); window && window->autoLookup())
            m_watcher->timer()->start();
        return;
    }
}

CodeSearchWindow *Application::codeSearchWindow()
{
    if (!m_codeSearch) {
        m_codeSearch = new CodeSearchWindow(m_context);
        connect(m_codeSearch, &CodeSearchWindow::autoLookupHandedBack, this,
                &Application::resumeAutoLookup);
    }
    return m_codeSearch;
}

CodeSearchWindow *Application::openCodeSearch()
{
    CodeSearchWindow *window = codeSearchWindow();
    present(window);
    return window;
}

PageTranslatorWindow *Application::openPageTranslator()
{
    if (!m_pageTranslator)
        m_pageTranslator = new PageTranslatorWindow(m_context);
    present(m_pageTranslator);
    return m_pageTranslator;
}

CedictImportWindow *Application::openCedictImport()
{
    if (!m_cedictImport)
        m_cedictImport = new CedictImportWindow(m_context);
    present(m_cedictImport);
    return m_cedictImport;
}

ChineseEditorWindow *Application::openChineseEditor()
{
    if (!m_chineseEditor) {
        auto *editor = new ChineseEditorWindow(m_context, m_uiLanguage);
        m_chineseEditor = editor;
        connect(editor, &ChineseEditorWindow::printRequested, this,
                [this, editor](const QString &text, const QFont &font, const QColor &textColor) {
                    // printpage2 hands its picture back to the editor, which prints it.
                    connect(captureWindow(CaptureWindow::Kind::Printpage2),
                            &CaptureWindow::captured, editor, &ChineseEditorWindow::printCapture,
                            Qt::UniqueConnection);
                    captureEditorText(text, font, textColor);
                });
        connect(editor, &ChineseEditorWindow::helpPageRequested, this, &Application::openHelpPage);
        connect(editor, &ChineseEditorWindow::autoLookupPauseRequested, m_watcher,
                &ClipboardWatcher::stop);
        connect(editor, &ChineseEditorWindow::autoLookupResumeRequested, this,
                &Application::resumeAutoLookup);
        QAction *draw = editor->menuBar()->addAction(HandwritingTexts::forLanguage(m_uiLanguage).drawMenu);
        draw->setObjectName(u"rita"_s);
        draw->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
        connect(draw, &QAction::triggered, this, [this] { openHandwriting(HandwritingWindow::Page::Draw, true); });
    }
    present(m_chineseEditor);
    return m_chineseEditor;
}

PinyinEditorWindow *Application::openPinyinEditor(Language language)
{
    QPointer<PinyinEditorWindow> &editor =
        language == Language::Swedish ? m_pinyinEditorSwedish : m_pinyinEditorEnglish;
    if (!editor)
        editor = new PinyinEditorWindow(language, m_context);
    present(editor);
    return editor;
}

RadicalChartWindow *Application::openRadicalChart(RadicalChart chart)
{
    QPointer<RadicalChartWindow> &window =
        chart == RadicalChart::Simplified ? m_simplifiedChart : m_traditionalChart;
    if (!window) {
        window = new RadicalChartWindow(chart, programFolder());
        connect(window, &RadicalChartWindow::radicalPicked, this,
                [this](int radical) { mainWindowInUse()->listRadical(radical); });
    }
    present(window);
    return window;
}

HandwritingWindow *Application::openHandwriting(HandwritingWindow::Page page, bool forEditor)
{
    if (!m_handwriting) {
        m_handwriting = new HandwritingWindow(m_context, m_uiLanguage);
        connect(m_handwriting, &HandwritingWindow::characterChosen, this, [this](const QString &character) {
            // Until the editor has an insertAtCaret of its own, its document box takes it.
            if (m_handwritingForEditor && m_chineseEditor) {
                if (auto *document = m_chineseEditor->findChild<QPlainTextEdit *>(u"TextBox3"_s))
                    document->insertPlainText(character);
                return;
            }
            mainWindowInUse()->showCharacter(character);
        });
    }
    m_handwritingForEditor = forEditor;
    m_handwriting->setLanguage(m_uiLanguage);
    m_handwriting->showPage(page);
    present(m_handwriting);
    return m_handwriting;
}

void Application::present(QWidget *window)
{
    // Opened for the first time and not placed by itself (a kept position): over the main
    // window, and whole on its screen, not wherever the window manager finds room.
    const MainWindow *main = mainWindow(m_uiLanguage);
    const bool placed = window->testAttribute(Qt::WA_WState_ExplicitShowHide)
                        || window->testAttribute(Qt::WA_Moved);
    if (!placed && main && main != window && main->isVisible()) {
        const QRect screen = main->screen()->availableGeometry();
        // Room for the frame, which the window does not have before it is shown.
        const QSize frame = main->frameGeometry().size() - main->size();
        QRect area(QPoint(), window->size() + frame);
        area.moveCenter(main->frameGeometry().center());
        area.moveTo(std::clamp(area.left(), screen.left(),
                               std::max(screen.left(), screen.right() + 1 - area.width())),
                    std::clamp(area.top(), screen.top(),
                               std::max(screen.top(), screen.bottom() + 1 - area.height())));
        window->move(area.topLeft());
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void Application::quitWhenNoMainWindow()
{
    // After the closing window is gone: a closed main window lingers until it is deleted.
    QTimer::singleShot(0, this, [this] {
        if (!m_englishWindow && !m_swedishWindow && !m_startWindow)
            QCoreApplication::quit();
    });
}

void Application::closeEverything()
{
    // Every window puts its settings in as it closes.
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() || window->isMinimized() || window == mainWindow(Language::English)
            || window == mainWindow(Language::Swedish))
            windows.append(window);
    }
    for (const QPointer<QWidget> &window : windows) {
        if (window)
            window->close();
    }
    if (m_tray)
        m_tray->remove();
    m_settings.save();
}
