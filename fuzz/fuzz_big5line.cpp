// A line of a Big5 CEDICT file, any bytes: the headword comes out as upper-case hex pairs of
// the bytes the rule keeps, the glosses fill from the first without gaps, and a line without
// a headword gives nothing else.

#include "cedict/big5line.h"
#include "fuzzcheck.h"

namespace {

bool isUpperHexPairs(const QByteArray &hex)
{
    if (hex.size() % 2 != 0)
        return false;
    for (const char c : hex) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView line(reinterpret_cast<const char *>(data), qsizetype(size));
    const Big5Line parsed = Big5Line::parse(line);
    FUZZ_CHECK(isUpperHexPairs(parsed.tecken), parsed.tecken);
    FUZZ_CHECK(parsed.tecken.size() <= 2 * 31, parsed.tecken);
    // Every byte the hex keeps comes back from it.
    const QByteArray hex = headwordHex(line);
    FUZZ_CHECK(isUpperHexPairs(hex) && headwordHex(QByteArray::fromHex(hex)) == hex, hex);

    if (parsed.noHeadword) {
        FUZZ_CHECK(parsed.tecken.isEmpty() && parsed.reading.isEmpty() &&
                       parsed.glosses[0].isEmpty(),
                   line.toByteArray());
    }
    bool gap = false;
    for (const QByteArray &gloss : parsed.glosses) {
        FUZZ_CHECK(!(gap && !gloss.isEmpty()), line.toByteArray());
        gap = gap || gloss.isEmpty();
        FUZZ_CHECK(gloss.size() <= 150, gloss);
    }
    FUZZ_CHECK(!parsed.extraGlosses || !parsed.glosses.back().isEmpty(), line.toByteArray());
    return 0;
}
