// A store missing, cut short or not a database at all when the program starts: one message
// naming the file and the setup, the window opens and searches without a crash, and the damaged
// file is left exactly as it was.

#include "app/application.h"
#include "settings/settingsrecord.h"
#include "tests/common/files.h"
#include "tests/common/storebuilder.h"
#include "windows/mainwindow/mainwindow.h"

#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestStoreFaults : public QObject
{
    Q_OBJECT
private slots:
    void damagedStoreAtStart_data();
    void damagedStoreAtStart();
};

void TestStoreFaults::damagedStoreAtStart_data()
{
    QTest::addColumn<QString>("store");
    QTest::addColumn<QString>("damage");
    for (const QLatin1StringView store :
         {Tables::wordStore, Tables::characterStore, Tables::codeStore}) {
        for (const char *damage : {"missing", "empty", "cut", "text", "binary"})
            QTest::addRow("%s %s", store.data(), damage)
                << QString(store) << QString::fromLatin1(damage);
    }
}

void TestStoreFaults::damagedStoreAtStart()
{
    QFETCH(QString, store);
    QFETCH(QString, damage);
    QTemporaryDir dir;
    // Enough rows that the stores span many pages, so that a cut can fall anywhere in them.
    QList<TestStores::Row> words, characters, codes;
    for (int i = 0; i < 400; ++i) {
        const QString code = u"&H%1"_s.arg(0x4E00 + i, 4, 16).toUpper();
        words << TestStores::Row{{WordField::teckenkoder, code},
                                 {WordField::translation(1), u"water %1"_s.arg(i)}};
        characters << TestStores::Row{{CharacterField::teckenkod, code},
                                      {CharacterField::nummer, 0x4E00 + i}};
        codes << TestStores::Row{{CodeField::bigfive, u"A%1"_s.arg(0x440 + i, 3, 16).toUpper()},
                                 {CodeField::unicode, code}};
    }
    QVERIFY(TestStores::words(dir.filePath(Tables::wordStore), words) &&
            TestStores::characters(dir.filePath(Tables::characterStore), characters) &&
            TestStores::codes(dir.filePath(Tables::codeStore), codes));
    const QString file = dir.filePath(store);
    QByteArray bytes = TestFiles::read(file);
    QRandomGenerator *random = QRandomGenerator::global();
    if (damage == u"cut")
        bytes.truncate(random->bounded(1, int(bytes.size())));
    else if (damage == u"text")
        bytes = "teckenkod;nummer\r\n&H4E00;19968\r\n";
    else if (damage == u"binary")
        std::generate(bytes.begin(), bytes.end(), [random] { return char(random->bounded(256)); });
    else
        bytes.clear();
    QVERIFY(damage == u"missing" ? QFile::remove(file) : TestFiles::write(file, bytes));
    SettingsRecord settings;
    settings.setValue(SettingsRecord::autoStartEnglish, u"1"_s);
    QVERIFY(settings.write(dir.path()));
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);

    // Once, naming the file and what to do.
    const QRegularExpression message(
        u"cannot open .*%1.*scripts/setup.sh"_s.arg(QRegularExpression::escape(store)));
    QTest::ignoreMessage(QtWarningMsg, message);
    QTest::failOnWarning(message);
    auto app = std::make_unique<Application>(dir.path());
    app->start();
    MainWindow *window = app->mainWindow(Language::English);
    QVERIFY(window && window->isVisible());
    // The stores open, and the rest of the window comes, after its first frame.
    QTRY_VERIFY(window->findChild<QLineEdit *>(u"Text6"_s));
    auto *english = window->findChild<QLineEdit *>(u"Text6"_s);
    QTest::keyClicks(english, u"water"_s);
    QTest::keyClick(english, Qt::Key_Return);
    QCoreApplication::processEvents();

    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
    QVERIFY2(damage == u"missing" || TestFiles::read(file) == bytes,
             qPrintable(u"cut at byte %1"_s.arg(bytes.size())));
    app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
