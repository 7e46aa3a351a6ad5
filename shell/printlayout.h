#pragma once

#include <QRectF>
#include <QSizeF>

// Where a print job of the print window puts its pictures: two square cells to a row, rows
// a cell and a small gap apart, each picture fitted into its cell and centred there, a new
// page when a page's rows are full. No cell reaches into another or off the page.
// Lengths are centimetres measured from the top left corner of the printable area.
//
// Example: a printable area of 19.0 x 27.7 cm gives cells 7.85 wide and 3 rows a page; the
// seventh picture (k = 6) starts page 1 at row 0, column 0.
struct PicturePlace
{
    int page = 0;
    int row = 0;
    int column = 0;
    QRectF rect; // the picture as drawn, centred in its cell
};

class PrintLayout
{
public:
    static constexpr int columns = 2;
    static constexpr double rowGap = 0.2;
    static constexpr double leftMargin = 1.5;
    static constexpr double topGap = 0.3;
    static constexpr double columnGap = 0.3;

    explicit PrintLayout(QSizeF printableArea);

    // False when the area is too narrow for a cell: nothing can be printed.
    bool isValid() const { return m_cellWidth > 0; }
    double cellWidth() const { return m_cellWidth; }
    // Rows are a cell and a gap apart, so that no picture reaches into the next row.
    double rowPitch() const { return m_cellWidth + rowGap; }
    int rowsPerPage() const { return m_rows; }
    int picturesPerPage() const { return m_rows * columns; }
    int pageCount(int pictures) const;

    // The place of the k-th picture of a job (from 0); pictureSize in any unit, only its
    // shape counts.
    PicturePlace place(int k, QSizeF pictureSize) const;
    // A new page starts before picture k.
    bool startsPage(int k) const { return k > 0 && k % picturesPerPage() == 0; }

    // The size of a picture fitted into a square of the given side, its shape kept; empty
    // for a picture without area.
    static QSizeF fit(QSizeF picture, double side);

private:
    double m_cellWidth;
    int m_rows;
};
