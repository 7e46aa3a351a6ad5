#pragma once

// The strokes of one character in writing order, in the 1000 x 1000 box with y pointing down
// that the drawing pad, the CLI and the practice checker share.

#include <QList>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

namespace StrokeBox {
inline constexpr double size = 1000.0;
}

struct CharacterStrokes
{
    QString character;
    QList<QPainterPath> outlines; // each stroke's filled shape
    QList<QPolygonF> medians;     // each stroke's centre line, from its start to its end

    int count() const { return int(medians.size()); }
};
