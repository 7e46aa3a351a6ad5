#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Reads one bz2-compressed Unihan file line by line:
//   "U+4E2D\tkMandarin\tzhōng" -> visit(0x4E2D, "kMandarin", "zhōng")
// Comment and blank lines are skipped. Returns false when the file cannot be read.
using UnihanVisitor =
    std::function<void(char32_t codePoint, const QByteArray &field, const QByteArray &value)>;
bool readUnihanFile(const QString &bz2Path, const UnihanVisitor &visit);
