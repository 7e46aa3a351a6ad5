#pragma once

#include "handwriting/recognizer.h"
#include "handwriting/strokedata.h"

#include <QWidget>

#include <functional>

class QTabletEvent;

// A square writing pad with centre guides that takes strokes from a mouse, a pen or a
// finger, in the 1000 x 1000 box with y down. What lies under the ink (a character's outline
// in practice) is painted by the underlay, in box units.
class DrawingPad : public QWidget
{
    Q_OBJECT
public:
    explicit DrawingPad(QWidget *parent = nullptr);

    const Ink &ink() const { return m_ink; }
    void undoStroke();
    void clear();
    void setUnderlay(std::function<void(QPainter &)> underlay);
    // The square the box is drawn in, in widget coordinates.
    QRectF boxRect() const;
    QPointF toBox(QPointF widgetPoint) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }
    QSize sizeHint() const override { return {360, 360}; }

signals:
    void strokeFinished(const QPolygonF &stroke);
    void inkChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void tabletEvent(QTabletEvent *event) override;
    bool event(QEvent *event) override;

private:
    void begin(QPointF widgetPoint);
    void extend(QPointF widgetPoint);
    void finish();

    Ink m_ink;
    bool m_drawing = false;
    std::function<void(QPainter &)> m_underlay;
};

// Paints in box units on a widget's square: translate and scale once.
void paintInBox(QPainter &painter, const QRectF &square);
void paintGuides(QPainter &painter);
