#pragma once

#include <QCoreApplication>
#include <QString>

// Values the windows hand to each other.
namespace Globals {

inline int uiLanguage = 0; // 1 English main window chosen, 2 Swedish, 0 not yet
inline QString backgroundPath;
inline int selectedRadical = 0;

inline QString &programFolderOverride()
{
    static QString folder;
    return folder;
}

// The folder of the executable, where the stores, fonts, pictures and help pages lie.
inline QString programFolder()
{
    const QString &folder = programFolderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

inline void setProgramFolder(const QString &folder)
{
    programFolderOverride() = folder;
}

} // namespace Globals
