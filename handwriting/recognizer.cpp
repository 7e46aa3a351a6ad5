#include "handwriting/recognizer.h"

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

bool HandwritingRecognizer::isLoaded() const
{
    return !m_models.empty();
}

QList<HandwritingCandidate> HandwritingRecognizer::recognize(const Ink &ink, int limit) const
{
    if (m_models.empty() || limit <= 0)
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
    QList<QList<HandwritingCandidate>> answers{classify(*m_models.front())};
    for (auto &other : others)
        answers.append(other.get());

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
