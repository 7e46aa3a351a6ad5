#pragma once

#include "cedict/cedictimporter.h"

#include <QString>

// Builds the shipped word table with the program's own importer: programFolder holds the
// code table and the empty template; the finished table, with its search index, is renamed
// to targetFile.
bool buildWordStore(const QString &cedictFile, const QString &programFolder,
                    const QString &targetFile, CedictImportSummary &summary, QString &error);

// The empty template empty/kinesiskBIG5kod1.mdb: the word table's fields, no records.
bool buildWordTemplate(const QString &targetFile, QString &error);
