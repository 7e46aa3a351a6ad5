#include "dictionary/characterforms.h"
#include "dictionary/tables.h"

#include "dictionary/charactercode.h"
#include "dictionary/recordlookup.h"
#include "dictionary/searchcriteria.h"

using namespace Qt::StringLiterals;

namespace {

QString converted(RecordSource &characters, QStringView text, const QString &field)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        // Only ideographs have another form; the rest is not looked up.
        if (c.isSurrogate() || c.script() != QChar::Script_Han) {
            result += c;
            continue;
        }
        const std::optional<RecordSource::Record> record = RecordLookup::first(
            characters, SearchCriteria::characterCode(CharacterCode::fromCharacter(c)));
        const std::optional<QChar> other =
            record ? CharacterCode::toCharacter(
                         RecordLookup::text(characters, *record, field).trimmed())
                   : std::nullopt;
        result += other ? *other : c;
    }
    return result;
}

} // namespace

namespace CharacterForms {

QString traditional(RecordSource &characters, QStringView text)
{
    return converted(characters, text, CharacterField::traditionellform);
}

QString simplified(RecordSource &characters, QStringView text)
{
    return converted(characters, text, CharacterField::forenklaform);
}

} // namespace CharacterForms
