// The program as a whole on a small program folder: start-up, the main window's settings and
// menu services, the clipboard watcher and the way out.

#include "app/application.h"
#include "settings/settingsrecord.h"
#include "shell/clipboardwatcher.h"
#include "tests/common/storebuilder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using F = SettingsRecord::Field;

namespace {

// One word, one character, one code: enough for the bound boxes to show something.
void buildStores(const QTemporaryDir &dir)
{
    TestStores::words(dir.filePath(u"kinesiskBIG5kod.mdb"_s),
                      {{{u"teckenkoder"_s, u"&H4E2D&H570B"_s},
                        {u"Pinyin"_s, u"Zhong1 guo2"_s},
                        {u"translation1"_s, u"China"_s}}});
    TestStores::codes(dir.filePath(u"BIG5.mdb"_s),
                      {{{u"bigfive"_s, u"A4A4"_s}, {u"big5"_s, u"A4A4"_s}, {u"unicode"_s, u"&H4E2D"_s}}});
    TestStores::characters(dir.filePath(u"KVOdata.mdb"_s),
                           {{{u"teckenkod"_s, u"&H4E2D"_s},
                             {u"kinesisktradikal"_s, u"2.3"_s},
                             {u"pinyin1"_s, u"zhong1"_s},
                             {u"meaning1"_s, u"central"_s}}});
}

QWidget *searchPage()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"soka"_s)
            return window;
    }
    return nullptr;
}

QAction *item(QWidget *window, const QString &name)
{
    return window->findChild<QAction *>(name);
}

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startWindowOrAutoStart_data();
    void startWindowOrAutoStart();
    void englishOpensTheMainWindowOnFirstRecords();
    void settingsRoundTripThroughClose();
    void pendingWordTableTakesEffect();
    void firstStartRunsOnNejOnly_data();
    void firstStartRunsOnNejOnly();
    void backgroundTooLongIsNotStored();
    void autoLookupRestartsAfterAHit();
    void helpItemsOpenTheirPage_data();
    void helpItemsOpenTheirPage();
    void endingFromTheTrayWritesTheSettings();

private:
    Application &start(const QList<std::pair<F, QString>> &settings = {});
    SettingsRecord stored() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Application> m_app;
};

void TestApplication::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    buildStores(*m_dir);
}

void TestApplication::cleanup()
{
    m_app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_dir.reset();
}

Application &TestApplication::start(const QList<std::pair<F, QString>> &settings)
{
    SettingsRecord record;
    for (const auto &[field, value] : settings)
        record.setValue(field, value);
    if (!settings.isEmpty())
        record.write(m_dir->path());
    m_app = std::make_unique<Application>(m_dir->path());
    m_app->start();
    return *m_app;
}

SettingsRecord TestApplication::stored() const
{
    SettingsRecord record;
    record.read(m_dir->path());
    return record;
}

void TestApplication::startWindowOrAutoStart_data()
{
    QTest::addColumn<QString>("swedish");
    QTest::addColumn<QString>("english");
    QTest::addColumn<bool>("startShown");
    QTest::addColumn<bool>("englishOpen");
    QTest::addColumn<bool>("swedishOpen");
    QTest::newRow("none") << u"0"_s << u"0"_s << true << false << false;
    QTest::newRow("english") << u"0"_s << u"1"_s << false << true << false;
    QTest::newRow("swedish") << u"1"_s << QString() << false << false << true;
    QTest::newRow("both") << u"1"_s << u"1"_s << false << true << true;
    QTest::newRow("2 starts too") << QString() << u"2"_s << false << true << false;
    QTest::newRow("words count as 0") << u"ja"_s << u"yes"_s << true << false << false;
}

void TestApplication::startWindowOrAutoStart()
{
    QFETCH(QString, swedish);
    QFETCH(QString, english);
    QFETCH(bool, startShown);
    QFETCH(bool, englishOpen);
    QFETCH(bool, swedishOpen);
    Application &app = start({{F::autoStartSwedish, swedish}, {F::autoStartEnglish, english}});
    QCOMPARE(bool(app.startWindow()) && app.startWindow()->isVisible(), startShown);
    QCOMPARE(bool(app.mainWindow(Language::English)), englishOpen);
    QCOMPARE(bool(app.mainWindow(Language::Swedish)), swedishOpen);
    if (englishOpen && swedishOpen) // Swedish opens first, English is the one in use
        QCOMPARE(app.uiLanguage(), Language::English);
}

void TestApplication::englishOpensTheMainWindowOnFirstRecords()
{
    Application &app = start();
    QTest::mouseClick(app.startWindow()->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    MainWindow *main = app.mainWindow(Language::English);
    QVERIFY(main && main->isVisible());
    QCOMPARE(main->objectName(), u"omvandlingeng"_s);
    QCOMPARE(main->findChild<QLineEdit *>(u"Text2"_s)->text(), u"&H4E2D&H570B"_s);
    QCOMPARE(main->findChild<QLineEdit *>(u"Text5"_s)->text(), u"A4A4"_s);
    QCOMPARE(main->findChild<QLineEdit *>(u"radikalnummer"_s)->text(), u"2.3"_s);
    QTRY_VERIFY(!app.startWindow());
}

void TestApplication::settingsRoundTripThroughClose()
{
    Application &app = start({{F::autoStartSwedish, u"1"_s}, {F::mainFontSize, u"12pt"_s}});
    MainWindow *main = app.mainWindow(Language::Swedish);
    QCOMPARE(main->findChild<QLineEdit *>(u"TextBox2"_s)->font().pointSizeF(), 36.0); // junk size
    main->findChild<QCheckBox *>(u"Check1"_s)->setChecked(true);
    main->findChild<QRadioButton *>(u"Option1_1"_s)->setChecked(true);
    item(main, u"overstalltid"_s)->trigger();
    main->close();

    const SettingsRecord record = stored();
    QCOMPARE(record.value(F::simplifiedOn), u"1"_s);
    QCOMPARE(record.value(F::radicalMode), u"1"_s);
    QCOMPARE(record.value(F::mainFontName), u"MS Song"_s);
    QCOMPARE(record.value(F::mainFontSize), u"36"_s);
    QCOMPARE(record.value(F::alwaysOnTop), u"True"_s);
    QCOMPARE(record.value(F::autoLookupOn), u"False"_s);
    QCOMPARE(record.value(F::autoStartSwedish), u"1"_s);

    m_app.reset();
    MainWindow *again = start().mainWindow(Language::Swedish);
    QVERIFY(again->findChild<QCheckBox *>(u"Check1"_s)->isChecked());
    QVERIFY(again->findChild<QRadioButton *>(u"Option1_1"_s)->isChecked());
    QVERIFY(again->windowFlags() & Qt::WindowStaysOnTopHint);
}

void TestApplication::pendingWordTableTakesEffect()
{
    QVERIFY(TestStores::words(m_dir->filePath(u"kinesiskBIG5kod1.mdb"_s),
                              {{{u"teckenkoder"_s, u"&H6C34"_s}, {u"Pinyin"_s, u"shui3"_s}}}));
    MainWindow *main = start({{F::autoStartEnglish, u"1"_s}}).mainWindow(Language::English);
    QVERIFY(!QFile::exists(m_dir->filePath(u"kinesiskBIG5kod1.mdb"_s)));
    QCOMPARE(main->findChild<QLineEdit *>(u"Text2"_s)->text(), u"&H6C34"_s);
}

void TestApplication::firstStartRunsOnNejOnly_data()
{
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<bool>("runs");
    QTest::newRow("nej") << QByteArray("\"nej\"\r\n") << true;
    QTest::newRow("Nej") << QByteArray("\"Nej\"\r\n") << false;
    QTest::newRow("Ja") << QByteArray("\"Ja\"\r\n") << false;
}

void TestApplication::firstStartRunsOnNejOnly()
{
    QFETCH(QByteArray, flag);
    QFETCH(bool, runs);
    QTemporaryDir userData; // the fonts go to the user's font folder: keep the real one out
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    QFile log(m_dir->filePath(u"font.log"_s));
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.write(flag);
    log.close();
    start();
    qunsetenv("XDG_DATA_HOME");
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(), runs ? QByteArray("\"Ja\"\r\n") : flag);
    QCOMPARE(stored().value(F::backgroundPath), runs ? m_dir->filePath(u"2.gif"_s) : QString());
}

void TestApplication::backgroundTooLongIsNotStored()
{
    MainWindow *main = start({{F::autoStartEnglish, u"1"_s}}).mainWindow(Language::English);
    const QString kept = m_dir->filePath(u"2.gif"_s);
    main->changeBackground(kept);
    // 140 bytes hold 70 two-byte letters but not 71: the longer path is refused whole.
    main->changeBackground(u"/"_s + QString(70, u'å'));
    QCOMPARE(stored().value(F::backgroundPath), kept);
    QVERIFY(main->statusBar()->currentMessage().contains(u"140"_s));
}

void TestApplication::autoLookupRestartsAfterAHit()
{
    MainWindow *main = start({{F::autoStartEnglish, u"1"_s}}).mainWindow(Language::English);
    auto *watcher = m_app->findChild<ClipboardWatcher *>();
    QVERIFY(!watcher->isActive());
    item(main, u"autoseekon"_s)->trigger();
    QVERIFY(watcher->isActive());
    QGuiApplication::clipboard()->setText(u"water"_s);
    // The search page takes the copy over, and the main window's watcher rests meanwhile.
    QWidget *page = nullptr;
    QTRY_VERIFY((page = searchPage()) && page->isVisible());
    QVERIFY(!watcher->isActive());
    QCOMPARE(QGuiApplication::clipboard()->text(), u"water"_s);
    page->close();
    QTRY_VERIFY(watcher->isActive());
    // The copy it looked up is still there: no new page for it.
    QTest::qWait(150);
    QVERIFY(!searchPage() || !searchPage()->isVisible());
    QGuiApplication::clipboard()->setText(u"fire"_s);
    QTRY_VERIFY(searchPage() && searchPage()->isVisible());
    item(main, u"autoseekon"_s)->trigger();
    QVERIFY(!watcher->isActive());
}

void TestApplication::helpItemsOpenTheirPage_data()
{
    QTest::addColumn<QString>("autoStart");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("page");
    QTest::newRow("help en") << u"en"_s << u"hjalpen"_s << u"helpeng.html"_s;
    QTest::newRow("about sv") << u"sv"_s << u"omprodukten"_s << u"om.html"_s;
    QTest::newRow("home sv") << u"sv"_s << u"hem"_s << u"index.htm"_s;
    QTest::newRow("swedish translation") << u"sv"_s << u"svensk"_s << u"svtillagg.html"_s;
}

void TestApplication::helpItemsOpenTheirPage()
{
    QFETCH(QString, autoStart);
    QFETCH(QString, name);
    QFETCH(QString, page);
    const bool swedish = autoStart == u"sv";
    Application &app = start({{swedish ? F::autoStartSwedish : F::autoStartEnglish, u"1"_s}});
    MainWindow *main = app.mainWindow(swedish ? Language::Swedish : Language::English);
    QFile(m_dir->filePath(page)).open(QIODevice::WriteOnly);
    item(main, name)->trigger();
    HelpBrowser *help = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        help = help ? help : qobject_cast<HelpBrowser *>(window);
    QVERIFY(help && help->isVisible());
    QTRY_COMPARE(help->currentPage().fileName(), page);
}

void TestApplication::endingFromTheTrayWritesTheSettings()
{
    Application &app = start({{F::autoStartEnglish, u"1"_s}});
    QVERIFY(!qApp->quitOnLastWindowClosed());
    MainWindow *main = app.mainWindow(Language::English);
    main->findChild<QCheckBox *>(u"Check1"_s)->setChecked(true);
    main->hide(); // as in the tray
    app.openHelpPage(u"helpeng.html"_s)->close();
    QVERIFY(app.mainWindow(Language::English)); // closing the last visible window ends nothing
    // However the program ends (the tray menu, the session), its way out writes the record.
    QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));
    QCOMPARE(stored().value(F::simplifiedOn), u"1"_s);
}

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
