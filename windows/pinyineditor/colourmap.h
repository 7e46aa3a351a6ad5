#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// pCol: a map of colours to click on. Hues run from left to right, from white at the top
// through the full colour to black at the bottom; the right-hand strip is greys.
class ColourMap : public QWidget
{
    Q_OBJECT
public:
    explicit ColourMap(QWidget *parent = nullptr);

    // The colour drawn at a point of a map of this size.
    static QColor colourAt(QPointF point, QSizeF size);

    QSize sizeHint() const override { return {180, 120}; }

signals:
    void colourPicked(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage m_picture; // drawn once per size and scale
};
