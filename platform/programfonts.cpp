#include "platform/programfonts.h"

#include <QDir>
#include <QFileInfo>

Q_LOGGING_CATEGORY(lcFonts, "ordbok.fonts")

QStringList ProgramFonts::chineseChainFiles(const QString &programFolder)
{
    QStringList files{QDir(programFolder).filePath(chineseFile)};
    for (const FallbackFont &font : chineseFallbacks)
        files << QString(font.file);
    files.removeIf([](const QString &file) { return !QFileInfo(file).isFile(); });
    return files;
}
