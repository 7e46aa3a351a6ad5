#include "windows/pinyineditor/colourmap.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr qreal hueShare = 0.88; // of the width; the rest is the grey strip

} // namespace

ColourMap::ColourMap(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    setMinimumSize(120, 80);
}

QColor ColourMap::colourAt(QPointF point, QSizeF size)
{
    if (size.isEmpty())
        return Qt::black;
    const qreal x = std::clamp(point.x() / size.width(), 0.0, 1.0);
    const qreal y = std::clamp(point.y() / size.height(), 0.0, 1.0);
    if (x >= hueShare)
        return QColor::fromRgbF(float(1 - y), float(1 - y), float(1 - y)).toRgb();
    // White (lightness 1) at the top, the pure hue (0.5) halfway, black at the bottom.
    return QColor::fromHslF(float(std::min(x / hueShare, 0.999)), 1.0f, float(1 - y)).toRgb();
}

void ColourMap::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_picture.size() != pixels) {
        m_picture = QImage(pixels, QImage::Format_RGB32);
        for (int y = 0; y < pixels.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(m_picture.scanLine(y));
            for (int x = 0; x < pixels.width(); ++x)
                line[x] = colourAt(QPointF(x + 0.5, y + 0.5), pixels).rgb();
        }
        m_picture.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawImage(QPointF(0, 0), m_picture);
}

void ColourMap::mousePressEvent(QMouseEvent *event)
{
    // The colour under the pointer, as drawn.
    emit colourPicked(colourAt(event->position(), size()));
}
