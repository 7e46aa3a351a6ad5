#pragma once

// Readings from Unihan fields and CC-CEDICT lines, reduced to the toneless syllables that key
// the syllable tables. ü is written "u:".

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <utility>

// "zhōng" -> "zhong", "lǜ" -> "lu:", "ế" -> "e", "ḿ" -> "m". A null string when the reading
// holds anything but letters and marks.
QString tonelessSyllable(QStringView marked);

// kHanyuPinyin, kXHC1983 and kTGHZ2013 values: locations, a colon, readings.
//   "1550.030:zuō 1553.030,1554.031:zuò" -> {"zuō", "zuò"}
//   "10134.060:zuò,zuō,zuó"              -> {"zuò", "zuō", "zuó"}
QStringList locatedReadings(QStringView value);

// kHanyuPinlu values: "ā(392) hē(64)" -> {{"ā", 392}, {"hē", 64}}. Malformed items are skipped.
QList<std::pair<QString, int>> pinluReadings(QStringView value);

struct CedictWord
{
    QString traditional;
    QString simplified;
    QStringList syllables; // toneless, lower case: "Zhong1 guo2" -> {"zhong", "guo"}
};

// "中國 中国 [Zhong1 guo2] /China/" -> {"中國", "中国", {"zhong", "guo"}}; nothing for comment
// lines and lines that are not entries.
std::optional<CedictWord> parseCedictLine(QStringView line);
