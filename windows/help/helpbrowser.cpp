#include "windows/help/helpbrowser.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcHelp, "ordbok.help")

namespace {

// How the address box shows a page: a local path as the user would type it.
QString displayAddress(const QUrl &url)
{
    if (!url.isLocalFile())
        return url.toString();
    QString text = QDir::toNativeSeparators(url.toLocalFile());
    if (url.hasFragment())
        text += u'#' + url.fragment();
    return text;
}

struct ToolButtonLook
{
    QLatin1StringView key;
    QStyle::StandardPixmap icon;
    QKeySequence shortcut;
};

} // namespace

QUrl resolveHelpAddress(const QString &address, const QString &programFolder)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return {};
    const QUrl asUrl(text);
    // A one-letter scheme is a drive letter ("C:\..."), not a scheme.
    if (asUrl.isValid() && asUrl.scheme().size() > 1)
        return asUrl;
    if (text.startsWith("www."_L1, Qt::CaseInsensitive))
        return QUrl(u"https://"_s + text);

    QString path = text;
    QString fragment;
    if (const qsizetype hash = path.indexOf(u'#'); hash >= 0) {
        fragment = path.mid(hash + 1);
        path.truncate(hash);
    }
    // Page names are written "\help.html" by habit, meaning the page in the program folder;
    // no help page has a backslash in its name.
    while (path.startsWith(u'\\'))
        path.remove(0, 1);
    path.replace(u'\\', u'/');
    if (QDir::isRelativePath(path))
        path = QDir(programFolder).filePath(path);
    QUrl local = QUrl::fromLocalFile(QDir::cleanPath(path));
    if (!fragment.isEmpty())
        local.setFragment(fragment);
    return local;
}

bool opensInsideHelp(const QUrl &url)
{
    return url.isLocalFile() || url.scheme().isEmpty();
}

HelpBrowser::HelpBrowser(const QString &programFolder, const QString &startAddress,
                         Language language, QWidget *parent)
    : QWidget(parent)
    , m_programFolder(programFolder)
    , m_startAddress(startAddress)
    , m_homePage(language == Language::Swedish ? u"index.htm"_s : u"indexeng.html"_s)
{
    setObjectName(u"Hemsidan"_s);
    setAttribute(Qt::WA_DeleteOnClose);

    picAddress = new QWidget(this);
    picAddress->setObjectName(u"picAddress"_s);
    lblAddress = new QLabel(u"&Adress:"_s, picAddress);
    lblAddress->setObjectName(u"lblAddress"_s);
    cboAddress = new QComboBox(picAddress);
    cboAddress->setObjectName(u"cboAddress"_s);
    cboAddress->setEditable(true);
    // The list holds the addresses the window was opened with, not every page visited.
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    cboAddress->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboAddress->setMinimumContentsLength(20);
    lblAddress->setBuddy(cboAddress);
    auto *addressLayout = new QVBoxLayout(picAddress);
    addressLayout->setContentsMargins(0, 0, 0, 0);
    addressLayout->setSpacing(2);
    addressLayout->addWidget(lblAddress);
    addressLayout->addWidget(cboAddress);

    brwWebBrowser = new QTextBrowser(this);
    brwWebBrowser->setObjectName(u"brwWebBrowser"_s);
    // Links are checked first: web and mail links leave the program, missing pages are skipped.
    brwWebBrowser->setOpenLinks(false);

    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(u"tbToolBar"_s);
    createToolBar();

    timTimer = new QTimer(this);
    timTimer->setObjectName(u"timTimer"_s);
    timTimer->setInterval(5);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 6);
    layout->addWidget(tbToolBar);
    layout->addWidget(picAddress);
    layout->addWidget(brwWebBrowser, 1);

    connect(cboAddress, &QComboBox::activated, this, &HelpBrowser::addressChosen);
    connect(cboAddress->lineEdit(), &QLineEdit::returnPressed, this, &HelpBrowser::addressEntered);
    connect(brwWebBrowser, &QTextBrowser::anchorClicked, this, &HelpBrowser::openUrl);
    connect(brwWebBrowser, &QTextBrowser::sourceChanged, this, &HelpBrowser::pageLoaded);
    connect(timTimer, &QTimer::timeout, this, &HelpBrowser::timTimer_Timer);

    // A comfortable reading width for the pages, but never larger than the screen.
    const QFontMetrics metrics = fontMetrics();
    QSize size(metrics.averageCharWidth() * 120, metrics.height() * 46);
    if (const QScreen *screen = this->screen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);
}

void HelpBrowser::createToolBar()
{
    const ToolButtonLook buttons[] = {
        {"Back"_L1, QStyle::SP_ArrowBack, QKeySequence::Back},
        {"Forward"_L1, QStyle::SP_ArrowForward, QKeySequence::Forward},
        {"Stop"_L1, QStyle::SP_BrowserStop, QKeySequence(Qt::Key_Escape)},
        {"Refresh"_L1, QStyle::SP_BrowserReload, QKeySequence::Refresh},
        {"Home"_L1, QStyle::SP_DirHomeIcon, QKeySequence(Qt::ALT | Qt::Key_Home)},
        {"Search"_L1, QStyle::SP_FileDialogContentsView, QKeySequence(Qt::CTRL | Qt::Key_I)},
    };
    for (const ToolButtonLook &look : buttons) {
        const QString key = look.key;
        QAction *action = tbToolBar->addAction(style()->standardIcon(look.icon), key);
        action->setObjectName(key);
        action->setToolTip(key);
        action->setShortcut(look.shortcut);
        tbToolBar->widgetForAction(action)->setObjectName(key);
        connect(action, &QAction::triggered, this, [this, key] { toolButtonPressed(key); });
        if (key == "Back"_L1) {
            action->setEnabled(false);
            connect(brwWebBrowser, &QTextBrowser::backwardAvailable, action, &QAction::setEnabled);
        } else if (key == "Forward"_L1) {
            action->setEnabled(false);
            connect(brwWebBrowser, &QTextBrowser::forwardAvailable, action, &QAction::setEnabled);
        }
    }
}

QString HelpBrowser::pageAddress(const QString &programFolder, const QString &pageFileName)
{
    QString page = pageFileName;
    while (page.startsWith(u'\\') || page.startsWith(u'/'))
        page.remove(0, 1);
    return page.isEmpty() ? QString() : QDir(programFolder).filePath(page);
}

QUrl HelpBrowser::currentPage() const
{
    return brwWebBrowser->source();
}

QString HelpBrowser::pageTitle() const
{
    const QString title = brwWebBrowser->documentTitle().simplified();
    if (!title.isEmpty())
        return title;
    return currentPage().fileName();
}

void HelpBrowser::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        load();
    }
}

void HelpBrowser::load()
{
    const QString address = m_startAddress;
    if (address.isEmpty())
        return;
    m_suppressAddressNavigation = true;
    if (cboAddress->findText(address) < 0)
        cboAddress->addItem(address);
    cboAddress->setCurrentIndex(cboAddress->findText(address));
    m_suppressAddressNavigation = false;
    timTimer->start();
    navigate(address);
}

void HelpBrowser::navigate(const QString &address)
{
    const QUrl url = resolveHelpAddress(address, m_programFolder);
    if (url.isEmpty()) {
        qCDebug(lcHelp) << "empty address, nothing to open";
        return;
    }
    openUrl(url);
}

void HelpBrowser::openUrl(const QUrl &link)
{
    // Links come relative to the page they are on.
    const QUrl url = currentPage().resolved(link);
    if (opensInsideHelp(url)) {
        openLocalPage(url, LoadMode::Open);
        return;
    }
    if (!QDesktopServices::openUrl(url))
        qCDebug(lcHelp) << "no program took" << url.toString();
}

void HelpBrowser::openLocalPage(const QUrl &url, LoadMode mode)
{
    if (!QFileInfo(url.toLocalFile()).isFile()) {
        qCDebug(lcHelp) << "no page at" << url.toLocalFile() << "- staying on the current page";
        return;
    }
    setWindowTitle(workingCaption());
    m_busy = true;
    // The browser skips reading a file it already shows unless asked to reload it.
    if (mode == LoadMode::Reload)
        brwWebBrowser->reload();
    else
        brwWebBrowser->setSource(url);
    m_busy = false;
    // A jump within the same page does not always announce itself.
    pageLoaded();
}

void HelpBrowser::pageLoaded()
{
    if (m_busy)
        return;
    setWindowTitle(pageTitle());
    m_suppressAddressNavigation = true;
    cboAddress->setEditText(displayAddress(currentPage()));
    m_suppressAddressNavigation = false;
}

void HelpBrowser::timTimer_Timer()
{
    if (m_busy) {
        setWindowTitle(workingCaption());
        return;
    }
    timTimer->stop();
    setWindowTitle(pageTitle());
}

void HelpBrowser::toolButtonPressed(const QString &key)
{
    timTimer->start();
    if (key == "Back"_L1) {
        if (brwWebBrowser->isBackwardAvailable())
            brwWebBrowser->backward();
    } else if (key == "Forward"_L1) {
        if (brwWebBrowser->isForwardAvailable())
            brwWebBrowser->forward();
    } else if (key == "Refresh"_L1) {
        if (!currentPage().isEmpty())
            openLocalPage(currentPage(), LoadMode::Reload);
    } else if (key == "Home"_L1) {
        navigate(QDir(m_programFolder).filePath(m_homePage));
    } else if (key == "Search"_L1) {
        navigate(QDir(m_programFolder).filePath(searchPageFileName()));
    } else if (key == "Stop"_L1) {
        timTimer->stop();
        m_busy = false;
        setWindowTitle(pageTitle());
    }
}

void HelpBrowser::addressChosen(int index)
{
    if (m_suppressAddressNavigation || index < 0)
        return;
    timTimer->start();
    navigate(cboAddress->itemText(index));
}

void HelpBrowser::addressEntered()
{
    if (m_suppressAddressNavigation)
        return;
    const QString text = cboAddress->currentText();
    // Make a typed address that is in the list current, so that the combo box does not report
    // it as chosen once more when editing finishes.
    m_suppressAddressNavigation = true;
    if (const int index = cboAddress->findText(text); index >= 0)
        cboAddress->setCurrentIndex(index);
    cboAddress->setEditText(text);
    m_suppressAddressNavigation = false;
    timTimer->start();
    navigate(text);
}
