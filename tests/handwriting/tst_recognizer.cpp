#include "handwriting/candidateoffer.h"
#include "handwriting/inkfile.h"
#include "handwriting/recognizer.h"
#include "handwriting/strokestore.h"
#include "handwriting/syntheticink.h"

#include <QLineF>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRecognizer : public QObject
{
    Q_OBJECT

    HandwritingRecognizer m_recognizer;
    StrokeStore m_store;

    Ink inkOf(const QString &character, quint32 seed, double wobble)
    {
        const std::optional<CharacterStrokes> strokes = m_store.strokes(character);
        return strokes ? SyntheticInk::fromMedians(strokes->medians, seed, wobble) : Ink();
    }

private slots:
    void initTestCase() { m_store.open(StrokeStore::path(QStringLiteral(ORDBOK_STROKES_DIR))); }

    // The pure parts first: they need neither models nor stores.
    void offer_data()
    {
        QTest::addColumn<QString>("ranking"); // characters, split at blanks
        QTest::addColumn<QString>("unknown");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("offered");
        // The other forms the rules know: 门 -> 門, 马 -> 馬.
        QTest::newRow("as ranked") << u"水 永"_s << QString() << 10 << u"水 永"_s;
        QTest::newRow("other form follows") << u"门 们"_s << QString() << 10 << u"门 門 们"_s;
        QTest::newRow("other form ranked later comes once")
            << u"门 門 水"_s << QString() << 10 << u"门 門 水"_s;
        QTest::newRow("unknown dropped") << u"㐀 水"_s << u"㐀"_s << 10 << u"水"_s;
        QTest::newRow("unknown other form dropped") << u"马"_s << u"馬"_s << 10 << u"马"_s;
        QTest::newRow("limit cuts an other form") << u"水 门"_s << QString() << 2 << u"水 门"_s;
        QTest::newRow("nothing") << QString() << QString() << 10 << QString();
    }
    void offer()
    {
        QFETCH(QString, ranking);
        QFETCH(QString, unknown);
        QFETCH(int, limit);
        QList<HandwritingCandidate> candidates;
        for (const QString &c : ranking.split(u' ', Qt::SkipEmptyParts))
            candidates.append({c, 1.0 - candidates.size() * 0.1});
        const QHash<QString, QString> forms{{u"门"_s, u"門"_s}, {u"马"_s, u"馬"_s}};
        const CandidateRules rules{[&](const QString &c) { return !unknown.contains(c); },
                                   [&](const QString &c) { return forms.value(c); }};
        QTEST(offerCandidates(candidates, limit, rules).join(u' '), "offered");
    }

    void inkFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("strokes"); // -1: refused
        QTest::addColumn<int>("points");  // in all
        QTest::newRow("two strokes") << u"473,84 500,103 521,127\n147,403 209,412\n"_s << 2 << 5;
        QTest::newRow("blank lines and CR LF") << u"\n1,2 3,4\r\n\n  \n5,6\n"_s << 2 << 3;
        QTest::newRow("fractions") << u"1.5,2.25"_s << 1 << 1;
        QTest::newRow("empty") << QString() << 0 << 0;
        QTest::newRow("three numbers") << u"1,2,3"_s << -1 << 0;
        QTest::newRow("words") << u"x,y"_s << -1 << 0;
        QTest::newRow("not finite") << u"nan,1"_s << -1 << 0;
    }
    void inkFile()
    {
        QFETCH(QString, text);
        const std::optional<Ink> ink = InkFile::parse(text);
        QTEST(ink ? int(ink->size()) : -1, "strokes");
        int points = 0;
        for (const QPolygonF &stroke : ink.value_or(Ink()))
            points += stroke.size();
        QTEST(points, "points");
    }

    void syntheticInk()
    {
        if (!m_store.isOpen())
            QSKIP("no stroke store");
        const CharacterStrokes shui = *m_store.strokes(u"水"_s);
        const Ink exact = SyntheticInk::fromMedians(shui.medians, 1, 0);
        QCOMPARE(exact.size(), shui.count());
        for (int i = 0; i < shui.count(); ++i) {
            QCOMPARE(exact.at(i).first(), shui.medians.at(i).first());
            QCOMPARE(exact.at(i).last(), shui.medians.at(i).last());
        }
        QCOMPARE(SyntheticInk::fromMedians(shui.medians, 7),
                 SyntheticInk::fromMedians(shui.medians, 7));
        const Ink wobbly = SyntheticInk::fromMedians(shui.medians, 7);
        QVERIFY(wobbly != exact);
        // Moved, never beyond the limits the wobble promises (scale, shift, stroke, jitter).
        for (int i = 0; i < shui.count(); ++i)
            QVERIFY(QLineF(wobbly.at(i).first(), exact.at(i).first()).length() <
                    0.15 * 710 + 57 + 22 + 12);
    }

    void recognizesItsOwnMedians_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<double>("wobble");
        for (const QString &c : {u"水"_s, u"人"_s, u"中"_s, u"我"_s, u"永"_s, u"書"_s, u"龍"_s}) {
            QTest::addRow("%s straight", qPrintable(c)) << c << 0.0;
            QTest::addRow("%s wobbly", qPrintable(c)) << c << 1.0;
        }
    }
    void recognizesItsOwnMedians()
    {
        QFETCH(QString, character);
        QFETCH(double, wobble);
        if (!m_recognizer.isLoaded() && !m_recognizer.load())
            QSKIP("no handwriting model installed");
        if (!m_store.isOpen())
            QSKIP("no stroke store");
        const QList<HandwritingCandidate> candidates =
            m_recognizer.recognize(inkOf(character, 3, wobble), 5);
        QVERIFY(candidates.size() <= 5);
        QStringList found;
        for (const HandwritingCandidate &candidate : candidates)
            found.append(candidate.character);
        QVERIFY2(found.contains(character), qPrintable(found.join(u' ')));
        for (qsizetype i = 1; i < candidates.size(); ++i)
            QVERIFY(candidates.at(i - 1).score >= candidates.at(i).score);
    }

    void onlyIdeographsFromTheJapaneseModel()
    {
        if (!m_recognizer.isLoaded() && !m_recognizer.load())
            QSKIP("no handwriting model installed");
        // A kana-like hook and loop: the Japanese model would answer kana for it.
        const Ink ink{QPolygonF{QPointF(300, 300), QPointF(700, 300)},
                      QPolygonF{QPointF(500, 150), QPointF(480, 600), QPointF(550, 850)},
                      QPolygonF{QPointF(650, 450), QPointF(400, 800), QPointF(250, 700),
                                QPointF(500, 550), QPointF(800, 650), QPointF(750, 850)}};
        const QList<HandwritingCandidate> candidates = m_recognizer.recognize(ink, 30);
        QVERIFY(!candidates.isEmpty());
        const QSet<QString> chinese = [] {
            HandwritingRecognizer simplified;
            simplified.load({HandwritingRecognizer::installedModels().first()});
            return simplified.vocabulary();
        }();
        for (const HandwritingCandidate &candidate : candidates) {
            const char32_t c = candidate.character.toUcs4().first();
            QVERIFY2(isIdeograph(c) || chinese.contains(candidate.character),
                     qPrintable(candidate.character));
        }
    }

    void nothingToRecognize_data()
    {
        QTest::addColumn<Ink>("ink");
        QTest::addColumn<int>("limit");
        QTest::newRow("no strokes") << Ink() << 10;
        QTest::newRow("empty strokes") << Ink{QPolygonF(), QPolygonF()} << 10;
        QTest::newRow("no room") << Ink{QPolygonF{QPointF(0, 0), QPointF(900, 900)}} << 0;
    }
    void nothingToRecognize()
    {
        QFETCH(Ink, ink);
        QFETCH(int, limit);
        if (!m_recognizer.isLoaded() && !m_recognizer.load())
            QSKIP("no handwriting model installed");
        QVERIFY(m_recognizer.recognize(ink, limit).isEmpty());
        QVERIFY(HandwritingRecognizer()
                    .recognize(Ink{QPolygonF{QPointF(1, 1)}}, 5)
                    .isEmpty()); // not loaded
    }

    void missingModel()
    {
        HandwritingRecognizer recognizer;
        QVERIFY(!recognizer.load({{u"/nonexistent/model"_s, false}}));
        QCOMPARE(recognizer.problems().size(), 1);
        QVERIFY(!recognizer.isLoaded());
    }
};

QTEST_GUILESS_MAIN(TestRecognizer)
#include "tst_recognizer.moc"
