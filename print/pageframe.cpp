#include "print/pageframe.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

using namespace Qt::StringLiterals;

bool PageFrame::applyMargins(QPagedPaintDevice &device)
{
    const QMarginsF margins(marginMillimetres, marginMillimetres, marginMillimetres,
                            marginMillimetres);
    return device.setPageMargins(margins, QPageLayout::Millimeter);
}

PageFrame::PageFrame(const QPagedPaintDevice &device)
{
    const int dpi = device.logicalDpiY() > 0 ? device.logicalDpiY() : 72;
    m_dotsPerMm = dpi / 25.4;
    const QPageLayout layout = device.pageLayout();
    const QRectF paintable = QRectF(layout.paintRectPixels(dpi));
    // Where the device's own margins are narrower than ours, the frame keeps its distance.
    const QMarginsF marginsMm = layout.margins(QPageLayout::Millimeter);
    const double extraLeft = std::max(0.0, marginMillimetres - marginsMm.left()) * m_dotsPerMm;
    const double extraTop = std::max(0.0, marginMillimetres - marginsMm.top()) * m_dotsPerMm;
    const double extraRight = std::max(0.0, marginMillimetres - marginsMm.right()) * m_dotsPerMm;
    const double extraBottom = std::max(0.0, marginMillimetres - marginsMm.bottom()) * m_dotsPerMm;
    const QRectF inner(extraLeft, extraTop, paintable.width() - extraLeft - extraRight,
                       paintable.height() - extraTop - extraBottom);
    const double footer = footerMillimetres * m_dotsPerMm;
    m_body =
        QRectF(inner.left(), inner.top(), inner.width(), std::max(0.0, inner.height() - footer));
    m_footer =
        QRectF(inner.left(), m_body.bottom(), inner.width(), inner.height() - m_body.height());
}

void PageFrame::paintPageNumber(QPainter &painter, int page, int pageCount) const
{
    painter.drawText(m_footer, Qt::AlignHCenter | Qt::AlignBottom,
                     u"%1 / %2"_s.arg(page + 1).arg(pageCount));
}
