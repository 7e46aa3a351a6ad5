#include "windows/handwriting/strokeplayer.h"

#include "windows/handwriting/drawingpad.h"

#include <QLineF>
#include <QPainter>
#include <QVariantAnimation>

#include <cmath>

namespace {

constexpr int pauseAfterStroke = 250;  // milliseconds at normal speed
constexpr double unitsPerSecond = 900; // along the median, at normal speed
constexpr double brushWidth = 150;     // wide enough to fill any stroke's outline

} // namespace

QPolygonF medianPart(const QPolygonF &median, const QList<double> &lengths, double fraction)
{
    if (median.isEmpty() || lengths.size() != median.size())
        return {};
    const double wanted = std::clamp(fraction, 0.0, 1.0) * lengths.last();
    QPolygonF part{median.first()};
    for (qsizetype i = 1; i < median.size(); ++i) {
        if (lengths.at(i) <= wanted) {
            part.append(median.at(i));
            continue;
        }
        const double segment = lengths.at(i) - lengths.at(i - 1);
        const double t = segment > 0 ? (wanted - lengths.at(i - 1)) / segment : 0;
        part.append(QLineF(median.at(i - 1), median.at(i)).pointAt(t));
        break;
    }
    return part;
}

StrokePlayer::StrokePlayer(QWidget *parent)
    : QWidget(parent)
    , m_animation(new QVariantAnimation(this))
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setMinimumSize(160, 160);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Driven by Qt's animation timer, which ticks with the screen's refresh.
    connect(m_animation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &value) { timeChanged(value.toInt()); });
}

void StrokePlayer::setStrokes(const std::optional<CharacterStrokes> &strokes)
{
    m_animation->stop();
    m_strokes = strokes;
    m_lengths.clear();
    if (m_strokes) {
        for (const QPolygonF &median : m_strokes->medians) {
            QList<double> lengths{0};
            for (qsizetype i = 1; i < median.size(); ++i)
                lengths.append(lengths.last() + QLineF(median.at(i - 1), median.at(i)).length());
            m_lengths.append(lengths);
        }
    }
    setProgress(0);
}

void StrokePlayer::setEmptyText(const QString &text)
{
    m_emptyText = text;
    update();
}

void StrokePlayer::setSpeed(double speed)
{
    const double fraction = m_progress;
    const bool playing = isPlaying();
    m_speed = std::clamp(speed, 0.25, 4.0);
    if (!playing)
        return;
    // Go on from the same place at the new pace.
    replay();
    int start = 0;
    for (int stroke = 0; stroke < int(std::floor(fraction)); ++stroke)
        start += strokeDuration(stroke) + int(pauseAfterStroke / m_speed);
    m_animation->setCurrentTime(start);
}

int StrokePlayer::strokeDuration(int stroke) const
{
    const double length = m_lengths.at(stroke).last();
    return std::max(1, int(1000 * length / (unitsPerSecond * m_speed)));
}

bool StrokePlayer::isPlaying() const
{
    return m_animation->state() == QAbstractAnimation::Running;
}

void StrokePlayer::replay()
{
    m_animation->stop();
    if (!m_strokes || m_strokes->count() == 0)
        return;
    int total = 0;
    for (int stroke = 0; stroke < m_strokes->count(); ++stroke)
        total += strokeDuration(stroke) + int(pauseAfterStroke / m_speed);
    m_animation->setStartValue(0);
    m_animation->setEndValue(total);
    m_animation->setDuration(total);
    setProgress(0);
    m_animation->start();
}

void StrokePlayer::step()
{
    m_animation->stop();
    if (!m_strokes)
        return;
    const int done = int(std::floor(m_progress + 1e-9));
    setProgress(done >= m_strokes->count() ? 1 : done + 1);
}

void StrokePlayer::setProgress(double progress)
{
    const double limit = m_strokes ? m_strokes->count() : 0;
    m_progress = std::clamp(progress, 0.0, limit);
    update();
    emit progressChanged(m_progress);
}

void StrokePlayer::timeChanged(int milliseconds)
{
    if (!m_strokes)
        return;
    int start = 0;
    for (int stroke = 0; stroke < m_strokes->count(); ++stroke) {
        const int duration = strokeDuration(stroke);
        if (milliseconds < start + duration) {
            setProgress(stroke + double(milliseconds - start) / duration);
            return;
        }
        start += duration + int(pauseAfterStroke / m_speed);
        if (milliseconds < start) {
            setProgress(stroke + 1);
            return;
        }
    }
    setProgress(m_strokes->count());
}

void StrokePlayer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const qreal side = std::min(width(), height()) - 2;
    const QRectF square((width() - side) / 2, (height() - side) / 2, side, side);
    painter.fillRect(square, Qt::white);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawRect(square);
    if (!m_strokes) {
        painter.setPen(Qt::darkGray);
        painter.drawText(square.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         m_emptyText);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    paintInBox(painter, square);
    paintGuides(painter);
    painter.setPen(Qt::NoPen);
    const int done = int(std::floor(m_progress));
    for (int stroke = 0; stroke < m_strokes->count(); ++stroke) {
        const QPainterPath &outline = m_strokes->outlines.at(stroke);
        painter.fillPath(outline, stroke < done ? QColor(Qt::black) : QColor(225, 225, 225));
    }
    if (done < m_strokes->count() && m_progress > done) {
        // The stroke being written: a wide brush along the median, kept inside the outline.
        painter.save();
        painter.setClipPath(m_strokes->outlines.at(done));
        painter.setPen(
            QPen(QColor(170, 20, 20), brushWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(
            medianPart(m_strokes->medians.at(done), m_lengths.at(done), m_progress - done));
        painter.restore();
    }
}
