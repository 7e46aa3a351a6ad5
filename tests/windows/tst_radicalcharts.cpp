#include "dictionary/radicalchartgrid.h"
#include "windows/radicalcharts/radicalchartview.h"
#include "windows/radicalcharts/radicalchartwindow.h"

#include <QHelpEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// The middle of a cell in twips, from the chart's own grid: column starts 0, 400 ... 7400
// and row starts 0, 520 ... 5400, cells 405 by 555.
QPointF mainCellMiddle(int radical)
{
    static const int columns[] = {0,    400,  800,  1160, 1560, 1920, 2350, 2730, 3120, 3480,
                                  3900, 4300, 4680, 5060, 5450, 5880, 6240, 6620, 7000, 7400};
    static const int rows[] = {0, 520, 1080, 1605, 2160, 2685, 3240, 3765, 4320, 4875, 5400};
    const int index = radical - 1;
    return {columns[index % 20] + 202.5, rows[index / 20] + 277.5};
}

QPointF otherShapeMiddle(const RadicalChartGrid &grid, int radical, int form)
{
    for (const RadicalChartCell &cell : grid.cells()) {
        if (cell.radical == radical && cell.form == form)
            return QRectF(cell.twips).center();
    }
    return {-1, -1};
}

} // namespace

class TestRadicalCharts : public QObject
{
    Q_OBJECT
private slots:
    void grid();
    void click_data();
    void click();
    void clickBesideCells();
    void toolTip();
};

void TestRadicalCharts::grid()
{
    const RadicalChartGrid simplified(RadicalChart::Simplified);
    std::map<int, std::set<int>> radicalsByForm;
    for (const RadicalChartCell &cell : simplified.cells()) {
        QVERIFY2(radicalsByForm[cell.form].insert(cell.radical).second, "a shape twice");
        QVERIFY(QRect(QPoint(), simplified.size()).contains(cell.twips));
        QVERIFY(cell.glyph != 0);
    }
    QCOMPARE(radicalsByForm[1].size(), std::size_t(214));
    QCOMPARE(*radicalsByForm[1].rbegin(), 214);
    QCOMPARE(radicalsByForm[2].size(), std::size_t(50)); // del2
    QCOMPARE(radicalsByForm[3].size(), std::size_t(23));
    QCOMPARE(radicalsByForm[4].size(), std::size_t(5));
    QCOMPARE(radicalsByForm[5], (std::set<int>{122, 123}));
    // A radical with a third shape has a second one too.
    for (int form = 3; form <= 5; ++form) {
        for (const int radical : radicalsByForm[form])
            QVERIFY(radicalsByForm[form - 1].count(radical));
    }
    const RadicalChartGrid traditional(RadicalChart::Traditional);
    QCOMPARE(traditional.cells().size(), 214);
    QCOMPARE(traditional.cells().last().glyph, char32_t(0x2FD5)); // ⿕, the Kangxi 214
    // Kangxi stroke groups at their edges, 骨 filed under 10 (Unihan counts it 9).
    for (const auto &[radical, strokes] : {std::pair{1, 1}, {6, 1}, {7, 2}, {188, 10}, {213, 16},
                                          {214, 17}, {0, 0}, {215, 0}})
        QCOMPARE(RadicalChartGrid::strokeCount(radical), strokes);
}

void TestRadicalCharts::click_data()
{
    QTest::addColumn<bool>("simplified");
    QTest::addColumn<int>("radical");
    QTest::addColumn<int>("form");
    QTest::addColumn<QSize>("resizeTo"); // empty: the chart's own size

    const QSize natural;
    for (const QSize size : {natural, QSize(1500, 700), QSize(600, 1400), QSize(260, 200)}) {
        const QByteArray at = size.isEmpty() ? "natural size"
                                             : QByteArray::number(size.width()) + "x" +
                                                   QByteArray::number(size.height());
        QTest::addRow("traditional 1, %s", at.constData()) << false << 1 << 1 << size;
        QTest::addRow("traditional 214, %s", at.constData()) << false << 214 << 1 << size;
        QTest::addRow("simplified 214, %s", at.constData()) << true << 214 << 1 << size;
        QTest::addRow("simplified del5 123, %s", at.constData()) << true << 123 << 5 << size;
        QTest::addRow("simplified del2 4, %s", at.constData()) << true << 4 << 2 << size;
    }
}

void TestRadicalCharts::click()
{
    QFETCH(bool, simplified);
    QFETCH(int, radical);
    QFETCH(int, form);
    QFETCH(QSize, resizeTo);

    const RadicalChart chart = simplified ? RadicalChart::Simplified : RadicalChart::Traditional;
    QPointer window = new RadicalChartWindow(chart, QStringLiteral(ORDBOK_PROGRAM_DIR));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (resizeTo.isValid()) {
        window->resize(resizeTo);
        QTRY_COMPARE(window->size(), resizeTo);
    }
    RadicalChartView *view = window->picture();
    const RadicalChartGrid &grid = view->grid();
    // The picture keeps its proportions and fills the view's width or height.
    const qreal scale = std::min(qreal(view->width()) / grid.size().width(),
                                 qreal(view->height()) / grid.size().height());
    const QPointF twips = form == 1 ? mainCellMiddle(radical) : otherShapeMiddle(grid, radical, form);
    QSignalSpy picked(window.data(), &RadicalChartWindow::radicalPicked);

    QTest::mouseClick(view, Qt::LeftButton, {}, (twips * scale).toPoint());

    QCOMPARE(picked.size(), 1);
    QCOMPARE(picked.first().first().toInt(), radical);
    QTRY_VERIFY(window.isNull() || !window->isVisible());
    delete window.data();
}

void TestRadicalCharts::clickBesideCells()
{
    RadicalChartWindow window(RadicalChart::Traditional, QStringLiteral(ORDBOK_PROGRAM_DIR));
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.resize(1400, 600); // room to the right of the picture
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    RadicalChartView *view = window.picture();
    const qreal scale = qreal(view->height()) / view->grid().size().height();
    QSignalSpy picked(&window, &RadicalChartWindow::radicalPicked);

    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(view->width() - 2, 5)); // beside it
    QTest::mouseClick(view, Qt::LeftButton, {}, (QPointF(2337, 200) * scale).toPoint()); // gap
    QTest::mouseClick(view, Qt::LeftButton, {}, (QPointF(7000, 5600) * scale).toPoint()); // no 215
    QTest::mouseClick(view, Qt::RightButton, {}, (mainCellMiddle(1) * scale).toPoint());
    QCOMPARE(picked.size(), 0);
    QVERIFY(window.isVisible());
    // Where two cells overlap the nearer middle wins: columns 3 and 4 share x 1160 to 1205.
    QTest::mouseClick(view, Qt::LeftButton, {}, (QPointF(1170, 300) * scale).toPoint());
    QVERIFY(!window.isVisible()); // a pick closes the chart
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(view, Qt::LeftButton, {}, (QPointF(1200, 300) * scale).toPoint());
    QCOMPARE(picked.size(), 2);
    QCOMPARE(picked.at(0).first().toInt(), 3);
    QCOMPARE(picked.at(1).first().toInt(), 4);
    QCOMPARE(window.selectedRadical(), 4);
}

void TestRadicalCharts::toolTip()
{
    RadicalChartWindow window(RadicalChart::Simplified, QStringLiteral(ORDBOK_PROGRAM_DIR));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    RadicalChartView *view = window.picture();
    const qreal scale = qreal(view->width()) / view->grid().size().width();
    const auto tipAt = [view](QPointF point) {
        QHelpEvent event(QEvent::ToolTip, point.toPoint(), view->mapToGlobal(point.toPoint()));
        QCoreApplication::sendEvent(view, &event);
        return QToolTip::text();
    };
    QCOMPARE(tipAt(mainCellMiddle(214) * scale), u"Radical 214, 17 strokes"_s);
    QCOMPARE(tipAt(mainCellMiddle(1) * scale), u"Radical 1, 1 stroke"_s);
    QCOMPARE(tipAt(otherShapeMiddle(view->grid(), 85, 2) * scale),
             u"Radical 85, 4 strokes\n(another shape of radical 85)"_s);
}

QTEST_MAIN(TestRadicalCharts)
#include "tst_radicalcharts.moc"
