#include "handwriting/recognizer.h"
#include "handwriting/strokematcher.h"
#include "handwriting/strokestore.h"
#include "handwriting/syntheticink.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

class TestStrokeMatcher : public QObject
{
    Q_OBJECT

    StrokeStore m_store;
    StrokeMatcher m_matcher;

    Ink inkOf(const QString &character, quint32 seed, double wobble)
    {
        const std::optional<CharacterStrokes> strokes = m_store.strokes(character);
        return strokes ? SyntheticInk::fromMedians(strokes->medians, seed, wobble) : Ink();
    }
    template <typename Match> static QStringList charactersOf(const QList<Match> &matches)
    {
        QStringList characters;
        for (const Match &match : matches)
            characters.append(match.character);
        return characters;
    }

private slots:
    void initTestCase()
    {
        if (!m_store.open(StrokeStore::path(QStringLiteral(ORDBOK_STROKES_DIR))))
            QSKIP("no stroke store");
        m_matcher.build(m_store);
        QCOMPARE(m_matcher.size(), m_store.size());
    }

    // Characters of both kinds: ones the Zinnia models know, and traditional and Extension A
    // forms they lack.
    void findsItsOwnMedians_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<double>("wobble");
        QTest::addColumn<int>("within"); // found among the first this many
        for (const QString &c : {u"水"_s, u"中"_s, u"書"_s, u"鬱"_s, u"乚"_s, u"丂"_s, u"驦"_s,
                                 u"讞"_s, u"㐭"_s, u"㝵"_s}) {
            QTest::addRow("%s straight", qPrintable(c)) << c << 0.0 << 1;
            QTest::addRow("%s wobbly", qPrintable(c)) << c << 1.0 << 5;
        }
    }
    void findsItsOwnMedians()
    {
        QFETCH(QString, character);
        QFETCH(double, wobble);
        QFETCH(int, within);
        QVERIFY2(m_store.strokes(character), qPrintable(character));
        for (quint32 seed : {1u, 2u, 3u}) {
            const QList<StrokeMatch> matches = m_matcher.match(inkOf(character, seed, wobble), 10);
            const QStringList found = charactersOf(matches);
            QVERIFY2(found.indexOf(character) >= 0 && found.indexOf(character) < within,
                     qPrintable(found.join(u' ')));
            for (qsizetype i = 1; i < matches.size(); ++i)
                QVERIFY(matches.at(i - 1).distance <= matches.at(i).distance);
        }
    }

    // Nothing valid is out of reach: each character drawn exactly as its medians comes first,
    // or shares the first distance with characters whose medians are the same.
    void everyCharacterFindsItself()
    {
        const QList<char32_t> characters = m_store.characters();
        for (qsizetype i = 0; i < characters.size(); i += 7) {
            const std::optional<CharacterStrokes> strokes = m_store.strokes(characters.at(i));
            QVERIFY(strokes);
            const QList<StrokeMatch> matches =
                m_matcher.match(SyntheticInk::fromMedians(strokes->medians, 1, 0), 5);
            QVERIFY(!matches.isEmpty());
            const qsizetype at = charactersOf(matches).indexOf(strokes->character);
            QVERIFY2(at >= 0 && matches.at(at).distance == matches.first().distance,
                     qPrintable(strokes->character + u": "_s + charactersOf(matches).join(u' ')));
        }
    }

    void onlyNearStrokeCounts_data()
    {
        QTest::addColumn<QString>("character");
        QTest::newRow("one stroke") << u"一"_s;
        QTest::newRow("seven strokes") << u"我"_s;
        QTest::newRow("twenty-nine strokes") << u"鬱"_s;
    }
    void onlyNearStrokeCounts()
    {
        QFETCH(QString, character);
        const Ink ink = inkOf(character, 5, 1.0);
        const QList<StrokeMatch> matches = m_matcher.match(ink, 200);
        QVERIFY(!matches.isEmpty());
        for (const StrokeMatch &match : matches) {
            const int count = m_store.strokes(match.character)->count();
            QVERIFY2(std::abs(count - int(ink.size())) <= StrokeMatcher::strokeCountSlack,
                     qPrintable(match.character));
        }
    }

    // The writing order counts: the same strokes in another order are further away.
    void writingOrder_data()
    {
        QTest::addColumn<QString>("character");
        QTest::newRow("十") << u"十"_s;
        QTest::newRow("人") << u"人"_s;
        QTest::newRow("口") << u"口"_s;
    }
    void writingOrder()
    {
        QFETCH(QString, character);
        const Ink inOrder = inkOf(character, 1, 0);
        Ink reversed = inOrder;
        std::reverse(reversed.begin(), reversed.end());
        const auto distanceOf = [&](const Ink &ink) {
            for (const StrokeMatch &match : m_matcher.match(ink, m_matcher.size()))
                if (match.character == character)
                    return match.distance;
            return 1e9;
        };
        QCOMPARE(distanceOf(inOrder), 0.0);
        QVERIFY(distanceOf(reversed) > 0.02);
    }

    void nothingToMatch_data()
    {
        QTest::addColumn<Ink>("ink");
        QTest::addColumn<int>("limit");
        const QPolygonF line{QPointF(100, 500), QPointF(900, 500)};
        QTest::newRow("no strokes") << Ink() << 10;
        QTest::newRow("empty strokes") << Ink{QPolygonF(), QPolygonF()} << 10;
        QTest::newRow("no room") << Ink{line} << 0;
        QTest::newRow("negative limit") << Ink{line} << -1;
        QTest::newRow("more strokes than any character") << Ink(100, line) << 10;
    }
    void nothingToMatch()
    {
        QFETCH(Ink, ink);
        QFETCH(int, limit);
        QVERIFY(m_matcher.match(ink, limit).isEmpty());
        QVERIFY(StrokeMatcher().match(Ink{QPolygonF{QPointF(1, 1)}}, 5).isEmpty()); // not built
    }

    // Strokes of a single point, or all in one spot, are matched without dividing by nothing.
    void degenerateStrokes()
    {
        const QList<StrokeMatch> dots = m_matcher.match(
            Ink{QPolygonF{QPointF(500, 500)}, QPolygonF{QPointF(500, 500), QPointF(500, 500)}}, 5);
        QCOMPARE(dots.size(), 5);
        for (const StrokeMatch &match : dots)
            QVERIFY(std::isfinite(match.distance));
    }

    void leavesOutWhatIsNotIncluded()
    {
        StrokeMatcher matcher;
        matcher.build(m_store, [](char32_t c) { return c != U'水'; });
        QCOMPARE(matcher.size(), m_store.size() - 1);
        const QStringList found = charactersOf(matcher.match(inkOf(u"水"_s, 1, 0), 10));
        QVERIFY(!found.isEmpty());
        QVERIFY(!found.contains(u"水"_s));
    }

    // In the recognizer the medians answer for what the models lack, next to the models.
    void recognizerFindsWhatTheModelsLack_data()
    {
        QTest::addColumn<QString>("character");
        for (const QString &c : {u"乚"_s, u"丂"_s, u"驦"_s, u"讞"_s, u"㐭"_s, u"㝵"_s})
            QTest::newRow(qPrintable(c)) << c;
    }
    void recognizerFindsWhatTheModelsLack()
    {
        QFETCH(QString, character);
        HandwritingRecognizer recognizer;
        if (!recognizer.load())
            QSKIP("no handwriting model installed");
        QVERIFY(!recognizer.vocabulary().contains(character));
        const Ink ink = inkOf(character, 11, 1.0);
        QVERIFY(!charactersOf(recognizer.recognize(ink, 10)).contains(character));
        QVERIFY(recognizer.loadStrokes(StrokeStore::path(QStringLiteral(ORDBOK_STROKES_DIR))));
        const QList<HandwritingCandidate> candidates = recognizer.recognize(ink, 10);
        const QStringList withStrokes = charactersOf(candidates);
        QVERIFY2(withStrokes.indexOf(character) >= 0 && withStrokes.indexOf(character) < 5,
                 qPrintable(withStrokes.join(u' ')));
        QCOMPARE(QSet<QString>(withStrokes.begin(), withStrokes.end()).size(), withStrokes.size());
        for (qsizetype i = 1; i < candidates.size(); ++i)
            QVERIFY(candidates.at(i - 1).score >= candidates.at(i).score);
        // A store that will not open takes the medians away again.
        QVERIFY(!recognizer.loadStrokes(u"/nonexistent/strokes.dat"_s));
        QVERIFY(!charactersOf(recognizer.recognize(ink, 10)).contains(character));
    }

    // Without any model the stroke store alone still recognizes.
    void recognizerWithoutModels()
    {
        HandwritingRecognizer recognizer;
        QVERIFY(!recognizer.load({}));
        QVERIFY(!recognizer.isLoaded());
        QVERIFY(recognizer.loadStrokes(StrokeStore::path(QStringLiteral(ORDBOK_STROKES_DIR))));
        QVERIFY(recognizer.isLoaded());
        const QList<HandwritingCandidate> candidates =
            recognizer.recognize(inkOf(u"水"_s, 2, 1.0), 5);
        QVERIFY(!candidates.isEmpty());
        QCOMPARE(candidates.first().character, u"水"_s);
        QVERIFY(recognizer.recognize(Ink(), 5).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStrokeMatcher)
#include "tst_strokematcher.moc"
