#include "windows/pinyineditor/pinyineditortexts.h"

using namespace Qt::StringLiterals;

const PinyinEditorTexts &PinyinEditorTexts::english()
{
    static const PinyinEditorTexts texts = [] {
        PinyinEditorTexts t;
        t.objectName = u"Form1"_s;
        t.windowTitle = u"Free pinyin editor from Brenvik"_s;
        t.label1 = u"Choose font size by enter a number below and press enter."_s;
        t.label2 = u"Choose fore and back ground color."_s;
        t.textColor = u"Text color"_s;
        t.backColor = u"Background color"_s;
        t.check1 = u"Help"_s;
        t.printMenuName = u"ad"_s;
        t.printMenu = u"Print"_s;
        t.printItemName = u"print"_s;
        t.printItem = u"Print text"_s;
        t.textMenu = u"Text"_s;
        t.copyUnicode = u"Copy as Unicode pinyin"_s;
        t.convertToneNumbers = u"Convert tone numbers"_s;
        t.open = u"Open..."_s;
        t.openTitle = u"Open text"_s;
        t.saveAsText = u"Save as text..."_s;
        t.saveTitle = u"Save as text"_s;
        t.textFiles = u"Text files (*.txt);;All files (*)"_s;
        t.files.openFailed = u"The file %1 could not be opened: %2"_s;
        t.files.notText = u"The file %1 is not a text file in UTF-8, so it was not opened."_s;
        t.files.tooLarge = u"The file %1 is larger than %2 MB, too large for the editor."_s;
        t.files.saveFailed =
            u"The text could not be saved in %1: %2\nAn older file there is unchanged."_s;
        t.unsavedQuestion = u"The text has changes that have not been saved. Save them first?"_s;
        t.fontSizeTip = u"A whole number of points from 1 to 500"_s;
        t.help = u"How to write pinyin with tone marks\n\n"
                 "Type a syllable followed at once by its tone number and the syllable gets its "
                 "tone mark: hao3 gives hǎo, zhong1guo2 gives zhōngguó, Ou1zhou1 gives Ōuzhōu. "
                 "The mark goes where standard pinyin puts it: on a or e, on the o of ou, "
                 "otherwise on the last vowel. Tone 5 (or 0) is the neutral tone: de5 gives de. "
                 "A number that follows no pinyin syllable, as in 2024 or 3 books, stays a "
                 "number.\n\n"
                 "Type v (or u:) for ü: nv3 gives nǚ, lu:4 gives lǜ.\n\n"
                 "Pasted text stays as it is. To mark tone numbers in pasted text, select it (or "
                 "select nothing for the whole text) and choose Text > Convert tone numbers "
                 "(Ctrl+T).\n\n"
                 "The text is Unicode pinyin: Ctrl+C, Ctrl+X, dragging and Text > Copy as Unicode "
                 "pinyin (Ctrl+Shift+C) give other programs the same letters you see, ǎ and ǚ "
                 "included, and Save as text writes UTF-8 that every program reads. Text > "
                 "Open... reads UTF-8 text.\n\n"
                 "To change the size, enter a number in the box and press Enter. To change a "
                 "colour, choose Text color or Background color and click the colour map.\n\n"
                 "Brenvik: ordbok@brenvik.se. Home page: Internet > Brenvik's home page in the "
                 "dictionary's menu."_s;
        return t;
    }();
    return texts;
}

const PinyinEditorTexts &PinyinEditorTexts::swedish()
{
    static const PinyinEditorTexts texts = [] {
        PinyinEditorTexts t;
        t.objectName = u"Pinyinedit"_s;
        t.windowTitle = u"Pinyin editor "_s;
        t.label1 = u"Välj storlek på typsnittet genom att ange ett tal nedan, tryck enter."_s;
        t.label2 = u"Välj förgrunds och bakgrunds färger."_s;
        t.textColor = u"Textfärg"_s;
        t.backColor = u"Bakgrundsfärg"_s;
        t.check1 = u"Hjälp"_s;
        t.printMenuName = u"pr"_s;
        t.printMenu = u"Utskrift"_s;
        t.printItemName = u"printout"_s;
        t.printItem = u"Utskrift"_s;
        t.textMenu = u"Text"_s;
        t.copyUnicode = u"Kopiera som Unicode-pinyin"_s;
        t.convertToneNumbers = u"Konvertera tonsiffror"_s;
        t.open = u"Öppna..."_s;
        t.openTitle = u"Öppna text"_s;
        t.saveAsText = u"Spara som text..."_s;
        t.saveTitle = u"Spara som text"_s;
        t.textFiles = u"Textfiler (*.txt);;Alla filer (*)"_s;
        t.files.openFailed = u"Filen %1 kunde inte öppnas: %2"_s;
        t.files.notText = u"Filen %1 är ingen textfil i UTF-8, så den öppnades inte."_s;
        t.files.tooLarge = u"Filen %1 är större än %2 MB, för stor för editorn."_s;
        t.files.saveFailed =
            u"Texten kunde inte sparas i %1: %2\nEn äldre fil där är oförändrad."_s;
        t.unsavedQuestion = u"Texten har ändringar som inte har sparats. Spara dem först?"_s;
        t.fontSizeTip = u"Ett heltal från 1 till 500 punkter"_s;
        t.help = u"Så skriver du pinyin med tontecken\n\n"
                 "Skriv en stavelse och direkt efter den dess tonsiffra, så får stavelsen sitt "
                 "tontecken: hao3 ger hǎo, zhong1guo2 ger zhōngguó, Ou1zhou1 ger Ōuzhōu. Tecknet "
                 "hamnar där vanlig pinyin sätter det: på a eller e, på o:et i ou, annars på den "
                 "sista vokalen. Ton 5 (eller 0) är den neutrala tonen: de5 ger de. En siffra som "
                 "inte följer en pinyinstavelse, som i 2024 eller 3 böcker, förblir en siffra.\n\n"
                 "ü skrivs som v (eller u:): nv3 ger nǚ, lu:4 ger lǜ.\n\n"
                 "Inklistrad text förblir som den är. För att sätta tontecken i inklistrad text, "
                 "markera den (eller ingenting för hela texten) och välj Text > Konvertera "
                 "tonsiffror (Ctrl+T).\n\n"
                 "Texten är Unicode-pinyin: Ctrl+C, Ctrl+X, att dra texten och Text > Kopiera som "
                 "Unicode-pinyin (Ctrl+Skift+C) ger andra program samma bokstäver som du ser, "
                 "även ǎ och ǚ, och Spara som text skriver UTF-8 som alla program läser. Text > "
                 "Öppna... läser UTF-8-text.\n\n"
                 "Storleken ändrar du genom att skriva ett tal i rutan och trycka Enter. En färg "
                 "väljer du genom att välja förgrund (Textfärg) eller bakgrund (Bakgrundsfärg) "
                 "och klicka på färgkartan."_s;
        return t;
    }();
    return texts;
}
