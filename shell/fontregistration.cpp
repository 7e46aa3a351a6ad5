#include "shell/fontregistration.h"

#include "platform/programfonts.h"

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

// The fallbacks by family name: they are system fonts, which fontconfig knows already. Asking Qt
// whether it knows a family would read the whole font list before the first frame.
QStringList fallbackFamilies()
{
    QStringList families;
    for (const ProgramFonts::FallbackFont &font : ProgramFonts::chineseFallbacks) {
        if (QFileInfo::exists(font.file))
            families << QString(font.family);
        else
            qCDebug(lcFonts) << "no fallback font" << font.family
                             << "(scripts/setup.sh installs it)";
    }
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
    // Qt keeps each substitute once, however often it is inserted. It looks through the
    // substitutes of the name asked for only, not theirs: the fallbacks go under both names.
    const QString chinese = fonts.chineseFamilies.first();
    fonts.fallbackFamilies = fallbackFamilies();
    QFont::insertSubstitutions(ProgramFonts::chineseAlias,
                               QStringList{chinese} + fonts.fallbackFamilies);
    QFont::insertSubstitutions(chinese, fonts.fallbackFamilies);
    return fonts;
}
