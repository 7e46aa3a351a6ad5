#include "cedict/big5codec.h"
#include "cedict/cedictfilesearch.h"
#include "cedict/studylist.h"
#include "tests/common/files.h"

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

} // namespace

class TestCedictFileSearch : public QObject
{
    Q_OBJECT
private slots:
    void search_data()
    {
        QTest::addColumn<QByteArrayList>("file");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("lines"); // joined by LF
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("otherForms");

        const QString one = u"  SEARCH COMPLETED:  One matching entry for  { %1 }"_s;
        const QString none = u" SEARCH COMPLETED"_s;
        const QByteArrayList water = {big5(u"山水 [shan1 shui3] /landscape/"_s),
                                      big5(u"水 [shui3] /water/river/"_s),
                                      big5(u"A片 [A pian4] /Water Margin/"_s),
                                      big5(u"水 [Shui3] /surname Shui/"_s),
                                      big5(u"水果 [shui3 guo3] /fruit/"_s),
                                      big5(u"喝水 [he1 shui3] /to drink water/"_s)};
        const auto row = [](const char *tag, const QByteArrayList &file, const QString &copied,
                            const QString &lines, const QString &caption,
                            const QStringList &otherForms = {}) {
            QTest::newRow(tag) << file << copied << lines << caption << otherForms;
        };
        row("exact headwords first, the last found on top", water, u"水"_s,
            u"水 [Shuǐ] /surname Shui/\n水 [shuǐ] /water/river/\n山水 [shān shuǐ] "
            u"/landscape/\n水果 [shuǐ guǒ] /fruit/\n喝水 [hē shuǐ] /to drink water/"_s,
            u" SEARCH COMPLETED: 5 matching entries for  { 水 }"_s);
        row("case ignored, shown as copied", water, u"Water"_s,
            u"水 [shuǐ] /water/river/\nA片 [A piàn] /Water Margin/\n喝水 [hē shuǐ] /to "
            u"drink water/"_s,
            u" SEARCH COMPLETED: 3 matching entries for  { Water }"_s);
        row("capitals in the reading", water, u"shui3 GUO3"_s, u"水果 [shuǐ guǒ] /fruit/"_s,
            one.arg(u"shui3 GUO3"_s));
        row("blanks and a line break copied along are dropped", water, u" \tfruit  \r\n"_s,
            u"水果 [shuǐ guǒ] /fruit/"_s, one.arg(u"fruit"_s));
        row("tone marks", water, u"shuǐ guǒ"_s, u"水果 [shuǐ guǒ] /fruit/"_s,
            one.arg(u"shuǐ guǒ"_s));
        row("u umlaut with a tone mark", {big5(u"女 [nu:3] /female/"_s)}, u"nǚ"_s,
            u"女 [nǚ] /female/"_s, one.arg(u"nǚ"_s));
        row("simplified, through its traditional form",
            {big5(u"漢語 [Han4 yu3] /Chinese language/"_s)}, u"汉语"_s,
            u"漢語 [Hàn yǔ] /Chinese language/"_s, one.arg(u"汉语"_s), {u"漢語"_s});
        row("no hit", water, u"xylophone"_s, QString(), none);
        row("no file", {}, u"water"_s, QString(), none);
        row("a character Big5 lacks matches nothing", {big5(u"們 [men5] /plural/"_s)}, u"们"_s,
            QString(), none);
        // A4 F4 is 水. In "A5 A4 | F4 40" it straddles two characters; only the first
        // occurrence counts, so the aligned one after it does not rescue the line.
        row("occurrence on a trail byte",
            {"\xA5\xA4\xF4\x40 \xA4\xF4 [x] /straddles/", big5(u"冰 [bing1] /ice 水/"_s)}, u"水"_s,
            u"冰 [bīng] /ice 水/"_s, one.arg(u"水"_s));
        // An ASCII byte after a lead byte is a trail byte all the same: A4 40 is one character.
        row("ASCII trail byte", {"\xA4\x40 [x] /a@b/", "B [x] /@/"}, u"@"_s, u"B [x] /@/"_s,
            one.arg(u"@"_s));
    }

    void search()
    {
        QFETCH(QByteArrayList, file);
        QFETCH(QString, copied);
        QFETCH(QString, lines);
        QFETCH(QStringList, otherForms);
        QTemporaryDir dir;
        const QString path = file.isEmpty() ? dir.filePath(u"cedict.b5"_s) : writeCedict(dir, file);
        const CedictSearchResult result = CedictFileSearch::run(path, copied, otherForms);
        QCOMPARE(result.lines.join(u'\n'), lines);
        QCOMPARE(result.entryCount, result.lines.size());
        QTEST(result.caption, "caption");
        if (lines.isEmpty())
            QCOMPARE(result.text,
                     u"------ No matching entries in CEDICT for  { %1 }"_s.arg(copied.trimmed()));
        else
            QVERIFY(result.text.endsWith(u"\n****** Search completed ******"_s));
    }

    void limits_data()
    {
        QTest::addColumn<QList<int>>("lengths"); // of the matching lines, in file order
        QTest::addColumn<QString>("copied");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("cutLineLength"); // the part of a line cut at 30000 bytes

        // 102 bytes a line with its CR LF: the 285th line passes 29000; all 400 are counted.
        QTest::newRow("collecting stops at 29000") << QList<int>(400, 100) << u"abc"_s << 285 << 0;
        QTest::newRow("an empty term lists the first lines")
            << QList<int>(400, 100) << QString() << 285 << 0;
        QTest::newRow("all shown") << QList<int>(20, 100) << u"abc"_s << 20 << 0;
        // 28 lines of 1002 bytes, then one line that passes 30000 bytes: it is shown cut.
        QList<int> cut(28, 1000);
        cut << 5000 << 1000;
        QTest::newRow("showing stops at 30000") << cut << u"abc"_s << 28 << 30000 - 28 * 1002;
    }

    void limits()
    {
        QFETCH(QList<int>, lengths);
        QFETCH(QString, copied);
        QFETCH(int, count);
        QByteArrayList file;
        for (int length : lengths)
            file << "abcd [x] /" + QByteArray(length - 11, 'y') + '/'; // in file order
        QTemporaryDir dir;
        const CedictSearchResult result = CedictFileSearch::run(writeCedict(dir, file), copied);
        QCOMPARE(result.entryCount, count);
        QVERIFY(result.text.endsWith(u"****** Search completed ******"_s));
        QTEST(int(result.text.section(u'\n', -1).size()) - 30, "cutLineLength"); // after the marker
        // All counted, and how many of them are shown when not all are.
        const QString captionEnd =
            u"%1 matching entries for  { %2 }"_s.arg(lengths.size()).arg(copied) +
            (count < lengths.size() ? u"  (%1 shown)"_s.arg(count) : QString());
        QVERIFY2(result.caption.endsWith(captionEnd), qPrintable(result.caption));
    }

    void progressShowsResultsAtLastMark()
    {
        QByteArrayList file(5000, "other [x] /y/");
        for (int line : {1, 2500, 4500})
            file[line - 1] = "hits [x] /" + QByteArray::number(line) + '/';
        QTemporaryDir dir;
        CedictFileSearch search(writeCedict(dir, file), u"hit"_s);
        QCOMPARE(search.progressLine(), 0);
        while (search.searchMore()) {
        }
        QCOMPARE(search.progressLine(), 4000);
        QCOMPARE(search.progressText(), u"hits [x] /1/\nhits [x] /2500/\n"_s);
        QCOMPARE(search.result().entryCount, 3);
    }

    void lineAt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("line");

        QTest::newRow("caret on a line end") << u"ab\ncd"_s << 2 << u"ab"_s;
        QTest::newRow("start of the next line") << u"ab\ncd"_s << 3 << u"cd"_s;
        QTest::newRow("last line, no line end") << u"ab\ncd"_s << 5 << u"cd"_s;
        QTest::newRow("empty last line") << u"ab\n"_s << 3 << QString();
        QTest::newRow("caret past the end") << u"ab"_s << 99 << u"ab"_s;
    }

    void lineAt()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        const StudyList::TextLine found = StudyList::lineAt(text, caret);
        QTEST(text.sliced(found.start, found.length), "line");
    }

    void appendKeepsEarlierLines_data()
    {
        QTest::addColumn<QByteArray>("before"); // nothing: no file
        QTest::addColumn<QByteArray>("after");

        const QByteArray line = "\xE6\xB0\xB4 [shui3] /water/"; // 水 in UTF-8
        QTest::newRow("new list") << QByteArray() << line + '\n' + line + '\n';
        QTest::newRow("last line without its end")
            << QByteArray("old") << "old\n" + line + '\n' + line + '\n';
        // Lines saved in Big5 by earlier versions stay byte for byte; the file's CR LF is kept.
        QTest::newRow("Big5 list with CR LF")
            << QByteArray("\xA4\xF4 [shui3]\r\n")
            << "\xA4\xF4 [shui3]\r\n" + line + "\r\n" + line + "\r\n";
    }

    void appendKeepsEarlierLines()
    {
        QFETCH(QByteArray, before);
        QTemporaryDir dir;
        const QString path = dir.filePath(StudyList::fileName);
        if (!before.isEmpty())
            QVERIFY(TestFiles::write(path, before));
        for (int i = 0; i < 2; ++i)
            QVERIFY(StudyList::append(dir.path(), u" 水 [shui3] /water/\r"_s));
        QVERIFY(StudyList::append(dir.path(), u"  "_s)); // a blank line adds nothing
        QTEST(TestFiles::read(path), "after");
        QCOMPARE(StudyList::lines(dir.path()).last(), u"水 [shui3] /water/"_s);
    }

    // "Save character" keeps dictionary entries, each word once, without blanks around.
    void saveRefusals_data()
    {
        QTest::addColumn<QString>("lines");    // saved one after the other, split at line feeds
        QTest::addColumn<QString>("outcomes"); // S saved, N not an entry, A already saved
        const QString water = u"水 [shui3] /water/river/"_s;
        QTest::newRow("entry, then the same again")
            << water + u"\n "_s + water + u"\r"_s << u"SA"_s;
        QTest::newRow("same characters, other reading is another word")
            << water + u"\n水 [Shui3] /surname Shui/"_s << u"SS"_s;
        QTest::newRow("same word, other glosses") << water + u"\n水 [shui3] /water/"_s << u"SA"_s;
        QTest::newRow("end marker, caption, separator, blank")
            << u"****** Search completed ******\n------ No matching entries in CEDICT for  { x }\n"
               u"----\n"_s
            << u"NNNN"_s;
        QTest::newRow("reading without glosses") << u"水 [shui3]"_s << u"N"_s;
    }

    void saveRefusals()
    {
        QFETCH(QString, lines);
        QTemporaryDir dir;
        QString got;
        QStringList saved;
        for (const QString &line : lines.split(u'\n')) {
            got += u"SNAF"_s.at(int(StudyList::save(dir.path(), line))); // in the order of the enum
            if (got.endsWith(u'S'))
                saved << line.trimmed();
        }
        QTEST(got, "outcomes");
        QCOMPARE(StudyList::lines(dir.path()), saved);
    }

    // Tone marks are the pinyin library's; one entry shows the readings go through it.
    void exportCards_data()
    {
        QTest::addColumn<QByteArray>("list"); // studera.txt
        QTest::addColumn<QString>("cards");   // empty: refused, nothing written

        QTest::newRow("entry") << "\xE6\xB0\xB4 [shui3] /water/river/\n"_ba
                               << u"水\tshuǐ\twater; river\n"_s;
        QTest::newRow("quotes and tabs quoted")
            << "x [shuo1] /\"quoted\"/to\tsay/\n"_ba << u"x\tshuō\t\"\"\"quoted\"\"; to say\"\n"_s;
        // Big5 from an earlier version; the end marker and a line without glosses are no cards.
        QTest::newRow("Big5 line among non-entries")
            << "\xA4\xF4 [shui3] /water/\r\n****** Search completed ******\r\nx [shui3]\r\n"_ba
            << u"水\tshuǐ\twater\n"_s;
        QTest::newRow("a word saved twice by an earlier version, exported once")
            << "x [shui3] /water/\nx [shui3] /water/river/\nx [Shui3] /surname/\n"_ba
            << u"x\tshuǐ\twater\nx\tShuǐ\tsurname\n"_s;
        QTest::newRow("no entries") << "****** Search completed ******\r\n"_ba << QString();
        QTest::newRow("no list") << QByteArray() << QString();
    }

    void exportCards()
    {
        QFETCH(QByteArray, list);
        QFETCH(QString, cards);
        QTemporaryDir dir;
        const QString target = dir.filePath(u"cards.tsv"_s);
        if (!list.isEmpty())
            QVERIFY(TestFiles::write(dir.filePath(StudyList::fileName), list));
        const StudyList::ExportSummary summary = StudyList::exportFlashcards(dir.path(), target);
        QCOMPARE(summary.error.isEmpty(), !cards.isEmpty());
        QCOMPARE(QFile::exists(target), !cards.isEmpty());
        QCOMPARE(QString::fromUtf8(TestFiles::read(target)), cards);
        QCOMPARE(summary.cards, cards.count(u'\n'));
    }
};

QTEST_GUILESS_MAIN(TestCedictFileSearch)
#include "tst_cedictfilesearch.moc"
