#pragma once

#include <QString>
#include <QStringView>

// Tone-marked pinyin as the dictionary stores it, with the tone as a digit at the end and ü
// written "uu" so that the tone renderer can mark it:
//   "zhōng" -> "zhong1",  "lǜ" -> "luu4",  "lü" -> "luu",  "ń" -> "n2",  "ma" -> "ma"
QString toneNumberPinyin(QStringView marked);
