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

class TestRadicalCharts : public QObject
{
    Q_OBJECT
private slots:
    void grid()
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
        const RadicalChartGrid traditional(RadicalChart::Traditional);
        QCOMPARE(traditional.cells().size(), 214);
        QCOMPARE(traditional.cells().last().glyph, char32_t(0x2FD5)); // ⿕, the Kangxi 214
        // Kangxi stroke groups at their edges, 骨 filed under 10 (Unihan counts it 9).
        for (const auto &[radical, strokes] :
             {std::pair{1, 1}, {6, 1}, {7, 2}, {188, 10}, {213, 16}, {214, 17}, {0, 0}, {215, 0}})
            QCOMPARE(RadicalChartGrid::strokeCount(radical), strokes);
    }

    void click_data()
    {
        QTest::addColumn<bool>("simplified");
        QTest::addColumn<int>("radical");    // 0: no radical is picked and the chart stays
        QTest::addColumn<int>("form");       // of the cell clicked in its middle; 0: click "at"
        QTest::addColumn<QPointF>("at");     // twips
        QTest::addColumn<QSize>("resizeTo"); // empty: the chart's own size

        const QSize natural;
        for (const QSize size : {natural, QSize(1500, 700), QSize(600, 1400), QSize(260, 200)}) {
            const QByteArray at = size.isEmpty() ? "natural size"
                                                 : QByteArray::number(size.width()) + "x" +
                                                       QByteArray::number(size.height());
            // Each chart's first and last cell, and shapes of the simplified chart's other parts.
            const std::tuple<bool, int, int> cells[] = {
                {false, 1, 1}, {false, 214, 1}, {true, 214, 1}, {true, 123, 5}, {true, 4, 2}};
            for (const auto &[simplified, radical, form] : cells)
                QTest::addRow("%s %d, form %d, %s", simplified ? "simplified" : "traditional",
                              radical, form, at.constData())
                    << simplified << radical << form << QPointF() << size;
        }
        QTest::newRow("gap between cells") << false << 0 << 0 << QPointF(2337, 200) << natural;
        QTest::newRow("where a 215th would be")
            << false << 0 << 0 << QPointF(7000, 5600) << natural;
        QTest::newRow("beside the picture")
            << false << 0 << 0 << QPointF(8400, 100) << QSize(1500, 600);
        // Columns 3 and 4 share x 1160 to 1205: the nearer middle wins.
        QTest::newRow("overlap, nearer 3") << false << 3 << 0 << QPointF(1170, 300) << natural;
        QTest::newRow("overlap, nearer 4") << false << 4 << 0 << QPointF(1200, 300) << natural;
    }

    void click()
    {
        QFETCH(bool, simplified);
        QFETCH(int, radical);
        QFETCH(int, form);
        QFETCH(QPointF, at);
        QFETCH(QSize, resizeTo);

        const RadicalChart chart =
            simplified ? RadicalChart::Simplified : RadicalChart::Traditional;
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
        if (form == 1) { // the middle of the cell in twips: the grid's starts, cells 405 by 555
            static const int columns[] = {0,    400,  800,  1160, 1560, 1920, 2350,
                                          2730, 3120, 3480, 3900, 4300, 4680, 5060,
                                          5450, 5880, 6240, 6620, 7000, 7400};
            static const int rows[] = {0,    520,  1080, 1605, 2160, 2685,
                                       3240, 3765, 4320, 4875, 5400};
            at = {columns[(radical - 1) % 20] + 202.5, rows[(radical - 1) / 20] + 277.5};
        }
        for (const RadicalChartCell &cell : grid.cells()) {
            if (form > 1 && cell.radical == radical && cell.form == form)
                at = QRectF(cell.twips).center();
        }
        QSignalSpy picked(window.data(), &RadicalChartWindow::radicalPicked);
        const QPoint point = (at * scale).toPoint();
        if (radical > 0) { // the cell's tooltip names it
            QHelpEvent hover(QEvent::ToolTip, point, view->mapToGlobal(point));
            QCoreApplication::sendEvent(view, &hover);
            const int strokes = RadicalChartGrid::strokeCount(radical);
            QString tip = u"Radical %1, %2 stroke"_s.arg(radical).arg(strokes);
            tip += strokes == 1 ? QString() : u"s"_s;
            if (form > 1)
                tip += u"\n(another shape of radical %1)"_s.arg(radical);
            QCOMPARE(QToolTip::text(), tip);
        }

        QTest::mouseClick(view, Qt::LeftButton, {}, point);

        if (radical == 0) {
            QCOMPARE(picked.size(), 0);
            QVERIFY(window->isVisible());
        } else {
            QCOMPARE(picked.size(), 1);
            QCOMPARE(picked.first().first().toInt(), radical);
            QCOMPARE(window->selectedRadical(), radical);
            QTRY_VERIFY(window.isNull() || !window->isVisible());
        }
        delete window.data();
    }
};

QTEST_MAIN(TestRadicalCharts)
#include "tst_radicalcharts.moc"
