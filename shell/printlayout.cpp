#include "shell/printlayout.h"

#include <algorithm>
#include <cmath>

namespace {
// Keeps a row count that is whole on paper from losing a row to rounding (27.3 / 9.1 = 3).
constexpr double roundingSlack = 1e-9;
} // namespace

PrintLayout::PrintLayout(QSizeF printableArea)
    : m_cellWidth((printableArea.width() - 2 * leftMargin + columnGap) / columns - columnGap)
{
    // On a page lower than a cell is wide, the cells are as tall as the page allows.
    if (isValid())
        m_cellWidth = std::min(m_cellWidth, printableArea.height() - 2 * topGap);
    const double rows = (printableArea.height() - 2 * topGap + rowGap) / (m_cellWidth + rowGap);
    // A cell taller than the page still gets one row a page rather than none.
    m_rows = isValid() ? std::max(1, int(std::floor(rows + roundingSlack))) : 1;
}

int PrintLayout::pageCount(int pictures) const
{
    if (pictures <= 0)
        return 0;
    return (pictures + picturesPerPage() - 1) / picturesPerPage();
}

PicturePlace PrintLayout::place(int k, QSizeF pictureSize) const
{
    PicturePlace place;
    place.page = k / picturesPerPage();
    const int position = k - place.page * picturesPerPage();
    place.row = position / columns;
    place.column = position % columns;

    const double x = place.column * (m_cellWidth + columnGap) + leftMargin;
    const double y = place.row * rowPitch() + topGap;
    const QSizeF drawn = fit(pictureSize, m_cellWidth);
    place.rect = QRectF(x + (m_cellWidth - drawn.width()) / 2,
                        y + (m_cellWidth - drawn.height()) / 2, drawn.width(), drawn.height());
    return place;
}

QSizeF PrintLayout::fit(QSizeF picture, double side)
{
    const double pw = picture.width();
    const double ph = picture.height();
    if (!(pw > 0) || !(ph > 0) || !(side > 0))
        return {0, 0};
    if (ph > pw)
        return {side * pw / ph, side};
    return {side, side * ph / pw};
}
