#pragma once

#include <QDir>
#include <QStandardPaths>
#include <QString>

// Files and folders every window finds in the same place.
namespace ProgramFiles {

// The tiled picture behind the windows until the user chooses another.
inline QString defaultBackground(const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("2.gif"));
}

// Where open and save dialogs start when the user has not chosen a folder yet.
inline QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace ProgramFiles
