#include "platform/recordsource.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcStore, "ordbok.store")

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return u"ordbok-store-%1"_s.arg(counter.fetchAndAddRelaxed(1));
}

QString quoted(const QString &identifier)
{
    return u'"' + identifier + u'"';
}

} // namespace

RecordSource::RecordSource(QObject *parent) : QObject(parent) {}

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
    m_connection = nextConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
    db.setDatabaseName(databaseFile);
    if (mode == Mode::ReadOnly)
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
    if (!db.open()) {
        qCDebug(lcStore) << "cannot open" << databaseFile << db.lastError().text();
        close();
        return false;
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
    moveFirst();
    return true;
}

void RecordSource::close()
{
    if (m_connection.isEmpty())
        return;
    m_statements.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
    m_fileName.clear();
    m_columns.clear();
    m_columnByLowerName.clear();
    m_current.clear();
    m_currentRowId = -1;
    m_pending.clear();
    m_hasPending = false;
}

bool RecordSource::isOpen() const
{
    return !m_connection.isEmpty();
}

QSqlDatabase RecordSource::database() const
{
    return QSqlDatabase::database(m_connection, false);
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
    if (index < 0 || index >= m_current.size())
        return {};
    return m_current.at(index);
}

void RecordSource::loadCurrent(QSqlQuery &query)
{
    m_currentRowId = query.value(0).toLongLong();
    m_current.resize(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i)
        m_current[i] = query.value(i + 1);
    emit currentChanged();
}

void RecordSource::moveFirst()
{
    if (!isOpen())
        return;
    QSqlQuery *query = prepared(u"SELECT rowid, * FROM %1 ORDER BY rowid LIMIT 1"_s.arg(quoted(m_table)));
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

void RecordSource::findFirst(const QString &criteria)
{
    find(criteria, -1);
}

void RecordSource::findNext(const QString &criteria)
{
    find(criteria, m_currentRowId);
}

void RecordSource::find(const QString &criteriaText, qint64 afterRowId)
{
    m_noMatch = true;
    if (!isOpen())
        return;
    const std::optional<Criteria> criteria = Criteria::parse(criteriaText);
    if (!criteria) {
        qCDebug(lcStore) << "criteria refused:" << criteriaText;
        return;
    }
    const int column = columnIndex(criteria->field);
    if (column < 0) {
        qCDebug(lcStore) << "no field" << criteria->field << "in" << m_fileName;
        return;
    }
    const QString field = quoted(m_columns.at(column));
    QString condition;
    QVariant operand = criteria->operand;
    if (criteria->op == Criteria::Operator::Like) {
        condition = field + u" LIKE ? ESCAPE '\\'"_s;
        operand = criteria->sqlLikePattern();
    } else if (criteria->isNumber()) {
        condition = field + u" = ?"_s;
    } else {
        condition = field + u" = ? COLLATE NOCASE"_s;
    }
    QSqlQuery *query = prepared(u"SELECT rowid, * FROM %1 WHERE %2 AND rowid > ? ORDER BY rowid LIMIT 1"_s
                                    .arg(quoted(m_table), condition));
    if (!query)
        return;
    query->bindValue(0, operand);
    query->bindValue(1, afterRowId);
    if (query->exec() && query->next()) {
        m_noMatch = false;
        loadCurrent(*query);
    }
    query->finish();
}

void RecordSource::addNew()
{
    m_pending = QVector<QVariant>(m_columns.size());
    m_hasPending = true;
}

void RecordSource::setValue(const QString &name, const QVariant &value)
{
    const int index = columnIndex(name);
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
