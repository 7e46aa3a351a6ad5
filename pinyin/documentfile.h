#pragma once

// The Chinese editor's document on disk: UTF-8 plain text.

#include <QString>

namespace DocumentFile {

enum class Problem {
    None,
    Unreadable, // the file could not be opened or read
    TooLarge,   // over maxSize
    NotText,    // not UTF-8 (or BOM-marked UTF-16) text: a binary file, or another encoding
    NotWritten, // the save failed; the file on disk is as it was
};

// A text editor box slows down long before this.
inline constexpr qint64 maxSize = 16 * 1024 * 1024;

struct Result
{
    Problem problem = Problem::None;
    QString text;   // line breaks as "\n"
    QString detail; // the system's reason, for Unreadable and NotWritten
};

// Accepts UTF-8 with or without a byte order mark, and UTF-16 with one (what Windows editors
// write as "Unicode"). Line breaks of any system come back as "\n".
Result read(const QString &path);

// Writes UTF-8 without a byte order mark, line breaks as the system writes them. The file is
// replaced only once everything has been written, so a failure keeps the old one.
Result write(const QString &path, const QString &text);

// One edition's words for a refused open or a failed save.
struct Messages
{
    QString openFailed; // %1 the file, %2 the reason
    QString notText;    // %1 the file
    QString tooLarge;   // %1 the file, %2 the size limit in MB
    QString saveFailed; // %1 the file, %2 the reason
    // What to tell of the result; empty when all went well.
    QString about(const QString &path, const Result &result) const;
};

} // namespace DocumentFile
