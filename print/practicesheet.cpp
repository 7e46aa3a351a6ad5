#include "print/practicesheet.h"

#include "print/pageframe.h"
#include "print/rubysegmenter.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

PracticeGrid::PracticeGrid(QSizeF body, const PracticeOptions &options)
{
    m_perRow = std::clamp(options.perRow, 1, mostPerRow);
    const double across = std::max(1.0, body.width() - labelMillimetres);
    m_square = std::min(std::max(options.squareMillimetres, 5.0), across / m_perRow);
    m_square = std::min(m_square, std::max(1.0, body.height()));
    m_rowsPerPage = std::max(
        1, int(std::floor((body.height() + rowGapMillimetres) / (m_square + rowGapMillimetres))));
}

int PracticeGrid::pageCount(int rows) const
{
    return rows <= 0 ? 0 : (rows - 1) / m_rowsPerPage + 1;
}

double PracticeGrid::rowTop(int row) const
{
    return (row % m_rowsPerPage) * (m_square + rowGapMillimetres);
}

QRectF PracticeGrid::labelRect(int row) const
{
    return {0, rowTop(row), labelMillimetres - 2.0, m_square};
}

QRectF PracticeGrid::squareRect(int row, int column) const
{
    return {labelMillimetres + column * m_square, rowTop(row), m_square, m_square};
}

QList<PracticeRow> practiceRows(const QString &word, const ReadingTable &table,
                                const QString &wordPinyin)
{
    QList<PracticeRow> rows;
    for (uint c : word.toUcs4()) {
        if (!RubySegmenter::isChinese(c))
            continue;
        const char32_t point = c;
        const QString character = QString::fromUcs4(&point, 1);
        const CharacterEntry entry = table.character(character);
        rows.append({character, RubySegmenter::readingFor(entry.pinyin), entry.gloss});
    }
    // 了 in 了解 is liǎo, not the le that comes first for 了 alone.
    const QStringList syllables = wordPinyin.split(u' ', Qt::SkipEmptyParts);
    if (syllables.size() == rows.size()) {
        for (qsizetype i = 0; i < rows.size(); ++i)
            rows[i].reading = RubySegmenter::readingFor(syllables.at(i));
    }
    return rows;
}

namespace {

QRectF scaled(const QRectF &mm, double k, QPointF origin)
{
    return {origin.x() + mm.x() * k, origin.y() + mm.y() * k, mm.width() * k, mm.height() * k};
}

void paintSquare(QPainter &painter, const QRectF &square, const QString &character, bool traced,
                 const QFont &font, double dotsPerMm)
{
    QPen border(QColor(90, 90, 90));
    border.setWidthF(0.3 * dotsPerMm);
    painter.setPen(border);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square);
    QPen centre(QColor(170, 170, 170));
    centre.setWidthF(0.15 * dotsPerMm);
    centre.setStyle(Qt::DashLine);
    painter.setPen(centre);
    painter.drawLine(QPointF(square.center().x(), square.top()),
                     QPointF(square.center().x(), square.bottom()));
    painter.drawLine(QPointF(square.left(), square.center().y()),
                     QPointF(square.right(), square.center().y()));
    painter.setPen(traced ? QColor(200, 200, 200) : QColor(Qt::black));
    painter.setFont(font);
    painter.drawText(square, Qt::AlignCenter, character);
}

} // namespace

bool printPracticeSheet(QPagedPaintDevice &device, const QList<PracticeRow> &rows,
                        const PracticeOptions &options, const QFont &chineseFont)
{
    if (rows.isEmpty())
        return false;
    const PageFrame frame(device);
    const double k = frame.dotsPerMillimetre();
    const QRectF body = frame.body();
    const PracticeGrid grid(QSizeF(body.width() / k, body.height() / k), options);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QFont characterFont = chineseFont;
    characterFont.setPixelSize(std::max(1, int(grid.square() * k * 0.75)));
    QFont readingFont = chineseFont;
    readingFont.setPointSizeF(12);
    readingFont.setBold(true);
    QFont glossFont = chineseFont;
    glossFont.setPointSizeF(8);
    const int pages = grid.pageCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const int page = grid.pageOf(r);
        if (r > 0 && page != grid.pageOf(r - 1)) {
            painter.setFont(glossFont);
            painter.setPen(Qt::black);
            frame.paintPageNumber(painter, page - 1, pages);
            if (!device.newPage())
                return false;
        }
        const PracticeRow &row = rows.at(r);
        const QRectF label = scaled(grid.labelRect(r), k, body.topLeft());
        painter.setPen(Qt::black);
        painter.setFont(readingFont);
        const QRectF readingRect(label.left(), label.top(), label.width(), label.height() * 0.4);
        painter.drawText(readingRect, Qt::AlignLeft | Qt::AlignBottom, row.reading);
        painter.setFont(glossFont);
        const QRectF glossRect(label.left(), readingRect.bottom(), label.width(),
                               label.height() - readingRect.height());
        painter.drawText(glossRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, row.gloss);
        for (int column = 0; column < grid.perRow(); ++column)
            paintSquare(painter, scaled(grid.squareRect(r, column), k, body.topLeft()),
                        row.character, column > 0, characterFont, k);
    }
    painter.setFont(glossFont);
    painter.setPen(Qt::black);
    frame.paintPageNumber(painter, pages - 1, pages);
    return painter.end();
}
