#include "cedict/big5line.h"

namespace {

constexpr qsizetype headwordScan = 30;
constexpr qsizetype readingScan = 60;
constexpr qsizetype firstGlossScan = 150;
constexpr qsizetype glossScan = 60;

// The line with 1-based positions; a position past either end holds no character.
class Positions
{
public:
    explicit Positions(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }

    qsizetype length() const { return m_bytes.size(); }
    bool is(qsizetype pos, char c) const
    {
        return pos >= 1 && pos <= m_bytes.size() && m_bytes[pos - 1] == c;
    }
    QByteArrayView mid(qsizetype pos, qsizetype count) const
    {
        if (pos < 1 || pos > m_bytes.size())
            return {};
        return m_bytes.sliced(pos - 1, std::min(count, m_bytes.size() - pos + 1));
    }
    // Smallest i in [from, to] with "/" at start + i, or 0.
    qsizetype slashAfter(qsizetype start, qsizetype from, qsizetype to) const
    {
        for (qsizetype i = from; i <= to; ++i) {
            if (is(start + i, '/'))
                return i;
        }
        return 0;
    }

private:
    QByteArrayView m_bytes;
};

QByteArrayView leftTrimmed(QByteArrayView text)
{
    while (!text.isEmpty() && text.front() == ' ')
        text = text.sliced(1);
    return text;
}

bool keepsHexCode(uchar byte)
{
    return (byte >= 0x21 && byte <= 0x2F) || (byte >= 0x3A && byte <= 0x7E) || byte >= 0xA1;
}

} // namespace

QByteArray headwordHex(QByteArrayView headword)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    QByteArray hex;
    hex.reserve(headword.size() * 2);
    for (const char c : headword) {
        const uchar byte = uchar(c);
        if (!keepsHexCode(byte))
            continue;
        hex.append(digits[byte >> 4]);
        hex.append(digits[byte & 0xF]);
    }
    return hex;
}

Big5Line Big5Line::parse(QByteArrayView bytes)
{
    Big5Line result;
    const Positions line(bytes);

    qsizetype h = 1;
    while (h <= headwordScan && !line.is(1 + h, '[') && !line.is(1 + h, '/'))
        ++h;
    if (h > headwordScan) {
        // No anchor for the reading and gloss scans: the line gives an empty record.
        result.noHeadword = true;
        return result;
    }
    result.tecken = headwordHex(line.mid(1, h));

    // The reading text is noted before P moves past "[", so a one-character reading is lost.
    qsizetype p = h;
    bool bracketSeen = false;
    qsizetype closingBracket = 0;
    QByteArrayView noted;
    for (qsizetype j = 1; j <= readingScan; ++j) {
        noted = leftTrimmed(line.mid(p, j));
        if (line.is(p + j, '[')) {
            p += j + 1;
            bracketSeen = true;
        }
        if (bracketSeen && line.is(p + j, ']')) {
            closingBracket = p + j;
            break;
        }
    }

    qsizetype start = 0;
    if (closingBracket > 0) {
        result.reading = noted.toByteArray();
        start = closingBracket + 3; // past "] /"
    } else if (!bracketSeen) {
        start = h + 2; // the headword ended at a "/"
    } else {
        // An unclosed reading is no reading; the glosses still begin after the next "/".
        result.unclosedReading = true;
        const qsizetype slash = bytes.indexOf('/', p - 1);
        if (slash < 0)
            return result;
        start = slash + 2;
    }

    // The first gloss's closing "/" is looked for from its second character on.
    qsizetype width = line.slashAfter(start, 2, firstGlossScan);
    if (width == 0) {
        result.glossesCut = start <= line.length();
        return result;
    }
    result.glosses[0] = line.mid(start, width).toByteArray();
    for (size_t n = 1;; ++n) {
        start += width + 1;
        if (start >= line.length())
            return result;
        if (n == result.glosses.size()) {
            result.extraGlosses = true;
            return result;
        }
        width = line.slashAfter(start, 1, glossScan);
        if (width == 0) {
            result.glossesCut = true;
            return result;
        }
        result.glosses[n] = line.mid(start, width).toByteArray();
    }
}
