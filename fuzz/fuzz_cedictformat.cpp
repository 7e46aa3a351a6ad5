// The start of a file, any bytes: a charset header put in front decides the format, and a
// sample is judged by its whole lines.

#include "cedict/cedictformat.h"
#include "fuzzcheck.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray head(reinterpret_cast<const char *>(data), qsizetype(size));
    // What follows the last line end of a sample (half a line, half a character) is not judged.
    const qsizetype lastLineEnd = head.lastIndexOf('\n');
    if (lastLineEnd >= 0) {
        FUZZ_CHECK(detectCedictFormat(head, false) ==
                       detectCedictFormat(head.first(lastLineEnd + 1), true),
                   head);
    }
    FUZZ_CHECK(detectCedictFormat("#! charset=UTF-8\n" + head, true) == CedictFormat::Utf8, head);
    FUZZ_CHECK(detectCedictFormat("#! charset=Big5\r\n" + head, false) == CedictFormat::Big5, head);
    return 0;
}
