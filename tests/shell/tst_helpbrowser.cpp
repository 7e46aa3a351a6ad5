#include "shell/helpbrowser.h"
#include "tests/common/files.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The pages the main windows and the Chinese editor open by name.
const QStringList menuPages = {
    u"helpeng.html"_s,   u"help.html"_s,      u"about.html"_s,     u"om.html"_s,
    u"feleng.html"_s,    u"fel.html"_s,       u"tilaggeng.html"_s, u"tilagg.html"_s,
    u"svtillagg.html"_s, u"indexeng.html"_s,  u"index.htm"_s,      u"cedict.html"_s,
    u"unicode.html"_s,   u"editoreng.html"_s, u"editorsv.html"_s,  u"search.html"_s,
};

QString page(const QString &title, const QString &body)
{
    const QString head = title.isNull() ? QString() : u"<title>%1</title>"_s.arg(title);
    return u"<html><head>%1</head><body>%2</body></html>"_s.arg(head, body);
}

bool writeFile(const QString &path, const QString &text)
{
    return TestFiles::write(path, text.toUtf8());
}

QString readHtml(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder(bytes);
}

struct Link
{
    QString target;
    bool image = false;
};

// Every link and picture of a page, as the help window's text browser reads them.
QList<Link> linksOf(const QTextDocument &document)
{
    QList<Link> links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                links.append({format.toImageFormat().name(), true});
            else if (format.isAnchor() && !format.anchorHref().isEmpty())
                links.append({format.anchorHref(), false});
        }
    }
    return links;
}

QStringList anchorNamesOf(const QTextDocument &document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names += it.fragment().charFormat().anchorNames();
    }
    return names;
}

// Clicks the first link to href the way a user does; false when the page has no such link.
bool clickLink(QTextBrowser *browser, const QString &href)
{
    QTextDocument *document = browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(document);
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            const QPoint point = browser->cursorRect(cursor).center();
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
            return true;
        }
    }
    return false;
}

// Stands in for the user's web browser and mail program.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

class TestHelpBrowser : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void resolveAddress_data();
    void resolveAddress();

    void load_captionWorkingThenTitle_data();
    void load_captionWorkingThenTitle();
    void load_emptyAddress_opensNoPage();
    void load_missingPage_opensNoPage();

    void back_onFirstPage_changesNothing();
    void addressList_holdsStartAddressNotLinkTargets();
    void addressEnter_navigates_data();
    void addressEnter_navigates();
    void addressChoice_navigates();

    void externalLink_opensOutside_data();
    void externalLink_opensOutside();
    void missingLink_staysOnPage();

    void toolBar_buttonsInOrderWithKeys();
    void toolBar_navigates_data();
    void toolBar_navigates();
    void toolBar_refreshRereadsPage();
    void toolBar_stopEndsWorking();

    void showHelpPage_pageFileName_data();
    void showHelpPage_pageFileName();
    void showHelpPage_openWindowKeepsPage();
    void showHelpPage_afterCloseLoadsNewAddress();

    void installedPages_menuPageExists_data();
    void installedPages_menuPageExists();
    void installedPages_linksResolve_data();
    void installedPages_linksResolve();
    void installedPages_searchPageListsEveryPage();

private:
    QString pagePath(const QString &name) const { return m_folder->filePath(name); }
    std::unique_ptr<HelpBrowser> openBrowser(const QString &pageName);
    static QStringList installedPageNames();

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestHelpBrowser::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    const QString first =
        page(u"First page"_s, u"<h1><a name=\"top\">First</a></h1>"
                              "<p><a href=\"second.html\">second</a></p>"
                              "<p><a href=\"missing.html\">missing</a></p>"
                              "<p><a href=\"https://www.unicode.org/\">unicode</a></p>"
                              "<p><a href=\"http://example.org/x\">plain web</a></p>"
                              "<p><a href=\"mailto:ordbok@brenvik.se\">mail</a></p>"_s);
    QVERIFY(writeFile(pagePath(u"first.html"_s), first));
    QVERIFY(writeFile(pagePath(u"second.html"_s),
                      page(u"Second page"_s, u"<a href=\"first.html#top\">back</a>"_s)));
    QVERIFY(writeFile(pagePath(u"untitled.html"_s), page(QString(), u"<p>no title</p>"_s)));
    QVERIFY(writeFile(pagePath(u"indexeng.html"_s), page(u"Home page"_s, u"<p>home</p>"_s)));
    QVERIFY(writeFile(pagePath(u"search.html"_s), page(u"All pages"_s, u"<p>index</p>"_s)));
    QVERIFY(QDir(m_folder->path()).mkpath(u"sub"_s));
    QVERIFY(writeFile(pagePath(u"sub/inner.html"_s),
                      page(u"Inner page"_s, u"<a href=\"../second.html\">up</a>"_s)));
}

void TestHelpBrowser::cleanup()
{
    if (HelpBrowser *window = HelpBrowser::instance())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Globals::setHelpPageAddress({});
    m_folder.reset();
}

std::unique_ptr<HelpBrowser> TestHelpBrowser::openBrowser(const QString &pageName)
{
    Globals::setHelpPageAddress(pageName.isEmpty() ? QString() : pagePath(pageName));
    auto browser = std::make_unique<HelpBrowser>(m_folder->path());
    browser->show();
    if (!QTest::qWaitForWindowExposed(browser.get()))
        return nullptr;
    return browser;
}

QStringList TestHelpBrowser::installedPageNames()
{
    return QDir(QStringLiteral(ORDBOK_SOURCE_DIR "/help"))
        .entryList({u"*.html"_s, u"*.htm"_s}, QDir::Files, QDir::Name);
}

void TestHelpBrowser::resolveAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QUrl>("expected");

    QTest::newRow("page name") << u"help.html"_s << QUrl::fromLocalFile(u"/opt/ordbok/help.html"_s);
    QTest::newRow("backslash page name")
        << u"\\helpeng.html"_s << QUrl::fromLocalFile(u"/opt/ordbok/helpeng.html"_s);
    QTest::newRow("absolute path")
        << u"/tmp/x/om.html"_s << QUrl::fromLocalFile(u"/tmp/x/om.html"_s);
    QTest::newRow("surrounding blanks")
        << u"  om.html "_s << QUrl::fromLocalFile(u"/opt/ordbok/om.html"_s);
    QTest::newRow("sub folder, dots cleaned")
        << u"sub/../images/../fel.html"_s << QUrl::fromLocalFile(u"/opt/ordbok/fel.html"_s);
    QUrl withFragment = QUrl::fromLocalFile(u"/opt/ordbok/helpeng.html"_s);
    withFragment.setFragment(u"menus"_s);
    QTest::newRow("page with section") << u"helpeng.html#menus"_s << withFragment;
    QTest::newRow("file url") << u"file:///tmp/a.html"_s << QUrl::fromLocalFile(u"/tmp/a.html"_s);
    QTest::newRow("web address") << u"https://www.unicode.org/"_s
                                 << QUrl(u"https://www.unicode.org/"_s);
    QTest::newRow("mail address") << u"mailto:ordbok@brenvik.se"_s
                                  << QUrl(u"mailto:ordbok@brenvik.se"_s);
    QTest::newRow("www without scheme") << u"www.mdbg.net/chinese/dictionary"_s
                                        << QUrl(u"https://www.mdbg.net/chinese/dictionary"_s);
    QTest::newRow("empty") << QString() << QUrl();
    QTest::newRow("blanks only") << u"   "_s << QUrl();
}

void TestHelpBrowser::resolveAddress()
{
    QFETCH(QString, address);
    QFETCH(QUrl, expected);
    const QUrl url = resolveHelpAddress(address, u"/opt/ordbok"_s);
    QCOMPARE(url, expected);
}

void TestHelpBrowser::load_captionWorkingThenTitle_data()
{
    QTest::addColumn<QString>("pageName");
    QTest::addColumn<QString>("caption");
    QTest::newRow("titled page") << u"first.html"_s << u"First page"_s;
    QTest::newRow("untitled page shows its file name") << u"untitled.html"_s << u"untitled.html"_s;
}

void TestHelpBrowser::load_captionWorkingThenTitle()
{
    QFETCH(QString, pageName);
    QFETCH(QString, caption);
    Globals::setHelpPageAddress(pagePath(pageName));
    HelpBrowser browser(m_folder->path());
    QSignalSpy titles(&browser, &QWidget::windowTitleChanged);
    browser.show();
    auto *timer = browser.findChild<QTimer *>(u"timTimer"_s);
    QVERIFY(timer);
    QTRY_VERIFY(!timer->isActive());

    QVERIFY(titles.size() >= 2);
    QCOMPARE(titles.first().first().toString(), HelpBrowser::workingCaption());
    QCOMPARE(titles.last().first().toString(), caption);
    QCOMPARE(browser.windowTitle(), caption);
    QCOMPARE(browser.currentPage(), QUrl::fromLocalFile(pagePath(pageName)));
}

void TestHelpBrowser::load_emptyAddress_opensNoPage()
{
    auto browser = openBrowser(QString());
    QVERIFY(browser);
    auto *address = browser->findChild<QComboBox *>(u"cboAddress"_s);
    auto *view = browser->findChild<QTextBrowser *>(u"brwWebBrowser"_s);
    QVERIFY(address && view);
    QCOMPARE(address->currentText(), QString());
    QCOMPARE(address->count(), 0);
    QVERIFY(browser->currentPage().isEmpty());
    QVERIFY(view->toPlainText().isEmpty());
    QVERIFY(!browser->findChild<QTimer *>(u"timTimer"_s)->isActive());
}

void TestHelpBrowser::load_missingPage_opensNoPage()
{
    auto browser = openBrowser(u"nothere.html"_s);
    QVERIFY(browser);
    auto *address = browser->findChild<QComboBox *>(u"cboAddress"_s);
    // The address is kept so that the user sees what was asked for.
    QCOMPARE(address->currentText(), pagePath(u"nothere.html"_s));
    QVERIFY(browser->currentPage().isEmpty());
    QTRY_VERIFY(!browser->findChild<QTimer *>(u"timTimer"_s)->isActive());
    QCOMPARE(browser->windowTitle(), QString());
}

void TestHelpBrowser::back_onFirstPage_changesNothing()
{
    auto browser = openBrowser(u"first.html"_s);
    QVERIFY(browser);
    auto *view = browser->findChild<QTextBrowser *>(u"brwWebBrowser"_s);
    auto *back = browser->findChild<QToolButton *>(u"Back"_s);
    QVERIFY(view && back);

    // Once from the very first page, once after going to a second page and back.
    for (int round = 0; round < 2; ++round) {
        const QString text = view->toPlainText();
        QTest::mouseClick(back, Qt::LeftButton);
        QTRY_VERIFY(!browser->findChild<QTimer *>(u"timTimer"_s)->isActive());
        QCOMPARE(browser->currentPage(), QUrl::fromLocalFile(pagePath(u"first.html"_s)));
        QCOMPARE(view->toPlainText(), text);
        QCOMPARE(browser->windowTitle(), u"First page"_s);
        QVERIFY(!QApplication::activeModalWidget());
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY(window == browser.get() || !window->isVisible());
        if (round == 0) {
            QVERIFY(clickLink(view, u"second.html"_s));
            QTRY_COMPARE(browser->windowTitle(), u"Second page"_s);
            QTRY_VERIFY(back->isEnabled());
            QTest::mouseClick(back, Qt::LeftButton);
            QTRY_COMPARE(browser->windowTitle(), u"First page"_s);
        }
    }
}

void TestHelpBrowser::addressList_holdsStartAddressNotLinkTargets()
{
    auto browser = openBrowser(u"first.html"_s);
    QVERIFY(browser);
    auto *view = browser->findChild<QTextBrowser *>(u"brwWebBrowser"_s);
    auto *address = browser->findChild<QComboBox *>(u"cboAddress"_s);

    QVERIFY(clickLink(view, u"second.html"_s));
    QTRY_COMPARE(browser->currentPage(), QUrl::fromLocalFile(pagePath(u"second.html"_s)));
    QCOMPARE(browser->windowTitle(), u"Second page"_s);
    QVERIFY(clickLink(view, u"first.html#top"_s));
    QTRY_COMPARE(browser->windowTitle(), u"First page"_s);

    QCOMPARE(address->count(), 1);
    QCOMPARE(address->itemText(0), pagePath(u"first.html"_s));
    // The box's text follows the page on show, without adding it to the list.
    QCOMPARE(address->currentText(),
             QDir::toNativeSeparators(pagePath(u"first.html"_s)) + u"#top"_s);
}

void TestHelpBrowser::addressEnter_navigates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expectedPage");
    QTest::addColumn<QString>("caption");

    QTest::newRow("page name") << u"second.html"_s << u"second.html"_s << u"Second page"_s;
    QTest::newRow("sub folder page")
        << u"sub/inner.html"_s << u"sub/inner.html"_s << u"Inner page"_s;
    QTest::newRow("missing page stays") << u"gone.html"_s << u"first.html"_s << u"First page"_s;
    QTest::newRow("blank stays") << u"   "_s << u"first.html"_s << u"First page"_s;
    QTest::newRow("mail address stays inside")
        << u"mailto:a@b.se"_s << u"first.html"_s << u"First page"_s;
}

void TestHelpBrowser::addressEnter_navigates()
{
    QFETCH(QString, typed);
    QFETCH(QString, expectedPage);
    QFETCH(QString, caption);

    UrlRecorder mail;
    QDesktopServices::setUrlHandler(u"mailto"_s, &mail, "open");
    auto browser = openBrowser(u"first.html"_s);
    QVERIFY(browser);
    auto *address = browser->findChild<QComboBox *>(u"cboAddress"_s);
    // Keys go to the combo box, which has the focus and hands them to its line edit.
    address->setFocus();
    address->lineEdit()->selectAll();
    QTest::keyClicks(address, typed);
    QTest::keyClick(address, Qt::Key_Return);
    QTRY_VERIFY(!browser->findChild<QTimer *>(u"timTimer"_s)->isActive());
    QDesktopServices::unsetUrlHandler(u"mailto"_s);

    QCOMPARE(browser->currentPage(), QUrl::fromLocalFile(pagePath(expectedPage)));
    QCOMPARE(browser->windowTitle(), caption);
    QCOMPARE(address->count(), 1);
    QCOMPARE(mail.opened.size(), typed.startsWith(u"mailto:"_s) ? 1 : 0);
}

void TestHelpBrowser::addressChoice_navigates()
{
    auto browser = openBrowser(u"first.html"_s);
    QVERIFY(browser);
    auto *view = browser->findChild<QTextBrowser *>(u"brwWebBrowser"_s);
    auto *address = browser->findChild<QComboBox *>(u"cboAddress"_s);
    QVERIFY(clickLink(view, u"second.html"_s));
    QTRY_COMPARE(browser->windowTitle(), u"Second page"_s);

    // Choosing the one entry of the list goes back to the starting page.
    address->setFocus();
    QTest::keyClick(address, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(address->view()->isVisible());
    QTest::keyClick(address->view(), Qt::Key_Return);
    QTRY_COMPARE(browser->windowTitle(), u"First page"_s);
    QCOMPARE(browser->currentPage(), QUrl::fromLocalFile(pagePath(u"first.html"_s)));
}

void TestHelpBrowser::externalLink_opensOutside_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<QString>("scheme");
    QTest::newRow("https") << u"https://www.unicode.org/"_s << u"https"_s;
    QTest::newRow("http") << u"http://example.org/x"_s << u"http"_s;
    QTest::newRow("mailto") << u"mailto:ordbok@brenvik.se"_s << u"mailto"_s;
}

void TestHelpBrowser::externalLink_opensOutside()
{
    QFETCH(QString, href);
    QFETCH(QString, scheme);

    UrlRecorder outside;
    QDesktopServices::setUrlHandler(scheme, &outside, "open");
    auto browser = openBrowser(u"first.html"_s);
    QVERIFY(browser);
    auto *view = browser->findChild<QTextBrowser *>(u"brwWebBrowser"_s);
    const QString text = view->toPlainText();
    QVERIFY(clickLink(view, href));
    QTRY_COMPARE(outside.opened.size(), 1);
    QDesktopServices::unsetUrlHandler(scheme);

    QCOMPARE(outside.opened.first(), QUrl(href));
    QCOMPARE(browser->currentPage(), QUrl::fromLocalFile(pagePath(u"first.html"_s)));
    QCOMPARE(view->toPlainText(), text);
    QCOMPARE(browser->windowTitle(), u"First page"_s);
}

void TestHelpBrowser::missingLink_staysOnPage()
{
    auto browser = openBrowser(u"first.html"_s);
    QVERIFY(browser);
    auto *view = browser->findChild<QTextBrowser *>(u"brwWebBrowser"_s);
    const QString text = view->toPlainText();
    QVERIFY(clickLink(view, u"missing.html"_s));
    QTest::qWait(20);
    QCOMPARE(browser->currentPage(), QUrl::fromLocalFile(pagePath(u"first.html"_s)));
    QCOMPARE(view->toPlainText(), text);
    QCOMPARE(browser->windowTitle(), u"First page"_s);
    QVERIFY(!browser->findChild<QAction *>(u"Back"_s)->isEnabled());
}

void TestHelpBrowser::toolBar_buttonsInOrderWithKeys()
{
    HelpBrowser browser(m_folder->path());
    auto *toolBar = browser.findChild<QWidget *>(u"tbToolBar"_s);
    QVERIFY(toolBar);
    QStringList keys;
    for (QAction *action : toolBar->actions()) {
        QCOMPARE(action->toolTip(), action->objectName());
        QVERIFY(!action->icon().isNull());
        keys += action->objectName();
    }
    QCOMPARE(keys, (QStringList{u"Back"_s, u"Forward"_s, u"Stop"_s, u"Refresh"_s, u"Home"_s,
                                u"Search"_s}));
}

void TestHelpBrowser::toolBar_navigates_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("expectedPage");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Home") << QStringList{u"Home"_s} << QString() << u"indexeng.html"_s
                          << u"Home page"_s;
    QTest::newRow("Search") << QStringList{u"Search"_s} << QString() << u"search.html"_s
                            << u"All pages"_s;
    QTest::newRow("Home, Back") << QStringList{u"Home"_s, u"Back"_s} << QString() << u"first.html"_s
                                << u"First page"_s;
    QTest::newRow("Home, Back, Forward") << QStringList{u"Home"_s, u"Back"_s, u"Forward"_s}
                                         << QString() << u"indexeng.html"_s << u"Home page"_s;
    QTest::newRow("Forward at the newest page")
        << QStringList{u"Forward"_s} << QString() << u"first.html"_s << u"First page"_s;
    QTest::newRow("Home without a home page")
        << QStringList{u"Home"_s} << u"indexeng.html"_s << u"first.html"_s << u"First page"_s;
    QTest::newRow("Search without an index")
        << QStringList{u"Search"_s} << u"search.html"_s << u"first.html"_s << u"First page"_s;
}

void TestHelpBrowser::toolBar_navigates()
{
    QFETCH(QStringList, presses);
    QFETCH(QString, removed);
    QFETCH(QString, expectedPage);
    QFETCH(QString, caption);

    if (!removed.isEmpty())
        QVERIFY(QFile::remove(pagePath(removed)));
    auto browser = openBrowser(u"first.html"_s);
    QVERIFY(browser);
    for (const QString &key : presses) {
        auto *button = browser->findChild<QToolButton *>(key);
        QVERIFY2(button, qPrintable(key));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QTRY_VERIFY(!browser->findChild<QTimer *>(u"timTimer"_s)->isActive());
    QCOMPARE(browser->currentPage(), QUrl::fromLocalFile(pagePath(expectedPage)));
    QCOMPARE(browser->windowTitle(), caption);
}

void TestHelpBrowser::toolBar_refreshRereadsPage()
{
    auto browser = openBrowser(u"first.html"_s);
    QVERIFY(browser);
    QVERIFY(writeFile(pagePath(u"first.html"_s), page(u"Edited page"_s, u"<p>new</p>"_s)));
    QTest::mouseClick(browser->findChild<QToolButton *>(u"Refresh"_s), Qt::LeftButton);
    QTRY_COMPARE(browser->windowTitle(), u"Edited page"_s);
    QCOMPARE(browser->findChild<QTextBrowser *>(u"brwWebBrowser"_s)->toPlainText(), u"new"_s);

    // A page deleted meanwhile is not replaced by an empty one.
    QVERIFY(QFile::remove(pagePath(u"first.html"_s)));
    QTest::mouseClick(browser->findChild<QToolButton *>(u"Refresh"_s), Qt::LeftButton);
    QTRY_VERIFY(!browser->findChild<QTimer *>(u"timTimer"_s)->isActive());
    QCOMPARE(browser->windowTitle(), u"Edited page"_s);
    QCOMPARE(browser->findChild<QTextBrowser *>(u"brwWebBrowser"_s)->toPlainText(), u"new"_s);
}

void TestHelpBrowser::toolBar_stopEndsWorking()
{
    auto browser = openBrowser(u"first.html"_s);
    QVERIFY(browser);
    auto *timer = browser->findChild<QTimer *>(u"timTimer"_s);
    browser->setWindowTitle(HelpBrowser::workingCaption());
    browser->findChild<QAction *>(u"Home"_s)->trigger();
    QVERIFY(timer->isActive());
    browser->findChild<QAction *>(u"Stop"_s)->trigger();
    QVERIFY(!timer->isActive());
    QCOMPARE(browser->windowTitle(), u"Home page"_s);
}

void TestHelpBrowser::showHelpPage_pageFileName_data()
{
    QTest::addColumn<QString>("pageFileName");
    QTest::addColumn<QString>("expectedPage");
    QTest::newRow("plain") << u"second.html"_s << u"second.html"_s;
    QTest::newRow("leading backslash") << u"\\second.html"_s << u"second.html"_s;
    QTest::newRow("leading slash") << u"/second.html"_s << u"second.html"_s;
    QTest::newRow("sub folder") << u"sub/inner.html"_s << u"sub/inner.html"_s;
}

void TestHelpBrowser::showHelpPage_pageFileName()
{
    QFETCH(QString, pageFileName);
    QFETCH(QString, expectedPage);
    HelpBrowser *window = HelpBrowser::showHelpPage(m_folder->path(), pageFileName);
    QVERIFY(window);
    QCOMPARE(window->objectName(), u"Hemsidan"_s);
    QCOMPARE(QDir::cleanPath(Globals::helpPageAddress()), pagePath(expectedPage));
    QCOMPARE(window->currentPage(), QUrl::fromLocalFile(pagePath(expectedPage)));
}

void TestHelpBrowser::showHelpPage_openWindowKeepsPage()
{
    QPointer<HelpBrowser> first = HelpBrowser::showHelpPage(m_folder->path(), u"first.html"_s);
    QVERIFY(first);
    QTRY_COMPARE(first->windowTitle(), u"First page"_s);
    first->showMinimized();

    HelpBrowser *second = HelpBrowser::showHelpPage(m_folder->path(), u"second.html"_s);
    QCOMPARE(second, first.data());
    QVERIFY(second->isVisible());
    QVERIFY(!second->isMinimized());
    QCOMPARE(Globals::helpPageAddress(), pagePath(u"second.html"_s));
    QCOMPARE(second->currentPage(), QUrl::fromLocalFile(pagePath(u"first.html"_s)));
    QCOMPARE(second->windowTitle(), u"First page"_s);
    QCOMPARE(second->findChild<QComboBox *>(u"cboAddress"_s)->count(), 1);
}

void TestHelpBrowser::showHelpPage_afterCloseLoadsNewAddress()
{
    QPointer<HelpBrowser> first = HelpBrowser::showHelpPage(m_folder->path(), u"first.html"_s);
    QVERIFY(first);
    QVERIFY(first->close());
    // Asked for again before the closed window is gone: a new one is made all the same.
    HelpBrowser *second = HelpBrowser::showHelpPage(m_folder->path(), u"second.html"_s);
    QVERIFY(second != first.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QCOMPARE(HelpBrowser::instance(), second);
    QCOMPARE(second->currentPage(), QUrl::fromLocalFile(pagePath(u"second.html"_s)));
    QTRY_COMPARE(second->windowTitle(), u"Second page"_s);
    auto *address = second->findChild<QComboBox *>(u"cboAddress"_s);
    QCOMPARE(address->count(), 1);
    QCOMPARE(address->itemText(0), pagePath(u"second.html"_s));
}

void TestHelpBrowser::installedPages_menuPageExists_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : menuPages)
        QTest::newRow(qPrintable(name)) << name;
}

void TestHelpBrowser::installedPages_menuPageExists()
{
    QFETCH(QString, name);
    QVERIFY2(QFileInfo(QDir(QStringLiteral(ORDBOK_PROGRAM_DIR)).filePath(name)).isFile(),
             qPrintable(name + u" is not in the program folder"_s));
}

void TestHelpBrowser::installedPages_linksResolve_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : installedPageNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestHelpBrowser::installedPages_linksResolve()
{
    QFETCH(QString, name);
    const QString path = QDir(QStringLiteral(ORDBOK_PROGRAM_DIR)).filePath(name);
    const QString html = readHtml(path);
    QVERIFY2(!html.isEmpty(), qPrintable(name + u" is missing or empty"_s));
    QCOMPARE(html, readHtml(QStringLiteral(ORDBOK_SOURCE_DIR "/help/") + name));

    QTextDocument document;
    document.setHtml(html);
    QVERIFY2(!document.metaInformation(QTextDocument::DocumentTitle).trimmed().isEmpty(),
             "the page has no title for the window caption");

    const QUrl base = QUrl::fromLocalFile(path);
    QStringList broken;
    const QList<Link> links = linksOf(document);
    QVERIFY(!links.isEmpty());
    for (const Link &link : links) {
        const QUrl url = base.resolved(QUrl(link.target));
        if (!opensInsideHelp(url)) {
            if (link.image ||
                !QStringList{u"http"_s, u"https"_s, u"mailto"_s}.contains(url.scheme()))
                broken += link.target + u" (not a web or mail link)"_s;
            continue;
        }
        if (!QFileInfo(url.toLocalFile()).isFile()) {
            broken += link.target + u" (no such file)"_s;
            continue;
        }
        if (url.hasFragment()) {
            QTextDocument target;
            target.setHtml(readHtml(url.toLocalFile()));
            if (!anchorNamesOf(target).contains(url.fragment()))
                broken += link.target + u" (no such section)"_s;
        }
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u"; "_s)));
}

void TestHelpBrowser::installedPages_searchPageListsEveryPage()
{
    const QString folder = QStringLiteral(ORDBOK_PROGRAM_DIR);
    QTextDocument document;
    document.setHtml(readHtml(QDir(folder).filePath(HelpBrowser::searchPageFileName())));
    QSet<QString> listed;
    for (const Link &link : linksOf(document)) {
        const QUrl url = QUrl::fromLocalFile(folder + u'/').resolved(QUrl(link.target));
        if (url.isLocalFile())
            listed.insert(url.fileName());
    }
    const QStringList pages = installedPageNames();
    QVERIFY(pages.size() > menuPages.size());
    QStringList unlisted;
    for (const QString &name : pages) {
        if (name != HelpBrowser::searchPageFileName() && !listed.contains(name))
            unlisted += name;
    }
    QVERIFY2(unlisted.isEmpty(), qPrintable(u"not in the index: "_s + unlisted.join(u", "_s)));
}

// "--show <page>" opens the help window on a page of the program folder, for looking at it.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (const qsizetype show = arguments.indexOf(u"--show"_s); show > 0) {
        HelpBrowser::showHelpPage(QStringLiteral(ORDBOK_PROGRAM_DIR), arguments.value(show + 1));
        return app.exec();
    }
    TestHelpBrowser test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_helpbrowser.moc"
