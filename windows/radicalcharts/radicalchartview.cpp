#include "windows/radicalcharts/radicalchartview.h"

#include "platform/programfonts.h"

#include <QHelpEvent>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcRadicalCharts, "ordbok.radicalcharts")

RadicalChartView::RadicalChartView(RadicalChart chart, const QString &picturePath, QWidget *parent)
    : QWidget(parent)
    , m_grid(chart)
{
    setObjectName(u"Picture1"_s);
    setMouseTracking(true);
    if (!m_picture.load(picturePath))
        qCDebug(lcRadicalCharts) << "no chart picture, drawing the cells instead:" << picturePath;
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QString RadicalChartView::toolTipFor(const RadicalChartCell &cell)
{
    const int strokes = RadicalChartGrid::strokeCount(cell.radical);
    QString tip = strokes == 1 ? u"Radical %1, 1 stroke"_s.arg(cell.radical)
                               : u"Radical %1, %2 strokes"_s.arg(cell.radical).arg(strokes);
    if (cell.form > 1)
        tip += u"\n(another shape of radical %1)"_s.arg(cell.radical);
    return tip;
}

QSize RadicalChartView::sizeHint() const
{
    return m_grid.size() / RadicalChartGrid::twipsPerPixel;
}

int RadicalChartView::heightForWidth(int width) const
{
    return width * m_grid.size().height() / m_grid.size().width();
}

bool RadicalChartView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        if (const RadicalChartCell *cell = m_grid.cellAt(help->pos(), size()))
            QToolTip::showText(help->globalPos(), toolTipFor(*cell), this,
                               m_grid.shownCell(*cell, size()).toAlignedRect());
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void RadicalChartView::mouseMoveEvent(QMouseEvent *event)
{
    setCursor(m_grid.cellAt(event->position(), size()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void RadicalChartView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const RadicalChartCell *cell = m_grid.cellAt(event->position(), size()))
        emit cellClicked(cell->radical);
}

void RadicalChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_picture.isNull()) {
        drawCells(painter);
        return;
    }
    const QRectF shown = m_grid.shownRect(size());
    const QSize pixels = (shown.size() * devicePixelRatioF()).toSize();
    if (m_scaled.size() != pixels && !pixels.isEmpty()) {
        m_scaled = m_picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(devicePixelRatioF());
    }
    painter.drawPixmap(shown.topLeft(), m_scaled);
}

void RadicalChartView::drawCells(QPainter &painter)
{
    // Without the picture the chart still works: each cell's shape in the Chinese font.
    QFont font(ProgramFonts::chineseAlias);
    for (const RadicalChartCell &cell : m_grid.cells()) {
        const QRectF rect = m_grid.shownCell(cell, size()).adjusted(1, 1, -1, -1);
        font.setPixelSize(std::max(1, int(rect.width() * 0.6)));
        painter.setFont(font);
        painter.drawRect(rect);
        const char32_t glyph = cell.glyph;
        painter.drawText(rect, Qt::AlignCenter, QString::fromUcs4(&glyph, 1));
    }
}
