#include "dictionary/tables.h"
#include "handwriting/candidateoffer.h"
#include "handwriting/characterentry.h"
#include "tests/dictionary/dictionaryfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using DictionaryFixture::character;
using DictionaryFixture::word;

// A character picked by hand, looked up in tiny stores: its entry in the word table, and
// the rules that filter and complete the candidates.
class TestCharacterEntry : public QObject
{
    Q_OBJECT

    DictionaryFixture::ProgramFolder m_folder;
    DictionaryTables m_tables;

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.build({word(u"&H6C34"_s, u"Shui3"_s, {u"surname Shui"_s}),
                                word(u"&H6C34"_s, u"shui3"_s, {u"water"_s}),
                                word(u"&H9580"_s, u"men2"_s, {u"gate"_s}),
                                word(u"&H4EBA"_s, u"ren2"_s, {u"person"_s}),
                                word(u"&H738B"_s, u"Wang2"_s, {u"surname Wang"_s})},
                               {character(u"&H6C34"_s, u"85.0"_s, u"shui3"_s, {u"water"_s}),
                                character(u"&H9580"_s, u"169.0"_s, u"men2"_s, {u"gate"_s},
                                          {{CharacterField::forenklaform, u"&H95E8"_s}}),
                                character(u"&H95E8"_s, u"169.0"_s, u"men2"_s, {u"gate"_s},
                                          {{CharacterField::traditionellform, u"&H9580"_s}}),
                                character(u"&H6C38"_s, u"85.1"_s, u"yong3"_s, {u"forever"_s})}));
        QVERIFY(m_tables.open(m_folder.path()));
    }

    void lookUp_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<bool>("simplified");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("meanings");
        QTest::newRow("lower-case entry before the surname")
            << u"水"_s << false << true << u"水"_s << u"water"_s;
        QTest::newRow("simplified, under its traditional entry")
            << u"门"_s << true << true << u"门"_s << u"gate"_s;
        QTest::newRow("simplified, traditional display")
            << u"门"_s << false << true << u"門"_s << u"gate"_s;
        QTest::newRow("only entry is a surname")
            << u"王"_s << false << true << u"王"_s << u"surname Wang"_s;
        QTest::newRow("word table only") << u"人"_s << false << true << u"人"_s << u"person"_s;
        QTest::newRow("character table only") << u"永"_s << false << false << u"永"_s << QString();
        QTest::newRow("in no store") << u"龍"_s << false << false << u"龍"_s << QString();
    }
    void lookUp()
    {
        QFETCH(QString, character);
        QFETCH(bool, simplified);
        const WordSearchResult result =
            CharacterEntry::lookUp(m_tables, character, {simplified, true});
        QTEST(result.found, "found");
        QTEST(result.word.characters, "shown");
        QTEST(result.meaningsLine, "meanings");
    }

    void rules_data()
    {
        QTest::addColumn<QString>("ranking"); // characters, split at blanks
        QTest::addColumn<bool>("traditional");
        QTest::addColumn<QString>("offered");
        QTest::newRow("unknown dropped") << u"龍 水"_s << false << u"水"_s;
        QTest::newRow("word table only is known") << u"人"_s << false << u"人"_s;
        QTest::newRow("traditional table adds the traditional form")
            << u"门 水"_s << true << u"门 門 水"_s;
        QTest::newRow("simplified table adds the simplified form")
            << u"門"_s << false << u"門 门"_s;
        QTest::newRow("already in the table's form") << u"門"_s << true << u"門"_s;
    }
    void rules()
    {
        QFETCH(QString, ranking);
        QFETCH(bool, traditional);
        QList<HandwritingCandidate> candidates;
        for (const QString &c : ranking.split(u' '))
            candidates.append({c, 1.0});
        StoreCandidateRules rules(m_tables.characters, m_tables.words);
        QTEST(offerCandidates(candidates, 10, rules.rules(traditional)).join(u' '), "offered");
    }
};

QTEST_GUILESS_MAIN(TestCharacterEntry)
#include "tst_characterentry.moc"
