#include "app/globals.h"
#include "app/mainwindow.h"
#include "app/settingsrecord.h"
#include "shell/clipboardwatcher.h"
#include "shell/helpbrowser.h"
#include "shell/menuclock.h"
#include "shell/tiledsurface.h"
#include "shell/trayicon.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using F = SettingsRecord::Field;

class TestMainWindowServices : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuCaptions_data();
    void menuCaptions();
    void windowsStillToComeAreDisabled();
    void clipboardRoute_data();
    void clipboardRoute();
    void watcherStopsAfterAHit();
    void watcherLeavesTheClipboard();
    void watcherLooksOnlyAfterAChange();
    void autoLookupItemStartsAndStopsTheWatcher();
    void clockFormat_data();
    void clockFormat();
    void clockShowsInTheMenuBar();
    void trayMenuStates_data();
    void trayMenuStates();
    void alwaysOnTopTogglesTheFlag();
    void changeFontSetsAQuarterForTheList();
    void cancelledBackgroundWritesNothing();
    void backgroundIsTiledAndStoredAtOnce();
    void unreadableBackgroundKeepsThePicture();
    void menuSettingsRoundTrip();
    void helpItemsOpenTheirPage_data();
    void helpItemsOpenTheirPage();

private:
    MainWindow *open(int language = 1);
    static QAction *item(MainWindow *window, const QString &name)
    {
        return window->menuBar()->findChild<QAction *>(name);
    }
    QTemporaryDir *m_dir = nullptr;
};

void TestMainWindowServices::init()
{
    m_dir = new QTemporaryDir;
    Globals::uiLanguage = 1;
}

void TestMainWindowServices::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QGuiApplication::clipboard()->clear();
    delete m_dir;
}

MainWindow *TestMainWindowServices::open(int language)
{
    return MainWindow::showFor(language, m_dir->path());
}

void TestMainWindowServices::menuCaptions_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const QList<std::tuple<QString, QString, QString>> rows = {
        {u"overstalltid"_s, u"Always on top"_s, u"Alltid överst"_s},
        {u"autoseekon"_s, u"Auto lookup on"_s, u"Autosök på"_s},
        {u"bakgrund"_s, u"Change background"_s, u"Byt bakgrund"_s},
        {u"fel"_s, u"Report errors"_s, u"Rapportera fel"_s},
        {u"tilagg"_s, u"Report supplements"_s, u"Rapportera tillägg"_s},
        {u"hem"_s, u"Brenvik's home page"_s, u"Brenvik's hemsida"_s},
        {u"ced"_s, u"Cedicts homepage"_s, u"Cedicts hemsida"_s},
        {u"unic"_s, u"Unicodes home page"_s, u"Unicodes hemsida"_s},
        {u"forrad"_s, u"Simplified radicals"_s, u"Förenklade radikaler"_s},
        {u"tradrad"_s, u"Traditional radiclas"_s, u"Traditionella radikaler"_s},
        {u"fonter"_s, u"Change font"_s, u"Ändra font, storlek etc"_s},
        {u"autol"_s, u"Auto Lookup"_s, u"Auto Lookup Decoded"_s},
        {u"ime"_s, u"Auto Lookup IME"_s, u"Auto lookup IME"_s},
        {u"asd"_s, u"Send e-mail to Brenvik"_s, u"Skicka E-post till Brenvik"_s},
        {u"inlasning"_s, u"Update"_s, u"Inläsning av ny cedict fil"_s},
        {u"hjalpen"_s, u"Help"_s, u"Hjälp"_s},
        {u"omprodukten"_s, u"About"_s, u"Om"_s},
        {u"rs"_s, u"Radical search"_s, u"Radikalsök"_s},
        {u"che"_s, u"Chinese editor"_s, u"Kinesisk editor"_s},
    };
    for (const auto &[name, english, swedish] : rows) {
        QTest::newRow(qPrintable(name + u" en"_s)) << 1 << name << english;
        QTest::newRow(qPrintable(name + u" sv"_s)) << 2 << name << swedish;
    }
    QTest::newRow("autoeng only English") << 1 << u"autoeng"_s << u"Auto start English"_s;
    QTest::newRow("startasv only Swedish") << 2 << u"startasv"_s << u"Starta svensk"_s;
    QTest::newRow("svensk only Swedish") << 2 << u"svensk"_s << u"Rapportera Svensk översättning"_s;
    QTest::newRow("plu English") << 1 << u"plu"_s << u"Page look up"_s;
    QTest::newRow("pl Swedish") << 2 << u"pl"_s << u"Page lookup"_s;
}

void TestMainWindowServices::menuCaptions()
{
    QFETCH(int, language);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    MainWindow *window = open(language);
    QAction *action = item(window, name);
    QVERIFY2(action, qPrintable(name));
    QCOMPARE(action->text(), caption);
    const QStringList onlyInOther = language == 1
        ? QStringList{u"startasv"_s, u"svensk"_s, u"pl"_s}
        : QStringList{u"autoeng"_s, u"plu"_s};
    for (const QString &absent : onlyInOther)
        QVERIFY2(!item(window, absent), qPrintable(absent));
}

void TestMainWindowServices::windowsStillToComeAreDisabled()
{
    MainWindow *window = open();
    for (const QString &name : {u"printit"_s, u"forrad"_s, u"teed"_s, u"autol"_s, u"inlasning"_s})
        QVERIFY2(!item(window, name)->isEnabled(), qPrintable(name));
    for (const QString &name : {u"overstalltid"_s, u"bakgrund"_s, u"fonter"_s, u"hjalpen"_s})
        QVERIFY2(item(window, name)->isEnabled(), qPrintable(name));
}

void TestMainWindowServices::clipboardRoute_data()
{
    QTest::addColumn<int>("rtfLength");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("route");
    using R = ClipboardWatcher::Route;
    QTest::newRow("plain text") << -1 << u"water"_s << int(R::CedictSearch);
    QTest::newRow("Chinese text") << -1 << u"中國"_s << int(R::CedictSearch);
    QTest::newRow("2000 rich") << 2000 << u"x"_s << int(R::CedictSearch);
    QTest::newRow("2001 rich") << 2001 << u"x"_s << int(R::CodeSearch);
    QTest::newRow("2001 rich without text") << 2001 << QString() << int(R::CodeSearch);
    QTest::newRow("short rich without text") << 10 << QString() << int(R::None);
    QTest::newRow("empty") << -1 << QString() << int(R::None);
}

void TestMainWindowServices::clipboardRoute()
{
    QFETCH(int, rtfLength);
    QFETCH(QString, text);
    QFETCH(int, route);
    QMimeData data;
    if (rtfLength >= 0)
        data.setData(u"text/rtf"_s, QByteArray(rtfLength, 'r'));
    if (!text.isNull())
        data.setText(text);
    QCOMPARE(int(ClipboardWatcher::route(&data)), route);
}

void TestMainWindowServices::watcherStopsAfterAHit()
{
    ClipboardWatcher watcher;
    QSignalSpy cedict(&watcher, &ClipboardWatcher::cedictSearchWanted);
    QSignalSpy code(&watcher, &ClipboardWatcher::codeSearchWanted);
    watcher.start();
    QCOMPARE(watcher.timer()->interval(), 50);
    QTest::qWait(120);
    QCOMPARE(cedict.count(), 0); // an empty clipboard is no hit

    auto *rich = new QMimeData;
    rich->setData(u"text/rtf"_s, QByteArray(2001, 'r'));
    QGuiApplication::clipboard()->setMimeData(rich);
    QTRY_COMPARE(code.count(), 1);
    QVERIFY(!watcher.isActive());
    QTest::qWait(120);
    QCOMPARE(code.count(), 1);
    QCOMPARE(cedict.count(), 0);
}

void TestMainWindowServices::watcherLeavesTheClipboard()
{
    QGuiApplication::clipboard()->setText(u"水"_s);
    ClipboardWatcher watcher;
    QSignalSpy cedict(&watcher, &ClipboardWatcher::cedictSearchWanted);
    watcher.check();
    QCOMPARE(cedict.count(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"水"_s);
}

void TestMainWindowServices::watcherLooksOnlyAfterAChange()
{
    QGuiApplication::clipboard()->setText(u"water"_s);
    ClipboardWatcher watcher;
    QSignalSpy cedict(&watcher, &ClipboardWatcher::cedictSearchWanted);
    watcher.check();
    QCOMPARE(cedict.count(), 1);
    watcher.check(); // nothing copied since: no second look
    QCOMPARE(cedict.count(), 1);
    watcher.lookAgain(); // e.g. a window got the focus back
    QCOMPARE(cedict.count(), 2);
    watcher.start(); // a restart looks at what is there, as a tick always did
    QTRY_COMPARE(cedict.count(), 3);
    QVERIFY(!watcher.isActive());
    QGuiApplication::clipboard()->setText(u"fire"_s);
    watcher.check();
    QCOMPARE(cedict.count(), 4);
}

void TestMainWindowServices::autoLookupItemStartsAndStopsTheWatcher()
{
    MainWindow *window = open();
    QVERIFY(!window->clipboardWatcher()->isActive());
    item(window, u"autoseekon"_s)->trigger();
    QVERIFY(item(window, u"autoseekon"_s)->isChecked());
    QVERIFY(window->clipboardWatcher()->isActive());
    QGuiApplication::clipboard()->setText(u"water"_s);
    QTRY_VERIFY(!window->clipboardWatcher()->isActive());
    item(window, u"autoseekon"_s)->trigger(); // off
    item(window, u"autoseekon"_s)->trigger(); // on again
    QVERIFY(window->clipboardWatcher()->isActive());
}

void TestMainWindowServices::clockFormat_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("shown");
    QTest::newRow("morning") << QTime(9, 5, 7) << u"9:05:07"_s;
    QTest::newRow("afternoon") << QTime(13, 5, 7) << u"13:05:07"_s;
    QTest::newRow("midnight") << QTime(0, 0, 0) << u"0:00:00"_s;
    QTest::newRow("last second") << QTime(23, 59, 59) << u"23:59:59"_s;
}

void TestMainWindowServices::clockFormat()
{
    QFETCH(QTime, time);
    QFETCH(QString, shown);
    QCOMPARE(MenuClock::format(time), shown);
}

void TestMainWindowServices::clockShowsInTheMenuBar()
{
    MainWindow *window = open();
    QAction *clock = item(window, u"mnutime"_s);
    QVERIFY(clock->isVisible());
    const QTime shown = QTime::fromString(clock->text(), u"h:mm:ss"_s);
    QVERIFY2(shown.isValid(), qPrintable(clock->text()));
    QVERIFY(qAbs(shown.secsTo(QTime::currentTime())) <= 2);
}

void TestMainWindowServices::trayMenuStates_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QList<bool>>("enabled"); // maximize, minimize, move, restore, size
    QTest::newRow("minimized") << int(Qt::WindowMinimized)
                               << QList<bool>{true, false, false, true, false};
    QTest::newRow("maximized") << int(Qt::WindowMaximized)
                               << QList<bool>{false, true, false, true, false};
    QTest::newRow("normal") << int(Qt::WindowNoState) << QList<bool>{true, true, true, false, true};
}

void TestMainWindowServices::trayMenuStates()
{
    QFETCH(int, state);
    QFETCH(QList<bool>, enabled);
    MainWindow *window = open();
    window->setWindowState(Qt::WindowStates(state));
    QMenu *menu = window->trayIcon()->mnuTray();
    QCOMPARE(menu->objectName(), u"mnuTray"_s);
    const QStringList names = {u"mnuTrayMaximize"_s, u"mnuTrayMinimize"_s, u"mnuTrayMove"_s,
                               u"mnuTrayRestore"_s, u"mnuTraySize"_s};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(menu->findChild<QAction *>(names[i])->isEnabled(), enabled[i]);
    QVERIFY(menu->findChild<QAction *>(u"mnuTrayClose"_s)->isEnabled());
}

void TestMainWindowServices::alwaysOnTopTogglesTheFlag()
{
    MainWindow *window = open();
    QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
    item(window, u"overstalltid"_s)->trigger();
    QVERIFY(item(window, u"overstalltid"_s)->isChecked());
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(window->isVisible());
    item(window, u"overstalltid"_s)->trigger();
    QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
}

void TestMainWindowServices::changeFontSetsAQuarterForTheList()
{
    MainWindow *window = open();
    QFont font(u"DejaVu Serif"_s, 36);
    font.setBold(true);
    window->changeFont(font);
    const QFont characters = window->findChild<QLineEdit *>(u"TextBox2"_s)->font();
    const QFont list = window->findChild<QPlainTextEdit *>(u"TextBox1"_s)->font();
    QCOMPARE(characters.pointSizeF(), 36.0);
    QVERIFY(characters.bold());
    QCOMPARE(list.pointSizeF(), 9.0);
    QCOMPARE(list.family(), characters.family());
    QVERIFY(list.bold());
}

void TestMainWindowServices::cancelledBackgroundWritesNothing()
{
    MainWindow *window = open();
    const QString before = Globals::backgroundPath;
    window->changeBackground(QString());
    QCOMPARE(Globals::backgroundPath, before);
    QVERIFY(!QFile::exists(m_dir->filePath(u"inst.ini"_s)));
}

void TestMainWindowServices::backgroundIsTiledAndStoredAtOnce()
{
    MainWindow *window = open();
    QImage tile(8, 6, QImage::Format_RGB32);
    tile.fill(Qt::red);
    const QString path = m_dir->filePath(u"tile.png"_s);
    QVERIFY(tile.save(path));
    window->changeBackground(path);
    QCOMPARE(Globals::backgroundPath, path);
    QCOMPARE(window->surface()->picture().size(), QSize(8, 6));
    SettingsRecord stored;
    QVERIFY(stored.read(m_dir->path()));
    QCOMPARE(stored.value(F::backgroundPath), path);

    // The surface is covered by the tile right to its bottom right corner.
    const QImage grabbed = window->surface()->grab().toImage();
    QCOMPARE(QColor(grabbed.pixel(grabbed.width() - 1, grabbed.height() - 1)), QColor(Qt::red));
}

void TestMainWindowServices::unreadableBackgroundKeepsThePicture()
{
    MainWindow *window = open();
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(Qt::blue);
    const QString good = m_dir->filePath(u"good.png"_s);
    QVERIFY(tile.save(good));
    window->changeBackground(good);
    const QString bad = m_dir->filePath(u"bad.gif"_s);
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    window->changeBackground(bad);
    QCOMPARE(window->surface()->picture().size(), QSize(4, 4));
    SettingsRecord stored;
    QVERIFY(stored.read(m_dir->path()));
    QCOMPARE(stored.value(F::backgroundPath), bad); // still stored, as chosen
}

void TestMainWindowServices::menuSettingsRoundTrip()
{
    MainWindow *window = open();
    item(window, u"overstalltid"_s)->trigger();
    item(window, u"autoseekon"_s)->trigger();
    const QString background = m_dir->filePath(u"2.gif"_s);
    window->changeBackground(background);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    SettingsRecord stored;
    QVERIFY(stored.read(m_dir->path()));
    QCOMPARE(stored.value(F::alwaysOnTop), u"True"_s);
    QCOMPARE(stored.value(F::autoLookupOn), u"True"_s);
    QCOMPARE(stored.value(F::backgroundPath), background);

    MainWindow *again = open();
    QVERIFY(item(again, u"overstalltid"_s)->isChecked());
    QVERIFY(item(again, u"autoseekon"_s)->isChecked());
    QVERIFY(again->clipboardWatcher()->isActive());
    QCOMPARE(Globals::backgroundPath, background);
}

void TestMainWindowServices::helpItemsOpenTheirPage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("page");
    QTest::newRow("help en") << 1 << u"hjalpen"_s << u"helpeng.html"_s;
    QTest::newRow("help sv") << 2 << u"hjalpen"_s << u"help.html"_s;
    QTest::newRow("about sv") << 2 << u"omprodukten"_s << u"om.html"_s;
    QTest::newRow("home en") << 1 << u"hem"_s << u"indexeng.html"_s;
    QTest::newRow("home sv") << 2 << u"hem"_s << u"index.htm"_s;
    QTest::newRow("cedict both") << 2 << u"ced"_s << u"cedict.html"_s;
    QTest::newRow("swedish translation") << 2 << u"svensk"_s << u"svtillagg.html"_s;
}

void TestMainWindowServices::helpItemsOpenTheirPage()
{
    QFETCH(int, language);
    QFETCH(QString, name);
    QFETCH(QString, page);
    MainWindow *window = open(language);
    item(window, name)->trigger();
    QCOMPARE(Globals::helpPageAddress(), QDir(m_dir->path()).filePath(page));
    QVERIFY(HelpBrowser::instance());
    QVERIFY(HelpBrowser::instance()->isVisible());
    QCOMPARE(HelpBrowser::instance()->objectName(), u"Hemsidan"_s);
}

QTEST_MAIN(TestMainWindowServices)
#include "tst_mainwindowservices.moc"
