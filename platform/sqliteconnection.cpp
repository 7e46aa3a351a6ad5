#include "platform/sqliteconnection.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QUuid>

using namespace Qt::StringLiterals;

SqliteConnection::SqliteConnection(const QString &databaseFile, Mode mode)
    : m_name(u"ordbok-sqlite-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    m_database = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
    m_database.setDatabaseName(databaseFile);
    if (mode == Mode::ReadOnly)
        m_database.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
    m_database.open();
}

SqliteConnection::~SqliteConnection()
{
    m_database.close();
    // Qt refuses to remove a connection while a handle to it is alive.
    m_database = QSqlDatabase();
    // An owner that outlives the application object (a static) ends after Qt Sql's registry
    // of connections is gone: removing from it then crashes the process on its way out.
    if (QCoreApplication::instance())
        QSqlDatabase::removeDatabase(m_name);
}

QString SqliteConnection::errorText() const
{
    return m_database.lastError().text();
}
