#include "platform/recordsource.h"

#include "platform/sqliteconnection.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtEndian>

#include <limits>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcStore, "ordbok.store")

namespace {

QString quoted(const QString &identifier)
{
    return u'"' + identifier + u'"';
}

// SQLite reads pages only as queries reach them, so a store cut short opens and answers the
// first searches; its header says how long it should be.
bool isCutShort(const QString &databaseFile)
{
    QFile file(databaseFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(100);
    if (!header.startsWith(QByteArrayView("SQLite format 3", 16)))
        return false; // not a database at all: SQLite itself refuses it
    if (header.size() < 100)
        return true;
    const auto field = [&header](int offset) {
        return qFromBigEndian<quint32>(header.constData() + offset);
    };
    const quint16 pageField = qFromBigEndian<quint16>(header.constData() + 16);
    const quint32 pageSize = pageField == 1 ? 65536 : pageField;
    const quint32 pages = field(28);
    // The page count is only kept by SQLite 3.7 and later, marked by a matching counter.
    if (pages == 0 || field(24) != field(92))
        return false;
    return file.size() < qint64(pages) * pageSize;
}

} // namespace

RecordSource::RecordSource(QObject *parent)
    : QObject(parent)
{
}

RecordSource::~RecordSource()
{
    close();
}

bool RecordSource::open(const QString &databaseFile, const QString &table, Mode mode)
{
    close();
    // SQLite would create a missing file; a missing store must stay missing.
    if (!QFileInfo(databaseFile).isFile()) {
        qCDebug(lcStore) << "no store at" << databaseFile;
        return false;
    }
    if (isCutShort(databaseFile)) {
        qCDebug(lcStore) << "cut short:" << databaseFile;
        return false;
    }
    m_connection = std::make_unique<SqliteConnection>(
        databaseFile, mode == Mode::ReadOnly ? SqliteConnection::Mode::ReadOnly
                                             : SqliteConnection::Mode::ReadWrite);
    if (!m_connection->isOpen()) {
        qCDebug(lcStore) << "cannot open" << databaseFile << m_connection->errorText();
        close();
        return false;
    }
    QSqlDatabase &db = m_connection->database();
    if (mode == Mode::ReadOnly) {
        // Nothing writes a store while it is read, so the read lock is taken once and kept
        // instead of being taken and checked again at every search.
        QSqlQuery(db).exec(u"PRAGMA locking_mode=EXCLUSIVE"_s);
    }
    const QSqlRecord record = db.record(table);
    if (record.isEmpty()) {
        qCDebug(lcStore) << "no table" << table << "in" << databaseFile;
        close();
        return false;
    }
    m_fileName = databaseFile;
    m_table = table;
    for (int i = 0; i < record.count(); ++i) {
        m_columns << record.fieldName(i);
        m_columnByLowerName.insert(record.fieldName(i).toLower(), i);
    }
    findSearchIndex();
    moveFirst();
    return true;
}

void RecordSource::close()
{
    if (!m_connection)
        return;
    m_statements.clear(); // queries end before their connection
    m_connection.reset();
    m_fileName.clear();
    m_columns.clear();
    m_columnByLowerName.clear();
    m_current.clear();
    m_currentRowId = -1;
    m_pending.clear();
    m_hasPending = false;
    m_searchIndex.clear();
    m_indexedColumns.clear();
    m_keyColumns.clear();
    m_lastRowPhrases.clear();
}

bool RecordSource::isOpen() const
{
    return m_connection != nullptr;
}

QSqlDatabase RecordSource::database() const
{
    return m_connection ? m_connection->database() : QSqlDatabase();
}

QSqlQuery *RecordSource::prepared(const QString &sql)
{
    auto it = m_statements.find(sql);
    if (it != m_statements.end())
        return it->get();
    auto query = std::make_shared<QSqlQuery>(database());
    query->setForwardOnly(true);
    if (!query->prepare(sql)) {
        qCDebug(lcStore) << "cannot prepare" << sql << query->lastError().text();
        return nullptr;
    }
    m_statements.insert(sql, query);
    return query.get();
}

int RecordSource::columnIndex(const QString &name) const
{
    return m_columnByLowerName.value(name.toLower(), -1);
}

bool RecordSource::hasField(const QString &name) const
{
    return columnIndex(name) >= 0;
}

QVariant RecordSource::value(const QString &name) const
{
    const int index = columnIndex(name);
    if (index < 0 && isOpen()) {
        // A field the table does not have is a misspelt name or a store of another layout.
        qCWarning(lcStore) << "no field" << name << "in" << m_fileName;
        return {};
    }
    if (index < 0 || index >= m_current.size())
        return {};
    return m_current.at(index);
}

void RecordSource::loadCurrent(QSqlQuery &query, bool notify)
{
    m_currentRowId = query.value(0).toLongLong();
    m_current.resize(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i)
        m_current[i] = query.value(i + 1);
    if (notify)
        emit currentChanged();
}

void RecordSource::moveFirst()
{
    if (!isOpen())
        return;
    QSqlQuery *query =
        prepared(u"SELECT rowid, * FROM %1 ORDER BY rowid LIMIT 1"_s.arg(quoted(m_table)));
    if (query && query->exec() && query->next()) {
        loadCurrent(*query);
    } else {
        m_current.clear();
        m_currentRowId = -1;
        emit currentChanged();
    }
    if (query)
        query->finish();
}

namespace {

} // namespace

void RecordSource::findFirst(const std::optional<Criteria> &criteria)
{
    find(criteria, -1);
}

void RecordSource::findNext(const std::optional<Criteria> &criteria)
{
    find(criteria, m_currentRowId);
}

void RecordSource::find(const std::optional<Criteria> &criteria, qint64 afterRowId)
{
    m_noMatch = true;
    QSqlQuery *query = criteria ? startSearch(*criteria, afterRowId, 1) : nullptr;
    if (!query)
        return;
    if (query->next()) {
        m_noMatch = false;
        loadCurrent(*query);
    }
    query->finish();
}

int RecordSource::findEach(const std::optional<Criteria> &criteria,
                           const std::function<void()> &visit)
{
    m_noMatch = true;
    QSqlQuery *query = criteria ? startSearch(*criteria, -1, -1) : nullptr;
    if (!query)
        return 0;
    int count = 0;
    while (query->next()) {
        m_noMatch = false;
        loadCurrent(*query, false);
        ++count;
        visit();
    }
    query->finish();
    if (count > 0)
        emit currentChanged();
    return count;
}

QList<RecordSource::Record> RecordSource::records(const Criteria &criteria, qint64 afterRowId,
                                                  int limit)
{
    QList<Record> found;
    QSqlQuery *query = limit > 0 ? startSearch(criteria, afterRowId, limit) : nullptr;
    if (!query)
        return found;
    while (query->next()) {
        Record record;
        record.rowId = query->value(0).toLongLong();
        record.values.reserve(m_columns.size());
        for (int i = 0; i < m_columns.size(); ++i)
            record.values.append(query->value(i + 1));
        found.append(std::move(record));
    }
    query->finish();
    return found;
}

int RecordSource::fieldIndex(const QString &name) const
{
    return columnIndex(name);
}

QSqlQuery *RecordSource::startSearch(const Criteria &criteria, qint64 afterRowId, int limitCount)
{
    if (!isOpen())
        return nullptr;
    const int column = columnIndex(criteria.field);
    if (column < 0) {
        qCDebug(lcStore) << "no field" << criteria.field << "in" << m_fileName;
        return nullptr;
    }
    const QString field = u"t."_s + quoted(m_columns.at(column));
    QString condition;
    QVariant operand = criteria.operand;
    if (criteria.op == Criteria::Operator::Like) {
        condition = field + u" LIKE ? ESCAPE '\\'"_s;
        operand = criteria.sqlLikePattern();
    } else if (criteria.isNumber()) {
        condition = field + u" = ?"_s;
    } else {
        condition = field + u" = ? COLLATE NOCASE"_s;
    }

    const QString limit = limitCount > 0 ? u" LIMIT %1"_s.arg(limitCount) : QString();
    QString sql;
    QVariantList binds;
    const TrigramQuery match = usesSearchIndex() ? trigramQuery(criteria) : TrigramQuery();
    if (!match.oneColumn.isEmpty()) {
        // Without the text in any column after this row, it cannot be in this column.
        if (lastRowWith(match.anyColumn) <= afterRowId)
            return nullptr;
        // The index yields candidate rows in rowid order; the criteria itself still decides.
        sql = u"SELECT t.rowid, t.* FROM %1 AS i JOIN %2 AS t ON t.rowid = i.rowid "
              "WHERE i.%3 MATCH ? AND i.rowid > ? AND %4 ORDER BY i.rowid%5"_s.arg(
                  quoted(m_searchIndex), quoted(m_table),
                  quoted(m_indexedColumns.value(criteria.field.toLower())), condition, limit);
        binds = {match.oneColumn, afterRowId, operand};
    } else {
        sql = u"SELECT t.rowid, t.* FROM %1 AS t WHERE %2 AND t.rowid > ? ORDER BY t.rowid%3"_s.arg(
            quoted(m_table), condition, limit);
        binds = {operand, afterRowId};
    }
    QSqlQuery *query = prepared(sql);
    if (!query && !match.oneColumn.isEmpty()) {
        qCDebug(lcStore) << "search index unusable, scanning" << m_fileName;
        m_indexedColumns.clear();
        return startSearch(criteria, afterRowId, limitCount);
    }
    if (!query)
        return nullptr;
    for (int i = 0; i < binds.size(); ++i)
        query->bindValue(i, binds.at(i));
    if (!query->exec()) {
        qCDebug(lcStore) << "search failed:" << query->lastError().text();
        query->finish();
        return nullptr;
    }
    return query;
}

QString RecordSource::searchIndexName(const QString &table)
{
    return table + u"_trigram"_s;
}

void RecordSource::findSearchIndex()
{
    QSqlDatabase db = database();
    QSqlQuery query(db);
    query.prepare(
        u"SELECT name, sql FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"_s);
    query.addBindValue(searchIndexName(m_table));
    if (!query.exec() || !query.next())
        return;
    const QString name = query.value(0).toString();
    const QString sql = query.value(1).toString();
    query.finish();
    if (!sql.contains(u"fts5"_s, Qt::CaseInsensitive) ||
        !sql.contains(u"trigram"_s, Qt::CaseInsensitive)) {
        qCDebug(lcStore) << name << "is not a trigram index in" << m_fileName;
        return;
    }
    // An SQLite without FTS5 can read the schema but cannot compile a query of the table.
    // Compiling is enough: running one would read index pages at every start.
    QSqlQuery probe(db);
    if (!probe.prepare(u"SELECT rowid FROM %1 WHERE %1 MATCH ?"_s.arg(quoted(name)))) {
        qCDebug(lcStore) << "search index unreadable in" << m_fileName << probe.lastError().text();
        return;
    }
    const QSqlRecord record = db.record(name);
    for (int i = 0; i < record.count(); ++i) {
        if (hasField(record.fieldName(i)))
            m_indexedColumns.insert(record.fieldName(i).toLower(), record.fieldName(i));
    }
    if (m_indexedColumns.isEmpty())
        return;
    m_searchIndex = name;

    QSqlQuery keys(db);
    keys.prepare(u"SELECT info.name FROM pragma_index_list(?) AS list, "
                 "pragma_index_info(list.name) AS info WHERE info.seqno = 0"_s);
    keys.addBindValue(m_table);
    if (keys.exec()) {
        while (keys.next())
            m_keyColumns.insert(keys.value(0).toString().toLower());
    }
}

// What every row that satisfies the criteria holds: the literal runs of the operand
// ("*water*er*" -> "water", "er") and so the trigrams of each. A run shorter than three
// characters has none (a trigram index cannot find it), and then the search scans. Reading
// overlapping trigrams adds little but costs a lot for common ones, so one column is asked
// for every third trigram and the last only. A pasted page would give thousands of terms,
// each costing time and memory: the start of each run and a few of its trigrams narrow the
// rows as well as the whole, and the criteria itself still decides.
RecordSource::TrigramQuery RecordSource::trigramQuery(const Criteria &criteria) const
{
    const QString field = criteria.field.toLower();
    if (criteria.isNumber() || !m_indexedColumns.contains(field))
        return {};
    // A whole-value lookup is one step down the column's own index; the trigrams of a common
    // prefix such as "&H4" would make it read thousands of rows.
    if (criteria.op != Criteria::Operator::Like && m_keyColumns.contains(field))
        return {};
    const QString operand = criteria.operand.toString();
    QStringList runs;
    if (criteria.op == Criteria::Operator::Like) {
        static const QRegularExpression wildcards(u"[*?]"_s);
        runs = operand.split(wildcards, Qt::SkipEmptyParts);
    } else {
        runs = {operand};
    }
    constexpr qsizetype maxPhraseCharacters = 48;
    constexpr qsizetype maxTrigrams = 16;
    const auto phrase = [](QString text) { return u'"' + text.replace(u'"', u"\"\""_s) + u'"'; };
    QStringList phrases, trigrams;
    for (const QString &run : std::as_const(runs)) {
        // A lone surrogate may be stored otherwise than the query spells it.
        if (!QStringView(run).isValidUtf16())
            continue;
        if (trigrams.size() >= maxTrigrams)
            break;
        // Where each of the first characters starts, counting a surrogate pair as one, then
        // where the part kept ends.
        QList<qsizetype> starts;
        for (qsizetype i = 0; i < run.size() && starts.size() <= maxPhraseCharacters; ++i) {
            if (!run.at(i).isLowSurrogate())
                starts << i;
        }
        if (starts.size() <= maxPhraseCharacters)
            starts << run.size();
        const qsizetype characters = starts.size() - 1;
        if (characters < 3)
            continue;
        phrases << phrase(run.first(starts.last()));
        for (qsizetype at = 0; trigrams.size() < maxTrigrams; at += 3) {
            const qsizetype first = qMin(at, characters - 3);
            trigrams << phrase(run.sliced(starts[first], starts[first + 3] - starts[first]));
            if (first + 3 >= characters)
                break;
        }
    }
    trigrams.removeDuplicates();
    return {phrases.join(u" AND "_s), trigrams.join(u" AND "_s)};
}

// The last row holding the phrases in any indexed column; remembered for the next search,
// since the English search asks the same of ten columns in turn.
qint64 RecordSource::lastRowWith(const QString &phrases)
{
    if (phrases == m_lastRowPhrases)
        return m_lastRowWithPhrases;
    m_lastRowPhrases = phrases;
    m_lastRowWithPhrases = std::numeric_limits<qint64>::max(); // unknown: search all the same
    QSqlQuery *query =
        prepared(u"SELECT rowid FROM %1 WHERE %1 MATCH ? ORDER BY rowid DESC LIMIT 1"_s.arg(
            quoted(m_searchIndex)));
    if (!query)
        return m_lastRowWithPhrases;
    query->bindValue(0, phrases);
    if (query->exec())
        m_lastRowWithPhrases = query->next() ? query->value(0).toLongLong() : -1;
    query->finish();
    return m_lastRowWithPhrases;
}

bool RecordSource::createSearchIndex(QSqlDatabase &db, const QString &table,
                                     const QStringList &columns)
{
    const QString index = quoted(searchIndexName(table));
    QStringList names, newValues, oldValues;
    for (const QString &column : columns) {
        names << quoted(column);
        newValues << u"new."_s + quoted(column);
        oldValues << u"old."_s + quoted(column);
    }
    const QString list = names.join(u", "_s);
    const QString insertNew = u"INSERT INTO %1 (rowid, %2) VALUES (new.rowid, %3);"_s.arg(
        index, list, newValues.join(u", "_s));
    const QString deleteOld =
        u"INSERT INTO %1 (%1, rowid, %2) VALUES ('delete', old.rowid, %3);"_s.arg(
            index, list, oldValues.join(u", "_s));
    const QString trigger = quoted(searchIndexName(table) + u"_%1"_s);
    const QStringList statements = {
        u"CREATE VIRTUAL TABLE %1 USING fts5(%2, content='%3', tokenize='trigram')"_s.arg(
            index, list, table),
        u"CREATE TRIGGER %1 AFTER INSERT ON %2 BEGIN %3 END"_s.arg(trigger.arg(u"insert"_s),
                                                                   quoted(table), insertNew),
        u"CREATE TRIGGER %1 AFTER DELETE ON %2 BEGIN %3 END"_s.arg(trigger.arg(u"delete"_s),
                                                                   quoted(table), deleteOld),
        u"CREATE TRIGGER %1 AFTER UPDATE ON %2 BEGIN %3 %4 END"_s.arg(
            trigger.arg(u"update"_s), quoted(table), deleteOld, insertNew),
        // Merging segments in runs of 16 instead of 4 builds the index a sixth faster; the
        // dozen segments left cost a search some 50 us.
        u"INSERT INTO %1 (%1, rank) VALUES ('automerge', 16)"_s.arg(index),
        u"INSERT INTO %1 (%1) VALUES ('rebuild')"_s.arg(index),
    };
    for (const QString &sql : statements) {
        QSqlQuery query(db);
        if (!query.exec(sql)) {
            qCDebug(lcStore) << "cannot create search index:" << query.lastError().text();
            return false;
        }
    }
    return true;
}

void RecordSource::addNew()
{
    m_pending = QVector<QVariant>(m_columns.size());
    m_hasPending = true;
}

void RecordSource::setValue(const QString &name, const QVariant &value)
{
    const int index = columnIndex(name);
    if (index < 0)
        qCWarning(lcStore) << "no field" << name << "in" << m_fileName;
    if (!m_hasPending || index < 0)
        return;
    m_pending[index] = value;
}

bool RecordSource::update()
{
    if (!m_hasPending || !isOpen())
        return false;
    m_hasPending = false;
    QStringList names;
    for (const QString &column : std::as_const(m_columns))
        names << quoted(column);
    const QString placeholders = QString(u"?, "_s).repeated(m_columns.size()).chopped(2);
    QSqlQuery *query = prepared(
        u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(quoted(m_table), names.join(u", "), placeholders));
    if (!query)
        return false;
    for (int i = 0; i < m_pending.size(); ++i)
        query->bindValue(i, m_pending.at(i));
    const bool ok = query->exec();
    if (!ok)
        qCDebug(lcStore) << "record refused:" << query->lastError().text();
    m_lastRowPhrases.clear();
    query->finish();
    return ok;
}

bool RecordSource::beginTransaction()
{
    QSqlDatabase db = database();
    return db.isOpen() && db.transaction();
}

bool RecordSource::commit()
{
    QSqlDatabase db = database();
    return db.isOpen() && db.commit();
}

qint64 RecordSource::recordCount() const
{
    if (!isOpen())
        return 0;
    QSqlQuery query(database());
    if (query.exec(u"SELECT count(*) FROM %1"_s.arg(quoted(m_table))) && query.next())
        return query.value(0).toLongLong();
    return 0;
}
