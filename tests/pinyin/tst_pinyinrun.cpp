// Cutting typed pinyin into syllables: every way of writing a syllable the box accepts, and the
// positions a partial choice cuts the box at.

#include "pinyin/pinyinrun.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "zhong1@6 guo2@10": letters, tone when typed, @ the end in the typed text, * when unfinished.
QString written(const QList<TypedSyllable> &syllables)
{
    QStringList parts;
    for (const TypedSyllable &s : syllables) {
        QString part = s.letters;
        if (s.tone)
            part += QString::number(s.tone);
        part += u'@' + QString::number(s.end);
        if (!s.complete)
            part += u'*';
        parts << part;
    }
    return parts.join(u' ');
}

} // namespace

class TestPinyinRun : public QObject
{
    Q_OBJECT

private slots:
    void split_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("syllables");
        QTest::newRow("one syllable") << u"zhong"_s << u"zhong@5"_s;
        QTest::newRow("a word") << u"zhongguo"_s << u"zhong@5 guo@8"_s;
        QTest::newRow("fewest syllables: xian") << u"xian"_s << u"xian@4"_s;
        QTest::newRow("apostrophe parts xi'an") << u"xi'an"_s << u"xi@3 an@5"_s;
        QTest::newRow("longer first among as few") << u"fangan"_s << u"fang@4 an@6"_s;
        QTest::newRow("apostrophe decides") << u"fan'gan"_s << u"fan@4 gan@7"_s;
        QTest::newRow("last only begun") << u"zhongg"_s << u"zhong@5 g@6*"_s;
        QTest::newRow("tone digits") << u"zhong1guo2"_s << u"zhong1@6 guo2@10"_s;
        QTest::newRow("tone 5, neutral") << u"ma5"_s << u"ma5@3"_s;
        QTest::newRow("v is ü") << u"lvse"_s << u"lu:@2 se@4"_s;
        QTest::newRow("u: is ü") << u"lu:se"_s << u"lu:@3 se@5"_s;
        QTest::newRow("lve written lue") << u"lve"_s << u"lue@3"_s;
        QTest::newRow("lu takes no colon of its own") << u"lu"_s << u"lu@2"_s;
        QTest::newRow("capitals") << u"ZhongGuo"_s << u"zhong@5 guo@8"_s;
        QTest::newRow("separators belong before") << u"xi''an"_s << u"xi@4 an@6"_s;
        QTest::newRow("trailing apostrophe") << u"xi'"_s << u"xi@3"_s;
        QTest::newRow("erhua r") << u"nar"_s << u"na@2 r@3"_s;
        QTest::newRow("colon not after u dropped") << u"a:i"_s << u"ai@3"_s;
        QTest::newRow("no syllable begins zz") << u"zz"_s << QString();
        QTest::newRow("whole syllable needed before an apostrophe") << u"zh'ong"_s << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("separators only") << u"' 1"_s << QString();
        QTest::newRow("digit first") << u"1ma"_s << u"ma@3"_s;
    }
    void split()
    {
        QFETCH(QString, typed);
        QTEST(written(PinyinRun::split(typed)), "syllables");
    }

    void canonical_data()
    {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("letters");
        QTest::newRow("tone dropped") << u"zhong1"_s << u"zhong"_s;
        QTest::newRow("capital") << u"Zhong1"_s << u"zhong"_s;
        QTest::newRow("u: kept") << u"lu:4"_s << u"lu:"_s;
        QTest::newRow("v") << u"lv4"_s << u"lu:"_s;
        QTest::newRow("lu:e") << u"lu:e4"_s << u"lue"_s;
        QTest::newRow("nve") << u"nve"_s << u"nue"_s;
        QTest::newRow("erhua") << u"r5"_s << u"r"_s;
    }
    void canonical()
    {
        QFETCH(QString, reading);
        QTEST(PinyinRun::canonical(reading), "letters");
    }
};

QTEST_GUILESS_MAIN(TestPinyinRun)
#include "tst_pinyinrun.moc"
