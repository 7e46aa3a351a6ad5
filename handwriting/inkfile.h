#pragma once

// Strokes as text, one stroke per line, its points "x,y" separated by blanks, in the
// 1000 x 1000 box with y down:
//
//     "473,84 500,103 521,127\n147,403 209,412\n" -> two strokes of three and two points
//
// Blank lines are skipped; any other line that is not points is an error.

#include "handwriting/recognizer.h"

#include <QString>

#include <optional>

namespace InkFile {

// None on a malformed line; *error then names it.
std::optional<Ink> parse(const QString &text, QString *error = nullptr);
// "473,84 500,103": the points rounded to whole units.
QString formatStroke(const QPolygonF &stroke);

} // namespace InkFile
