#include "windows/handwriting/strokestrip.h"

#include "windows/handwriting/drawingpad.h"

#include <QPainter>

namespace {
constexpr int cell = 64;
constexpr int gap = 6;
} // namespace

StrokeStrip::StrokeStrip(QWidget *parent)
    : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void StrokeStrip::setStrokes(const std::optional<CharacterStrokes> &strokes)
{
    m_strokes = strokes;
    updateGeometry();
    update();
}

int StrokeStrip::columns(int width) const
{
    return std::max(1, (width - gap) / (cell + gap));
}

int StrokeStrip::heightForWidth(int width) const
{
    const int rows = (stepCount() + columns(width) - 1) / columns(width);
    return gap + std::max(1, rows) * (cell + gap);
}

QSize StrokeStrip::sizeHint() const
{
    return {8 * (cell + gap) + gap, heightForWidth(8 * (cell + gap) + gap)};
}

QRect StrokeStrip::stepRect(int step) const
{
    const int perRow = columns(width());
    return {gap + (step % perRow) * (cell + gap), gap + (step / perRow) * (cell + gap), cell, cell};
}

void StrokeStrip::paintEvent(QPaintEvent *)
{
    if (!m_strokes)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont numberFont = font();
    numberFont.setPixelSize(11);
    for (int step = 0; step < m_strokes->count(); ++step) {
        const QRect box = stepRect(step);
        painter.save();
        painter.fillRect(box, Qt::white);
        painter.setPen(QPen(Qt::lightGray, 1));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        paintInBox(painter, QRectF(box));
        paintGuides(painter);
        painter.setPen(Qt::NoPen);
        for (int stroke = 0; stroke <= step; ++stroke) {
            painter.fillPath(m_strokes->outlines.at(stroke),
                             stroke == step ? QColor(190, 20, 20) : QColor(Qt::black));
        }
        painter.restore();
        painter.setFont(numberFont);
        painter.setPen(QColor(40, 60, 160));
        painter.drawText(box.adjusted(3, 1, -2, -2), Qt::AlignLeft | Qt::AlignTop,
                         QString::number(step + 1));
    }
}
