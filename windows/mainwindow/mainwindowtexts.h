#pragma once

#include "dictionary/characterlist.h"

#include <QString>

// The captions of one language edition of the main window.
struct MainWindowTexts
{
    QString windowTitle;
    QString label1, label2; // search box labels
    QString searchMore, exactSpelling;
    QString command1, command3; // translate to traditional / simplified form
    QString check1, radicals, noRadicals;
    QString command9, command11, command17, label5, label6;
    QString command9Tip, command11Tip, command17Tip, text21Tip;
    QString translateAllTo;
    QString mandarin, cantonese, japaneseKun, japaneseOn, korean;
    QString details, word, character, codeTable;
    // Labels of the details panel.
    QString codeString, wordPinyin, translation, shownCodes, unicodeCode, big5Code;
    QString characterCode, simplifiedForm, radicalKey, reading, meanings, kun, on, simplifiedRecord;
    QString backgroundNotStored; // %1: the chosen file
    QString fontNotStored;       // %1: the chosen family
    QString listedHeader;        // first line of a character list; %1: characters listed
    QString printRadicals;       // before the radical keys on a printed word

    // Text21 after a radical or stroke search; both editions say it in Swedish.
    static QString countMessage(const CharacterList &list);

    static const MainWindowTexts &english();
    static const MainWindowTexts &swedish();
};
