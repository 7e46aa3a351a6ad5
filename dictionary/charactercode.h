#pragma once

// Character codes ("&H4E2D": "&H" and four hex digits of a UTF-16 value) and code strings
// (the codes of a word's characters one after the other, "&H4E2D&H570B").

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace CharacterCode {

inline constexpr int length = 6;

// "&H4E2D" -> U+4E2D; anything that is not "&H" (either case) and four hex digits -> nullopt.
std::optional<QChar> toCharacter(QStringView code);
// U+4E2D -> "&H4E2D"
QString fromCharacter(QChar character);
// "中國" -> "&H4E2D&H570B"; a character outside the BMP gives the codes of its two halves.
QString codeString(QStringView text);
// "&H4E2D&H570B" -> "中國", the other way; empty when any piece is not a code.
QString characters(QStringView codeString);
// "&H4E2D&H570B&H1" -> {"&H4E2D", "&H570B", "&H1"}: six-character pieces from the start; the
// last one is shorter when the length is not a multiple of six.
QStringList pieces(QStringView codeString);

} // namespace CharacterCode
