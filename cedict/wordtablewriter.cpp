#include "cedict/wordtablewriter.h"

#include "cedict/cedictlog.h"
#include "dictionary/tables.h"
#include "platform/sqliteconnection.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

// Statements of no more than this many virtual machine steps run between two looks at the
// cancel flag.
constexpr int stepsBetweenCancelChecks = 100000;

int cancelRaised(void *flag)
{
    return static_cast<const std::atomic<bool> *>(flag)->load(std::memory_order_relaxed) ? 1 : 0;
}

bool cancelled(const std::atomic<bool> *cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

} // namespace

void ImportedWord::clear()
{
    // resize() keeps the capacity that clear() would give back.
    tecken.resize(0);
    teckenkoder.resize(0);
    pinyin.resize(0);
    for (QByteArray &translation : translations)
        translation.resize(0);
}

WordTableWriter::WordTableWriter() = default;

WordTableWriter::~WordTableWriter()
{
    close();
}

bool WordTableWriter::open(const QString &databaseFile)
{
    close();
    m_file = databaseFile;
    // Without SQLITE_OPEN_CREATE a missing file stays missing: the writer fills a copy of the
    // template and nothing else.
    if (!QFileInfo(databaseFile).isFile() ||
        sqlite3_open_v2(QFile::encodeName(databaseFile).constData(), &m_db, SQLITE_OPEN_READWRITE,
                        nullptr) != SQLITE_OK) {
        qCDebug(lcCedict) << "cannot open" << databaseFile << errorText();
        close();
        return false;
    }
    // Rows go in through the C interface: Qt's bound values cost more than SQLite's own work.
    // A page cache of 16 MB saves rereading index pages; a much larger one costs more to
    // allocate and fault in than it saves.
    for (const char *pragma :
         {"PRAGMA journal_mode=OFF", "PRAGMA synchronous=OFF", "PRAGMA locking_mode=EXCLUSIVE",
          "PRAGMA cache_size=-16384", "PRAGMA temp_store=MEMORY"}) {
        if (!exec(pragma))
            qCDebug(lcCedict) << "pragma refused:" << pragma << errorText();
    }

    sqlite3_stmt *indexes = nullptr;
    const QByteArray table = QByteArray(Tables::tableName.data(), Tables::tableName.size());
    if (sqlite3_prepare_v2(m_db,
                           "SELECT name, sql FROM sqlite_master WHERE type = 'index' "
                           "AND tbl_name = ?1 AND sql IS NOT NULL",
                           -1, &indexes, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(indexes, 1, table.constData(), int(table.size()), SQLITE_STATIC);
        QList<QByteArray> names;
        while (sqlite3_step(indexes) == SQLITE_ROW) {
            names << reinterpret_cast<const char *>(sqlite3_column_text(indexes, 0));
            m_indexes << reinterpret_cast<const char *>(sqlite3_column_text(indexes, 1));
        }
        sqlite3_finalize(indexes);
        for (const QByteArray &name : std::as_const(names)) {
            if (!exec("DROP INDEX \"" + QByteArray(name).replace('"', "\"\"") + '"'))
                return false;
        }
    }

    QByteArray sql = "INSERT INTO " + table + " (";
    QByteArray marks;
    for (const QString &field : Tables::wordFields()) {
        sql += '"' + field.toUtf8() + "\",";
        marks += "?,";
    }
    sql.chop(1);
    marks.chop(1);
    sql += ") VALUES (" + marks + ')';
    if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &m_insert, nullptr) !=
        SQLITE_OK) {
        qCDebug(lcCedict) << "not a word table:" << databaseFile << errorText();
        close();
        return false;
    }
    return exec("BEGIN");
}

bool WordTableWriter::write(const ImportedWord &record)
{
    if (!m_insert)
        return false;
    // Bound in the order of Tables::wordFields(); the step copies the text before the next
    // record refills the buffers.
    const auto bind = [this](int column, const QByteArray &text) {
        if (text.isEmpty())
            sqlite3_bind_null(m_insert, column);
        else
            sqlite3_bind_text(m_insert, column, text.constData(), int(text.size()), SQLITE_STATIC);
    };
    bind(1, record.tecken);
    bind(2, record.teckenkoder);
    bind(3, record.pinyin);
    for (size_t i = 0; i < record.translations.size(); ++i)
        bind(int(4 + i), record.translations[i]);
    const int result = sqlite3_step(m_insert);
    sqlite3_reset(m_insert);
    if (result == SQLITE_DONE)
        return true;
    qCDebug(lcCedict) << "record refused:" << errorText();
    return false;
}

bool WordTableWriter::finish(const std::atomic<bool> *cancel)
{
    if (!m_insert)
        return false;
    sqlite3_finalize(m_insert);
    m_insert = nullptr;
    if (cancel)
        sqlite3_progress_handler(m_db, stepsBetweenCancelChecks, cancelRaised,
                                 const_cast<std::atomic<bool> *>(cancel));
    bool ok = exec("COMMIT");
    for (const QByteArray &index : std::as_const(m_indexes)) {
        if (ok && !exec(index))
            ok = false;
    }
    close();
    if (!ok || cancelled(cancel))
        return false;

    // The search index's schema belongs to the tables; it is built through Qt's connection,
    // in one transaction whose commit is the one sync of the whole file.
    SqliteConnection connection(m_file, SqliteConnection::Mode::ReadWrite);
    QSqlDatabase &db = connection.database();
    QSqlQuery pragma(db);
    for (const QString &statement :
         {u"PRAGMA journal_mode=OFF"_s, u"PRAGMA synchronous=NORMAL"_s,
          u"PRAGMA locking_mode=EXCLUSIVE"_s, u"PRAGMA cache_size=-16384"_s,
          u"PRAGMA temp_store=MEMORY"_s}) {
        if (!pragma.exec(statement))
            qCDebug(lcCedict) << "pragma refused:" << statement << pragma.lastError().text();
    }
    pragma.finish();
    ok = connection.isOpen() && db.transaction() && Tables::createWordSearchIndex(db) &&
         !cancelled(cancel) && db.commit();
    if (!ok) {
        qCDebug(lcCedict) << "search index failed:" << connection.errorText();
        db.rollback();
    }
    return ok;
}

bool WordTableWriter::exec(const QByteArray &sql)
{
    char *error = nullptr;
    if (sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    qCDebug(lcCedict) << "statement failed:" << sql << error;
    sqlite3_free(error);
    return false;
}

QString WordTableWriter::errorText() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : u"not open"_s;
}

void WordTableWriter::close()
{
    if (m_insert)
        sqlite3_finalize(m_insert);
    m_insert = nullptr;
    // Closing without COMMIT drops an open transaction; the staging file is thrown away then.
    if (m_db)
        sqlite3_close(m_db);
    m_db = nullptr;
    m_indexes.clear();
}
