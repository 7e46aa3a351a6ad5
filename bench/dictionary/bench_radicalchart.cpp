// A radical chart's hit test: the cell under the pointer, in a chart window just resized.

#include "dictionary/radicalchartgrid.h"
#include "windows/radicalcharts/radicalchartview.h"
#include "windows/radicalcharts/radicalchartwindow.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_ChartHitTest(benchmark::State &state)
{
    const RadicalChartGrid grid(RadicalChart::Simplified);
    const QRectF last(grid.cells().last().twips);
    qreal width = 500;
    for (auto _ : state) {
        // A new window size each time, as while the user drags its edge.
        width = width > 1900 ? 500 : width + 7;
        const QSizeF size(width, width * 1.2);
        const qreal scale = grid.shownRect(size).width() / grid.size().width();
        benchmark::DoNotOptimize(grid.cellAt(last.center() * scale, size));
    }
    state.SetLabel("the last of 294 cells, window size changed each time");
}
BENCHMARK(BM_ChartHitTest);

void BM_ChartHitTestAfterResize(benchmark::State &state)
{
    RadicalChartWindow window(RadicalChart::Simplified, QStringLiteral(ORDBOK_PROGRAM_DIR));
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    RadicalChartView *view = window.picture();
    int width = 600;
    for (auto _ : state) {
        state.PauseTiming();
        width = width > 1500 ? 600 : width + 37;
        window.resize(width, width);
        QCoreApplication::processEvents();
        const qreal scale =
            view->grid().shownRect(view->size()).width() / view->grid().size().width();
        const QPointF point = QRectF(view->grid().cells().last().twips).center() * scale;
        state.ResumeTiming();
        benchmark::DoNotOptimize(view->grid().cellAt(point, view->size()));
    }
    state.SetLabel("in the real window after each resize");
}
// Each resize repaints the scaled picture, so a few hundred rounds are enough.
BENCHMARK(BM_ChartHitTestAfterResize)->Iterations(300);

} // namespace
