#pragma once

#include "platform/sqliteconnection.h"
#include "tests/common/files.h"

// A program folder for import tests: the empty template and a small code table, in a
// temporary directory, plus readers for what the import wrote.

#include "../common/storebuilder.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariantList>

namespace ImportFolder {

// Big5 codes of the test code table: 中 文 國, and 中 a second time, which must not win.
inline QList<TestStores::Row> codeRows()
{
    return {
        {{QStringLiteral("bigfive"), QStringLiteral("A4A4")},
         {QStringLiteral("unicode"), QStringLiteral("&H4E2D")}},
        {{QStringLiteral("bigfive"), QStringLiteral("A4E5")},
         {QStringLiteral("unicode"), QStringLiteral("&H6587")}},
        {{QStringLiteral("bigfive"), QStringLiteral("B0EA")},
         {QStringLiteral("unicode"), QStringLiteral("&H570B")}},
        {{QStringLiteral("bigfive"), QStringLiteral("a4a4")},
         {QStringLiteral("unicode"), QStringLiteral("&HFFFF")}},
    };
}

inline bool create(const QTemporaryDir &dir, bool withCodeTable = true)
{
    const QDir folder(dir.path());
    return folder.mkpath(QStringLiteral("empty")) &&
           TestStores::words(folder.filePath(QStringLiteral("empty/kinesiskBIG5kod1.mdb")), {}) &&
           (!withCodeTable ||
            TestStores::codes(folder.filePath(QStringLiteral("big5.mdb")), codeRows()));
}

// Every record of Tabell1 in table order, fields in the order of the word table.
inline QList<QVariantList> records(const QString &databaseFile)
{
    QList<QVariantList> rows;
    SqliteConnection connection(databaseFile, SqliteConnection::Mode::ReadOnly);
    QSqlQuery query(connection.database());
    if (connection.isOpen() &&
        query.exec(QStringLiteral("SELECT tecken, teckenkoder, Pinyin, translation1, "
                                  "translation2, translation3, translation4, translation5, "
                                  "translation6, translation7, translation8, translation9, "
                                  "translation10 FROM Tabell1 ORDER BY rowid"))) {
        while (query.next()) {
            QVariantList row;
            // NULL reads back as a null string; compare it as no value at all.
            for (int i = 0; i < 13; ++i)
                row << (query.isNull(i) ? QVariant() : query.value(i));
            rows << row;
        }
    }
    query.finish();
    return rows;
}

} // namespace ImportFolder
