#include "cedict/pendingwordtable.h"

#include "cedict/cedictlog.h"
#include "dictionary/tables.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QUuid>

#include <filesystem>
#include <system_error>

using namespace Qt::StringLiterals;

namespace {

std::filesystem::path nativePath(const QString &file)
{
    return std::filesystem::path(file.toStdU16String());
}

// A file someone put there by hand may be anything; only a word store replaces the table.
bool isWordStore(const QString &file)
{
    const QString connection = u"ordbok-pending-"_s + QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
        db.setDatabaseName(file);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        ok = db.open() && db.record(Tables::tableName).contains(u"teckenkoder"_s);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

} // namespace

QString stagingFileFor(const QString &targetFile)
{
    return targetFile + u".part"_s;
}

bool replaceFile(const QString &source, const QString &target)
{
    std::error_code error;
    std::filesystem::rename(nativePath(source), nativePath(target), error);
    if (error)
        qCDebug(lcCedict) << "cannot rename" << source << "to" << target << error.message().c_str();
    return !error;
}

bool installPendingWordTable(const QString &programFolder)
{
    const QString pending = Tables::storePath(programFolder, Tables::pendingWordStore);
    const QString staging = stagingFileFor(pending);
    if (QFileInfo::exists(staging) && !QFile::remove(staging))
        qCDebug(lcCedict) << "cannot remove unfinished import" << staging;

    if (!QFileInfo(pending).isFile())
        return false;
    if (!isWordStore(pending)) {
        qCDebug(lcCedict) << "waiting word table is not a word store, left as it is:" << pending;
        return false;
    }
    return replaceFile(pending, Tables::storePath(programFolder, Tables::wordStore));
}
