// The word-table import (ordbok-cli import, the same code as the Update window) and the install
// of its result at the next start, killed with SIGKILL at any moment or stopped by a full disk
// (RLIMIT_FSIZE): after the next start's install the word table is whole, the old one or the
// new one, never a mix.

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

// The program folder an import needs, holding an old word table of a few records.
bool buildFolder(const QString &folder)
{
    const QDir dir(folder);
    const TestStores::Row old{{WordField::teckenkoder, u"&H4E2D"_s},
                              {WordField::translation(1), u"old"_s}};
    return dir.mkpath(u"empty"_s) &&
           TestStores::words(dir.filePath(Tables::emptyWordTemplate), {}) &&
           TestStores::words(dir.filePath(Tables::wordStore),
                             QList<TestStores::Row>(oldRecords, old));
}

// Records of the installed word table, or -1 when it is not a whole, sound SQLite file.
int wholeTableRecords(const QString &folder)
{
    SqliteConnection connection(Tables::storePath(folder, Tables::wordStore),
                                SqliteConnection::Mode::ReadOnly);
    QSqlQuery query(connection.database());
    if (!query.exec(u"PRAGMA integrity_check"_s) || !query.next() || query.value(0) != u"ok"_s ||
        !query.exec(u"SELECT count(*) FROM Tabell1"_s) || !query.next())
        return -1;
    return query.value(0).toInt();
}

} // namespace

class TestImportFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void importInterrupted_data();
    void importInterrupted();

private:
    // With a file-size limit, past which a write fails or, with sigxfsz, the process is killed.
    QProcess *startImport(const QString &folder, rlim_t limit = 0, bool sigxfsz = false);
    void checkNextStart(const QString &folder);

    QTemporaryDir m_input;
    QTemporaryDir m_imported; // the folder of the clean import
    qint64 m_importMs = 0;
    qint64 m_newSize = 0;
    int m_newRecords = 0;
};

QProcess *TestImportFaults::startImport(const QString &folder, rlim_t limit, bool sigxfsz)
{
    auto *process = new QProcess(this);
    process->setProgram(QStringLiteral(ORDBOK_CLI));
    process->setArguments({u"import"_s, m_input.filePath(u"cedict_ts.u8"_s), u"--into"_s, folder});
    process->setChildProcessModifier([limit, sigxfsz] {
        const rlimit fileSize{limit, limit};
        if (limit > 0)
            ::setrlimit(RLIMIT_FSIZE, &fileSize);
        if (!sigxfsz)
            std::signal(SIGXFSZ, SIG_IGN);
    });
    process->start();
    return process;
}

// What the program does first at its next start, then the table it would open.
void TestImportFaults::checkNextStart(const QString &folder)
{
    installPendingWordTable(folder);
    const int records = wholeTableRecords(folder);
    QVERIFY2(records == oldRecords || records == m_newRecords,
             qPrintable(QString::number(records)));
    QVERIFY(!QFileInfo::exists(Tables::storePath(folder, Tables::pendingWordStore)));
    const QStringList left = QDir(folder).entryList({u"*.part"_s, u"*-journal"_s, u"*-wal"_s});
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u", ")));
}

void TestImportFaults::initTestCase()
{
    // A UTF-8 CC-CEDICT file big enough that the import takes a while.
    const QString pool =
        u"的一是不了人我在有他這中大來上國個到說們為子和你地出道也時年得就那要下"_s;
    QByteArray text = "# CC-CEDICT\n#! charset=UTF-8\n";
    for (int i = 0; i < 20000; ++i) {
        const QString word =
            QString(pool.at(i % pool.size())) + pool.at(i / pool.size() % pool.size());
        text += (word + u' ' + word + u" [pin1 yin1] /gloss %1/another/\n"_s.arg(i)).toUtf8();
    }
    QVERIFY(TestFiles::write(m_input.filePath(u"cedict_ts.u8"_s), text));

    QVERIFY(buildFolder(m_imported.path()));
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QProcess> clean(startImport(m_imported.path()));
    QVERIFY(clean->waitForFinished(120000));
    m_importMs = timer.elapsed();
    QCOMPARE(clean->exitCode(), 0);
    // Installed, it is the table the install rows put back as a waiting one.
    m_newSize = QFileInfo(Tables::storePath(m_imported.path(), Tables::pendingWordStore)).size();
    QVERIFY(installPendingWordTable(m_imported.path()));
    m_newRecords = wholeTableRecords(m_imported.path());
    QVERIFY(m_newRecords > 20000);
}

void TestImportFaults::importInterrupted_data()
{
    // Killed from before the program is up to after it is done, through reading, writing and
    // indexing; or given room for part of the new table, a write past it failing or the
    // process killed by SIGXFSZ as by default.
    QTest::addColumn<double>("at");   // of the clean import's time
    QTest::addColumn<double>("room"); // of the new table's size; 0: no limit
    QTest::addColumn<bool>("sigxfsz");
    QTest::addColumn<int>("installAt"); // microseconds into the next start's install, else -1
    for (int step = 0; step <= 12; ++step)
        QTest::addRow("killed at %d%%", step * 10) << step * 0.1 << 0.0 << false << -1;
    for (const double room : {0.001, 0.3, 0.7, 0.99}) {
        QTest::addRow("disk full at %g, write fails", room) << 0.0 << room << false << -1;
        QTest::addRow("disk full at %g, SIGXFSZ", room) << 0.0 << room << true << -1;
    }
    for (const int at : {0, 100, 300, 1000, 2000, 4000, 8000, 16000})
        QTest::addRow("install killed at %d us", at) << 0.0 << 0.0 << false << at;
}

void TestImportFaults::importInterrupted()
{
    QFETCH(double, at);
    QFETCH(double, room);
    QFETCH(bool, sigxfsz);
    QFETCH(int, installAt);
    QTemporaryDir folder;
    const QString path = folder.path();
    QVERIFY(buildFolder(path));
    if (installAt >= 0) {
        // The next start's install, itself killed: the start after it still finds a whole table.
        QVERIFY(QFile::copy(Tables::storePath(m_imported.path(), Tables::wordStore),
                            Tables::storePath(path, Tables::pendingWordStore)));
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(installPendingWordTable(path) ? 0 : 1);
        QThread::usleep(installAt);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        return checkNextStart(path);
    }
    std::unique_ptr<QProcess> import(startImport(path, rlim_t(room * double(m_newSize)), sigxfsz));
    if (room == 0) {
        QVERIFY(import->waitForStarted());
        QThread::usleep(qint64(at * double(m_importMs) * 1000));
        ::kill(pid_t(import->processId()), SIGKILL);
    }
    QVERIFY(import->waitForFinished(120000));
    checkNextStart(path);
    if (room > 0) {
        QVERIFY2(import->exitStatus() == QProcess::CrashExit || import->exitCode() != 0,
                 "the import claims success on a full disk");
        QCOMPARE(wholeTableRecords(path), oldRecords);
    }
}

QTEST_MAIN(TestImportFaults)
#include "tst_importfaults.moc"
