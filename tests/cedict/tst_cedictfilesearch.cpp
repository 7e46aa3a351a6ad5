#include "cedict/big5codec.h"
#include "cedict/cedictfilesearch.h"
#include "tests/common/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray big5(const QString &text)
{
    return Big5Codec().encode(text).value_or(QByteArray("?"));
}

// Lines joined by CR LF, the last one without a line end.
QString writeCedict(const QTemporaryDir &dir, const QByteArrayList &lines)
{
    const QString path = dir.filePath(u"cedict.b5"_s);
    TestFiles::write(path, lines.join("\r\n"));
    return path;
}

QByteArray entry(QByteArrayView headword, int length)
{
    QByteArray line = headword.toByteArray() + " [x] /";
    line += QByteArray(qMax(0, length - line.size() - 1), 'y') + '/';
    return line;
}

} // namespace

class TestCedictFileSearch : public QObject
{
    Q_OBJECT
private slots:
    void search_data();
    void search();
    void limits_data();
    void limits();
    void progressShowsResultsAtLastMark();
    void missingFileFindsNothing();
    void realFile();
};

void TestCedictFileSearch::search_data()
{
    QTest::addColumn<QByteArrayList>("file");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("caption");

    const QByteArrayList water = {
        big5(u"山水 [shan1 shui3] /landscape/"_s), big5(u"水 [shui3] /water/river/"_s),
        big5(u"A片 [A pian4] /Water Margin/"_s),   big5(u"水 [Shui3] /surname Shui/"_s),
        big5(u"水果 [shui3 guo3] /fruit/"_s),      big5(u"喝水 [he1 shui3] /to drink water/"_s)};
    QTest::newRow("exact headwords first, the last found on top")
        << water << u"水"_s
        << QStringList{u"水 [Shui3] /surname Shui/"_s, u"水 [shui3] /water/river/"_s,
                       u"山水 [shan1 shui3] /landscape/"_s, u"水果 [shui3 guo3] /fruit/"_s,
                       u"喝水 [he1 shui3] /to drink water/"_s}
        << u" SEARCH COMPLETED: 5 matching entries for  { 水 }"_s;
    QTest::newRow("capitals searched in lower case, shown as copied")
        << water << u"Water"_s
        << QStringList{u"水 [shui3] /water/river/"_s, u"喝水 [he1 shui3] /to drink water/"_s}
        << u" SEARCH COMPLETED: 2 matching entries for  { Water }"_s;
    QTest::newRow("pinyin") << water << u"he1 shui3"_s
                            << QStringList{u"喝水 [he1 shui3] /to drink water/"_s}
                            << u"  SEARCH COMPLETED:  One matching entry for  { he1 shui3 }"_s;
    QTest::newRow("a line break copied along is dropped")
        << water << u"fruit\r\n"_s << QStringList{u"水果 [shui3 guo3] /fruit/"_s}
        << u"  SEARCH COMPLETED:  One matching entry for  { fruit }"_s;
    QTest::newRow("no hit") << water << u"xylophone"_s << QStringList() << u" SEARCH COMPLETED"_s;
    QTest::newRow("a character Big5 lacks matches nothing")
        << QByteArrayList{big5(u"們 [men5] /plural/"_s)} << u"们"_s << QStringList()
        << u" SEARCH COMPLETED"_s;

    // A4 F4 is 水. In "A5 A4 | F4 40" it straddles two characters; only the first
    // occurrence counts, so the aligned one after it does not rescue the line.
    const QByteArray straddling = "\xA5\xA4\xF4\x40 \xA4\xF4 [x] /straddles/";
    QTest::newRow("occurrence on a trail byte")
        << QByteArrayList{straddling, big5(u"冰水 [bing1 shui3] /ice water/"_s)} << u"水"_s
        << QStringList{u"冰水 [bing1 shui3] /ice water/"_s}
        << u"  SEARCH COMPLETED:  One matching entry for  { 水 }"_s;
    // An ASCII byte after a lead byte is a trail byte all the same: A4 40 is one character.
    QTest::newRow("ASCII trail byte")
        << QByteArrayList{"\xA4\x40 [x] /a@b/", "B [x] /@/"} << u"@"_s
        << QStringList{u"B [x] /@/"_s} << u"  SEARCH COMPLETED:  One matching entry for  { @ }"_s;
}

void TestCedictFileSearch::search()
{
    QFETCH(QByteArrayList, file);
    QFETCH(QString, copied);
    QFETCH(QStringList, lines);
    QFETCH(QString, caption);

    QTemporaryDir dir;
    const CedictSearchResult result = CedictFileSearch::run(writeCedict(dir, file), copied);
    QCOMPARE(result.lines, lines);
    QCOMPARE(result.entryCount, lines.size());
    QCOMPARE(result.caption, caption);
    QVERIFY(
        result.text.endsWith(lines.isEmpty() ? u" }"_s : u"\n****** Search completed ******"_s));
}

void TestCedictFileSearch::limits_data()
{
    QTest::addColumn<QList<int>>("lengths"); // of the matching lines, in file order
    QTest::addColumn<QString>("copied");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("cutLineLength"); // the part of a line cut at 30000 bytes

    // 102 bytes a line with its CR LF: the 285th line passes 29000.
    QTest::newRow("collecting stops at 29000") << QList<int>(400, 100) << u"abc"_s << 285 << 0;
    QTest::newRow("an empty term lists the first lines")
        << QList<int>(400, 100) << QString() << 285 << 0;
    // 28 lines of 1002 bytes, then one line that passes 30000 bytes: it is shown cut.
    QList<int> cut(28, 1000);
    cut << 5000 << 1000;
    QTest::newRow("showing stops at 30000") << cut << u"abc"_s << 28 << 30000 - 28 * 1002;
}

void TestCedictFileSearch::limits()
{
    QFETCH(QList<int>, lengths);
    QFETCH(QString, copied);
    QFETCH(int, count);
    QFETCH(int, cutLineLength);

    QByteArrayList file;
    for (int length : lengths)
        file << entry("abcd", length); // not an exact headword: file order
    QTemporaryDir dir;
    const CedictSearchResult result = CedictFileSearch::run(writeCedict(dir, file), copied);
    QCOMPARE(result.entryCount, count);
    QCOMPARE(result.lines.size(), count);
    const QString marker = u"****** Search completed ******"_s;
    QVERIFY(result.text.endsWith(marker));
    QCOMPARE(result.text.section(u'\n', -1).size() - marker.size(), cutLineLength);
}

void TestCedictFileSearch::progressShowsResultsAtLastMark()
{
    QByteArrayList file;
    for (int line = 1; line <= 5000; ++line)
        file << (line == 1 || line == 2500 || line == 4500
                     ? "hits [x] /" + QByteArray::number(line) + "/"
                     : QByteArray("other [x] /y/"));
    QTemporaryDir dir;
    CedictFileSearch search(writeCedict(dir, file), u"hit"_s);
    QCOMPARE(search.progressLine(), 0);
    while (search.searchMore()) {
    }
    QCOMPARE(search.progressLine(), 4000);
    QCOMPARE(search.progressText(), u"hits [x] /1/\nhits [x] /2500/\n"_s);
    QCOMPARE(search.result().entryCount, 3);
}

void TestCedictFileSearch::missingFileFindsNothing()
{
    QTemporaryDir dir;
    const CedictSearchResult result =
        CedictFileSearch::run(dir.filePath(u"cedict.b5"_s), u"water"_s);
    QCOMPARE(result.text, u"------ No matching entries in CEDICT for  { water }"_s);
    QCOMPARE(result.caption, u" SEARCH COMPLETED"_s);
}

void TestCedictFileSearch::realFile()
{
    const QString path = QDir(QStringLiteral(ORDBOK_PROGRAM_DIR)).filePath(u"cedict.b5"_s);
    if (!QFile::exists(path))
        QSKIP("no cedict.b5 in the program folder: build the data first");
    const CedictSearchResult water = CedictFileSearch::run(path, u"水"_s);
    QVERIFY(water.lines.size() > 100);
    QCOMPARE(water.lines.first(), u"水 [shui3] /water/river/liquid/beverage/additional charges or "
                                  u"income/(of clothes) classifier for number of washes/"_s);
    QVERIFY(!water.lines.last().startsWith(u"水 ["_s));
    const CedictSearchResult lower = CedictFileSearch::run(path, u"water"_s);
    const CedictSearchResult upper = CedictFileSearch::run(path, u"Water"_s);
    QCOMPARE(upper.lines, lower.lines);
    QVERIFY(upper.caption.endsWith(u"{ Water }"_s));
}

QTEST_GUILESS_MAIN(TestCedictFileSearch)
#include "tst_cedictfilesearch.moc"
