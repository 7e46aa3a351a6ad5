#pragma once

#include "app/windowregistry.h"
#include "dictionary/radicalchartgrid.h"
#include "dictionary/tables.h"
#include "settings/settingsstore.h"
#include "shell/capturefiles.h"
#include "shell/language.h"
#include "shell/programcontext.h"
#include "windows/mainwindow/windowrequest.h"

#include <QObject>
#include <QPointer>

class CaptureWindow;
class CedictImportWindow;
class CedictSearchWindow;
class ChineseEditorWindow;
class CodeSearchWindow;
class HandwritingWindow;
class HelpBrowser;
class MainWindow;
class PinyinEditorWindow;
class PrintWindow;
class RadicalChartWindow;
class StartWindow;
class QColor;
class QFont;
class ClipboardWatcher;
class FaultNotice;
class StoreIntegrityCheck;
class TrayIcon;

// The composition root: owns the settings store, the one set of dictionary tables, the
// clipboard watcher, the tray icon and every window (one of each, created on demand), and
// connects the windows' signals to each other. Windows never reach each other directly.
class Application : public QObject
{
    Q_OBJECT
public:
    explicit Application(const QString &programFolder, QObject *parent = nullptr);
    ~Application() override;

    // The start-up work that is no window's (a waiting word table, the first start, the
    // stores, the syllable table, the fonts), then the start window or the auto-started
    // main window(s), whose first frame comes before the stores and the fonts.
    void start();

    QString programFolder() const { return m_context.programFolder; }
    SettingsStore &settings() { return m_settings; }
    Language uiLanguage() const { return m_uiLanguage; }

    // Windows, created on first use, then brought up again.
    MainWindow *showMainWindow(Language language);
    MainWindow *mainWindow(Language language) const;
    // The main window the user chose at start, created if needed.
    MainWindow *mainWindowInUse();
    StartWindow *startWindow() const;
    HelpBrowser *openHelpPage(const QString &pageFileName);
    // The capture windows (created hidden; a capture shows them) and the print window.
    CaptureWindow *printpage();
    CaptureWindow *printpage2();
    PrintWindow *openPrintWindow();
    // The code search page, kept when closed: it remembers the copy it searched last.
    CodeSearchWindow *codeSearchWindow();
    CodeSearchWindow *openCodeSearch();
    // The CEDICT search page (soka); closing it ends it and hands the clipboard back.
    CedictSearchWindow *openCedictSearch();
    // Form4, "Update"; closing it cancels an import that is running.
    CedictImportWindow *openCedictImport();
    // Kinaeditor; closing it ends it, with its document.
    ChineseEditorWindow *openChineseEditor();
    // Form1 for the English main window, Pinyinedit for the Swedish one.
    PinyinEditorWindow *openPinyinEditor(Language language);
    // Traditionell or Forenklad; a pick lists the radical in the main window in use.
    RadicalChartWindow *openRadicalChart(RadicalChart chart);
    // "Draw a character" / "Show strokes"; a character chosen goes to the Chinese editor's
    // caret when the editor opened it, else to the main window in use.
    // "Draw a character": a chosen character goes to the Chinese editor's caret when drawn for
    // it, else to the main window in use. "Show strokes" of the given characters' first.
    HandwritingWindow *openDrawing(bool forEditor = false);
    HandwritingWindow *openStrokes(const QString &characters);
    // A main window's "Print": the characters on display photographed, then the print window.
    void printCharacters();

    // The menu items of the main windows that have a window to open.
    static QList<WindowRequest> availableRequests();
    // The one way a window opens: the one of its name, created by create() if there is none,
    // then presented.
    template <typename Window, typename Create>
    Window *openOnce(const QString &name, Create &&create)
    {
        Window *window = windowOf<Window>(name, std::forward<Create>(create));
        present(window);
        return window;
    }
    ProgramContext &context() { return m_context; }
    // Turns the clipboard watcher on or off, as "Auto lookup on" says.
    void setAutoLookup(bool on);
    // A search page has searched what was copied: the watcher looks again at the next copy.
    void resumeAutoLookup();
    // After the Chinese editor: what its "Select all" copied stays unlooked-at.
    void resumeAutoLookupFromNextCopy();

    // Faults of the stores and the settings, told in a dialog over the window in use.
    FaultNotice *faultNotice() const { return m_faults; }
    // How long after the first window the stores' integrity is checked, in milliseconds.
    static constexpr int integrityCheckDelay = 1000;

private:
    // The window of that name, created by create() if there is none, once the stores are open.
    template <typename Window, typename Create>
    Window *windowOf(const QString &name, Create &&create)
    {
        finishStart();
        return m_windows.findOrCreate<Window>(name, std::forward<Create>(create));
    }
    // What the first window's first frame does without: the stores, the program's fonts, the
    // rest of the main windows. Done once, after that frame or when something needs it first.
    void finishStart();
    void runFirstStart();
    void connectMainWindow(MainWindow *window);
    void openRequested(WindowRequest request, MainWindow *from);
    // Shown, raised and given the focus, unminimised; placed over the main window the first
    // time unless it placed itself.
    void present(QWidget *window);
    HandwritingWindow *handwritingWindow();
    void quitWhenNoMainWindow();
    // The one way out, also when the session ends: settings of every window written.
    void closeEverything();
    void cedictSearchWanted();
    void codeSearchWanted();
    void reportStartFaults();

    SettingsStore m_settings;
    DictionaryTables m_tables;
    ProgramContext m_context;
    CaptureFiles m_captures;
    Language m_uiLanguage = Language::English;
    ClipboardWatcher *m_watcher;
    FaultNotice *m_faults;
    StoreIntegrityCheck *m_integrity;
    QPointer<TrayIcon> m_tray;

    QPointer<StartWindow> m_startWindow;
    QPointer<MainWindow> m_englishWindow;
    QPointer<MainWindow> m_swedishWindow;
    WindowRegistry m_windows; // every other window, by its design name
    QString m_cedictSearched; // the copy soka looked up last
    bool m_copiedSinceCedictSearch = false;
    bool m_drawingForEditor = false; // where the drawing window's choice goes
    bool m_started = false;          // finishStart() done
};
