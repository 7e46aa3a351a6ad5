#include "dictionary/readinglist.h"
#include "dictionary/wordview.h"
#include "tests/dictionary/dictionaryfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using DictionaryFixture::character;

namespace {

const QString kZhong = u"&H4E2D"_s;
const QString kGuo = u"&H570B"_s;
const QString kShui = u"&H6C34"_s;
const QString kYu = u"&H8A9E"_s;
const QString kNoRecord = u"&H5B57"_s; // 字

struct Case
{
    const char *tag;
    QString codes;
    bool simplified;
    bool radicals;
    QString characters;
    QString slotList; // key:picture of each radical slot, r002 for r002.gif
    bool completed;
};

// Each case's word is in the word table, in this order.
// clang-format off
const QList<Case> kCases = {
    {"no radicals, keys not read", kZhong + u"&H4E00&H4E01&H4E59"_s, true, false, u"中一丁乙"_s,
     {}, true},
    {"149.7 traditional", kYu, false, true, u"語"_s, u"149.7:r149"_s, true},
    {"149.7 simplified", kYu, true, true, u"语"_s, u"149.7:rs149"_s, true},
    {"key without radical number ends the display", kZhong + u"&H4E00"_s + kShui, false, true,
     u"中一"_s, u"2.3:r002"_s, false},
    {"radical 215 ends the display", u"&H4E59"_s, false, true, u"乙"_s, {}, false},
    {"code without record takes the current radical", kShui + kNoRecord, false, true, u"水字"_s,
     u"85.0:r085 85.0:r085"_s, true},
    {"code without record is not simplified", kGuo + kNoRecord, true, true, u"国字"_s,
     u"31.8:r031 31.8:r031"_s, true},
    {"pieces that are no code skipped", u"&HZZZZ"_s + kShui + u"&H57"_s, false, true, u"水"_s,
     u"85.0:r085"_s, true},
    {"lower case, blanks around", u" &h6c34 "_s, false, true, u"水"_s, u"85.0:r085"_s, true},
    {"empty code string", u""_s, false, true, u""_s, {}, true},
};
// clang-format on

} // namespace

class TestWordView : public QObject
{
    Q_OBJECT

    DictionaryFixture::ProgramFolder m_folder;
    std::unique_ptr<DictionaryTables> m_tables;

private slots:
    void initTestCase()
    {
        QList<TestStores::Row> words;
        for (const Case &c : kCases)
            words << DictionaryFixture::word(c.codes, u"zhong1 guo2"_s);
        // Record 1 (中) is the character record current when the stores open.
        QVERIFY(m_folder.build(
            words,
            {character(kZhong, u"2.3"_s, u"zhong1"_s, {u"middle"_s, u"centre"_s},
                       {{CharacterField::kantonesiska(1), u"zung1"_s},
                        {CharacterField::japanskkun(1), u"naka"_s},
                        {CharacterField::japanskkun(2), u"uchi"_s},
                        {CharacterField::japanskkun(3), u"ataru"_s},
                        {CharacterField::koreanska(1), u"중"_s},
                        {CharacterField::koreanska(3), u"jung"_s}}),
             character(kGuo, u"31.8"_s, u"guo2"_s, {u"country"_s},
                       {{CharacterField::forenklaform, u"&H56FD"_s},
                        {CharacterField::kantonesiska(1), u"gwok3"_s},
                        {CharacterField::kantonesiska(2), u"gwok8"_s},
                        {CharacterField::kantonesiska(3), u"gok3"_s}}),
             character(u"&H56FD"_s, u"31.5"_s), character(kShui, u"85.0"_s),
             character(kYu, u"149.7"_s, {}, {}, {{CharacterField::forenklaform, u"&H8BED"_s}}),
             character(u"&H8BED"_s, u"149.7"_s),
             character(u"&H4E00"_s, u".1"_s),       // no radical number before the dot
             character(u"&H4E01"_s, u""_s),         // no radical key at all
             character(u"&H4E59"_s, u"215.1"_s)})); // no such radical
    }

    void init()
    {
        m_tables = std::make_unique<DictionaryTables>();
        QVERIFY(m_tables->open(m_folder.path()));
    }

    void display_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < kCases.size(); ++i)
            QTest::newRow(kCases[i].tag) << i;
    }

    void display()
    {
        QFETCH(int, index);
        const Case &expected = kCases[index];
        DictionaryTables &tables = *m_tables;
        const Criteria pinyinIsZhongGuo{WordField::pinyin, Criteria::Operator::Equals,
                                        u"zhong1 guo2"_s};
        tables.words.findFirst(pinyinIsZhongGuo);
        for (int i = 0; i < index; ++i)
            tables.words.findNext(pinyinIsZhongGuo);
        const WordView view = showWord(tables, {expected.simplified, expected.radicals});
        QCOMPARE(view.characters, expected.characters);
        QStringList shown;
        for (const RadicalSlot &slot : view.radicalSlots) {
            shown << slot.key + u':' + slot.pictureFile.chopped(4);
            QCOMPARE(slot.radical, slot.key.section(u'.', 0, 0).toInt());
            QCOMPARE(slot.traditionalForm, !expected.simplified && slot.radical == 149 ? 3 : 0);
        }
        QCOMPARE(shown.join(u' '), expected.slotList);
        QCOMPARE(view.completed, expected.completed);
        QCOMPARE(view.codeString, expected.completed ? expected.codes : QString());
        QCOMPARE(view.pinyin, expected.completed ? u"zhong1 guo2"_s : QString());
    }

    // "Translate all to:" lists the word of Text20, here 中國 unless said otherwise.
    void readings_data()
    {
        QTest::addColumn<int>("reading");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<bool>("simplified");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("characters");
        const auto row = [](const char *tag, Reading reading, const QString &codes, bool simplified,
                            const QString &text, const QString &characters) {
            QTest::newRow(tag) << int(reading) << codes << simplified << text << characters;
        };
        row("Cantonese, one reading and three", Reading::Cantonese, kZhong + kGuo, true,
            u"中,  zung1, \r\n國,  gwok3, gwok8, gok3, \r\n"_s, u"中國"_s);
        row("kun, two readings at most", Reading::JapaneseKun, kZhong + kGuo, false,
            u"中,  naka, uchi, \r\n國,  , \r\n"_s, u"中國"_s);
        row("Korean, gap skipped, blanks around", Reading::Korean, u" &H4E2D "_s, false,
            u"中,  중, jung, \r\n"_s, u"中"_s);
        row("pieces that are no code skipped", Reading::Cantonese, u"&H4E2DH4E2D&&H57"_s, false,
            u"中,  zung1, \r\n"_s, u"中"_s);
        row("code without record keeps the current readings", Reading::Cantonese, kGuo + kNoRecord,
            false, u"國,  gwok3, gwok8, gok3, \r\n字,  gwok3, gwok8, gok3, \r\n"_s, u"國字"_s);
        row("Mandarin, code without record is not simplified", Reading::Mandarin, kGuo + kNoRecord,
            true, u"国,  guó, country, \r\n字,  guó, country, \r\n"_s, u"国字"_s);
        row("no word, nothing listed", Reading::Mandarin, QString(), true, QString(), QString());
    }

    void readings()
    {
        QFETCH(int, reading);
        QFETCH(QString, codes);
        QFETCH(bool, simplified);
        const ReadingList list = readingList(*m_tables, Reading(reading), codes, simplified);
        QCOMPARE(list.ran, !codes.isEmpty());
        QTEST(list.text, "text");
        QTEST(list.characters, "characters");
        // Mandarin leaves Text12 be; the others hand over the current word's pinyin.
        QCOMPARE(list.pinyin.value_or(u"none"_s),
                 Reading(reading) == Reading::Mandarin ? u"none"_s : u"zhong1 guo2"_s);
        QCOMPARE(m_tables->words.currentRowId(), 1); // the word table does not move
    }
};

QTEST_GUILESS_MAIN(TestWordView)
#include "tst_wordview.moc"
