#pragma once

#include "handwriting/practicechecker.h"
#include "handwriting/recognizer.h"
#include "handwriting/strokestore.h"
#include "shell/language.h"
#include "windows/handwriting/handwritingtexts.h"

#include <QWidget>

#include <memory>
#include <optional>

struct ProgramContext;
class DrawingPad;
class StrokePlayer;
class StrokeStrip;
class StoreCandidateRules;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;
class QThread;
class QVariantAnimation;

// "Draw a character": a pad whose strokes are recognized into ten candidates; "Show strokes"
// writes a character stroke by stroke; "Practise" has the user write it over its outline.
// A chosen candidate is handed on (characterChosen): the application shows it in the main
// window or inserts it into the Chinese editor. The models load on another thread.
class HandwritingWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int candidateCount = 10;
    enum class Page { Draw, Strokes, Practise };

    HandwritingWindow(ProgramContext &context, Language language, QWidget *parent = nullptr);
    ~HandwritingWindow() override;

    void setLanguage(Language language);
    void showPage(Page page);
    // The character the strokes and practice pages are about.
    void setCharacter(const QString &character);
    QString character() const { return m_character; }
    QStringList candidates() const { return m_candidates; }
    bool modelsLoaded() const { return m_modelsLoaded; }

signals:
    void characterChosen(const QString &character);
    // The models finished loading (or failed to), and the candidates are up to date.
    void modelsReady();

private:
    void buildControls();
    QWidget *buildDrawPage();
    QWidget *buildStrokesPage();
    QWidget *buildPractisePage();
    void applyTexts();
    void startLoading();
    void recognize();
    void showCandidates(const QStringList &candidates);
    void candidateClicked(int index);
    void characterTyped();
    void loadStrokes();
    void startPractice();
    void practiceStroke(const QPolygonF &stroke);
    void paintPractice(QPainter &painter) const;
    void flashHint(int stroke);
    const StrokeStore &store();

    ProgramContext &m_context;
    const HandwritingTexts *m_texts;
    std::shared_ptr<HandwritingRecognizer> m_recognizer;
    QThread *m_loader = nullptr;
    bool m_modelsLoaded = false;
    std::unique_ptr<StoreCandidateRules> m_rules;
    std::optional<StrokeStore> m_store;
    QString m_character;
    std::optional<CharacterStrokes> m_strokes;
    QStringList m_candidates;
    std::optional<PracticeSession> m_practice;
    QPolygonF m_lastMiss;
    int m_hintStroke = -1;
    double m_hintStrength = 0;
    QList<int> m_shownStrokes; // drawn for the user after three misses

    QTabWidget *tabs;
    // Draw a character.
    DrawingPad *pad;
    QLabel *drawStatus;
    QList<QPushButton *> candidate;
    QPushButton *undoStroke, *clearInk, *showStrokesButton, *practiseButton;
    // Show strokes.
    QLabel *characterLabel, *speedLabel;
    QLineEdit *characterBox;
    StrokePlayer *player;
    QPushButton *replay, *step;
    QSlider *speed;
    StrokeStrip *strip;
    // Practise.
    DrawingPad *practicePad;
    QLabel *practiceMessage;
    QPushButton *restartPractice;
    QVariantAnimation *m_hintFlash;
};
