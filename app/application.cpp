#include "app/application.h"

#include "platform/programfiles.h"

#include "cedict/pendingwordtable.h"
#include "pinyin/syllabletables.h"
#include "settings/fontinstaller.h"
#include "settings/mainwindowsettings.h"
#include "shell/clipboardwatcher.h"
#include "shell/faultnotice.h"
#include "shell/firstframe.h"
#include "shell/fontregistration.h"
#include "shell/shownprobe.h"
#include "shell/storeintegritycheck.h"
#include "shell/terminationsignals.h"
#include "shell/trayicon.h"
#include "windows/capture/capturewindow.h"
#include "windows/capture/printwindow.h"
#include "windows/cedictimport/cedictimportwindow.h"
#include "windows/cedictsearch/cedictsearchwindow.h"
#include "windows/chineseeditor/chineseeditorwindow.h"
#include "windows/codesearch/codesearchwindow.h"
#include "windows/handwriting/handwritingtexts.h"
#include "windows/handwriting/handwritingwindow.h"
#include "windows/help/helpbrowser.h"
#include "windows/mainwindow/mainwindow.h"
#include "windows/pagetranslator/pagetranslatorwindow.h"
#include "windows/pinyineditor/pinyineditorwindow.h"
#include "windows/radicalcharts/radicalchartwindow.h"
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

// The window each menu item that opens one asks for. A new window is one row here.
struct WindowRow
{
    WindowRequest request;
    void (*open)(Application &app, MainWindow *from);
};

const QList<WindowRow> &windowTable()
{
    using R = WindowRequest;
    static const QList<WindowRow> table = {
        {R::Print, [](Application &app, MainWindow *) { app.printCharacters(); }},
        {R::CodeSearch, [](Application &app, MainWindow *) { app.openCodeSearch(); }},
        {R::CedictSearch, [](Application &app, MainWindow *) { app.openCedictSearch(); }},
        {R::CedictImport, [](Application &app, MainWindow *) { app.openCedictImport(); }},
        {R::PageTranslator,
         [](Application &app, MainWindow *) {
             app.openOnce<PageTranslatorWindow>(
                 u"Kina"_s, [&app] { return new PageTranslatorWindow(app.context()); });
         }},
        {R::ChineseEditor, [](Application &app, MainWindow *) { app.openChineseEditor(); }},
        {R::PinyinEditor,
         [](Application &app, MainWindow *from) {
             app.openPinyinEditor(from ? from->language() : app.uiLanguage());
         }},
        {R::SimplifiedRadicals,
         [](Application &app, MainWindow *) { app.openRadicalChart(RadicalChart::Simplified); }},
        {R::TraditionalRadicals,
         [](Application &app, MainWindow *) { app.openRadicalChart(RadicalChart::Traditional); }},
        {R::DrawCharacter, [](Application &app, MainWindow *) { app.openDrawing(); }},
        {R::ShowStrokes,
         [](Application &app, MainWindow *from) {
             app.openStrokes(from ? from->shownCharacters() : QString());
         }},
    };
    return table;
}

} // namespace

Application::Application(const QString &programFolder, QObject *parent)
    : QObject(parent)
    , m_settings(programFolder)
    , m_context{programFolder, m_settings, m_tables}
    , m_captures(programFolder)
    , m_watcher(new ClipboardWatcher(this))
    , m_faults(new FaultNotice(this))
    , m_integrity(new StoreIntegrityCheck(this))
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
    // A dictionary rebuilt by an update, or the previous one asked back, takes effect now,
    // before the stores open.
    DictionaryUpdate update(programFolder());
    if (update.applyAtStart() == DictionaryUpdate::Change::Failed)
        qWarning("Ordbok: the dictionary update could not be installed: %s",
                 qPrintable(update.failure()));
    m_settings.load();
    if (FontFlagFile(programFolder()).fontsPending())
        runFirstStart();
    loadSimplifiedTable();

    const MainWindowSettings settings = MainWindowSettings::read(m_settings.record());
    if (settings.autoStartSwedish || settings.autoStartEnglish) {
        // The window's first frame (its menus and the one box) needs neither the stores nor
        // the program's fonts: they, and the rest of the window, come right after it.
        if (settings.autoStartSwedish)
            showMainWindow(Language::Swedish);
        if (settings.autoStartEnglish)
            showMainWindow(Language::English);
        afterFirstFrame(mainWindow(m_uiLanguage), this, [this] { finishStart(); });
        return;
    }
    finishStart();
    m_startWindow = new StartWindow(programFolder());
    connect(m_startWindow, &QObject::destroyed, this, &Application::quitWhenNoMainWindow);
    connect(m_startWindow, &StartWindow::languageChosen, this, [this](Language language) {
        // The main window shows first, so that the program never has no window open.
        showMainWindow(language);
        m_startWindow->close();
    });
    m_startWindow->showCentred();
    m_faults->setHost(m_startWindow);
}

void Application::finishStart()
{
    if (m_started)
        return;
    m_started = true;
    if (!m_tables.open(programFolder()))
        reportMissingStores(m_tables.missing());
    reportStartFaults();
    // The program draws with its own fonts whether or not they are installed for the user.
    registerProgramFonts(programFolder());
    for (MainWindow *window : {mainWindow(Language::English), mainWindow(Language::Swedish)}) {
        if (window)
            window->completeWindow();
    }
}

void Application::reportStartFaults()
{
    const bool previousKept = DictionaryUpdate(programFolder()).previous().exists;
    for (const StoreFault &fault : m_tables.faults())
        m_faults->storeFault(fault, previousKept);
    if (const auto obstacle = m_settings.saveObstacle();
        obstacle != SettingsStore::SaveObstacle::None)
        m_faults->settingsNotSaved(m_settings.filePath(), obstacle);
    m_settings.setSaveFailureHandler([this](const QString &file) {
        m_faults->settingsNotSaved(file, SettingsStore::SaveObstacle::None);
    });
    connect(m_faults, &FaultNotice::restoreRequested, this, [this] {
        QString error;
        const bool requested = DictionaryUpdate(programFolder()).requestRestore(&error);
        m_faults->restoreAnswered(requested, error);
    });
    connect(m_integrity, &StoreIntegrityCheck::faultFound, this, [this](const StoreFault &fault) {
        qWarning("Ordbok: %s is damaged: %s", qPrintable(fault.path), qPrintable(fault.detail));
        m_faults->storeFault(fault, DictionaryUpdate(programFolder()).previous().exists);
    });
    // Reading every page takes a while: after the first window is on screen.
    QTimer::singleShot(integrityCheckDelay, m_integrity,
                       [this] { m_integrity->start(programFolder(), m_tables.missing()); });
}

void Application::runFirstStart()
{
    SettingsRecord &record = m_settings.record();
    record.setValue(SettingsRecord::backgroundPath,
                    ProgramFiles::defaultBackground(programFolder()));
    FontInstaller(programFolder()).install();
    FontFlagFile(programFolder()).markInstalled();
    m_settings.save();
}

StartWindow *Application::startWindow() const
{
    return m_startWindow;
}

MainWindow *Application::mainWindow(Language language) const
{
    return language == Language::Swedish ? m_swedishWindow : m_englishWindow;
}

MainWindow *Application::showMainWindow(Language language)
{
    m_uiLanguage = language;
    QPointer<MainWindow> &window =
        language == Language::Swedish ? m_swedishWindow : m_englishWindow;
    if (!window) {
        window = new MainWindow(language, m_context);
        if (m_started)
            window->completeWindow();
        connectMainWindow(window);
        if (window->autoLookup())
            setAutoLookup(true);
        // The tray icon is no part of the first frame.
        afterFirstFrame(window, window, [this, created = window.data()] {
            if (m_tray)
                return;
            m_tray = new TrayIcon(
                created, [this] { return mainWindow(m_uiLanguage); }, created);
            m_tray->add();
        });
    }
    window->show();
    window->raise();
    window->activateWindow();
    m_faults->setLanguage(language);
    m_faults->setHost(window);
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
            [this, window](WindowRequest request) { openRequested(request, window); });
    connect(window, &MainWindow::helpPageRequested, this, &Application::openHelpPage);
    connect(window, &MainWindow::charactersShown, this,
            [this](const QString &characters) { printpage()->setText(characters); });
    connect(window, &MainWindow::autoLookupChanged, this, &Application::setAutoLookup);
    connect(window, &MainWindow::activated, this, [this] {
        // A copy made while another program had the focus is seen as soon as we get it back.
        if (m_watcher->isActive())
            QTimer::singleShot(0, m_watcher, &ClipboardWatcher::lookAgain);
    });
    connect(window, &QObject::destroyed, this, &Application::quitWhenNoMainWindow);
}

QList<WindowRequest> Application::availableRequests()
{
    QList<WindowRequest> requests;
    for (const WindowRow &row : windowTable())
        requests << row.request;
    return requests;
}

void Application::openRequested(WindowRequest request, MainWindow *from)
{
    finishStart(); // an item used before the first frame acts on the whole window
    for (const WindowRow &row : windowTable()) {
        if (row.request == request)
            return row.open(*this, from);
    }
    qCDebug(lcApplication) << "no window answers" << request;
}

CaptureWindow *Application::printpage()
{
    return windowOf<CaptureWindow>(u"printpage"_s, [this] {
        return new CaptureWindow(CaptureWindow::Kind::Printpage, m_captures);
    });
}

CaptureWindow *Application::printpage2()
{
    return windowOf<CaptureWindow>(u"printpage2"_s, [this] {
        return new CaptureWindow(CaptureWindow::Kind::Printpage2, m_captures);
    });
}

PrintWindow *Application::openPrintWindow()
{
    return openOnce<PrintWindow>(u"printbild"_s,
                                 [this] { return new PrintWindow(m_captures, m_uiLanguage); });
}

void Application::printCharacters()
{
    CaptureWindow *capture = printpage();
    // A Print chosen while the last one is still capturing only gets the busy message.
    if (!capture->cmdCaptureActive_Click() && capture->isBusy())
        return;
    const QWidget *printWindow = m_windows.find(u"printbild"_s);
    const bool wasOpen = printWindow && printWindow->isVisible();
    PrintWindow *window = openPrintWindow();
    // A print window that stayed open shows the new picture as well.
    if (wasOpen)
        window->cmdThumbSize_Click();
}

HelpBrowser *Application::openHelpPage(const QString &pageFileName)
{
    // An open help window stays on its page; a new one loads the page asked for.
    return openOnce<HelpBrowser>(u"help"_s, [&] {
        return new HelpBrowser(
            programFolder(), HelpBrowser::pageAddress(programFolder(), pageFileName), m_uiLanguage);
    });
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

void Application::resumeAutoLookupFromNextCopy()
{
    MainWindow *window = mainWindow(m_uiLanguage);
    if (window && window->autoLookup() && !m_watcher->isActive())
        m_watcher->startFromNextCopy();
}

void Application::cedictSearchWanted()
{
    // soka leaves the clipboard as it is: the copy it looked up last, still there after it
    // closed, does not open it again; the watcher waits for the next copy.
    if (!m_windows.find(u"soka"_s) && !m_copiedSinceCedictSearch &&
        QGuiApplication::clipboard()->text() == m_cedictSearched) {
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
    return openOnce<CedictSearchWindow>(u"soka"_s, [this] {
        auto *window = new CedictSearchWindow(m_context);
        connect(window, &CedictSearchWindow::searched, this, [this](const QString &copied) {
            m_cedictSearched = copied;
            m_copiedSinceCedictSearch = false;
        });
        // The main window's watcher takes over again, if "Auto lookup on" is ticked.
        connect(window, &CedictSearchWindow::closed, this, &Application::resumeAutoLookup);
        return window;
    });
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
    return windowOf<CodeSearchWindow>(u"Soka2"_s, [this] {
        auto *window = new CodeSearchWindow(m_context);
        connect(window, &CodeSearchWindow::autoLookupHandedBack, this,
                &Application::resumeAutoLookup);
        return window;
    });
}

CodeSearchWindow *Application::openCodeSearch()
{
    CodeSearchWindow *window = codeSearchWindow();
    present(window);
    return window;
}

CedictImportWindow *Application::openCedictImport()
{
    return openOnce<CedictImportWindow>(
        u"Form4"_s, [this] { return new CedictImportWindow(m_context, m_uiLanguage); });
}

ChineseEditorWindow *Application::openChineseEditor()
{
    return openOnce<ChineseEditorWindow>(u"Kinaeditor"_s, [this] {
        auto *editor = new ChineseEditorWindow(m_context, m_uiLanguage);
        connect(editor, &ChineseEditorWindow::helpPageRequested, this, &Application::openHelpPage);
        connect(editor, &ChineseEditorWindow::autoLookupPauseRequested, m_watcher,
                &ClipboardWatcher::stop);
        connect(editor, &ChineseEditorWindow::autoLookupResumeRequested, this,
                &Application::resumeAutoLookupFromNextCopy);
        QAction *draw =
            editor->menuBar()->addAction(HandwritingTexts::forLanguage(m_uiLanguage).drawMenu);
        draw->setObjectName(u"rita"_s);
        draw->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
        connect(draw, &QAction::triggered, this, [this] { openDrawing(true); });
        return editor;
    });
}

PinyinEditorWindow *Application::openPinyinEditor(Language language)
{
    const QString name = language == Language::Swedish ? u"Pinyinedit"_s : u"Form1"_s;
    return openOnce<PinyinEditorWindow>(
        name, [&] { return new PinyinEditorWindow(language, m_context); });
}

RadicalChartWindow *Application::openRadicalChart(RadicalChart chart)
{
    const QString name = chart == RadicalChart::Simplified ? u"Forenklad"_s : u"Traditionell"_s;
    return openOnce<RadicalChartWindow>(name, [&] {
        auto *window = new RadicalChartWindow(chart, programFolder());
        connect(window, &RadicalChartWindow::radicalPicked, this,
                [this](int radical) { mainWindowInUse()->listRadical(radical); });
        return window;
    });
}

HandwritingWindow *Application::handwritingWindow()
{
    auto *window = windowOf<HandwritingWindow>(u"Handskrift"_s, [this] {
        auto *created = new HandwritingWindow(m_context, m_uiLanguage);
        connect(
            created, &HandwritingWindow::characterChosen, this, [this](const QString &character) {
                auto *editor = qobject_cast<ChineseEditorWindow *>(m_windows.find(u"Kinaeditor"_s));
                if (m_drawingForEditor && editor)
                    editor->insertAtCaret(character);
                else
                    mainWindowInUse()->showCharacter(character);
            });
        return created;
    });
    window->setLanguage(m_uiLanguage);
    return window;
}

HandwritingWindow *Application::openDrawing(bool forEditor)
{
    m_drawingForEditor = forEditor;
    HandwritingWindow *window = handwritingWindow();
    window->showPage(HandwritingWindow::Page::Draw);
    present(window);
    return window;
}

HandwritingWindow *Application::openStrokes(const QString &characters)
{
    HandwritingWindow *window = handwritingWindow();
    window->showPage(HandwritingWindow::Page::Strokes);
    window->setCharacter(characters);
    present(window);
    return window;
}

void Application::present(QWidget *window)
{
    // Opened for the first time and not placed by itself (a kept position): over the main
    // window, and whole on its screen, not wherever the window manager finds room.
    const MainWindow *main = mainWindow(m_uiLanguage);
    const bool placed = window->testAttribute(Qt::WA_WState_ExplicitShowHide) ||
                        window->testAttribute(Qt::WA_Moved);
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
        if (window->isVisible() || window->isMinimized() ||
            window == mainWindow(Language::English) || window == mainWindow(Language::Swedish))
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
