#pragma once

// The criteria of the dictionary's searches. The typed text goes in as typed, quotes included
// ("Down's" finds "Down's syndrome"); in the English and pinyin searches curly and other
// look-alike quotes count as the ASCII ones CEDICT writes.

#include "platform/criteria.h"

#include <QString>

#include <optional>

namespace SearchCriteria {

// teckenkod = '&H4E2D'
std::optional<Criteria> characterCode(const QString &code);
// teckenkoder = '&H4E2D&H570B'
std::optional<Criteria> wordCodes(const QString &codeString);
// Lower-cased: translation3 like '*water*', translation3 = 'water' (field 1..10)
std::optional<Criteria> translationContains(int field, const QString &text);
std::optional<Criteria> translationEquals(int field, const QString &text);
// Lower-cased, ü (typed v or ü) as the table spells it: pinyin like '*shui*', pinyin = 'nu:3'
std::optional<Criteria> pinyinContains(const QString &text);
std::optional<Criteria> pinyinEquals(const QString &text);
// kinesisktradikal = '9.5'
std::optional<Criteria> radicalKey(const QString &key);
// kinesisktradikal like '9.*': every key of radical 9, not 90.1
std::optional<Criteria> radicalNumber(const QString &number);
// summa = 12: a whole number, blanks around it allowed; anything else gives no criteria
std::optional<Criteria> strokes(const QString &total);

} // namespace SearchCriteria
