#include "cedict/wordtablewriter.h"

#include "cedict/cedictlog.h"
#include "platform/sqliteconnection.h"
#include "dictionary/tables.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

QVariant producedOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

} // namespace

WordTableWriter::WordTableWriter() = default;

WordTableWriter::~WordTableWriter()
{
    close();
}

bool WordTableWriter::open(const QString &databaseFile)
{
    close();
    // SQLite would create a missing file; the writer only fills a copy of the template.
    if (!QFileInfo(databaseFile).isFile())
        return false;
    m_connection =
        std::make_unique<SqliteConnection>(databaseFile, SqliteConnection::Mode::ReadWrite);
    if (!m_connection->isOpen()) {
        qCDebug(lcCedict) << "cannot open" << databaseFile << m_connection->errorText();
        return false;
    }
    QSqlDatabase &db = m_connection->database();
    // Only a finished file is ever renamed into place, so a crash may lose the staging file
    // but never a table in use: no journal, and a single sync at the commit.
    QSqlQuery pragma(db);
    for (const QString &statement :
         {u"PRAGMA journal_mode=OFF"_s, u"PRAGMA synchronous=NORMAL"_s,
          u"PRAGMA locking_mode=EXCLUSIVE"_s, u"PRAGMA cache_size=-65536"_s}) {
        if (!pragma.exec(statement))
            qCDebug(lcCedict) << "pragma refused:" << statement << pragma.lastError().text();
    }

    QStringList names;
    for (const QString &field : Tables::wordFields())
        names << u'"' + field + u'"';
    const QString marks = QString(u"?,"_s).repeated(names.size()).chopped(1);
    m_insert = std::make_unique<QSqlQuery>(db);
    if (!m_insert->prepare(
            u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(Tables::tableName, names.join(u','), marks))) {
        qCDebug(lcCedict) << "not a word table:" << databaseFile << m_insert->lastError().text();
        return false;
    }
    return db.transaction();
}

bool WordTableWriter::write(const WordRecord &record)
{
    if (!m_insert)
        return false;
    // Bound in the order of Tables::wordFields().
    m_insert->bindValue(0, producedOrNull(record.tecken));
    m_insert->bindValue(1, producedOrNull(record.teckenkoder));
    m_insert->bindValue(2, producedOrNull(record.pinyin));
    for (size_t i = 0; i < record.translations.size(); ++i)
        m_insert->bindValue(int(3 + i), producedOrNull(record.translations[i]));
    if (m_insert->exec())
        return true;
    qCDebug(lcCedict) << "record refused:" << m_insert->lastError().text();
    return false;
}

bool WordTableWriter::commit()
{
    if (!m_insert)
        return false;
    m_insert.reset();
    bool ok = m_connection->database().commit();
    if (!ok)
        qCDebug(lcCedict) << "commit failed:" << m_connection->errorText();
    // Built once the words are in: faster than keeping it up to date row by row.
    if (ok && !Tables::createWordSearchIndex(m_connection->database())) {
        qCDebug(lcCedict) << "search index failed:" << m_connection->errorText();
        ok = false;
    }
    close();
    return ok;
}

void WordTableWriter::close()
{
    m_insert.reset();
    m_connection.reset();
}
