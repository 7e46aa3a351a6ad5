// Checks on the real stores of the program folder; skipped until the data build has run.

#include "dictionary/charactercode.h"
#include "dictionary/characterlist.h"
#include "dictionary/readinglist.h"
#include "dictionary/searchcriteria.h"
#include "dictionary/wordsearch.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDictionaryRealData : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void indexedSearchFindsWhatAScanFinds_data();
    void indexedSearchFindsWhatAScanFinds();
    void wordDisplay();
    void radicalListHoldsOnlyItsRadical();
    void mandarinReadings();

private:
    QStringList walk(const QString &text, bool english, bool indexed);
    std::unique_ptr<DictionaryTables> m_tables;
};

void TestDictionaryRealData::initTestCase()
{
    const QString folder = QStringLiteral(ORDBOK_PROGRAM_DIR);
    for (QLatin1StringView store : {Tables::wordStore, Tables::characterStore, Tables::codeStore}) {
        if (!QFile::exists(Tables::storePath(folder, store)))
            QSKIP("the program folder has no stores yet (build ordbok_data)");
    }
}

void TestDictionaryRealData::init()
{
    m_tables = std::make_unique<DictionaryTables>();
    QVERIFY(m_tables->open(QStringLiteral(ORDBOK_PROGRAM_DIR)));
}

// Enter, then "Search more" twice: the records shown and the field Text9 shows.
QStringList TestDictionaryRealData::walk(const QString &text, bool english, bool indexed)
{
    m_tables->words.setSearchIndexEnabled(indexed);
    m_tables->words.moveFirst();
    WordSearch search(*m_tables);
    QStringList shown;
    for (int press = 0; press < 3; ++press) {
        const WordSearch::Kind kind = press == 0 ? WordSearch::FromStart : WordSearch::Onwards;
        const bool found = english ? search.findEnglish(text, kind) : search.findPinyin(text, kind);
        shown << u"%1 %2 %3"_s.arg(found)
                     .arg(m_tables->words.currentRowId())
                     .arg(search.text9Field());
    }
    m_tables->words.setSearchIndexEnabled(true);
    return shown;
}

void TestDictionaryRealData::indexedSearchFindsWhatAScanFinds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("english");
    QTest::newRow("water") << u"water"_s << true;
    QTest::newRow("Water") << u"Water"_s << true;
    QTest::newRow("late field") << u"into space"_s << true;
    QTest::newRow("nowhere") << u"definately"_s << true;
    QTest::newRow("abbreviation") << u"(abbr.)"_s << true;
    QTest::newRow("percent") << u"100%"_s << true;
    QTest::newRow("underscore") << u"a_b"_s << true;
    QTest::newRow("wildcards") << u"wat*r?"_s << true;
    QTest::newRow("short") << u"ox"_s << true;
    QTest::newRow("accented") << u"Wǎ"_s << true;
    QTest::newRow("accented, longer") << u"Yúnnán"_s << true;
    QTest::newRow("quote") << u"o'clock"_s << true;
    QTest::newRow("pinyin") << u"shui3"_s << false;
    QTest::newRow("pinyin, upper case") << u"Zhong1 guo2"_s << false;
    QTest::newRow("pinyin, ü") << u"lu:4"_s << false;
}

void TestDictionaryRealData::indexedSearchFindsWhatAScanFinds()
{
    QFETCH(QString, text);
    QFETCH(bool, english);
    QVERIFY(m_tables->words.usesSearchIndex());
    QCOMPARE(walk(text, english, true), walk(text, english, false));
}

void TestDictionaryRealData::wordDisplay()
{
    m_tables->words.findFirst(SearchCriteria::wordCodes(CharacterCode::codeString(u"中國")));
    QVERIFY(!m_tables->words.noMatch());
    const WordView traditional = showWordTraditional(*m_tables);
    QCOMPARE(traditional.characters, u"中國"_s);
    QCOMPARE(traditional.radicalSlots.size(), 2);
    QCOMPARE(traditional.radicalSlots.at(0).key, u"2.3"_s);
    QCOMPARE(traditional.radicalSlots.at(1).key, u"31.8"_s);
    QVERIFY(traditional.completed);
    QCOMPARE(showWordSimplified(*m_tables).characters, u"中国"_s);
}

// Listed in one pass, counted by FindFirst and FindNext: the two walks agree, and every
// listed character's key begins with "30.".
void TestDictionaryRealData::radicalListHoldsOnlyItsRadical()
{
    RecordSource &characters = m_tables->characters;
    const CharacterList list = CharacterLists::byRadicalNumber(characters, u"30"_s);
    const QString criteria = SearchCriteria::radicalNumber(u"30"_s);
    int walked = 0;
    for (characters.findFirst(criteria); !characters.noMatch(); characters.findNext(criteria))
        ++walked;
    QCOMPARE(list.count, walked);
    const QStringList lines = list.text.split(u"\r\n"_s, Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 100);
    QVERIFY(lines.size() <= list.count);
    RecordSource &lookup = m_tables->characters2;
    for (const QString &line : lines) {
        lookup.findFirst(SearchCriteria::characterCode(CharacterCode::fromCharacter(line.at(0))));
        QVERIFY2(lookup.text(u"kinesisktradikal"_s).startsWith(u"30."_s), qPrintable(line));
    }
}

void TestDictionaryRealData::mandarinReadings()
{
    const ReadingList list =
        readingList(*m_tables, Reading::Mandarin, CharacterCode::codeString(u"中國"), true);
    const QStringList lines = list.text.split(u"\r\n"_s, Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).startsWith(u"中,  zhong1, "_s));
    QVERIFY(lines.at(1).startsWith(u"国,  guo2, "_s));
    QCOMPARE(list.characters, u"中国"_s);
}

QTEST_GUILESS_MAIN(TestDictionaryRealData)
#include "tst_dictionaryrealdata.moc"
