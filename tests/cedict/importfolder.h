#pragma once

// A program folder for import tests: the empty template and a small code table, in a
// temporary directory, plus a reader for what the import wrote.

#include "platform/sqliteconnection.h"
#include "tests/common/files.h"
#include "tests/common/storebuilder.h"

#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace ImportFolder {

// Big5 codes of the test code table: 中 文 國, and 中 a second time, which must not win.
inline bool create(const QTemporaryDir &dir)
{
    QList<TestStores::Row> codes;
    for (const auto &[big5, unicode] :
         {std::pair{"A4A4", "&H4E2D"}, {"A4E5", "&H6587"}, {"B0EA", "&H570B"}, {"a4a4", "&HFFFF"}})
        codes << TestStores::Row{{CodeField::bigfive, QString::fromLatin1(big5)},
                                 {CodeField::unicode, QString::fromLatin1(unicode)}};
    const QDir folder(dir.path());
    return folder.mkpath(QStringLiteral("empty")) &&
           TestStores::words(folder.filePath(QStringLiteral("empty/kinesiskBIG5kod1.mdb")), {}) &&
           TestStores::codes(folder.filePath(QStringLiteral("big5.mdb")), codes);
}

// Every record of the word table in table order: tecken|teckenkoder|Pinyin|translation1|..
// up to the last field that is not NULL, a NULL field in between as "~".
inline QStringList records(const QString &databaseFile)
{
    QStringList rows;
    SqliteConnection connection(databaseFile, SqliteConnection::Mode::ReadOnly);
    QSqlQuery query(connection.database());
    const QStringList columns = Tables::wordFields();
    query.exec(QStringLiteral("SELECT %1 FROM Tabell1 ORDER BY rowid").arg(columns.join(u", ")));
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < columns.size(); ++i)
            fields << (query.isNull(i) ? QStringLiteral("~") : query.value(i).toString());
        while (!fields.isEmpty() && fields.last() == QStringLiteral("~"))
            fields.removeLast();
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace ImportFolder
