#pragma once

#include <QString>

// A word table written by the import waits beside the program as kinesiskBIG5kod1.mdb and
// replaces kinesiskBIG5kod.mdb at the next start. Both steps only ever rename whole files, so
// a crash or power cut at any moment leaves the old or the new word table, never a mix.

// Called at start: installs a waiting word table over the current one and removes the
// staging file of an import that never finished. Returns true when a new table was installed;
// no waiting table (the normal case) does nothing.
bool installPendingWordTable(const QString &programFolder);

// Where an import writes before its result is renamed to targetFile.
QString stagingFileFor(const QString &targetFile);

// Renames source over target in one step, replacing target if it exists.
bool replaceFile(const QString &source, const QString &target);
