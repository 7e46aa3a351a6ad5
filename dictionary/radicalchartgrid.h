#pragma once

// The two radical charts: where each radical stands on the chart picture, and which radical a
// point of the shown picture falls on. Positions are in twips (1/1440 inch, 15 to a pixel at
// 96 dpi); the build draws the pictures from this same grid (tools/assets/radicalcharts.py),
// so picture and hit test cannot drift apart.
//
// Both charts hold the 214 radicals in reading order, 20 a row (the last row 14). The
// simplified chart shows the simplified forms (纟 for 120) and, in four rows below, the other
// shapes radicals take inside characters (氵 for 85): the second shape of a radical is its
// form 2, the third form 3 and so on up to 5.

#include <QList>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

enum class RadicalChart { Traditional, Simplified };

struct RadicalChartCell
{
    QRect twips;
    int radical = 0;    // 1 to 214
    int form = 1;       // 1: the main grid; 2 to 5: the other shapes
    char32_t glyph = 0; // the shape the cell shows
};

class RadicalChartGrid
{
public:
    // The charts' natural size: one and a half times the size of a 96-dpi picture (15 twips to
    // a pixel), whose glyphs are too small to tell apart.
    static constexpr int twipsPerPixel = 10;

    explicit RadicalChartGrid(RadicalChart chart);

    RadicalChart chart() const { return m_chart; }
    QSize size() const { return m_size; } // the whole picture
    const QList<RadicalChartCell> &cells() const { return m_cells; }

    // Where the picture is shown in a widget of this size: as large as fits, its proportions
    // kept, at the top left.
    QRectF shownRect(QSizeF widget) const;
    // The cell under a point of that widget, nullptr between and outside cells. Where two
    // cells overlap a little the one whose middle is nearer wins.
    const RadicalChartCell *cellAt(QPointF point, QSizeF widget) const;
    // A cell's rectangle in that widget.
    QRectF shownCell(const RadicalChartCell &cell, QSizeF widget) const;

    // The stroke count the Kangxi dictionary files a radical under (水 4, 龜 16); 0 outside
    // 1 to 214.
    static int strokeCount(int radical);

private:
    RadicalChart m_chart;
    QSize m_size;
    QList<RadicalChartCell> m_cells;
};
