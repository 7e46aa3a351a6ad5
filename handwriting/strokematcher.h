#pragma once

// Recognition by the stroke store's own medians, whose writing order is known: the drawn
// strokes and each character's medians are brought into the same unit box and compared stroke
// by stroke in order, a drawn stroke too many or too few costing a fixed penalty. Only
// characters within two strokes of the drawn count are looked at, through an index by stroke
// count built once.
//
//     StrokeMatcher matcher;
//     matcher.build(store);                  // off the window thread: ~150 ms for all
//     matcher.match(ink, 10)                 -> {{"水", 0.03}, {"氷", 0.09}, ...}

#include "handwriting/recognizer.h"

#include <functional>
#include <vector>

class StrokeStore;

struct StrokeMatch
{
    QString character;
    double distance = 0; // mean distance per stroke in the unit box: 0 is the medians exactly
};

class StrokeMatcher
{
public:
    // Characters whose stroke count differs more from the drawn count are not looked at.
    static constexpr int strokeCountSlack = 2;

    // Indexes every character of the store that include accepts (all without it).
    void build(const StrokeStore &store, const std::function<bool(char32_t)> &include = {});
    int size() const { return int(m_characters.size()); }

    // Up to limit characters, nearest first; none for empty ink.
    QList<StrokeMatch> match(const Ink &ink, int limit) const;

private:
    struct Indexed
    {
        char32_t character;
        int strokes;
        size_t firstPoint; // into m_points, pointsPerStroke per stroke
    };
    std::vector<Indexed> m_characters;      // by stroke count, then code point
    std::vector<size_t> m_firstWithStrokes; // where each stroke count starts in m_characters
    std::vector<float> m_points;            // x, y pairs
};
