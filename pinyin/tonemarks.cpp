#include "pinyin/tonemarks.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <array>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype longestSyllable = 6; // zhuang, shuang, chuang
constexpr char16_t umlautU = u'\u00FC';

// Macron, acute, caron, grave: tones 1 to 4.
constexpr std::array<char16_t, 4> toneCombiningMarks{0x0304, 0x0301, 0x030C, 0x0300};

// letter + tone as one precomposed character where Unicode has one ("ǚ", "ḿ"), else the
// letter followed by the combining mark.
QString withToneMark(QChar letter, int tone)
{
    const QChar pair[] = {letter, QChar(toneCombiningMarks[tone - 1])};
    return QString(pair, 2).normalized(QString::NormalizationForm_C);
}

// Precomposed tone-marked letter -> its letter without the mark ("ǚ" -> "ü").
const QHash<char16_t, char16_t> &markedLetters()
{
    static const QHash<char16_t, char16_t> letters = [] {
        QHash<char16_t, char16_t> map;
        for (const QChar letter : u"aeiou\u00FCmnAEIOU\u00DCMN"_s) {
            for (int tone = 1; tone <= 4; ++tone) {
                const QString marked = withToneMark(letter, tone);
                if (marked.size() == 1)
                    map.insert(marked.at(0).unicode(), letter.unicode());
            }
        }
        return map;
    }();
    return letters;
}

const QSet<QString> &pinyinSyllables()
{
    static const QSet<QString> syllables = [] {
        const QStringList initials{u"zh"_s, u"ch"_s, u"sh"_s, u"b"_s, u"p"_s, u"m"_s, u"f"_s,
                                   u"d"_s,  u"t"_s,  u"n"_s,  u"l"_s, u"g"_s, u"k"_s, u"h"_s,
                                   u"j"_s,  u"q"_s,  u"x"_s,  u"r"_s, u"z"_s, u"c"_s, u"s"_s};
        const QStringList finals{
            u"a"_s,        u"o"_s,      u"e"_s,    u"ai"_s,   u"ei"_s,  u"ao"_s,     u"ou"_s,
            u"an"_s,       u"en"_s,     u"ang"_s,  u"eng"_s,  u"ong"_s, u"i"_s,      u"ia"_s,
            u"ie"_s,       u"iao"_s,    u"iu"_s,   u"ian"_s,  u"in"_s,  u"iang"_s,   u"ing"_s,
            u"iong"_s,     u"io"_s,     u"u"_s,    u"ua"_s,   u"uo"_s,  u"uai"_s,    u"ui"_s,
            u"uan"_s,      u"un"_s,     u"uang"_s, u"ueng"_s, u"ue"_s,  u"\u00FC"_s, u"\u00FCe"_s,
            u"\u00FCan"_s, u"\u00FCn"_s};
        // Without an initial only these stand alone; "in" or "ui" is spelled yin, wei.
        QSet<QString> all{u"a"_s,  u"o"_s,  u"e"_s,  u"ai"_s,  u"ei"_s,  u"ao"_s,
                          u"ou"_s, u"an"_s, u"en"_s, u"ang"_s, u"eng"_s, u"er"_s,
                          u"m"_s,  u"n"_s,  u"ng"_s, u"hm"_s,  u"hng"_s};
        for (const QString &initial : initials) {
            for (const QString &final : finals)
                all.insert(initial + final);
        }
        // y and w spell the finals that have no initial: yi, yue, wu, wei...
        for (const QString &final :
             {u"a"_s, u"o"_s, u"e"_s, u"ai"_s, u"ao"_s, u"ou"_s, u"an"_s, u"ang"_s, u"i"_s, u"in"_s,
              u"ing"_s, u"u"_s, u"ue"_s, u"uan"_s, u"un"_s, u"ong"_s})
            all.insert(u'y' + final);
        for (const QString &final :
             {u"a"_s, u"o"_s, u"ai"_s, u"ei"_s, u"an"_s, u"en"_s, u"ang"_s, u"eng"_s, u"u"_s})
            all.insert(u'w' + final);
        return all;
    }();
    return syllables;
}

// The erhua "r" written as a syllable of its own ("dian3 r5") takes only the neutral tone.
bool isSyllable(const QString &lower, int tone)
{
    return pinyinSyllables().contains(lower) || (lower == u"r" && (tone == 0 || tone == 5));
}

// Index of the letter that carries the mark, -1 when there is none.
qsizetype markPosition(const QString &lower)
{
    for (const QChar vowel : {u'a', u'e'}) {
        if (const qsizetype at = lower.indexOf(vowel); at >= 0)
            return at;
    }
    if (const qsizetype at = lower.indexOf(u"ou"_s); at >= 0)
        return at;
    for (qsizetype i = lower.size() - 1; i >= 0; --i) {
        if (QStringView(u"iou\u00FC").contains(lower.at(i)))
            return i;
    }
    // m, n, ng, hm, hng: the nasal carries the mark.
    for (qsizetype i = 0; i < lower.size(); ++i) {
        if (lower.at(i) == u'm' || lower.at(i) == u'n')
            return i;
    }
    return -1;
}

// Letters as the rule reads them: lower case, ü for u:, uu and v, marks taken off, with where
// each came from in the text.
struct ReadLetters
{
    QString lower;
    std::vector<qsizetype> from; // index in the text of each letter of lower
    std::vector<bool> upper;
    std::vector<bool> marked;

    void add(QChar letter, qsizetype at, bool isUpper, bool isMarked)
    {
        lower += letter;
        from.push_back(at);
        upper.push_back(isUpper);
        marked.push_back(isMarked);
    }
};

bool isU(QChar c)
{
    return c == u'u' || c == u'U';
}

ReadLetters readLetters(QStringView text)
{
    ReadLetters letters;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (isU(c) && (next == u':' || isU(next))) {
            letters.add(QChar(umlautU), i, c.isUpper(), false);
            ++i;
        } else if (c == u'v' || c == u'V') {
            letters.add(QChar(umlautU), i, c.isUpper(), false);
        } else if (const auto base = markedLetters().constFind(c.unicode());
                   base != markedLetters().cend()) {
            const QChar letter(*base);
            letters.add(letter.toLower(), i, letter.isUpper(), true);
        } else {
            letters.add(c.toLower(), i, c.isUpper(), false);
        }
    }
    return letters;
}

bool isRunLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == umlautU || c == u'\u00DC' ||
           markedLetters().contains(c.unicode());
}

// The syllable spelled from read letters [from, to), ü written as ü, capitals kept, the mark
// of tone 1-4 added; a null string when the syllable takes no mark.
QString spelled(const ReadLetters &letters, qsizetype from, qsizetype to, int tone)
{
    const QString lower = letters.lower.sliced(from, to - from);
    QString result;
    for (qsizetype i = from; i < to; ++i) {
        const QChar c = letters.lower.at(i);
        result += letters.upper[std::size_t(i)] ? c.toUpper() : c;
    }
    if (tone == 0 || tone == 5)
        return result;
    const qsizetype at = markPosition(lower);
    if (at < 0)
        return {};
    return result.replace(at, 1, withToneMark(result.at(at), tone));
}

int toneOfDigit(QChar c)
{
    return c >= u'0' && c <= u'5' ? c.unicode() - u'0' : -1;
}

} // namespace

ToneMarkEdit toneMarkEditAt(QStringView text, qsizetype digitAt)
{
    if (digitAt <= 0 || digitAt >= text.size())
        return {};
    const int tone = toneOfDigit(text[digitAt]);
    if (tone < 0)
        return {};
    qsizetype runStart = digitAt;
    while (runStart > 0) {
        const QChar c = text[runStart - 1];
        if (isRunLetter(c) || (c == u':' && runStart >= 2 && isU(text[runStart - 2])))
            --runStart;
        else
            break;
    }
    if (runStart == digitAt)
        return {};

    const ReadLetters letters = readLetters(text.sliced(runStart, digitAt - runStart));
    const qsizetype n = letters.lower.size();
    // reachable[k]: the first k letters read as whole syllables.
    std::vector<bool> reachable(std::size_t(n) + 1, false);
    reachable[0] = true;
    for (qsizetype k = 1; k <= n; ++k) {
        for (qsizetype length = 1; length <= std::min(k, longestSyllable); ++length) {
            if (reachable[std::size_t(k - length)] &&
                pinyinSyllables().contains(letters.lower.sliced(k - length, length))) {
                reachable[std::size_t(k)] = true;
                break;
            }
        }
    }
    // The longest last syllable: "xian" is xian, not xi + an; "fangan" is fan + gan.
    for (qsizetype start = std::max<qsizetype>(0, n - longestSyllable); start < n; ++start) {
        if (!reachable[std::size_t(start)] || !isSyllable(letters.lower.sliced(start), tone))
            continue;
        for (qsizetype i = start; i < n; ++i) {
            if (letters.marked[std::size_t(i)])
                return {};
        }
        const QString replacement = spelled(letters, start, n, tone);
        if (replacement.isNull())
            return {};
        const qsizetype from = runStart + letters.from[std::size_t(start)];
        return {from, digitAt + 1 - from, replacement};
    }
    return {};
}

QString markedSyllable(QStringView syllable, int tone)
{
    if (tone < 0 || tone > 5 || syllable.isEmpty())
        return {};
    const ReadLetters letters = readLetters(syllable);
    for (const bool isMarked : letters.marked) {
        if (isMarked)
            return {};
    }
    if (!isSyllable(letters.lower, tone))
        return {};
    return spelled(letters, 0, letters.lower.size(), tone);
}

QString toneNumbersToUnicode(const QString &toneNumberPinyin)
{
    QString result;
    result.reserve(toneNumberPinyin.size());
    for (qsizetype i = 0; i < toneNumberPinyin.size(); ++i) {
        const ToneMarkEdit edit = toneMarkEditAt(toneNumberPinyin, i);
        if (edit.isNull()) {
            result += toneNumberPinyin.at(i);
            continue;
        }
        // The syllable's letters were copied unchanged: no digit lies inside them.
        result.chop(i - edit.from);
        result += edit.replacement;
    }
    return result;
}

QString bracketedToneNumbersToUnicode(const QString &text)
{
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype open = text.indexOf(u'[', from);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u']', open);
        if (close < 0) {
            result += QStringView(text).sliced(from);
            break;
        }
        result += QStringView(text).sliced(from, open + 1 - from);
        result += toneNumbersToUnicode(text.sliced(open + 1, close - open - 1));
        from = close;
    }
    return result;
}

QString pinyinAsStored(const QString &typed)
{
    QString stored = typed.toLower();
    stored.replace(umlautU, u"u:"_s);
    stored.replace(u'v', u"u:"_s);
    return stored;
}

int toneOfCombiningMark(QChar c)
{
    switch (c.unicode()) {
    case 0x0304:
        return 1;
    case 0x0301:
        return 2;
    case 0x030C:
        return 3;
    case 0x0300:
        return 4;
    default:
        return 0;
    }
}

QString toneMarksToNumbers(const QString &text)
{
    QStringList syllables;
    for (const QString &syllable : text.split(u' ')) {
        QString letters = syllable.normalized(QString::NormalizationForm_D);
        int tone = 0;
        int marks = 0;
        for (qsizetype i = 0; i < letters.size(); ++i) {
            if (const int t = toneOfCombiningMark(letters[i])) {
                tone = t;
                ++marks;
                letters.remove(i--, 1);
            } else if (letters[i] == QChar(0x0308) && i > 0 && letters[i - 1].toLower() == u'u') {
                letters[i] = u':';
            }
        }
        syllables << (marks == 1   ? letters + QString::number(tone)
                      : marks == 0 ? letters.normalized(QString::NormalizationForm_C)
                                   : syllable);
    }
    return syllables.join(u' ');
}
