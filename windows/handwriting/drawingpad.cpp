#include "windows/handwriting/drawingpad.h"

#include <QLineF>
#include <QMouseEvent>
#include <QPainter>
#include <QTabletEvent>
#include <QTouchEvent>

void paintInBox(QPainter &painter, const QRectF &square)
{
    painter.translate(square.topLeft());
    painter.scale(square.width() / StrokeBox::size, square.height() / StrokeBox::size);
}

void paintGuides(QPainter &painter)
{
    QPen guide(QColor(200, 170, 170), 0, Qt::DashLine);
    painter.setPen(guide);
    painter.drawLine(QPointF(500, 0), QPointF(500, 1000));
    painter.drawLine(QPointF(0, 500), QPointF(1000, 500));
    guide.setStyle(Qt::DotLine);
    painter.setPen(guide);
    painter.drawLine(QPointF(0, 0), QPointF(1000, 1000));
    painter.drawLine(QPointF(1000, 0), QPointF(0, 1000));
}

DrawingPad::DrawingPad(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 200);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setCursor(Qt::CrossCursor);
}

QRectF DrawingPad::boxRect() const
{
    const qreal side = std::min(width(), height()) - 2;
    return {(width() - side) / 2, (height() - side) / 2, side, side};
}

QPointF DrawingPad::toBox(QPointF widgetPoint) const
{
    const QRectF square = boxRect();
    return (widgetPoint - square.topLeft()) * (StrokeBox::size / square.width());
}

void DrawingPad::undoStroke()
{
    if (m_ink.isEmpty())
        return;
    m_ink.removeLast();
    m_drawing = false;
    update();
    emit inkChanged();
}

void DrawingPad::clear()
{
    const bool hadInk = !m_ink.isEmpty();
    m_ink.clear();
    m_drawing = false;
    update();
    if (hadInk)
        emit inkChanged();
}

void DrawingPad::setUnderlay(std::function<void(QPainter &)> underlay)
{
    m_underlay = std::move(underlay);
    update();
}

void DrawingPad::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF square = boxRect();
    painter.fillRect(square, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawRect(square);
    paintInBox(painter, square);
    paintGuides(painter);
    if (m_underlay) {
        painter.save();
        m_underlay(painter);
        painter.restore();
    }
    painter.setPen(QPen(Qt::black, 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QPolygonF &stroke : m_ink) {
        if (stroke.size() == 1)
            painter.drawPoint(stroke.first());
        else
            painter.drawPolyline(stroke);
    }
}

void DrawingPad::begin(QPointF widgetPoint)
{
    m_drawing = true;
    m_ink.append(QPolygonF{toBox(widgetPoint)});
    update();
}

void DrawingPad::extend(QPointF widgetPoint)
{
    if (!m_drawing || m_ink.isEmpty())
        return;
    const QPointF point = toBox(widgetPoint);
    if (QLineF(m_ink.last().last(), point).length() < 2)
        return; // a pen reports more points than the recognizer can use
    m_ink.last().append(point);
    update();
}

void DrawingPad::finish()
{
    if (!m_drawing)
        return;
    m_drawing = false;
    update();
    // A copy: a receiver may clear the pad.
    const QPolygonF stroke = m_ink.last();
    emit strokeFinished(stroke);
    emit inkChanged();
}

void DrawingPad::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        begin(event->position());
}

void DrawingPad::mouseMoveEvent(QMouseEvent *event)
{
    extend(event->position());
}

void DrawingPad::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        finish();
}

void DrawingPad::tabletEvent(QTabletEvent *event)
{
    // Accepted, so that no mouse events are made up from the pen as well.
    event->accept();
    switch (event->type()) {
    case QEvent::TabletPress:
        begin(event->position());
        break;
    case QEvent::TabletMove:
        extend(event->position());
        break;
    case QEvent::TabletRelease:
        finish();
        break;
    default:
        break;
    }
}

bool DrawingPad::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd: {
        auto *touch = static_cast<QTouchEvent *>(event);
        if (touch->points().isEmpty())
            return true;
        const QPointF at = touch->points().first().position();
        if (event->type() == QEvent::TouchBegin)
            begin(at);
        else if (event->type() == QEvent::TouchUpdate)
            extend(at);
        else
            finish();
        event->accept();
        return true;
    }
    case QEvent::TouchCancel:
        if (m_drawing)
            undoStroke();
        return true;
    default:
        return QWidget::event(event);
    }
}
