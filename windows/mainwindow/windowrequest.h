#pragma once

#include <QObject>

// The windows a main window's menu opens. The menu table names one for each such item; the
// application object's window table answers it. None: the item opens no window.
namespace WindowRequests {
Q_NAMESPACE

enum class Request {
    None,
    Print,
    SimplifiedRadicals,
    TraditionalRadicals,
    ChineseEditor,
    PinyinEditor,
    CedictSearch,
    CodeSearch,
    PageTranslator,
    CedictImport,
    DrawCharacter,
    ShowStrokes,
};
Q_ENUM_NS(Request)

} // namespace WindowRequests

using WindowRequest = WindowRequests::Request;
