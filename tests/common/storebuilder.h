#pragma once

// Builds tiny stores for tests: a table created by the real schema, filled with given rows.

#include "dictionary/tables.h"
#include "platform/sqliteconnection.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>

namespace TestStores {

using Row = QVariantMap; // field name -> value; fields not named stay null

inline bool build(const QString &file, const std::function<bool(QSqlDatabase &)> &createTable,
                  const QList<Row> &rows)
{
    SqliteConnection connection(file, SqliteConnection::Mode::ReadWrite);
    QSqlDatabase &db = connection.database();
    bool ok = connection.isOpen() && createTable(db) && db.transaction();
    for (const Row &row : rows) {
        if (!ok)
            break;
        QStringList names, marks;
        for (auto it = row.begin(); it != row.end(); ++it) {
            names << QLatin1Char('"') + it.key() + QLatin1Char('"');
            marks << QStringLiteral("?");
        }
        QSqlQuery query(db);
        const QString sql = names.isEmpty()
            ? QStringLiteral("INSERT INTO Tabell1 DEFAULT VALUES")
            : QStringLiteral("INSERT INTO Tabell1 (%1) VALUES (%2)")
                  .arg(names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        ok = query.prepare(sql);
        int i = 0;
        for (const QVariant &value : row)
            query.bindValue(i++, value);
        ok = ok && query.exec();
    }
    ok = ok && db.commit();
    return ok;
}

inline bool words(const QString &file, const QList<Row> &rows)
{
    return build(file, Tables::createWordTable, rows);
}
inline bool characters(const QString &file, const QList<Row> &rows)
{
    return build(file, Tables::createCharacterTable, rows);
}
inline bool codes(const QString &file, const QList<Row> &rows)
{
    return build(file, Tables::createCodeTable, rows);
}

} // namespace TestStores
