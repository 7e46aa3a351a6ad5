#include "cedict/cedictimporter.h"
#include "cedict/cedictimportjob.h"
#include "cedict/pendingwordtable.h"
#include "importfolder.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// A cancelled import, wherever it stops, leaves the installed word table and an earlier
// pending table byte for byte as they were, and no staging file behind.
class TestCedictImportCancel : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(ImportFolder::create(*m_dir));
        QByteArray content = "#! charset=UTF-8\n";
        for (int i = 0; i < 8000; ++i)
            content += "中國 中国 [Zhong1 guo2] /China/entry " + QByteArray::number(i) + "/\n";
        QVERIFY(TestFiles::write(input(), content));
        QVERIFY(TestStores::words(file(u"kinesiskBIG5kod.mdb"_s),
                                  {{{u"Pinyin"_s, u"the installed table"_s}}}));
        QVERIFY(CedictImporter(m_dir->path()).importFile(input()).succeeded());
        m_installed = TestFiles::read(file(u"kinesiskBIG5kod.mdb"_s));
        m_pending = TestFiles::read(file(u"kinesiskBIG5kod1.mdb"_s));
        QVERIFY(!m_installed.isEmpty() && !m_pending.isEmpty());
    }

    void cancel_leavesTablesAsTheyWere_data()
    {
        QTest::addColumn<int>("stopAt"); // per mille of the file read; -1: while indexing
        QTest::newRow("before the file is checked") << 0;
        QTest::newRow("half-way through the lines") << 500;
        QTest::newRow("while the indexes are built") << -1;
    }

    void cancel_leavesTablesAsTheyWere()
    {
        QFETCH(int, stopAt);
        std::atomic<bool> cancel = stopAt == 0;
        CedictImporter importer(m_dir->path());
        importer.setCancelFlag(&cancel);
        CedictImportProgress stoppedAt;
        importer.setProgressHandler([&](const CedictImportProgress &progress) {
            const bool indexing = progress.stage == CedictImportProgress::Stage::Indexing;
            if (!cancel && (stopAt < 0 ? indexing
                                       : !indexing && progress.bytesRead * 1000 >=
                                                          progress.fileSize * stopAt)) {
                cancel = true;
                stoppedAt = progress;
            }
        });
        const CedictImportSummary summary = importer.importFile(input());
        QCOMPARE(summary.outcome, CedictImportSummary::Outcome::Cancelled);
        if (stopAt > 0)
            QVERIFY(stoppedAt.bytesRead > 0 && stoppedAt.bytesRead < stoppedAt.fileSize);
        verifyUntouched();
    }

    void job_cancelledWhileRunning()
    {
        CedictImportJob job(m_dir->path());
        QSignalSpy finished(&job, &CedictImportJob::finished);
        // Cancelled at the first progress report, from the owning thread as a window would.
        connect(&job, &CedictImportJob::progressed, &job, &CedictImportJob::cancel);
        QVERIFY(job.start(input()));
        QVERIFY(!job.start(input()));
        QVERIFY(finished.wait(20000));
        const auto summary = finished.first().first().value<CedictImportSummary>();
        QCOMPARE(summary.outcome, CedictImportSummary::Outcome::Cancelled);
        QVERIFY(summary.check.accepted()); // stopped after the check, while writing
        QVERIFY(!job.isRunning());
        verifyUntouched();
    }

private:
    QString file(const QString &name) const { return m_dir->filePath(name); }
    QString input() const { return file(u"cedict.u8"_s); }
    void verifyUntouched()
    {
        QCOMPARE(TestFiles::read(file(u"kinesiskBIG5kod.mdb"_s)), m_installed);
        QCOMPARE(TestFiles::read(file(u"kinesiskBIG5kod1.mdb"_s)), m_pending);
        QVERIFY(!QFile::exists(stagingFileFor(file(u"kinesiskBIG5kod1.mdb"_s))));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_installed;
    QByteArray m_pending;
};

QTEST_GUILESS_MAIN(TestCedictImportCancel)
#include "tst_cedictimportcancel.moc"
