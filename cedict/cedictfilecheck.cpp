#include "cedict/cedictfilecheck.h"

#include "cedict/big5codec.h"
#include "cedict/big5line.h"
#include "cedict/utf8line.h"

#include <QFileInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 formatSampleLength = 64 * 1024;
constexpr int linesBetweenCancelChecks = 4096;
// Undecodable lines tolerated per thousand considered lines.
constexpr qint64 undecodablePerMille = 1;

bool isBig5Entry(const Big5Line &parsed)
{
    // A first gloss too long for the scan is stored as no gloss, yet the line is an entry.
    return !parsed.tecken.isEmpty() && (!parsed.reading.isEmpty() || !parsed.glosses[0].isEmpty());
}

bool isCjk(char32_t c)
{
    if (QChar::script(c) == QChar::Script_Han || QChar::script(c) == QChar::Script_Bopomofo)
        return true;
    return (c >= 0x3000 && c <= 0x303F) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool holdsCjk(QStringView text)
{
    for (const char32_t c : text.toUcs4()) {
        if (isCjk(c))
            return true;
    }
    return false;
}

// The bytes before the first blank, "[" or "/".
QByteArrayView big5Headword(QByteArrayView line)
{
    qsizetype end = 0;
    while (end < line.size() && line[end] != ' ' && line[end] != '[' && line[end] != '/')
        ++end;
    return line.first(end);
}

// "#! entries=116937" -> entries, 116937; lines of any other form -> empty key.
std::pair<QByteArray, QByteArray> headerSetting(QByteArrayView line)
{
    if (!line.startsWith("#!"))
        return {};
    const QByteArray setting = line.sliced(2).toByteArray().replace(' ', "").trimmed();
    const qsizetype equals = setting.indexOf('=');
    if (equals <= 0)
        return {};
    return {setting.first(equals).toLower(), setting.sliced(equals + 1)};
}

bool namesFormat(const QByteArray &charset, CedictFormat format)
{
    const QByteArray lower = charset.toLower();
    return format == CedictFormat::Utf8 ? lower == "utf-8" || lower == "utf8"
                                        : lower == "big5" || lower == "big-5";
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

std::optional<CedictFormat> CedictFileCheck::expectedFormat(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"b5")
        return CedictFormat::Big5;
    if (suffix == u"u8" || suffix == u"txt")
        return CedictFormat::Utf8;
    return std::nullopt;
}

CedictFileCheck CedictFileCheck::inspect(QByteArrayView content,
                                         std::optional<CedictFormat> expected,
                                         const std::atomic<bool> *cancel)
{
    CedictFileCheck check;
    check.nulOffset = content.indexOf('\0');
    if (check.nulOffset >= 0) {
        check.verdict = Verdict::NulByte;
        return check;
    }
    const QByteArrayView head = content.first(std::min(content.size(), formatSampleLength));
    check.format =
        expected ? *expected : detectCedictFormat(head, content.size() <= formatSampleLength);

    Big5Codec codec;
    ContentLines lines(content);
    QByteArrayView line;
    qint64 lineNumber = 0;
    bool lastWasWholeEntry = true;
    for (int sinceCancelCheck = 0; lines.next(line); ++sinceCancelCheck) {
        ++lineNumber;
        if (sinceCancelCheck == linesBetweenCancelChecks) {
            sinceCancelCheck = 0;
            if (cancel && cancel->load(std::memory_order_relaxed)) {
                check.verdict = Verdict::Stopped;
                return check;
            }
        }
        if (line.startsWith("\xEF\xBB\xBF"))
            line = line.sliced(3); // a byte order mark
        const QByteArrayView trimmed = line.trimmed();
        lastWasWholeEntry = true;
        if (trimmed.isEmpty() || trimmed.startsWith('#')) {
            const auto [key, value] = headerSetting(trimmed);
            if (key == "entries") {
                bool ok = false;
                const qint64 entries = value.toLongLong(&ok);
                check.headerEntries = ok ? entries : -1;
            } else if (key == "charset" && expected && !namesFormat(value, *expected)) {
                check.headerCharset = QString::fromLatin1(value);
                check.verdict = Verdict::CharsetMismatch;
                return check;
            }
            continue;
        }
        ++check.consideredLines;
        bool entry = false;
        QString headword;
        if (check.format == CedictFormat::Big5) {
            if (!isAscii(line) && codec.decode(line).contains(QChar::ReplacementCharacter))
                ++check.undecodableLines;
            const Big5Line parsed = Big5Line::parse(line);
            entry = isBig5Entry(parsed);
            if (entry)
                headword = codec.decode(big5Headword(trimmed));
        } else {
            const QString text = QString::fromUtf8(line);
            if (text.contains(QChar::ReplacementCharacter))
                ++check.undecodableLines;
            const std::optional<Utf8Line> parsed = Utf8Line::parse(text);
            entry = parsed.has_value();
            if (entry)
                headword = parsed->traditional;
        }
        check.entryLines += entry;
        check.cjkHeadwords += entry && holdsCjk(headword);
        lastWasWholeEntry = entry && trimmed.endsWith('/');
        if (!lastWasWholeEntry)
            check.lastLineNumber = lineNumber;
    }

    const bool endsWithBreak = content.endsWith('\n');
    if (check.entryLines == 0)
        check.verdict = Verdict::NoEntries;
    else if (check.undecodableLines * 1000 > check.consideredLines * undecodablePerMille)
        check.verdict = Verdict::Undecodable;
    else if (!endsWithBreak && !lastWasWholeEntry)
        check.verdict = Verdict::CutShort;
    // The header counts the lines that are no comment; the classic parse leaves out a few odd
    // ones (a headword too long for its scan) that are entries all the same.
    else if (check.headerEntries >= 0 && check.headerEntries != check.consideredLines)
        check.verdict = Verdict::EntryCountMismatch;
    else if (check.entryLines * 2 < check.consideredLines)
        check.verdict = Verdict::TooFewEntries;
    else if (check.cjkHeadwords * 2 < check.entryLines)
        check.verdict = Verdict::NotChinese;
    else
        check.verdict = Verdict::Accepted;
    return check;
}

QString CedictFileCheck::reason(bool swedish) const
{
    const QLocale locale = swedish ? QLocale(QLocale::Swedish, QLocale::Sweden)
                                   : QLocale(QLocale::English, QLocale::UnitedStates);
    const auto number = [&locale](qint64 n) { return locale.toString(n); };
    const QString encoding = format == CedictFormat::Big5 ? u"Big5"_s : u"UTF-8"_s;
    const auto text = [swedish](const QString &english, const QString &svenska) {
        return swedish ? svenska : english;
    };
    switch (verdict) {
    case Verdict::Accepted:
    case Verdict::Stopped:
        return {};
    case Verdict::NulByte:
        return text(
                   u"not a CEDICT file: it holds a NUL byte (at byte %1), so it is no text file"_s,
                   u"ingen CEDICT-fil: den har en NUL-byte (vid byte %1), så den är ingen textfil"_s)
            .arg(number(nulOffset + 1));
    case Verdict::CharsetMismatch:
        return text(u"its header says charset=%1, but a file of this name is read as %2"_s,
                    u"dess huvud säger charset=%1, men en fil med det här namnet läses som %2"_s)
            .arg(headerCharset, encoding);
    case Verdict::NoEntries:
        if (consideredLines == 0)
            return text(u"not a CEDICT file: it has no dictionary entries"_s,
                        u"ingen CEDICT-fil: den har inga ordboksposter"_s);
        [[fallthrough]];
    case Verdict::TooFewEntries:
        return text(u"not a CEDICT file: %1 of %2 lines are dictionary entries"_s,
                    u"ingen CEDICT-fil: %1 av %2 rader är ordboksposter"_s)
            .arg(number(entryLines), number(consideredLines));
    case Verdict::CutShort:
        return text(u"the file is cut short: its last line (line %1) is not a whole entry"_s,
                    u"filen är avkortad: dess sista rad (rad %1) är ingen hel post"_s)
            .arg(number(lastLineNumber));
    case Verdict::Undecodable:
        return text(u"the text is not %1: %2 of %3 lines hold bytes that %1 cannot read"_s,
                    u"texten är inte %1: %2 av %3 rader har byte som %1 inte kan läsa"_s)
            .arg(encoding, number(undecodableLines), number(consideredLines));
    case Verdict::EntryCountMismatch:
        return text(u"the file's header promises %1 entries, but it holds %2; it may be cut "
                    u"short or damaged"_s,
                    u"filens huvud utlovar %1 poster, men den har %2; den kan vara avkortad "
                    u"eller skadad"_s)
            .arg(number(headerEntries), number(consideredLines));
    case Verdict::NotChinese:
        return text(u"the text is not %1 Chinese: only %2 of %3 headwords hold Chinese "
                    u"characters"_s,
                    u"texten är inte kinesiska i %1: bara %2 av %3 uppslagsord har kinesiska "
                    u"tecken"_s)
            .arg(encoding, number(cjkHeadwords), number(entryLines));
    }
    return {};
}
