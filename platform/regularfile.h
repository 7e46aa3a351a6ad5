#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// Files the program reads on the user's word: only regular files, and only up to a size the
// caller states. A FIFO would block the read (or the open itself) for ever, a device such as
// /dev/zero never ends, and a directory is no text; all three are refused at once, without
// blocking, as is a file larger than the caller can hold.
namespace RegularFile {

enum class Refusal {
    None,
    Missing,
    NotRegular, // a FIFO, a device, a socket or a directory
    TooLarge,
    Unreadable,
};

// Opens path read-only into file when it is a regular file of at most maxBytes. The open
// itself never blocks, also when the path is swapped for a FIFO after a look at it.
Refusal open(QFile &file, const QString &path, qint64 maxBytes);

// The whole file, or nullopt with the reason in refusal.
std::optional<QByteArray> read(const QString &path, qint64 maxBytes, Refusal *refusal = nullptr);

// Without opening: whether open() would refuse the path, and why.
Refusal check(const QString &path, qint64 maxBytes);

// "is not a regular file (a FIFO, a device or a folder)", for messages in English.
QString describe(Refusal refusal, qint64 maxBytes);

} // namespace RegularFile
