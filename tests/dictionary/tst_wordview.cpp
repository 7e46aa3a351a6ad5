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

} // namespace

class TestWordView : public QObject
{
    Q_OBJECT
private slots:
    void display_data();
    void display();
    void simplifiedDisplayMovesSecondCursor();
    void characterTableEndsOnLastCharacter();
};

void TestWordView::display_data()
{
    QTest::addColumn<QString>("codes");
    QTest::addColumn<bool>("simplified");
    QTest::addColumn<bool>("radicals");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<bool>("completed");

    const QString zhongGuo = kZhong + kGuo;
    QTest::newRow("traditional") << zhongGuo << false << true << u"中國"_s
                                 << QStringList{u"2.3"_s, u"31.8"_s}
                                 << QStringList{u"r002.gif"_s, u"r031.gif"_s} << true;
    QTest::newRow("simplified keeps the looked-up radical")
        << zhongGuo << true << true << u"中国"_s << QStringList{u"2.3"_s, u"31.8"_s}
        << QStringList{u"r002.gif"_s, u"r031.gif"_s} << true;
    QTest::newRow("149.7 traditional") << kYu << false << true << u"語"_s << QStringList{u"149.7"_s}
                                       << QStringList{u"r149.gif"_s} << true;
    QTest::newRow("149.7 simplified") << kYu << true << true << u"语"_s << QStringList{u"149.7"_s}
                                      << QStringList{u"rs149.gif"_s} << true;
    QTest::newRow("no simplified form, traditional")
        << kShui << false << true << u"水"_s << QStringList{u"85.0"_s} << QStringList{u"r085.gif"_s}
        << true;
    QTest::newRow("no simplified form, simplified")
        << kShui << true << true << u"水"_s << QStringList{u"85.0"_s} << QStringList{u"r085.gif"_s}
        << true;
    QTest::newRow("no radicals") << zhongGuo + kShui << false << false << u"中國水"_s
                                 << QStringList{} << QStringList{} << true;
    QTest::newRow("no radicals, keys not read")
        << kZhong + u"&H4E00&H4E01&H4E59"_s << true << false << u"中一丁乙"_s << QStringList{}
        << QStringList{} << true;
    QTest::newRow("eleventh character shown without a slot")
        << kZhong.repeated(10) + kShui << false << true << u"中中中中中中中中中中水"_s
        << QStringList(10, u"2.3"_s) << QStringList(10, u"r002.gif"_s) << true;
    QTest::newRow("eleventh character's key not read")
        << kZhong.repeated(10) + u"&H4E00"_s << false << true << u"中中中中中中中中中中一"_s
        << QStringList(10, u"2.3"_s) << QStringList(10, u"r002.gif"_s) << true;
    QTest::newRow("key without radical number ends the display")
        << kZhong + u"&H4E00"_s + kShui << false << true << u"中一"_s << QStringList{u"2.3"_s}
        << QStringList{u"r002.gif"_s} << false;
    QTest::newRow("empty key ends the display")
        << kZhong + u"&H4E01"_s + kShui << true << true << u"中丁"_s << QStringList{u"2.3"_s}
        << QStringList{u"r002.gif"_s} << false;
    QTest::newRow("radical 215 ends the display")
        << u"&H4E59"_s << false << true << u"乙"_s << QStringList{} << QStringList{} << false;
    QTest::newRow("code without record takes the current radical")
        << kShui + kNoRecord << false << true << u"水字"_s << QStringList{u"85.0"_s, u"85.0"_s}
        << QStringList{u"r085.gif"_s, u"r085.gif"_s} << true;
    QTest::newRow("code without record first")
        << kNoRecord << false << true << u"字"_s << QStringList{u"2.3"_s}
        << QStringList{u"r002.gif"_s} << true;
    QTest::newRow("code without record is not simplified")
        << kGuo + kNoRecord << true << true << u"国字"_s << QStringList{u"31.8"_s, u"31.8"_s}
        << QStringList{u"r031.gif"_s, u"r031.gif"_s} << true;
    QTest::newRow("short final piece skipped")
        << kZhong + u"&H57"_s << false << true << u"中"_s << QStringList{u"2.3"_s}
        << QStringList{u"r002.gif"_s} << true;
    QTest::newRow("piece that is no code skipped")
        << u"&HZZZZ"_s + kShui << false << true << u"水"_s << QStringList{u"85.0"_s}
        << QStringList{u"r085.gif"_s} << true;
    QTest::newRow("lower-case code")
        << u"&h6c34"_s << false << true << u"水"_s << QStringList{u"85.0"_s}
        << QStringList{u"r085.gif"_s} << true;
    QTest::newRow("blanks around the code string")
        << u"  "_s + kShui + u" "_s << false << true << u"水"_s << QStringList{u"85.0"_s}
        << QStringList{u"r085.gif"_s} << true;
    QTest::newRow("empty code string")
        << u""_s << false << true << u""_s << QStringList{} << QStringList{} << true;
    QTest::newRow("no code string")
        << QString() << true << true << u""_s << QStringList{} << QStringList{} << true;
}

void TestWordView::display()
{
    QFETCH(QString, codes);
    QFETCH(bool, simplified);
    QFETCH(bool, radicals);
    QFETCH(QString, characters);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, pictures);
    QFETCH(bool, completed);

    DictionaryFixture::ProgramFolder folder;
    QVERIFY(folder.build({DictionaryFixture::word(codes, u"zhong1 guo2"_s)}, kCharacters));
    DictionaryTables tables;
    QVERIFY(tables.open(folder.path()));

    const WordView view = showWord(tables, {simplified, radicals});
    QCOMPARE(view.characters, characters);
    QStringList shownKeys, shownPictures;
    for (const RadicalSlot &slot : view.radicalSlots) {
        shownKeys << slot.key;
        shownPictures << slot.pictureFile;
        QCOMPARE(slot.radical, slot.key.section(u'.', 0, 0).toInt());
        QCOMPARE(slot.traditionalForm, !simplified && slot.radical == 149 ? 3 : 0);
    }
    QCOMPARE(shownKeys, keys);
    QCOMPARE(shownPictures, pictures);
    QCOMPARE(view.completed, completed);
    QCOMPARE(view.codeString, completed ? codes : QString());
    QCOMPARE(view.pinyin, completed ? u"zhong1 guo2"_s : QString());
}

void TestWordView::simplifiedDisplayMovesSecondCursor()
{
    DictionaryFixture::ProgramFolder folder;
    QVERIFY(folder.build({DictionaryFixture::word(kGuo, u"guo2"_s)}, kCharacters));
    DictionaryTables tables;
    QVERIFY(tables.open(folder.path()));

    showWordTraditional(tables);
    QCOMPARE(tables.characters2.currentRowId(), 1);
    showWordSimplified(tables);
    QCOMPARE(tables.characters2.text(u"teckenkod"_s), u"&H56FD"_s);
    QCOMPARE(tables.characters2.text(u"kinesisktradikal"_s), u"31.5"_s);
}

void TestWordView::characterTableEndsOnLastCharacter()
{
    DictionaryFixture::ProgramFolder folder;
    QVERIFY(folder.build({DictionaryFixture::word(kYu + kShui + u"&H4E"_s, u""_s)}, kCharacters));
    DictionaryTables tables;
    QVERIFY(tables.open(folder.path()));
    showWordSimplified(tables, false);
    QCOMPARE(tables.characters.text(u"teckenkod"_s), kShui);
}

QTEST_GUILESS_MAIN(TestWordView)
#include "tst_wordview.moc"
