// Tone numbers to Unicode pinyin, any text: never lengthens the text, keeps everything that is
// not pinyin and leaves text without tone digits as it is.

#include "fuzzcheck.h"
#include "pinyin/tonemarks.h"

namespace {

bool isPinyinUnit(QChar c)
{
    // Letters, their marked forms (Latin-1 and Latin Extended), combining marks, tone digits
    // (the neutral tone's too, which goes).
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u':' ||
           (c >= u'0' && c <= u'5') || (c.unicode() >= 0xC0 && c.unicode() <= 0x24F) ||
           (c.unicode() >= 0x300 && c.unicode() <= 0x36F) ||
           (c.unicode() >= 0x1E00 && c.unicode() <= 0x1EFF);
}

QString withoutPinyin(const QString &text)
{
    QString rest;
    for (const QChar c : text) {
        if (!isPinyinUnit(c))
            rest += c;
    }
    return rest;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    const QString unicode = toneNumbersToUnicode(text);
    FUZZ_CHECK(unicode.size() <= text.size(), text << unicode);
    FUZZ_CHECK(withoutPinyin(unicode) == withoutPinyin(text), text << unicode);
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'5'; }))
        FUZZ_CHECK(unicode == text, text << unicode);
    return 0;
}
