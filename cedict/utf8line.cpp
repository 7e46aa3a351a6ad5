#include "cedict/utf8line.h"

namespace {

// The next blank-separated word of rest, which moves past it.
QStringView takeWord(QStringView &rest)
{
    rest = rest.trimmed();
    qsizetype end = 0;
    while (end < rest.size() && !rest[end].isSpace())
        ++end;
    const QStringView word = rest.first(end);
    rest = rest.sliced(end);
    return word;
}

} // namespace

std::optional<Utf8Line> Utf8Line::parse(QStringView line)
{
    QStringView rest = line.trimmed();
    if (rest.isEmpty() || rest.startsWith(u'#'))
        return std::nullopt;

    Utf8Line entry;
    entry.traditional = takeWord(rest).toString();
    entry.simplified = takeWord(rest).toString();
    rest = rest.trimmed();
    if (entry.simplified.isEmpty() || entry.simplified.startsWith(u'[') ||
        entry.simplified.startsWith(u'/'))
        return std::nullopt;

    if (rest.startsWith(u'[')) {
        const qsizetype close = rest.indexOf(u']');
        if (close < 0)
            return std::nullopt;
        entry.reading = rest.sliced(1, close - 1).trimmed().toString();
        rest = rest.sliced(close + 1).trimmed();
    }
    if (!rest.startsWith(u'/'))
        return std::nullopt;
    rest = rest.sliced(1);
    if (rest.endsWith(u'/'))
        rest.chop(1);
    for (const QStringView gloss : rest.split(u'/')) {
        const QStringView trimmed = gloss.trimmed();
        if (!trimmed.isEmpty())
            entry.glosses << trimmed.toString();
    }
    return entry;
}
