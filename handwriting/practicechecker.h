#pragma once

// Checking a stroke written in practice against the character's median for it: accepted
// when it starts near the median's start, ends near its end and runs the same way.
// Everything is in the 1000 x 1000 box.
//
//     median (500,100)->(500,900): drawn (520,130)->(480,860) accepted;
//                                  drawn (500,900)->(500,100) rejected (backwards)

#include <QList>
#include <QPolygonF>

struct StrokeVerdict
{
    bool startsNear = false;
    bool endsNear = false;
    bool rightDirection = false;
    bool accepted() const { return startsNear && endsNear && rightDirection; }
};

namespace PracticeChecker {
// How far the drawn start and end may lie from the median's.
inline constexpr double nearDistance = 150.0;
StrokeVerdict check(const QPolygonF &drawn, const QPolygonF &median);
} // namespace PracticeChecker

// One practice run over a character's strokes, in order.
class PracticeSession
{
public:
    static constexpr int missesBeforeShown = 3;
    enum class Outcome {
        Accepted, // on to the next stroke
        Hint,     // missed: the expected stroke flashes
        Shown,    // the third miss: the stroke is drawn for the user, on to the next
        Ignored,  // the run was over already, or the stroke was empty
    };

    explicit PracticeSession(const QList<QPolygonF> &medians);

    Outcome submit(const QPolygonF &drawn);
    int current() const { return m_current; } // the stroke expected next
    int strokeCount() const { return int(m_medians.size()); }
    bool finished() const { return m_current >= strokeCount(); }
    int missesOnCurrent() const { return m_misses; }
    // Strokes that needed at least one hint, shown ones included.
    int hintedStrokes() const { return m_hinted; }

private:
    QList<QPolygonF> m_medians;
    int m_current = 0;
    int m_misses = 0;
    int m_hinted = 0;
};
