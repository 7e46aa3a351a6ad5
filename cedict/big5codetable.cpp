#include "cedict/big5codetable.h"

#include "cedict/cedictlog.h"
#include "dictionary/tables.h"
#include "platform/sqliteconnection.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Four hex digits packed into one key; anything else has none.
std::optional<quint32> packedCode(QByteArrayView hexDigits)
{
    if (hexDigits.size() != 4)
        return std::nullopt;
    quint32 key = 0;
    for (const char c : hexDigits) {
        const char upper = (c >= 'a' && c <= 'f') ? char(c - 'a' + 'A') : c;
        if (!((upper >= '0' && upper <= '9') || (upper >= 'A' && upper <= 'F')))
            return std::nullopt;
        key = (key << 8) | uchar(upper);
    }
    return key;
}

} // namespace

bool Big5CodeTable::load(const QString &databaseFile)
{
    m_unicodeByCode.clear();
    if (!QFileInfo(databaseFile).isFile()) {
        qCDebug(lcCedict) << "no code table at" << databaseFile;
        return false;
    }
    SqliteConnection connection(databaseFile, SqliteConnection::Mode::ReadOnly);
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!query.exec(u"SELECT %1, %2 FROM %3 ORDER BY rowid"_s.arg(
            CodeField::bigfive, CodeField::unicode, Tables::tableName))) {
        qCDebug(lcCedict) << "cannot read code table" << databaseFile << query.lastError().text();
        return false;
    }
    while (query.next()) {
        const std::optional<quint32> key = packedCode(query.value(0).toString().toLatin1());
        if (key && !m_unicodeByCode.contains(*key))
            m_unicodeByCode.insert(*key, query.value(1).toString());
    }
    return true;
}

QString Big5CodeTable::unicodeFor(QByteArrayView hexDigits) const
{
    const std::optional<quint32> key = packedCode(hexDigits);
    return key ? m_unicodeByCode.value(*key) : QString();
}

QString Big5CodeTable::findIn(const QString &programFolder)
{
    const QDir folder(programFolder);
    const QString lower = folder.filePath(u"big5.mdb"_s);
    return QFileInfo(lower).isFile() ? lower : Tables::storePath(programFolder, Tables::codeStore);
}
