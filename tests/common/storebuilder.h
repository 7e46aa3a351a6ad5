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
    for (auto row = rows.begin(); ok && row != rows.end(); ++row) {
        QStringList names;
        for (const QString &name : row->keys())
            names << QLatin1Char('"') + name + QLatin1Char('"');
        QSqlQuery query(db);
        ok = query.prepare(
            names.isEmpty()
                ? QStringLiteral("INSERT INTO Tabell1 DEFAULT VALUES")
                : QStringLiteral("INSERT INTO Tabell1 (%1) VALUES (%2)")
                      .arg(names.join(QLatin1Char(',')),
                           QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(','))));
        for (const QVariant &value : *row)
            query.addBindValue(value);
        ok = ok && query.exec();
    }
    return ok && db.commit();
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
