#include "dictionary/searchcriteria.h"
#include "dictionary/wordrecord.h"
#include "dictionary/wordsearch.h"
#include "tests/dictionary/dictionaryfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using DictionaryFixture::word;

// Rowid order is search order. Each word's tecken field names it, so the tests read which word
// is current.
static QList<TestStores::Row> words()
{
    const auto named = [](const QString &name, TestStores::Row row) {
        row.insert(u"tecken"_s, name);
        return row;
    };
    return {
        named(u"blank"_s, {}),
        named(u"water"_s, word(u"&H6C34"_s, u"shui3"_s, {u"water"_s, u"river"_s})),
        named(u"fire5"_s, word(u"&H706B"_s, u"huo3"_s, {u"a"_s, {}, {}, {}, u"fire"_s})),
        named(u"Water"_s, word(u"&H6C34"_s, u"shui3"_s, {u"Water"_s})),
        named(u"saltwater"_s, word(u"&H9E79&H6C34"_s, u"xian2 shui3"_s, {u"salt water"_s})),
        named(u"fire2"_s, word(u"&H706B"_s, u"huo3"_s, {u"flame"_s, u"fire"_s})),
        named(u"water3"_s, word(u"&H6C34"_s, u"Shui3"_s, {u"h2o"_s, u"aqua"_s, u"water"_s})),
        named(u"water2"_s, word(u"&H6C34"_s, u"shui3 ni2"_s, {u"aqua"_s, u"water"_s})),
        named(u"fields125"_s,
              word(u"&H4E2D"_s, u"zhong1"_s, {u"middle"_s, u"centre"_s, {}, {}, u"China"_s})),
        named(u"water4"_s, word(u"&H6C34"_s, u"shui3"_s, {u"x"_s, u"y"_s, u"z"_s, u"water"_s})),
    };
}

class TestWordSearch : public QObject
{
    Q_OBJECT

    DictionaryFixture::ProgramFolder m_folder;
    std::unique_ptr<DictionaryTables> m_tables;
    std::unique_ptr<WordSearch> m_search;

    QString current() const { return m_tables->words.text(u"tecken"_s); }
    // The word shown after each of count presses.
    QStringList presses(int count, const std::function<void()> &press)
    {
        QStringList shown;
        for (int i = 0; i < count; ++i) {
            press();
            shown << current();
        }
        return shown;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.build(words(), {DictionaryFixture::character(u"&H6C34"_s, u"85.0"_s)}));
    }

    // Fresh record sources: every test starts on the first word.
    void init()
    {
        m_tables = std::make_unique<DictionaryTables>();
        QVERIFY(m_tables->open(m_folder.path()));
        m_search = std::make_unique<WordSearch>(*m_tables);
    }

    void englishFromStart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("text9Field");
        QTest::newRow("upper case, part of a word") << u"ATE"_s << u"water"_s << u"translation1"_s;
        // translation2 of a later word wins over translation5 of an earlier one
        QTest::newRow("falls back field by field") << u"fire"_s << u"fire2"_s << u"translation2"_s;
        QTest::newRow("fifth field") << u"chin"_s << u"fields125"_s << u"translation5"_s;
        QTest::newRow("star inside") << u"s*water"_s << u"saltwater"_s << u"translation1"_s;
        QTest::newRow("nowhere") << u"earth"_s << u"water4"_s << u"translation10"_s;
        QTest::newRow("quote is not found") << u"it's"_s << u"water4"_s << u"translation10"_s;
    }

    void englishFromStart()
    {
        QFETCH(QString, text);
        QFETCH(QString, found);
        QFETCH(QString, text9Field);
        // From the last word: every step of the fallback starts from the top again.
        m_tables->words.findFirst(u"tecken ='water4'"_s);
        const WordSearchResult result = m_search->english(text, WordSearch::FromStart, {});
        QCOMPARE(current(), found);
        QCOMPARE(result.found, found != u"water4");
        QCOMPARE(result.text9Field, text9Field);
    }

    void englishOnwards()
    {
        m_search->english(u"water"_s, WordSearch::FromStart, {});
        // translation1 to the end, then translation2 after the current word, and so on (water3
        // comes before water2, so its translation3 is passed by); at the end the last word stays.
        QCOMPARE(presses(5, [&] { m_search->english(u"water"_s, WordSearch::Onwards, {}); }),
                 (QStringList{u"Water"_s, u"saltwater"_s, u"water2"_s, u"water4"_s, u"water4"_s}));
    }

    void englishExact()
    {
        QStringList fields;
        QCOMPARE(presses(5,
                         [&] {
                             fields
                                 << m_search->english(u"water"_s, WordSearch::Exact, {}).text9Field;
                         }),
                 (QStringList{u"water"_s, u"Water"_s, u"water2"_s, u"water4"_s, u"water4"_s}));
        QCOMPARE(fields, (QStringList{u"translation1"_s, u"translation1"_s, u"translation2"_s,
                                      u"translation4"_s, u"translation10"_s}));
        // Found in translation1 later: Text9 keeps the field of the last fallback step.
        m_search->english(u"flame"_s, WordSearch::FromStart, {});
        QCOMPARE(m_search->text9Field(), u"translation10"_s);
    }

    void pinyin()
    {
        QCOMPARE(presses(5, [&] { m_search->pinyin(u"Shui3"_s, WordSearch::Exact, {}); }),
                 (QStringList{u"water"_s, u"Water"_s, u"water3"_s, u"water4"_s, u"water4"_s}));
        m_search->keyTyped();
        QCOMPARE(presses(3, [&] { m_search->pinyin(u"HUI3"_s, WordSearch::FromStart, {}); }),
                 (QStringList{u"water"_s, u"water"_s, u"water"_s}));
        QCOMPARE(presses(2, [&] { m_search->pinyin(u"shui3"_s, WordSearch::Onwards, {}); }),
                 (QStringList{u"Water"_s, u"saltwater"_s}));
        m_search->pinyin(u"ni2"_s, WordSearch::FromStart, {});
        QCOMPARE(current(), u"water2"_s);
        m_search->pinyin(u"shui'"_s, WordSearch::FromStart, {});
        QCOMPARE(current(), u"water2"_s);
        QCOMPARE(m_search->text9Field(), u"translation1"_s);
    }

    void exactSearchRestartsOnTyping()
    {
        m_search->pinyin(u"shui3 ni2"_s, WordSearch::Exact, {});
        QCOMPARE(current(), u"water2"_s);
        // The exact flag is shared: English goes on after water2 instead of from the top.
        m_search->english(u"water"_s, WordSearch::Exact, {});
        QCOMPARE(current(), u"water4"_s);
        m_search->keyTyped();
        m_search->english(u"water"_s, WordSearch::Exact, {});
        QCOMPARE(current(), u"water"_s);
    }

    void notFoundKeepsWordAndShowsIt()
    {
        m_search->english(u"salt"_s, WordSearch::FromStart, {});
        const WordSearchResult result =
            m_search->english(u"nothing here"_s, WordSearch::FromStart, {true, true});
        QVERIFY(!result.found);
        QCOMPARE(current(), u"saltwater"_s);
        QCOMPARE(result.word.characters, u"鹹水"_s);
        QCOMPARE(result.meaningsLine, u"salt water"_s);
        QCOMPARE(m_search->pinyin(u"zhong1"_s, WordSearch::Exact, {}).meaningsLine,
                 u"middle,   centre,   China"_s);
    }

    void wordRecords()
    {
        const Criteria codes = *SearchCriteria::wordCodes(u"&H6C34"_s);
        const QList<WordRecord> first = WordRecord::find(m_tables->words, codes, -1, 3);
        QCOMPARE(first.size(), 3);
        QCOMPARE(first.last().characters, u"water3"_s);
        const QList<WordRecord> rest =
            WordRecord::find(m_tables->words, codes, first.last().rowId, 9);
        QCOMPARE(rest.size(), 2);
        const WordRecord &water2 = rest.first();
        QCOMPARE(water2.characters, u"water2"_s);
        QCOMPARE(water2.codeString, u"&H6C34"_s);
        QCOMPARE(water2.pinyin, u"shui3 ni2"_s);
        QCOMPARE(water2.translations.size(), Tables::translationCount);
        QCOMPARE(water2.translations.mid(0, 3), (QStringList{u"aqua"_s, u"water"_s, QString()}));
        QCOMPARE(m_tables->words.currentRowId(), 1); // the bound cursor did not move
    }
};

QTEST_GUILESS_MAIN(TestWordSearch)
#include "tst_wordsearch.moc"
