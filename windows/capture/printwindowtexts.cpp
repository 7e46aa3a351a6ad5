#include "windows/capture/printwindowtexts.h"

using namespace Qt::StringLiterals;

const PrintWindowTexts &PrintWindowTexts::forLanguage(Language language)
{
    static const PrintWindowTexts swedish = [] {
        PrintWindowTexts t;
        t.windowTitle = u"Utskrifter av tecken"_s;
        t.cmdPrint = u"&Skriv ut"_s;
        t.cmdDelete = u"Ta &bort bild"_s;
        t.cmdThumbSize = u"Skapa &full teckenlista"_s;
        t.label1 = u"Välj bibliotek genom att dubbelklicka på önskat bibliotek"_s;
        t.printDialogTitle = u"Skriv ut tumnaglar"_s;
        t.thumbSizeTip = u"Miniatyrernas bredd och höjd i bildpunkter"_s;
        t.deleteQuestion = u"Ta bort bilden %1?"_s;
        t.notACapture = u"%1 är ingen av programmets egna bilder i temp och tas inte bort här."_s;
        t.notDeleted = u"%1 kunde inte tas bort."_s;
        return t;
    }();
    static const PrintWindowTexts english = [] {
        PrintWindowTexts t;
        t.windowTitle = u"Printing of characters"_s;
        t.cmdPrint = u"&Print"_s;
        t.cmdDelete = u"&Delete picture"_s;
        t.cmdThumbSize = u"Make &full character list"_s;
        t.label1 = u"Choose a folder by double-clicking it"_s;
        t.printDialogTitle = u"Print thumbnails"_s;
        t.thumbSizeTip = u"Width and height of the thumbnails in pixels"_s;
        t.deleteQuestion = u"Delete the picture %1?"_s;
        t.notACapture = u"%1 is not one of the program's own pictures in temp, so it is not "
                        u"deleted here."_s;
        t.notDeleted = u"%1 could not be deleted."_s;
        return t;
    }();
    return language == Language::Swedish ? swedish : english;
}
