#include "cedict/cedictimporter.h"
#include "cedict/pendingwordtable.h"
#include "importfolder.h"
#include "platform/regularfile.h"

#include <QRandomGenerator>
#include <QStringEncoder>

#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

using Verdict = CedictFileCheck::Verdict;

const QByteArray big5Entry = "\xA4\xA4\xA4\xE5 [zhong1 wen2] /Chinese/written language/\r\n";
const QByteArray utf8Entry = "中國 中国 [Zhong1 guo2] /China/\n";

} // namespace

// The rule that keeps a wrong file from replacing the dictionary, at its edges, and the import
// refusing such files: a refused file leaves every file as it was.
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
        QRandomGenerator generator(7);
        QByteArray random(300000, '\1');
        for (char &c : random)
            c = char(generator.bounded(1, 256)); // no NUL
        QTest::newRow("random bytes without NUL") << random << Verdict::Undecodable << QString();
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
        QFETCH(QString, reason);

        const CedictFileCheck check = CedictFileCheck::inspect(content);
        QTEST(check.verdict, "verdict");
        if (!reason.isEmpty())
            QCOMPARE(check.reason(), reason);
        QCOMPARE(check.reason().isEmpty(), check.accepted());
    }

    // Files a user may pick by mistake or that arrived damaged: each is refused with a reason
    // that says what is wrong, before anything is written. The word table in use, cedict.b5
    // and an earlier waiting import stay byte for byte as they were, and nothing new waits.
    void badFilesLeaveTheDictionaryAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // "@fifo", "@folder": no file but that
        QTest::addColumn<QString>("reason");     // a part of the message

        const QByteArray header = "# CC-CEDICT\n#! charset=UTF-8\n";
        // 400 distinct entries of the UTF-8 edition, one a line.
        const QString pool =
            u"的一是不了人我在有他這中大來上國個到說們為子和你地出道也時年得就那要下"_s;
        QByteArray entries;
        for (int i = 0; i < 400; ++i) {
            const QString word = QString(pool.at(i % pool.size())) + pool.at(i / pool.size());
            entries += (word + u' ' + word + u" [pin1 yin1] /gloss %1/\n"_s.arg(i)).toUtf8();
        }
        const QByteArray whole = header + "#! entries=400\n" + entries;
        QStringEncoder toGb("GB18030");
        const QByteArray gb = toGb.encode(QString::fromUtf8(whole));
        QStringEncoder toBig5("Big5");
        const QByteArray big5Body = toBig5.encode(QString::fromUtf8(whole));
        const auto row = [](const char *tag, const QString &name, const QByteArray &content,
                            const QString &reason) {
            QTest::newRow(tag) << name << content << reason;
        };
        row("cut inside an entry", u"cedict_ts.u8"_s, whole.first(whole.size() - 20),
            u"the file is cut short: its last line (line 403)"_s);
        row("cut inside a Big5 entry", u"cut.b5"_s, big5Entry.repeated(50) + big5Entry.first(12),
            u"the file is cut short"_s);
        row("cut at a line end", u"cedict_ts.u8"_s, whole.first(whole.indexOf("\n", 3000) + 1),
            u"the file's header promises 400 entries, but it holds"_s);
        row("GB18030 as UTF-8", u"gb.txt"_s, gb, u"the text is not UTF-8"_s);
        row("GB18030 as Big5", u"gb.b5"_s, gb.sliced(gb.indexOf("\n", gb.indexOf("entries")) + 1),
            u"the text is not Big5"_s);
        row("Big5 behind a UTF-8 header", u"x.b5"_s, big5Body,
            u"its header says charset=UTF-8, but a file of this name is read as Big5"_s);
        row("one bad line in 400", u"cedict_ts.u8"_s,
            header + entries.first(entries.size() / 2) + "\xFF\xFE [x] /y/\n" +
                entries.sliced(entries.size() / 2),
            u"the text is not UTF-8: 1 of 401 lines"_s);
        row("U+FFFD in an entry", u"cedict_ts.u8"_s,
            header + entries + "\xEF\xBF\xBD \xEF\xBF\xBD [x] /y/\n", u"the text is not UTF-8"_s);
        row("header count off by one", u"cedict_ts.u8"_s, header + "#! entries=401\n" + entries,
            u"the file's header promises 401 entries, but it holds 400"_s);
        row("tiny: 40 lines of a whole file", u"cedict_ts.u8"_s,
            (header + "#! entries=116937\n" + entries)
                .first((header + "#! entries=116937\n" + entries).indexOf("\n", 1800) + 1),
            u"the file's header promises 116,937 entries"_s);
        row("tiny, without a header", u"cedict_ts.u8"_s,
            entries.first(entries.indexOf("\n", 300) + 1), u"entries, the dictionary in use 400"_s);
        row("headwords not Chinese", u"cedict_ts.u8"_s,
            header + "abc abc [a1] /x/\n"_ba.repeated(30) + utf8Entry.repeated(10),
            u"only 10 of 40 headwords hold Chinese"_s);
        row("a FIFO", u"fifo.u8"_s, "@fifo"_ba, u"is not a regular file"_s);
        row("a folder", u"folder.u8"_s, "@folder"_ba, u"is not a regular file"_s);
    }

    void badFilesLeaveTheDictionaryAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);

        // The dictionary in use: 400 entries and their Big5 file; an earlier import waits.
        QList<TestStores::Row> rows;
        for (int i = 0; i < 400; ++i)
            rows << TestStores::Row{{WordField::teckenkoder, u"&H4E2D"_s},
                                    {WordField::translation(1), i}};
        QVERIFY(TestStores::words(file(u"kinesiskBIG5kod.mdb"_s), rows));
        QVERIFY(TestFiles::write(file(u"cedict.b5"_s), big5Entry.repeated(400)));
        QVERIFY(TestFiles::write(file(u"kinesiskBIG5kod1.mdb"_s), "an earlier import"));
        QVERIFY(TestFiles::write(file(u"cedict1.b5"_s), "its Big5 file"));
        const QByteArray inUse = TestFiles::read(file(u"kinesiskBIG5kod.mdb"_s));

        const QString input = file(name);
        if (content == "@fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(input).constData(), 0600), 0);
        else if (content == "@folder")
            QVERIFY(QDir(m_dir->path()).mkdir(name));
        else
            QVERIFY(TestFiles::write(input, content));

        const CedictImportSummary summary = CedictImporter(m_dir->path()).importFile(input);
        QVERIFY(!summary.succeeded());
        const QString message =
            summary.outcome == CedictImportSummary::Outcome::NotCedict ? summary.check.reason()
            : summary.outcome == CedictImportSummary::Outcome::MuchSmaller
                ? u"holds %1 entries, the dictionary in use %2"_s.arg(summary.check.entryLines)
                      .arg(summary.entriesInUse)
                : RegularFile::describe(summary.inputRefusal, 0);
        QVERIFY2(message.contains(reason), qPrintable(message));

        QCOMPARE(TestFiles::read(file(u"kinesiskBIG5kod.mdb"_s)), inUse);
        QCOMPARE(TestFiles::read(file(u"cedict.b5"_s)), big5Entry.repeated(400));
        QCOMPARE(TestFiles::read(file(u"kinesiskBIG5kod1.mdb"_s)), "an earlier import"_ba);
        QCOMPARE(TestFiles::read(file(u"cedict1.b5"_s)), "its Big5 file"_ba);
        const QStringList left = QDir(m_dir->path()).entryList({u"*.part"_s});
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u", ")));
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
