#include "dictionary/readinglist.h"
#include "tests/dictionary/dictionaryfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using DictionaryFixture::character;

Q_DECLARE_METATYPE(Reading)

namespace {

const QList<TestStores::Row> kCharacters = {
    character(u"&H4E2D"_s, u"2.3"_s, u"zhong1"_s,
              {u"middle"_s, u"centre"_s, u"within"_s, u"China"_s},
              {{u"kantonesiska1"_s, u"zung1"_s},
               {u"japanskkun1"_s, u"naka"_s},
               {u"japanskkun2"_s, u"uchi"_s},
               {u"japanskkun3"_s, u"ataru"_s},
               {u"japanskon1"_s, u"chuu"_s},
               {u"japanskon2"_s, u"juu"_s},
               {u"japanskon3"_s, u"tou"_s},
               {u"Koreanska1"_s, u"중"_s},
               {u"Koreanska3"_s, u"jung"_s}}),
    character(u"&H570B"_s, u"31.8"_s, u"guo2"_s, {u"country"_s},
              {{u"forenklaform"_s, u"&H56FD"_s},
               {u"kantonesiska1"_s, u"gwok3"_s},
               {u"kantonesiska2"_s, u"gwok8"_s},
               {u"kantonesiska3"_s, u"gok3"_s},
               {u"japanskon1"_s, u"koku"_s},
               {u"Koreanska1"_s, u"국"_s}}),
};

const QString kZhongGuo = u"&H4E2D&H570B"_s;

} // namespace

class TestReadingList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void lines_data();
    void lines();
    void noWordDisplayed();
    void pinyinHandOver();

private:
    DictionaryFixture::ProgramFolder m_folder;
    std::unique_ptr<DictionaryTables> m_tables;
};

void TestReadingList::initTestCase()
{
    QVERIFY(m_folder.build({DictionaryFixture::word(kZhongGuo, u"zhong1 guo2"_s)}, kCharacters));
}

void TestReadingList::init()
{
    m_tables = std::make_unique<DictionaryTables>();
    QVERIFY(m_tables->open(m_folder.path()));
}

void TestReadingList::lines_data()
{
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<QString>("codes");
    QTest::addColumn<bool>("simplified");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("characters");

    const QString mandarin = u"中,  zhong1, middle, centre, within, China, \r\n"
                             u"国,  guo2, country, \r\n"_s;
    QTest::newRow("Mandarin lists the simplified form")
        << Reading::Mandarin << kZhongGuo << false << mandarin << u"中國"_s;
    QTest::newRow("Mandarin, simplified characters")
        << Reading::Mandarin << kZhongGuo << true << mandarin << u"中国"_s;
    QTest::newRow("Cantonese, one reading and three")
        << Reading::Cantonese << kZhongGuo << true
        << u"中,  zung1, \r\n國,  gwok3, gwok8, gok3, \r\n"_s << u"中國"_s;
    QTest::newRow("kun, two readings at most")
        << Reading::JapaneseKun << kZhongGuo << false << u"中,  naka, uchi, \r\n國,  , \r\n"_s
        << u"中國"_s;
    QTest::newRow("on, second reading shown")
        << Reading::JapaneseOn << kZhongGuo << false << u"中,  chuu, juu, \r\n國,  koku, \r\n"_s
        << u"中國"_s;
    QTest::newRow("Korean, gap skipped") << Reading::Korean << kZhongGuo << false
                                         << u"中,  중, jung, \r\n國,  국, \r\n"_s << u"中國"_s;
    QTest::newRow("short final piece skipped")
        << Reading::Cantonese << u"&H4E2D&H57"_s << false << u"中,  zung1, \r\n"_s << u"中"_s;
    QTest::newRow("piece that is no code skipped")
        << Reading::Cantonese << u"&H4E2DH4E2D&"_s << false << u"中,  zung1, \r\n"_s << u"中"_s;
    QTest::newRow("code without record keeps the current readings")
        << Reading::Cantonese << u"&H570B&H5B57"_s << false
        << u"國,  gwok3, gwok8, gok3, \r\n字,  gwok3, gwok8, gok3, \r\n"_s << u"國字"_s;
    QTest::newRow("Mandarin, code without record is not simplified")
        << Reading::Mandarin << u"&H570B&H5B57"_s << true
        << u"国,  guo2, country, \r\n字,  guo2, country, \r\n"_s << u"国字"_s;
    QTest::newRow("blanks around")
        << Reading::Korean << u" &H570B "_s << false << u"國,  국, \r\n"_s << u"國"_s;
}

void TestReadingList::lines()
{
    QFETCH(Reading, reading);
    QFETCH(QString, codes);
    QFETCH(bool, simplified);
    QFETCH(QString, text);
    QFETCH(QString, characters);
    const ReadingList list = readingList(*m_tables, reading, codes, simplified);
    QVERIFY(list.ran);
    QCOMPARE(list.text, text);
    QCOMPARE(list.characters, characters);
}

void TestReadingList::noWordDisplayed()
{
    m_tables->characters.findFirst(u"teckenkod ='&H570B'"_s);
    const ReadingList list = readingList(*m_tables, Reading::Mandarin, QString(), true);
    QVERIFY(!list.ran);
    QVERIFY(list.text.isEmpty());
    QVERIFY(list.characters.isEmpty());
    QVERIFY(!list.pinyin);
    QCOMPARE(m_tables->characters.text(u"teckenkod"_s), u"&H570B"_s);
}

void TestReadingList::pinyinHandOver()
{
    QVERIFY(!readingList(*m_tables, Reading::Mandarin, kZhongGuo, false).pinyin);
    for (Reading reading :
         {Reading::Cantonese, Reading::JapaneseKun, Reading::JapaneseOn, Reading::Korean}) {
        const ReadingList list = readingList(*m_tables, reading, kZhongGuo, false);
        QCOMPARE(list.pinyin.value_or(u"none"_s), u"zhong1 guo2"_s);
    }
    // The word table does not move, so the word can be listed again.
    QCOMPARE(m_tables->words.currentRowId(), 1);
    QCOMPARE(m_tables->characters.text(u"teckenkod"_s), u"&H570B"_s);
}

QTEST_GUILESS_MAIN(TestReadingList)
#include "tst_readinglist.moc"
