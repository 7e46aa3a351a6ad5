#include "tests/common/files.h"
#include "windows/help/helpbrowser.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

bool writePage(const QString &path, const QString &title, const QString &body)
{
    const QString head = title.isNull() ? QString() : u"<title>%1</title>"_s.arg(title);
    return TestFiles::write(
        path, u"<html><head>%1</head><body>%2</body></html>"_s.arg(head, body).toUtf8());
}

// The text fragments of a page as the help window's text browser reads them.
QList<QTextFragment> fragmentsOf(const QTextDocument &document)
{
    QList<QTextFragment> fragments;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            fragments << it.fragment();
    }
    return fragments;
}

// Clicks the first link to href the way a user does; false when the page has no such link.
bool clickLink(QTextBrowser *browser, const QString &href)
{
    for (const QTextFragment &fragment : fragmentsOf(*browser->document())) {
        if (fragment.charFormat().anchorHref() != href)
            continue;
        QTextCursor cursor(browser->document());
        cursor.setPosition(fragment.position() + fragment.length() / 2);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                          browser->cursorRect(cursor).center());
        return true;
    }
    return false;
}

// Stands in for the user's web browser.
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

    std::unique_ptr<QTemporaryDir> m_folder;

    QString pagePath(const QString &name) const { return m_folder->filePath(name); }
    std::unique_ptr<HelpBrowser> openBrowser(const QString &pageName,
                                             Language language = Language::English)
    {
        auto browser =
            std::make_unique<HelpBrowser>(m_folder->path(), pagePath(pageName), language);
        browser->setAttribute(Qt::WA_DeleteOnClose, false);
        browser->show();
        return QTest::qWaitForWindowExposed(browser.get()) ? std::move(browser) : nullptr;
    }
    static bool settled(const HelpBrowser &browser)
    {
        return QTest::qWaitFor(
            [&] { return !browser.findChild<QTimer *>(u"timTimer"_s)->isActive(); });
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        const QString links = u"<h1><a name=\"top\">First</a></h1>"
                              "<p><a href=\"second.html\">second</a></p>"
                              "<p><a href=\"https://www.unicode.org/\">unicode</a></p>"_s;
        for (const auto &[name, title, body] :
             {std::tuple{u"first.html"_s, u"First page"_s, links},
              {u"second.html"_s, u"Second page"_s, u"<a href=\"first.html#top\">back</a>"_s},
              {u"untitled.html"_s, QString(), u"<p>no title</p>"_s},
              {u"indexeng.html"_s, u"Home page"_s, u"<p>home</p>"_s},
              {u"index.htm"_s, u"Hemsida"_s, u"<p>hem</p>"_s},
              {u"search.html"_s, u"All pages"_s, u"<p>index</p>"_s}})
            QVERIFY(writePage(pagePath(name), title, body));
    }

    void resolveAddress_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QUrl>("expected");
        const auto row = [](const char *tag, const QString &address, const QUrl &url) {
            QTest::newRow(tag) << address << url;
        };
        const auto local = [](const QString &path) { return QUrl::fromLocalFile(path); };
        row("backslash page name", u"\\helpeng.html"_s, local(u"/opt/ordbok/helpeng.html"_s));
        row("absolute path", u"/tmp/x/om.html"_s, local(u"/tmp/x/om.html"_s));
        row("surrounding blanks", u"  om.html "_s, local(u"/opt/ordbok/om.html"_s));
        row("sub folder, dots cleaned", u"sub/../images/../fel.html"_s,
            local(u"/opt/ordbok/fel.html"_s));
        row("page with section", u"helpeng.html#menus"_s,
            QUrl(local(u"/opt/ordbok/helpeng.html"_s).toString() + u"#menus"_s));
        row("drive letter is no scheme", u"C:/om.html"_s, local(u"/opt/ordbok/C:/om.html"_s));
        row("web address", u"https://www.unicode.org/"_s, QUrl(u"https://www.unicode.org/"_s));
        row("www without scheme", u"www.mdbg.net/chinese/dictionary"_s,
            QUrl(u"https://www.mdbg.net/chinese/dictionary"_s));
        row("blanks only", u"   "_s, QUrl());
    }

    void resolveAddress()
    {
        QFETCH(QString, address);
        QTEST(resolveHelpAddress(address, u"/opt/ordbok"_s), "expected");
    }

    // "Working..." while the page loads, then its title; a missing page opens nothing but
    // keeps its address, so that the user sees what was asked for.
    void openingCaption_data()
    {
        QTest::addColumn<QString>("pageName");
        QTest::addColumn<QString>("caption");
        QTest::newRow("titled page") << u"first.html"_s << u"First page"_s;
        QTest::newRow("untitled page shows its file name")
            << u"untitled.html"_s << u"untitled.html"_s;
        QTest::newRow("missing page") << u"nothere.html"_s << QString();
    }

    void openingCaption()
    {
        QFETCH(QString, pageName);
        QFETCH(QString, caption);
        HelpBrowser browser(m_folder->path(), pagePath(pageName), Language::English);
        browser.setAttribute(Qt::WA_DeleteOnClose, false);
        QSignalSpy titles(&browser, &QWidget::windowTitleChanged);
        browser.show();
        QVERIFY(settled(browser));
        QCOMPARE(titles.value(0).value(0).toString(),
                 caption.isNull() ? QString() : HelpBrowser::workingCaption());
        QCOMPARE(browser.windowTitle(), caption);
        QCOMPARE(browser.currentPage(),
                 caption.isNull() ? QUrl() : QUrl::fromLocalFile(pagePath(pageName)));
        QCOMPARE(browser.findChild<QComboBox *>(u"cboAddress"_s)->currentText(),
                 pagePath(pageName));
    }

    // Addresses typed with Enter, links clicked and the tool buttons: pages open inside, web
    // addresses in the user's browser, and anything else leaves the page as it was.
    void navigation_data()
    {
        QTest::addColumn<QStringList>("steps"); // "type X", "link X", "remove X" or a button
        QTest::addColumn<QString>("expectedPage");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QUrl>("outside");
        const auto row = [](const char *tag, const QStringList &steps, const QString &page,
                            const QString &caption, const QUrl &outside = {}) {
            QTest::newRow(tag) << steps << page << caption << outside;
        };
        const QString first = u"first.html"_s;
        const QString firstCaption = u"First page"_s;
        row("typed page name", {u"type second.html"_s}, u"second.html"_s, u"Second page"_s);
        row("typed missing page", {u"type gone.html"_s}, first, firstCaption);
        row("link to a page", {u"link second.html"_s}, u"second.html"_s, u"Second page"_s);
        row("link to the web", {u"link https://www.unicode.org/"_s}, first, firstCaption,
            QUrl(u"https://www.unicode.org/"_s));
        row("Home", {u"Home"_s}, u"indexeng.html"_s, u"Home page"_s);
        row("Home, Swedish", {u"Hem"_s}, u"index.htm"_s, u"Hemsida"_s); // Home, Swedish edition
        row("Search", {u"Search"_s}, u"search.html"_s, u"All pages"_s);
        row("Home, Back", {u"Home"_s, u"Back"_s}, first, firstCaption);
        row("Home, Back, Forward", {u"Home"_s, u"Back"_s, u"Forward"_s}, u"indexeng.html"_s,
            u"Home page"_s);
        row("Home without a home page", {u"remove indexeng.html"_s, u"Home"_s}, first,
            firstCaption);
    }

    void navigation()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, expectedPage);
        QFETCH(QUrl, outside);
        UrlRecorder programs;
        QDesktopServices::setUrlHandler(u"https"_s, &programs, "open"); // the user's browser
        const bool swedish = steps.first() == u"Hem";
        auto browser =
            openBrowser(u"first.html"_s, swedish ? Language::Swedish : Language::English);
        QVERIFY(browser);
        auto *box = browser->findChild<QComboBox *>(u"cboAddress"_s);
        for (const QString &step : steps) {
            const QString address = step.section(u' ', 1);
            if (step.startsWith(u"type ")) {
                // Keys go to the combo box, which has the focus and hands them to its line edit.
                box->setFocus();
                box->lineEdit()->selectAll();
                QTest::keyClicks(box, address);
                QTest::keyClick(box, Qt::Key_Return);
            } else if (step.startsWith(u"link ")) {
                QVERIFY(clickLink(browser->findChild<QTextBrowser *>(u"brwWebBrowser"_s), address));
            } else if (step.startsWith(u"remove ")) {
                QVERIFY(QFile::remove(pagePath(address)));
            } else {
                auto *button = browser->findChild<QToolButton *>(swedish ? u"Home"_s : step);
                QVERIFY2(button, qPrintable(step));
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
        QVERIFY(settled(*browser));
        QTRY_COMPARE(programs.opened, outside.isEmpty() ? QList<QUrl>() : QList<QUrl>{outside});
        QDesktopServices::unsetUrlHandler(u"https"_s);
        QCOMPARE(browser->currentPage(), QUrl::fromLocalFile(pagePath(expectedPage)));
        QTEST(browser->windowTitle(), "caption");
        QCOMPARE(box->count(), 1);
    }

    // Refresh rereads the page, and keeps it when it was deleted meanwhile.
    void refreshRereadsPage()
    {
        auto browser = openBrowser(u"first.html"_s);
        QVERIFY(browser);
        const auto *view = browser->findChild<QTextBrowser *>(u"brwWebBrowser"_s);
        QVERIFY(writePage(pagePath(u"first.html"_s), u"Edited page"_s, u"<p>new</p>"_s));
        for (int press = 0; press < 2; ++press) {
            QTest::mouseClick(browser->findChild<QToolButton *>(u"Refresh"_s), Qt::LeftButton);
            QVERIFY(settled(*browser));
            QCOMPARE(browser->windowTitle(), u"Edited page"_s);
            QCOMPARE(view->toPlainText(), u"new"_s);
            QVERIFY(press == 1 || QFile::remove(pagePath(u"first.html"_s)));
        }
    }

    // Every link and picture of the installed help pages leads somewhere.
    void installedPagesLinksResolve_data()
    {
        QTest::addColumn<QString>("name");
        const QDir source(QStringLiteral(ORDBOK_SOURCE_DIR "/help"));
        for (const QString &name : source.entryList({u"*.html"_s, u"*.htm"_s}, QDir::Files))
            QTest::newRow(qPrintable(name)) << name;
    }

    void installedPagesLinksResolve()
    {
        QFETCH(QString, name);
        const QString path = QDir(QStringLiteral(ORDBOK_PROGRAM_DIR)).filePath(name);
        QTextDocument document;
        document.setHtml(QString::fromUtf8(TestFiles::read(path))); // UTF-8, as they say
        QVERIFY2(!document.metaInformation(QTextDocument::DocumentTitle).trimmed().isEmpty(),
                 "missing, or no title for the window caption");
        QStringList broken;
        int links = 0;
        for (const QTextFragment &fragment : fragmentsOf(document)) {
            const QTextCharFormat format = fragment.charFormat();
            const bool image = format.isImageFormat();
            const QString target = image ? format.toImageFormat().name() : format.anchorHref();
            if (target.isEmpty())
                continue;
            ++links;
            const QUrl url = QUrl::fromLocalFile(path).resolved(QUrl(target));
            if (!opensInsideHelp(url)) {
                if (image ||
                    !QStringList{u"http"_s, u"https"_s, u"mailto"_s}.contains(url.scheme()))
                    broken += target + u" (not a web or mail link)"_s;
            } else if (!QFileInfo(url.toLocalFile()).isFile()) {
                broken += target + u" (no such file)"_s;
            } else if (url.hasFragment()) {
                QTextDocument linked;
                linked.setHtml(QString::fromUtf8(TestFiles::read(url.toLocalFile())));
                QStringList anchors;
                for (const QTextFragment &f : fragmentsOf(linked))
                    anchors += f.charFormat().anchorNames();
                if (!anchors.contains(url.fragment()))
                    broken += target + u" (no such section)"_s;
            }
        }
        QVERIFY(links > 0);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u"; "_s)));
    }
};

QTEST_MAIN(TestHelpBrowser)
#include "tst_helpbrowser.moc"
