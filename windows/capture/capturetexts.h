#pragma once

#include <QString>

// The captions of the two capture windows: printpage, used by the main windows' "Print",
// and printpage2, used by the Chinese editor's "Print".
struct CaptureTexts
{
    QString objectName;
    QString windowTitle;
    QString cmdCaptureActive;
    QString busyMessage;

    static const CaptureTexts &printpage();
    static const CaptureTexts &printpage2();
};
