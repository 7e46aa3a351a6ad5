#include "tools/data/wordstore.h"

#include "cedict/pendingwordtable.h"
#include "cedict/sqliteconnection.h"
#include "dictionary/tables.h"
#include "tools/data/storewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool addSearchIndex(const QString &file, QString &error)
{
    SqliteConnection connection(file, SqliteConnection::Mode::ReadWrite);
    if (connection.isOpen() && Tables::createWordSearchIndex(connection.database()))
        return true;
    error = u"cannot add the search index to "_s + file;
    return false;
}

} // namespace

bool buildWordStore(const QString &cedictFile, const QString &programFolder,
                    const QString &targetFile, CedictImportSummary &summary, QString &error)
{
    // The importer renames its result into place; the index goes in before this file does.
    const QString unindexed = targetFile + u".import"_s;
    CedictImporter importer(programFolder);
    importer.setTargetFile(unindexed);
    summary = importer.importFile(cedictFile);
    if (!summary.succeeded()) {
        error = u"import of %1 failed (outcome %2)"_s.arg(cedictFile).arg(int(summary.outcome));
        return false;
    }
    if (!addSearchIndex(unindexed, error) || !replaceFile(unindexed, targetFile)) {
        QFile::remove(unindexed);
        if (error.isEmpty())
            error = u"cannot rename %1 to %2"_s.arg(unindexed, targetFile);
        return false;
    }
    return true;
}

bool buildWordTemplate(const QString &targetFile, QString &error)
{
    QDir().mkpath(QFileInfo(targetFile).absolutePath());
    StoreWriter store(targetFile, Tables::createWordTable, Tables::wordFields());
    if (!store.begin() || !store.finish()) {
        error = store.errorText();
        return false;
    }
    return true;
}
