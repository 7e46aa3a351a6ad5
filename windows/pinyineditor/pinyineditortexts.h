#pragma once

#include "pinyin/documentfile.h"

#include <QString>

// The captions of one language edition of the pinyin editor: Form1 (English) or Pinyinedit
// (Swedish).
struct PinyinEditorTexts
{
    QString objectName, windowTitle;
    QString label1, label2; // font size, colours
    QString textColor, backColor, check1;
    QString printMenuName, printMenu, printItemName, printItem;
    QString textMenu, copyUnicode, convertToneNumbers;
    QString open, openTitle, saveAsText, saveTitle, textFiles;
    DocumentFile::Messages files;
    QString unsavedQuestion;
    QString fontSizeTip;
    QString help; // Text14

    static const PinyinEditorTexts &english();
    static const PinyinEditorTexts &swedish();
};
