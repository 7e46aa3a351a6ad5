#pragma once

#include "shell/language.h"

#include <QString>

// The captions of the print preview, in the language of the window that prints.
struct PrintPreviewTexts
{
    QString documentTitle;
    QString practiceTitle;
    QString pinyinAbove;
    QString perRow;
    QString squareSize;
    QString preparing;
    QString cancel;
    QString printFailed;
    QString nothingToPractise;

    static PrintPreviewTexts forLanguage(Language language);
};
