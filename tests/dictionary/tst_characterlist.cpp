#include "dictionary/characterlist.h"
#include "tests/dictionary/dictionaryfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using DictionaryFixture::character;

namespace {

TestStores::Row strokes(TestStores::Row row, int total)
{
    row.insert(u"summa"_s, total);
    return row;
}

const QList<TestStores::Row> kCharacters = {
    strokes(character(u"&H4EBA"_s, u"9.0"_s, u"ren2"_s, {u"person"_s}), 2),
    strokes(character(u"&H4EC1"_s, u"9.2"_s, u"ren2"_s, {u"benevolent"_s, u"humane"_s}), 4),
    strokes(character(u"&H4F55"_s, u"9.5"_s, u"he2"_s,
                      {u"what"_s, {}, u"why"_s, {}, {}, {}, {}, {}, {}, u"carry"_s}),
            7),
    strokes(character(u"&H4F5B"_s, u"9.5"_s, u"fo2"_s, {u"Buddha"_s}), 7),
    strokes(character(u"&H4F2F"_s, u"9.5"_s, u""_s, {u"elder"_s}), 6),       // no pinyin
    strokes(character(u"&H4F46"_s, u"9.5"_s, u"dan4"_s, {{}, u"but"_s}), 7), // no meaning1
    strokes(character(u"&H7240"_s, u"90.1"_s, u"chuang2"_s, {u"bed"_s}), 8),
    strokes(character(u"&H7247"_s, u"91.2"_s, u"ban3"_s, {u"board"_s}), 8),
    strokes(character(u"&H4E00"_s, u"1.0"_s, u"yi1"_s, {u"one"_s}), 1),
    strokes(character(u"&H4E59"_s, u"5.0"_s, u"yi3"_s, {u"second"_s}), 1),
    strokes(character(u"&H4E28"_s, u"2.0"_s, u"gun3"_s, {u"line"_s}), 1),
    strokes(character(u""_s, u"9.3"_s, u"x1"_s, {u"no code"_s}), 5),
    strokes(character(u"&H4EA4"_s, u"8.4"_s, u"jiao1"_s, {u"hand over"_s}), 6),
};

const QString kRen = u"人,  ren2,  person, \r\n"_s;
const QString kRen2 = u"仁,  ren2,  benevolent, humane, \r\n"_s;
const QString kHe = u"何,  he2,  what, why, carry, \r\n"_s;
const QString kFo = u"佛,  fo2,  Buddha, \r\n"_s;

} // namespace

class TestCharacterList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void byRadicalKey_data();
    void byRadicalKey();
    void byRadicalNumber_data();
    void byRadicalNumber();
    void byStrokes_data();
    void byStrokes();
    void emptyEntryRunsNothing();
    void radikalLista();
    void endsOnLastMatch();

private:
    DictionaryFixture::ProgramFolder m_folder;
    std::unique_ptr<RecordSource> m_characters;
};

void TestCharacterList::initTestCase()
{
    QVERIFY(m_folder.build({}, kCharacters));
}

void TestCharacterList::init()
{
    m_characters = std::make_unique<RecordSource>();
    QVERIFY(m_characters->open(Tables::storePath(m_folder.path(), Tables::characterStore)));
}

void TestCharacterList::byRadicalKey_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("key") << u"9.5"_s << kHe + kFo << u"Hittade 4 tecken med radikal N.r: 9.5"_s;
    QTest::newRow("comma for the dot")
        << u"9,5"_s << kHe + kFo << u"Hittade 4 tecken med radikal N.r: 9,5"_s;
    QTest::newRow("exact key only")
        << u"9"_s << QString() << u"Hittade 0 tecken med radikal N.r: 9"_s;
    QTest::newRow("no such key") << u"200.1"_s << QString()
                                 << u"Hittade 0 tecken med radikal N.r: 200.1"_s;
    QTest::newRow("quote") << u"9'5"_s << QString() << u"Hittade 0 tecken med radikal N.r: 9'5"_s;
    QTest::newRow("star is no wildcard")
        << u"9.*"_s << QString() << u"Hittade 0 tecken med radikal N.r: 9.*"_s;
    QTest::newRow("blanks only") << u"  "_s << QString() << u"Hittade 0 tecken med radikal N.r: "_s;
}

void TestCharacterList::byRadicalKey()
{
    QFETCH(QString, entry);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const CharacterList list = CharacterLists::byRadicalKey(*m_characters, entry);
    QVERIFY(list.ran);
    QCOMPARE(list.text, text);
    QCOMPARE(list.message, message);
    QVERIFY(list.pictureFile.isEmpty());
}

void TestCharacterList::byRadicalNumber_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("rewritten");
    const QString all9 = kRen + kRen2 + kHe + kFo;
    QTest::newRow("one digit, not 90.1 or 91.2")
        << u"9"_s << all9 << u"Hittade 7 tecken med radikal N.r: 9"_s << u"r009.gif"_s << u"9"_s;
    QTest::newRow("two digits") << u"90"_s << u"牀,  chuang2,  bed, \r\n"_s
                                << u"Hittade 1 tecken med radikal N.r: 90"_s << u"r090.gif"_s
                                << u"90"_s;
    QTest::newRow("three digits") << u"120"_s << QString()
                                  << u"Hittade 0 tecken med radikal N.r: 120"_s << u"r120.gif"_s
                                  << u"120"_s;
    QTest::newRow("key becomes its number")
        << u"9.5"_s << all9 << u"Hittade 7 tecken med radikal N.r: 9.5"_s << u"r9.5.gif"_s
        << u"9"_s;
    QTest::newRow("dot first") << u".5"_s << QString() << u"Hittade 0 tecken med radikal N.r: .5"_s
                               << u"r0.5.gif"_s << u"0"_s;
    QTest::newRow("dot past the sixth character")
        << u"123456.7"_s << QString() << u"Hittade 0 tecken med radikal N.r: 123456.7"_s
        << u"r123456.7.gif"_s << u"123456.7"_s;
    QTest::newRow("dot at the sixth character")
        << u"00009.5"_s << all9 << u"Hittade 7 tecken med radikal N.r: 00009.5"_s
        << u"r00009.5.gif"_s << u"9"_s;
    QTest::newRow("leading zeros dropped")
        << u"009.1"_s << all9 << u"Hittade 7 tecken med radikal N.r: 009.1"_s << u"r009.1.gif"_s
        << u"9"_s;
}

void TestCharacterList::byRadicalNumber()
{
    QFETCH(QString, entry);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, picture);
    QFETCH(QString, rewritten);
    const CharacterList list = CharacterLists::byRadicalNumber(*m_characters, entry);
    QVERIFY(list.ran);
    QCOMPARE(list.text, text);
    QCOMPARE(list.message, message);
    QCOMPARE(list.pictureFile, picture);
    QCOMPARE(list.rewrittenEntry, rewritten);
}

void TestCharacterList::byStrokes_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("first line three blanks")
        << u"1"_s << u"一,   yi1,  one, \r\n乙,  yi3,  second, \r\n丨,  gun3,  line, \r\n"_s << 3;
    QTest::newRow("blanks around the number")
        << u" 1 "_s << u"一,   yi1,  one, \r\n乙,  yi3,  second, \r\n丨,  gun3,  line, \r\n"_s << 3;
    QTest::newRow("counted, not listed")
        << u"7"_s << u"何,   he2,  what, why, carry, \r\n"_s + kFo << 3;
    // The three blanks belong to the record found first, which is not listed here.
    QTest::newRow("first match not listed") << u"6"_s << u"交,  jiao1,  hand over, \r\n"_s << 2;
    QTest::newRow("none") << u"30"_s << QString() << 0;
    QTest::newRow("not a number") << u"abc"_s << QString() << 0;
    QTest::newRow("no fraction") << u"1.0"_s << QString() << 0;
}

void TestCharacterList::byStrokes()
{
    QFETCH(QString, entry);
    QFETCH(QString, text);
    QFETCH(int, count);
    const CharacterList list = CharacterLists::byStrokes(*m_characters, entry);
    QVERIFY(list.ran);
    QCOMPARE(list.text, text);
    QCOMPARE(list.count, count);
    QCOMPARE(list.message, u"Hittade %1 tecken med %2 streck"_s.arg(count).arg(entry.trimmed()));
}

void TestCharacterList::emptyEntryRunsNothing()
{
    m_characters->findFirst(u"summa =8"_s);
    const qint64 before = m_characters->currentRowId();
    for (const CharacterList &list : {CharacterLists::byRadicalKey(*m_characters, {}),
                                      CharacterLists::byRadicalNumber(*m_characters, {}),
                                      CharacterLists::byStrokes(*m_characters, {})}) {
        QVERIFY(!list.ran);
        QVERIFY(list.text.isEmpty());
        QVERIFY(list.message.isEmpty());
        QVERIFY(list.pictureFile.isEmpty());
    }
    QCOMPARE(m_characters->currentRowId(), before);
}

void TestCharacterList::radikalLista()
{
    const CharacterList list = CharacterLists::radikalLista(*m_characters, 9);
    QVERIFY(list.ran);
    QCOMPARE(list.text, kRen + kRen2 + kHe + kFo);
    QVERIFY(list.message.isEmpty());
    QVERIFY(list.pictureFile.isEmpty());
    QCOMPARE(CharacterLists::radikalLista(*m_characters, 214).text, QString());
}

void TestCharacterList::endsOnLastMatch()
{
    CharacterLists::byRadicalKey(*m_characters, u"9.5"_s);
    QCOMPARE(m_characters->text(u"teckenkod"_s), u"&H4F46"_s);
    CharacterLists::byRadicalKey(*m_characters, u"7.7"_s);
    QCOMPARE(m_characters->text(u"teckenkod"_s), u"&H4F46"_s);
}

QTEST_GUILESS_MAIN(TestCharacterList)
#include "tst_characterlist.moc"
