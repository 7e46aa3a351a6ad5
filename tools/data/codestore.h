#pragma once

#include <QString>

// Builds BIG5.mdb: every double-byte Big5 code that the Big5 codec maps to a BMP character,
// in code order; bigfive and big5 hold "A4A4", unicode "&H4E2D".
bool buildCodeStore(const QString &targetFile, qint64 &records, QString &error);
