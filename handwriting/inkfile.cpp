#include "handwriting/inkfile.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace InkFile {

std::optional<Ink> parse(const QString &text, QString *error)
{
    Ink ink;
    const QStringList lines = text.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QStringList points = lines.at(n).split(u' ', Qt::SkipEmptyParts);
        if (points.isEmpty() || lines.at(n).trimmed().isEmpty())
            continue;
        QPolygonF stroke;
        for (const QString &point : points) {
            const QStringList xy = point.trimmed().split(u',');
            bool okX = false, okY = false;
            const double x = xy.size() == 2 ? xy.at(0).toDouble(&okX) : 0;
            const double y = xy.size() == 2 ? xy.at(1).toDouble(&okY) : 0;
            if (!okX || !okY || !std::isfinite(x) || !std::isfinite(y)) {
                if (error)
                    *error = u"line %1: \"%2\" is not x,y"_s.arg(n + 1).arg(point);
                return std::nullopt;
            }
            stroke.append(QPointF(x, y));
        }
        ink.append(stroke);
    }
    return ink;
}

QString formatStroke(const QPolygonF &stroke)
{
    QStringList points;
    for (const QPointF &point : stroke)
        points.append(u"%1,%2"_s.arg(std::lround(point.x())).arg(std::lround(point.y())));
    return points.join(u' ');
}

} // namespace InkFile
