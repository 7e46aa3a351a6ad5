#include "handwriting/recognizer.h"

#include <QHash>
#include <QLoggingCategory>

#include <zinnia.h>

#include <algorithm>
#include <cmath>

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

    // The Japanese model is asked for more: its kana and symbols are dropped.
    QHash<QString, double> best;
    for (const auto &model : m_models) {
        std::unique_ptr<zinnia::Result> result(model->recognizer->classify(
            *character, size_t(model->ideographsOnly ? limit * 2 : limit)));
        if (!result)
            continue;
        for (size_t i = 0; i < result->size(); ++i) {
            const QString value = QString::fromUtf8(result->value(i));
            const QList<uint> codePoints = value.toUcs4();
            if (codePoints.size() != 1 ||
                (model->ideographsOnly && !isIdeograph(codePoints.first())))
                continue;
            const double score = result->score(i);
            auto found = best.find(value);
            if (found == best.end())
                best.insert(value, score);
            else
                *found = std::max(*found, score);
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
