#include "tests/dictionary/dictionaryfixture.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;
using DictionaryFixture::character;
using DictionaryFixture::word;

namespace {

const QList<TestStores::Row> kCharacters = {
    character(u"&H4E2D"_s, u"2.3"_s, u"zhong1"_s, {u"middle"_s},
              {{u"summa"_s, 4}, {u"kantonesiska1"_s, u"zung1"_s}}),
    character(
        u"&H570B"_s, u"31.8"_s, u"guo2"_s, {u"country"_s},
        {{u"forenklaform"_s, u"&H56FD"_s}, {u"summa"_s, 11}, {u"kantonesiska1"_s, u"gwok3"_s}}),
    character(u"&H56FD"_s, u"31.5"_s, u"guo2"_s, {u"country"_s}, {{u"summa"_s, 8}}),
    character(u"&H4F55"_s, u"9.5"_s, u"he2"_s, {u"what"_s, u"why"_s}, {{u"summa"_s, 7}}),
    character(u"&H4F5B"_s, u"9.5"_s, u"fo2"_s, {u"Buddha"_s}, {{u"summa"_s, 7}}),
};

const QList<TestStores::Row> kWords = {
    word(u"&H4E2D&H570B"_s, u"zhong1 guo2"_s, {u"China"_s, u"Middle Kingdom"_s}),
    word(u"&H4E2D"_s, u"zhong1"_s, {u"middle"_s, u"China (abbr.)"_s}),
};

struct Run
{
    int exitCode = -1;
    QStringList lines;
};

} // namespace

class TestDictionaryCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void prints_data();
    void prints();
    void refusesBadArguments_data();
    void refusesBadArguments();
    void missingStores();

private:
    Run run(const QStringList &arguments, const QString &folder);
    DictionaryFixture::ProgramFolder m_folder;
};

void TestDictionaryCli::initTestCase()
{
    QVERIFY(m_folder.build(kWords, kCharacters));
}

Run TestDictionaryCli::run(const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.start(QStringLiteral(ORDBOK_CLI), arguments + QStringList{u"--folder"_s, folder});
    Run result;
    if (!process.waitForFinished(10000))
        return result;
    result.exitCode = process.exitCode();
    result.lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
    if (result.lines.last().isEmpty())
        result.lines.removeLast();
    return result;
}

void TestDictionaryCli::prints_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("lines");
    const QString zhongGuo = u"zhōng guó"_s;
    QTest::newRow("english") << QStringList{u"english"_s, u"china"_s} << 0
                             << QStringList{u"中國"_s, zhongGuo, u"China,   Middle Kingdom"_s,
                                            u"2.3 31.8"_s};
    QTest::newRow("english, simplified, no radicals")
        << QStringList{u"english"_s, u"--simplified"_s, u"--no-radicals"_s, u"China"_s} << 0
        << QStringList{u"中国"_s, zhongGuo, u"China,   Middle Kingdom"_s};
    QTest::newRow("english, two words without quotes")
        << QStringList{u"english"_s, u"middle"_s, u"kingdom"_s} << 0
        << QStringList{u"中國"_s, zhongGuo, u"China,   Middle Kingdom"_s, u"2.3 31.8"_s};
    QTest::newRow("english, search more")
        << QStringList{u"english"_s, u"china"_s, u"--more"_s, u"1"_s} << 0
        << QStringList{u"中"_s, u"zhōng"_s, u"middle,   China (abbr.)"_s, u"2.3"_s};
    QTest::newRow("english, exact")
        << QStringList{u"english"_s, u"--exact"_s, u"middle"_s} << 0
        << QStringList{u"中"_s, u"zhōng"_s, u"middle,   China (abbr.)"_s, u"2.3"_s};
    QTest::newRow("english, not found")
        << QStringList{u"english"_s, u"water"_s} << 1 << QStringList{};
    QTest::newRow("pinyin, exact, one more")
        << QStringList{u"pinyin"_s, u"zhong1"_s, u"--exact"_s, u"--more"_s, u"1"_s} << 0
        << QStringList{u"中"_s, u"zhōng"_s, u"middle,   China (abbr.)"_s, u"2.3"_s};
    QTest::newRow("radical key with comma")
        << QStringList{u"radical"_s, u"9,5"_s} << 0
        << QStringList{u"何,  he2,  what, why, "_s, u"佛,  fo2,  Buddha, "_s,
                       u"Hittade 2 tecken med radikal N.r: 9,5"_s};
    QTest::newRow("radical number")
        << QStringList{u"radical-number"_s, u"31"_s} << 0
        << QStringList{u"國,  guo2,  country, "_s, u"国,  guo2,  country, "_s,
                       u"Hittade 2 tecken med radikal N.r: 31"_s};
    QTest::newRow("strokes") << QStringList{u"strokes"_s, u"7"_s} << 0
                             << QStringList{u"何,   he2,  what, why, "_s, u"佛,  fo2,  Buddha, "_s,
                                            u"Hittade 2 tecken med 7 streck"_s};
    QTest::newRow("readings, Cantonese") << QStringList{u"readings"_s, u"中國"_s, u"--cantonese"_s}
                                         << 0 << QStringList{u"中,  zung1, "_s, u"國,  gwok3, "_s};
    QTest::newRow("readings, Mandarin")
        << QStringList{u"readings"_s, u"--mandarin"_s, u"中國"_s} << 0
        << QStringList{u"中,  zhong1, middle, "_s, u"国,  guo2, country, "_s};
    QTest::newRow("readings, word not in the table")
        << QStringList{u"readings"_s, u"國"_s, u"--korean"_s} << 1 << QStringList{};
    QTest::newRow("tones") << QStringList{u"tones"_s, u"nuu3 hao3"_s} << 0
                           << QStringList{u"nǚ hǎo"_s};
}

void TestDictionaryCli::prints()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, lines);
    const Run result = run(arguments, m_folder.path());
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.lines, lines);
}

void TestDictionaryCli::refusesBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no text") << QStringList{u"english"_s};
    QTest::newRow("more without a number") << QStringList{u"pinyin"_s, u"a"_s, u"--more"_s};
    QTest::newRow("more, negative") << QStringList{u"pinyin"_s, u"a"_s, u"--more"_s, u"-1"_s};
    QTest::newRow("unknown option") << QStringList{u"english"_s, u"a"_s, u"--fast"_s};
    QTest::newRow("two readings") << QStringList{u"readings"_s, u"中"_s, u"--kun"_s, u"--on"_s};
    QTest::newRow("no reading") << QStringList{u"readings"_s, u"中"_s};
    QTest::newRow("no key") << QStringList{u"radical"_s};
}

void TestDictionaryCli::refusesBadArguments()
{
    QFETCH(QStringList, arguments);
    const Run result = run(arguments, m_folder.path());
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.lines, QStringList{});
}

void TestDictionaryCli::missingStores()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    const Run result = run({u"english"_s, u"china"_s}, empty.path());
    QCOMPARE(result.exitCode, 2);
    QVERIFY(QDir(empty.path()).isEmpty());
}

QTEST_GUILESS_MAIN(TestDictionaryCli)
#include "tst_dictionarycli.moc"
