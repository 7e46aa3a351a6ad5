#include "cedict/big5codec.h"
#include "cedict/utf8line.h"
#include "dictionary/tables.h"
#include "tools/data/big5cedict.h"
#include "tools/data/characterstore.h"
#include "tools/data/tonenumbers.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDataBuilders : public QObject
{
    Q_OBJECT
private slots:
    void toneNumbers_data();
    void toneNumbers();
    void characterRecord_data();
    void characterRecord();
    void characterTableMembership_data();
    void characterTableMembership();
    void big5CedictLine_data();
    void big5CedictLine();
};

void TestDataBuilders::toneNumbers_data()
{
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("numbered");

    QTest::newRow("first tone") << u"zhōng"_s << u"zhong1"_s;
    QTest::newRow("second tone") << u"guó"_s << u"guo2"_s;
    QTest::newRow("third tone") << u"hǎo"_s << u"hao3"_s;
    QTest::newRow("fourth tone") << u"shì"_s << u"shi4"_s;
    QTest::newRow("neutral tone") << u"ma"_s << u"ma"_s;
    QTest::newRow("ü with a tone") << u"lǜ"_s << u"luu4"_s;
    QTest::newRow("ü third tone") << u"nǚ"_s << u"nuu3"_s;
    QTest::newRow("ü without a tone") << u"lü"_s << u"luu"_s;
    QTest::newRow("syllabic n") << u"ń"_s << u"n2"_s;
    QTest::newRow("syllabic m, combining mark") << u"m\u0300"_s << u"m4"_s;
    QTest::newRow("ê with a tone") << u"ê\u0304"_s << u"e1"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestDataBuilders::toneNumbers()
{
    QFETCH(QString, marked);
    QFETCH(QString, numbered);
    QCOMPARE(toneNumberPinyin(marked), numbered);
}

void TestDataBuilders::characterRecord_data()
{
    QTest::addColumn<uint>("codePoint");
    QTest::addColumn<UnihanFields>("fields");
    QTest::addColumn<QVariantMap>("expected"); // field -> value; fields not named must be null

    QTest::newRow("中")
        << 0x4E2Du << UnihanFields{{"kMandarin", u"zhōng"_s},
                                   {"kDefinition", u"central; center, middle; hit (target)"_s},
                                   {"kCantonese", u"zung1"_s},
                                   {"kJapaneseKun", u"NAKA UCHI ATARU"_s},
                                   {"kJapaneseOn", u"CHUU"_s},
                                   {"kHangul", u"중:0E"_s},
                                   {"kKorean", u"CWUNG"_s},
                                   {"kRSUnicode", u"2.3"_s},
                                   {"kTotalStrokes", u"4"_s}}
        << QVariantMap{{u"teckenkod"_s, u"&H4E2D"_s},        {u"nummer"_s, qlonglong(0x4E2D)},
                       {u"kinesisktradikal"_s, u"2.3"_s},    {u"summa"_s, qlonglong(4)},
                       {u"pinyin1"_s, u"zhong1"_s},          {u"meaning1"_s, u"central"_s},
                       {u"meaning2"_s, u"center, middle"_s}, {u"meaning3"_s, u"hit (target)"_s},
                       {u"kantonesiska1"_s, u"zung1"_s},     {u"japanskkun1"_s, u"NAKA"_s},
                       {u"japanskkun2"_s, u"UCHI"_s},        {u"japanskkun3"_s, u"ATARU"_s},
                       {u"japanskon1"_s, u"CHUU"_s},         {u"Koreanska1"_s, u"중"_s}};
    QTest::newRow("國: simplified form, first of several readings and strokes")
        << 0x570Bu
        << UnihanFields{{"kMandarin", u"guó guo"_s},
                        {"kSimplifiedVariant", u"U+56FD"_s},
                        {"kRSUnicode", u"31.8 31'.8"_s},
                        {"kTotalStrokes", u"11 10"_s}}
        << QVariantMap{{u"teckenkod"_s, u"&H570B"_s},    {u"nummer"_s, qlonglong(0x570B)},
                       {u"forenklaform"_s, u"&H56FD"_s}, {u"kinesisktradikal"_s, u"31.8"_s},
                       {u"summa"_s, qlonglong(11)},      {u"pinyin1"_s, u"guo2"_s}};
    QTest::newRow("乾: the variant that is another character")
        << 0x4E7Eu
        << UnihanFields{{"kMandarin", u"qián"_s},
                        {"kSimplifiedVariant", u"U+4E7E U+5E72"_s},
                        {"kTraditionalVariant", u"U+4E7E"_s}}
        << QVariantMap{{u"teckenkod"_s, u"&H4E7E"_s},
                       {u"nummer"_s, qlonglong(0x4E7E)},
                       {u"forenklaform"_s, u"&H5E72"_s},
                       {u"pinyin1"_s, u"qian2"_s}};
    QTest::newRow("simplified radical drops its apostrophe; variant outside the BMP left out")
        << 0x4E2Au
        << UnihanFields{{"kDefinition", u"numerary adjunct"_s},
                        {"kRSUnicode", u"2'.2"_s},
                        {"kTraditionalVariant", u"U+2A6A5"_s}}
        << QVariantMap{{u"teckenkod"_s, u"&H4E2A"_s},
                       {u"nummer"_s, qlonglong(0x4E2A)},
                       {u"kinesisktradikal"_s, u"2.2"_s},
                       {u"meaning1"_s, u"numerary adjunct"_s}};
    QTest::newRow("Korean from kKorean without Hangul; four readings keep three")
        << 0x4E00u << UnihanFields{{"kKorean", u"IL"_s}, {"kCantonese", u"jat1 a2 b3 c4"_s}}
        << QVariantMap{{u"teckenkod"_s, u"&H4E00"_s}, {u"nummer"_s, qlonglong(0x4E00)},
                       {u"Koreanska1"_s, u"IL"_s},    {u"kantonesiska1"_s, u"jat1"_s},
                       {u"kantonesiska2"_s, u"a2"_s}, {u"kantonesiska3"_s, u"b3"_s}};
    QTest::newRow("several Hangul readings lose their sources")
        << 0x5973u << UnihanFields{{"kHangul", u"녀:0E 여:0"_s}, {"kKorean", u"NYE"_s}}
        << QVariantMap{{u"teckenkod"_s, u"&H5973"_s},
                       {u"nummer"_s, qlonglong(0x5973)},
                       {u"Koreanska1"_s, u"녀"_s},
                       {u"Koreanska2"_s, u"여"_s}};
    QTest::newRow("twelve meanings: the tenth keeps the rest")
        << 0x4E01u << UnihanFields{{"kDefinition", u"a;b;c;d;e;f;g;h;i;j;k;l"_s}}
        << QVariantMap{{u"teckenkod"_s, u"&H4E01"_s}, {u"nummer"_s, qlonglong(0x4E01)},
                       {u"meaning1"_s, u"a"_s},       {u"meaning2"_s, u"b"_s},
                       {u"meaning3"_s, u"c"_s},       {u"meaning4"_s, u"d"_s},
                       {u"meaning5"_s, u"e"_s},       {u"meaning6"_s, u"f"_s},
                       {u"meaning7"_s, u"g"_s},       {u"meaning8"_s, u"h"_s},
                       {u"meaning9"_s, u"i"_s},       {u"meaning10"_s, u"j; k; l"_s}};
}

void TestDataBuilders::characterRecord()
{
    QFETCH(uint, codePoint);
    QFETCH(UnihanFields, fields);
    QFETCH(QVariantMap, expected);

    const QStringList names = Tables::characterFields();
    const QVariantList record = ::characterRecord(char32_t(codePoint), fields);
    QCOMPARE(record.size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QVariant want = expected.value(names.at(i));
        QVERIFY2(record.at(i).isNull() == want.isNull(), qPrintable(names.at(i)));
        if (!want.isNull())
            QCOMPARE(record.at(i), want);
    }
}

void TestDataBuilders::characterTableMembership_data()
{
    QTest::addColumn<uint>("codePoint");
    QTest::addColumn<UnihanFields>("fields");
    QTest::addColumn<bool>("member");

    QTest::newRow("reading") << 0x4E2Du << UnihanFields{{"kMandarin", u"zhōng"_s}} << true;
    QTest::newRow("definition only") << 0x4E2Du << UnihanFields{{"kDefinition", u"x"_s}} << true;
    QTest::newRow("Cantonese only") << 0x4E2Du << UnihanFields{{"kCantonese", u"zung1"_s}} << true;
    QTest::newRow("strokes only") << 0x4E2Du << UnihanFields{{"kTotalStrokes", u"4"_s}} << false;
    QTest::newRow("outside the BMP") << 0x20000u << UnihanFields{{"kMandarin", u"hē"_s}} << false;
}

void TestDataBuilders::characterTableMembership()
{
    QFETCH(uint, codePoint);
    QFETCH(UnihanFields, fields);
    QFETCH(bool, member);
    QCOMPARE(belongsInCharacterTable(char32_t(codePoint), fields), member);
}

void TestDataBuilders::big5CedictLine_data()
{
    QTest::addColumn<QString>("utf8");
    QTest::addColumn<QByteArray>("big5"); // empty: left out
    QTest::addColumn<qint64>("replaced");

    QTest::newRow("entry") << u"中國 中国 [Zhong1 guo2] /China/"_s
                           << QByteArray("\xA4\xA4\xB0\xEA [Zhong1 guo2] /China/") << qint64(0);
    QTest::newRow("cross reference keeps its traditional half")
        << u"看見 看见 [kan4 jian4] /to see/see also 見|见[jian4]/"_s
        << QByteArray("\xAC\xDD\xA8\xA3 [kan4 jian4] /to see/see also \xA8\xA3[jian4]/")
        << qint64(0);
    QTest::newRow("cross reference in brackets")
        << u"中 中 [zhong1] /(見，看|见，看)/a|b/"_s
        << QByteArray("\xA4\xA4 [zhong1] /(\xA8\xA3\xA1\x41\xAC\xDD)/a|b/") << qint64(0);
    QTest::newRow("cross reference with a letter")
        << u"中 中 [zhong1] /see 三K黨|三K党[San1 K dang3]/"_s
        << QByteArray("\xA4\xA4 [zhong1] /see \xA4\x54K\xC4\xD2[San1 K dang3]/") << qint64(0);
    QTest::newRow("accent dropped")
        << u"中 中 [zhong1] /décor/"_s << QByteArray("\xA4\xA4 [zhong1] /decor/") << qint64(1);
    QTest::newRow("no Big5 at all becomes ?")
        << u"中 中 [zhong1] /a 这 b/"_s << QByteArray("\xA4\xA4 [zhong1] /a ? b/") << qint64(1);
    QTest::newRow("headword without Big5 is left out")
        << u"这 这 [zhe4] /this/"_s << QByteArray() << qint64(0);
}

void TestDataBuilders::big5CedictLine()
{
    QFETCH(QString, utf8);
    QFETCH(QByteArray, big5);
    QFETCH(qint64, replaced);

    const std::optional<Utf8Line> entry = Utf8Line::parse(utf8);
    QVERIFY(entry);
    Big5Codec codec;
    qint64 replacedCount = 0;
    const std::optional<QByteArray> line = ::big5CedictLine(*entry, codec, replacedCount);
    QCOMPARE(line.value_or(QByteArray()), big5);
    QCOMPARE(replacedCount, replaced);
}

QTEST_GUILESS_MAIN(TestDataBuilders)
#include "tst_databuilders.moc"
