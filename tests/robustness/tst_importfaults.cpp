// The word-table import (ordbok-cli import, the same code as the Update window) and the
// install of its result at the next start, killed with SIGKILL at any moment or stopped by a
// full disk (RLIMIT_FSIZE): after the next start's install the word table is whole, the old one
// or the new one, never a mix.

#include "cedict/pendingwordtable.h"
#include "dictionary/tables.h"
#include "platform/sqliteconnection.h"
#include "tests/common/files.h"
#include "tests/common/storebuilder.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int oldRecords = 3;

// A UTF-8 CC-CEDICT file big enough that the import takes a while.
QByteArray cedictText(int entries)
{
    const QString pool = u"的一是不了人我在有他這中大來上國個到說們為子和你地出道也時年得就那要下以生會自著去"
                         u"之過家學對可她裡後小麼心多天而能好都然沒日於起還發成事只作當想看文無開手十用主行方"_s;
    QByteArray text = "# CC-CEDICT\n#! charset=UTF-8\n";
    for (int i = 0; i < entries; ++i) {
        const QString word = QString(pool.at(i % pool.size())) + pool.at((i / pool.size()) % pool.size());
        text += (word + u' ' + word + u" [pin1 yin1] /gloss number %1/another gloss/\n"_s.arg(i)).toUtf8();
    }
    return text;
}

// The program folder an import needs, holding an old word table of a few records.
bool buildFolder(const QString &folder)
{
    QList<TestStores::Row> words;
    for (int i = 0; i < oldRecords; ++i)
        words << TestStores::Row{{u"teckenkoder"_s, u"&H4E2D"_s}, {u"translation1"_s, u"old"_s}};
    const QDir dir(folder);
    return dir.mkpath(u"empty"_s)
           && TestStores::words(dir.filePath(Tables::emptyWordTemplate), {})
           && TestStores::words(dir.filePath(Tables::wordStore), words);
}

// Records of the installed word table, or -1 when it is not a whole, sound SQLite file.
int wholeTableRecords(const QString &folder)
{
    SqliteConnection connection(Tables::storePath(folder, Tables::wordStore),
                                SqliteConnection::Mode::ReadOnly);
    QSqlQuery query(connection.database());
    if (!query.exec(u"PRAGMA integrity_check"_s) || !query.next()
        || query.value(0).toString() != u"ok")
        return -1;
    if (!query.exec(u"SELECT count(*) FROM Tabell1"_s) || !query.next())
        return -1;
    return query.value(0).toInt();
}

} // namespace

class TestImportFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void importKilled_data();
    void importKilled();
    void importOnAFullDisk_data();
    void importOnAFullDisk();
    void installKilled_data();
    void installKilled();
    void cleanupTestCase();

private:
    QProcess *startImport(const QString &folder, const std::function<void()> &inChild = {});
    void checkNextStart(const QString &folder);

    QTemporaryDir m_input;
    QString m_cedict;
    qint64 m_importMs = 0;
    int m_newRecords = 0;
    qint64 m_newSize = 0;
    QTemporaryDir m_imported; // the folder of the clean import, its table still waiting
    int m_oldKept = 0;
    int m_newInstalled = 0;
};

QProcess *TestImportFaults::startImport(const QString &folder, const std::function<void()> &inChild)
{
    auto *process = new QProcess(this);
    process->setProgram(QStringLiteral(ORDBOK_CLI));
    process->setArguments({u"import"_s, m_cedict, u"--into"_s, folder});
    if (inChild)
        process->setChildProcessModifier(inChild);
    process->start();
    return process;
}

// What the program does first at its next start, then the table it would open.
void TestImportFaults::checkNextStart(const QString &folder)
{
    installPendingWordTable(folder);
    const int records = wholeTableRecords(folder);
    QVERIFY2(records == oldRecords || records == m_newRecords,
             qPrintable(u"%1 records, neither %2 nor %3"_s.arg(records).arg(oldRecords).arg(m_newRecords)));
    ++(records == oldRecords ? m_oldKept : m_newInstalled);
    QVERIFY(!QFileInfo::exists(Tables::storePath(folder, Tables::pendingWordStore)));
    const QStringList left = QDir(folder).entryList({u"*.part"_s, u"*-journal"_s, u"*-wal"_s});
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u", ")));
}

void TestImportFaults::initTestCase()
{
    m_cedict = m_input.filePath(u"cedict_ts.u8"_s);
    QVERIFY(TestFiles::write(m_cedict, cedictText(20000)));
    QVERIFY(buildFolder(m_imported.path()));
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QProcess> clean(startImport(m_imported.path()));
    QVERIFY(clean->waitForFinished(120000));
    m_importMs = timer.elapsed();
    QCOMPARE(clean->exitCode(), 0);

    const QString pending = Tables::storePath(m_imported.path(), Tables::pendingWordStore);
    m_newSize = QFileInfo(pending).size();
    QTemporaryDir probe;
    QVERIFY(buildFolder(probe.path()));
    QVERIFY(QFile::copy(pending, Tables::storePath(probe.path(), Tables::pendingWordStore)));
    QVERIFY(installPendingWordTable(probe.path()));
    m_newRecords = wholeTableRecords(probe.path());
    QVERIFY(m_newRecords > 20000);
    qInfo("clean import: %lld ms, %d records, %lld bytes", m_importMs, m_newRecords, m_newSize);
}

void TestImportFaults::importKilled_data()
{
    // From before the program is up to after it is done, through reading, writing and indexing.
    QTest::addColumn<double>("at");
    for (int step = 0; step <= 12; ++step)
        QTest::addRow("at %d%%", step * 10) << step * 0.1;
}

void TestImportFaults::importKilled()
{
    QFETCH(double, at);
    QTemporaryDir folder;
    QVERIFY(buildFolder(folder.path()));
    std::unique_ptr<QProcess> import(startImport(folder.path()));
    QVERIFY(import->waitForStarted());
    QThread::usleep(qint64(at * m_importMs * 1000));
    ::kill(pid_t(import->processId()), SIGKILL);
    QVERIFY(import->waitForFinished());
    checkNextStart(folder.path());
}

void TestImportFaults::importOnAFullDisk_data()
{
    QTest::addColumn<double>("room");   // of the new table's size
    QTest::addColumn<bool>("killed"); // by SIGXFSZ, as by default; else the write fails
    for (const double room : {0.001, 0.3, 0.7, 0.99}) {
        QTest::addRow("%g, write fails", room) << room << false;
        QTest::addRow("%g, SIGXFSZ", room) << room << true;
    }
}

void TestImportFaults::importOnAFullDisk()
{
    QFETCH(double, room);
    QFETCH(bool, killed);
    QTemporaryDir folder;
    QVERIFY(buildFolder(folder.path()));
    const rlim_t limit = rlim_t(room * double(m_newSize));
    std::unique_ptr<QProcess> import(startImport(folder.path(), [limit, killed] {
        rlimit fileSize{};
        ::getrlimit(RLIMIT_FSIZE, &fileSize);
        fileSize.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        if (!killed)
            std::signal(SIGXFSZ, SIG_IGN);
    }));
    QVERIFY(import->waitForFinished(120000));
    QVERIFY2(import->exitStatus() == QProcess::CrashExit || import->exitCode() != 0,
             "the import claims success on a full disk");
    QVERIFY(!QFileInfo::exists(Tables::storePath(folder.path(), Tables::pendingWordStore)));
    checkNextStart(folder.path());
    QCOMPARE(wholeTableRecords(folder.path()), oldRecords);
}

void TestImportFaults::installKilled_data()
{
    QTest::addColumn<int>("atMicroseconds");
    for (const int at : {0, 100, 300, 1000, 2000, 4000, 8000, 16000})
        QTest::addRow("at %d us", at) << at;
}

// The next start's install, itself killed: the start after it still finds a whole table.
void TestImportFaults::installKilled()
{
    QFETCH(int, atMicroseconds);
    QTemporaryDir folder;
    QVERIFY(buildFolder(folder.path()));
    QVERIFY(QFile::copy(Tables::storePath(m_imported.path(), Tables::pendingWordStore),
                        Tables::storePath(folder.path(), Tables::pendingWordStore)));
    const QString path = folder.path();
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        installPendingWordTable(path);
        ::_exit(0);
    }
    QThread::usleep(atMicroseconds);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    checkNextStart(path);
}

void TestImportFaults::cleanupTestCase()
{
    qInfo("after the faults: %d starts found the old table, %d the new one", m_oldKept,
          m_newInstalled);
}

QTEST_MAIN(TestImportFaults)
#include "tst_importfaults.moc"
