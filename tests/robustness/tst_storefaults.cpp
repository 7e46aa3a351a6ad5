// A store missing, cut short or not a database at all when the program starts: one message on
// stderr naming the file and the setup, the window opens and searches without a crash, and the
// damaged file is left exactly as it was.

#include "app/application.h"
#include "settings/settingsrecord.h"
#include "tests/common/files.h"
#include "tests/common/storebuilder.h"

#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// What the program writes on stderr between construction and finish().
class StderrCapture
{
public:
    StderrCapture()
    {
        m_file.open();
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        ::dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { finish(); }
    QByteArray finish()
    {
        if (m_saved >= 0) {
            std::fflush(stderr);
            ::dup2(m_saved, STDERR_FILENO);
            ::close(m_saved);
            m_saved = -1;
        }
        m_file.seek(0);
        return m_file.readAll();
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};

// Enough rows that the stores span many pages, so that a cut can fall anywhere in them.
bool buildStores(const QString &folder)
{
    QList<TestStores::Row> words, characters, codes;
    for (int i = 0; i < 400; ++i) {
        const QString code = u"&H%1"_s.arg(0x4E00 + i, 4, 16).toUpper();
        words << TestStores::Row{{u"teckenkoder"_s, code}, {u"Pinyin"_s, u"yi1"_s},
                                 {u"translation1"_s, u"water number %1"_s.arg(i)}};
        characters << TestStores::Row{{u"teckenkod"_s, code}, {u"nummer"_s, 0x4E00 + i},
                                      {u"pinyin1"_s, u"yi1"_s}, {u"meaning1"_s, u"one"_s}};
        codes << TestStores::Row{{u"bigfive"_s, u"A%1"_s.arg(0x440 + i, 3, 16).toUpper()},
                                 {u"unicode"_s, code}};
    }
    const QDir dir(folder);
    return TestStores::words(dir.filePath(Tables::wordStore), words)
           && TestStores::characters(dir.filePath(Tables::characterStore), characters)
           && TestStores::codes(dir.filePath(Tables::codeStore), codes);
}

} // namespace

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
    for (const QLatin1StringView store : {Tables::wordStore, Tables::characterStore, Tables::codeStore}) {
        for (const char *damage : {"missing", "empty", "cut", "text", "binary"}) {
            QTest::addRow("%s %s", store.data(), damage) << QString(store) << QString::fromLatin1(damage);
        }
    }
}

void TestStoreFaults::damagedStoreAtStart()
{
    QFETCH(QString, store);
    QFETCH(QString, damage);
    QTemporaryDir dir;
    QVERIFY(buildStores(dir.path()));
    const QString file = dir.filePath(store);
    QByteArray bytes = TestFiles::read(file);
    QRandomGenerator *random = QRandomGenerator::global();
    if (damage == u"missing")
        QVERIFY(QFile::remove(file));
    else if (damage == u"empty")
        bytes.clear();
    else if (damage == u"cut")
        bytes.truncate(random->bounded(1, int(bytes.size())));
    else if (damage == u"text")
        bytes = "teckenkod;nummer\r\n&H4E00;19968\r\n";
    else
        for (char &byte : bytes)
            byte = char(random->bounded(256));
    if (damage != u"missing")
        QVERIFY(TestFiles::write(file, bytes));
    const QString cut = damage == u"cut" ? u" at byte %1"_s.arg(bytes.size()) : QString();
    SettingsRecord settings;
    settings.setValue(SettingsRecord::autoStartEnglish, u"1"_s);
    QVERIFY(settings.write(dir.path()));
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);

    StderrCapture capture;
    auto app = std::make_unique<Application>(dir.path());
    app->start();
    const QString message = QString::fromLocal8Bit(capture.finish());
    QVERIFY2(message.contains(store) && message.contains(u"scripts/setup.sh"),
             qPrintable(message + cut));
    QCOMPARE(message.count(u'\n'), 1);

    MainWindow *window = app->mainWindow(Language::English);
    QVERIFY(window && window->isVisible());
    auto *english = window->findChild<QLineEdit *>(u"Text6"_s);
    QTest::keyClicks(english, u"water"_s);
    QTest::keyClick(english, Qt::Key_Return);
    QCoreApplication::processEvents();

    QCOMPARE(QFileInfo::exists(file), damage != u"missing");
    if (damage != u"missing")
        QVERIFY2(TestFiles::read(file) == bytes, qPrintable(cut));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
    app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(TestStoreFaults)
#include "tst_storefaults.moc"
