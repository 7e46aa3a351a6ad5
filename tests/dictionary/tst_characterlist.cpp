#include "dictionary/characterlist.h"
#include "dictionary/frequencies.h"
#include "tests/common/frequencystore.h"
#include "tests/dictionary/dictionaryfixture.h"

#include <QTest>

#include <array>

using namespace Qt::StringLiterals;

namespace {

TestStores::Row row(const QString &code, const QString &key, const QString &pinyin,
                    const QStringList &meanings, int strokes)
{
    return DictionaryFixture::character(code, key, pinyin, meanings,
                                        {{CharacterField::summa, strokes}});
}

const QList<TestStores::Row> kCharacters = {
    row(u"&H4EBA"_s, u"9.0"_s, u"ren2"_s, {u"person"_s}, 2),
    row(u"&H4EC1"_s, u"9.2"_s, u"ren2"_s, {u"benevolent"_s, u"humane"_s}, 4),
    row(u""_s, u"9.3"_s, u"x1"_s, {u"no code"_s}, 5),
    row(u"&H4F55"_s, u"9.5"_s, u"he2"_s,
        {u"what"_s, {}, u"why"_s, {}, {}, {}, {}, {}, {}, u"carry"_s}, 7),
    row(u"&H4F5B"_s, u"9.5"_s, u"fo2"_s, {u"Buddha"_s}, 7),
    row(u"&H4F2F"_s, u"9.5"_s, u""_s, {u"elder"_s}, 6),       // no pinyin: counted, not listed
    row(u"&H4F46"_s, u"9.5"_s, u"dan4"_s, {{}, u"but"_s}, 7), // no meaning1: counted, not listed
    row(u"&H7240"_s, u"90.1"_s, u"chuang2"_s, {u"bed"_s}, 8),
    row(u"&H4E00"_s, u"1.0"_s, u"yi1"_s, {u"one"_s}, 1),
    row(u"&H4E59"_s, u"5.0"_s, u"yi3"_s, {u"second"_s}, 1),
    row(u"&H4EA4"_s, u"8.4"_s, u"jiao1"_s, {u"hand over"_s}, 6),
};

const QString kRen = u"人,  rén,  person, \r\n仁,  rén,  benevolent, humane, \r\n"_s;
const QString kHeFo = u"何,  hé,  what, why, carry, \r\n佛,  fó,  Buddha, \r\n"_s;

enum Kind { Key, Number, Strokes };
const auto kSearches = std::array{CharacterLists::byRadicalKey, CharacterLists::byRadicalNumber,
                                  CharacterLists::byStrokes};

} // namespace

class TestCharacterList : public QObject
{
    Q_OBJECT

    DictionaryFixture::ProgramFolder m_folder;
    std::unique_ptr<RecordSource> m_characters;

private slots:
    void initTestCase() { QVERIFY(m_folder.build({}, kCharacters)); }

    void init()
    {
        m_characters = std::make_unique<RecordSource>();
        QVERIFY(m_characters->open(Tables::storePath(m_folder.path(), Tables::characterStore)));
    }

    void lists_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rest"); // the count; a number search's picture, entry after
        const auto row = [](Kind kind, const QString &entry, const QString &text,
                            const QString &rest) {
            const char *name[] = {"key", "number", "strokes"};
            QTest::addRow("%s %s", name[kind], qPrintable(entry))
                << int(kind) << entry << text << rest;
        };
        row(Key, u"9.5"_s, kHeFo, u"4"_s);
        row(Key, u"9"_s, {}, u"0"_s);   // this key only
        row(Key, u"9.*"_s, {}, u"0"_s); // no wildcard
        const QString all9 = kRen + kHeFo;
        row(Number, u"9"_s, all9, u"7 r009.gif 9"_s);   // not 90.1
        row(Number, u"9.5"_s, all9, u"7 r9.5.gif 9"_s); // a key becomes its number
        row(Number, u".5"_s, {}, u"0 r0.5.gif 0"_s);
        row(Number, u"123456.7"_s, {}, u"0 r123456.7.gif 123456.7"_s); // dot past the sixth
        // Three blanks after the first match's comma, listed or not.
        row(Strokes, u" 1 "_s, u"一,   yī,  one, \r\n乙,  yǐ,  second, \r\n"_s, u"2"_s);
        row(Strokes, u"6"_s, u"交,  jiāo,  hand over, \r\n"_s, u"2"_s);
        row(Strokes, u"1.0"_s, {}, u"0"_s);
    }

    void lists()
    {
        QFETCH(int, kind);
        QFETCH(QString, entry);
        const CharacterList list = kSearches[kind](*m_characters, entry);
        QVERIFY(list.ran);
        QTEST(list.text, "text");
        QTEST(u"%1 %2 %3"_s.arg(list.count).arg(list.pictureFile, list.rewrittenEntry).trimmed(),
              "rest");
        QCOMPARE(list.search,
                 kind == Strokes ? CharacterList::Search::Strokes : CharacterList::Search::Radical);
        QCOMPARE(list.typed, entry.trimmed());
    }

    void radicalChart()
    {
        const CharacterList list = CharacterLists::radikalLista(*m_characters, 9);
        QVERIFY(list.ran);
        QCOMPARE(list.text, kRen + kHeFo);
        QCOMPARE(list.search, CharacterList::Search::Chart);
        QVERIFY(list.pictureFile.isEmpty());
        // The list ends on the last match; a miss leaves it there.
        QCOMPARE(m_characters->text(CharacterField::teckenkod), u"&H4F46"_s);
        QCOMPARE(CharacterLists::radikalLista(*m_characters, 214).count, 0);
        QCOMPARE(m_characters->text(CharacterField::teckenkod), u"&H4F46"_s);
    }

    // Ranked characters first (1 most common), unranked last; then fewer residual strokes;
    // then code point. The stroke list's three blanks stay on its first line.
    void listedCharacters_data()
    {
        QTest::addColumn<QString>("listText");
        QTest::addColumn<QString>("characters");
        QTest::newRow("count line, then the list")
            << u"3 characters listed, the most common first\r\n水,  shuǐ,  water, \r\n"
               u"永,  yǒng,  long, \r\n氷,  bīng,  ice, \r\n"_s
            << u"水永氷"_s;
        QTest::newRow("strokes list with its blanks")
            << u"乙,   yǐ,  second, \r\n一,   yī,  one, "_s << u"乙一"_s;
        QTest::newRow("beyond the BMP") << u"𠀀,  qiū,  hillock\n"_s << u"𠀀"_s;
        QTest::newRow("lines without an ideograph")
            << u"\r\n12 characters\r\nA,  x\r\n"_s << QString();
        QTest::newRow("empty") << QString() << QString();
    }

    void listedCharacters()
    {
        QFETCH(QString, listText);
        QTEST(CharacterLists::listedCharacters(listText), "characters");
    }

    void commonFirst_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QList<int>>("ranks"); // code point, rank, ...
        QTest::addColumn<QString>("characters");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("no ranks: residual strokes")
            << int(Number) << u"9"_s << QList<int>{} << u"人仁何佛"_s << u"人,  rén,  person, "_s;
        QTest::newRow("rank before strokes")
            << int(Number) << u"9"_s << QList<int>{0x4F5B, 2, 0x4EC1, 4} << u"佛仁人何"_s
            << u"佛,  fó,  Buddha, "_s;
        QTest::newRow("equal rank and strokes: code point")
            << int(Key) << u"9.5"_s << QList<int>{0x4F5B, 3, 0x4F55, 3} << u"何佛"_s
            << u"何,  hé,  what, why, carry, "_s;
        QTest::newRow("strokes list keeps three blanks on the first line")
            << int(Strokes) << u"1"_s << QList<int>{0x4E59, 1} << u"乙一"_s
            << u"乙,   yǐ,  second, "_s;
    }

    void commonFirst()
    {
        QFETCH(int, kind);
        QFETCH(QString, entry);
        QFETCH(QList<int>, ranks);
        QTemporaryDir folder;
        QList<QVariantList> rows;
        for (qsizetype i = 0; i + 1 < ranks.size(); i += 2)
            rows << QVariantList{ranks[i], ranks[i + 1]};
        QVERIFY(TestStores::frequencies(folder.path(), {}, rows));
        CharacterList list = kSearches[kind](*m_characters, entry);
        const int count = list.count;
        CharacterLists::commonFirst(list, Frequencies(folder.path()));
        QString characters;
        for (const ListedCharacter &c : list.listed)
            characters += QString::fromUcs4(&c.character, 1);
        QTEST(characters, "characters");
        QTEST(list.text.section(u"\r\n"_s, 0, 0), "firstLine");
        QCOMPARE(list.text.count(u"\r\n"_s), characters.size());
        QCOMPARE(list.count, count); // counted as before, listed or not
    }
};

QTEST_GUILESS_MAIN(TestCharacterList)
#include "tst_characterlist.moc"
