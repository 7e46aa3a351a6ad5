#include "windows/handwriting/handwritingwindow.h"

#include "dictionary/tables.h"
#include "handwriting/candidateoffer.h"
#include "handwriting/strokestore.h"
#include "pinyin/syllabletables.h"
#include "shell/programcontext.h"
#include "windows/handwriting/drawingpad.h"
#include "windows/handwriting/strokeplayer.h"
#include "windows/handwriting/strokestrip.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QTabWidget>
#include <QThread>
#include <QVariantAnimation>

#include <cmath>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcHandwritingWindow, "ordbok.handwriting.window")

HandwritingWindow::HandwritingWindow(ProgramContext &context, Language language, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_texts(&HandwritingTexts::forLanguage(language))
    , m_recognizer(std::make_shared<HandwritingRecognizer>())
    , m_rules(
          std::make_unique<StoreCandidateRules>(context.tables.characters, context.tables.words))
    , m_hintFlash(new QVariantAnimation(this))
{
    setObjectName(u"handwriting"_s);
    buildControls();
    applyTexts();

    connect(pad, &DrawingPad::inkChanged, this, &HandwritingWindow::recognize);
    connect(undoStroke, &QPushButton::clicked, pad, &DrawingPad::undoStroke);
    connect(clearInk, &QPushButton::clicked, pad, &DrawingPad::clear);
    connect(showStrokesButton, &QPushButton::clicked, this, [this] { showPage(Page::Strokes); });
    connect(practiseButton, &QPushButton::clicked, this, [this] { showPage(Page::Practise); });
    auto *undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, [this] {
        if (tabs->currentIndex() == int(Page::Draw))
            pad->undoStroke();
    });
    auto *clearKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(clearKey, &QShortcut::activated, this, [this] {
        if (tabs->currentIndex() == int(Page::Draw))
            pad->clear();
        else if (tabs->currentIndex() == int(Page::Practise))
            startPractice();
    });

    connect(characterBox, &QLineEdit::returnPressed, this, &HandwritingWindow::characterTyped);
    connect(replay, &QPushButton::clicked, player, &StrokePlayer::replay);
    connect(step, &QPushButton::clicked, player, &StrokePlayer::step);
    connect(speed, &QSlider::valueChanged, this,
            [this](int value) { player->setSpeed(std::pow(2.0, value)); });
    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == int(Page::Strokes))
            player->replay();
        else if (index == int(Page::Practise))
            startPractice();
    });

    connect(practicePad, &DrawingPad::strokeFinished, this, &HandwritingWindow::practiceStroke);
    practicePad->setUnderlay([this](QPainter &painter) { paintPractice(painter); });
    connect(restartPractice, &QPushButton::clicked, this, &HandwritingWindow::startPractice);
    m_hintFlash->setDuration(900);
    m_hintFlash->setKeyValueAt(0, 0.0);
    m_hintFlash->setKeyValueAt(0.3, 1.0);
    m_hintFlash->setKeyValueAt(0.6, 0.4);
    m_hintFlash->setKeyValueAt(1, 0.0);
    connect(m_hintFlash, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_hintStrength = value.toDouble();
        practicePad->update();
    });

    drawStatus->setText(m_texts->loadingModels);
    startLoading();
}

HandwritingWindow::~HandwritingWindow()
{
    // The loader holds the recognizer alive by itself, but not this window's thread object.
    if (m_loader)
        m_loader->wait();
}

void HandwritingWindow::setLanguage(Language language)
{
    m_texts = &HandwritingTexts::forLanguage(language);
    applyTexts();
    player->setEmptyText(m_texts->noStrokeData.arg(m_character));
    if (m_modelsLoaded)
        recognize();
}

void HandwritingWindow::startLoading()
{
    // Zinnia maps some 50 MB of models and the stroke store is indexed: never on the window's
    // thread.
    std::shared_ptr<HandwritingRecognizer> recognizer = m_recognizer;
    const QString strokeStore = StrokeStore::path(m_context.programFolder);
    m_loader = QThread::create([recognizer, strokeStore] {
        recognizer->load();
        recognizer->loadStrokes(strokeStore);
    });
    connect(m_loader, &QThread::finished, this, [this] {
        m_loader->deleteLater();
        m_loader = nullptr;
        m_modelsLoaded = true;
        if (!m_recognizer->isLoaded())
            qCDebug(lcHandwritingWindow) << "no models:" << m_recognizer->problems();
        recognize();
        emit modelsReady();
    });
    m_loader->start(QThread::LowPriority);
}

void HandwritingWindow::recognize()
{
    if (!m_modelsLoaded) {
        drawStatus->setText(m_texts->loadingModels);
        return;
    }
    if (!m_recognizer->isLoaded()) {
        drawStatus->setText(m_texts->noModels);
        return;
    }
    if (pad->ink().isEmpty()) {
        showCandidates({});
        drawStatus->setText(m_texts->drawHere);
        return;
    }
    const QList<HandwritingCandidate> ranking =
        m_recognizer->recognize(pad->ink(), 3 * candidateCount);
    showCandidates(offerCandidates(ranking, candidateCount, m_rules->rules(traditionalLoaded)));
    drawStatus->setText(m_candidates.isEmpty() ? m_texts->noCandidates : QString());
}

void HandwritingWindow::showCandidates(const QStringList &candidates)
{
    m_candidates = candidates;
    for (int i = 0; i < candidateCount; ++i) {
        candidate[i]->setText(candidates.value(i));
        candidate[i]->setEnabled(i < candidates.size());
    }
}

void HandwritingWindow::candidateClicked(int index)
{
    const QString chosen = m_candidates.value(index);
    if (chosen.isEmpty())
        return;
    setCharacter(chosen);
    emit characterChosen(chosen);
}

void HandwritingWindow::showPage(Page page)
{
    if (page != Page::Draw && m_character.isEmpty() && !m_candidates.isEmpty())
        setCharacter(m_candidates.first());
    if (tabs->currentIndex() == int(page)) {
        // Already there: start over, as switching to the page does.
        page == Page::Strokes    ? player->replay()
        : page == Page::Practise ? startPractice()
                                 : void();
        return;
    }
    tabs->setCurrentIndex(int(page));
}

void HandwritingWindow::setCharacter(const QString &character)
{
    const QList<uint> codePoints = character.trimmed().toUcs4();
    if (codePoints.isEmpty())
        return;
    m_character = QString::fromUcs4(reinterpret_cast<const char32_t *>(codePoints.constData()), 1);
    characterBox->setText(m_character);
    loadStrokes();
    if (tabs->currentIndex() == int(Page::Strokes))
        player->replay();
    else if (tabs->currentIndex() == int(Page::Practise))
        startPractice();
}

void HandwritingWindow::characterTyped()
{
    setCharacter(characterBox->text());
    player->replay();
}

const StrokeStore &HandwritingWindow::store()
{
    if (!m_store) {
        m_store.emplace();
        if (!m_store->open(StrokeStore::path(m_context.programFolder)))
            qCDebug(lcHandwritingWindow) << "no stroke store in" << m_context.programFolder;
    }
    return *m_store;
}

void HandwritingWindow::loadStrokes()
{
    m_strokes = store().strokes(m_character);
    player->setEmptyText(m_texts->noStrokeData.arg(m_character));
    player->setStrokes(m_strokes);
    strip->setStrokes(m_strokes);
}

void HandwritingWindow::startPractice()
{
    m_hintFlash->stop();
    m_hintStroke = -1;
    m_lastMiss.clear();
    m_shownStrokes.clear();
    practicePad->clear();
    if (!m_strokes) {
        m_practice.reset();
        practiceMessage->setText(m_character.isEmpty() ? m_texts->chooseFirst
                                                       : m_texts->noStrokeData.arg(m_character));
        practicePad->update();
        return;
    }
    m_practice.emplace(m_strokes->medians);
    practiceMessage->setText(m_texts->practiseStart.arg(1).arg(m_practice->strokeCount()));
    practicePad->update();
}

void HandwritingWindow::practiceStroke(const QPolygonF &stroke)
{
    practicePad->clear();
    if (!m_practice)
        return;
    const int expected = m_practice->current();
    switch (m_practice->submit(stroke)) {
    case PracticeSession::Outcome::Accepted:
        m_lastMiss.clear();
        break;
    case PracticeSession::Outcome::Hint:
        m_lastMiss = stroke;
        flashHint(expected);
        practiceMessage->setText(m_texts->practiseHint.arg(expected + 1));
        return;
    case PracticeSession::Outcome::Shown:
        m_lastMiss = stroke;
        m_shownStrokes.append(expected);
        practiceMessage->setText(m_texts->practiseShown.arg(expected + 1));
        practicePad->update();
        if (!m_practice->finished())
            return;
        break;
    case PracticeSession::Outcome::Ignored:
        return;
    }
    if (m_practice->finished()) {
        practiceMessage->setText(
            m_texts->practiseDone.arg(m_practice->hintedStrokes()).arg(m_practice->strokeCount()));
    } else if (m_lastMiss.isEmpty()) {
        practiceMessage->setText(
            m_texts->practiseStart.arg(m_practice->current() + 1).arg(m_practice->strokeCount()));
    }
    practicePad->update();
}

void HandwritingWindow::flashHint(int stroke)
{
    m_hintStroke = stroke;
    m_hintFlash->stop();
    m_hintFlash->start();
}

void HandwritingWindow::paintPractice(QPainter &painter) const
{
    if (!m_strokes || !m_practice)
        return;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < m_strokes->count(); ++i) {
        QColor colour(220, 220, 220); // the outline to write over
        if (i < m_practice->current())
            colour = m_shownStrokes.contains(i) ? QColor(200, 110, 0) : QColor(Qt::black);
        painter.fillPath(m_strokes->outlines.at(i), colour);
    }
    if (m_hintStroke >= 0 && m_hintStrength > 0 && m_hintStroke < m_strokes->count()) {
        QColor hint(220, 30, 30);
        hint.setAlphaF(m_hintStrength);
        painter.fillPath(m_strokes->outlines.at(m_hintStroke), hint);
    }
    if (!m_lastMiss.isEmpty()) {
        painter.setPen(
            QPen(QColor(220, 30, 30, 160), 18, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(m_lastMiss);
    }
}
