#pragma once

// A text in the other form, character by character, through the character table's
// traditionellform and forenklaform: 汉语 -> 漢語, 漢語 -> 汉语. A character without that form
// stays as it is; the character table's current record does not move.

#include "platform/recordsource.h"

#include <QHash>
#include <QString>
#include <QStringView>

namespace CharacterForms {

QString traditional(RecordSource &characters, QStringView text);
QString simplified(RecordSource &characters, QStringView text);

// Traditional character -> simplified one, for every character the character store gives one,
// read at once from the store (for word lists built off the window thread); empty without it.
QHash<char16_t, char16_t> simplifiedTable(const QString &programFolder);
// The text through such a table: each character that has a simplified form replaced by it.
QString simplifiedBy(const QHash<char16_t, char16_t> &table, QString text);

} // namespace CharacterForms
