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
        t.saveAsText = u"Save as text..."_s;
        t.saveTitle = u"Save as text"_s;
        t.textFiles = u"Text files (*.txt)"_s;
        t.saveFailed = u"The text could not be saved in %1: %2\nAn older file there is unchanged."_s;
        t.fontSizeTip = u"A whole number of points from 1 to 500"_s;
        t.help = u"How to write pinyin with tone marks\n\n"
                 "Type a vowel followed at once by its tone number, as a1 for the first tone, and "
                 "the two turn into the vowel with its tone mark: a1 ā, a2 á, a3 ǎ, a4 à. Type the "
                 "number right after the vowel that carries the mark and go on with the rest of "
                 "the syllable: ha3o gives hǎo, ni3 ha3o gives nǐ hǎo.\n\n"
                 "Type y for ü: ly3 gives lǚ (lu:3 works too). Capital vowels take marks as well: "
                 "A4 gives À.\n\n"
                 "To change the size, enter a number in the box and press Enter. To change a "
                 "colour, choose Text color or Background color and click the colour map.\n\n"
                 "The text is written in the font Ovrek's PinYin Serif. You can copy it into "
                 "other editors that use the same font: the font is available to all programs "
                 "(pyserif.ttf in the program folder) and you can send it along to your reader. "
                 "For programs without the font, use Text > Copy as Unicode pinyin (Ctrl+Shift+C) "
                 "or Text > Save as text...: they give standard Unicode tone marks that every "
                 "program shows.\n\n"
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
        t.saveAsText = u"Spara som text..."_s;
        t.saveTitle = u"Spara som text"_s;
        t.textFiles = u"Textfiler (*.txt)"_s;
        t.saveFailed = u"Texten kunde inte sparas i %1: %2\nEn äldre fil där är oförändrad."_s;
        t.fontSizeTip = u"Ett heltal från 1 till 500 punkter"_s;
        t.help = u"Så skriver du pinyin med tontecken\n\n"
                 "Skriv en vokal och direkt efter den dess tonsiffra, till exempel a1 för första "
                 "tonen, så blir de två vokalen med tontecken: a1 ā, a2 á, a3 ǎ, a4 à. Skriv "
                 "siffran direkt efter den vokal som ska ha tecknet och fortsätt sedan med resten "
                 "av stavelsen: ha3o ger hǎo, ni3 ha3o ger nǐ hǎo.\n\n"
                 "ü skrivs som y: ly3 ger lǚ (lu:3 går också). Stora vokaler får också tecken: "
                 "A4 ger À.\n\n"
                 "Storleken ändrar du genom att skriva ett tal i rutan och trycka Enter. En färg "
                 "väljer du genom att välja förgrund (Textfärg) eller bakgrund (Bakgrundsfärg) "
                 "och klicka på färgkartan.\n\n"
                 "Texten skrivs med typsnittet Ovrek's PinYin Serif. Du kan kopiera den till "
                 "andra editorer som använder samma typsnitt: det finns tillgängligt för alla "
                 "program (pyserif.ttf i programmappen) och du kan skicka med det till den som "
                 "ska läsa. För program utan typsnittet, använd Text > Kopiera som Unicode-pinyin "
                 "(Ctrl+Skift+C) eller Text > Spara som text...: de ger vanliga Unicode-tontecken "
                 "som alla program visar."_s;
        return t;
    }();
    return texts;
}
