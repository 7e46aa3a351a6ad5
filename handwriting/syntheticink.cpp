#include "handwriting/syntheticink.h"

#include <QLineF>

#include <algorithm>
#include <random>

namespace SyntheticInk {
namespace {

QPolygonF resample(const QPolygonF &line, double step)
{
    if (line.size() < 2)
        return line;
    QPolygonF out{line.first()};
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QLineF segment(line.at(i - 1), line.at(i));
        const int pieces = std::max(1, int(segment.length() / step));
        for (int k = 1; k <= pieces; ++k)
            out.append(segment.pointAt(double(k) / pieces));
    }
    return out;
}

} // namespace

Ink fromMedians(const QList<QPolygonF> &medians, quint32 seed, double wobble)
{
    std::mt19937 random(seed);
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const double scale = 1.0 - wobble * uniform(0.0, 0.15);
    const QPointF shift(wobble * uniform(-40, 40), wobble * uniform(-40, 40));
    const QPointF centre(500, 500);
    Ink ink;
    for (const QPolygonF &median : medians) {
        const QPointF strokeShift(wobble * uniform(-15, 15), wobble * uniform(-15, 15));
        QPointF noise;
        QPolygonF stroke;
        for (const QPointF &point : resample(median, 20)) {
            // A random walk pulled back to zero: a hand's tremble, not static.
            noise = noise * 0.7 + QPointF(uniform(-1, 1), uniform(-1, 1)) * (wobble * 8 * 0.3);
            const QPointF p = centre + (point - centre) * scale + shift + strokeShift + noise;
            stroke.append(QPointF(std::clamp(p.x(), 0.0, 1000.0), std::clamp(p.y(), 0.0, 1000.0)));
        }
        ink.append(stroke);
    }
    return ink;
}

} // namespace SyntheticInk
