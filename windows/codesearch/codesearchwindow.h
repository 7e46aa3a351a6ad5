#pragma once

#include "cedict/rtfcodes.h"
#include "dictionary/codewordsearch.h"
#include "settings/codepagesettings.h"

#include <QMainWindow>

class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class TiledSurface;
struct ProgramContext;

// The code search page (Soka2): Chinese copied in a word processor or a browser, looked up
// as a word of the word table and listed with the later entries that contain it. It watches
// the clipboard while open and searches each new copy once; the clipboard is left as it is.
// Closing only hides it, so that it still knows which copy it has searched.
class CodeSearchWindow : public QMainWindow
{
    Q_OBJECT
public:
    enum class Copy { Searched, SearchedBefore, NoChinese };

    explicit CodeSearchWindow(ProgramContext &context, QWidget *parent = nullptr);
    ~CodeSearchWindow() override;

    // The main window's clipboard watcher found a copy for this page: search it and show
    // the page, unless that copy has been looked at already or holds no Chinese.
    Copy clipboardSearchWanted();
    // Command1: search what the clipboard holds now, changed or not.
    void searchClipboard();
    // The search itself, for copies that come from elsewhere than the clipboard.
    void search(const RtfCodeList &codes);

    bool traditional() const { return m_settings.traditional; }
    void setTraditional(bool on);

signals:
    // After each search and when the page closes: the main window's watcher may look again.
    void autoLookupHandedBack();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void applySettings();
    void storeSettings();
    void showResult();
    void Timer1_Timer();
    // Searches the clipboard when it changed since it was last looked at and holds Chinese.
    Copy searchChangedClipboard();
    void chooseFont();
    void chooseColour(bool background);

    ProgramContext &m_context;
    CodeWordSearch m_search;
    CodePageSettings m_settings;
    RtfCodeList m_codes;            // the code list of the last search
    bool m_clipboardChanged = true; // since the last search

    TiledSurface *m_surface = nullptr;
    QMenu *s = nullptr;
    QAction *trad = nullptr;
    QAction *fontinst = nullptr;
    QAction *backcolor = nullptr;
    QAction *forecolor = nullptr;
    QPushButton *Command1 = nullptr;
    QPlainTextEdit *TextBox1 = nullptr;
    QTimer *Timer1 = nullptr;
};
