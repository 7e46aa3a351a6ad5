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
        QTest::addColumn<QString>("verdict"); // starts near, ends near, right direction: + or -
        const auto line = [](std::initializer_list<QPointF> points) { return QPolygonF(points); };
        QTest::newRow("the median itself") << down << down << u"+++"_s;
        QTest::newRow("a little off, wavy")
            << line({{540, 160}, {470, 520}, {460, 820}}) << down << u"+++"_s;
        QTest::newRow("just within reach") << down.translated(149, 0) << down << u"+++"_s;
        QTest::newRow("just out of reach") << down.translated(151, 0) << down << u"--+"_s;
        QTest::newRow("backwards") << reversed(down) << down << u"---"_s;
        QTest::newRow("too short: ends midway")
            << line({{500, 100}, {500, 450}}) << down << u"+-+"_s;
        QTest::newRow("starts late") << line({{500, 400}, {500, 900}}) << down << u"-++"_s;
        QTest::newRow("the other stroke") << across << down << u"---"_s;
        // Ends near both ends but the way back: 75 degrees off.
        QTest::newRow("slanted too far") << line({{400, 120}, {600, 880}}) << across << u"---"_s;
        QTest::newRow("a dot as a dot") << line({{490, 210}, {515, 240}}) << dot << u"+++"_s;
        QTest::newRow("a dot drawn as a long line")
            << line({{480, 200}, {600, 330}}) << dot << u"++-"_s;
        QTest::newRow("a single point") << line({{500, 100}}) << down << u"+--"_s;
        QTest::newRow("nothing drawn") << QPolygonF() << down << u"---"_s;
    }
    void check()
    {
        QFETCH(QPolygonF, drawn);
        QFETCH(QPolygonF, median);
        const StrokeVerdict verdict = PracticeChecker::check(drawn, median);
        QString got;
        for (const bool near : {verdict.startsNear, verdict.endsNear, verdict.rightDirection})
            got += near ? u'+' : u'-';
        QTEST(got, "verdict");
        QCOMPARE(verdict.accepted(), got == u"+++");
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
