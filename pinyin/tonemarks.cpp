#include "pinyin/tonemarks.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// Rows of ToneFinalTable by their first letter, in table order, so that a position whose
// character starts no final costs one lookup instead of 76 comparisons.
struct RowsByFirstLetter
{
    std::array<std::array<quint8, 76>, 128> rows{};
    std::array<quint8, 128> count{};
};

constexpr RowsByFirstLetter buildRowsByFirstLetter()
{
    RowsByFirstLetter index;
    for (std::size_t row = 0; row < ToneFinalTable.size(); ++row) {
        const char16_t first = ToneFinalTable[row].patternUnits[0];
        index.rows[first][index.count[first]++] = quint8(row);
    }
    return index;
}

constexpr RowsByFirstLetter rowsByFirstLetter = buildRowsByFirstLetter();

// Unicode combining marks for tones 1 to 4: macron, acute, caron, grave.
constexpr std::array<char16_t, 4> toneCombiningMarks{0x0304, 0x0301, 0x030C, 0x0300};

// letter + tone as one precomposed character where Unicode has one ("ǚ", "ḿ"), else the
// letter followed by the combining mark.
QString withToneMark(QChar letter, int tone)
{
    const QChar pair[] = {letter, QChar(toneCombiningMarks[tone - 1])};
    return QString(pair, 2).normalized(QString::NormalizationForm_C);
}

// Pinyin-font code point (U+00A0..U+00FF) -> standard Unicode character, 0 where unused.
std::array<char16_t, 96> buildFontToUnicode()
{
    std::array<char16_t, 96> map{};
    for (const ToneGlyphRow &row : ToneGlyphTable) {
        for (int tone = 1; tone <= 4; ++tone) {
            const QString marked = withToneMark(QChar(row.letter), tone);
            map[row.glyphs[tone - 1] - 0xA0] = marked.at(0).unicode();
        }
    }
    return map;
}

bool isSyllableLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u':' || c == u'\u00FC' ||
           c == u'\u00DC';
}

// "nuu", "nu:" and "nü" all spell nü; the case of the u is kept.
QString withUmlauts(QStringView word)
{
    QString spelled;
    spelled.reserve(word.size());
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word[i];
        const bool isU = c == u'u' || c == u'U';
        const QChar next = i + 1 < word.size() ? word[i + 1] : QChar();
        if (isU && (next == u':' || next == u'u' || next == u'U')) {
            spelled += c == u'u' ? QChar(u'\u00FC') : QChar(u'\u00DC');
            ++i;
        } else {
            spelled += c;
        }
    }
    return spelled;
}

bool isPinyinSyllable(const QString &lower)
{
    static const QStringList nasalSyllables{u"m"_s, u"n"_s, u"ng"_s, u"hm"_s, u"hng"_s};
    static const QStringList initials{u"zh"_s, u"ch"_s, u"sh"_s, u"b"_s, u"p"_s, u"m"_s,
                                      u"f"_s,  u"d"_s,  u"t"_s,  u"n"_s, u"l"_s, u"g"_s,
                                      u"k"_s,  u"h"_s,  u"j"_s,  u"q"_s, u"x"_s, u"r"_s,
                                      u"z"_s,  u"c"_s,  u"s"_s,  u"y"_s, u"w"_s};
    static const QStringList finals{
        u"a"_s,       u"o"_s,        u"e"_s,      u"ai"_s,   u"ei"_s,   u"ao"_s, u"ou"_s,
        u"an"_s,      u"en"_s,       u"ang"_s,    u"eng"_s,  u"ong"_s,  u"er"_s, u"i"_s,
        u"ia"_s,      u"ie"_s,       u"iao"_s,    u"iu"_s,   u"ian"_s,  u"in"_s, u"iang"_s,
        u"ing"_s,     u"iong"_s,     u"io"_s,     u"u"_s,    u"ua"_s,   u"uo"_s, u"uai"_s,
        u"ui"_s,      u"uan"_s,      u"un"_s,     u"uang"_s, u"ueng"_s, u"ue"_s, u"\u00FC"_s,
        u"\u00FCe"_s, u"\u00FCan"_s, u"\u00FCn"_s};

    if (nasalSyllables.contains(lower) || finals.contains(lower))
        return true;
    for (const QString &initial : initials) {
        if (lower.startsWith(initial) && finals.contains(lower.sliced(initial.size())))
            return true;
    }
    return false;
}

// A syllable that may carry the neutral tone: any pinyin syllable, and the "r" of erhua.
bool isNeutralSyllable(QStringView word)
{
    const QString lower = withUmlauts(word).toLower();
    return lower == u"r" || isPinyinSyllable(lower);
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

// The syllable with its mark, or a null string when word is not a pinyin syllable.
QString markedSyllable(QStringView word, int tone)
{
    QString spelled = withUmlauts(word);
    const QString lower = spelled.toLower();
    if (!isPinyinSyllable(lower))
        return {};
    const qsizetype at = markPosition(lower);
    if (at < 0)
        return {};
    return spelled.replace(at, 1, withToneMark(spelled.at(at), tone));
}

} // namespace

QString renderToneMarks(const QString &text)
{
    QString result = text;
    const qsizetype length = result.size();
    if (length == 0)
        return result;
    QChar *units = result.data();
    for (qsizetype p = 0; p < length; ++p) {
        const char16_t first = units[p].unicode();
        // CC-CEDICT spells ü "u:"; it takes its mark like "uu", in the same three places.
        if (first == u'u' && p + 2 < length && units[p + 1] == u':' && units[p + 2] >= u'1'
            && units[p + 2] <= u'4') {
            units[p] = toneGlyph(QChar(u'\u00FC'), units[p + 2].unicode() - u'0');
            units[p + 1] = units[p + 2] = QChar(u' ');
            p += 2;
            continue;
        }
        if (first >= rowsByFirstLetter.count.size())
            continue;
        const QStringView rest(units + p, length - p);
        for (quint8 i = 0; i < rowsByFirstLetter.count[first]; ++i) {
            const ToneFinal &row = ToneFinalTable[rowsByFirstLetter.rows[first][i]];
            if (rest.startsWith(row.pattern())) {
                std::copy_n(row.replacement().data(), row.length, units + p);
                break;
            }
        }
    }
    return result;
}

QString fontPinyinToUnicode(const QString &text)
{
    static const std::array<char16_t, 96> fontToUnicode = buildFontToUnicode();
    QString result = text;
    for (qsizetype i = 0; i < result.size(); ++i) {
        const char16_t unit = result.at(i).unicode();
        if (unit >= 0xA0 && unit <= 0xFF && fontToUnicode[unit - 0xA0] != 0)
            result[i] = QChar(fontToUnicode[unit - 0xA0]);
    }
    return result;
}

QString toneNumbersToUnicode(const QString &toneNumberPinyin)
{
    const QStringView text(toneNumberPinyin);
    QString result;
    result.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isSyllableLetter(text[i])) {
            result += text[i++];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && isSyllableLetter(text[end]))
            ++end;
        const QStringView word = text.sliced(i, end - i);
        // The neutral tone has no mark and, in standard pinyin, no digit either.
        if (end < text.size() && text[end] == u'5' && isNeutralSyllable(word)) {
            result += withUmlauts(word);
            i = end + 1;
            continue;
        }
        if (end < text.size() && text[end] >= u'1' && text[end] <= u'4') {
            const QString marked = markedSyllable(word, text[end].unicode() - u'0');
            if (!marked.isNull()) {
                result += marked;
                i = end + 1;
                continue;
            }
        }
        result += word;
        i = end;
    }
    return result;
}
