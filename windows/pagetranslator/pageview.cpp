#include "windows/pagetranslator/pageview.h"

#include "dictionary/pagetranslation.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

PageView::PageView(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void PageView::setCharacters(const QStringList &characters)
{
    m_characters = characters;
    m_pointed = -1;
    fitWidth(width());
    update();
}

void PageView::setCellSize(int cell)
{
    m_cell = std::max(1, cell);
    fitWidth(width());
}

int PageView::columns() const
{
    return std::max(1, width() / m_cell);
}

void PageView::fitWidth(int width)
{
    const int perRow = std::max(1, width / m_cell);
    const int rows = int((m_characters.size() + perRow - 1) / perRow);
    resize(width, std::max(1, rows) * m_cell);
}

QRect PageView::cellRect(int index) const
{
    return {PageTranslation::cellPosition(index, width(), m_cell), QSize(m_cell, m_cell)};
}

int PageView::cellAt(QPoint point) const
{
    if (point.x() < 0 || point.y() < 0 || point.x() >= columns() * m_cell)
        return -1;
    const qsizetype index = qsizetype(point.y() / m_cell) * columns() + point.x() / m_cell;
    return index < m_characters.size() ? int(index) : -1;
}

void PageView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const int perRow = columns();
    const QRect area = event->rect();
    const qsizetype first = qsizetype(std::max(0, area.top() / m_cell)) * perRow;
    const qsizetype last =
        std::min(m_characters.size(), qsizetype(area.bottom() / m_cell + 1) * perRow);
    for (qsizetype i = first; i < last; ++i) {
        const QRect cell = cellRect(int(i));
        painter.fillRect(cell.adjusted(1, 1, -1, -1),
                         palette().brush(i == m_pointed ? QPalette::Highlight : QPalette::Base));
        painter.setPen(
            palette().color(i == m_pointed ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(cell, Qt::AlignCenter, m_characters.at(i));
    }
}

void PageView::mouseMoveEvent(QMouseEvent *event)
{
    const int index = cellAt(event->position().toPoint());
    if (index == m_pointed)
        return;
    const int before = m_pointed;
    m_pointed = index;
    if (before >= 0)
        update(cellRect(before));
    if (index >= 0) {
        update(cellRect(index));
        emit pointed(index);
    }
}

void PageView::leaveEvent(QEvent *)
{
    if (m_pointed >= 0)
        update(cellRect(m_pointed));
    m_pointed = -1;
}
