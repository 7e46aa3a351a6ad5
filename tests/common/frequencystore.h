#pragma once

// Builds a tiny frequency store for tests: word counts, character ranks, reading counts.

#include "dictionary/frequencies.h"
#include "platform/sqliteconnection.h"

#include <QDir>
#include <QSqlQuery>
#include <QVariantList>

namespace TestStores {

// Each row holds the values of one record of its table, in column order.
inline bool frequencies(const QString &folder, const QList<QVariantList> &words,
                        const QList<QVariantList> &ranks = {},
                        const QList<QVariantList> &readings = {})
{
    SqliteConnection connection(QDir(folder).filePath(Frequencies::storeFile),
                                SqliteConnection::Mode::ReadWrite);
    if (!connection.isOpen() || !Frequencies::createTables(connection.database()))
        return false;
    for (const auto &[table, rows] : {std::pair{"words", &words}, std::pair{"characters", &ranks},
                                      std::pair{"readings", &readings}}) {
        for (const QVariantList &row : *rows) {
            QSqlQuery query(connection.database());
            query.prepare(QStringLiteral("INSERT OR REPLACE INTO %1 VALUES (%2)")
                              .arg(QLatin1StringView(table),
                                   QStringList(row.size(), QStringLiteral("?")).join(u',')));
            for (const QVariant &value : row)
                query.addBindValue(value);
            if (!query.exec())
                return false;
        }
    }
    return true;
}

} // namespace TestStores
