#include "print/pageframe.h"
#include "print/practicesheet.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPracticeSheet : public QObject
{
    Q_OBJECT
private slots:
    void grid_data()
    {
        QTest::addColumn<QSizeF>("body");     // millimetres
        QTest::addColumn<int>("perRow");      // asked for
        QTest::addColumn<double>("size");     // asked for
        QTest::addColumn<int>("givenPerRow"); // what the grid holds
        QTest::addColumn<double>("square");
        QTest::addColumn<int>("rowsPerPage");

        const QSizeF a4(170, 247);
        QTest::newRow("A4, 7 of 18 mm") << a4 << 7 << 18.0 << 7 << 18.0 << 11;
        QTest::newRow("A4, 8 of 18 mm: a little smaller") << a4 << 8 << 18.0 << 8 << 17.25 << 11;
        QTest::newRow("none asked: one") << a4 << 0 << 18.0 << 1 << 18.0 << 11;
        QTest::newRow("too many: thirty") << a4 << 100 << 18.0 << 30 << 138.0 / 30 << 29;
        QTest::newRow("tiny size: 5 mm") << a4 << 8 << 1.0 << 8 << 5.0 << 27;
        QTest::newRow("landscape") << QSizeF(257, 160) << 10 << 20.0 << 10 << 20.0 << 6;
        QTest::newRow("page lower than a square") << QSizeF(170, 10) << 4 << 30.0 << 4 << 10.0 << 1;
    }
    void grid()
    {
        QFETCH(QSizeF, body);
        QFETCH(int, perRow);
        QFETCH(double, size);
        QFETCH(int, rowsPerPage);

        const PracticeGrid grid(body, {perRow, size});
        QTEST(grid.perRow(), "givenPerRow");
        QTEST(grid.square(), "square");
        QCOMPARE(grid.rowsPerPage(), rowsPerPage);

        const QRectF page(QPointF(0, 0), body);
        for (int row = 0; row < rowsPerPage * 2 + 1; ++row) {
            QCOMPARE(grid.pageOf(row), row / rowsPerPage);
            const QRectF label = grid.labelRect(row);
            QVERIFY(page.contains(label));
            for (int column = 0; column < grid.perRow(); ++column) {
                const QRectF cell = grid.squareRect(row, column);
                QCOMPARE(cell.width(), cell.height());
                QVERIFY2(cell.right() <= body.width() + 1e-9,
                         qPrintable(QString::number(cell.right())));
                QVERIFY(cell.bottom() <= body.height() + 1e-9);
                QVERIFY(!cell.intersects(label));
                if (column > 0) // squares touch: their borders are shared
                    QCOMPARE(cell.left(), grid.squareRect(row, column - 1).right());
            }
            if (row % rowsPerPage > 0) // rows on a page keep apart
                QVERIFY(grid.squareRect(row, 0).top() > grid.squareRect(row - 1, 0).bottom());
            else
                QCOMPARE(grid.squareRect(row, 0).top(), 0.0);
        }
        QCOMPARE(grid.pageCount(0), 0);
        QCOMPARE(grid.pageCount(rowsPerPage), 1);
        QCOMPARE(grid.pageCount(rowsPerPage + 1), 2);
    }

    // Each character a row with its reading and gloss. The reading shown for the word wins over
    // the character's first reading, but only when it gives every character a syllable.
    void rows_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("pinyin"); // shown for the word
        QTest::addColumn<QString>("rows");   // character:reading:gloss, split at blanks
        const QString xuexi = u"學:xué:learn 習:xí:practise"_s;
        const QString le = u"了:le:finished"_s, lejie = le + u" 解:jiě:untie"_s;
        const QString liaojie = u"了:liǎo:finished 解:jiě:untie"_s;
        QTest::newRow("two characters") << u"學習"_s << QString() << xuexi;
        QTest::newRow("other text left out") << u" 學, a習!"_s << QString() << xuexi;
        QTest::newRow("repeated character, one row each")
            << u"學學"_s << QString() << u"學:xué:learn 學:xué:learn"_s;
        QTest::newRow("unknown character keeps its row") << u"丂"_s << QString() << u"丂::"_s;
        QTest::newRow("no Chinese") << u"hello"_s << QString() << QString();
        QTest::newRow("one syllable a character") << u"了解"_s << u"liao3 jie3"_s << liaojie;
        QTest::newRow("tone 5 shown") << u"了"_s << u"le5"_s << le;
        QTest::newRow("extra blanks") << u"了解"_s << u" liao3  jie3 "_s << liaojie;
        QTest::newRow("too few syllables") << u"了解"_s << u"liao3"_s << lejie;
        QTest::newRow("too many syllables") << u"了"_s << u"liao3 jie3"_s << le;
        QTest::newRow("shown, other text left out") << u"了, 解!"_s << u"liao3 jie3"_s << liaojie;
    }
    void rows()
    {
        QFETCH(QString, word);
        QFETCH(QString, pinyin);
        ReadingTable table;
        table.addCharacter(u"學"_s, {{}, u"xue2"_s, u"learn"_s});
        table.addCharacter(u"習"_s, {{}, u"xi2"_s, u"practise"_s});
        table.addCharacter(u"了"_s, {{}, u"le5"_s, u"finished"_s});
        table.addCharacter(u"解"_s, {{}, u"jie3"_s, u"untie"_s});
        QStringList shown;
        for (const PracticeRow &row : practiceRows(word, table, pinyin))
            shown << QStringList{row.character, row.reading, row.gloss}.join(u':');
        QTEST(shown.join(u' '), "rows");
    }

    void printsEveryPage()
    {
        QTemporaryDir dir;
        QPdfWriter writer(dir.filePath(u"sheet.pdf"_s));
        QVERIFY(PageFrame::applyMargins(writer));
        const QList<PracticeRow> rows(25, PracticeRow{u"學"_s, u"xué"_s, u"learn"_s});
        QVERIFY(printPracticeSheet(writer, rows, {}, QFont()));
        QVERIFY(!printPracticeSheet(writer, {}, {}, QFont()));
    }
};

QTEST_MAIN(TestPracticeSheet)
#include "tst_practicesheet.moc"
