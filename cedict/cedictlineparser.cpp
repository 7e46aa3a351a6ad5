#include "cedict/cedictlineparser.h"

#include "cedict/big5codec.h"
#include "cedict/big5codetable.h"
#include "cedict/big5line.h"
#include "cedict/cedictimporter.h"
#include "cedict/utf8line.h"
#include "cedict/wordtablewriter.h"

using namespace Qt::StringLiterals;

namespace {

// A CEDICT line is a few hundred bytes; anything longer is not text worth keeping whole.
constexpr qsizetype maxLineLength = 64 * 1024;

constexpr int unknownCode = -2;
constexpr int noCode = -1;
constexpr int twoBytes = 0x10000;

void appendHex(QByteArray &out, uint value, int digits)
{
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out.append(hexDigits[(value >> shift) & 0xF]);
}

// Most glosses and every reading are ASCII, which needs no conversion.
void appendUtf8(QByteArray &out, QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            out.append(text.toUtf8());
            return;
        }
    }
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char *bytes = out.data() + start;
    for (const QChar c : text)
        *bytes++ = char(c.unicode());
}

} // namespace

CedictLineParser::CedictLineParser(CedictFormat format, const Big5CodeTable &codes,
                                   CedictImportSummary &counts)
    : m_format(format)
    , m_codes(codes)
    , m_counts(counts)
    , m_big5Codes(0x10000, unknownCode)
{
}

bool CedictLineParser::parse(QByteArrayView line, ImportedWord &record)
{
    record.clear();
    if (m_format == CedictFormat::Utf8)
        return parseUtf8(line, record);
    // An overlong line keeps its first maxLineLength bytes; the Big5 scans never reach that far.
    parseBig5(line.first(std::min(line.size(), maxLineLength)), record);
    return true;
}

void CedictLineParser::parseBig5(QByteArrayView bytes, ImportedWord &record)
{
    const Big5Line line = Big5Line::parse(bytes);
    m_counts.linesWithoutHeadword += line.noHeadword;
    m_counts.unclosedReadings += line.unclosedReading;
    m_counts.glossScansCut += line.glossesCut;
    m_counts.linesWithExtraGlosses += line.extraGlosses;

    const auto appendDecoded = [this](QByteArray &out, QByteArrayView big5) {
        if (isAscii(big5))
            out.append(big5);
        else
            out.append(m_codec.decode(big5).toUtf8());
    };
    if (!line.tecken.isEmpty()) {
        record.tecken.append(line.tecken);
        // An ASCII byte is a character of its own (the letters of "AA制"), as in UTF-8 files;
        // a Big5 character is a lead byte and a trail byte, looked up together.
        const QByteArrayView hex = line.tecken;
        for (qsizetype k = 0; k < hex.size();) {
            const uint byte =
                hex.sliced(k, std::min<qsizetype>(2, hex.size() - k)).toUInt(nullptr, 16);
            if (byte < 0x80 && k + 2 <= hex.size()) {
                record.teckenkoder.append("&H00");
                record.teckenkoder.append(hex.sliced(k, 2));
                k += 2;
                continue;
            }
            const QString unicode =
                m_codes.unicodeFor(hex.sliced(k, std::min<qsizetype>(4, hex.size() - k)));
            if (unicode.isNull())
                ++m_counts.unknownCodes;
            appendUtf8(record.teckenkoder, unicode);
            k += 4;
        }
    }
    if (!line.reading.isEmpty())
        appendDecoded(record.pinyin, line.reading);
    for (size_t i = 0; i < line.glosses.size(); ++i) {
        if (!line.glosses[i].isEmpty())
            appendDecoded(record.translations[i], line.glosses[i]);
    }
}

bool CedictLineParser::parseUtf8(QByteArrayView line, ImportedWord &record)
{
    const QString text = QString::fromUtf8(line); // drops a byte order mark
    const QStringView trimmed = QStringView(text).trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u'#')) {
        ++m_counts.nonEntryLines;
        return false;
    }
    // A line cut short is no entry.
    const std::optional<Utf8Line> entry =
        line.size() > maxLineLength ? std::nullopt : Utf8Line::parse(text);
    if (!entry) {
        ++m_counts.malformedLines;
        return false;
    }

    // A headword's Big5 is the Big5 of its characters one after the other.
    for (const QChar c : entry->traditional) {
        const int code = big5Code(c);
        if (code == noCode) {
            record.tecken.resize(0);
            ++m_counts.headwordsWithoutBig5;
            break;
        }
        appendHex(record.tecken, uint(code) & 0xFFFF, code >= twoBytes ? 4 : 2);
    }
    const QStringView headword = entry->traditional;
    for (qsizetype i = 0; i < headword.size(); ++i) {
        const QChar c = headword[i];
        if (c.isHighSurrogate() && i + 1 < headword.size() && headword[i + 1].isLowSurrogate()) {
            ++m_counts.charactersOutsideBmp; // a character code has room for 16 bits only
            ++i;
            continue;
        }
        record.teckenkoder.append("&H");
        appendHex(record.teckenkoder, c.unicode(), 4);
    }
    appendUtf8(record.pinyin, entry->reading);

    const qsizetype last = qsizetype(record.translations.size()) - 1;
    for (qsizetype i = 0; i < entry->glosses.size() && i < last; ++i)
        appendUtf8(record.translations[size_t(i)], entry->glosses.at(i));
    // The tenth field takes every gloss from the tenth on, so nothing is dropped.
    if (entry->glosses.size() > last)
        appendUtf8(record.translations[size_t(last)], entry->glosses.sliced(last).join(u" / "_s));
    return true;
}

int CedictLineParser::big5Code(QChar c)
{
    if (c.isSurrogate())
        return noCode; // outside the BMP, where Big5 has nothing
    int &code = m_big5Codes[c.unicode()];
    if (code == unknownCode) {
        const std::optional<QByteArray> bytes = m_codec.encode(QStringView(&c, 1));
        if (!bytes || bytes->isEmpty() || bytes->size() > 2)
            code = noCode;
        else if (bytes->size() == 1)
            code = uchar(bytes->at(0));
        else
            code = twoBytes | (uchar(bytes->at(0)) << 8) | uchar(bytes->at(1));
    }
    return code;
}
