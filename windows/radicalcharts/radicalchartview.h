#pragma once

#include "dictionary/radicalchartgrid.h"

#include <QPixmap>
#include <QWidget>

// Picture1: a radical chart's picture, shown as large as the widget allows with its
// proportions kept, and its cells as hotspots that scale with it. A cell names its radical
// and stroke count in a tooltip; a click on it reports the radical.
class RadicalChartView : public QWidget
{
    Q_OBJECT
public:
    RadicalChartView(RadicalChart chart, const QString &picturePath, QWidget *parent = nullptr);

    const RadicalChartGrid &grid() const { return m_grid; }
    // "Radical 85, 4 strokes"; the other shapes add that they are one.
    static QString toolTipFor(const RadicalChartCell &cell);

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    void cellClicked(int radical);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void drawCells(QPainter &painter);

    RadicalChartGrid m_grid;
    QPixmap m_picture;
    QPixmap m_scaled; // m_picture at the size shown, made again when that changes
};
