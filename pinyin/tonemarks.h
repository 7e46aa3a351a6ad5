#pragma once

// Pinyin with tone marks. The program stores tone-number pinyin ("hao3") and shows it in the
// pinyin font, which draws certain Latin-1 code points as tone-marked vowels; text in that
// encoding leaves the program as standard Unicode pinyin.

#include <QChar>
#include <QString>
#include <QStringView>

#include <array>
#include <string_view>

// For each tone-bearing letter, the code points the pinyin font draws with tone 1 (level) to
// 4 (falling). Saved and copied text uses these values, so they never change, even though
// the columns are not in code point order. ü has no upper-case row.
struct ToneGlyphRow
{
    char16_t letter;
    std::array<char16_t, 4> glyphs;
};

inline constexpr std::array<ToneGlyphRow, 11> ToneGlyphTable{{
    {u'a', {0x00E1, 0x00E0, 0x00E2, 0x00E4}},
    {u'e', {0x00E3, 0x00E5, 0x00E7, 0x00E9}},
    {u'i', {0x00EA, 0x00EB, 0x00ED, 0x00EC}},
    {u'o', {0x00EE, 0x00EF, 0x00F1, 0x00F3}},
    {u'u', {0x00F2, 0x00F4, 0x00F6, 0x00F5}},
    {u'\u00FC', {0x00FA, 0x00F9, 0x00FB, 0x00FC}},
    {u'A', {0x00A2, 0x00C1, 0x00A7, 0x00C0}},
    {u'E', {0x00B6, 0x00C9, 0x00AE, 0x00C8}},
    {u'I', {0x00B4, 0x00CD, 0x00CF, 0x00CC}},
    {u'O', {0x00D8, 0x00D3, 0x00B1, 0x00D2}},
    {u'U', {0x00AA, 0x00DA, 0x00B5, 0x00D9}},
}};

// The pinyin font's character for letter with tone 1..4; a null QChar when there is none.
constexpr QChar toneGlyph(QChar letter, int tone)
{
    if (tone < 1 || tone > 4)
        return {};
    for (const ToneGlyphRow &row : ToneGlyphTable) {
        if (row.letter == letter.unicode())
            return QChar(row.glyphs[tone - 1]);
    }
    return {};
}

// One final followed by a tone digit ("ang1") and what replaces it: the marked letter's glyph,
// the rest of the final, then spaces so that the length stays the same ("áng ").
struct ToneFinal
{
    std::array<char16_t, 4> patternUnits{};
    std::array<char16_t, 4> replacementUnits{};
    qsizetype length = 0;

    constexpr QStringView pattern() const { return {patternUnits.data(), length}; }
    constexpr QStringView replacement() const { return {replacementUnits.data(), length}; }
};

namespace ToneFinalOrder {

struct Final
{
    std::u16string_view letters;
    char16_t markedLetter;
    qsizetype markedLength; // "uu" is one letter, ü
};

// Longest first, so that the first row that matches at a position is the longest final.
inline constexpr std::array<Final, 19> finals{{
    {u"ang", u'a', 1}, {u"eng", u'e', 1},     {u"ing", u'i', 1}, {u"ong", u'o', 1},
    {u"an", u'a', 1},  {u"en", u'e', 1},      {u"in", u'i', 1},  {u"un", u'u', 1},
    {u"ai", u'a', 1},  {u"ei", u'e', 1},      {u"ao", u'a', 1},  {u"ou", u'o', 1},
    {u"er", u'e', 1},  {u"uu", u'\u00FC', 2}, {u"a", u'a', 1},   {u"e", u'e', 1},
    {u"o", u'o', 1},   {u"u", u'u', 1},       {u"i", u'i', 1},
}};

constexpr std::array<ToneFinal, 76> build()
{
    std::array<ToneFinal, 76> table{};
    std::size_t row = 0;
    for (const Final &final : finals) {
        for (int tone = 1; tone <= 4; ++tone, ++row) {
            ToneFinal &entry = table[row];
            const qsizetype letters = qsizetype(final.letters.size());
            entry.length = letters + 1;
            for (qsizetype i = 0; i < letters; ++i)
                entry.patternUnits[i] = final.letters[i];
            entry.patternUnits[letters] = char16_t(u'0' + tone);

            entry.replacementUnits.fill(u' ');
            entry.replacementUnits[0] = toneGlyph(QChar(final.markedLetter), tone).unicode();
            for (qsizetype i = final.markedLength; i < letters; ++i)
                entry.replacementUnits[1 + i - final.markedLength] = final.letters[i];
        }
    }
    return table;
}

} // namespace ToneFinalOrder

// The 76 finals-with-tone the batch conversion looks for, in the order they are tried.
inline constexpr std::array<ToneFinal, 76> ToneFinalTable = ToneFinalOrder::build();

// Replaces every final followed by a tone digit 1-4 with the pinyin font's marked form:
// "zhong1guo2" -> "zh" U+00EE "ng gu" U+00EF " ". "u:" followed by a digit is ü, as "uu" is.
// Same length as the input; case-sensitive (upper-case vowels and tones 0 and 5 stay);
// converting twice changes nothing.
QString renderToneMarks(const QString &text);

// Pinyin-font text to standard Unicode pinyin, one character for one: U+00E1 -> "ā",
// U+00FB -> "ǚ". Every other character, the spaces left by renderToneMarks included, is kept.
QString fontPinyinToUnicode(const QString &text);

// Tone-number pinyin to standard Unicode pinyin: "Zhong1 guo2" -> "Zhōng guó",
// "nuu3" / "nu:3" / "nü3" -> "nǚ". The mark goes on a or e, else on the o of "ou", else on the
// last vowel. Spacing and capitals are kept; a syllable with tone 5 loses its digit ("ma5" ->
// "ma"); one that is not pinyin is left as it is, digit included.
QString toneNumbersToUnicode(const QString &toneNumberPinyin);
