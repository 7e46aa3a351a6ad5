#pragma once

// Pinyin with tone marks. The stores hold tone-number pinyin ("hao3", "nu:3", "nuu3"); the
// program shows, copies, saves and prints standard Unicode pinyin with precomposed letters
// ("hǎo", "nǚ"). One rule marks a syllable, wherever it is typed or shown:
//
//     the mark goes on a or e; in "ou" on the o; otherwise on the last vowel
//     u:, uu, v and ü all spell ü                  lv4 -> lǜ, nu:3 -> nǚ
//     tone 5 or 0 is neutral: no mark, no digit      ma5 -> ma
//     capitals keep their case                       Ou1zhou1 -> Ōuzhōu
//     m, n, ng, hm, hng carry the mark on the nasal  ng2 -> ńg

#include <QString>
#include <QStringView>

// Replacing the syllable in front of a tone digit, and the digit, by the marked syllable.
struct ToneMarkEdit
{
    qsizetype from = 0;   // first character of the syllable
    qsizetype length = 0; // characters replaced: the syllable as spelled plus the digit
    QString replacement;  // "hǎo"; for the neutral tone the syllable without its digit

    bool isNull() const { return length == 0; }
};

// The edit for the character at digitAt when it is a tone digit 0 to 5 that directly follows a
// pinyin syllable; a null edit otherwise. The syllable is the last one of the run of letters in
// front of the digit, taken as long as the rest of the run still reads as pinyin:
//
//     "ni3 hao3", 7      -> {4, 4, "hǎo"}
//     "zhongguo2", 8     -> {5, 4, "guó"}   ("zhong" before it is pinyin)
//     "nǐmen5", 5        -> {2, 4, "men"}   (marked syllables before it count as pinyin)
//     "hǎo3", 3          -> null            (already marked: Unicode pinyin is left alone)
//     "abc3", "2026", "mp3" -> null         (no syllable, or no pinyin before it)
ToneMarkEdit toneMarkEditAt(QStringView text, qsizetype digitAt);

// One syllable with a tone: ("hao", 3) -> "hǎo", ("Lv", 4) -> "Lǜ", ("de", 5) -> "de".
// A null string when syllable is not pinyin or the tone is not 0 to 5.
QString markedSyllable(QStringView syllable, int tone);

// Every tone-numbered syllable of a text marked, all else kept as it is: "Zhong1guo2 ren2!"
// -> "Zhōngguó rén!", "nuu3 nu:3 nv3 nü3" -> "nǚ nǚ nǚ nǚ". Text already in Unicode pinyin is
// returned unchanged.
QString toneNumbersToUnicode(const QString &toneNumberPinyin);

// Only the pinyin in square brackets marked, as CC-CEDICT lines write it; glosses such as
// "A3 paper" stay: "水 [shui3] /water/ CL:杯[bei1]" -> "水 [shuǐ] /water/ CL:杯[bēi]".
QString bracketedToneNumbersToUnicode(const QString &text);

// The tone of a combining mark, as text decomposed (NFD) writes a marked vowel: U+0304 (ā) 1,
// U+0301 (á) 2, U+030C (ǎ) 3, U+0300 (à) 4; 0 for any other character.
int toneOfCombiningMark(QChar c);

// Space-separated marked syllables as CEDICT writes them: "Zhōng guó" -> "Zhong1 guo2",
// "nǚ" -> "nu:3"; a word of several marked syllables written together is left as it is.
QString toneMarksToNumbers(const QString &text);

// Typed pinyin as the word table spells it, for searching: v and ü become "u:", lower case.
// "Nv3 er2" -> "nu:3 er2".
QString pinyinAsStored(const QString &typed);
