#pragma once

#include "dictionary/tables.h"

#include <QString>

#include <array>
#include <memory>

class QSqlQuery;
class SqliteConnection;

// The fields of one word record; a null or empty string is a field not produced, stored NULL.
struct WordRecord
{
    QString tecken;
    QString teckenkoder;
    QString pinyin;
    std::array<QString, Tables::translationCount> translations;
};

// Appends word records to Tabell1 of a fresh file with one prepared INSERT, all in one
// transaction. Meant for staging files only: it turns the journal off for speed.
class WordTableWriter
{
public:
    WordTableWriter();
    ~WordTableWriter();
    WordTableWriter(const WordTableWriter &) = delete;
    WordTableWriter &operator=(const WordTableWriter &) = delete;

    bool open(const QString &databaseFile);
    // False when the database refuses the record; the writer stays usable.
    bool write(const WordRecord &record);
    // Commits and closes; the file is complete only when this returns true.
    bool commit();

private:
    void close();

    std::unique_ptr<SqliteConnection> m_connection;
    std::unique_ptr<QSqlQuery> m_insert;
};
