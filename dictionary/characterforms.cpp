#include "dictionary/characterforms.h"
#include "dictionary/tables.h"

#include "dictionary/charactercode.h"
#include "dictionary/recordlookup.h"
#include "dictionary/searchcriteria.h"
#include "platform/sqliteconnection.h"

#include <QSqlQuery>

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

QHash<char16_t, char16_t> simplifiedTable(const QString &programFolder)
{
    QHash<char16_t, char16_t> forms;
    SqliteConnection store(Tables::storePath(programFolder, Tables::characterStore),
                           SqliteConnection::Mode::ReadOnly);
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    if (!store.isOpen() || !query.exec(u"SELECT %1, %2 FROM Tabell1 WHERE %2 <> ''"_s.arg(
                               CharacterField::teckenkod, CharacterField::forenklaform)))
        return forms;
    while (query.next()) {
        const std::optional<QChar> from =
            CharacterCode::toCharacter(query.value(0).toString().trimmed());
        const std::optional<QChar> to =
            CharacterCode::toCharacter(query.value(1).toString().trimmed());
        if (from && to)
            forms.insert(from->unicode(), to->unicode());
    }
    return forms;
}

QString simplifiedBy(const QHash<char16_t, char16_t> &table, QString text)
{
    for (QChar &c : text)
        c = QChar(table.value(c.unicode(), c.unicode()));
    return text;
}

} // namespace CharacterForms
