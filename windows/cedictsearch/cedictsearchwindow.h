#pragma once

#include "settings/cedictpagesettings.h"

#include <QMainWindow>

#include <memory>

class CedictFileSearch;
class QAction;
class QMenu;
class QPushButton;
class QPlainTextEdit;
class QTimer;
struct CedictSearchResult;
struct ProgramContext;

// The CEDICT search page (soka): each text copied anywhere is looked up in cedict.b5 and the
// matching entry lines listed, exact headwords first; a line can be saved to the study list.
// The clipboard is never cleared: the page searches once per change of the clipboard, and
// looks again when it gets the focus back. A search runs in slices between events, showing
// its progress, so the window never stops answering.
class CedictSearchWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit CedictSearchWindow(ProgramContext &context, QWidget *parent = nullptr);
    ~CedictSearchWindow() override;

    // lookup1: the selection in text1, put on the clipboard, or else the clipboard, looked up.
    void lookup1_Click();
    // Looks the copied text up; a search still running gives way to it.
    void search(const QString &copiedText);
    bool isSearching() const;
    // "Save character": the line that holds the caret, added to studera.txt and selected.
    bool sparastudier_Click();
    // "Export study list..." after its file dialog.
    void exportStudyList(const QString &targetFile);

signals:
    // A search of this copied text has begun.
    void searched(const QString &copiedText);
    void finished(); // the results of the last search are on show
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildControls();
    void applySettings();
    void storeSettings();
    void connectActions();
    void Timer1_Timer();
    void searchSlice();
    void showResult(const CedictSearchResult &result);
    void setCaption(const QString &caption);
    void showMessage(const QString &title, const QString &text, bool warning);
    void chooseFont();
    void chooseColour(bool background);
    void exportStudyListChosen();

    ProgramContext &m_context;
    CedictPageSettings m_settings;
    std::unique_ptr<CedictFileSearch> m_search;
    qint64 m_progressShown = 0;      // the progress mark on show
    QString m_searchedText;          // the copied text of the last search
    bool m_clipboardChanged = false; // since the last look at the clipboard
    bool m_shownOnce = false;

    QMenu *fil = nullptr;
    QAction *bakfarg = nullptr;
    QAction *txtfarg = nullptr;
    QAction *font = nullptr;
    QAction *sparastudier = nullptr;
    QAction *exportstudier = nullptr;
    QAction *overstalltid = nullptr;
    QPushButton *lookup1 = nullptr;
    QPlainTextEdit *text1 = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *m_slices = nullptr;
};
