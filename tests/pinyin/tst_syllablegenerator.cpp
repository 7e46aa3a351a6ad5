#include "tools/syllables/readings.h"
#include "tools/syllables/tablebuilder.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Pinlu = QList<std::pair<QString, int>>;

namespace {

CharacterReadings readings(const QStringList &modern, const QStringList &classical = {},
                           const QHash<QString, int> &pinlu = {},
                           const QHash<QString, int> &words = {})
{
    return {modern, classical, pinlu, words};
}

template <typename... Units> QString fromCodePoints(Units... units)
{
    QString text;
    (text += QChar(char16_t(units)), ...);
    return text;
}

QString rowOf(const BuiltTable &table, const QString &syllable)
{
    for (const TableRow &row : table.rows) {
        if (row.syllable == syllable)
            return row.candidates;
    }
    return u"<none>"_s;
}

} // namespace

class TestSyllableGenerator : public QObject
{
    Q_OBJECT
private slots:
    void tonelessSyllable_data();
    void tonelessSyllable();
    void locatedReadings_data();
    void locatedReadings();
    void pinluReadings_data();
    void pinluReadings();
    void parseCedictLine_data();
    void parseCedictLine();
    void orderByFrequency();
    void readingsOutsideTheKeys();
    void classicalOnlyWithoutModern();
    void keySpellingsMerge();
    void fixedRows_data();
    void fixedRows();
    void zhuyinAndPlaceholder();
};

void TestSyllableGenerator::tonelessSyllable_data()
{
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("toneless");

    QTest::newRow("macron") << u"zhōng"_s << u"zhong"_s;
    QTest::newRow("no mark") << u"a"_s << u"a"_s;
    QTest::newRow("ü with a tone") << u"lǜ"_s << u"lu:"_s;
    QTest::newRow("ü without a tone") << u"nü"_s << u"nu:"_s;
    QTest::newRow("üe") << u"lüè"_s << u"lu:e"_s;
    QTest::newRow("upper case") << u"Lǘ"_s << u"lu:"_s;
    QTest::newRow("ê with a tone") << u"ế"_s << u"e"_s;
    QTest::newRow("combining ê and macron") << u"e\u0302\u0304"_s << u"e"_s;
    QTest::newRow("syllabic m") << u"ḿ"_s << u"m"_s;
    QTest::newRow("ng with grave") << u"ǹg"_s << u"ng"_s;
    QTest::newRow("tone digit") << u"zhong1"_s << QString();
    QTest::newRow("space") << u"a b"_s << QString();
    QTest::newRow("star") << u"a*"_s << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestSyllableGenerator::tonelessSyllable()
{
    QFETCH(QString, marked);
    QFETCH(QString, toneless);
    const QString actual = ::tonelessSyllable(marked);
    QCOMPARE(actual, toneless);
    QCOMPARE(actual.isNull(), toneless.isNull());
}

void TestSyllableGenerator::locatedReadings_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("readings");

    QTest::newRow("two locations, one each")
        << u"1550.030:zuō 1553.030,1554.031:zuò"_s << QStringList{u"zuō"_s, u"zuò"_s};
    QTest::newRow("one location, three readings")
        << u"10134.060:zuò,zuō,zuó"_s << QStringList{u"zuò"_s, u"zuō"_s, u"zuó"_s};
    QTest::newRow("starred location") << u"0001.010*:ā"_s << QStringList{u"ā"_s};
    QTest::newRow("no location") << u"zhōng"_s << QStringList{u"zhōng"_s};
    QTest::newRow("extra spaces") << u" 1.1:a  2.2:b "_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("empty readings") << u"1.1: 2.2:,"_s << QStringList{};
    QTest::newRow("empty") << QString() << QStringList{};
}

void TestSyllableGenerator::locatedReadings()
{
    QFETCH(QString, value);
    QFETCH(QStringList, readings);
    QCOMPARE(::locatedReadings(value), readings);
}

void TestSyllableGenerator::pinluReadings_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<Pinlu>("readings");

    QTest::newRow("two") << u"ā(392) hē(64)"_s << Pinlu{{u"ā"_s, 392}, {u"hē"_s, 64}};
    QTest::newRow("zero count") << u"a(0)"_s << Pinlu{{u"a"_s, 0}};
    QTest::newRow("malformed items skipped")
        << u"ā(x) ā392 (5) hē(64 yī(7)"_s << Pinlu{{u"yī"_s, 7}};
    QTest::newRow("negative count") << u"a(-3)"_s << Pinlu{};
    QTest::newRow("empty") << QString() << Pinlu{};
}

void TestSyllableGenerator::pinluReadings()
{
    QFETCH(QString, value);
    QFETCH(Pinlu, readings);
    QCOMPARE(::pinluReadings(value), readings);
}

void TestSyllableGenerator::parseCedictLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("isWord");
    QTest::addColumn<QString>("traditional");
    QTest::addColumn<QString>("simplified");
    QTest::addColumn<QStringList>("syllables");

    QTest::newRow("word") << u"中國 中国 [Zhong1 guo2] /China/\n"_s << true << u"中國"_s
                          << u"中国"_s << QStringList{u"zhong"_s, u"guo"_s};
    QTest::newRow("ü and neutral tone") << u"女的 女的 [nu:3 de5] /woman/"_s << true << u"女的"_s
                                        << u"女的"_s << QStringList{u"nu:"_s, u"de"_s};
    QTest::newRow("letter without tone")
        << u"A A [A] /letter/"_s << true << u"A"_s << u"A"_s << QStringList{u"a"_s};
    QTest::newRow("comment") << u"# CC-CEDICT"_s << false << QString() << QString()
                             << QStringList{};
    QTest::newRow("no brackets") << u"中國 中国 Zhong1 guo2"_s << false << QString() << QString()
                                 << QStringList{};
    QTest::newRow("one headword only")
        << u"中 [zhong1] /middle/"_s << false << QString() << QString() << QStringList{};
    QTest::newRow("empty") << QString() << false << QString() << QString() << QStringList{};
}

void TestSyllableGenerator::parseCedictLine()
{
    QFETCH(QString, line);
    QFETCH(bool, isWord);
    QFETCH(QString, traditional);
    QFETCH(QString, simplified);
    QFETCH(QStringList, syllables);

    const std::optional<CedictWord> word = ::parseCedictLine(line);
    QCOMPARE(word.has_value(), isWord);
    if (!word)
        return;
    QCOMPARE(word->traditional, traditional);
    QCOMPARE(word->simplified, simplified);
    QCOMPARE(word->syllables, syllables);
}

void TestSyllableGenerator::orderByFrequency()
{
    const QMap<char32_t, CharacterReadings> characters{
        {0x4E02, readings({u"ma"_s})},                                     // nothing known
        {0x4E01, readings({u"ma"_s})},                                     // nothing, lower
        {0x4E03, readings({u"ma"_s}, {}, {}, {{u"ma"_s, 5}})},             // words only
        {0x4E04, readings({u"ma"_s}, {}, {{u"ma"_s, 1}}, {})},             // some pinlu
        {0x4E05, readings({u"ma"_s, u"mo"_s}, {}, {{u"mo"_s, 900}}, {})},  // pinlu elsewhere
        {0x4E06, readings({u"ma"_s}, {}, {{u"ma"_s, 1}}, {{u"ma"_s, 2}})}, // pinlu tie, words
    };
    TableRules rules;
    rules.syllables = {u"ma"_s, u"mo"_s};
    const BuiltTable table = buildSyllableTable(characters, rules);
    QCOMPARE(rowOf(table, u"ma"_s), fromCodePoints(0x4E06, 0x4E04, 0x4E03, 0x4E01, 0x4E02, 0x4E05));
    QCOMPARE(rowOf(table, u"mo"_s), QString(QChar(0x4E05)));
    QVERIFY(table.forcedRows.isEmpty());
}

void TestSyllableGenerator::readingsOutsideTheKeys()
{
    const QMap<char32_t, CharacterReadings> characters{
        {0x5475, readings({u"he"_s, u"hm"_s})},
        {0x5477, readings({u"hm"_s})},
        {0x20000, readings({u"he"_s})}, // a candidate is one UTF-16 unit
    };
    TableRules rules;
    rules.syllables = {u"he"_s};
    const BuiltTable table = buildSyllableTable(characters, rules);
    QCOMPARE(rowOf(table, u"he"_s), QString(QChar(0x5475)));
    QCOMPARE(table.droppedReadings, 2);
    QCOMPARE(table.leftOut, (QList<char32_t>{0x5477, 0x20000}));
}

void TestSyllableGenerator::classicalOnlyWithoutModern()
{
    const QMap<char32_t, CharacterReadings> characters{
        {0x4E00, readings({u"yi"_s}, {u"yi"_s, u"ye"_s})},
        {0x4E01, readings({}, {u"ye"_s})},
    };
    TableRules rules;
    rules.syllables = {u"ye"_s, u"yi"_s};
    const BuiltTable table = buildSyllableTable(characters, rules);
    QCOMPARE(rowOf(table, u"ye"_s), QString(QChar(0x4E01)));
    QCOMPARE(rowOf(table, u"yi"_s), QString(QChar(0x4E00)));
}

void TestSyllableGenerator::keySpellingsMerge()
{
    const QMap<char32_t, CharacterReadings> characters{
        {0x7565, readings({u"lu:e"_s, u"lue"_s}, {}, {{u"lu:e"_s, 3}})},
        {0x63A0, readings({u"lu:e"_s}, {}, {{u"lu:e"_s, 9}})},
    };
    TableRules rules;
    rules.syllables = {u"lue"_s};
    rules.keySpellings = {{u"lu:e"_s, u"lue"_s}};
    const BuiltTable table = buildSyllableTable(characters, rules);
    QCOMPARE(rowOf(table, u"lue"_s), fromCodePoints(0x63A0, 0x7565));
    QCOMPARE(table.droppedReadings, 0);
}

void TestSyllableGenerator::fixedRows_data()
{
    QTest::addColumn<QString>("leading");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("zhuyin");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("forced");

    // From the data alone the row is 丙丁七 (by pinlu); 万 reads the syllable only classically.
    QTest::newRow("as the data has it") << QString() << -1 << false << u"丙丁七"_s << false;
    QTest::newRow("size the data has") << QString() << 3 << false << u"丙丁七"_s << false;
    QTest::newRow("leading reordered") << u"七丁"_s << -1 << false << u"七丁丙"_s << true;
    QTest::newRow("cut to size") << QString() << 2 << false << u"丙丁"_s << true;
    QTest::newRow("filled from classical") << QString() << 4 << false << u"丙丁七万"_s << true;
    QTest::newRow("fill runs out") << QString() << 6 << false << u"丙丁七万"_s << true;
    QTest::newRow("zhuyin counts in the size") << QString() << 3 << true << u"丙丁ㄅ"_s << true;
    QTest::newRow("leading not in the data") << u"上"_s << 2 << false << u"上丙"_s << true;
}

void TestSyllableGenerator::fixedRows()
{
    QFETCH(QString, leading);
    QFETCH(int, size);
    QFETCH(bool, zhuyin);
    QFETCH(QString, expected);
    QFETCH(bool, forced);

    const QMap<char32_t, CharacterReadings> characters{
        {U'七', readings({u"bing"_s}, {}, {{u"bing"_s, 1}})},
        {U'丁', readings({u"bing"_s}, {}, {{u"bing"_s, 2}})},
        {U'丙', readings({u"bing"_s}, {}, {{u"bing"_s, 3}})},
        {U'万', readings({u"wan"_s}, {u"bing"_s})},
    };
    TableRules rules;
    rules.syllables = {u"bing"_s, u"wan"_s};
    rules.fixedRows = {{u"bing"_s, leading, size}};
    if (zhuyin)
        rules.zhuyin.insert(u"bing"_s, QChar(0x3105));
    const BuiltTable table = buildSyllableTable(characters, rules);
    QCOMPARE(rowOf(table, u"bing"_s), expected);
    QCOMPARE(table.forcedRows.size(), forced ? 1 : 0);
    QCOMPARE(rowOf(table, u"wan"_s), u"万"_s);
}

void TestSyllableGenerator::zhuyinAndPlaceholder()
{
    const QMap<char32_t, CharacterReadings> characters{{U'八', readings({u"ba"_s})}};
    TableRules rules;
    rules.syllables = {u"b"_s, u"ba"_s, u"fong"_s};
    rules.zhuyin = {{u"b"_s, QChar(0x3105)}, {u"ba"_s, QChar(0x311A)}};
    QCOMPARE(rowOf(buildSyllableTable(characters, rules), u"fong"_s), QString());

    rules.placeholder = QChar(0x2610);
    const BuiltTable table = buildSyllableTable(characters, rules);
    QCOMPARE(rowOf(table, u"b"_s), u"\u3105"_s);
    QCOMPARE(rowOf(table, u"ba"_s), u"八\u311A"_s);
    QCOMPARE(rowOf(table, u"fong"_s), u"\u2610"_s);
}

QTEST_GUILESS_MAIN(TestSyllableGenerator)
#include "tst_syllablegenerator.moc"
