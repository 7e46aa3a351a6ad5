#include "cedict/cedictimporter.h"
#include "cedict/pendingwordtable.h"
#include "importfolder.h"
#include "platform/recordsource.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Fields of a word record as the import stores them, by position.
enum Field { Tecken, Teckenkoder, Pinyin, Translation1, Translation2, Translation10 = 12 };

QVariant text(const char *utf8)
{
    return QVariant(QString::fromUtf8(utf8));
}

} // namespace

class TestCedictImporter : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void detectsFormat_data();
    void detectsFormat();

    void big5_oneRecordPerLineAfterAnEmptyOne();
    void big5_emptyRecordsAreSkippedByPinyinSearch();
    void big5_codeGroups_data();
    void big5_codeGroups();
    void big5_glossesAreDecoded();
    void big5_binaryFileGivesRecordsPerLine();

    void utf8_entries_data();
    void utf8_entries();
    void utf8_commentsAndBlankLinesAreNoWords();
    void utf8_needsNoCodeTable();

    void importTwice_givesIdenticalTables();
    void refusals_leaveEverythingAsItWas_data();
    void refusals_leaveEverythingAsItWas();
    void brokenTemplate_keepsEarlierPendingTable();

private:
    CedictImportSummary import(const QByteArray &content);
    QString pendingFile() const { return m_dir->filePath(u"kinesiskBIG5kod1.mdb"_s); }
    QString inputFile() const { return m_dir->filePath(u"cedict.txt"_s); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCedictImporter::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(ImportFolder::create(*m_dir));
}

CedictImportSummary TestCedictImporter::import(const QByteArray &content)
{
    if (!TestFiles::write(inputFile(), content))
        return {};
    return CedictImporter(m_dir->path()).importFile(inputFile());
}

void TestCedictImporter::detectsFormat_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<bool>("wholeFile");
    QTest::addColumn<CedictFormat>("format");

    const QByteArray entry = "中國 中国 [Zhong1 guo2] /China/\n";
    QTest::newRow("UTF-8 entries") << entry.repeated(3) << true << CedictFormat::Utf8;
    QTest::newRow("UTF-8 header") << QByteArray("#! charset=UTF-8\nAB [a1] /x/\n") << true
                                  << CedictFormat::Utf8;
    QTest::newRow("Big5 header wins over the shape")
        << "#! charset=Big5\n" + entry << true << CedictFormat::Big5;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF") << true << CedictFormat::Utf8;
    QTest::newRow("Big5 bytes") << QByteArray("\xA4\xA4 [zhong1] /middle/\r\n") << true
                                << CedictFormat::Big5;
    QTest::newRow("ASCII with one headword")
        << QByteArray("AB [a1 b2] /g1/\r\n") << true << CedictFormat::Big5;
    QTest::newRow("headwords of different lengths")
        << QByteArray("中國 国 [Zhong1 guo2] /China/\n") << true << CedictFormat::Big5;
    QTest::newRow("comments only") << QByteArray("# CC-CEDICT\n#\n") << true << CedictFormat::Big5;
    QTest::newRow("empty") << QByteArray() << true << CedictFormat::Big5;
    QTest::newRow("sample cut inside a character")
        << entry + entry.first(4) << false << CedictFormat::Utf8;
    QTest::newRow("file cut inside a character")
        << entry + entry.first(4) << true << CedictFormat::Big5;
}

void TestCedictImporter::detectsFormat()
{
    QFETCH(QByteArray, head);
    QFETCH(bool, wholeFile);
    QFETCH(CedictFormat, format);
    QCOMPARE(detectCedictFormat(head, wholeFile), format);
}

void TestCedictImporter::big5_oneRecordPerLineAfterAnEmptyOne()
{
    const CedictImportSummary summary =
        import("\xA4\xA4\xA4\xE5 [zhong1 wen2] /Chinese/written language/\r\n"
               "\r\n"
               "# a comment\r\n"
               "\xB0\xEA [guo2] /country/");
    QVERIFY(summary.succeeded());
    QCOMPARE(summary.format, CedictFormat::Big5);
    QCOMPARE(summary.linesRead, 4);
    QCOMPARE(summary.recordsWritten, 5);
    QCOMPARE(summary.linesWithoutHeadword, 2);

    const QList<QVariantList> rows = ImportFolder::records(pendingFile());
    QCOMPARE(rows.size(), 5);
    for (const int empty : {0, 2, 3}) {
        for (const QVariant &field : rows.at(empty))
            QVERIFY2(field.isNull(), qPrintable(u"record %1 has a value"_s.arg(empty)));
    }
    const QVariantList &word = rows.at(1);
    QCOMPARE(word.at(Tecken), text("A4A4A4E5"));
    QCOMPARE(word.at(Teckenkoder), text("&H4E2D&H6587"));
    QCOMPARE(word.at(Pinyin), text("zhong1 wen2"));
    QCOMPARE(word.at(Translation1), text("Chinese"));
    QCOMPARE(word.at(Translation2), text("written language"));
    QVERIFY(word.at(Translation2 + 1).isNull());
    QCOMPARE(rows.at(4).at(Teckenkoder), text("&H570B"));
    QVERIFY(!QFile::exists(stagingFileFor(pendingFile())));
}

void TestCedictImporter::big5_emptyRecordsAreSkippedByPinyinSearch()
{
    QVERIFY(import("\r\n# comment\r\n\xA4\xA4 [zhong1] /middle/\r\n").succeeded());
    RecordSource words;
    QVERIFY(words.open(pendingFile()));
    words.findFirst(u"pinyin like'**'"_s);
    QVERIFY(!words.noMatch());
    QCOMPARE(words.text(u"translation1"_s), u"middle"_s);
    words.findFirst(u"translation1 like'**'"_s);
    QCOMPARE(words.text(u"Pinyin"_s), u"zhong1"_s);
}

void TestCedictImporter::big5_codeGroups_data()
{
    QTest::addColumn<QByteArray>("headword");
    QTest::addColumn<QVariant>("tecken");
    QTest::addColumn<QVariant>("teckenkoder");
    QTest::addColumn<qint64>("unknownCodes");

    QTest::newRow("known codes") << QByteArray("\xA4\xA4\xB0\xEA") << text("A4A4B0EA")
                                 << text("&H4E2D&H570B") << qint64(0);
    QTest::newRow("first record of a code wins")
        << QByteArray("\xA4\xA4") << text("A4A4") << text("&H4E2D") << qint64(0);
    QTest::newRow("unknown code adds nothing")
        << QByteArray("\xA4\xA4\xC9\x40\xA4\xE5") << text("A4A4C940A4E5") << text("&H4E2D&H6587")
        << qint64(1);
    QTest::newRow("no known code: no code string")
        << QByteArray("\xC9\x40") << text("C940") << QVariant() << qint64(1);
    QTest::newRow("a letter shifts the groups")
        << QByteArray("A\xA4\xA4") << text("41A4A4") << QVariant() << qint64(2);
    QTest::newRow("digits only: no headword fields")
        << QByteArray("88") << QVariant() << QVariant() << qint64(0);
}

void TestCedictImporter::big5_codeGroups()
{
    QFETCH(QByteArray, headword);
    QFETCH(QVariant, tecken);
    QFETCH(QVariant, teckenkoder);
    QFETCH(qint64, unknownCodes);

    const CedictImportSummary summary = import(headword + " [ab1] /gloss/\r\n");
    QVERIFY(summary.succeeded());
    QCOMPARE(summary.unknownCodes, unknownCodes);
    const QList<QVariantList> rows = ImportFolder::records(pendingFile());
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(1).at(Tecken), tecken);
    QCOMPARE(rows.at(1).at(Teckenkoder), teckenkoder);
    QCOMPARE(rows.at(1).at(Pinyin), text("ab1"));
}

void TestCedictImporter::big5_glossesAreDecoded()
{
    QVERIFY(import("\xA4\xA4 [zhong1] /see \xA4\xA4\xA4\xE5[Zhong1 wen2]/bad \xFF\xFF end/\r\n")
                .succeeded());
    const QList<QVariantList> rows = ImportFolder::records(pendingFile());
    QCOMPARE(rows.at(1).at(Translation1), text("see 中文[Zhong1 wen2]"));
    const QString bad = rows.at(1).at(Translation2).toString();
    QVERIFY(bad.startsWith(u"bad "_s) && bad.endsWith(u" end"_s));
}

void TestCedictImporter::big5_binaryFileGivesRecordsPerLine()
{
    QRandomGenerator random(7);
    QByteArray garbage(300000, '\0');
    for (char &c : garbage)
        c = char(random.bounded(256));
    garbage += QByteArray(100000, '\0'); // one long line without a break
    const qint64 lines = garbage.count('\n') + 1;

    const CedictImportSummary summary = import(garbage);
    QVERIFY(summary.succeeded());
    QCOMPARE(summary.format, CedictFormat::Big5);
    QCOMPARE(summary.linesRead, lines);
    QCOMPARE(summary.recordsWritten, lines + 1);
    QCOMPARE(ImportFolder::records(pendingFile()).size(), lines + 1);
}

void TestCedictImporter::utf8_entries_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QVariantList>("expected"); // tecken, teckenkoder, Pinyin, translation1
    QTest::addColumn<QVariant>("translation10");
    QTest::addColumn<qint64>("withoutBig5");
    QTest::addColumn<qint64>("outsideBmp");

    QTest::newRow("traditional headword")
        << QByteArray("中國 中国 [Zhong1 guo2] /China/")
        << QVariantList{text("A4A4B0EA"), text("&H4E2D&H570B"), text("Zhong1 guo2"), text("China")}
        << QVariant() << qint64(0) << qint64(0);
    QTest::newRow("byte order mark before the headword")
        << QByteArray("\xEF\xBB\xBF中國 中国 [Zhong1 guo2] /China/")
        << QVariantList{text("A4A4B0EA"), text("&H4E2D&H570B"), text("Zhong1 guo2"), text("China")}
        << QVariant() << qint64(0) << qint64(0);
    QTest::newRow("headword without Big5")
        << QByteArray("这 这 [zhe4] /this/")
        << QVariantList{QVariant(), text("&H8FD9"), text("zhe4"), text("this")} << QVariant()
        << qint64(1) << qint64(0);
    QTest::newRow("character outside the BMP")
        << QByteArray("𠀀中 𠀀中 [ha1 zhong1] /test/")
        << QVariantList{QVariant(), text("&H4E2D"), text("ha1 zhong1"), text("test")} << QVariant()
        << qint64(1) << qint64(1);
    QTest::newRow("ascii headword keeps its digits")
        << QByteArray("3C 3C [san1 C] /computers/")
        << QVariantList{text("3343"), text("&H0033&H0043"), text("san1 C"), text("computers")}
        << QVariant() << qint64(0) << qint64(0);
    QTest::newRow("ten glosses") << QByteArray("中 中 [zhong1] /1/2/3/4/5/6/7/8/9/10/")
                                 << QVariantList{text("A4A4"), text("&H4E2D"), text("zhong1"),
                                                 text("1")}
                                 << text("10") << qint64(0) << qint64(0);
    QTest::newRow("glosses past the tenth join the tenth")
        << QByteArray("中 中 [zhong1] /1/2/3/4/5/6/7/8/9/10/11/12/")
        << QVariantList{text("A4A4"), text("&H4E2D"), text("zhong1"), text("1")}
        << text("10 / 11 / 12") << qint64(0) << qint64(0);
    QTest::newRow("one-character gloss stays itself")
        << QByteArray("中 中 [zhong1] /x/y/")
        << QVariantList{text("A4A4"), text("&H4E2D"), text("zhong1"), text("x")} << QVariant()
        << qint64(0) << qint64(0);
    QTest::newRow("long gloss is not cut")
        << QByteArray("中 中 [zhong1] /") + QByteArray(400, 'g') + "/"
        << QVariantList{text("A4A4"), text("&H4E2D"), text("zhong1"), QVariant(QString(400, u'g'))}
        << QVariant() << qint64(0) << qint64(0);
}

void TestCedictImporter::utf8_entries()
{
    QFETCH(QByteArray, line);
    QFETCH(QVariantList, expected);
    QFETCH(QVariant, translation10);
    QFETCH(qint64, withoutBig5);
    QFETCH(qint64, outsideBmp);

    const CedictImportSummary summary = import("#! charset=UTF-8\n" + line + "\n");
    QVERIFY(summary.succeeded());
    QCOMPARE(summary.format, CedictFormat::Utf8);
    QCOMPARE(summary.headwordsWithoutBig5, withoutBig5);
    QCOMPARE(summary.charactersOutsideBmp, outsideBmp);
    const QList<QVariantList> rows = ImportFolder::records(pendingFile());
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(1).mid(0, 4), expected);
    QCOMPARE(rows.at(1).at(Translation10), translation10);
}

void TestCedictImporter::utf8_commentsAndBlankLinesAreNoWords()
{
    // No charset header: the two headwords tell the edition.
    const CedictImportSummary summary = import("# CC-CEDICT\n"
                                               "#\n"
                                               "\n"
                                               "中國 中国 [Zhong1 guo2] /China/\n"
                                               "not an entry\n"
                                               "   \n"
                                               "\xEF\xBB\xBF\n"
                                               "中文 中文 [Zhong1 wen2] /Chinese/");
    QVERIFY(summary.succeeded());
    QCOMPARE(summary.format, CedictFormat::Utf8);
    QCOMPARE(summary.linesRead, 8);
    QCOMPARE(summary.nonEntryLines, 5); // a byte order mark alone is a blank line
    QCOMPARE(summary.malformedLines, 1);
    QCOMPARE(summary.recordsWritten, 3);
    const QList<QVariantList> rows = ImportFolder::records(pendingFile());
    QCOMPARE(rows.size(), 3);
    QVERIFY(rows.at(0).at(Teckenkoder).isNull());
    QCOMPARE(rows.at(2).at(Teckenkoder), text("&H4E2D&H6587"));
}

void TestCedictImporter::utf8_needsNoCodeTable()
{
    QVERIFY(QFile::remove(m_dir->filePath(u"big5.mdb"_s)));
    const CedictImportSummary summary = import("中國 中国 [Zhong1 guo2] /China/\n");
    QVERIFY(summary.succeeded());
    QCOMPARE(ImportFolder::records(pendingFile()).size(), 2);
}

void TestCedictImporter::importTwice_givesIdenticalTables()
{
    const QByteArray content = "\xA4\xA4\xA4\xE5 [zhong1 wen2] /Chinese/\r\n"
                               "\xB0\xEA [guo2] /country/state/\r\n\r\n";
    QVERIFY(import(content).succeeded());
    const QList<QVariantList> first = ImportFolder::records(pendingFile());
    QVERIFY(import(content).succeeded());
    QCOMPARE(ImportFolder::records(pendingFile()), first);
    QCOMPARE(first.size(), 4);
}

void TestCedictImporter::refusals_leaveEverythingAsItWas_data()
{
    QTest::addColumn<QString>("cedictFile"); // relative to the folder; empty: no file chosen
    QTest::addColumn<QString>("removed");    // a file of the folder taken away first
    QTest::addColumn<int>("outcome");

    QTest::newRow("no file chosen")
        << QString() << QString() << int(CedictImportSummary::Outcome::Cancelled);
    QTest::newRow("file missing") << u"nothing.b5"_s << QString()
                                  << int(CedictImportSummary::Outcome::InputUnreadable);
    QTest::newRow("template missing") << u"cedict.txt"_s << u"empty/kinesiskBIG5kod1.mdb"_s
                                      << int(CedictImportSummary::Outcome::TemplateMissing);
    QTest::newRow("code table missing")
        << u"cedict.txt"_s << u"big5.mdb"_s << int(CedictImportSummary::Outcome::CodeTableMissing);
}

void TestCedictImporter::refusals_leaveEverythingAsItWas()
{
    QFETCH(QString, cedictFile);
    QFETCH(QString, removed);
    QFETCH(int, outcome);

    QVERIFY(TestFiles::write(inputFile(), "\xA4\xA4 [zhong1] /middle/\r\n"));
    QVERIFY(TestFiles::write(pendingFile(), "an earlier import"));
    if (!removed.isEmpty())
        QVERIFY(QFile::remove(m_dir->filePath(removed)));

    const QString file = cedictFile.isEmpty() ? QString() : m_dir->filePath(cedictFile);
    const CedictImportSummary summary = CedictImporter(m_dir->path()).importFile(file);
    QCOMPARE(int(summary.outcome), outcome);
    QCOMPARE(TestFiles::read(pendingFile()), QByteArray("an earlier import"));
    QVERIFY(!QFile::exists(stagingFileFor(pendingFile())));
}

void TestCedictImporter::brokenTemplate_keepsEarlierPendingTable()
{
    QVERIFY(TestFiles::write(m_dir->filePath(u"empty/kinesiskBIG5kod1.mdb"_s),
                                    "not a database at all"));
    QVERIFY(TestFiles::write(pendingFile(), "an earlier import"));
    const CedictImportSummary summary = import("\xA4\xA4 [zhong1] /middle/\r\n");
    QCOMPARE(summary.outcome, CedictImportSummary::Outcome::WriteFailed);
    QCOMPARE(TestFiles::read(pendingFile()), QByteArray("an earlier import"));
    QVERIFY(!QFile::exists(stagingFileFor(pendingFile())));
}

QTEST_GUILESS_MAIN(TestCedictImporter)
#include "tst_cedictimporter.moc"
