#include "windows/help/helpbrowser.h"
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
    void load_missingPage_opensNoPage();

    void addressEnter_navigates_data();
    void addressEnter_navigates();

    void externalLink_opensOutside_data();
    void externalLink_opensOutside();

    void toolBar_navigates_data();
    void toolBar_navigates();
    void toolBar_refreshRereadsPage();


    void installedPages_linksResolve_data();
    void installedPages_linksResolve();

private:
    QString pagePath(const QString &name) const { return m_folder->filePath(name); }
    std::unique_ptr<HelpBrowser> openBrowser(const QString &pageName,
                                             Language language = Language::English);
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
    QVERIFY(writeFile(pagePath(u"index.htm"_s), page(u"Hemsida"_s, u"<p>hem</p>"_s)));
    QVERIFY(writeFile(pagePath(u"search.html"_s), page(u"All pages"_s, u"<p>index</p>"_s)));
    QVERIFY(QDir(m_folder->path()).mkpath(u"sub"_s));
    QVERIFY(writeFile(pagePath(u"sub/inner.html"_s),
                      page(u"Inner page"_s, u"<a href=\"../second.html\">up</a>"_s)));
}

void TestHelpBrowser::cleanup()
{
    m_folder.reset();
}

std::unique_ptr<HelpBrowser> TestHelpBrowser::openBrowser(const QString &pageName,
                                                          Language language)
{
    auto browser = std::make_unique<HelpBrowser>(
        m_folder->path(), pageName.isEmpty() ? QString() : pagePath(pageName), language);
    browser->setAttribute(Qt::WA_DeleteOnClose, false);
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
    HelpBrowser browser(m_folder->path(), pagePath(pageName), Language::English);
    browser.setAttribute(Qt::WA_DeleteOnClose, false);
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

void TestHelpBrowser::toolBar_navigates_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("expectedPage");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Home") << QStringList{u"Home"_s} << QString() << u"indexeng.html"_s
                          << u"Home page"_s;
    QTest::newRow("Home, Swedish") << QStringList{u"Hem"_s} << QString() << u"index.htm"_s
                                   << u"Hemsida"_s;
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
    // "Hem" presses Home in the Swedish edition.
    const bool swedish = presses.first() == u"Hem";
    auto browser = openBrowser(u"first.html"_s, swedish ? Language::Swedish : Language::English);
    QVERIFY(browser);
    for (const QString &key : presses) {
        auto *button = browser->findChild<QToolButton *>(swedish ? u"Home"_s : key);
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

QTEST_MAIN(TestHelpBrowser)
#include "tst_helpbrowser.moc"
