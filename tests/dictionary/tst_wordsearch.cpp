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
        row.insert(WordField::tecken, name);
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
        named(u"water4"_s, word(u"&H6C34"_s, u"shui3"_s, {u"x"_s, u"y"_s, u"z"_s, u"water"_s})),
        named(u"downs"_s,
              word(u"&H5510&H6C0F"_s, u"Tang2 shi4"_s, {u"trisomy 21"_s, u"Down's syndrome"_s})),
    };
}

class TestWordSearch : public QObject
{
    Q_OBJECT

    DictionaryFixture::ProgramFolder m_folder;
    std::unique_ptr<DictionaryTables> m_tables;
    std::unique_ptr<WordSearch> m_search;

    QString current() const { return m_tables->words.text(WordField::tecken); }

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
        QTest::newRow("upper case, part of a word")
            << u"ATE"_s << u"water"_s << WordField::translation(1);
        // translation2 of a later word wins over translation5 of an earlier one
        QTest::newRow("falls back field by field")
            << u"fire"_s << u"fire2"_s << WordField::translation(2);
        QTest::newRow("star inside") << u"s*water"_s << u"saltwater"_s << WordField::translation(1);
        QTest::newRow("nowhere") << u"earth"_s << u"water4"_s << WordField::translation(10);
        QTest::newRow("apostrophe") << u"Down's"_s << u"downs"_s << WordField::translation(2);
        // A pasted page: its first words are in a translation, the rest are not.
        QTest::newRow("pasted page, no match")
            << u"salt water "_s.repeated(3000) << u"water4"_s << WordField::translation(10);
    }

    void englishFromStart()
    {
        QFETCH(QString, text);
        QFETCH(QString, found);
        // From the last word: every step of the fallback starts from the top again.
        m_tables->words.findFirst(
            Criteria{WordField::tecken, Criteria::Operator::Equals, u"water4"_s});
        const WordSearchResult result = m_search->english(text, WordSearch::FromStart, {});
        QCOMPARE(current(), found);
        QCOMPARE(result.found, found != u"water4");
        QTEST(result.text9Field, "text9Field");
    }

    void englishOnwards()
    {
        m_search->english(u"water"_s, WordSearch::FromStart, {});
        // translation1 to the end, then translation2 after the current word, and so on (water3
        // comes before water2, so its translation3 is passed by); at the end the last word stays.
        QStringList shown;
        for (int press = 0; press < 5; ++press) {
            m_search->english(u"water"_s, WordSearch::Onwards, {});
            shown << current();
        }
        QCOMPARE(shown,
                 (QStringList{u"Water"_s, u"saltwater"_s, u"water2"_s, u"water4"_s, u"water4"_s}));
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
