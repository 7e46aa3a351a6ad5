#include "cedict/cedictimporter.h"
#include "cedict/pendingwordtable.h"
#include "importfolder.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Verdict = CedictFileCheck::Verdict;

const QByteArray big5Entry = "\xA4\xA4\xA4\xE5 [zhong1 wen2] /Chinese/written language/\r\n";
const QByteArray utf8Entry = "中國 中国 [Zhong1 guo2] /China/\n";

QByteArray randomBytesWithoutNul()
{
    QRandomGenerator random(7);
    QByteArray bytes(300000, '\1');
    for (char &c : bytes)
        c = char(random.bounded(1, 256));
    return bytes;
}

} // namespace

// The rule that keeps a wrong file from replacing the dictionary, at its edges, and what the
// import does with each verdict: a refused file leaves every file as it was.
class TestCedictFileCheck : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(ImportFolder::create(*m_dir));
    }

    void verdict_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("reason");

        const QString nul =
            u"not a CEDICT file: it holds a NUL byte (at byte %1), so it is no text file"_s;
        const QString few = u"not a CEDICT file: %1 of %2 lines are dictionary entries"_s;
        const QString none = u"not a CEDICT file: it has no dictionary entries"_s;
        const QByteArray junk = "junk\r\n", utf8 = "#! charset=UTF-8\n" + utf8Entry;
        QTest::newRow("NUL after entries") << big5Entry.repeated(3) + '\0' << Verdict::NulByte
                                           << nul.arg(big5Entry.size() * 3 + 1);
        QTest::newRow("10 KB of zero bytes")
            << QByteArray(10240, '\0') << Verdict::NulByte << nul.arg(1);
        QTest::newRow("random bytes without NUL")
            << randomBytesWithoutNul() << Verdict::TooFewEntries << QString();
        QTest::newRow("Big5: half")
            << big5Entry + junk + big5Entry + junk << Verdict::Accepted << QString();
        QTest::newRow("Big5: short of half") << big5Entry + junk + big5Entry + junk + junk
                                             << Verdict::TooFewEntries << few.arg(2).arg(5);
        QTest::newRow("UTF-8: half") << utf8 + junk << Verdict::Accepted << QString();
        QTest::newRow("UTF-8: short of half")
            << utf8 + junk + junk << Verdict::TooFewEntries << few.arg(1).arg(3);
        QTest::newRow("thousands grouped") << big5Entry.repeated(12) + junk.repeated(1187)
                                           << Verdict::TooFewEntries << few.arg(12).arg(u"1,199"_s);
        QTest::newRow("comments and blanks count for nothing")
            << "# CC-CEDICT\r\n#\r\n\r\n   \r\n" + big5Entry + "# end\r\n"
            << Verdict::Accepted << QString();
        QTest::newRow("empty file") << QByteArray() << Verdict::NoEntries << none;
        QTest::newRow("text without an entry")
            << "Dear friend,\nthank you.\n"_ba << Verdict::NoEntries << few.arg(0).arg(2);
    }

    void verdict()
    {
        QFETCH(QByteArray, content);
        QFETCH(Verdict, verdict);
        QFETCH(QString, reason);

        const CedictFileCheck check = CedictFileCheck::inspect(content);
        QCOMPARE(check.verdict, verdict);
        if (!reason.isEmpty())
            QCOMPARE(check.reason(), reason);
        QCOMPARE(check.reason().isEmpty(), check.accepted());

        // The import refuses the same files, and writes nothing for them.
        const QString input = m_dir->filePath(u"input.b5"_s);
        const QString pending = m_dir->filePath(u"kinesiskBIG5kod1.mdb"_s);
        QVERIFY(TestFiles::write(input, content));
        QVERIFY(TestFiles::write(pending, "an earlier import"));
        const CedictImportSummary summary = CedictImporter(m_dir->path()).importFile(input);
        QCOMPARE(summary.outcome, check.accepted() ? CedictImportSummary::Outcome::Imported
                                                   : CedictImportSummary::Outcome::NotCedict);
        if (!check.accepted())
            QCOMPARE(TestFiles::read(pending), "an earlier import"_ba);
        QVERIFY(!QFile::exists(stagingFileFor(pending)));
    }

    // A cancelled import, wherever it stops, leaves the installed word table and an earlier
    // pending table byte for byte as they were, and no staging file behind.
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
        QVERIFY(TestFiles::write(input(), "#! charset=UTF-8\n" + utf8Entry.repeated(8000)));
        QVERIFY(TestStores::words(file(u"kinesiskBIG5kod.mdb"_s),
                                  {{{WordField::pinyin, u"the installed table"_s}}}));
        QVERIFY(TestFiles::write(file(u"kinesiskBIG5kod1.mdb"_s), "an earlier import"));
        const QByteArray installed = TestFiles::read(file(u"kinesiskBIG5kod.mdb"_s));
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
        QCOMPARE(TestFiles::read(file(u"kinesiskBIG5kod.mdb"_s)), installed);
        QCOMPARE(TestFiles::read(file(u"kinesiskBIG5kod1.mdb"_s)), "an earlier import"_ba);
        QVERIFY(!QFile::exists(stagingFileFor(file(u"kinesiskBIG5kod1.mdb"_s))));
    }

private:
    QString file(const QString &name) const { return m_dir->filePath(name); }
    QString input() const { return file(u"cedict.u8"_s); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestCedictFileCheck)
#include "tst_cedictfilecheck.moc"
