// The program as a whole on a small program folder: start-up, the main window's settings and
// menu services, the clipboard watcher and the way out.

#include "app/application.h"
#include "cedict/pendingwordtable.h"
#include "settings/settingsrecord.h"
#include "shell/clipboardwatcher.h"
#include "shell/faultnotice.h"
#include "tests/common/files.h"
#include "tests/dictionary/dictionaryfixture.h"
#include "windows/cedictimport/cedictimportwindow.h"
#include "windows/help/helpbrowser.h"
#include "windows/mainwindow/mainwindow.h"
#include "windows/mainwindow/onesearchbox.h"
#include "windows/startwindow/startwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using F = SettingsRecord::Field;

namespace {

QWidget *searchPage()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"soka"_s)
            return window;
    }
    return nullptr;
}

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Application> m_app;

    Application &start(const QList<std::pair<F, QString>> &settings = {})
    {
        SettingsRecord record;
        for (const auto &[field, value] : settings)
            record.setValue(field, value);
        if (!settings.isEmpty())
            record.write(m_dir->path());
        m_app = std::make_unique<Application>(m_dir->path());
        m_app->start();
        // An auto-started window shows its first frame, then the rest of it.
        const bool complete = QTest::qWaitFor([this] {
            for (Language language : {Language::English, Language::Swedish}) {
                const MainWindow *window = m_app->mainWindow(language);
                if (window && !window->findChild<QLineEdit *>(u"Text6"_s))
                    return false;
            }
            return true;
        });
        if (!complete)
            qWarning("an auto-started main window did not come whole");
        return *m_app;
    }
    SettingsRecord stored() const
    {
        SettingsRecord record;
        record.read(m_dir->path());
        return record;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        // One word, one character, one code: enough for the bound boxes to show something.
        using namespace DictionaryFixture;
        QVERIFY(TestStores::words(m_dir->filePath(u"kinesiskBIG5kod.mdb"_s),
                                  {word(u"&H4E2D&H570B"_s, u"Zhong1 guo2"_s, {u"China"_s})}));
        QVERIFY(TestStores::codes(m_dir->filePath(u"BIG5.mdb"_s),
                                  {{{CodeField::bigfive, u"A4A4"_s},
                                    {CodeField::big5, u"A4A4"_s},
                                    {CodeField::unicode, u"&H4E2D"_s}}}));
        QVERIFY(TestStores::characters(
            m_dir->filePath(u"KVOdata.mdb"_s),
            {character(u"&H4E2D"_s, u"2.3"_s, u"zhong1"_s, {u"central"_s})}));
    }

    void cleanup()
    {
        m_app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_dir.reset();
    }

    void startWindowOrAutoStart_data()
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
    }

    void startWindowOrAutoStart()
    {
        QFETCH(QString, swedish);
        QFETCH(QString, english);
        QFETCH(bool, englishOpen);
        QFETCH(bool, swedishOpen);
        Application &app = start({{F::autoStartSwedish, swedish}, {F::autoStartEnglish, english}});
        QTEST(bool(app.startWindow()) && app.startWindow()->isVisible(), "startShown");
        QCOMPARE(bool(app.mainWindow(Language::English)), englishOpen);
        QCOMPARE(bool(app.mainWindow(Language::Swedish)), swedishOpen);
        if (englishOpen && swedishOpen) // Swedish opens first, English is the one in use
            QCOMPARE(app.uiLanguage(), Language::English);
    }

    // The auto-started window's first frame waits for neither the stores nor the rest of the
    // window; a window asked for before that frame finds both there.
    void autoStartedWindowComesInStages()
    {
        SettingsRecord record;
        record.setValue(F::autoStartEnglish, u"1"_s);
        QVERIFY(record.write(m_dir->path()));
        for (const bool askEarly : {false, true}) {
            Application app(m_dir->path());
            app.start();
            MainWindow *main = app.mainWindow(Language::English);
            QVERIFY(main->isVisible());
            QVERIFY(main->findChild<OneSearchBox *>());
            QVERIFY(!main->findChild<QLineEdit *>(u"Text6"_s));
            if (askEarly) {
                QVERIFY(app.openCedictSearch());
                QVERIFY(main->findChild<QLineEdit *>(u"Text6"_s));
            }
            QTRY_VERIFY(main->findChild<QLineEdit *>(u"Text2"_s));
            QCOMPARE(main->findChild<QLineEdit *>(u"Text2"_s)->text(), u"&H4E2D&H570B"_s);
        }
    }

    // What the user would otherwise learn from stderr only is said in a dialog over the
    // window in use, naming the file; a damaged word table offers the previous dictionary.
    void faultsAreToldInAWindow_data()
    {
        QTest::addColumn<QString>("spoil"); // what is done to the program folder
        QTest::addColumn<QString>("message");
        QTest::newRow("store missing")
            << u"remove KVOdata.mdb"_s
            << u"The store KVOdata.mdb is missing from the program folder"_s;
        QTest::newRow("folder in a store's place")
            << u"folder BIG5.mdb"_s << u"The store BIG5.mdb cannot be read (not a regular file)"_s;
        QTest::newRow("random bytes")
            << u"random kinesiskBIG5kod.mdb"_s << u"The store kinesiskBIG5kod.mdb is damaged"_s;
        QTest::newRow("another store copied over it")
            << u"copy BIG5.mdb KVOdata.mdb"_s
            << u"The store KVOdata.mdb holds another table (it lacks the columns teckenkod, "_s;
        QTest::newRow("pages overwritten, found after start")
            << u"overwrite kinesiskBIG5kod.mdb"_s
            << u"The store kinesiskBIG5kod.mdb is damaged (Page "_s;
        QTest::newRow("settings in a folder")
            << u"folder inst.ini"_s << u"The settings could not be saved to "_s;
        // Found before the main window opens; told in its language.
        QTest::newRow("store missing, Swedish window")
            << u"remove KVOdata.mdb"_s << u"Databasen KVOdata.mdb saknas i programmappen"_s;
    }

    void faultsAreToldInAWindow()
    {
        QFETCH(QString, spoil);
        QFETCH(QString, message);
        const QStringList words = spoil.split(u' ');
        const QString file = m_dir->filePath(words.value(1));
        if (words[0] == u"remove") {
            QVERIFY(QFile::remove(file));
        } else if (words[0] == u"folder") {
            QFile::remove(file);
            QVERIFY(QDir(m_dir->path()).mkdir(words.value(1)));
        } else if (words[0] == u"random") {
            QVERIFY(TestFiles::write(file, QByteArray(8192, '\x5A')));
        } else if (words[0] == u"copy") {
            QVERIFY(QFile::remove(m_dir->filePath(words.value(2))));
            QVERIFY(QFile::copy(file, m_dir->filePath(words.value(2))));
        } else if (words[0] == u"overwrite") {
            // A table large enough for pages of its own, then some of them spoiled.
            QList<TestStores::Row> rows(
                2000, DictionaryFixture::word(u"&H4E2D"_s, u"zhong1"_s, {u"middle of things"_s}));
            QVERIFY(QFile::remove(file));
            QVERIFY(TestStores::words(file, rows));
            QByteArray bytes = TestFiles::read(file);
            QVERIFY(bytes.size() > 40000);
            for (qsizetype page = 3; page * 4096 + 4096 <= bytes.size(); page += 4)
                bytes.replace(page * 4096, 4096, QByteArray(4096, '\xA5'));
            QVERIFY(TestFiles::write(file, bytes));
        }
        QVERIFY(QDir(m_dir->path()).mkpath(u"previous"_s));
        QVERIFY(TestStores::words(m_dir->filePath(u"previous/kinesiskBIG5kod.mdb"_s), {}));

        const bool swedish = QByteArray(QTest::currentDataTag()).contains("Swedish");
        Application &app = start({{swedish ? F::autoStartSwedish : F::autoStartEnglish, u"1"_s}});
        FaultNotice *notice = app.faultNotice();
        QTRY_VERIFY_WITH_TIMEOUT(!notice->messages().isEmpty(), 10000);
        QVERIFY2(notice->messages().first().startsWith(message),
                 qPrintable(notice->messages().join(u'\n')));
        QVERIFY(notice->dialog() && notice->dialog()->isVisible());
        // Without settings the start window waits: the dialog shows over it.
        QWidget *inUse = app.mainWindow(swedish ? Language::Swedish : Language::English);
        QCOMPARE(notice->dialog()->parentWidget(),
                 inUse ? inUse : static_cast<QWidget *>(app.startWindow()));
        auto *restore = notice->dialog()->findChild<QPushButton *>(u"restorePrevious"_s);
        QCOMPARE(bool(restore), message.contains(u"kinesiskBIG5kod.mdb is damaged"_s));
        if (restore) {
            restore->click();
            QTRY_VERIFY(DictionaryUpdate(m_dir->path()).restoreRequested());
            QTRY_VERIFY(notice->messages().last().startsWith(u"The previous dictionary will be"_s));
        }
    }

    void englishOpensTheMainWindowOnFirstRecords()
    {
        Application &app = start();
        QTest::mouseClick(app.startWindow()->findChild<QPushButton *>(u"Command1"_s),
                          Qt::LeftButton);
        MainWindow *main = app.mainWindow(Language::English);
        QVERIFY(main && main->isVisible());
        // The record's fields fill in once the window is on screen.
        QTRY_COMPARE(main->findChild<QLineEdit *>(u"Text2"_s)->text(), u"&H4E2D&H570B"_s);
        QCOMPARE(main->findChild<QLineEdit *>(u"Text5"_s)->text(), u"A4A4"_s);
        QCOMPARE(main->findChild<QLineEdit *>(u"radikalnummer"_s)->text(), u"2.3"_s);
        QTRY_VERIFY(!app.startWindow());
    }

    void settingsRoundTripThroughClose()
    {
        Application &app = start({{F::autoStartSwedish, u"1"_s}, {F::mainFontSize, u"12pt"_s}});
        MainWindow *main = app.mainWindow(Language::Swedish);
        QCOMPARE(main->findChild<QLineEdit *>(u"TextBox2"_s)->font().pointSizeF(),
                 36.0); // junk size
        main->findChild<QCheckBox *>(u"Check1"_s)->setChecked(true);
        main->findChild<QRadioButton *>(u"Option1_1"_s)->setChecked(true);
        main->findChild<QAction *>(u"overstalltid"_s)->trigger();
        main->close();

        const SettingsRecord record = stored();
        QStringList values;
        for (F field : {F::simplifiedOn, F::radicalMode, F::mainFontName, F::mainFontSize,
                        F::alwaysOnTop, F::autoLookupOn, F::autoStartSwedish})
            values << record.value(field);
        QCOMPARE(values, (QStringList{u"1"_s, u"1"_s, u"MS Song"_s, u"36"_s, u"True"_s, u"False"_s,
                                      u"1"_s}));
        m_app.reset();
        MainWindow *again = start().mainWindow(Language::Swedish);
        QVERIFY(again->findChild<QCheckBox *>(u"Check1"_s)->isChecked());
        QVERIFY(again->findChild<QRadioButton *>(u"Option1_1"_s)->isChecked());
        QVERIFY(again->windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void pendingWordTableTakesEffect()
    {
        QVERIFY(TestStores::words(
            m_dir->filePath(u"kinesiskBIG5kod1.mdb"_s),
            {{{WordField::teckenkoder, u"&H6C34"_s}, {WordField::pinyin, u"shui3"_s}}}));
        MainWindow *main = start({{F::autoStartEnglish, u"1"_s}}).mainWindow(Language::English);
        QVERIFY(!QFile::exists(m_dir->filePath(u"kinesiskBIG5kod1.mdb"_s)));
        QTRY_COMPARE(main->findChild<QLineEdit *>(u"Text2"_s)->text(), u"&H6C34"_s);
    }

    // The first start sets the background and copies the fonts (to a stand-in for the user's
    // font folder), on "nej" only.
    void firstStartRunsOnNejOnly_data()
    {
        QTest::addColumn<QByteArray>("flag");
        QTest::newRow("nej") << QByteArray("\"nej\"\r\n");
        QTest::newRow("Ja") << QByteArray("\"Ja\"\r\n");
    }

    void firstStartRunsOnNejOnly()
    {
        QFETCH(QByteArray, flag);
        const bool runs = flag.contains("nej");
        QTemporaryDir userData;
        qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
        QVERIFY(TestFiles::write(m_dir->filePath(u"font.log"_s), flag));
        start();
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(TestFiles::read(m_dir->filePath(u"font.log"_s)), runs ? "\"Ja\"\r\n"_ba : flag);
        QCOMPARE(stored().value(F::backgroundPath), runs ? m_dir->filePath(u"2.gif"_s) : QString());
    }

    void backgroundTooLongIsNotStored()
    {
        MainWindow *main = start({{F::autoStartEnglish, u"1"_s}}).mainWindow(Language::English);
        const QString kept = m_dir->filePath(u"2.gif"_s);
        main->changeBackground(kept);
        // 140 bytes hold 70 two-byte letters but not 71: the longer path is refused whole.
        main->changeBackground(u"/"_s + QString(70, u'å'));
        QCOMPARE(stored().value(F::backgroundPath), kept);
        QVERIFY(main->statusBar()->currentMessage().contains(u"140"_s));
    }

    void autoLookupRestartsAfterAHit()
    {
        MainWindow *main = start({{F::autoStartEnglish, u"1"_s}}).mainWindow(Language::English);
        auto *watcher = m_app->findChild<ClipboardWatcher *>();
        QVERIFY(!watcher->isActive());
        main->findChild<QAction *>(u"autoseekon"_s)->trigger();
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
        main->findChild<QAction *>(u"autoseekon"_s)->trigger();
        QVERIFY(!watcher->isActive());
    }

    void helpItemOpensItsPage()
    {
        MainWindow *main = start({{F::autoStartSwedish, u"1"_s}}).mainWindow(Language::Swedish);
        QFile(m_dir->filePath(u"index.htm"_s)).open(QIODevice::WriteOnly);
        main->findChild<QAction *>(u"hem"_s)->trigger();
        HelpBrowser *help = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            help = help ? help : qobject_cast<HelpBrowser *>(window);
        QVERIFY(help && help->isVisible());
        QTRY_COMPARE(help->currentPage().fileName(), u"index.htm"_s);
    }

    // Not wherever the window manager finds room: over the main window, and whole on screen
    // even when the main window is not.
    void windowsOpenOverTheMainWindow()
    {
        Application &app = start({{F::autoStartEnglish, u"1"_s}});
        MainWindow *main = app.mainWindow(Language::English);
        const QRect screen = main->screen()->availableGeometry();
        main->move(screen.topLeft() + QPoint(-main->width() / 2, screen.height() / 3));
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QWidget *window = app.openCedictImport();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect placed = window->frameGeometry();
        QVERIFY2(screen.contains(placed), qPrintable(QDebug::toString(placed)));
        const QPoint centre = main->frameGeometry().center();
        QVERIFY(placed.contains(QPoint(std::max(centre.x(), placed.left()), centre.y())));
    }

    void endingFromTheTrayWritesTheSettings()
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
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
