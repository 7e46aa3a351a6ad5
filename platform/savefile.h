#pragma once

#include <QByteArrayView>
#include <QString>

// Writes bytes as the whole new content of path: to a temporary file beside it, which then
// replaces it in one step, so that a save cut short (a full disk, a file-size limit, the
// program killed) leaves the file as it was. Returns false, with the system's reason in error,
// when the file was not replaced.
//
// Not QSaveFile alone: its commit() does not see a write that fails while its buffer is flushed
// and replaces the file with the cut-short copy; and a write the disk has room for only in part
// returns short without an error.
bool writeWholeFile(const QString &path, QByteArrayView bytes, QString *error = nullptr);
