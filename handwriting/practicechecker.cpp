#include "handwriting/practicechecker.h"

#include <QLineF>

namespace PracticeChecker {

StrokeVerdict check(const QPolygonF &drawn, const QPolygonF &median)
{
    StrokeVerdict verdict;
    if (drawn.isEmpty() || median.isEmpty())
        return verdict;
    verdict.startsNear = QLineF(drawn.first(), median.first()).length() <= nearDistance;
    verdict.endsNear = QLineF(drawn.last(), median.last()).length() <= nearDistance;
    const QPointF want = median.last() - median.first();
    const QPointF got = drawn.last() - drawn.first();
    const double wantLength = QLineF(QPointF(), want).length();
    const double gotLength = QLineF(QPointF(), got).length();
    if (wantLength < nearDistance / 2) {
        // A dot or a stroke that comes back near its start: its ends say enough.
        verdict.rightDirection = gotLength < nearDistance;
    } else {
        const double cosine =
            gotLength > 0 ? QPointF::dotProduct(want, got) / (wantLength * gotLength) : -1;
        verdict.rightDirection = cosine >= 0.5; // within 60 degrees
    }
    return verdict;
}

} // namespace PracticeChecker

PracticeSession::PracticeSession(const QList<QPolygonF> &medians)
    : m_medians(medians)
{
}

PracticeSession::Outcome PracticeSession::submit(const QPolygonF &drawn)
{
    if (finished() || drawn.isEmpty())
        return Outcome::Ignored;
    if (PracticeChecker::check(drawn, m_medians.at(m_current)).accepted()) {
        ++m_current;
        m_misses = 0;
        return Outcome::Accepted;
    }
    if (m_misses++ == 0)
        ++m_hinted;
    if (m_misses < missesBeforeShown)
        return Outcome::Hint;
    ++m_current;
    m_misses = 0;
    return Outcome::Shown;
}
