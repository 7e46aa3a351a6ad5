#include "cedict/cedictfilesearch.h"

#include "platform/regularfile.h"

#include "cedict/cedictlog.h"
#include "pinyin/tonemarks.h"

#include <QByteArrayView>

#include <algorithm>
#include <array>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype blockSize = 256 * 1024;
constexpr auto endMarker = "****** Search completed ******"_L1;

// How often each byte occurs in cedict.b5, per 100,000 bytes (the 2019 file; blanks capped).
// The rarest byte of the term is the one worth scanning for.
constexpr std::array<quint16, 256> byteFrequency{
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    1544, 0,    0,    1544, 0,    0,
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
    9999, 5,    13,   0,    0,    0,    0,    88,   553,  553,  0,    0,    318,  138,  146,  4206,
    44,   1224, 1153, 782,  1503, 87,   26,   24,   31,   53,   51,   30,   0,    0,    0,    10,
    41,   99,   115,  212,  105,  41,   78,   100,  163,  58,   104,  69,   159,  118,  78,   57,
    99,   70,   60,   173,  145,  43,   24,   87,   88,   104,  81,   1760, 12,   1771, 16,   30,
    21,   5480, 922,  1884, 1787, 5568, 1193, 2162, 2378, 5684, 423,  458,  2254, 1306, 5431, 4877,
    1209, 265,  3101, 2970, 4124, 2822, 489,  694,  422,  1146, 475,  41,   34,   29,   39,   0,
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
    0,    53,   21,   63,   563,  341,  323,  170,  200,  160,  223,  210,  155,  167,  173,  128,
    197,  138,  121,  171,  131,  145,  156,  121,  142,  136,  129,  113,  116,  113,  121,  122,
    122,  79,   103,  86,   83,   88,   59,   42,   29,   36,   43,   30,   26,   25,   29,   44,
    26,   48,   35,   52,   27,   37,   32,   29,   24,   19,   39,   50,   24,   20,   21,   36,
    30,   28,   32,   18,   23,   26,   43,   27,   37,   31,   39,   23,   40,   23,   23,   22,
    29,   27,   28,   27,   50,   39,   28,   39,   43,   36,   33,   24,   48,   19,   16,   0,
};

using Bytes = unsigned char __attribute__((vector_size(16)));

// The first occurrence of a term in [from, to). Sixteen places at a time are tested for the
// term's two rarest bytes at once, so a common letter in the term costs no more than a rare one.
class TermFinder
{
public:
    explicit TermFinder(QByteArrayView term)
        : m_term(term)
    {
        const auto rarest = [&](qsizetype skip) {
            qsizetype found = -1;
            for (qsizetype i = 0; i < term.size(); ++i) {
                // Ties go to the later byte, which differs more often between words.
                if (i != skip && (found < 0 || byteFrequency[uchar(term[i])] <=
                                                   byteFrequency[uchar(term[found])]))
                    found = i;
            }
            return found;
        };
        m_first = rarest(-1);
        m_second = rarest(m_first);
    }

    const char *find(const char *from, const char *to) const
    {
        const qsizetype size = m_term.size();
        if (size == 0)
            return from;
        if (to - from < size)
            return nullptr;
        if (size == 1)
            return static_cast<const char *>(memchr(from, m_term[0], to - from));
        const char *lastStart = to - size;
        const Bytes first = Bytes{} + uchar(m_term[m_first]);
        const Bytes second = Bytes{} + uchar(m_term[m_second]);
        const char *start = from;
        for (; lastStart - start >= 15; start += 16) {
            Bytes a;
            Bytes b;
            std::memcpy(&a, start + m_first, sizeof a);
            std::memcpy(&b, start + m_second, sizeof b);
            const auto both = (a == first) & (b == second);
            quint64 halves[2];
            std::memcpy(halves, &both, sizeof halves);
            if ((halves[0] | halves[1]) == 0)
                continue;
            for (int lane = 0; lane < 16; ++lane) {
                if (both[lane] && std::memcmp(start + lane, m_term.data(), size) == 0)
                    return start + lane;
            }
        }
        for (; start <= lastStart; ++start) {
            if (std::memcmp(start, m_term.data(), size) == 0)
                return start;
        }
        return nullptr;
    }

private:
    QByteArrayView m_term;
    qsizetype m_first = 0;  // the rarest byte's place in the term
    qsizetype m_second = 0; // the next rarest
};

// Line feeds in [from, to), sixteen bytes at a time: the line counter needs every line, the
// search looks only at the lines that hold the term.
qint64 countLineFeeds(const char *from, const char *to)
{
    constexpr Bytes lineFeeds = Bytes{} + '\n';
    qint64 count = 0;
    while (to - from >= 16) {
        // A byte lane counts up to 255 before it is added up.
        Bytes lanes{};
        for (int round = 0; round < 255 && to - from >= 16; ++round, from += 16) {
            Bytes bytes;
            std::memcpy(&bytes, from, sizeof bytes);
            lanes -= reinterpret_cast<Bytes>(bytes == lineFeeds); // a match is all ones: -1
        }
        for (int i = 0; i < 16; ++i)
            count += lanes[i];
    }
    for (; from < to; ++from)
        count += *from == '\n';
    return count;
}

// The character-boundary walk: a byte above 0xA0 opens a character and the next byte closes it,
// whatever that byte is. True when [from, at) ends between characters.
bool onCharacterBoundary(const char *from, const char *at)
{
    bool boundary = true;
    for (; from < at; ++from)
        boundary = !(uchar(*from) > 0xA0 && boundary);
    return boundary;
}

// The first limit bytes; a character cut in two loses its lead byte.
QByteArray cutAt(QByteArray bytes, qsizetype limit)
{
    if (bytes.size() <= limit)
        return bytes;
    bytes.truncate(limit);
    const qsizetype lineStart = bytes.lastIndexOf('\n') + 1;
    if (!onCharacterBoundary(bytes.constData() + lineStart, bytes.constData() + bytes.size()))
        bytes.chop(1);
    return bytes;
}

QString completedCaption(int shown, int matching, const QString &copied)
{
    QString caption;
    if (matching == 1)
        caption = u"  SEARCH COMPLETED:  One matching entry for  { "_s + copied + u" }"_s;
    else if (matching > 1)
        caption = u" SEARCH COMPLETED: "_s + QString::number(matching) +
                  u" matching entries for  { "_s + copied + u" }"_s;
    else
        return u" SEARCH COMPLETED"_s;
    // The list is cut at a size a results box shows at once: say so.
    if (shown < matching)
        caption += u"  ("_s + QString::number(shown) + u" shown)"_s;
    return caption;
}

} // namespace

CedictFileSearch::CedictFileSearch(const QString &filePath, const QString &copiedText,
                                   const QStringList &otherForms)
    : m_copiedTerm(copiedTerm(copiedText))
    , m_file(filePath)
{
    QStringList texts{toneMarksToNumbers(m_copiedTerm)};
    for (const QString &form : otherForms)
        texts << copiedTerm(form);
    texts.removeDuplicates();
    bool ascii = true;
    for (const QString &text : std::as_const(texts)) {
        const std::optional<QByteArray> bytes = searchBytes(text);
        // No line holds a line feed: such a term finds nothing.
        if (!bytes || bytes->contains('\n') ||
            std::find(m_terms.cbegin(), m_terms.cend(), *bytes) != m_terms.cend())
            continue;
        m_terms.push_back(*bytes);
        ascii = ascii &&
                std::all_of(bytes->cbegin(), bytes->cend(), [](char c) { return uchar(c) < 0x80; });
    }
    m_ignoreCase = ascii;
    if (m_terms.empty())
        m_done = true;
}

CedictSearchResult CedictFileSearch::run(const QString &filePath, const QString &copiedText,
                                         const QStringList &otherForms)
{
    CedictFileSearch search(filePath, copiedText, otherForms);
    while (search.searchMore()) {
    }
    return search.result();
}

QString CedictFileSearch::copiedTerm(const QString &copiedText)
{
    return copiedText.trimmed();
}

std::optional<QByteArray> CedictFileSearch::searchBytes(const QString &text)
{
    QString term = text;
    const bool ascii =
        std::all_of(term.cbegin(), term.cend(), [](QChar c) { return c.unicode() <= 127; });
    if (ascii)
        term = term.toLower();
    Big5Codec codec;
    if (!codec.isValid())
        return std::nullopt;
    return codec.encode(term);
}

QString CedictFileSearch::searchingCaption(const QString &copiedTerm)
{
    return u" Searching CEDICT for { "_s + copiedTerm + u" }"_s;
}

bool CedictFileSearch::searchMore()
{
    if (m_done)
        return false;
    // A FIFO or a device in its place would never end; a folder is no file.
    if (!m_file.isOpen() &&
        RegularFile::open(m_file, m_file.fileName(), maxFileBytes) != RegularFile::Refusal::None) {
        qCDebug(lcCedict) << "CEDICT search: cannot read" << m_file.fileName();
        m_done = true;
        return false;
    }
    if (m_buffer.size() - m_carried < blockSize / 2)
        m_buffer.resize(qMax<qsizetype>(blockSize, m_buffer.size() * 2));
    const qint64 got = m_file.read(m_buffer.data() + m_carried, m_buffer.size() - m_carried);
    const char *begin = m_buffer.constData();
    if (got <= 0) {
        if (got < 0)
            qCDebug(lcCedict) << "CEDICT search: read failed:" << m_file.errorString();
        searchBlock(begin, begin + m_carried, true);
        m_done = true;
    } else {
        const qsizetype filled = m_carried + got;
        const char *lastLineFeed = static_cast<const char *>(memrchr(begin, '\n', filled));
        // A line longer than the buffer waits for a bigger buffer.
        const char *end = lastLineFeed ? lastLineFeed + 1 : begin;
        searchBlock(begin, end, false);
        m_carried = begin + filled - end;
        std::memmove(m_buffer.data(), end, m_carried);
    }
    if (m_done) {
        m_file.close();
        m_buffer = QByteArray();
    }
    return !m_done;
}

void CedictFileSearch::searchBlock(const char *begin, const char *end, bool lastBlock)
{
    // Terms are found in a lower-case copy when case is ignored; lines are taken as they are.
    const char *text = begin;
    if (m_ignoreCase) {
        m_folded.resize(end - begin);
        char *folded = m_folded.data();
        for (const char *c = begin; c < end; ++c)
            *folded++ = (*c >= 'A' && *c <= 'Z') ? char(*c + ('a' - 'A')) : *c;
        text = m_folded.constData();
    }
    const char *textEnd = text + (end - begin);
    const auto original = [&](const char *at) { return begin + (at - text); };
    std::vector<TermFinder> finders;
    for (const QByteArray &term : m_terms)
        finders.emplace_back(term);
    // The first occurrence of any term.
    const auto findTerm = [&](const char *from, qsizetype *termSize) -> const char * {
        const char *first = nullptr;
        for (size_t i = 0; i < finders.size(); ++i) {
            const char *hit = finders[i].find(from, first ? first + m_terms[i].size() : textEnd);
            if (hit && (!first || hit < first)) {
                first = hit;
                *termSize = m_terms[i].size();
            }
        }
        return first;
    };

    const char *p = text;
    while (p < textEnd) {
        qsizetype termSize = 0;
        const char *hit = findTerm(p, &termSize);
        if (!hit)
            break;
        const char *lineFeedBefore = static_cast<const char *>(memrchr(p, '\n', hit - p));
        const char *lineStart = lineFeedBefore ? lineFeedBefore + 1 : p;
        const char *lineFeed = static_cast<const char *>(memchr(hit, '\n', textEnd - hit));
        const char *lineEnd = lineFeed ? lineFeed : textEnd;
        if (lineEnd > lineStart && lineEnd[-1] == '\r')
            --lineEnd;
        const qint64 line = m_lineCount + countLineFeeds(p, lineStart) + 1;
        // The progress display shows the results as they stood before this line.
        markProgress((line - 1) / progressInterval * progressInterval);
        m_lineCount = line;
        if (hit + termSize <= lineEnd) // else the term runs into the line's CR
            takeLine(original(lineStart), original(lineEnd), original(hit), termSize);
        if (line % progressInterval == 0)
            markProgress(line);
        p = lineFeed ? lineFeed + 1 : textEnd;
    }
    m_lineCount += countLineFeeds(p, textEnd);
    if (lastBlock && p < textEnd && textEnd[-1] != '\n')
        ++m_lineCount;
    markProgress(m_lineCount / progressInterval * progressInterval);
}

void CedictFileSearch::takeLine(const char *lineStart, const char *lineEnd, const char *hit,
                                qsizetype termSize)
{
    const qsizetype length = lineEnd - lineStart;
    const bool exact = hit == lineStart && length > termSize && lineStart[termSize] == ' ';
    if (!exact && !onCharacterBoundary(lineStart, hit))
        return;
    ++m_matchCount;
    if (m_full)
        return;
    if (exact)
        m_exactLines.push_back(QByteArray(lineStart, length) + "\r\n");
    else
        m_otherLines.append(lineStart, length).append("\r\n");
    m_resultSize += length + 2;
    m_changedSinceProgress = true;
    m_full = m_resultSize >= collectLimit;
}

void CedictFileSearch::markProgress(qint64 mark)
{
    if (mark <= m_progressLine)
        return;
    if (m_changedSinceProgress)
        m_progressBytes = resultBytes(progressLimit);
    m_changedSinceProgress = false;
    m_progressLine = mark;
}

QByteArray CedictFileSearch::resultBytes(qsizetype limit) const
{
    QByteArray bytes;
    bytes.reserve(qMin(m_resultSize, limit + 1));
    for (auto line = m_exactLines.crbegin(); line != m_exactLines.crend() && bytes.size() <= limit;
         ++line)
        bytes += *line;
    if (bytes.size() <= limit)
        bytes += QByteArrayView(m_otherLines).first(qMin(m_otherLines.size(), limit + 1));
    return cutAt(bytes, limit);
}

QStringList CedictFileSearch::decodeLines(const QByteArray &bytes, QString *unfinished)
{
    QStringList lines;
    qsizetype from = 0;
    for (qsizetype end; (end = bytes.indexOf("\r\n", from)) >= 0; from = end + 2)
        lines << bracketedToneNumbersToUnicode(
            m_codec.decode(QByteArrayView(bytes).sliced(from, end - from)));
    *unfinished = m_codec.decode(QByteArrayView(bytes).sliced(from));
    return lines;
}

QString CedictFileSearch::progressText()
{
    QString unfinished;
    const QStringList lines = decodeLines(m_progressBytes, &unfinished);
    QString text;
    for (const QString &line : lines)
        text += line + u'\n';
    return text + unfinished;
}

CedictSearchResult CedictFileSearch::result()
{
    CedictSearchResult result;
    result.copiedTerm = m_copiedTerm;
    const QByteArray shown = resultBytes(displayLimit);
    QString unfinished;
    result.lines = decodeLines(shown, &unfinished);
    result.entryCount = int(shown.count('\n'));
    result.matchCount = m_matchCount;
    if (shown.isEmpty()) {
        result.text = u"------ No matching entries in CEDICT for  { "_s + m_copiedTerm + u" }"_s;
    } else {
        for (const QString &line : std::as_const(result.lines))
            result.text += line + u'\n';
        result.text += unfinished + endMarker;
    }
    result.caption = completedCaption(result.entryCount, std::max(m_matchCount, result.entryCount),
                                      m_copiedTerm);
    return result;
}
