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
        QTest::newRow("page lower than a cell") << QSizeF(19.0, 5.0) << true << 4.4 << 1;
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
        if (!layout.isValid())
            return;
        // The cells of a page: inside the area, each apart from every other.
        const QRectF page(QPointF(0, 0), area);
        QList<QRectF> cells;
        for (int k = 0; k < layout.picturesPerPage(); ++k) {
            const QRectF cell = layout.place(k, QSizeF(1, 1)).rect;
            QVERIFY2(cell.bottom() <= area.height() + 1e-9, qPrintable(QString::number(k)));
            QVERIFY(cell.right() <= area.width() + 1e-9);
            for (const QRectF &other : std::as_const(cells))
                QVERIFY(!cell.intersects(other));
            cells.append(cell);
        }
    }

    // Pictures go two a row, three rows a page. Square pictures fill their cell: columns 8.15
    // apart from 1.5, rows 8.05 apart from 0.3; other shapes are centred in it.
    void place_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QSizeF>("picture");
        QTest::addColumn<QRectF>("rect");
        const QSizeF square(100, 100);
        QTest::newRow("first") << 0 << square << QRectF(1.5, 0.3, 7.85, 7.85);
        QTest::newRow("second, beside it") << 1 << square << QRectF(9.65, 0.3, 7.85, 7.85);
        QTest::newRow("sixth, last of page") << 5 << square << QRectF(9.65, 16.4, 7.85, 7.85);
        QTest::newRow("seventh, new page") << 6 << square << QRectF(1.5, 0.3, 7.85, 7.85);
        QTest::newRow("tall, centred across")
            << 0 << QSizeF(300, 400) << QRectF(1.5 + 0.98125, 0.3, 5.8875, 7.85);
        QTest::newRow("capture strip, centred down")
            << 0 << QSizeF(1200, 400) << QRectF(1.5, 0.3 + 7.85 / 3, 7.85, 7.85 / 3);
        QTest::newRow("no height")
            << 0 << QSizeF(400, 0) << QRectF(1.5 + 7.85 / 2, 0.3 + 7.85 / 2, 0, 0);
    }

    void place()
    {
        QFETCH(int, k);
        QFETCH(QSizeF, picture);
        const PrintLayout layout(kA4Printable);
        const PicturePlace place = layout.place(k, picture);
        QCOMPARE(place.page, k / 6);
        QCOMPARE(place.row, k % 6 / 2);
        QCOMPARE(place.column, k % 2);
        QCOMPARE(layout.startsPage(k), k > 0 && k % 6 == 0);
        QTEST(place.rect, "rect");
    }

    // An empty picture is not saved, and a capture that cannot be written keeps its number.
    void unsavedCapturesKeepTheNumber()
    {
        QTemporaryDir program;
        QCOMPARE(CaptureFiles(program.path()).save(QImage()), QString());

        QTemporaryDir blocked;
        QVERIFY(TestFiles::write(blocked.filePath(u"temp"_s), {})); // where the folder should be
        CaptureFiles unwritable(blocked.path());
        QCOMPARE(unwritable.save(filled({4, 4}, Qt::white)), QString());
        QCOMPARE(unwritable.counter(), 0);
    }

    // Captures take the first free number on, wrapping past 32767; older files stay as they are.
    void captureNumbers_data()
    {
        QTest::addColumn<QString>("existing"); // file numbers, split at blanks; "0/": a folder
        QTest::addColumn<int>("counter");
        QTest::addColumn<QString>("saved"); // three captures in a row
        QTest::addColumn<int>("counterAfter");

        QTest::newRow("empty folder") << QString() << 0 << u"0 1 2"_s << 3;
        QTest::newRow("earlier run left 0 to 2") << u"0 1 2"_s << 0 << u"3 4 5"_s << 6;
        QTest::newRow("print window reopened: 1 is taken") << u"0 1"_s << 1 << u"2 3 4"_s << 5;
        QTest::newRow("gaps are filled in order") << u"1 3"_s << 0 << u"0 2 4"_s << 5;
        QTest::newRow("the top number, then from 0") << QString() << 32767 << u"32767 0 1"_s << 2;
        QTest::newRow("past the top, from 0 again") << u"32767 0"_s << 32767 << u"1 2 3"_s << 4;
        QTest::newRow("a folder of that name counts as taken") << u"0/"_s << 0 << u"1 2 3"_s << 4;
    }
    void captureNumbers()
    {
        QFETCH(QString, existing);
        QFETCH(int, counter);
        QFETCH(QString, saved);
        QTemporaryDir program;
        CaptureFiles files(program.path());
        QVERIFY(QDir().mkpath(files.folder()));
        for (const QString &name : existing.split(u' ', Qt::SkipEmptyParts)) {
            if (name.endsWith(u'/'))
                QVERIFY(QDir(files.folder()).mkdir(name.chopped(1) + u".bmp"_s));
            else
                QVERIFY(TestFiles::write(files.fileFor(name.toInt()), "older"));
        }
        files.setCounter(counter);
        for (const QString &number : saved.split(u' '))
            QCOMPARE(files.save(filled({4, 4}, Qt::white)), files.fileFor(number.toInt()));
        QTEST(files.counter(), "counterAfter");
        for (const QString &name : existing.split(u' ', Qt::SkipEmptyParts)) {
            if (!name.endsWith(u'/'))
                QCOMPARE(TestFiles::read(files.fileFor(name.toInt())), QByteArray("older"));
        }
    }

    // Only the files directly in temp/ are the program's own, to be deleted.
    void onlyCapturesAreDeleted_data()
    {
        QTest::addColumn<QString>("file"); // under the program folder
        QTest::addColumn<bool>("removed");
        QTest::newRow("capture") << u"temp/3.bmp"_s << true;
        QTest::newRow("picture beside the program") << u"photo.jpg"_s << false;
        QTest::newRow("picture in a folder under temp") << u"temp/mine/1.bmp"_s << false;
        QTest::newRow("temp reached by a detour") << u"other/../temp/4.bmp"_s << true;
        QTest::newRow("missing capture") << u"temp/9.bmp"_s << false;
    }
    void onlyCapturesAreDeleted()
    {
        QFETCH(QString, file);
        QFETCH(bool, removed);
        QTemporaryDir program;
        const CaptureFiles files(program.path());
        const QString path = program.filePath(file);
        QVERIFY(QDir().mkpath(program.filePath(u"other"_s)));
        if (!file.contains(u"9.bmp"_s)) {
            QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
            QVERIFY(TestFiles::write(path, "picture"));
        }
        QCOMPARE(files.isCapture(path), removed);
        QCOMPARE(files.removePicture(path), removed);
        QCOMPARE(QFileInfo::exists(path), !removed && !file.contains(u"9.bmp"_s));
    }

    void backgroundIsNotListedForPrinting()
    {
        QTemporaryDir program;
        const CaptureFiles files(program.path());
        for (const QString &name : {u"2.gif"_s, u"r001.gif"_s, u"photo.jpg"_s})
            QVERIFY(TestFiles::write(program.filePath(name), {}));
        QStringList names;
        for (const QString &path : files.printablePictures(program.path()))
            names.append(QFileInfo(path).fileName());
        QCOMPARE(names, QStringList({u"photo.jpg"_s, u"r001.gif"_s}));
        // The same name elsewhere is a picture like any other.
        QVERIFY(QDir().mkpath(files.folder()));
        QVERIFY(TestFiles::write(QDir(files.folder()).filePath(u"2.gif"_s), {}));
        QCOMPARE(files.printablePictures(files.folder()).size(), 1);
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
