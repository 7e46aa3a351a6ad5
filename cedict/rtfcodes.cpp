#include "cedict/rtfcodes.h"

#include <QMimeData>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool fiveDigits(QStringView text)
{
    return text.size() == 5 && std::all_of(text.begin(), text.end(), isDigit);
}

void append(RtfCodeList &list, int number)
{
    // RTF's \u takes a signed 16-bit number; anything outside it names no character.
    const QString code = rtfCharacterCode(number);
    if (!code.isEmpty())
        list.append({number, code});
}

// Groups whose text is not document text: tables, document information, pictures.
bool isDestination(QStringView word)
{
    static const QStringList words = {u"fonttbl"_s,
                                      u"colortbl"_s,
                                      u"stylesheet"_s,
                                      u"info"_s,
                                      u"pict"_s,
                                      u"object"_s,
                                      u"listtable"_s,
                                      u"listoverridetable"_s,
                                      u"revtbl"_s,
                                      u"rsidtbl"_s,
                                      u"xmlnstbl"_s,
                                      u"filetbl"_s,
                                      u"generator"_s,
                                      u"themedata"_s,
                                      u"datastore"_s,
                                      u"latentstyles"_s,
                                      u"colorschememapping"_s,
                                      u"fldinst"_s};
    return words.contains(word);
}

} // namespace

RtfCodeList scanRtfCodes(QStringView rtf)
{
    RtfCodeList list;
    QStringView s = rtf;
    while (s.size() > 1) {
        // The "?" at index at, the five digits at at-6 .. at-2, the delimiter at at-1.
        qsizetype found = -1;
        for (qsizetype at = s.indexOf(u'?', 6); at >= 0; at = s.indexOf(u'?', at + 1)) {
            if (fiveDigits(s.sliced(at - 6, 5))) {
                found = at;
                break;
            }
        }
        if (found < 0)
            break;
        const int digits = s.sliced(found - 6, 5).toInt();
        append(list, found >= 7 && s[found - 7] == u'-' ? -digits : digits);
        // Go on from the delimiter, so the next escape may follow this one directly.
        s = s.sliced(found - 1);
    }
    return list;
}

RtfCodeList rtfUnicodeEscapes(QStringView rtf)
{
    RtfCodeList list;
    QList<bool> skipped{false}; // per open group
    bool groupStart = false;    // only "{" or "{\*" read so far in this group
    bool ignorable = false;     // the group began with \*
    const qsizetype n = rtf.size();
    qsizetype at = 0;
    while (at < n) {
        const QChar c = rtf[at];
        if (c == u'{') {
            skipped.append(skipped.last());
            groupStart = true;
            ignorable = false;
            ++at;
            continue;
        }
        if (c == u'}') {
            if (skipped.size() > 1)
                skipped.removeLast();
            groupStart = false;
            ++at;
            continue;
        }
        if (c != u'\\' || at + 1 >= n) {
            // Line breaks in RTF source are not text.
            if (c != u'\r' && c != u'\n')
                groupStart = false;
            ++at;
            continue;
        }
        const QChar next = rtf[at + 1];
        if (!isLetter(next)) {
            // A control symbol: \' takes two hex digits, \* marks an ignorable destination.
            if (next == u'*' && groupStart)
                ignorable = true;
            else
                groupStart = false;
            at += next == u'\'' ? 4 : 2;
            continue;
        }
        qsizetype end = at + 1;
        while (end < n && isLetter(rtf[end]))
            ++end;
        const QStringView word = rtf.sliced(at + 1, end - at - 1);
        qsizetype p = end < n && rtf[end] == u'-' ? end + 1 : end;
        const qsizetype digitsStart = p;
        while (p < n && isDigit(rtf[p]))
            ++p;
        const bool hasNumber = p > digitsStart && p - digitsStart <= 9;
        const int number = hasNumber ? rtf.sliced(end, p - end).toInt() : 0;
        if (p == digitsStart)
            p = end; // a lone "-" is text, not part of the word
        if (p < n && rtf[p] == u' ')
            ++p;
        if (groupStart) {
            // \ud holds the Unicode form of an \upr pair: its text is the one to read.
            if ((ignorable && word != u"ud") || isDestination(word))
                skipped.last() = true;
            groupStart = false;
        }
        if (word == u"bin" && hasNumber && number > 0) {
            p += number; // binary data, not to be read as RTF
        } else if (word == u"u" && hasNumber && !skipped.last()) {
            append(list, number);
        }
        at = p;
    }
    return list;
}

RtfCodeList plainTextCodes(QStringView text)
{
    RtfCodeList list;
    for (const QChar c : text) {
        // U+FFFD stands for bytes that were no text: nothing to look up.
        if (c.unicode() < 0x80 || c.isSpace() || c.category() == QChar::Other_Control ||
            c.category() == QChar::Other_Format || c == QChar::ReplacementCharacter)
            continue;
        append(list, c.unicode());
    }
    return list;
}

RtfCodeList copiedCodes(QStringView rtf, QStringView plainText)
{
    RtfCodeList list = scanRtfCodes(rtf);
    if (list.isEmpty())
        list = rtfUnicodeEscapes(rtf);
    if (list.isEmpty())
        list = plainTextCodes(plainText);
    return list;
}

RtfCodeList copiedCodes(const QMimeData *data)
{
    if (!data)
        return {};
    return copiedCodes(rtfText(data), data->hasText() ? data->text() : QString());
}

QString rtfText(const QMimeData *data)
{
    if (!data)
        return {};
    for (const QString &format : {u"text/rtf"_s, u"application/rtf"_s, u"text/richtext"_s}) {
        if (data->hasFormat(format)) {
            // RTF is 7-bit text; stray 8-bit bytes stay one character each.
            const QByteArray bytes = data->data(format);
            if (!bytes.isEmpty())
                return QString::fromLatin1(bytes);
        }
    }
    return {};
}

QString rtfCharacterCode(int number)
{
    if (number < -32768 || number > 0xFFFF)
        return {};
    const uint value = number < 0 ? uint(number + 0x10000) : uint(number);
    return u"&H"_s + u"%1"_s.arg(value, 4, 16, QChar(u'0')).toUpper();
}

QStringList characterCodes(const RtfCodeList &list)
{
    QStringList codes;
    codes.reserve(list.size());
    for (const RtfCode &entry : list)
        codes << entry.code;
    return codes;
}
