#include "dictionary/tables.h"
#include "handwriting/strokestore.h"
#include "settings/settingsstore.h"
#include "shell/programcontext.h"
#include "windows/handwriting/drawingpad.h"
#include "windows/handwriting/handwritingwindow.h"
#include "windows/handwriting/strokeplayer.h"
#include "windows/handwriting/strokestrip.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The window on the real stores (for the candidates) and the built stroke store.
class TestHandwritingWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    SettingsStore m_settings{m_dir.path()};
    DictionaryTables m_tables;
    ProgramContext m_context{QStringLiteral(ORDBOK_STROKES_DIR), m_settings, m_tables};
    StrokeStore m_store;
    std::unique_ptr<HandwritingWindow> m_window;

    template <typename T> T *control(const QString &name) { return m_window->findChild<T *>(name); }

    static void drawStroke(DrawingPad *pad, const QPolygonF &stroke)
    {
        const QRectF box = pad->boxRect();
        const auto at = [&](QPointF p) {
            return (box.topLeft() + p * (box.width() / 1000.0)).toPoint();
        };
        QTest::mousePress(pad, Qt::LeftButton, {}, at(stroke.first()));
        for (const QPointF &point : stroke)
            QTest::mouseMove(pad, at(point));
        QTest::mouseRelease(pad, Qt::LeftButton, {}, at(stroke.last()));
    }
    QList<QPolygonF> medians(const QString &character)
    {
        return m_store.strokes(character)->medians;
    }

private slots:
    void initTestCase()
    {
        if (!m_store.open(StrokeStore::path(QStringLiteral(ORDBOK_STROKES_DIR))))
            QSKIP("no stroke store built");
        if (!m_tables.open(QStringLiteral(ORDBOK_PROGRAM_DIR)))
            QSKIP("the real stores are not built");
        m_window = std::make_unique<HandwritingWindow>(m_context, Language::English);
        QSignalSpy ready(m_window.get(), &HandwritingWindow::modelsReady);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // The window is up before the models are.
        QVERIFY(ready.wait(60000));
        if (!m_window->modelsLoaded() ||
            control<QLabel>(u"drawStatus"_s)->text().contains(u"No handwriting"))
            QSKIP("no handwriting model installed");
    }

    // Which characters are recognised is the recognizer's test; here the pad and buttons.
    void drawnCharacterIsOffered()
    {
        const QString character = u"水"_s;
        m_window->showPage(HandwritingWindow::Page::Draw);
        auto *pad = control<DrawingPad>(u"pad"_s);
        pad->clear();
        QStringList afterFirst;
        for (const QPolygonF &stroke : medians(character)) {
            drawStroke(pad, stroke);
            if (afterFirst.isEmpty())
                afterFirst = m_window->candidates();
        }
        QCOMPARE(pad->ink().size(), medians(character).size());
        const QStringList candidates = m_window->candidates();
        QVERIFY(candidates.size() <= HandwritingWindow::candidateCount);
        const qsizetype at = candidates.indexOf(character);
        QVERIFY2(at >= 0, qPrintable(candidates.join(u' ')));
        QVERIFY(afterFirst != candidates); // each stroke updates them
        auto *button = control<QPushButton>(u"candidate%1"_s.arg(at));
        QCOMPARE(button->text(), character);
        QSignalSpy chosen(m_window.get(), &HandwritingWindow::characterChosen);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first().first().toString(), character);
        QCOMPARE(m_window->character(), character);
    }

    void undoAndClear()
    {
        m_window->showPage(HandwritingWindow::Page::Draw);
        auto *pad = control<DrawingPad>(u"pad"_s);
        pad->clear();
        for (const QPolygonF &stroke : medians(u"三"_s))
            drawStroke(pad, stroke);
        QCOMPARE(pad->ink().size(), 3);
        QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pad->ink().size(), 2);
        QTest::mouseClick(control<QPushButton>(u"undoStroke"_s), Qt::LeftButton);
        QCOMPARE(pad->ink().size(), 1);
        QVERIFY(control<QPushButton>(u"candidate0"_s)->isEnabled());
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        QVERIFY(pad->ink().isEmpty());
        QVERIFY(m_window->candidates().isEmpty());
        QVERIFY(!control<QPushButton>(u"candidate0"_s)->isEnabled());
    }

    void strokes_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<int>("count"); // -1: no stroke data
        QTest::newRow("study") << u"學"_s << int(medians(u"學"_s).size());
        QTest::newRow("one") << u"一"_s << 1;
        QTest::newRow("latin letter") << u"A"_s << -1;
    }
    void strokes()
    {
        QFETCH(QString, character);
        QFETCH(int, count);
        m_window->setCharacter(character);
        m_window->showPage(HandwritingWindow::Page::Strokes);
        auto *player = control<StrokePlayer>(u"player"_s);
        auto *strip = control<StrokeStrip>(u"strip"_s);
        QCOMPARE(strip->stepCount(), std::max(0, count));
        if (count < 0) {
            QVERIFY(!player->isPlaying());
            QCOMPARE(player->progress(), 0.0);
            return;
        }
        QVERIFY(player->isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(player->progress() > 0, 2000);
        QTest::mouseClick(control<QPushButton>(u"step"_s), Qt::LeftButton);
        QVERIFY(!player->isPlaying());
        const double stepped = player->progress();
        QCOMPARE(stepped, std::floor(stepped)); // a step ends on a whole stroke
        QVERIFY(stepped >= 1);
        for (int i = int(stepped); i < count; ++i)
            player->step();
        QCOMPARE(player->progress(), double(count));
        player->step(); // past the last: from the start
        QCOMPARE(player->progress(), 1.0);
        QTest::mouseClick(control<QPushButton>(u"replay"_s), Qt::LeftButton);
        QVERIFY(player->isPlaying());
        QCOMPARE(player->progress(), 0.0);
    }

    // How misses are counted is the checker's test; here one miss reaches the labels.
    void practice()
    {
        const QString character = u"十"_s;
        m_window->setCharacter(character);
        m_window->showPage(HandwritingWindow::Page::Practise);
        auto *pad = control<DrawingPad>(u"practicePad"_s);
        auto *message = control<QLabel>(u"practiceMessage"_s);
        QCOMPARE(message->text(), u"Write stroke 1 of 2."_s);
        const QList<QPolygonF> strokes = medians(character);
        drawStroke(pad, strokes.at(0));
        QPolygonF backwards = strokes.at(1);
        std::reverse(backwards.begin(), backwards.end());
        drawStroke(pad, backwards);
        QCOMPARE(message->text(), u"Not quite: watch the red hint and write stroke 2 again."_s);
        drawStroke(pad, strokes.at(1));
        QCOMPARE(message->text(), u"Done! 1 of 2 strokes needed a hint."_s);
        QVERIFY(pad->ink().isEmpty()); // what the user writes becomes the outline's strokes
    }

    void practiceWithoutData()
    {
        m_window->setCharacter(u"A"_s);
        m_window->showPage(HandwritingWindow::Page::Practise);
        QCOMPARE(control<QLabel>(u"practiceMessage"_s)->text(), u"No stroke data for A."_s);
        drawStroke(control<DrawingPad>(u"practicePad"_s), {QPointF(100, 100), QPointF(800, 800)});
        QCOMPARE(control<QLabel>(u"practiceMessage"_s)->text(), u"No stroke data for A."_s);
    }
};

QTEST_MAIN(TestHandwritingWindow)
#include "tst_handwritingwindow.moc"
