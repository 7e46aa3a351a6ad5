#pragma once

// Handwriting made from a character's medians, the way a careful learner might draw it: the
// strokes in writing order, each resampled every 20 units and given some wobble. The same
// seed gives the same ink.
//
// Wobble 1.0: the character scaled by 0.85..1.0 about the centre and moved by up to 40 units,
// each stroke moved by up to 15 units, each point jittered by a smoothed noise of up to 8.
// Wobble 0: the medians as they are (resampled).

#include "handwriting/recognizer.h"

#include <QtGlobal>

namespace SyntheticInk {

Ink fromMedians(const QList<QPolygonF> &medians, quint32 seed, double wobble = 1.0);

} // namespace SyntheticInk
