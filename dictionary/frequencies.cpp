#include "dictionary/frequencies.h"

#include "dictionary/dictionarylog.h"
#include "platform/sqliteconnection.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <mutex>

using namespace Qt::StringLiterals;

struct Frequencies::Store
{
    QString file;
    std::once_flag loaded;
    QHash<QString, quint64> words;
    QHash<char32_t, quint8> ranks;

    void load();
};

void Frequencies::Store::load()
{
    if (!QFileInfo::exists(file)) {
        qCDebug(lcDictionary) << "No frequency store at" << file << "- every count is 0";
        return;
    }
    SqliteConnection connection(file, SqliteConnection::Mode::ReadOnly);
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!connection.isOpen() || !query.exec(u"SELECT word, count FROM words"_s)) {
        qCDebug(lcDictionary) << "Cannot read the word counts of" << file << ":"
                              << query.lastError().text() << connection.errorText();
        return;
    }
    while (query.next()) {
        // A count below 1 is no count (and must not wrap round to a huge one).
        const qint64 count = query.value(1).toLongLong();
        if (count > 0)
            words.insert(query.value(0).toString(), quint64(count));
    }
    if (!query.exec(u"SELECT code, rank FROM characters"_s)) {
        qCDebug(lcDictionary) << "Cannot read the character ranks of" << file << ":"
                              << query.lastError().text();
        return;
    }
    while (query.next()) {
        const int rank = query.value(1).toInt();
        if (rank >= 1 && rank <= 5)
            ranks.insert(char32_t(query.value(0).toUInt()), quint8(rank));
    }
}

Frequencies::Frequencies(const QString &programFolder)
    : m_store(std::make_shared<Store>())
{
    m_store->file = QDir(programFolder).filePath(storeFile);
}

quint64 Frequencies::wordCount(QStringView word) const
{
    std::call_once(m_store->loaded, &Store::load, m_store.get());
    return m_store->words.value(word.toString());
}

int Frequencies::characterRank(char32_t character) const
{
    std::call_once(m_store->loaded, &Store::load, m_store.get());
    return m_store->ranks.value(character);
}

bool Frequencies::createTables(QSqlDatabase &db)
{
    QSqlQuery query(db);
    return query.exec(u"CREATE TABLE words (word TEXT PRIMARY KEY, count INTEGER NOT NULL) "
                      u"WITHOUT ROWID"_s) &&
           query.exec(
               u"CREATE TABLE characters (code INTEGER PRIMARY KEY, rank INTEGER NOT NULL)"_s);
}
