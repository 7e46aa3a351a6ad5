#include "dictionary/wordsearch.h"
#include "tests/dictionary/dictionaryfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using DictionaryFixture::character;
using DictionaryFixture::word;

namespace {

// Rowid order is search order. Each word's tecken field names it, so the tests read which
// word is current.
QList<TestStores::Row> words()
{
    const auto named = [](const QString &name, TestStores::Row row) {
        row.insert(u"tecken"_s, name);
        return row;
    };
    const QStringList fireLate = {u"a"_s, {}, {}, {}, u"fire"_s};
    return {
        named(u"blank"_s, {}),
        named(u"water"_s, word(u"&H6C34"_s, u"shui3"_s, {u"water"_s, u"river"_s})),
        named(u"fire5"_s, word(u"&H706B"_s, u"huo3"_s, fireLate)),
        named(u"Water"_s, word(u"&H6C34"_s, u"shui3"_s, {u"Water"_s})),
        named(u"saltwater"_s, word(u"&H9E79&H6C34"_s, u"xian2 shui3"_s, {u"salt water"_s})),
        named(u"fire2"_s, word(u"&H706B"_s, u"huo3"_s, {u"flame"_s, u"fire"_s})),
        named(u"water3"_s, word(u"&H6C34"_s, u"Shui3"_s, {u"h2o"_s, u"aqua"_s, u"water"_s})),
        named(u"water2"_s, word(u"&H6C34"_s, u"shui3 ni2"_s, {u"aqua"_s, u"water"_s})),
        named(u"fields125"_s,
              word(u"&H4E2D"_s, u"zhong1"_s,
                   {u"middle"_s, u"centre"_s, {}, {}, u"China"_s, {}, {}, {}, {}, {}})),
        named(u"water4"_s, word(u"&H6C34"_s, u"shui3"_s, {u"x"_s, u"y"_s, u"z"_s, u"water"_s})),
    };
}

const QList<TestStores::Row> kCharacters = {
    character(u"&H4E2D"_s, u"2.3"_s),
    character(u"&H6C34"_s, u"85.0"_s),
    character(u"&H706B"_s, u"86.0"_s),
    character(u"&H9E79"_s, u"197.13"_s),
};

} // namespace

class TestWordSearch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void englishFromStart_data();
    void englishFromStart();
    void englishOnwards();
    void englishExactThenFallback();
    void typingRestartsExactSearch();
    void exactFlagIsShared();
    void pinyin_data();
    void pinyin();
    void pinyinExact();
    void notFoundKeepsWordAndShowsIt();
    void meaningsLineJoinsNonEmptyFields();
    void text9KeepsLastFallbackField();

private:
    QString current() const { return m_tables->words.text(u"tecken"_s); }
    DictionaryFixture::ProgramFolder m_folder;
    std::unique_ptr<DictionaryTables> m_tables;
};

void TestWordSearch::initTestCase()
{
    QVERIFY(m_folder.build(words(), kCharacters));
}

// Fresh record sources: every test starts on the first word.
void TestWordSearch::init()
{
    m_tables = std::make_unique<DictionaryTables>();
    QVERIFY(m_tables->open(m_folder.path()));
}

void TestWordSearch::englishFromStart_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("text9Field");
    QTest::newRow("in translation1") << u"water"_s << u"water"_s << u"translation1"_s;
    QTest::newRow("upper case finds the same") << u"WATER"_s << u"water"_s << u"translation1"_s;
    QTest::newRow("part of a word") << u"ate"_s << u"water"_s << u"translation1"_s;
    QTest::newRow("short text") << u"lt"_s << u"saltwater"_s << u"translation1"_s;
    // translation2 of a later word wins over translation5 of an earlier one
    QTest::newRow("falls back field by field") << u"fire"_s << u"fire2"_s << u"translation2"_s;
    QTest::newRow("fifth field") << u"chin"_s << u"fields125"_s << u"translation5"_s;
    QTest::newRow("star inside") << u"s*water"_s << u"saltwater"_s << u"translation1"_s;
    QTest::newRow("empty text finds a translation1") << u""_s << u"water"_s << u"translation1"_s;
    QTest::newRow("nowhere") << u"earth"_s << u"water4"_s << u"translation10"_s;
    QTest::newRow("quote is not found") << u"it's"_s << u"water4"_s << u"translation10"_s;
}

void TestWordSearch::englishFromStart()
{
    QFETCH(QString, text);
    QFETCH(QString, found);
    QFETCH(QString, text9Field);
    // From the last word: every step of the fallback starts from the top again.
    m_tables->words.findFirst(u"tecken ='water4'"_s);
    WordSearch search(*m_tables);
    const WordSearchResult result = search.english(text, WordSearch::FromStart, {});
    QCOMPARE(current(), found);
    QCOMPARE(result.found, found != u"water4");
    QCOMPARE(result.text9Field, text9Field);
}

void TestWordSearch::englishOnwards()
{
    WordSearch search(*m_tables);
    QStringList shown;
    search.english(u"water"_s, WordSearch::FromStart, {});
    for (int press = 0; press < 7; ++press) {
        shown << current();
        search.english(u"water"_s, WordSearch::Onwards, {});
    }
    // translation1 to the end, then translation2 after the current word, and so on (water3
    // comes before water2, so its translation3 is passed by); once nothing follows, the last
    // word stays.
    QCOMPARE(shown, (QStringList{u"water"_s, u"Water"_s, u"saltwater"_s, u"water2"_s, u"water4"_s,
                                 u"water4"_s, u"water4"_s}));
}

void TestWordSearch::englishExactThenFallback()
{
    WordSearch search(*m_tables);
    QStringList shown, fields;
    for (int press = 0; press < 5; ++press) {
        const WordSearchResult result = search.english(u"water"_s, WordSearch::Exact, {});
        shown << current();
        fields << result.text9Field;
    }
    QCOMPARE(shown, (QStringList{u"water"_s, u"Water"_s, u"water2"_s, u"water4"_s, u"water4"_s}));
    QCOMPARE(fields, (QStringList{u"translation1"_s, u"translation1"_s, u"translation2"_s,
                                  u"translation4"_s, u"translation10"_s}));
    QVERIFY(search.exactSearchStarted());
}

void TestWordSearch::typingRestartsExactSearch()
{
    WordSearch search(*m_tables);
    search.english(u"water"_s, WordSearch::Exact, {});
    search.english(u"water"_s, WordSearch::Exact, {});
    QCOMPARE(current(), u"Water"_s);
    search.keyTyped();
    QVERIFY(!search.exactSearchStarted());
    search.english(u"water"_s, WordSearch::Exact, {});
    QCOMPARE(current(), u"water"_s);
}

void TestWordSearch::exactFlagIsShared()
{
    WordSearch search(*m_tables);
    search.pinyin(u"shui3 ni2"_s, WordSearch::Exact, {});
    QCOMPARE(current(), u"water2"_s);
    // Continues after water2 instead of starting from the top.
    search.english(u"water"_s, WordSearch::Exact, {});
    QCOMPARE(current(), u"water4"_s);
}

void TestWordSearch::pinyin_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("morePresses");
    QTest::addColumn<QString>("found");
    QTest::newRow("contains") << u"shui"_s << 0 << u"water"_s;
    QTest::newRow("upper case") << u"SHUI3"_s << 0 << u"water"_s;
    QTest::newRow("later syllable") << u"ni2"_s << 0 << u"water2"_s;
    QTest::newRow("search more") << u"shui3"_s << 2 << u"saltwater"_s;
    QTest::newRow("search more to the end") << u"shui3"_s << 9 << u"water4"_s;
    QTest::newRow("empty finds the first with a pinyin") << u""_s << 0 << u"water"_s;
    QTest::newRow("nowhere") << u"zzz"_s << 0 << u"blank"_s;
    QTest::newRow("quote") << u"shui'"_s << 0 << u"blank"_s;
}

void TestWordSearch::pinyin()
{
    QFETCH(QString, text);
    QFETCH(int, morePresses);
    QFETCH(QString, found);
    WordSearch search(*m_tables);
    search.pinyin(text, WordSearch::FromStart, {});
    for (int press = 0; press < morePresses; ++press)
        search.pinyin(text, WordSearch::Onwards, {});
    QCOMPARE(current(), found);
    QCOMPARE(search.text9Field(), u"translation1"_s);
}

void TestWordSearch::pinyinExact()
{
    WordSearch search(*m_tables);
    QStringList shown;
    for (int press = 0; press < 5; ++press) {
        search.pinyin(u"Shui3"_s, WordSearch::Exact, {});
        shown << current();
    }
    QCOMPARE(shown, (QStringList{u"water"_s, u"Water"_s, u"water3"_s, u"water4"_s, u"water4"_s}));
}

void TestWordSearch::notFoundKeepsWordAndShowsIt()
{
    WordSearch search(*m_tables);
    search.english(u"salt"_s, WordSearch::FromStart, {});
    const WordSearchResult result =
        search.english(u"nothing here"_s, WordSearch::FromStart, {true, true});
    QVERIFY(!result.found);
    QCOMPARE(current(), u"saltwater"_s);
    QCOMPARE(result.word.characters, u"鹹水"_s);
    QCOMPARE(result.word.radicalSlots.size(), 2);
    QCOMPARE(result.meaningsLine, u"salt water"_s);
    QCOMPARE(result.word.codeString, u"&H9E79&H6C34"_s);
}

void TestWordSearch::meaningsLineJoinsNonEmptyFields()
{
    WordSearch search(*m_tables);
    const WordSearchResult result = search.pinyin(u"zhong1"_s, WordSearch::Exact, {});
    QCOMPARE(result.meaningsLine, u"middle,   centre,   China"_s);
    QCOMPARE(result.word.characters, u"中"_s);
    m_tables->words.moveFirst();
    QCOMPARE(meaningsLine(m_tables->words), QString());
}

void TestWordSearch::text9KeepsLastFallbackField()
{
    WordSearch search(*m_tables);
    QCOMPARE(search.text9Field(), u"translation1"_s);
    search.english(u"river"_s, WordSearch::FromStart, {});
    QCOMPARE(search.text9Field(), u"translation2"_s);
    // Found in translation1: no fallback step, so Text9 stays on translation2.
    search.english(u"flame"_s, WordSearch::FromStart, {});
    QCOMPARE(search.text9Field(), u"translation2"_s);
    search.pinyin(u"shui"_s, WordSearch::FromStart, {});
    QCOMPARE(search.text9Field(), u"translation2"_s);
}

QTEST_GUILESS_MAIN(TestWordSearch)
#include "tst_wordsearch.moc"
