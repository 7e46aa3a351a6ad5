#include "windows/mainwindow/mainwindowtexts.h"

using namespace Qt::StringLiterals;

const MainWindowTexts &MainWindowTexts::english()
{
    static const MainWindowTexts texts = [] {
        MainWindowTexts t;
        t.windowTitle = u"Free Chinese / Asian dictionary from Brenvik"_s;
        t.label1 = u"Search on English words"_s;
        t.label2 = u"Search on Pinyin"_s;
        t.searchMore = u"Search more"_s;
        t.exactSpelling = u"Exact spelling"_s;
        t.command1 = u"Translate to traditional form"_s;
        t.command3 = u"Translate to simplified form"_s;
        t.check1 = u"Simplified characters"_s;
        t.radicals = u"Radicals"_s;
        t.noRadicals = u"No radicals"_s;
        t.command9 = u"Search on radical/strokes"_s;
        t.command11 = u"Search on a specific radical"_s;
        t.command17 = u"Number of strokes"_s;
        t.label5 = u"Search on radicals/strokes"_s;
        t.label6 = u"Radicals for each character with number and additional number of strokes."_s;
        t.command9Tip = u"Enter the radical and the additional strokes in the form: 2.3"_s;
        t.command11Tip = u"Enter a radical number and see all characters with that radical."_s;
        t.command17Tip = u"The total number of strokes of a character"_s;
        t.text21Tip = u"Search on a character's radical. Write in the form:  2.3"_s;
        t.translateAllTo = u"Translate all to:"_s;
        t.mandarin = u"Mandarin"_s;
        t.cantonese = u"Cantonese"_s;
        t.japaneseKun = u"Japanese \"kun\""_s;
        t.japaneseOn = u"Japanese \"on\""_s;
        t.korean = u"Korean"_s;
        t.details = u"Details"_s;
        t.word = u"Word"_s;
        t.character = u"Character"_s;
        t.codeTable = u"Codes"_s;
        t.codeString = u"Character codes"_s;
        t.wordPinyin = u"Pinyin"_s;
        t.translation = u"Translation"_s;
        t.shownCodes = u"Shown word"_s;
        t.unicodeCode = u"Unicode"_s;
        t.big5Code = u"Big5"_s;
        t.characterCode = u"Code"_s;
        t.simplifiedForm = u"Simplified form"_s;
        t.radicalKey = u"Radical"_s;
        t.reading = u"Mandarin"_s;
        t.meanings = u"Meaning"_s;
        t.kun = u"Japanese kun"_s;
        t.on = u"Japanese on"_s;
        t.simplifiedRecord = u"Simplified record"_s;
        t.backgroundNotStored = u"The background was not kept for the next start: its path "
                                u"is longer than 140 bytes (%1)."_s;
        t.fontNotStored = u"%1 is used now, but its name is too long to be kept for the next "
                          u"start."_s;
        t.listedHeader = u"%1 characters listed, the most common first"_s;
        t.printRadicals = u"Radicals:"_s;
        return t;
    }();
    return texts;
}

const MainWindowTexts &MainWindowTexts::swedish()
{
    static const MainWindowTexts texts = [] {
        MainWindowTexts t;
        t.windowTitle = u"Gratis kinesisk / asiatisk ordbok från Brenvik"_s;
        t.label1 = u"Sök ord på engelska"_s;
        t.label2 = u"Sök ord på pinyin"_s;
        t.searchMore = u"Sök mer"_s;
        t.exactSpelling = u"Exakt stavning"_s;
        t.command1 = u"Översätt till traditionell form"_s;
        t.command3 = u"Översätt till förenklad form"_s;
        t.check1 = u"Förenklade tecken"_s;
        t.radicals = u"Radikaler"_s;
        t.noRadicals = u"Ej radikaler"_s;
        t.command9 = u"Sök radikaler/streck"_s;
        t.command11 = u"Sök alla med den radikalen"_s;
        t.command17 = u"Antal streck"_s;
        t.label5 = u"Sök på radikal/streck"_s;
        t.label6 = u"Radikaler för varje tecken med radikalnummer/ytterligare antal streck"_s;
        t.command9Tip = u"Ange radikalen och ytterligare streck i formen: 2.3"_s;
        t.command11Tip = u"Ange ett radikalnummer och se alla tecken med den radikalen."_s;
        t.command17Tip = u"Det totala antalet streck i ett tecken"_s;
        t.text21Tip = u"Sök på ett teckens radikal. Skriv i formen:  2.3"_s;
        t.translateAllTo = u"Sök alla tecken"_s;
        t.mandarin = u"Mandarin"_s;
        t.cantonese = u"Kantonesiska"_s;
        t.japaneseKun = u"Japanska \"kun\""_s;
        t.japaneseOn = u"Japanska \"on\""_s;
        t.korean = u"Koreanska"_s;
        t.details = u"Detaljer"_s;
        t.word = u"Ord"_s;
        t.character = u"Tecken"_s;
        t.codeTable = u"Koder"_s;
        t.codeString = u"Teckenkoder"_s;
        t.wordPinyin = u"Pinyin"_s;
        t.translation = u"Översättning"_s;
        t.shownCodes = u"Visat ord"_s;
        t.unicodeCode = u"Unicode"_s;
        t.big5Code = u"Big5"_s;
        t.characterCode = u"Kod"_s;
        t.simplifiedForm = u"Förenklad form"_s;
        t.radicalKey = u"Radikal"_s;
        t.reading = u"Mandarin"_s;
        t.meanings = u"Betydelse"_s;
        t.kun = u"Japanska kun"_s;
        t.on = u"Japanska on"_s;
        t.simplifiedRecord = u"Förenklad post"_s;
        t.backgroundNotStored = u"Bakgrunden sparades inte till nästa start: sökvägen är "
                                u"längre än 140 byte (%1)."_s;
        t.fontNotStored = u"%1 används nu, men namnet är för långt för att sparas till nästa "
                          u"start."_s;
        t.listedHeader = u"%1 tecken i listan, de vanligaste först"_s;
        t.printRadicals = u"Radikaler:"_s;
        return t;
    }();
    return texts;
}

QString MainWindowTexts::countMessage(const CharacterList &list)
{
    switch (list.search) {
    case CharacterList::Search::Radical:
        return u"Hittade %1 tecken med radikal N.r: "_s.arg(list.count) + list.typed;
    case CharacterList::Search::Strokes:
        return u"Hittade %1 tecken med "_s.arg(list.count) + list.typed + u" streck"_s;
    case CharacterList::Search::Chart:
        break;
    }
    return {};
}
