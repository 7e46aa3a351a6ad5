#pragma once

#include "dictionary/tables.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <atomic>

struct sqlite3;
struct sqlite3_stmt;

// The fields of one word record as UTF-8 text; an empty field is one not produced, stored NULL.
// Not named WordRecord: the dictionary has one, and two classes of one name in a program share
// one copy of their inline members (the destructor of one frees the other's fields).
struct ImportedWord
{
    QByteArray tecken;
    QByteArray teckenkoder;
    QByteArray pinyin;
    std::array<QByteArray, Tables::translationCount> translations;

    // Empties every field but keeps its buffer, so that one record serves a whole import.
    void clear();
};

// Fills Tabell1 of a fresh copy of the word template. Meant for staging files only: nothing
// is journalled and nothing synced before finish(), because a file that never finishes is
// never used. The template's indexes are dropped while the rows go in and built again after
// them, with the trigram search index; that is several times faster than keeping them up to
// date row by row.
class WordTableWriter
{
public:
    WordTableWriter();
    ~WordTableWriter();
    WordTableWriter(const WordTableWriter &) = delete;
    WordTableWriter &operator=(const WordTableWriter &) = delete;

    bool open(const QString &databaseFile);
    // False when the database refuses the record; the writer stays usable.
    bool write(const ImportedWord &record);
    // Commits, builds the indexes and closes; the file is complete only when this returns true.
    // A raised cancel flag stops the work at the next step and returns false.
    bool finish(const std::atomic<bool> *cancel = nullptr);
    // Lets go of the file unfinished, so that it can be removed.
    void close();

private:
    bool exec(const QByteArray &sql);
    QString errorText() const;

    QString m_file;
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_insert = nullptr;
    QList<QByteArray> m_indexes; // the template's CREATE INDEX statements
};
