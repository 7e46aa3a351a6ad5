#pragma once

#include "platform/criteria.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

class QSqlQuery;
class SqliteConnection;

// One open table of a store with a current record, searched the way the dictionary's
// windows search: FindFirst / FindNext by a criteria string in rowid order, NoMatch after a
// miss (the current record stays), fields of the current record, AddNew / Update.
class RecordSource : public QObject
{
    Q_OBJECT
public:
    enum class Mode { ReadOnly, ReadWrite };

    explicit RecordSource(QObject *parent = nullptr);
    ~RecordSource() override;

    // Opens an existing file; never creates one. The first record becomes current.
    bool open(const QString &databaseFile, const QString &table = QStringLiteral("Tabell1"),
              Mode mode = Mode::ReadOnly);
    void close();
    bool isOpen() const;
    QString fileName() const { return m_fileName; }

    // No criteria (one the caller refused to build) finds nothing, as does criteria text that
    // does not parse.
    void findFirst(const std::optional<Criteria> &criteria);
    void findNext(const std::optional<Criteria> &criteria);
    bool noMatch() const { return m_noMatch; }
    // The records FindFirst and then FindNext would reach, in one pass: each becomes current
    // in turn and visit() reads it (it must not search this source). The last one stays
    // current and is signalled once. Returns how many there were.
    int findEach(const std::optional<Criteria> &criteria, const std::function<void()> &visit);

    // Up to limit records after afterRowId (-1: from the start) that meet the criteria, in
    // rowid order, by value: the current record does not move.
    struct Record
    {
        qint64 rowId = -1;
        QVector<QVariant> values; // in the order of fieldNames()
    };
    QList<Record> records(const Criteria &criteria, qint64 afterRowId, int limit);
    // The position of a field in fieldNames() and Record::values, compared without case; -1
    // when there is none.
    int fieldIndex(const QString &name) const;

    void moveFirst();
    bool hasCurrent() const { return m_currentRowId >= 0; }
    qint64 currentRowId() const { return m_currentRowId; }

    // Field names compare without case; an unknown field or no current record reads as null.
    bool hasField(const QString &name) const;
    QVariant value(const QString &name) const;
    QString text(const QString &name) const { return value(name).toString(); }
    QStringList fieldNames() const { return m_columns; }

    // A pending new record: fields not set stay null. update() stores it and returns false
    // (storing nothing) when the database refuses it; the current record does not move.
    void addNew();
    void setValue(const QString &name, const QVariant &value);
    bool update();

    bool beginTransaction();
    bool commit();

    qint64 recordCount() const;
    QSqlDatabase database() const;

    // A trigram index speeds up contains and equality searches on some text columns without
    // changing what they find: it only narrows the rows that the criteria is then tested on.
    // It is the FTS5 table <table>_trigram, kept in step with the table by triggers.
    static QString searchIndexName(const QString &table);
    // Creates the index over the given columns of an existing table and fills it from the rows
    // already there. Returns false on an SQL error.
    static bool createSearchIndex(QSqlDatabase &db, const QString &table,
                                  const QStringList &columns);
    // True when the open table has a usable index and searches may use it (the default).
    bool usesSearchIndex() const { return m_searchIndexEnabled && !m_indexedColumns.isEmpty(); }
    void setSearchIndexEnabled(bool enabled) { m_searchIndexEnabled = enabled; }

signals:
    void currentChanged();

private:
    void find(const std::optional<Criteria> &criteria, qint64 afterRowId);
    QSqlQuery *prepared(const QString &sql);
    int columnIndex(const QString &name) const;
    void loadCurrent(QSqlQuery &query, bool notify = true);
    // limit 0 or less: every record.
    QSqlQuery *startSearch(const Criteria &criteria, qint64 afterRowId, int limit);
    void findSearchIndex();
    struct TrigramQuery
    {
        QString anyColumn; // the literal runs as phrases
        QString oneColumn; // a few of their trigrams, cheaper to read for one column
    };
    TrigramQuery trigramQuery(const Criteria &criteria) const;
    qint64 lastRowWith(const QString &phrases);

    std::unique_ptr<SqliteConnection> m_connection;
    QString m_fileName;
    QString m_table;
    QStringList m_columns;
    QHash<QString, int> m_columnByLowerName;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_statements;
    QVector<QVariant> m_current;
    qint64 m_currentRowId = -1;
    bool m_noMatch = false;
    QVector<QVariant> m_pending;
    bool m_hasPending = false;
    QString m_searchIndex;
    QHash<QString, QString> m_indexedColumns; // lower-case name -> name in the index
    QSet<QString> m_keyColumns;               // lower-case names of columns that lead a table index
    bool m_searchIndexEnabled = true;
    QString m_lastRowPhrases;
    qint64 m_lastRowWithPhrases = -1;
};
