#include "handwriting/recognizer.h"

#include "handwriting/strokematcher.h"
#include "handwriting/strokestore.h"

#include <QHash>
#include <QLoggingCategory>

#include <zinnia.h>

#include <algorithm>
#include <cmath>
#include <future>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcRecognizer, "ordbok.handwriting.recognizer")

struct HandwritingRecognizer::Loaded
{
    std::unique_ptr<zinnia::Recognizer> recognizer;
    bool ideographsOnly = false;
};

bool isIdeograph(char32_t c)
{
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3134F) || c == 0x3007;
}

QList<HandwritingRecognizer::Model> HandwritingRecognizer::installedModels()
{
    const QString folder = u"/usr/share/tegaki/models/zinnia/"_s;
    return {{folder + u"handwriting-zh_CN.model"_s, false},
            {folder + u"handwriting-ja.model"_s, true}};
}

HandwritingRecognizer::HandwritingRecognizer() = default;
HandwritingRecognizer::~HandwritingRecognizer() = default;

bool HandwritingRecognizer::load(const QList<Model> &models)
{
    m_models.clear();
    m_problems.clear();
    for (const Model &model : models) {
        auto loaded = std::make_unique<Loaded>();
        loaded->recognizer.reset(zinnia::Recognizer::create());
        loaded->ideographsOnly = model.ideographsOnly;
        if (!loaded->recognizer->open(model.file.toLocal8Bit().constData())) {
            m_problems.append(model.file + u": "_s +
                              QString::fromLocal8Bit(loaded->recognizer->what()));
            qCDebug(lcRecognizer) << "model not opened:" << m_problems.last();
            continue;
        }
        m_models.push_back(std::move(loaded));
    }
    return !m_models.empty();
}

bool HandwritingRecognizer::loadStrokes(const QString &strokeStoreFile)
{
    m_matcher.reset();
    StrokeStore store;
    if (!store.open(strokeStoreFile))
        return false;
    const QSet<QString> known = vocabulary();
    auto matcher = std::make_unique<StrokeMatcher>();
    matcher->build(store, [&known](char32_t c) {
        return isIdeograph(c) && !known.contains(QString::fromUcs4(&c, 1));
    });
    qCDebug(lcRecognizer) << "characters matched by their strokes:" << matcher->size();
    if (matcher->size() > 0)
        m_matcher = std::move(matcher);
    return true;
}

bool HandwritingRecognizer::isLoaded() const
{
    return !m_models.empty() || m_matcher;
}

namespace {

// The stroke matcher answers only for characters no model knows, so its answers never compete
// with a model's for the same character, only for a place in the ranking. Its distance goes onto
// the models' scale by a straight line, set on made-up handwriting so that a near match comes
// first and a loose one falls below the models' answers without moving the characters the models
// know: the models have learnt from many hands, the medians are one careful hand.
double modelScale(double distance)
{
    return 1.0 - 30.0 * distance;
}

} // namespace

QList<HandwritingCandidate> HandwritingRecognizer::recognize(const Ink &ink, int limit) const
{
    if (!isLoaded() || limit <= 0)
        return {};
    std::unique_ptr<zinnia::Character> character(zinnia::Character::create());
    character->set_width(size_t(1000));
    character->set_height(size_t(1000));
    size_t stroke = 0;
    for (const QPolygonF &line : ink) {
        if (line.isEmpty())
            continue;
        for (const QPointF &point : line) {
            const int x = std::clamp(int(std::lround(point.x())), 0, 1000);
            const int y = std::clamp(int(std::lround(point.y())), 0, 1000);
            character->add(stroke, x, y);
        }
        ++stroke;
    }
    if (stroke == 0)
        return {};
    std::future<QList<StrokeMatch>> matched;
    if (m_matcher)
        matched = std::async(std::launch::async, [&] { return m_matcher->match(ink, limit); });

    // The models are asked side by side: the answer comes in the time of the slower one.
    // The Japanese model is asked for more, as its kana and symbols are dropped.
    const auto classify = [&](const Loaded &model) {
        QList<HandwritingCandidate> answers;
        std::unique_ptr<zinnia::Result> result(model.recognizer->classify(
            *character, size_t(model.ideographsOnly ? limit * 2 : limit)));
        for (size_t i = 0; result && i < result->size(); ++i) {
            const QString value = QString::fromUtf8(result->value(i));
            const QList<uint> codePoints = value.toUcs4();
            if (codePoints.size() == 1 &&
                (!model.ideographsOnly || isIdeograph(codePoints.first())))
                answers.append({value, result->score(i)});
        }
        return answers;
    };
    std::vector<std::future<QList<HandwritingCandidate>>> others;
    for (size_t i = 1; i < m_models.size(); ++i)
        others.push_back(std::async(std::launch::async, classify, std::cref(*m_models[i])));
    QList<QList<HandwritingCandidate>> answers;
    if (!m_models.empty())
        answers.append(classify(*m_models.front()));
    for (auto &other : others)
        answers.append(other.get());
    if (matched.valid()) {
        QList<HandwritingCandidate> &byStrokes = answers.emplace_back();
        for (const StrokeMatch &match : matched.get())
            byStrokes.append({match.character, modelScale(match.distance)});
    }

    QHash<QString, double> best;
    for (const QList<HandwritingCandidate> &list : answers) {
        for (const HandwritingCandidate &answer : list) {
            auto found = best.find(answer.character);
            if (found == best.end())
                best.insert(answer.character, answer.score);
            else
                *found = std::max(*found, answer.score);
        }
    }
    QList<HandwritingCandidate> merged;
    merged.reserve(best.size());
    for (auto it = best.cbegin(); it != best.cend(); ++it)
        merged.append({it.key(), it.value()});
    std::sort(merged.begin(), merged.end(),
              [](const HandwritingCandidate &a, const HandwritingCandidate &b) {
                  return a.score != b.score ? a.score > b.score : a.character < b.character;
              });
    if (merged.size() > limit)
        merged.resize(limit);
    return merged;
}

QSet<QString> HandwritingRecognizer::vocabulary() const
{
    QSet<QString> characters;
    for (const auto &model : m_models) {
        for (size_t i = 0; i < model->recognizer->size(); ++i) {
            const QString value = QString::fromUtf8(model->recognizer->value(i));
            const QList<uint> codePoints = value.toUcs4();
            if (codePoints.size() == 1 &&
                (!model->ideographsOnly || isIdeograph(codePoints.first())))
                characters.insert(value);
        }
    }
    return characters;
}
