#include "pinyin/syllabletables.h"

#include <QHash>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

enum class Table { Simplified, Traditional };

void load(Table table)
{
    if (table == Table::Simplified)
        loadSimplifiedTable();
    else
        loadTraditionalTable();
}

const QStringList simplifiedKeys =
    u"a ai an ang ao ba bai ban bang bao bei ben beng bi bian biao "
    "bie bin bing bo bu ca cai can cang cao ce cen ceng cha chai chan chang chao che chen cheng "
    "chi chong chou chu chuai chuan chuang chui chun chuo ci cong cou cu cuan cui cun cuo da dai "
    "dan dang dao de dei deng di dia dian diao die ding diu dong dou du duan dui dun duo e ei en "
    "er fa fan fang fei fen feng fo fou fu ga gai gan gang gao ge gei gen geng gong gou gu gua "
    "guai guan guang gui gun guo ha hai han hang hao he hei hen heng hng hong hou hu hua huai "
    "huan huang hui hun huo ji jia jian jiang jiao jie jin jing jiong jiu ju juan jue jun ka kai "
    "kan kang kao ke ken keng kong kou ku kua kuai kuan kuang kui kun kuo la lai lan lang lao le "
    "lei leng li lia lian liang liao lie lin ling liu lo long lou lu lu: luan lue lun luo m ma mai "
    "man mang mao me mei men meng mi mian miao mie min ming miu mo mou mu n na nai nan nang nao "
    "ne nei nen neng ng ni nian niang niao nie nin ning niu nong nou nu nu: nuan nue nuo o ou pa "
    "pai pan pang pao pei pen peng pi pian piao pie pin ping po pou pu qi qia qian qiang qiao qie "
    "qin qing qiong qiu qu quan que qun ran rang rao re ren reng ri rong rou ru ruan rui run ruo "
    "sa sai san sang sao se sen seng sha shai shan shang shao she shei shen sheng shi shou shu "
    "shua shuai shuan shuang shui shun shuo si song sou su suan sui sun suo ta tai tan tang tao "
    "te tei teng ti tian tiao tie ting tong tou tu tuan tui tun tuo wa wai wan wang wei wen weng "
    "wo wu xi xia xian xiang xiao xie xin xing xiong xiu xu xuan xue xun ya yan yang yao ye yi yin "
    "ying yo yong you yu yuan yue yun za zai zan zang zao ze zei zen zeng zha zhai zhan zhang zhao "
    "zhe zhei zhen zheng zhi zhong zhou zhu zhua zhuai zhuan zhuang zhui zhun zhuo zi zong zou zu "
    "zuan zui zun zuo"_s.split(u' ');

QStringList traditionalKeys()
{
    const QStringList dropped = u"hng lo lue me nue tei zhei"_s.split(u' ');
    QStringList keys;
    for (const QString &key : simplifiedKeys) {
        if (!dropped.contains(key))
            keys << key;
    }
    keys << u"b c ch chua d eng f fiao fong g h i ie j k l lu:an lu:e nu:e p q r s sh t u u: w x "
            "z zh"_s.split(u' ');
    std::sort(keys.begin(), keys.end());
    return keys;
}

int syllableCount()
{
    int count = 0;
    while (count + 1 < SyllableIndex.size() && !SyllableIndex.at(count + 1).syllable.isEmpty())
        ++count;
    return count;
}

const SyllableEntry *entryOf(const QString &syllable)
{
    for (const SyllableEntry &entry : std::as_const(SyllableIndex)) {
        if (entry.syllable == syllable)
            return &entry;
    }
    return nullptr;
}

QString candidatesOf(const SyllableEntry &entry)
{
    QString text;
    for (int i = int(entry.first); i <= int(entry.last); ++i)
        text += CandidateList.at(i);
    return text;
}

int usedCandidates()
{
    return int(SyllableIndex.at(syllableCount()).last) + 1;
}

QString fromCodePoints(std::initializer_list<char16_t> units)
{
    QString text;
    for (const char16_t unit : units)
        text += QChar(unit);
    return text;
}

} // namespace

Q_DECLARE_METATYPE(Table)

class TestSyllableTables : public QObject
{
    Q_OBJECT
private slots:
    void traditionalLoaded_staysSet();
    void bounds_data();
    void bounds();
    void indexInvariants_data();
    void indexInvariants();
    void candidateInvariants_data();
    void candidateInvariants();
    void keys_data();
    void keys();
    void tellingRows_data();
    void tellingRows();
    void traditionalZhuyin_data();
    void traditionalZhuyin();
    void simplifiedSingleCharacterSyllables();
    void findSyllableRange_data();
    void findSyllableRange();
    void findSyllableRange_everyPrefix_data();
    void findSyllableRange_everyPrefix();
};

void TestSyllableTables::traditionalLoaded_staysSet()
{
    // Runs first: nothing is loaded yet.
    QVERIFY(!traditionalLoaded);
    QCOMPARE(::findSyllableRange(u"a"_s).first, -1.0f);

    loadSimplifiedTable();
    QVERIFY(!traditionalLoaded);
    loadTraditionalTable();
    QVERIFY(traditionalLoaded);
    QVERIFY(entryOf(u"b"_s));
    loadSimplifiedTable();
    QVERIFY(traditionalLoaded);
    // The traditional table is gone completely.
    QVERIFY(!entryOf(u"b"_s));
    QCOMPARE(SyllableIndex.size(), 412);
    QVERIFY(!CandidateList.contains(u"\u3105"_s));
}

void TestSyllableTables::bounds_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<int>("indexBound");
    QTest::addColumn<int>("usualCandidateBound");

    QTest::newRow("simplified") << Table::Simplified << 411 << 7335;
    QTest::newRow("traditional") << Table::Traditional << 440 << 14300;
}

void TestSyllableTables::bounds()
{
    QFETCH(Table, table);
    QFETCH(int, indexBound);
    QFETCH(int, usualCandidateBound);
    load(table);
    QCOMPARE(SyllableIndex.size(), indexBound + 1);
    // The usual size, unless the data needs more: then two empty slots follow it.
    QCOMPARE(CandidateList.size(), std::max(usualCandidateBound, usedCandidates() + 1) + 1);
}

void TestSyllableTables::indexInvariants_data()
{
    QTest::addColumn<Table>("table");
    QTest::newRow("simplified") << Table::Simplified;
    QTest::newRow("traditional") << Table::Traditional;
}

void TestSyllableTables::indexInvariants()
{
    QFETCH(Table, table);
    load(table);
    const int count = syllableCount();
    QVERIFY(count > 400);

    for (int i = 0; i < SyllableIndex.size(); ++i) {
        const SyllableEntry &entry = SyllableIndex.at(i);
        if (i == 0 || i > count) {
            QVERIFY2(entry.syllable.isEmpty(), qPrintable(QString::number(i)));
            QCOMPARE(entry.first, 0.0f);
            QCOMPARE(entry.last, 0.0f);
            continue;
        }
        QCOMPARE(std::trunc(entry.first), entry.first);
        QCOMPARE(std::trunc(entry.last), entry.last);
        QVERIFY2(entry.first <= entry.last, qPrintable(entry.syllable));
        if (i == 1) {
            QCOMPARE(entry.first, 0.0f);
        } else {
            const SyllableEntry &previous = SyllableIndex.at(i - 1);
            QVERIFY2(previous.syllable < entry.syllable, qPrintable(entry.syllable));
            QCOMPARE(entry.first, previous.last + 1);
        }
    }
}

void TestSyllableTables::candidateInvariants_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<QString>("extraCharacters"); // besides U+4E00..U+9FA5

    QTest::newRow("simplified") << Table::Simplified << QString();
    QString zhuyin;
    for (char16_t letter = 0x3105; letter <= 0x3129; ++letter)
        zhuyin += QChar(letter);
    QTest::newRow("traditional") << Table::Traditional << zhuyin + QChar(0x2610);
}

void TestSyllableTables::candidateInvariants()
{
    QFETCH(Table, table);
    QFETCH(QString, extraCharacters);
    load(table);
    const int used = usedCandidates();
    QHash<QChar, int> uses;
    for (int i = 0; i < CandidateList.size(); ++i) {
        const QString &candidate = CandidateList.at(i);
        if (i >= used) {
            QVERIFY2(candidate.isEmpty(), qPrintable(QString::number(i)));
            continue;
        }
        QCOMPARE(candidate.size(), 1);
        const QChar c = candidate.at(0);
        QVERIFY2((c >= QChar(0x4E00) && c <= QChar(0x9FA5)) || extraCharacters.contains(c),
                 qPrintable(QString::number(c.unicode(), 16)));
        ++uses[c];
    }
    for (auto it = uses.cbegin(); it != uses.cend(); ++it)
        QVERIFY2(it.value() <= 4, qPrintable(QString(it.key())));

    for (int i = 1; i <= syllableCount(); ++i) {
        const QString candidates = candidatesOf(SyllableIndex.at(i));
        for (const QChar c : candidates)
            QVERIFY2(candidates.count(c) == 1, qPrintable(SyllableIndex.at(i).syllable));
    }
}

void TestSyllableTables::keys_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("simplified") << Table::Simplified << simplifiedKeys;
    QTest::newRow("traditional") << Table::Traditional << traditionalKeys();
}

void TestSyllableTables::keys()
{
    QFETCH(Table, table);
    QFETCH(QStringList, expected);
    load(table);
    QStringList actual;
    for (int i = 1; i <= syllableCount(); ++i)
        actual << SyllableIndex.at(i).syllable;
    QCOMPARE(actual, expected);
}

void TestSyllableTables::tellingRows_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("syllable");
    QTest::addColumn<int>("first"); // -1: wherever the data before it puts it
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("leading");
    QTest::addColumn<QString>("trailing");

    const Table s = Table::Simplified;
    const Table t = Table::Traditional;
    QTest::newRow("s a") << s << 1 << u"a"_s << 0 << 7
                         << fromCodePoints({0x963F, 0x554A, 0x5475, 0x814C, 0x55C4, 0x9515, 0x5416})
                         << QString();
    QTest::newRow("s ai") << s << 2 << u"ai"_s << 7 << 23
                          << fromCodePoints({0x7231, 0x5446, 0x54C0, 0x6328}) << QString();
    QTest::newRow("s an") << s << 3 << u"an"_s << 30 << 20 << QString() << QString();
    QTest::newRow("s ang") << s << 4 << u"ang"_s << 50 << 3
                           << fromCodePoints({0x6602, 0x80AE, 0x76CE}) << QString();
    QTest::newRow("s ao") << s << 5 << u"ao"_s << 53 << 24 << QString() << QString();
    QTest::newRow("s ba") << s << 6 << u"ba"_s << 77 << 26 << QString() << QString();
    QTest::newRow("s zuo") << s << 410 << u"zuo"_s << -1 << 19
                           << fromCodePoints({0x4F5C, 0x505A, 0x5750, 0x5EA7}) << QString();

    QTest::newRow("t a") << t << 1 << u"a"_s << 0 << 3 << fromCodePoints({0x554A, 0x963F, 0x311A})
                         << QString();
    QTest::newRow("t ai") << t << 2 << u"ai"_s << 3 << 40
                          << fromCodePoints({0x611B, 0x5509, 0x54C0, 0x827E}) << u"\u311E"_s;
    QTest::newRow("t an") << t << 3 << u"an"_s << 43 << 41 << QString() << QString();
    QTest::newRow("t ang") << t << 4 << u"ang"_s << 84 << 8 << QString() << u"\u3124"_s;
    QTest::newRow("t ao") << t << 5 << u"ao"_s << 92 << 41 << QString() << QString();
    QTest::newRow("t b") << t << 6 << u"b"_s << 133 << 1 << u"\u3105"_s << QString();
    QTest::newRow("t ba") << t << 7 << u"ba"_s << 134 << 38 << QString() << QString();
    QTest::newRow("t zuo") << t << 434 << u"zuo"_s << -1 << 22 << QString() << QString();
}

void TestSyllableTables::tellingRows()
{
    QFETCH(Table, table);
    QFETCH(int, index);
    QFETCH(QString, syllable);
    QFETCH(int, first);
    QFETCH(int, size);
    QFETCH(QString, leading);
    QFETCH(QString, trailing);
    load(table);

    const SyllableEntry &entry = SyllableIndex.at(index);
    QCOMPARE(entry.syllable, syllable);
    if (first >= 0)
        QCOMPARE(int(entry.first), first);
    QCOMPARE(int(entry.last - entry.first) + 1, size);
    const QString candidates = candidatesOf(entry);
    QVERIFY2(candidates.startsWith(leading), qPrintable(candidates));
    QVERIFY2(candidates.endsWith(trailing), qPrintable(candidates));
    if (index == syllableCount())
        QCOMPARE(int(entry.last), usedCandidates() - 1);
}

void TestSyllableTables::traditionalZhuyin_data()
{
    QTest::addColumn<QString>("syllable");
    QTest::addColumn<QString>("candidates"); // the whole row, or its last character after "…"

    const QStringList bareInitials{u"b ㄅ"_s, u"c ㄘ"_s, u"ch ㄔ"_s, u"d ㄉ"_s, u"f ㄈ"_s,
                                   u"g ㄍ"_s, u"h ㄏ"_s, u"j ㄐ"_s,  u"k ㄎ"_s, u"l ㄌ"_s,
                                   u"p ㄆ"_s, u"q ㄑ"_s, u"r ㄖ"_s,  u"s ㄙ"_s, u"sh ㄕ"_s,
                                   u"t ㄊ"_s, u"w ㄨ"_s, u"x ㄒ"_s,  u"z ㄗ"_s, u"zh ㄓ"_s};
    for (const QString &pair : bareInitials) {
        const QStringList parts = pair.split(u' ');
        QTest::addRow("bare %s", qPrintable(parts.at(0))) << parts.at(0) << parts.at(1);
    }
    QTest::newRow("medial i") << u"i"_s << u"ㄧ"_s;
    QTest::newRow("medial u") << u"u"_s << u"ㄨ"_s;
    QTest::newRow("medial ü") << u"u:"_s << u"ㄩ"_s;
    QTest::newRow("no character reads fong") << u"fong"_s << u"\u2610"_s;
    QTest::newRow("no character reads lüan") << u"lu:an"_s << u"\u2610"_s;
    QTest::newRow("eng ends with its letter") << u"eng"_s << u"…ㄥ"_s;
    QTest::newRow("er ends with its letter") << u"er"_s << u"…ㄦ"_s;
    QTest::newRow("zhi ends with its letter") << u"zhi"_s << u"…ㄓ"_s;
    QTest::newRow("yu ends with its letter") << u"yu"_s << u"…ㄩ"_s;
    QTest::newRow("m ends with its letter") << u"m"_s << u"…ㄇ"_s;
}

void TestSyllableTables::traditionalZhuyin()
{
    QFETCH(QString, syllable);
    QFETCH(QString, candidates);
    loadTraditionalTable();
    const SyllableEntry *entry = entryOf(syllable);
    QVERIFY(entry);
    const QString actual = candidatesOf(*entry);
    if (candidates.startsWith(u'…')) {
        QVERIFY2(actual.size() > 1 && actual.endsWith(candidates.back()), qPrintable(actual));
        QVERIFY2(actual.at(0).unicode() >= 0x4E00, qPrintable(actual));
    } else {
        QCOMPARE(actual, candidates);
    }
}

void TestSyllableTables::simplifiedSingleCharacterSyllables()
{
    loadSimplifiedTable();
    const QStringList singles =
        u"dei dia ei fo gei hng m neng ri sen seng shei tei zei zhei"_s.split(u' ');
    for (const QString &syllable : singles) {
        const SyllableEntry *entry = entryOf(syllable);
        QVERIFY2(entry && entry->first == entry->last, qPrintable(syllable));
    }
}

void TestSyllableTables::findSyllableRange_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("fromSyllable"); // empty: not found
    QTest::addColumn<QString>("toSyllable");

    const Table s = Table::Simplified;
    const Table t = Table::Traditional;
    QTest::newRow("s empty input") << s << QString() << QString() << QString();
    QTest::newRow("t empty input") << t << u""_s << QString() << QString();
    QTest::newRow("s last syllable") << s << u"zuo"_s << u"zuo"_s << u"zuo"_s;
    QTest::newRow("t last syllable") << t << u"zuo"_s << u"zuo"_s << u"zuo"_s;
    QTest::newRow("s first syllable and its run") << s << u"a"_s << u"a"_s << u"ao"_s;
    QTest::newRow("s lu covers lu: to lun") << s << u"lu"_s << u"lu"_s << u"luo"_s;
    QTest::newRow("s lu: alone") << s << u"lu:"_s << u"lu:"_s << u"lu:"_s;
    QTest::newRow("t lu: and its run") << t << u"lu:"_s << u"lu:"_s << u"lu:e"_s;
    QTest::newRow("s zh") << s << u"zh"_s << u"zha"_s << u"zhuo"_s;
    QTest::newRow("t zh starts at the bare initial") << t << u"zh"_s << u"zh"_s << u"zhuo"_s;
    QTest::newRow("s b") << s << u"b"_s << u"ba"_s << u"bu"_s;
    QTest::newRow("t b") << t << u"b"_s << u"b"_s << u"bu"_s;
    QTest::newRow("s n runs through ng and nu:") << s << u"n"_s << u"n"_s << u"nuo"_s;
    QTest::newRow("s v") << s << u"v"_s << QString() << QString();
    QTest::newRow("t v") << t << u"v"_s << QString() << QString();
    QTest::newRow("s zz") << s << u"zz"_s << QString() << QString();
    QTest::newRow("s longer than any syllable") << s << u"zuoo"_s << QString() << QString();
    QTest::newRow("s upper case") << s << u"Zuo"_s << QString() << QString();
    QTest::newRow("s colon alone") << s << u":"_s << QString() << QString();
    QTest::newRow("s star is no wildcard") << s << u"zu*"_s << QString() << QString();
}

void TestSyllableTables::findSyllableRange()
{
    QFETCH(Table, table);
    QFETCH(QString, input);
    QFETCH(QString, fromSyllable);
    QFETCH(QString, toSyllable);
    load(table);

    const SyllableEntry range = ::findSyllableRange(input);
    QVERIFY(range.syllable.isEmpty());
    if (fromSyllable.isEmpty()) {
        QCOMPARE(range.first, -1.0f);
        QCOMPARE(range.last, 0.0f);
        return;
    }
    const SyllableEntry *from = entryOf(fromSyllable);
    const SyllableEntry *to = entryOf(toSyllable);
    QVERIFY(from && to);
    QCOMPARE(range.first, from->first);
    QCOMPARE(range.last, to->last);
}

void TestSyllableTables::findSyllableRange_everyPrefix_data()
{
    indexInvariants_data();
}

void TestSyllableTables::findSyllableRange_everyPrefix()
{
    // Against a plain search over all entries, for every prefix of every syllable.
    QFETCH(Table, table);
    load(table);
    for (int i = 1; i <= syllableCount(); ++i) {
        const QString &syllable = SyllableIndex.at(i).syllable;
        for (qsizetype length = 1; length <= syllable.size(); ++length) {
            const QString prefix = syllable.first(length);
            float first = -1;
            float last = 0;
            for (int j = 1; j <= syllableCount(); ++j) {
                const SyllableEntry &entry = SyllableIndex.at(j);
                if (entry.syllable.startsWith(prefix)) {
                    first = first < 0 ? entry.first : std::min(first, entry.first);
                    last = std::max(last, entry.last);
                }
            }
            const SyllableEntry range = ::findSyllableRange(prefix);
            QVERIFY2(range.first == first && range.last == last, qPrintable(prefix));
        }
    }
}

QTEST_GUILESS_MAIN(TestSyllableTables)
#include "tst_syllabletables.moc"
