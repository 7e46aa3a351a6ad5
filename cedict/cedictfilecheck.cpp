#include "cedict/cedictfilecheck.h"

#include "cedict/big5line.h"
#include "cedict/utf8line.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 formatSampleLength = 64 * 1024;
constexpr int linesBetweenCancelChecks = 4096;

bool isBig5Entry(QByteArrayView line)
{
    // A first gloss too long for the scan is stored as no gloss, yet the line is an entry.
    const Big5Line parsed = Big5Line::parse(line);
    return !parsed.tecken.isEmpty() && (!parsed.reading.isEmpty() || !parsed.glosses[0].isEmpty());
}

} // namespace

bool ContentLines::next(QByteArrayView &line)
{
    if (m_position >= m_content.size())
        return false;
    const QByteArrayView rest = m_content.sliced(m_position);
    qsizetype end = rest.indexOf('\n');
    if (end < 0) {
        line = rest;
        m_position = m_content.size();
    } else {
        line = rest.first(end);
        m_position += end + 1;
    }
    if (line.endsWith('\r'))
        line.chop(1);
    return true;
}

CedictFileCheck CedictFileCheck::inspect(QByteArrayView content, const std::atomic<bool> *cancel)
{
    CedictFileCheck check;
    check.nulOffset = content.indexOf('\0');
    if (check.nulOffset >= 0) {
        check.verdict = Verdict::NulByte;
        return check;
    }
    check.format = detectCedictFormat(content.first(std::min(content.size(), formatSampleLength)),
                                      content.size() <= formatSampleLength);

    ContentLines lines(content);
    QByteArrayView line;
    for (int sinceCancelCheck = 0; lines.next(line); ++sinceCancelCheck) {
        if (sinceCancelCheck == linesBetweenCancelChecks) {
            sinceCancelCheck = 0;
            if (cancel && cancel->load(std::memory_order_relaxed)) {
                check.verdict = Verdict::Stopped;
                return check;
            }
        }
        if (check.format == CedictFormat::Big5) {
            const QByteArrayView trimmed = line.trimmed();
            if (trimmed.isEmpty() || trimmed.startsWith('#'))
                continue;
            ++check.consideredLines;
            check.entryLines += isBig5Entry(line);
            continue;
        }
        const QString text = QString::fromUtf8(line);
        const QStringView trimmed = QStringView(text).trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        ++check.consideredLines;
        check.entryLines += Utf8Line::parse(text).has_value();
    }

    if (check.entryLines == 0)
        check.verdict = Verdict::NoEntries;
    else if (check.entryLines * 2 < check.consideredLines)
        check.verdict = Verdict::TooFewEntries;
    else
        check.verdict = Verdict::Accepted;
    return check;
}

QString CedictFileCheck::reason() const
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    switch (verdict) {
    case Verdict::Accepted:
    case Verdict::Stopped:
        return {};
    case Verdict::NulByte:
        return u"not a CEDICT file: it holds a NUL byte (at byte %1), so it is no text file"_s.arg(
            english.toString(nulOffset + 1));
    case Verdict::NoEntries:
        if (consideredLines == 0)
            return u"not a CEDICT file: it has no dictionary entries"_s;
        [[fallthrough]];
    case Verdict::TooFewEntries:
        return u"not a CEDICT file: %1 of %2 lines are dictionary entries"_s.arg(
            english.toString(entryLines), english.toString(consideredLines));
    }
    return {};
}
