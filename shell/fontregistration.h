#pragma once

#include <QString>
#include <QStringList>

// The families the program's own font files gave this process.
struct RegisteredFonts
{
    QStringList pinyinFamilies;
    QStringList chineseFamilies;
    // Tried, in order, for the characters the Chinese font lacks.
    QStringList fallbackFamilies;
};

// Adds pyserif.ttf and MSSONG.ttf from the program folder to this process's fonts and lets
// "MS Song" resolve to the Chinese font, then to ProgramFonts::chineseFallbacks. Run at every
// start, so the program draws correctly whether or not the fonts could be installed for the
// user. Needs a QGuiApplication; calling it again with the same folder adds nothing new.
RegisteredFonts registerProgramFonts(const QString &programFolder);
