#pragma once

#include <QFont>
#include <QString>

// The font documents print in when no window chose one: DejaVu Serif for Latin text, then the
// program's Chinese font with its fallbacks, added to this process from the program folder.
// Needs a QGuiApplication.
QFont programPrintFont(const QString &programFolder, double pointSize);
