#include "dictionary/searchcriteria.h"
#include "dictionary/wordview.h"
#include "tests/dictionary/dictionaryfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using DictionaryFixture::character;

namespace {

// Record 1 (中) is the character record current when the stores open.
const QList<TestStores::Row> kCharacters = {
    character(u"&H4E2D"_s, u"2.3"_s),
    character(u"&H570B"_s, u"31.8"_s, {}, {}, {{u"forenklaform"_s, u"&H56FD"_s}}),
    character(u"&H56FD"_s, u"31.5"_s),
    character(u"&H6C34"_s, u"85.0"_s),
    character(u"&H8A9E"_s, u"149.7"_s, {}, {}, {{u"forenklaform"_s, u"&H8BED"_s}}),
    character(u"&H8BED"_s, u"149.7"_s),
    character(u"&H4E00"_s, u".1"_s),   // no radical number before the dot
    character(u"&H4E01"_s, u""_s),     // no radical key at all
    character(u"&H4E59"_s, u"215.1"_s) // no such radical
};

const QString kZhong = u"&H4E2D"_s;
const QString kGuo = u"&H570B"_s;
const QString kShui = u"&H6C34"_s;
const QString kYu = u"&H8A9E"_s;
const QString kNoRecord = u"&H5B57"_s; // 字

struct DisplayCase
{
    QString tag;
    QString codes;
    bool simplified = false;
    bool radicals = true;
    QString characters;
    QStringList keys;
    QStringList pictures;
    bool completed = true;
};

// Each case's word is in the word table under its tag (field tecken).
const QList<DisplayCase> &displayCases()
{
    const QString zhongGuo = kZhong + kGuo;
    static const QList<DisplayCase> cases = {
        {u"traditional"_s, zhongGuo, false, true, u"中國"_s, QStringList{u"2.3"_s, u"31.8"_s},
         QStringList{u"r002.gif"_s, u"r031.gif"_s}, true},
        {u"simplified keeps the looked-up radical"_s, zhongGuo, true, true, u"中国"_s,
         QStringList{u"2.3"_s, u"31.8"_s}, QStringList{u"r002.gif"_s, u"r031.gif"_s}, true},
        {u"149.7 traditional"_s, kYu, false, true, u"語"_s, QStringList{u"149.7"_s},
         QStringList{u"r149.gif"_s}, true},
        {u"149.7 simplified"_s, kYu, true, true, u"语"_s, QStringList{u"149.7"_s},
         QStringList{u"rs149.gif"_s}, true},
        {u"no simplified form, traditional"_s, kShui, false, true, u"水"_s, QStringList{u"85.0"_s},
         QStringList{u"r085.gif"_s}, true},
        {u"no simplified form, simplified"_s, kShui, true, true, u"水"_s, QStringList{u"85.0"_s},
         QStringList{u"r085.gif"_s}, true},
        {u"no radicals"_s, zhongGuo + kShui, false, false, u"中國水"_s, QStringList{},
         QStringList{}, true},
        {u"no radicals, keys not read"_s, kZhong + u"&H4E00&H4E01&H4E59"_s, true, false,
         u"中一丁乙"_s, QStringList{}, QStringList{}, true},
        {u"eleventh character shown without a slot"_s, kZhong.repeated(10) + kShui, false, true,
         u"中中中中中中中中中中水"_s, QStringList(10, u"2.3"_s), QStringList(10, u"r002.gif"_s),
         true},
        {u"eleventh character, its key not read"_s, kZhong.repeated(10) + u"&H4E00"_s, false, true,
         u"中中中中中中中中中中一"_s, QStringList(10, u"2.3"_s), QStringList(10, u"r002.gif"_s),
         true},
        {u"key without radical number ends the display"_s, kZhong + u"&H4E00"_s + kShui, false,
         true, u"中一"_s, QStringList{u"2.3"_s}, QStringList{u"r002.gif"_s}, false},
        {u"empty key ends the display"_s, kZhong + u"&H4E01"_s + kShui, true, true, u"中丁"_s,
         QStringList{u"2.3"_s}, QStringList{u"r002.gif"_s}, false},
        {u"radical 215 ends the display"_s, u"&H4E59"_s, false, true, u"乙"_s, QStringList{},
         QStringList{}, false},
        {u"code without record takes the current radical"_s, kShui + kNoRecord, false, true,
         u"水字"_s, QStringList{u"85.0"_s, u"85.0"_s}, QStringList{u"r085.gif"_s, u"r085.gif"_s},
         true},
        {u"code without record first"_s, kNoRecord, false, true, u"字"_s, QStringList{u"2.3"_s},
         QStringList{u"r002.gif"_s}, true},
        {u"code without record is not simplified"_s, kGuo + kNoRecord, true, true, u"国字"_s,
         QStringList{u"31.8"_s, u"31.8"_s}, QStringList{u"r031.gif"_s, u"r031.gif"_s}, true},
        {u"short final piece skipped"_s, kZhong + u"&H57"_s, false, true, u"中"_s,
         QStringList{u"2.3"_s}, QStringList{u"r002.gif"_s}, true},
        {u"piece that is no code skipped"_s, u"&HZZZZ"_s + kShui, false, true, u"水"_s,
         QStringList{u"85.0"_s}, QStringList{u"r085.gif"_s}, true},
        {u"lower-case code"_s, u"&h6c34"_s, false, true, u"水"_s, QStringList{u"85.0"_s},
         QStringList{u"r085.gif"_s}, true},
        {u"blanks around the code string"_s, u"  "_s + kShui + u" "_s, false, true, u"水"_s,
         QStringList{u"85.0"_s}, QStringList{u"r085.gif"_s}, true},
        {u"empty code string"_s, u""_s, false, true, u""_s, QStringList{}, QStringList{}, true},
        {u"no code string"_s, QString(), true, true, u""_s, QStringList{}, QStringList{}, true},
    };
    return cases;
}

} // namespace

Q_DECLARE_METATYPE(DisplayCase)

class TestWordView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void display_data();
    void display();
    void simplifiedDisplayMovesSecondCursor();
    void characterTableEndsOnLastCharacter();

private:
    DictionaryFixture::ProgramFolder m_folder;
    std::unique_ptr<DictionaryTables> m_tables;
};

void TestWordView::initTestCase()
{
    QList<TestStores::Row> words;
    for (const DisplayCase &c : displayCases()) {
        TestStores::Row row = DictionaryFixture::word(c.codes, u"zhong1 guo2"_s);
        row.insert(u"tecken"_s, c.tag);
        words << row;
    }
    words << DictionaryFixture::word(kGuo, u"guo2"_s)
          << DictionaryFixture::word(kYu + kShui + u"&H4E"_s, u""_s);
    QVERIFY(m_folder.build(words, kCharacters));
}

void TestWordView::init()
{
    m_tables = std::make_unique<DictionaryTables>();
    QVERIFY(m_tables->open(m_folder.path()));
}

void TestWordView::display_data()
{
    QTest::addColumn<DisplayCase>("expected");
    for (const DisplayCase &c : displayCases())
        QTest::newRow(qPrintable(c.tag)) << c;
}

void TestWordView::display()
{
    QFETCH(DisplayCase, expected);
    DictionaryTables &tables = *m_tables;
    tables.words.findFirst(u"tecken ='"_s + expected.tag + u"'"_s);
    QVERIFY(!tables.words.noMatch());

    const WordView view = showWord(tables, {expected.simplified, expected.radicals});
    QCOMPARE(view.characters, expected.characters);
    QStringList keys, pictures;
    for (const RadicalSlot &slot : view.radicalSlots) {
        keys << slot.key;
        pictures << slot.pictureFile;
        QCOMPARE(slot.radical, slot.key.section(u'.', 0, 0).toInt());
        QCOMPARE(slot.traditionalForm, !expected.simplified && slot.radical == 149 ? 3 : 0);
    }
    QCOMPARE(keys, expected.keys);
    QCOMPARE(pictures, expected.pictures);
    QCOMPARE(view.completed, expected.completed);
    QCOMPARE(view.codeString, expected.completed ? expected.codes : QString());
    QCOMPARE(view.pinyin, expected.completed ? u"zhong1 guo2"_s : QString());
}

void TestWordView::simplifiedDisplayMovesSecondCursor()
{
    DictionaryTables &tables = *m_tables;
    tables.words.findFirst(u"pinyin ='guo2'"_s);
    showWordTraditional(tables);
    QCOMPARE(tables.characters2.currentRowId(), 1);
    showWordSimplified(tables);
    QCOMPARE(tables.characters2.text(u"teckenkod"_s), u"&H56FD"_s);
    QCOMPARE(tables.characters2.text(u"kinesisktradikal"_s), u"31.5"_s);
}

void TestWordView::characterTableEndsOnLastCharacter()
{
    DictionaryTables &tables = *m_tables;
    tables.words.findFirst(SearchCriteria::wordCodes(kYu + kShui + u"&H4E"_s));
    QVERIFY(!tables.words.noMatch());
    showWordSimplified(tables, false);
    QCOMPARE(tables.characters.text(u"teckenkod"_s), kShui);
}

QTEST_GUILESS_MAIN(TestWordView)
#include "tst_wordview.moc"
