#pragma once

// Handwriting recognition with Zinnia over two models, the simplified Chinese one and the
// ideographs of the Japanese one (which holds most traditional forms). Both are asked and
// their answers merged by score: a character both know keeps its better score. With a stroke
// store loaded, the characters neither model knows are matched against their medians
// (handwriting/strokematcher.h) and join the ranking on the models' scale.
//
//     HandwritingRecognizer recognizer;     // cheap; load() maps the models (~50 MB)
//     recognizer.load();                    // off the window thread
//     recognizer.loadStrokes(StrokeStore::path(folder));   // after load(), also off it
//     recognizer.recognize(ink, 10)         -> {{"水", 1.02}, {"永", 0.41}, ...}

#include <QList>
#include <QPolygonF>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

// The strokes drawn so far, in writing order, each in the 1000 x 1000 box with y down.
using Ink = QList<QPolygonF>;

struct HandwritingCandidate
{
    QString character;
    double score = 0;
};

class StrokeMatcher;

class HandwritingRecognizer
{
public:
    struct Model
    {
        QString file;
        bool ideographsOnly = false; // the Japanese model: its kana and symbols are left out
    };
    // The Debian models, simplified Chinese first.
    static QList<Model> installedModels();

    HandwritingRecognizer();
    ~HandwritingRecognizer();
    HandwritingRecognizer(const HandwritingRecognizer &) = delete;
    HandwritingRecognizer &operator=(const HandwritingRecognizer &) = delete;

    // Opens the models; true when at least one opened. Safe to call from another thread
    // before any recognize().
    bool load(const QList<Model> &models = installedModels());
    // Indexes the stroke store's characters that no loaded model knows; true when the store
    // opened. Call after load(), off the window thread.
    bool loadStrokes(const QString &strokeStoreFile);
    // Whether some model or the stroke store can answer.
    bool isLoaded() const;
    // The model files that would not open, with Zinnia's reason.
    QStringList problems() const { return m_problems; }

    // Up to limit characters, best first; none for empty ink or before load(). Const and
    // reentrant: the models are only read.
    QList<HandwritingCandidate> recognize(const Ink &ink, int limit) const;
    // Every character some loaded model can answer (the stroke store's are not counted).
    QSet<QString> vocabulary() const;

private:
    struct Loaded;
    std::vector<std::unique_ptr<Loaded>> m_models;
    std::unique_ptr<StrokeMatcher> m_matcher;
    QStringList m_problems;
};

// Whether a code point is a CJK unified or compatibility ideograph.
bool isIdeograph(char32_t codePoint);
