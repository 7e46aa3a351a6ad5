#pragma once

// A practice sheet: one row per character, the reading and first gloss at the row's start,
// then a row of squares with their centre lines drawn (a 田 grid). The first square holds the
// character in full ink; the others hold it in light grey to be traced.

#include "print/readingtable.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

struct PracticeOptions
{
    int perRow = 8;
    double squareMillimetres = 18.0;
};

struct PracticeRow
{
    QString character;
    QString reading; // tone-marked
    QString gloss;
    bool operator==(const PracticeRow &) const = default;
};

// Where the rows and squares go, in millimetres from the top left corner of the body. Squares
// that would not fit the body's width at the chosen size are made smaller; there is always
// at least one square to a row and one row to a page.
class PracticeGrid
{
public:
    static constexpr double labelMillimetres = 32.0;
    static constexpr double rowGapMillimetres = 4.0;
    static constexpr int mostPerRow = 30;

    PracticeGrid(QSizeF bodyMillimetres, const PracticeOptions &options);

    int perRow() const { return m_perRow; }
    double square() const { return m_square; }
    int rowsPerPage() const { return m_rowsPerPage; }
    int pageCount(int rows) const;
    int pageOf(int row) const { return row / m_rowsPerPage; }
    QRectF labelRect(int row) const;
    QRectF squareRect(int row, int column) const;

private:
    double rowTop(int row) const;

    int m_perRow = 1;
    double m_square = 1;
    int m_rowsPerPage = 1;
};

// The rows of a word: each Chinese character with its gloss and its reading in wordPinyin
// (tone numbers, a syllable per character, as the word is shown), or its first reading when
// wordPinyin does not give one syllable to each character.
QList<PracticeRow> practiceRows(const QString &word, const ReadingTable &table,
                                const QString &wordPinyin = {});

// The sheet on the device, the characters drawn in chineseFont's family; false when nothing
// was printed (no rows, or the device would not start).
bool printPracticeSheet(QPagedPaintDevice &device, const QList<PracticeRow> &rows,
                        const PracticeOptions &options, const QFont &chineseFont);
