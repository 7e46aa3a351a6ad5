#pragma once

// The parts of a printed page, in the device's pixels from the top left corner of the area
// inside the margins: the body that holds the text and, below it, the line of the page
// number.

#include <QRectF>

class QPagedPaintDevice;
class QPainter;

class PageFrame
{
public:
    static constexpr double marginMillimetres = 20.0;
    static constexpr double footerMillimetres = 10.0;

    // Sets the device's margins; false when the device refuses them (its own are then kept,
    // and the frame still lies inside them).
    static bool applyMargins(QPagedPaintDevice &device);
    explicit PageFrame(const QPagedPaintDevice &device);

    QRectF body() const { return m_body; }
    QRectF footer() const { return m_footer; }
    double dotsPerMillimetre() const { return m_dotsPerMm; }

    // "3 / 12" centred in the footer, in the painter's current font.
    void paintPageNumber(QPainter &painter, int page, int pageCount) const;

private:
    QRectF m_body;
    QRectF m_footer;
    double m_dotsPerMm = 1.0;
};
