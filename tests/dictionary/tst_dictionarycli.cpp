#include "tests/common/cli.h"
#include "tests/dictionary/dictionaryfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using DictionaryFixture::character;

class TestDictionaryCli : public QObject
{
    Q_OBJECT

    DictionaryFixture::ProgramFolder m_folder;

    static QStringList run(const QStringList &arguments, const QString &folder)
    {
        return TestCli::run(arguments + QStringList{u"--folder"_s, folder});
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.build(
            {DictionaryFixture::word(u"&H4E2D&H570B"_s, u"zhong1 guo2"_s,
                                     {u"China"_s, u"Middle Kingdom"_s}),
             DictionaryFixture::word(u"&H4E2D"_s, u"zhong1"_s, {u"middle"_s, u"China (abbr.)"_s})},
            {character(u"&H4E2D"_s, u"2.3"_s, u"zhong1"_s, {u"middle"_s},
                       {{CharacterField::summa, 4}, {CharacterField::kantonesiska(1), u"zung1"_s}}),
             character(u"&H570B"_s, u"31.8"_s, u"guo2"_s, {u"country"_s},
                       {{CharacterField::forenklaform, u"&H56FD"_s},
                        {CharacterField::kantonesiska(1), u"gwok3"_s}}),
             character(u"&H56FD"_s, u"31.5"_s, u"guo2"_s, {u"country"_s}),
             character(u"&H4F55"_s, u"9.5"_s, u"he2"_s, {u"what"_s, u"why"_s}),
             character(u"&H4F5B"_s, u"9.5"_s, u"fo2"_s, {u"Buddha"_s})}));
    }

    void prints_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("output"); // exit code|lines
        QTest::newRow("english") << u"english middle kingdom"_s
                                 << u"0|中國|zhōng guó|China,   Middle Kingdom|2.3 31.8"_s;
        QTest::newRow("simplified, no radicals") << u"english --simplified --no-radicals China"_s
                                                 << u"0|中国|zhōng guó|China,   Middle Kingdom"_s;
        QTest::newRow("pinyin, exact, one more")
            << u"pinyin zhong1 --exact --more 1"_s << u"0|中|zhōng|middle,   China (abbr.)|2.3"_s;
        QTest::newRow("not found") << u"english water"_s << u"1"_s;
        QTest::newRow("radical key with comma")
            << u"radical 9,5"_s << u"0|何,  hé,  what, why, |佛,  fó,  Buddha, |2 characters"_s;
        QTest::newRow("readings") << u"readings 中國 --cantonese"_s
                                  << u"0|中,  zung1, |國,  gwok3, "_s;
        QTest::newRow("tones: v, capitals, neutral")
            << u"tones lv4 Ou1zhou1 ni3men5"_s << u"0|lǜ Ōuzhōu nǐmen"_s;
        QTest::newRow("no text") << u"english"_s << u"2"_s;
        QTest::newRow("unknown option") << u"english a --fast"_s << u"2"_s;
        QTest::newRow("option without its value") << u"english a --more"_s << u"2"_s;
        QTest::newRow("more past its bound") << u"english a --more 1001"_s << u"2"_s;
    }

    void prints()
    {
        QFETCH(QString, arguments);
        QTEST(run(arguments.split(u' '), m_folder.path()).join(u'|'), "output");
    }

    void missingStores()
    {
        QTemporaryDir empty;
        QCOMPARE(run({u"english"_s, u"china"_s}, empty.path()), QStringList{u"2"_s});
        QVERIFY(QDir(empty.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDictionaryCli)
#include "tst_dictionarycli.moc"
