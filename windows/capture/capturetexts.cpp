#include "windows/capture/capturetexts.h"

using namespace Qt::StringLiterals;

namespace {
CaptureTexts twin(const QString &objectName)
{
    CaptureTexts t;
    t.objectName = objectName;
    t.windowTitle = u"Form1"_s;
    t.cmdCaptureActive = u"Screen capture"_s;
    t.busyMessage = u"Wait for prior operation to finish"_s;
    return t;
}
} // namespace

const CaptureTexts &CaptureTexts::printpage()
{
    static const CaptureTexts texts = twin(u"printpage"_s);
    return texts;
}

const CaptureTexts &CaptureTexts::printpage2()
{
    static const CaptureTexts texts = twin(u"printpage2"_s);
    return texts;
}
