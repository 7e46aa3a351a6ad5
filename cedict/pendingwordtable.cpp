#include "cedict/pendingwordtable.h"

#include "cedict/cedictlog.h"
#include "platform/sqliteconnection.h"
#include "dictionary/tables.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlRecord>

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
    SqliteConnection connection(file, SqliteConnection::Mode::ReadOnly);
    return connection.isOpen() &&
           connection.database().record(Tables::tableName).contains(WordField::teckenkoder);
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
