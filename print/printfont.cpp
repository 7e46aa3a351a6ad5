#include "print/printfont.h"

#include "platform/programfonts.h"

#include <QFontDatabase>

QFont programPrintFont(const QString &programFolder, double pointSize)
{
    QStringList families;
    for (const QString &file : ProgramFonts::chineseChainFiles(programFolder)) {
        const int id = QFontDatabase::addApplicationFont(file);
        if (id >= 0)
            families += QFontDatabase::applicationFontFamilies(id);
    }
    QFont font;
    if (!families.isEmpty())
        font.setFamilies(families);
    font.setPointSizeF(pointSize > 0 ? pointSize : 12.0);
    return font;
}
