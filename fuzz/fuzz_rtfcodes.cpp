// RTF from the clipboard, any text: every code found is the 16-bit value of its escape's
// number, and an escape added at the end is always the last one the code pages' scan finds.

#include "cedict/rtfcodes.h"
#include "fuzzcheck.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

void checkCodes(const RtfCodeList &list, const QString &rtf)
{
    static const QRegularExpression codeForm(u"^&H[0-9A-F]{4}$"_s);
    for (const RtfCode &entry : list) {
        FUZZ_CHECK(codeForm.match(entry.code).hasMatch(), rtf << entry.code);
        FUZZ_CHECK(entry.number >= -32768 && entry.number <= 0xFFFF, rtf << entry.number);
        FUZZ_CHECK(entry.code.sliced(2).toUInt(nullptr, 16) == (uint(entry.number) & 0xFFFF),
                   rtf << entry.number << entry.code);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // As rtfText() reads the clipboard: one character per byte.
    const QString rtf = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const RtfCodeList scanned = scanRtfCodes(rtf);
    checkCodes(scanned, rtf);
    checkCodes(rtfUnicodeEscapes(rtf), rtf);
    const RtfCodeList copied = copiedCodes(rtf, rtf);
    checkCodes(copied, rtf);
    FUZZ_CHECK(!scanned.isEmpty() ? copied == scanned : true, rtf);

    const RtfCodeList extended = scanRtfCodes(rtf + u"\\u20013 ?"_s);
    FUZZ_CHECK(!extended.isEmpty() && extended.last() == (RtfCode{20013, u"&H4E2D"_s}), rtf);
    FUZZ_CHECK(extended.size() >= scanned.size(), rtf);
    return 0;
}
