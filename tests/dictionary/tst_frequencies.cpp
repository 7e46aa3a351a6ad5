// Word counts and character ranks: a tiny store built here, the data tool on tiny sources, and
// the real store of the program folder when the data build has made it.

#include "dictionary/frequencies.h"
#include "platform/sqliteconnection.h"
#include "tests/common/files.h"
#include "tests/common/frequencystore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

using namespace Qt::StringLiterals;

namespace {

// Runs the data tool on the files of folder, writing folder/out/frequency.db.
bool runDataTool(const QDir &folder)
{
    QProcess tool;
    tool.start(QStringLiteral(ORDBOK_DATATOOL),
               {u"frequencies"_s, folder.filePath(u"dict.txt"_s), folder.path(),
                folder.filePath(u"cedict.u8"_s), folder.filePath(u"out/frequency.db"_s)});
    return tool.waitForFinished() && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
}

} // namespace

class TestFrequencies : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QTemporaryDir m_tool; // the data tool's sources, and what it wrote into out/

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        const QDir tool(m_tool.path());
        QVERIFY(TestFiles::write(tool.filePath(u"dict.txt"_s),
                                 "AT&T 3 nz\n中国 500 ns\n台灣 40 ns\n干 900 v\n乾 20 a\n"
                                 "绿色 30 n\n绿色 7 n\nbroken line\n说 10 v\n"));
        QVERIFY(TestFiles::write(tool.filePath(u"cedict.u8"_s),
                                 "# 中国 中国 [x] /comment/\n中國 中国 [Zhong1 guo2] /China/\n"
                                 "台灣 台湾 [Tai2 wan1] /Taiwan/\n乾 干 [gan1] /dry/\n"
                                 "乾 乾 [qian2] /heaven/\n綠色 绿色 [lu:4 se4] /green/\n"
                                 "綠茶 绿茶 [lu:4 cha2] /green tea/\n說 说 [shuo1] /to speak/\n"));
        const QString ranks = tool.filePath(u"Unihan_DictionaryLikeData.txt"_s);
        QVERIFY(TestFiles::write(ranks, "# comment\nU+7684\tkFrequency\t1\n"
                                        "U+7DA0\tkFrequency\t5\nU+4E2D\tkGradeLevel\t1\n"));
        const QString variants = tool.filePath(u"Unihan_Variants.txt"_s);
        QVERIFY(TestFiles::write(variants, "U+7EFF\tkTraditionalVariant\tU+7DA0\n"
                                           "U+53F0\tkTraditionalVariant\tU+6AAF U+7684 U+98B1\n"
                                           "U+7684\tkTraditionalVariant\tU+7DA0\n"));
        const QString readings = tool.filePath(u"Unihan_Readings.txt"_s);
        QVERIFY(TestFiles::write(readings, "# comment\n"
                                           "U+8BF4\tkHanyuPinlu\tshuō(8) shuì(2)\n"
                                           "U+4E86\tkHanyuPinlu\tle(6) liǎo(2)\n"
                                           "U+7EFF\tkHanyuPinlu\tlǜ(4)\n"
                                           "U+4E50\tkHanyuPinlu\tlè(3) yuè(x) yuè 5) (2)\n"
                                           "U+6C34\tkMandarin\tshuǐ\n"));
        QCOMPARE(QProcess::execute(u"bzip2"_s, {ranks, variants, readings}), 0);
        QVERIFY(runDataTool(tool));
        // "word count", "character rank", "character reading count", one row after another.
        const auto rows = [](const QString &text, bool byCode) {
            QList<QVariantList> list;
            for (const QString &row : text.split(u", "_s)) {
                QVariantList values;
                for (const QString &field : row.split(u' '))
                    values << (values.isEmpty() && byCode ? QVariant(field.toUcs4().first())
                                                          : QVariant(field));
                list << values;
            }
            return list;
        };
        QVERIFY(TestStores::frequencies(
            m_folder.path(),
            rows(u"中国 61290, 中國 61290, 绿色 3008, 零 0, 负 -5, 𠀀𠀁 7, 說 1000, 说 1000, "
                 u"了 2000, 瞭 2000, 水 500, 乐 400, 樂 400, 绿 300, 的 0"_s,
                 false),
            rows(u"的 1, 中 2, 綠 5, 一 0, 丁 6, 𠀀 3"_s, true),
            rows(u"说 shuo1 750, 说 shui4 250, 了 le5 900, 了 liao3 100, 瞭 liao3 50, 樂 le4 3, "
                 u"樂 yue4 1, 中 zhong1 10, 中 zhong4 10, 绿 lv4 200, 绿 lu4 100, 的 de5 50, "
                 u"少 shao3 0"_s,
                 true)));
    }

    // The tiny store's counts, and the data tool's from tiny sources: dictionary words only,
    // under both forms, with the larger count of the two, and the kFrequency ranks.
    void wordCount_data()
    {
        QTest::addColumn<bool>("tool");
        QTest::addColumn<QString>("word");
        QTest::addColumn<quint64>("count");
        QTest::newRow("simplified") << false << u"中国"_s << quint64(61290);
        QTest::newRow("outside the BMP") << false << u"𠀀𠀁"_s << quint64(7);
        QTest::newRow("unknown word") << false << u"国中"_s << quint64(0);
        QTest::newRow("prefix of a word") << false << u"中"_s << quint64(0);
        QTest::newRow("empty") << false << QString() << quint64(0);
        QTest::newRow("zero count stored") << false << u"零"_s << quint64(0);
        QTest::newRow("negative count stored") << false << u"负"_s << quint64(0);
        QTest::newRow("tool: simplified in the list") << true << u"中国"_s << quint64(500);
        QTest::newRow("tool: its traditional form") << true << u"中國"_s << quint64(500);
        QTest::newRow("tool: only the traditional form listed") << true << u"台灣"_s << quint64(40);
        QTest::newRow("tool: simplified of that") << true << u"台湾"_s << quint64(40);
        QTest::newRow("tool: shared traditional keeps the larger")
            << true << u"乾"_s << quint64(900);
        QTest::newRow("tool: listed twice keeps the larger") << true << u"绿色"_s << quint64(30);
        QTest::newRow("tool: not in the dictionary") << true << u"AT&T"_s << quint64(0);
        QTest::newRow("tool: dictionary word not listed") << true << u"綠茶"_s << quint64(0);
        QTest::newRow("tool: comment line of the dictionary") << true << u"#"_s << quint64(0);
    }
    void wordCount()
    {
        QFETCH(bool, tool);
        QFETCH(QString, word);
        const Frequencies frequencies(tool ? m_tool.filePath(u"out"_s) : m_folder.path());
        QTEST(frequencies.wordCount(word), "count");
        if (!tool)
            return;
        // 干 has no reading counts: its entry keeps its word's count.
        QCOMPARE(frequencies.entryCount(u"乾", u"干", u"gan1"), quint64(900));
        QCOMPARE(frequencies.characterRank(U'綠'), 5);
        QCOMPARE(frequencies.characterRank(U'中'), 0); // another field
        QCOMPARE(frequencies.characterRank(U'绿'), 5); // from its traditional form
        QCOMPARE(frequencies.characterRank(U'台'), 1); // the best of its traditional forms
        QCOMPARE(frequencies.characterRank(U'的'), 1); // its own rank wins
    }

    void characterRank_data()
    {
        QTest::addColumn<uint>("character");
        QTest::addColumn<int>("rank");
        QTest::newRow("most frequent") << uint(U'的') << 1;
        QTest::newRow("least frequent") << uint(U'綠') << 5;
        QTest::newRow("outside the BMP") << 0x20000u << 3;
        QTest::newRow("no rank") << uint(U'国') << 0;
        QTest::newRow("rank 0 stored") << 0x4E00u << 0;
        QTest::newRow("rank 6 stored") << 0x4E01u << 0;
        QTest::newRow("not a character") << 0x110000u << 0;
    }
    void characterRank()
    {
        QFETCH(uint, character);
        const Frequencies frequencies(m_folder.path());
        QTEST(frequencies.characterRank(char32_t(character)), "rank");
    }

    // A one-character entry takes the share of its reading in the character's reading counts;
    // everything else keeps its word's count.
    void entryCount_data()
    {
        QTest::addColumn<QString>("traditional");
        QTest::addColumn<QString>("simplified");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<quint64>("count");
        const auto row = [](const char *tag, const QString &traditional, const QString &simplified,
                            const QString &reading, quint64 count) {
            QTest::newRow(tag) << traditional << simplified << reading << count;
        };
        row("common reading", u"說"_s, u"说"_s, u"shuo1"_s, 750);
        row("rare reading", u"說"_s, u"说"_s, u"shui4"_s, 250);
        row("reading left out of the counts", u"說"_s, u"说"_s, u"yue4"_s, 0);
        row("capitalised name reading", u"說"_s, u"说"_s, u"Shui4"_s, 250);
        row("character without reading counts", u"水"_s, u"水"_s, u"shui3"_s, 500);
        row("tone 5", u"了"_s, u"了"_s, u"le5"_s, 1800);
        row("neutral tone without digit", u"了"_s, u"了"_s, u"le"_s, 1800);
        row("other reading of a tone-5 character", u"了"_s, u"了"_s, u"liao3"_s, 200);
        row("simplified form's counts first", u"瞭"_s, u"了"_s, u"liao3"_s, 200);
        row("traditional form's counts when the simplified has none", u"樂"_s, u"乐"_s, u"le4"_s,
            300);
        row("u: as v", u"綠"_s, u"绿"_s, u"lu:4"_s, 200);
        row("u without diaeresis is another reading", u"綠"_s, u"绿"_s, u"lu4"_s, 100);
        row("two characters untouched", u"中國"_s, u"中国"_s, u"zhong1 guo2"_s, 61290);
        row("word without a count stays 0", u"的"_s, u"的"_s, u"de5"_s, 0);
        row("empty reading", u"說"_s, u"说"_s, QString(), 0);
    }
    void entryCount()
    {
        QFETCH(QString, traditional);
        QFETCH(QString, simplified);
        QFETCH(QString, reading);
        const Frequencies frequencies(m_folder.path());
        QTEST(frequencies.entryCount(traditional, simplified, reading), "count");
    }

    void readingShare_noCountsIsNotZero()
    {
        const Frequencies frequencies(m_folder.path());
        QVERIFY(!frequencies.readingShare(U'水', u"shui3").has_value());
        // A stored count of 0 is no count, so 少 has no reading counts either.
        QVERIFY(!frequencies.readingShare(U'少', u"shao3").has_value());
        QCOMPARE(frequencies.readingShare(U'说', u"yue4"), std::optional<double>(0.0));
    }

    // Capitals, u: and a missing tone already meet the key through entryCount above.
    void readingKey_data()
    {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("key");
        QTest::newRow("plain") << u"shuo1"_s << u"shuo1"_s;
        QTest::newRow("u diaeresis") << u"lü4"_s << u"lv4"_s;
        QTest::newRow("doubled u") << u"luu4"_s << u"lv4"_s;
        QTest::newRow("blanks around") << u" ma5 "_s << u"ma5"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void readingKey()
    {
        QFETCH(QString, reading);
        QTEST(Frequencies::readingKey(reading), "key");
    }

    void storeWithoutReadingCounts_keepsWordCounts()
    {
        QTemporaryDir folder;
        const QString file = QDir(folder.path()).filePath(Frequencies::storeFile);
        {
            SqliteConnection created(file, SqliteConnection::Mode::ReadWrite);
            QSqlQuery query(created.database());
            QVERIFY(query.exec(u"CREATE TABLE words (word TEXT PRIMARY KEY, count INTEGER)"_s));
            QVERIFY(
                query.exec(u"CREATE TABLE characters (code INTEGER PRIMARY KEY, rank INTEGER)"_s));
            QVERIFY(query.exec(u"INSERT INTO words VALUES ('说', 90)"_s));
            QVERIFY(query.exec(u"INSERT INTO characters VALUES (35828, 2)"_s));
        }
        const Frequencies frequencies(folder.path());
        QCOMPARE(frequencies.entryCount(u"說", u"说", u"shui4"), quint64(90));
        QCOMPARE(frequencies.characterRank(U'说'), 2);
    }

    void unusableStore_answersZero_data()
    {
        QTest::addColumn<QByteArray>("contents"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not SQLite") << QByteArray("this is no database\n").repeated(200);
        QTest::newRow("no tables") << QByteArray("SQLite");
    }
    void unusableStore_answersZero()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir folder;
        const QString file = QDir(folder.path()).filePath(Frequencies::storeFile);
        if (contents == "SQLite") {
            SqliteConnection created(file, SqliteConnection::Mode::ReadWrite);
            QVERIFY(QSqlQuery(created.database()).exec(u"CREATE TABLE other (x)"_s));
        } else if (!contents.isEmpty()) {
            QVERIFY(TestFiles::write(file, contents));
        }
        const Frequencies frequencies(folder.path());
        QCOMPARE(frequencies.wordCount(u"中国"), quint64(0));
        QCOMPARE(frequencies.characterRank(U'的'), 0);
    }

    void loadsOnFirstQuestion_notAtConstruction()
    {
        QTemporaryDir folder;
        const Frequencies frequencies(folder.path());
        // The store appears after construction but before the first question.
        QVERIFY(TestStores::frequencies(folder.path(), {{u"绿色"_s, 12}}, {{0x7DA0, 4}}));
        QCOMPARE(frequencies.wordCount(u"绿色"), quint64(12));
        const Frequencies copy = frequencies;
        QFile::remove(QDir(folder.path()).filePath(Frequencies::storeFile));
        QCOMPARE(copy.characterRank(U'綠'), 4); // shares what was loaded
    }

    void questionsFromSeveralThreads_loadOnce()
    {
        const Frequencies frequencies(m_folder.path());
        quint64 counts[4] = {};
        std::vector<std::thread> threads;
        for (int i = 0; i < 4; ++i)
            threads.emplace_back(
                [&frequencies, &counts, i] { counts[i] = frequencies.wordCount(u"绿色"); });
        for (std::thread &thread : threads)
            thread.join();
        for (const quint64 count : counts)
            QCOMPARE(count, quint64(3008));
    }

    // kHanyuPinlu's tone-marked readings become tone-number keys, summed when two spellings
    // meet; broken items are skipped, not the whole line.
    void dataTool_readingCounts_data()
    {
        QTest::addColumn<uint>("character");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<double>("share");
        QTest::newRow("first tone") << uint(U'说') << u"shuo1"_s << 0.8;
        QTest::newRow("neutral tone") << uint(U'了') << u"le5"_s << 0.75;
        QTest::newRow("third tone beside a neutral one") << uint(U'了') << u"liao3"_s << 0.25;
        QTest::newRow("u diaeresis") << uint(U'绿') << u"lu:4"_s << 1.0;
        QTest::newRow("broken items skipped") << uint(U'乐') << u"le4"_s << 1.0;
        QTest::newRow("other field ignored") << uint(U'水') << u"shui3"_s << -1.0;
    }
    void dataTool_readingCounts()
    {
        QFETCH(uint, character);
        QFETCH(QString, reading);
        QFETCH(double, share); // -1: no reading counts
        const Frequencies frequencies(m_tool.filePath(u"out"_s));
        const std::optional<double> found = frequencies.readingShare(char32_t(character), reading);
        if (share < 0) {
            QVERIFY(!found.has_value());
        } else {
            QVERIFY(found.has_value());
            QCOMPARE(*found, share);
        }
    }

    // Without the readings file every entry keeps its word's count.
    void dataTool_withoutReadingCounts()
    {
        QTemporaryDir folder;
        const QDir dir(folder.path());
        for (const QString &name :
             {u"dict.txt"_s, u"cedict.u8"_s, u"Unihan_DictionaryLikeData.txt.bz2"_s,
              u"Unihan_Variants.txt.bz2"_s})
            QVERIFY(QFile::copy(m_tool.filePath(name), dir.filePath(name)));
        QVERIFY(runDataTool(dir));
        const Frequencies frequencies(dir.filePath(u"out"_s));
        QVERIFY(!frequencies.readingShare(U'说', u"shuo1").has_value());
        QCOMPARE(frequencies.entryCount(u"說", u"说", u"shui4"), quint64(10));
    }

    void realStore_data()
    {
        QTest::addColumn<QString>("more");
        QTest::addColumn<QString>("less");
        QTest::newRow("common word above rare") << u"我们"_s << u"绿色"_s;
        QTest::newRow("traditional as simplified") << u"我們"_s << u"綠色"_s;
        QTest::newRow("word above a non-word") << u"中国"_s << u"国中人"_s;
    }
    void realStore()
    {
        QFETCH(QString, more);
        QFETCH(QString, less);
        const QString folder = QStringLiteral(ORDBOK_PROGRAM_DIR);
        if (!QFile::exists(QDir(folder).filePath(Frequencies::storeFile)))
            QSKIP("the program folder has no frequency.db yet (build ordbok_data)");
        const Frequencies frequencies(folder);
        QVERIFY(frequencies.wordCount(more) > frequencies.wordCount(less));
        QCOMPARE(frequencies.wordCount(u"中国"), frequencies.wordCount(u"中國"));
        QCOMPARE(frequencies.characterRank(U'的'), 1);
        QVERIFY(frequencies.characterRank(U'绿') > frequencies.characterRank(U'的'));
        QCOMPARE(frequencies.characterRank(U'绿'), frequencies.characterRank(U'綠'));
        if (!frequencies.readingShare(U'了', u"le5"))
            QSKIP("the program folder's frequency.db has no reading counts yet");
        QVERIFY(frequencies.entryCount(u"了", u"了", u"le5") >
                frequencies.entryCount(u"了", u"了", u"liao3"));
        QVERIFY(frequencies.entryCount(u"水", u"水", u"shui3") >
                frequencies.entryCount(u"說", u"说", u"shui4"));
    }
};

QTEST_GUILESS_MAIN(TestFrequencies)
#include "tst_frequencies.moc"
