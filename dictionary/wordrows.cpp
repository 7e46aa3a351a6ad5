#include "dictionary/wordrows.h"

#include "dictionary/charactercode.h"
#include "dictionary/dictionarylog.h"
#include "dictionary/tables.h"
#include "platform/sqliteconnection.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;

bool WordRows::read(const QString &programFolder, int glossCount,
                    const std::function<void(const WordRow &)> &visit)
{
    SqliteConnection store(Tables::storePath(programFolder, Tables::wordStore),
                           SqliteConnection::Mode::ReadOnly);
    glossCount = std::clamp(glossCount, 0, Tables::translationCount);
    QStringList columns{u"rowid"_s, WordField::teckenkoder, WordField::pinyin};
    for (int i = 1; i <= glossCount; ++i)
        columns << WordField::translation(i);
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    if (!store.isOpen() ||
        !query.exec(u"SELECT %1 FROM Tabell1 ORDER BY rowid"_s.arg(columns.join(u", "_s)))) {
        qCDebug(lcDictionary) << "word table unreadable:" << store.errorText();
        return false;
    }
    WordRow row;
    while (query.next()) {
        row.characters = CharacterCode::characters(query.value(1).toString().trimmed());
        if (row.characters.isEmpty())
            continue;
        row.rowId = query.value(0).toLongLong();
        row.pinyin = query.value(2).toString().trimmed();
        row.glosses.clear();
        for (int i = 0; i < glossCount; ++i) {
            const QString gloss = query.value(3 + i).toString().trimmed();
            if (!gloss.isEmpty())
                row.glosses << gloss;
        }
        visit(row);
    }
    return true;
}
