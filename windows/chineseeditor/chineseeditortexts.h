#pragma once

#include "pinyin/documentfile.h"

#include <QString>

// The editor's captions and messages. The window is the same in both editions of the program,
// in English; only its help page follows the language chosen at start.
struct ChineseEditorTexts
{
    QString windowTitle;
    // Menus and their items, by the object names they belong to.
    QString p, open, save, print, practice;
    QString ed, selall;
    QString f, font;
    QString fa, farg, tfarg, charcolor, txtc;
    QString tradsimp, wer, sdf;
    QString hg, elp;

    QString textFiles; // file dialog filter
    DocumentFile::Messages files;
    QString unsavedTitle;
    QString unsavedQuestion; // the document has changes: save them first?

    QString helpPageEnglish, helpPageSwedish; // file names beside the program

    static const ChineseEditorTexts &english();
};
