#include "tools/data/storewriter.h"

#include "cedict/pendingwordtable.h"
#include "dictionary/tables.h"
#include "platform/sqliteconnection.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

StoreWriter::StoreWriter(const QString &targetFile, TableCreator createTable,
                         const QStringList &fields)
    : m_targetFile(targetFile)
    , m_stagingFile(stagingFileFor(targetFile))
    , m_createTable(std::move(createTable))
    , m_fields(fields)
{
}

StoreWriter::~StoreWriter()
{
    close();
    if (!m_finished)
        QFile::remove(m_stagingFile);
}

bool StoreWriter::begin()
{
    QFile::remove(m_stagingFile);
    m_connection =
        std::make_unique<SqliteConnection>(m_stagingFile, SqliteConnection::Mode::ReadWrite);
    if (!m_connection->isOpen()) {
        m_error = m_connection->errorText();
        return false;
    }
    QSqlDatabase &db = m_connection->database();
    QSqlQuery pragma(db);
    pragma.exec(u"PRAGMA journal_mode=OFF"_s);
    pragma.exec(u"PRAGMA synchronous=NORMAL"_s);
    if (!m_createTable(db) || !db.transaction()) {
        m_error = u"cannot create the table: "_s + m_connection->errorText();
        return false;
    }
    QStringList names;
    for (const QString &field : std::as_const(m_fields))
        names << u'"' + field + u'"';
    const QString marks = QString(u"?,"_s).repeated(m_fields.size()).chopped(1);
    m_insert = std::make_unique<QSqlQuery>(db);
    if (!m_insert->prepare(
            u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(Tables::tableName, names.join(u','), marks))) {
        m_error = m_insert->lastError().text();
        return false;
    }
    return true;
}

bool StoreWriter::insert(const QVariantList &values)
{
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        m_insert->bindValue(int(i), i < values.size() ? values.at(i) : QVariant());
    if (!m_insert->exec()) {
        m_error = m_insert->lastError().text();
        return false;
    }
    ++m_records;
    return true;
}

bool StoreWriter::finish()
{
    m_insert.reset();
    if (!m_connection->database().commit()) {
        m_error = m_connection->errorText();
        return false;
    }
    close();
    if (!replaceFile(m_stagingFile, m_targetFile)) {
        m_error = u"cannot rename %1 to %2"_s.arg(m_stagingFile, m_targetFile);
        return false;
    }
    m_finished = true;
    return true;
}

void StoreWriter::close()
{
    m_insert.reset();
    m_connection.reset();
}
