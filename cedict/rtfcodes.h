#pragma once

// The character codes of copied Chinese text, taken out of the RTF that word processors put on
// the clipboard, where each character is a Unicode escape:
//
//     {\rtf1 ... \u20013 ?\u-24577 ?}   -> (20013, "&H4E2D"), (-24577, "&H9FFF")
//
// RTF numbers are signed 16-bit, so code points above U+7FFF may come as negative numbers; the
// character code is always the 16-bit value. A character outside the BMP is two escapes, one
// per UTF-16 half, and gives two entries, as CharacterCode::codeString does.

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class QMimeData;

struct RtfCode
{
    int number = 0; // as written in the escape: -24577 for U+9FFF
    QString code;   // "&H9FFF"

    friend bool operator==(const RtfCode &, const RtfCode &) = default;
};
using RtfCodeList = QList<RtfCode>;

// The escapes the code pages have always read: five digits, one delimiter, then the "?"
// fallback ("\u20013 ?"), with a "-" before the digits taken as the sign. Escapes with fewer
// digits (code points below U+2710) and every other way of writing the fallback are not seen.
RtfCodeList scanRtfCodes(QStringView rtf);

// Every \uN escape of the document text, however it is written: "\u20013?",
// "\u20013\'3f", "\uc0\u20013 ", any number of digits, negative or above 32767. Escapes inside
// the font table, style sheet, document information and other non-text groups are left out.
RtfCodeList rtfUnicodeEscapes(QStringView rtf);

// The characters of plain text that a word processor would have written as escapes: all but
// ASCII, blanks and control or format characters. The number is the UTF-16 value.
RtfCodeList plainTextCodes(QStringView text);

// The codes of a copy: the scan above first; when it finds none, the other escape forms; when
// the RTF has none either (or there is no RTF, as from most browsers), the plain text.
RtfCodeList copiedCodes(QStringView rtf, QStringView plainText);
RtfCodeList copiedCodes(const QMimeData *data);

// The RTF of a copy, under any of the names programs give it; empty when there is none.
QString rtfText(const QMimeData *data);

// "&H4E2D" for 20013 and for -45523 alike; empty for a number no 16-bit value can give.
QString rtfCharacterCode(int number);
QStringList characterCodes(const RtfCodeList &list);
