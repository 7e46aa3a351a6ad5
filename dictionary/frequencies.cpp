#include "dictionary/frequencies.h"

#include "dictionary/dictionarylog.h"
#include "platform/sqliteconnection.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>
#include <mutex>

using namespace Qt::StringLiterals;

struct Frequencies::Store
{
    QString file;
    std::once_flag loaded;
    QHash<QString, quint64> words;
    QHash<char32_t, quint8> ranks;
    struct ReadingCount
    {
        QString reading;
        quint64 count;
    };
    QHash<char32_t, QList<ReadingCount>> readings;

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
    // Stores built before reading counts existed lack the table: ranking then stays by word.
    if (!query.exec(u"SELECT code, reading, count FROM readings"_s)) {
        qCDebug(lcDictionary) << "No reading counts in" << file << ":" << query.lastError().text();
        return;
    }
    while (query.next()) {
        const qint64 count = query.value(2).toLongLong();
        if (count > 0)
            readings[char32_t(query.value(0).toUInt())].append(
                {readingKey(query.value(1).toString()), quint64(count)});
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

std::optional<double> Frequencies::readingShare(char32_t character,
                                                QStringView toneNumberReading) const
{
    std::call_once(m_store->loaded, &Store::load, m_store.get());
    const auto found = m_store->readings.constFind(character);
    if (found == m_store->readings.cend())
        return std::nullopt;
    const QString key = readingKey(toneNumberReading);
    quint64 total = 0, mine = 0;
    for (const Store::ReadingCount &reading : *found) {
        total += reading.count;
        if (reading.reading == key)
            mine += reading.count;
    }
    return double(mine) / double(total);
}

quint64 Frequencies::entryCount(QStringView traditional, QStringView simplified,
                                QStringView toneNumberReading) const
{
    const quint64 count = std::max(wordCount(simplified), wordCount(traditional));
    if (count == 0)
        return count;
    // The counts come mostly from simplified text, and so do the reading counts: the
    // simplified form's shares are asked first (了 of 瞭 is mostly le, 瞭 alone only liǎo).
    std::optional<double> share;
    for (const QStringView form : {simplified, traditional}) {
        const QList<uint> characters = form.toUcs4();
        if (!share && characters.size() == 1)
            share = readingShare(characters.front(), toneNumberReading);
    }
    return share ? quint64(std::llround(double(count) * *share)) : count;
}

QString Frequencies::readingKey(QStringView toneNumberReading)
{
    QString key = toneNumberReading.trimmed().toString().toLower();
    key.replace(u"u:"_s, u"v"_s).replace(u'ü', u'v').replace(u"uu"_s, u"v"_s);
    if (!key.isEmpty() && (key.back() < u'1' || key.back() > u'5'))
        key += u'5';
    return key;
}

bool Frequencies::createTables(QSqlDatabase &db)
{
    QSqlQuery query(db);
    return query.exec(u"CREATE TABLE words (word TEXT PRIMARY KEY, count INTEGER NOT NULL) "
                      u"WITHOUT ROWID"_s) &&
           query.exec(
               u"CREATE TABLE characters (code INTEGER PRIMARY KEY, rank INTEGER NOT NULL)"_s) &&
           query.exec(u"CREATE TABLE readings (code INTEGER NOT NULL, reading TEXT NOT NULL, "
                      u"count INTEGER NOT NULL, PRIMARY KEY (code, reading)) WITHOUT ROWID"_s);
}
