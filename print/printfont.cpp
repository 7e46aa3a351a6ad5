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
    // Latin text in a serif face made for it; the Chinese font draws what that face lacks.
    families.prepend(QStringLiteral("DejaVu Serif"));
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize > 0 ? pointSize : 12.0);
    return font;
}
