#pragma once

#include "shell/language.h"

#include <QString>
#include <QUrl>
#include <QWidget>

class QComboBox;
class QLabel;
class QTextBrowser;
class QTimer;
class QToolBar;

// What an address typed or handed to the help window stands for. Relative page names are found
// in the program folder, "\help.html" is taken as "help.html", "www." names are web addresses.
// "help.html#menus" -> file:///<programFolder>/help.html#menus
// "https://www.unicode.org/" -> unchanged; "" -> an empty (invalid) QUrl.
QUrl resolveHelpAddress(const QString &address, const QString &programFolder);

// True for the links that the help window opens itself (local pages); the others (web, mail)
// are handed to the user's own programs.
bool opensInsideHelp(const QUrl &url);

// Hemsidan: the program's small browser for its local HTML pages (help, about, the report pages,
// the maker's home page). It keeps the design names of its controls so that tests and callers can
// find them.
class HelpBrowser : public QWidget
{
    Q_OBJECT
public:
    // startAddress is the page the window loads when it is first shown (helpPageAddress);
    // Home opens the home page of the language's edition.
    HelpBrowser(const QString &programFolder, const QString &startAddress, Language language,
                QWidget *parent = nullptr);

    // programFolder + pageFileName, with leading slashes or backslashes of the name dropped;
    // empty for an empty name.
    static QString pageAddress(const QString &programFolder, const QString &pageFileName);

    static QString searchPageFileName() { return QStringLiteral("search.html"); }
    static QString workingCaption() { return QStringLiteral("Working..."); }

    QString programFolder() const { return m_programFolder; }
    // The page on show, empty before the first page.
    QUrl currentPage() const;
    // The caption a finished load shows: the page's title, else its file name.
    QString pageTitle() const;

    // Opens a local page inside the window and web or mail addresses in the user's programs.
    // An address that leads nowhere leaves the window as it was.
    void navigate(const QString &address);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createToolBar();
    void load();
    void toolButtonPressed(const QString &key);
    void addressChosen(int index);
    void addressEntered();
    void openUrl(const QUrl &url);
    enum class LoadMode { Open, Reload };
    void openLocalPage(const QUrl &url, LoadMode mode);
    void pageLoaded();
    void timTimer_Timer();

    QToolBar *tbToolBar;
    QWidget *picAddress;
    QLabel *lblAddress;
    QComboBox *cboAddress;
    QTextBrowser *brwWebBrowser;
    QTimer *timTimer;

    QString m_programFolder;
    QString m_startAddress;
    QString m_homePage;
    bool m_loaded = false;
    bool m_busy = false;
    // Set while the window itself changes cboAddress, which must not navigate then.
    bool m_suppressAddressNavigation = false;
};
