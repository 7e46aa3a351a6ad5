#pragma once

// The word table read in table order, for the word lists held in memory (the one box's
// lexicon, the editor's word index, the sheets' readings): one reader for all of them.
//
//     WordRows::read(folder, 1, [](const WordRow &row) { ... row.characters ... });

#include <QString>
#include <QStringList>

#include <functional>

struct WordRow
{
    qint64 rowId = -1;
    QString characters;  // the word as stored: its traditional form
    QString pinyin;      // tone numbers, as stored, trimmed
    QStringList glosses; // the non-empty translations in order, trimmed
};

namespace WordRows {

// Calls visit for each row whose code string decodes, with the non-empty ones of its first
// glossCount translations; false when the word table cannot be read.
bool read(const QString &programFolder, int glossCount,
          const std::function<void(const WordRow &)> &visit);

} // namespace WordRows
