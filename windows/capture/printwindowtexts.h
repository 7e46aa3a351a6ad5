#pragma once

#include <QString>

// The captions of the print window; it has one edition, in Swedish, opened from both main
// windows.
struct PrintWindowTexts
{
    QString windowTitle;
    QString cmdPrint, cmdDelete, cmdThumbSize;
    QString label1;
    QString printDialogTitle;
    QString thumbSizeTip;

    static const PrintWindowTexts &swedish();
};
