#pragma once

// A run of typed pinyin cut into syllables, the way the Chinese editor reads its input box:
//
//   "zhongguoren" -> zhong guo ren       "xi'an"  -> xi an      "xian" -> xian
//   "zhong1guo2"  -> zhong(1) guo(2)     "lvse"   -> lu: se     "nu:e" -> nue
//   "zhongg"      -> zhong g             the last syllable may be the beginning of one
//
// Fewest syllables win; among cuts with as many, the one with the longer syllables first.

#include <QList>
#include <QString>
#include <QStringView>

struct TypedSyllable
{
    QString letters; // lower case; ü written "u:", except in "lue" and "nue"
    int tone = 0;    // 1..5 when a tone digit follows it, else 0
    // Where the syllable ends in the typed text, with its tone digit and any apostrophe or space
    // after it: what a choice of the syllables up to this one takes out of the box.
    qsizetype end = 0;
    bool complete = true; // false: only the beginning of a syllable (the last one alone)
};

namespace PinyinRun {

// The cut; empty when the text holds no letter or a part of it begins no syllable.
QList<TypedSyllable> split(QStringView typed);

// A syllable as the dictionary writes it, in the form split() gives: "Lu:4" -> "lu:",
// "lv" -> "lu:", "lu:e" -> "lue", "Zhong" -> "zhong". The tone digit is dropped.
QString canonical(QStringView syllable);

// Whether text is a whole syllable of Mandarin ("zhong", "lu:", "r") or only begins one.
bool isSyllable(QStringView text);
bool beginsSyllable(QStringView text);

} // namespace PinyinRun
