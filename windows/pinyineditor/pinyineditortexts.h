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
    QString openFailed, notText, tooLarge, saveFailed; // %1 the file, %2 the reason or size
    QString unsavedQuestion;
    QString fontSizeTip;
    QString help; // Text14

    // What to tell about a file that could not be opened or saved; empty when all went well.
    QString fileProblem(const QString &path, const DocumentFile::Result &result) const;

    static const PinyinEditorTexts &english();
    static const PinyinEditorTexts &swedish();
};
