#include "shell/capturefiles.h"
#include "shell/pictureprinter.h"
#include "shell/printlayout.h"
#include "tests/common/files.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QSizeF kA4Printable{19.0, 27.7}; // A4 less 1 cm all round

QImage filled(QSize size, Qt::GlobalColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
} // namespace

class TestPrintLayout : public QObject
{
    Q_OBJECT
private slots:
    void pageShape_data()
    {
        QTest::addColumn<QSizeF>("area");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("cellWidth");
        QTest::addColumn<int>("rows");

        QTest::newRow("19.0 x 27.7") << kA4Printable << true << 7.85 << 3;
        QTest::newRow("landscape") << QSizeF(27.7, 19.0) << true << 12.2 << 1;
        // (24.55 - 0.4) / 8.05 is exactly 3 on paper, a hair under it in floating point.
        QTest::newRow("rows exactly whole") << QSizeF(19.0, 24.55) << true << 7.85 << 3;
        QTest::newRow("cell taller than page") << QSizeF(19.0, 5.0) << true << 7.85 << 1;
        QTest::newRow("narrowest with a cell") << QSizeF(3.4, 10.0) << true << 0.05 << 38;
        QTest::newRow("no room for a cell") << QSizeF(2.7, 27.7) << false << -0.3 << 1;
    }

    void pageShape()
    {
        QFETCH(QSizeF, area);
        QFETCH(int, rows);
        const PrintLayout layout(area);
        QTEST(layout.isValid(), "valid");
        QTEST(layout.cellWidth(), "cellWidth");
        QCOMPARE(layout.rowsPerPage(), rows);
        QCOMPARE(layout.pageCount(0), 0);
        QCOMPARE(layout.pageCount(rows * 2), 1);
        QCOMPARE(layout.pageCount(rows * 2 + 1), 2);
    }

    // Square pictures fill their cell: columns 8.15 apart from 1.5, rows 5.1 apart from 0.3;
    // other shapes are centred in it.
    void place_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("newPage");
        QTest::addColumn<QSizeF>("picture");
        QTest::addColumn<QRectF>("rect");

        const QSizeF square(100, 100);
        QTest::newRow("first") << 0 << 0 << 0 << 0 << false << square
                               << QRectF(1.5, 0.3, 7.85, 7.85);
        QTest::newRow("second, beside it") << 1 << 0 << 0 << 1 << false << square
                                           << QRectF(9.65, 0.3, 7.85, 7.85);
        QTest::newRow("sixth, last of page") << 5 << 0 << 2 << 1 << false << square
                                             << QRectF(9.65, 10.5, 7.85, 7.85);
        QTest::newRow("seventh, new page") << 6 << 1 << 0 << 0 << true << square
                                           << QRectF(1.5, 0.3, 7.85, 7.85);
        QTest::newRow("tall, centred across") << 0 << 0 << 0 << 0 << false << QSizeF(300, 400)
                                              << QRectF(1.5 + 0.98125, 0.3, 5.8875, 7.85);
        QTest::newRow("capture strip, centred down")
            << 0 << 0 << 0 << 0 << false << QSizeF(1200, 400)
            << QRectF(1.5, 0.3 + 7.85 / 3, 7.85, 7.85 / 3);
        QTest::newRow("no height") << 0 << 0 << 0 << 0 << false << QSizeF(400, 0)
                                   << QRectF(1.5 + 7.85 / 2, 0.3 + 7.85 / 2, 0, 0);
    }

    void place()
    {
        QFETCH(int, k);
        QFETCH(QSizeF, picture);
        const PrintLayout layout(kA4Printable);
        const PicturePlace place = layout.place(k, picture);
        QTEST(place.page, "page");
        QTEST(place.row, "row");
        QTEST(place.column, "column");
        QTEST(layout.startsPage(k), "newPage");
        QTEST(place.rect, "rect");
    }

    // The editor's picture: 2000 twips from the corner at its size on the screen, shrunk to fit.
    void screenPicture_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QRect>("drawn"); // on a page of 816 x 1056 pixels at 96 dpi

        QTest::newRow("as on the screen") << QSize(400, 300) << 1.0 << QRect(133, 133, 400, 300);
        QTest::newRow("taken at 2x") << QSize(800, 600) << 2.0 << QRect(133, 133, 400, 300);
        QTest::newRow("too wide") << QSize(2732, 300) << 1.0 << QRect(133, 133, 683, 75);
    }

    void screenPicture()
    {
        QFETCH(QSize, picture);
        QFETCH(qreal, ratio);
        QFETCH(QRect, drawn);
        QImage captured = filled(picture, Qt::red);
        captured.setDevicePixelRatio(ratio);
        QImage page = filled({816, 1056}, Qt::white);
        page.setDotsPerMeterX(3780); // 96 dpi
        page.setDotsPerMeterY(3780);
        QVERIFY(printScreenPicture(page, captured));
        const auto isRed = [&page](QPoint p) { return page.pixelColor(p) == QColor(Qt::red); };
        QVERIFY(isRed(drawn.topLeft() + QPoint(2, 2)) && isRed(drawn.bottomRight() - QPoint(2, 2)));
        QVERIFY(!isRed(drawn.topLeft() - QPoint(2, 2))
                && !isRed(drawn.bottomRight() + QPoint(3, 3)));
        QVERIFY(!printScreenPicture(page, QImage()));
    }

    // Past 32767 the numbering starts again at 0; a capture that cannot be written keeps its
    // number.
    void counterAtItsEdges()
    {
        QTemporaryDir program;
        CaptureFiles files(program.path());
        files.setCounter(32767);
        QVERIFY(files.save(filled({4, 4}, Qt::white)).endsWith(u"/32767.bmp"_s));
        QCOMPARE(files.counter(), 0);
        QCOMPARE(files.save(QImage()), QString());

        QTemporaryDir blocked;
        QVERIFY(TestFiles::write(blocked.filePath(u"temp"_s), {})); // where the folder should be
        CaptureFiles unwritable(blocked.path());
        QCOMPARE(unwritable.save(filled({4, 4}, Qt::white)), QString());
        QCOMPARE(unwritable.counter(), 0);
    }

    void picturesInNaturalOrder()
    {
        QTemporaryDir folder;
        for (const QString &name : {u"10.bmp"_s, u"2.bmp"_s, u"b.JPG"_s, u"a.gif"_s, u"c.tif"_s,
                                    u"d.png"_s, u"notes.txt"_s, u"bmp"_s})
            QVERIFY(TestFiles::write(folder.filePath(name), {}));
        QVERIFY(QDir(folder.path()).mkdir(u"3.bmp"_s)); // a folder is no picture

        QStringList names;
        for (const QString &path : CaptureFiles::pictures(folder.path()))
            names.append(QFileInfo(path).fileName());
        QCOMPARE(names, QStringList({u"2.bmp"_s, u"10.bmp"_s, u"a.gif"_s, u"b.JPG"_s, u"c.tif"_s}));
        QVERIFY(CaptureFiles::pictures(folder.filePath(u"missing"_s)).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPrintLayout)
#include "tst_printlayout.moc"
