#pragma once

#include "shell/language.h"

#include <QString>

// The captions of the print window, in the program's language.
struct PrintWindowTexts
{
    QString windowTitle;
    QString cmdPrint, cmdDelete, cmdThumbSize;
    QString label1;
    QString printDialogTitle;
    QString thumbSizeTip;
    QString deleteQuestion; // %1: the file
    QString notACapture;    // %1: the file
    QString notDeleted;     // %1: the file

    static const PrintWindowTexts &forLanguage(Language language);
};
