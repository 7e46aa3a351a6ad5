// ordbok-chartlayout OUTPUT.json
//
// Writes the cells of both radical charts for radicalcharts.py, so that the pictures are drawn
// to the very grid the program hit-tests:
//   {"twipsPerPixel": 10, "charts": [{"name": "traditional", "width": 7805, "height": 5955,
//                "cells": [{"x": 0, "y": 0, "w": 405, "h": 555, "radical": 1, "form": 1,
//                           "strokes": 1, "glyph": 12032}, ...]}, ...]}

#include "dictionary/radicalchartgrid.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QJsonObject chartJson(const QString &name, RadicalChart chart)
{
    const RadicalChartGrid grid(chart);
    QJsonArray cells;
    for (const RadicalChartCell &cell : grid.cells()) {
        cells.append(QJsonObject{{u"x"_s, cell.twips.x()},
                                 {u"y"_s, cell.twips.y()},
                                 {u"w"_s, cell.twips.width()},
                                 {u"h"_s, cell.twips.height()},
                                 {u"radical"_s, cell.radical},
                                 {u"form"_s, cell.form},
                                 {u"strokes"_s, RadicalChartGrid::strokeCount(cell.radical)},
                                 {u"glyph"_s, qint64(cell.glyph)}});
    }
    return {{u"name"_s, name},
            {u"width"_s, grid.size().width()},
            {u"height"_s, grid.size().height()},
            {u"cells"_s, cells}};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: ordbok-chartlayout OUTPUT.json\n");
        return 2;
    }
    const QJsonObject root{
        {u"twipsPerPixel"_s, RadicalChartGrid::twipsPerPixel},
        {u"charts"_s, QJsonArray{chartJson(u"traditional"_s, RadicalChart::Traditional),
                                 chartJson(u"simplified"_s, RadicalChart::Simplified)}}};
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(QJsonDocument(root).toJson(QJsonDocument::Compact)) < 0) {
        std::fprintf(stderr, "ordbok-chartlayout: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
