#pragma once

// The criteria strings of the dictionary's searches, built by plain concatenation: the typed
// text goes in unchanged, so a quote in it makes a criteria that is refused (found nothing).

#include <QString>

namespace SearchCriteria {

// "teckenkod ='&H4E2D'"
QString characterCode(const QString &code);
// "teckenkoder ='&H4E2D&H570B'"
QString wordCodes(const QString &codeString);
// Lower-cased as a whole: "translation3 like'*water*'", "translation3 ='water'" (field 1..10)
QString translationContains(int field, const QString &text);
QString translationEquals(int field, const QString &text);
// Lower-cased as a whole: "pinyin like'*shui*'", "pinyin ='shui3'"
QString pinyinContains(const QString &text);
QString pinyinEquals(const QString &text);
// "kinesisktradikal ='9.5'"
QString radicalKey(const QString &key);
// "kinesisktradikal like'9.*'": every key of radical 9, not 90.1
QString radicalNumber(const QString &number);
// "summa =12": a number, no quotes
QString strokes(const QString &total);

} // namespace SearchCriteria
