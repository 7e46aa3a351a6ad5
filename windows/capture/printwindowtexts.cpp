#include "windows/capture/printwindowtexts.h"

using namespace Qt::StringLiterals;

const PrintWindowTexts &PrintWindowTexts::swedish()
{
    static const PrintWindowTexts texts = [] {
        PrintWindowTexts t;
        t.windowTitle = u"Utskrifter av tecken"_s;
        t.cmdPrint = u"&Skriv ut"_s;
        t.cmdDelete = u"Ta &bort bild"_s;
        t.cmdThumbSize = u"Skapa &full teckenlista"_s;
        t.label1 = u"Välj bibliotek genom att dubbelklicka på önskat bibliotek"_s;
        t.printDialogTitle = u"Skriv ut tumnaglar"_s;
        t.thumbSizeTip = u"Miniatyrernas bredd och höjd i bildpunkter"_s;
        return t;
    }();
    return texts;
}
