#pragma once

#include "dictionary/tables.h"
#include "settings/settingsstore.h"
#include "shell/capturefiles.h"
#include "shell/language.h"
#include "shell/programcontext.h"
#include "windows/capture/capturewindow.h"
#include "windows/capture/printwindow.h"
#include "windows/cedictimport/cedictimportwindow.h"
#include "windows/cedictsearch/cedictsearchwindow.h"
#include "windows/chineseeditor/chineseeditorwindow.h"
#include "windows/codesearch/codesearchwindow.h"
#include "windows/handwriting/handwritingwindow.h"
#include "windows/help/helpbrowser.h"
#include "windows/mainwindow/mainwindow.h"
#include "windows/pagetranslator/pagetranslatorwindow.h"
#include "windows/pinyineditor/pinyineditorwindow.h"
#include "windows/radicalcharts/radicalchartwindow.h"
#include "windows/startwindow/startwindow.h"

#include <QObject>
#include <QPointer>

class ClipboardWatcher;
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
    // main window(s).
    void start();

    QString programFolder() const { return m_context.programFolder; }
    SettingsStore &settings() { return m_settings; }
    Language uiLanguage() const { return m_uiLanguage; }

    // Windows, created on first use, then brought up again.
    MainWindow *showMainWindow(Language language);
    MainWindow *mainWindow(Language language) const;
    // The main window the user chose at start, created if needed.
    MainWindow *mainWindowInUse();
    StartWindow *startWindow() const { return m_startWindow; }
    HelpBrowser *openHelpPage(const QString &pageFileName);
    // The capture windows (created hidden; a capture shows them) and the print window.
    CaptureWindow *captureWindow(CaptureWindow::Kind kind);
    PrintWindow *openPrintWindow();
    // The code search page (kept when closed: it remembers the copy it searched last) and
    // the page translator.
    CodeSearchWindow *codeSearchWindow();
    CodeSearchWindow *openCodeSearch();
    PageTranslatorWindow *openPageTranslator();
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
    HandwritingWindow *openHandwriting(HandwritingWindow::Page page, bool forEditor = false);
    // A main window's "Print": the characters on display photographed, then the print window.
    void printCharacters();
    // The Chinese editor's "Print": its text photographed by printpage2, whose captured()
    // hands the picture back for the editor to print.
    bool captureEditorText(const QString &text, const QFont &font, const QColor &textColor);

    // The menu items of the main windows that have a window to open.
    static QList<MainWindow::Request> availableRequests();
    // Turns the clipboard watcher on or off, as "Auto lookup on" says.
    void setAutoLookup(bool on);
    // A search page has searched what was copied: the watcher looks again at the next copy.
    void resumeAutoLookup();


private:
    void runFirstStart();
    void connectMainWindow(MainWindow *window);
    void openRequested(MainWindow::Request request, MainWindow *from);
    // Shown, raised and given the focus, unminimised; placed over the main window the first
    // time unless it placed itself.
    void present(QWidget *window);
    void quitWhenNoMainWindow();
    // The one way out, also when the session ends: settings of every window written.
    void closeEverything();
    void cedictSearchWanted();
    void codeSearchWanted();

    SettingsStore m_settings;
    DictionaryTables m_tables;
    ProgramContext m_context;
    CaptureFiles m_captures;
    Language m_uiLanguage = Language::English;
    ClipboardWatcher *m_watcher;
    QPointer<TrayIcon> m_tray;

    QPointer<StartWindow> m_startWindow;
    QPointer<MainWindow> m_englishWindow;
    QPointer<MainWindow> m_swedishWindow;
    QPointer<HelpBrowser> m_helpBrowser;
    QPointer<CaptureWindow> m_printpage;
    QPointer<CaptureWindow> m_printpage2;
    QPointer<PrintWindow> m_printWindow;
    QPointer<CodeSearchWindow> m_codeSearch;
    QPointer<PageTranslatorWindow> m_pageTranslator;
    QPointer<CedictSearchWindow> m_cedictSearch;
    QPointer<CedictImportWindow> m_cedictImport;
    QString m_cedictSearched; // the copy soka looked up last
    bool m_copiedSinceCedictSearch = false;
    QPointer<ChineseEditorWindow> m_chineseEditor;
    QPointer<PinyinEditorWindow> m_pinyinEditorEnglish; // Form1
    QPointer<PinyinEditorWindow> m_pinyinEditorSwedish; // Pinyinedit
    QPointer<RadicalChartWindow> m_traditionalChart;
    QPointer<RadicalChartWindow> m_simplifiedChart;
    QPointer<HandwritingWindow> m_handwriting;
    bool m_handwritingForEditor = false;
};
