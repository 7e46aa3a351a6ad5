// A line of a UTF-8 CC-CEDICT file, any text: an entry written back in the file's own form
// parses to the same entry, and none of its pieces holds what separates them.

#include "cedict/utf8line.h"
#include "fuzzcheck.h"

using namespace Qt::StringLiterals;

namespace {

QString rendered(const Utf8Line &entry)
{
    QString line = entry.traditional + u' ' + entry.simplified + u' ';
    if (!entry.reading.isEmpty())
        line += u'[' + entry.reading + u"] "_s;
    return line + u'/' + entry.glosses.join(u'/') + u'/';
}

bool hasSpace(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<Utf8Line> entry = Utf8Line::parse(line);
    if (!entry)
        return 0;
    FUZZ_CHECK(!entry->traditional.isEmpty() && !entry->simplified.isEmpty(), line);
    FUZZ_CHECK(!hasSpace(entry->traditional) && !hasSpace(entry->simplified), line);
    FUZZ_CHECK(!entry->reading.contains(u']'), line);
    for (const QString &gloss : entry->glosses) {
        FUZZ_CHECK(!gloss.isEmpty() && !gloss.contains(u'/') && gloss == gloss.trimmed(), line);
    }
    const std::optional<Utf8Line> again = Utf8Line::parse(rendered(*entry));
    FUZZ_CHECK(again.has_value(), line << rendered(*entry));
    FUZZ_CHECK(again->traditional == entry->traditional && again->simplified == entry->simplified &&
                   again->reading == entry->reading && again->glosses == entry->glosses,
               line << rendered(*entry));
    return 0;
}
