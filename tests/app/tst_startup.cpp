#include "app/globals.h"
#include "app/mainwindow.h"
#include "app/settingsrecord.h"
#include "app/startwindow.h"
#include "tests/common/storebuilder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using F = SettingsRecord::Field;

// A program folder with one-record stores, so the bound boxes have something to show.
class ProgramFolder
{
public:
    ProgramFolder()
    {
        TestStores::words(path(u"kinesiskBIG5kod.mdb"_s),
                          {{{u"teckenkoder"_s, u"&H4E2D&H570B"_s},
                            {u"Pinyin"_s, u"Zhong1 guo2"_s},
                            {u"translation1"_s, u"China"_s},
                            {u"translation3"_s, u"Middle Kingdom"_s}}});
        TestStores::codes(path(u"BIG5.mdb"_s), {{{u"bigfive"_s, u"A4A4"_s},
                                                  {u"big5"_s, u"A4A4"_s},
                                                  {u"unicode"_s, u"&H4E2D"_s}}});
        TestStores::characters(path(u"KVOdata.mdb"_s),
                               {{{u"teckenkod"_s, u"&H4E2D"_s},
                                 {u"kinesisktradikal"_s, u"2.3"_s},
                                 {u"summa"_s, 4},
                                 {u"pinyin1"_s, u"zhong1"_s},
                                 {u"meaning1"_s, u"central"_s},
                                 {u"kantonesiska1"_s, u"zung1"_s},
                                 {u"japanskon1"_s, u"CHUU"_s},
                                 {u"japanskon2"_s, u"JUU"_s}}});
    }
    QString path(const QString &file = {}) const { return file.isEmpty() ? m_dir.path() : m_dir.filePath(file); }
    void writeSettings(const QList<std::pair<F, QString>> &fields) const
    {
        SettingsRecord record;
        for (const auto &[field, value] : fields)
            record.setValue(field, value);
        record.write(path());
    }

private:
    QTemporaryDir m_dir;
};

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void emptySettingsShowTheStartWindow();
    void englishOpensTheMainWindowOnFirstRecords();
    void closingWritesTheSettings();
    void autoStart_data();
    void autoStart();
    void settingsApplyAtLoad_data();
    void settingsApplyAtLoad();
    void boundBoxesFollowTheRecords();
    void pendingWordTableTakesEffect();
    void swedishWindowCopiesTheTranslationsLine();
    void firstStartRunsOnceOnNej_data();
    void firstStartRunsOnceOnNej();

private:
    static StartWindow *startWindow();
    static QString textOf(QWidget *window, const QString &name)
    {
        return window->findChild<QLineEdit *>(name)->text();
    }
};

void TestStartup::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Globals::uiLanguage = 0;
}

StartWindow *TestStartup::startWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *start = qobject_cast<StartWindow *>(window))
            return start;
    }
    return nullptr;
}

void TestStartup::emptySettingsShowTheStartWindow()
{
    ProgramFolder folder;
    QFile(folder.path(u"inst.ini"_s)).open(QIODevice::WriteOnly);
    auto *start = new StartWindow(folder.path());
    start->start();
    QVERIFY(start->isVisible());
    QCOMPARE(start->findChild<QLabel *>(u"lblversion"_s)->text(), u"Version 3.4.0"_s);
    QVERIFY(!MainWindow::existing(1));
    QCOMPARE(Globals::uiLanguage, 0);
    QCOMPARE(Globals::backgroundPath, folder.path(u"2.gif"_s));
}

void TestStartup::englishOpensTheMainWindowOnFirstRecords()
{
    ProgramFolder folder;
    auto *start = new StartWindow(folder.path());
    start->start();
    QTest::mouseClick(start->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    QCOMPARE(Globals::uiLanguage, 1);
    MainWindow *main = MainWindow::existing(1);
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QCOMPARE(main->objectName(), u"omvandlingeng"_s);
    QCOMPARE(main->windowTitle(), u"Free Chinese / Asian dictionary from Brenvik"_s);
    QCOMPARE(textOf(main, u"Text2"_s), u"&H4E2D&H570B"_s);
    QCOMPARE(textOf(main, u"Text4"_s), u"&H4E2D"_s);
    QCOMPARE(textOf(main, u"Text5"_s), u"A4A4"_s);
    QCOMPARE(textOf(main, u"radikalnummer"_s), u"2.3"_s);
    QCOMPARE(textOf(main, u"Text23"_s), u"2.3"_s);
    QTRY_VERIFY(!startWindow());
}

void TestStartup::closingWritesTheSettings()
{
    ProgramFolder folder;
    MainWindow *main = MainWindow::showFor(1, folder.path());
    main->findChild<QCheckBox *>(u"Check1"_s)->setChecked(true);
    main->findChild<QRadioButton *>(u"Option1_1"_s)->setChecked(true);
    main->menuBar()->findChild<QAction *>(u"autoeng"_s)->setChecked(true);
    main->menuBar()->findChild<QAction *>(u"overstalltid"_s)->setChecked(true);
    main->close();

    SettingsRecord written;
    QVERIFY(written.read(folder.path()));
    QCOMPARE(written.value(F::simplifiedOn), u"1"_s);
    QCOMPARE(written.value(F::radicalMode), u"1"_s);
    QCOMPARE(written.value(F::mainFontName), u"MS Song"_s);
    QCOMPARE(written.value(F::mainFontSize), u"36"_s);
    QCOMPARE(written.value(F::alwaysOnTop), u"True"_s);
    QCOMPARE(written.value(F::autoLookupOn), u"False"_s);
    QCOMPARE(written.value(F::autoStartEnglish), u"1"_s);
    QCOMPARE(written.value(F::autoStartSwedish), QString());
}

void TestStartup::autoStart_data()
{
    QTest::addColumn<QString>("swedish");
    QTest::addColumn<QString>("english");
    QTest::addColumn<bool>("startShown");
    QTest::addColumn<bool>("englishOpen");
    QTest::addColumn<bool>("swedishOpen");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("autoengTicked");
    QTest::newRow("none") << u"0"_s << u"0"_s << true << false << false << 0 << false;
    QTest::newRow("english") << u"0"_s << u"1"_s << false << true << false << 1 << true;
    QTest::newRow("swedish") << u"1"_s << QString() << false << false << true << 2 << false;
    QTest::newRow("both: Swedish first, English last") << u"1"_s << u"1"_s << false << true << true
                                                       << 1 << true;
    QTest::newRow("english 2 starts but does not tick") << QString() << u"2"_s << false << true
                                                        << false << 1 << false;
    QTest::newRow("words count as 0") << u"ja"_s << u"yes"_s << true << false << false << 0 << false;
}

void TestStartup::autoStart()
{
    QFETCH(QString, swedish);
    QFETCH(QString, english);
    QFETCH(bool, startShown);
    QFETCH(bool, englishOpen);
    QFETCH(bool, swedishOpen);
    QFETCH(int, language);
    QFETCH(bool, autoengTicked);

    ProgramFolder folder;
    folder.writeSettings({{F::autoStartSwedish, swedish}, {F::autoStartEnglish, english}});
    auto *start = new StartWindow(folder.path());
    start->start();
    QCOMPARE(start->isVisible(), startShown);
    QCOMPARE(bool(MainWindow::existing(1)), englishOpen);
    QCOMPARE(bool(MainWindow::existing(2)), swedishOpen);
    QCOMPARE(Globals::uiLanguage, language);
    if (englishOpen) {
        QAction *autoeng = MainWindow::existing(1)->menuBar()->findChild<QAction *>(u"autoeng"_s);
        QCOMPARE(autoeng->isChecked(), autoengTicked);
    }
    if (swedishOpen)
        QVERIFY(MainWindow::existing(2)->menuBar()->findChild<QAction *>(u"startasv"_s)->isChecked());
}

void TestStartup::settingsApplyAtLoad_data()
{
    QTest::addColumn<QString>("simplifiedOn");
    QTest::addColumn<QString>("radicalMode");
    QTest::addColumn<QString>("fontSize");
    QTest::addColumn<QString>("onTop");
    QTest::addColumn<bool>("simplified");
    QTest::addColumn<bool>("radicals");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("onTopTicked");
    QTest::newRow("all set") << u"1"_s << u"0"_s << u"24"_s << u"True"_s << true << true << 24.0
                             << true;
    QTest::newRow("empty file values") << QString() << QString() << QString() << QString() << false
                                       << true << 36.0 << false;
    QTest::newRow("strict conversion skips junk") << u"x"_s << u"1"_s << u"12pt"_s << u"Yes"_s
                                                  << false << false << 36.0 << false;
    QTest::newRow("leading number for radicals") << u"0"_s << u"0x"_s << u" 9 "_s << u"False"_s
                                                 << false << true << 9.0 << false;
}

void TestStartup::settingsApplyAtLoad()
{
    QFETCH(QString, simplifiedOn);
    QFETCH(QString, radicalMode);
    QFETCH(QString, fontSize);
    QFETCH(QString, onTop);
    QFETCH(bool, simplified);
    QFETCH(bool, radicals);
    QFETCH(double, pointSize);
    QFETCH(bool, onTopTicked);

    ProgramFolder folder;
    folder.writeSettings({{F::simplifiedOn, simplifiedOn},
                          {F::radicalMode, radicalMode},
                          {F::mainFontSize, fontSize},
                          {F::alwaysOnTop, onTop}});
    MainWindow *main = MainWindow::showFor(2, folder.path());
    QCOMPARE(main->objectName(), u"omvandling"_s);
    QCOMPARE(main->findChild<QCheckBox *>(u"Check1"_s)->isChecked(), simplified);
    QCOMPARE(main->findChild<QRadioButton *>(u"Option1_0"_s)->isChecked(), radicals);
    QCOMPARE(main->findChild<QRadioButton *>(u"Option1_1"_s)->isChecked(), !radicals);
    QCOMPARE(main->findChild<QLineEdit *>(u"TextBox2"_s)->font().pointSizeF(), pointSize);
    QCOMPARE(main->findChild<QWidget *>(u"TextBox1"_s)->font().pointSizeF(), pointSize / 4);
    QCOMPARE(main->menuBar()->findChild<QAction *>(u"overstalltid"_s)->isChecked(), onTopTicked);
    QCOMPARE(bool(main->windowFlags() & Qt::WindowStaysOnTopHint), onTopTicked);
}

void TestStartup::boundBoxesFollowTheRecords()
{
    ProgramFolder folder;
    MainWindow *main = MainWindow::showFor(1, folder.path());
    QCOMPARE(textOf(main, u"Text3"_s), u"Zhong1 guo2"_s);
    QCOMPARE(textOf(main, u"Text25"_s), u"Zhong1 guo2"_s);
    QCOMPARE(textOf(main, u"Text9"_s), u"China"_s);
    QCOMPARE(textOf(main, u"Text10_2"_s), u"Middle Kingdom"_s);
    QCOMPARE(textOf(main, u"Text10_1"_s), QString());
    QCOMPARE(textOf(main, u"pinyin"_s), u"zhong1"_s);
    QCOMPARE(textOf(main, u"kanton_0"_s), u"zung1"_s);
    QCOMPARE(textOf(main, u"japon_0"_s), u"CHUU"_s);
    QCOMPARE(textOf(main, u"japon_1"_s), u"JUU"_s);

    main->tables().characters.findFirst(u"teckenkod ='&H9999'"_s);
    QVERIFY(main->tables().characters.noMatch());
    QCOMPARE(textOf(main, u"kinarad"_s), u"&H4E2D"_s);
}

void TestStartup::pendingWordTableTakesEffect()
{
    ProgramFolder folder;
    QVERIFY(TestStores::words(folder.path(u"kinesiskBIG5kod1.mdb"_s),
                              {{}, {{u"teckenkoder"_s, u"&H6C34"_s}, {u"Pinyin"_s, u"shui3"_s}}}));
    MainWindow *main = MainWindow::showFor(1, folder.path());
    QCOMPARE(main->tables().words.recordCount(), 2);
    QVERIFY(!QFile::exists(folder.path(u"kinesiskBIG5kod1.mdb"_s)));
    main->tables().words.findFirst(u"pinyin ='shui3'"_s);
    QCOMPARE(textOf(main, u"Text2"_s), u"&H6C34"_s);
}

void TestStartup::swedishWindowCopiesTheTranslationsLine()
{
    ProgramFolder folder;
    MainWindow *swedish = MainWindow::showFor(2, folder.path());
    swedish->findChild<QLineEdit *>(u"Text11"_s)->setText(u"China,   Middle Kingdom"_s);
    QCOMPARE(textOf(swedish, u"Text19"_s), u"China,   Middle Kingdom"_s);
    QVERIFY(!MainWindow::showFor(1, folder.path())->findChild<QLineEdit *>(u"Text19"_s));
}

void TestStartup::firstStartRunsOnceOnNej_data()
{
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<bool>("runs");
    QTest::newRow("nej") << QByteArray("\"nej\"\r\n") << true;
    QTest::newRow("Nej") << QByteArray("\"Nej\"\r\n") << false;
    QTest::newRow("Ja") << QByteArray("\"Ja\"\r\n") << false;
}

void TestStartup::firstStartRunsOnceOnNej()
{
    QFETCH(QByteArray, flag);
    QFETCH(bool, runs);
    ProgramFolder folder;
    QTemporaryDir userData; // the fonts go to the user's font folder: keep the real one out
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    QFile log(folder.path(u"font.log"_s));
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.write(flag);
    log.close();

    MainWindow::showFor(1, folder.path());
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(), runs ? QByteArray("\"Ja\"\r\n") : flag);
    log.close();
    SettingsRecord stored;
    QCOMPARE(stored.read(folder.path()), runs);
    if (runs) {
        QCOMPARE(stored.value(F::backgroundPath), folder.path(u"2.gif"_s));
        QCOMPARE(Globals::backgroundPath, folder.path(u"2.gif"_s));
    }
    qunsetenv("XDG_DATA_HOME");
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
