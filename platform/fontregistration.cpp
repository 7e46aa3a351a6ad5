#include "platform/fontregistration.h"

#include "app/fontinstaller.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QHash>

namespace {

QStringList addFontFile(const QString &path)
{
    // Adding a file twice would list its family twice in the font dialogs.
    static QHash<QString, QStringList> added;
    const QString key = QFileInfo(path).absoluteFilePath();
    if (const auto known = added.constFind(key); known != added.constEnd())
        return *known;

    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) {
        qCDebug(lcFonts) << "font not registered, missing or unreadable:" << path;
        return {};
    }
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    added.insert(key, families);
    return families;
}

} // namespace

RegisteredFonts registerProgramFonts(const QString &programFolder)
{
    const QDir folder(programFolder);
    RegisteredFonts fonts;
    fonts.pinyinFamilies = addFontFile(folder.filePath(ProgramFonts::pinyinFile));
    fonts.chineseFamilies = addFontFile(folder.filePath(ProgramFonts::chineseFile));

    if (fonts.chineseFamilies.isEmpty()) {
        qCDebug(lcFonts) << "no Chinese font to stand in for" << ProgramFonts::chineseAlias;
        return fonts;
    }
    // Qt keeps each substitute once, however often it is inserted.
    QFont::insertSubstitution(ProgramFonts::chineseAlias, fonts.chineseFamilies.first());
    return fonts;
}
