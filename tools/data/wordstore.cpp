#include "tools/data/wordstore.h"

#include "dictionary/tables.h"
#include "tools/data/storewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

bool buildWordStore(const QString &cedictFile, const QString &programFolder,
                    const QString &targetFile, CedictImportSummary &summary, QString &error)
{
    CedictImporter importer(programFolder);
    importer.setTargetFile(targetFile);
    summary = importer.importFile(cedictFile);
    if (!summary.succeeded()) {
        error = u"import of %1 failed (outcome %2)"_s.arg(cedictFile).arg(int(summary.outcome));
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
