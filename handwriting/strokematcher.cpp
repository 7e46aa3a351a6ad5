#include "handwriting/strokematcher.h"

#include "handwriting/strokestore.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Enough to tell a hook from a straight stroke; more only costs time.
constexpr int pointsPerStroke = 8;
// What a stroke drawn too many or left out costs: about a stroke put somewhere else.
constexpr float missingStrokeCost = 0.3f;

// Each stroke as pointsPerStroke points evenly along its length, and the whole scaled by its
// longer side into the unit box, centred: where and how large one writes does not count.
std::vector<float> normalised(const QList<QPolygonF> &strokes)
{
    double left = 0, top = 0, right = 0, bottom = 0;
    bool first = true;
    for (const QPolygonF &stroke : strokes) {
        for (const QPointF &p : stroke) {
            left = first ? p.x() : std::min(left, p.x());
            right = first ? p.x() : std::max(right, p.x());
            top = first ? p.y() : std::min(top, p.y());
            bottom = first ? p.y() : std::max(bottom, p.y());
            first = false;
        }
    }
    const double side = std::max({right - left, bottom - top, 1.0});
    const QPointF centre((left + right) / 2, (top + bottom) / 2);
    std::vector<float> points;
    points.reserve(size_t(strokes.size()) * pointsPerStroke * 2);
    for (const QPolygonF &stroke : strokes) {
        double length = 0;
        for (qsizetype i = 1; i < stroke.size(); ++i)
            length += QLineF(stroke.at(i - 1), stroke.at(i)).length();
        qsizetype segment = 1;
        double walked = 0; // the length of the segments before segment
        for (int k = 0; k < pointsPerStroke; ++k) {
            const double at = length * k / (pointsPerStroke - 1);
            while (segment + 1 < stroke.size() &&
                   walked + QLineF(stroke.at(segment - 1), stroke.at(segment)).length() < at) {
                walked += QLineF(stroke.at(segment - 1), stroke.at(segment)).length();
                ++segment;
            }
            QPointF p = stroke.first();
            if (stroke.size() > 1) {
                const QLineF line(stroke.at(segment - 1), stroke.at(segment));
                p = line.length() > 0
                        ? line.pointAt(std::clamp((at - walked) / line.length(), 0.0, 1.0))
                        : line.p2();
            }
            const QPointF unit = (p - centre) / side + QPointF(0.5, 0.5);
            points.push_back(float(unit.x()));
            points.push_back(float(unit.y()));
        }
    }
    return points;
}

float strokeDistance(const float *a, const float *b)
{
    float sum = 0;
    for (int k = 0; k < pointsPerStroke; ++k) {
        const float dx = a[2 * k] - b[2 * k], dy = a[2 * k + 1] - b[2 * k + 1];
        sum += std::sqrt(dx * dx + dy * dy);
    }
    return sum / pointsPerStroke;
}

} // namespace

void StrokeMatcher::build(const StrokeStore &store, const std::function<bool(char32_t)> &include)
{
    m_characters.clear();
    m_points.clear();
    for (char32_t c : store.characters()) {
        if (include && !include(c))
            continue;
        const std::optional<CharacterStrokes> strokes = store.strokes(c);
        QList<QPolygonF> medians;
        for (const QPolygonF &median : strokes ? strokes->medians : QList<QPolygonF>()) {
            if (!median.isEmpty())
                medians.append(median);
        }
        if (medians.isEmpty())
            continue;
        const std::vector<float> points = normalised(medians);
        m_characters.push_back({c, int(medians.size()), m_points.size()});
        m_points.insert(m_points.end(), points.begin(), points.end());
    }
    std::sort(m_characters.begin(), m_characters.end(), [](const Indexed &a, const Indexed &b) {
        return a.strokes != b.strokes ? a.strokes < b.strokes : a.character < b.character;
    });
    const int most = m_characters.empty() ? 0 : m_characters.back().strokes;
    m_firstWithStrokes.assign(size_t(most) + 2, m_characters.size());
    for (size_t i = m_characters.size(); i-- > 0;)
        m_firstWithStrokes[size_t(m_characters[i].strokes)] = i;
    for (size_t count = size_t(most); count-- > 0;)
        m_firstWithStrokes[count] =
            std::min(m_firstWithStrokes[count], m_firstWithStrokes[count + 1]);
}

QList<StrokeMatch> StrokeMatcher::match(const Ink &ink, int limit) const
{
    QList<QPolygonF> drawn;
    for (const QPolygonF &stroke : ink) {
        if (!stroke.isEmpty())
            drawn.append(stroke);
    }
    if (drawn.isEmpty() || limit <= 0 || m_characters.empty())
        return {};
    const std::vector<float> ink_points = normalised(drawn);
    const int n = int(drawn.size());
    const int most = int(m_firstWithStrokes.size()) - 2;
    const int low = std::clamp(n - strokeCountSlack, 0, most + 1);
    const int high = std::clamp(n + strokeCountSlack + 1, 0, most + 1);
    const size_t begin = m_firstWithStrokes[size_t(low)];
    const size_t end = m_firstWithStrokes[size_t(high)];

    // The strokes are aligned in order as in an edit distance: a drawn stroke is matched with
    // the next median, or is one too many, or a median was left out. Pairings further off the
    // diagonal than a few strokes cost more in gaps than any match saves, so are not tried.
    constexpr int band = strokeCountSlack + 3;
    constexpr float far = std::numeric_limits<float>::infinity();
    std::vector<float> previous, current;
    std::vector<std::pair<float, char32_t>> found; // distance, character
    found.reserve(end - begin);
    for (size_t index = begin; index < end; ++index) {
        const Indexed &entry = m_characters[index];
        const int m = entry.strokes;
        previous.assign(size_t(m) + 1, far);
        for (int j = 0; j <= std::min(m, band); ++j)
            previous[size_t(j)] = float(j) * missingStrokeCost;
        current.assign(size_t(m) + 1, far);
        for (int i = 1; i <= n; ++i) {
            const int from = std::max(1, i - band), to = std::min(m, i + band);
            current[0] = i <= band ? float(i) * missingStrokeCost : far;
            if (from > 1)
                current[size_t(from - 1)] = far;
            const float *a = ink_points.data() + size_t(i - 1) * pointsPerStroke * 2;
            for (int j = from; j <= to; ++j) {
                const float *b =
                    m_points.data() + entry.firstPoint + size_t(j - 1) * pointsPerStroke * 2;
                current[size_t(j)] = std::min({previous[size_t(j - 1)] + strokeDistance(a, b),
                                               previous[size_t(j)] + missingStrokeCost,
                                               current[size_t(j - 1)] + missingStrokeCost});
            }
            if (to < m)
                current[size_t(to + 1)] = far;
            std::swap(previous, current);
        }
        found.emplace_back(previous[size_t(m)] / float(std::max(n, m)), entry.character);
    }
    const size_t kept = std::min(found.size(), size_t(limit));
    std::partial_sort(found.begin(), found.begin() + qsizetype(kept), found.end());
    QList<StrokeMatch> matches;
    matches.reserve(qsizetype(kept));
    for (size_t i = 0; i < kept; ++i)
        matches.append({QString::fromUcs4(&found[i].second, 1), double(found[i].first)});
    return matches;
}
