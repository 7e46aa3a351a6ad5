#include "handwriting/practicechecker.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Outcome = PracticeSession::Outcome;

namespace {

// A vertical stroke from the top down, and a horizontal one from left to right.
const QPolygonF down{QPointF(500, 100), QPointF(505, 500), QPointF(500, 900)};
const QPolygonF across{QPointF(100, 500), QPointF(900, 500)};
const QPolygonF dot{QPointF(480, 200), QPointF(520, 250)};

QPolygonF reversed(QPolygonF line)
{
    std::reverse(line.begin(), line.end());
    return line;
}

} // namespace

class TestPracticeChecker : public QObject
{
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<QPolygonF>("drawn");
        QTest::addColumn<QPolygonF>("median");
        QTest::addColumn<bool>("startsNear");
        QTest::addColumn<bool>("endsNear");
        QTest::addColumn<bool>("rightDirection");

        QTest::newRow("the median itself") << down << down << true << true << true;
        QTest::newRow("a little off, wavy")
            << QPolygonF{QPointF(540, 160), QPointF(470, 520), QPointF(460, 820)} << down << true
            << true << true;
        QTest::newRow("just within reach")
            << down.translated(149, 0) << down << true << true << true;
        QTest::newRow("just out of reach")
            << down.translated(151, 0) << down << false << false << true;
        QTest::newRow("backwards") << reversed(down) << down << false << false << false;
        QTest::newRow("too short: ends midway")
            << QPolygonF{QPointF(500, 100), QPointF(500, 450)} << down << true << false << true;
        QTest::newRow("starts late")
            << QPolygonF{QPointF(500, 400), QPointF(500, 900)} << down << false << true << true;
        QTest::newRow("the other stroke") << across << down << false << false << false;
        // Ends near both ends but the way back: 75 degrees off.
        QTest::newRow("slanted too far")
            << QPolygonF{QPointF(400, 120), QPointF(600, 880)} << across << false << false << false;
        QTest::newRow("a dot as a dot")
            << QPolygonF{QPointF(490, 210), QPointF(515, 240)} << dot << true << true << true;
        QTest::newRow("a dot drawn as a long line")
            << QPolygonF{QPointF(480, 200), QPointF(600, 330)} << dot << true << true << false;
        QTest::newRow("a single point")
            << QPolygonF{QPointF(500, 100)} << down << true << false << false;
        QTest::newRow("nothing drawn") << QPolygonF() << down << false << false << false;
    }
    void check()
    {
        QFETCH(QPolygonF, drawn);
        QFETCH(QPolygonF, median);
        const StrokeVerdict verdict = PracticeChecker::check(drawn, median);
        QTEST(verdict.startsNear, "startsNear");
        QTEST(verdict.endsNear, "endsNear");
        QTEST(verdict.rightDirection, "rightDirection");
        QFETCH(bool, startsNear);
        QFETCH(bool, endsNear);
        QFETCH(bool, rightDirection);
        QCOMPARE(verdict.accepted(), startsNear && endsNear && rightDirection);
    }

    // Strokes: D down, A across, R down reversed, 0 nothing; outcomes: Accepted, Hint, Shown,
    // Ignored.
    void session_data()
    {
        QTest::addColumn<QString>("strokes");
        QTest::addColumn<QString>("outcomes");
        QTest::addColumn<int>("hinted");
        QTest::addColumn<bool>("finished");
        QTest::newRow("all right") << u"DA"_s << u"AA"_s << 0 << true;
        QTest::newRow("one miss, then right") << u"ADA"_s << u"HAA"_s << 1 << true;
        QTest::newRow("two misses on one stroke count once") << u"ARD"_s << u"HHA"_s << 1 << false;
        QTest::newRow("third miss shows the stroke and moves on")
            << u"AAAA"_s << u"HHSA"_s << 1 << true;
        QTest::newRow("misses on both") << u"ADDA"_s << u"HAHA"_s << 2 << true;
        QTest::newRow("after the end") << u"DAD"_s << u"AAI"_s << 0 << true;
        QTest::newRow("an empty stroke is no miss") << u"0D"_s << u"IA"_s << 0 << false;
    }
    void session()
    {
        QFETCH(QString, strokes);
        PracticeSession session({down, across});
        QString got;
        for (const QChar stroke : strokes) {
            const QPolygonF drawn = stroke == u'D'   ? down
                                    : stroke == u'A' ? across
                                    : stroke == u'R' ? reversed(down)
                                                     : QPolygonF();
            got += u"AHSI"_s.at(int(session.submit(drawn))); // in the order of Outcome
        }
        QTEST(got, "outcomes");
        QTEST(session.hintedStrokes(), "hinted");
        QTEST(session.finished(), "finished");
    }

    void missesResetOnTheNextStroke()
    {
        PracticeSession session({down, across});
        QCOMPARE(session.submit(across), Outcome::Hint);
        QCOMPARE(session.missesOnCurrent(), 1);
        QCOMPARE(session.submit(down), Outcome::Accepted);
        QCOMPARE(session.current(), 1);
        QCOMPARE(session.missesOnCurrent(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPracticeChecker)
#include "tst_practicechecker.moc"
