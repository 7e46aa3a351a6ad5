#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <memory>

class QSqlQuery;
class SqliteConnection;

// Writes a new store in one transaction into a staging file beside the target, and renames it
// into place only when it is complete, so an interrupted build never leaves a half store
// that looks up to date.
class StoreWriter
{
public:
    using TableCreator = std::function<bool(QSqlDatabase &)>;

    StoreWriter(const QString &targetFile, TableCreator createTable, const QStringList &fields);
    ~StoreWriter();
    StoreWriter(const StoreWriter &) = delete;
    StoreWriter &operator=(const StoreWriter &) = delete;

    bool begin();
    // One record; values in the order of the fields given, null values stay NULL.
    bool insert(const QVariantList &values);
    bool finish();

    QString errorText() const { return m_error; }
    qint64 recordCount() const { return m_records; }

private:
    void close();

    QString m_targetFile;
    QString m_stagingFile;
    TableCreator m_createTable;
    QStringList m_fields;
    std::unique_ptr<SqliteConnection> m_connection;
    std::unique_ptr<QSqlQuery> m_insert;
    QString m_error;
    qint64 m_records = 0;
    bool m_finished = false;
};
