#pragma once

// A text in the other form, character by character, through the character table's
// traditionellform and forenklaform: 汉语 -> 漢語, 漢語 -> 汉语. A character without that form
// stays as it is; the character table's current record does not move.

#include "platform/recordsource.h"

#include <QString>
#include <QStringView>

namespace CharacterForms {

QString traditional(RecordSource &characters, QStringView text);
QString simplified(RecordSource &characters, QStringView text);

} // namespace CharacterForms
