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

QByteArray randomBytes(qsizetype size, int lowest)
{
    QRandomGenerator random(7);
    QByteArray bytes(size, '\0');
    for (char &c : bytes)
        c = char(random.bounded(lowest, 256));
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

        QTest::newRow("NUL byte after real entries")
            << big5Entry.repeated(3) + '\0' + big5Entry << Verdict::NulByte
            << u"not a CEDICT file: it holds a NUL byte (at byte %1), so it is no text file"_s.arg(
                   big5Entry.size() * 3 + 1);
        QTest::newRow("10 KB of zero bytes") << QByteArray(10240, '\0') << Verdict::NulByte
            << u"not a CEDICT file: it holds a NUL byte (at byte 1), so it is no text file"_s;
        QTest::newRow("random bytes") << randomBytes(300000, 0) << Verdict::NulByte << QString();
        QTest::newRow("random bytes without NUL")
            << randomBytes(300000, 1) << Verdict::TooFewEntries << QString();
        QTest::newRow("Big5: exactly half are entries")
            << big5Entry + "junk\r\n" + big5Entry + "more junk\r\n" << Verdict::Accepted
            << QString();
        QTest::newRow("Big5: one short of half")
            << big5Entry + "junk\r\n" + big5Entry + "more junk\r\nand more\r\n"
            << Verdict::TooFewEntries
            << u"not a CEDICT file: 2 of 5 lines are dictionary entries"_s;
        QTest::newRow("UTF-8: exactly half are entries")
            << "#! charset=UTF-8\n" + utf8Entry + "not an entry\n" << Verdict::Accepted
            << QString();
        QTest::newRow("UTF-8: one short of half")
            << "#! charset=UTF-8\n" + utf8Entry + "not an entry\nnor this\n"
            << Verdict::TooFewEntries
            << u"not a CEDICT file: 1 of 3 lines are dictionary entries"_s;
        QTest::newRow("thousands are grouped")
            << big5Entry.repeated(12) + "junk\r\n"_ba.repeated(1187) << Verdict::TooFewEntries
            << u"not a CEDICT file: 12 of 1,199 lines are dictionary entries"_s;
        QTest::newRow("comments and blank lines count for nothing")
            << "# CC-CEDICT\r\n#\r\n\r\n   \r\n" + big5Entry + "# end\r\n" << Verdict::Accepted
            << QString();
        QTest::newRow("comments only") << "# CC-CEDICT\n#\n\n   \n"_ba << Verdict::NoEntries
                                       << u"not a CEDICT file: it has no dictionary entries"_s;
        QTest::newRow("empty file") << QByteArray() << Verdict::NoEntries
                                    << u"not a CEDICT file: it has no dictionary entries"_s;
        QTest::newRow("text without an entry")
            << "Dear friend,\nthank you.\n"_ba << Verdict::NoEntries
            << u"not a CEDICT file: 0 of 2 lines are dictionary entries"_s;
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

    void realFileWithAFewBadLines_imports()
    {
        QFile real(QDir(QStringLiteral(ORDBOK_PROGRAM_DIR)).filePath(u"cedict.b5"_s));
        if (!real.open(QIODevice::ReadOnly))
            QSKIP("needs cedict.b5 of the built program folder");
        QByteArray content;
        for (int i = 0; i < 2000 && !real.atEnd(); ++i)
            content += real.readLine();
        content += "a line of another shape\r\n\r\n\xA4\xA4 [zhong1\r\n" + randomBytes(200, 1) + "\r\n";
        const QString input = m_dir->filePath(u"cedict.b5"_s);
        QVERIFY(TestFiles::write(input, content));

        const CedictImportSummary summary = CedictImporter(m_dir->path()).importFile(input);
        QVERIFY(summary.succeeded());
        QVERIFY(summary.check.entryLines > 1900);
        // Every line is a record, after the one empty record that begins the table.
        QCOMPARE(summary.recordsWritten, summary.linesRead + 1);
        QCOMPARE(ImportFolder::records(m_dir->filePath(u"kinesiskBIG5kod1.mdb"_s)).size(),
                 summary.linesRead + 1);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestCedictFileCheck)
#include "tst_cedictfilecheck.moc"
