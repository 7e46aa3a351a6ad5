#pragma once

#include <QSqlDatabase>
#include <QString>

// An SQLite connection of its own, opened at once and removed again when it goes out of
// scope. Queries made on it must end before it does.
class SqliteConnection
{
public:
    enum class Mode { ReadOnly, ReadWrite };

    // ReadWrite creates a missing file, as SQLite does.
    SqliteConnection(const QString &databaseFile, Mode mode);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection &) = delete;
    SqliteConnection &operator=(const SqliteConnection &) = delete;

    bool isOpen() const { return m_database.isOpen(); }
    QSqlDatabase &database() { return m_database; }
    QSqlDatabase database() const { return m_database; }
    QString errorText() const;

private:
    QString m_name;
    QSqlDatabase m_database;
};
