#include "dictionary/lexiconsearch.h"

#include "pinyin/tonemarks.h"

#include <algorithm>
#include <cstring>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Pinyin as typed, reduced to the letters the reading text holds, with what the user said
// about tones and syllable breaks: "Shuǐ guo" -> "shuiguo", tone 3 on letter 3, a syllable
// starting at letter 4.
struct ReadingQuery
{
    struct Tone
    {
        qsizetype at;
        int tone;
        bool endsSyllable; // a tone digit closes its syllable
    };
    QString letters;
    QList<Tone> tones;
    QList<qsizetype> syllableStarts;
};

std::optional<ReadingQuery> readingQuery(QStringView text)
{
    const QString decomposed = text.toString().toLower().normalized(QString::NormalizationForm_D);
    ReadingQuery query;
    bool breakBefore = false;
    for (qsizetype i = 0; i < decomposed.size(); ++i) {
        const QChar c = decomposed[i];
        const qsizetype last = query.letters.size() - 1;
        if (c >= u'a' && c <= u'z') {
            if (breakBefore && last >= 0)
                query.syllableStarts << query.letters.size();
            breakBefore = false;
            if (c == u'u' && i + 1 < decomposed.size() && decomposed[i + 1] == u':') {
                query.letters += u'v';
                ++i;
            } else {
                query.letters += c;
            }
        } else if (c == QChar(0x0308) && last >= 0 && query.letters[last] == u'u') {
            query.letters[last] = u'v';
        } else if (const int tone = toneOfCombiningMark(c); tone > 0 && last >= 0) {
            query.tones.append({last, tone, false});
        } else if (c >= u'0' && c <= u'5' && last >= 0) {
            query.tones.append({last, c == u'0' ? 5 : c.unicode() - u'0', true});
            breakBefore = true;
        } else if (c.isSpace() || c == u'\'' || c == u'-' || c == u'·') {
            breakBefore = true;
        } else {
            return std::nullopt;
        }
    }
    if (query.letters.isEmpty())
        return std::nullopt;
    return query;
}

using Units = char16_t __attribute__((vector_size(16)));

// Finds needle in text from a position on: eight places at a time are tested for the
// needle's rarest character and the one after it together, then a compare. Faster on these
// long texts than a skip table for the short needles people type.
class Occurrences
{
public:
    Occurrences(QStringView text, QStringView needle, const Lexicon::LetterCounts &counts)
        : m_text(text)
        , m_needle(needle)
    {
        // The pair starting at the rarest character, so that the last one has a follower.
        for (qsizetype i = 1; i + 1 < needle.size(); ++i) {
            const char16_t c = needle[i].unicode();
            const char16_t best = needle[m_anchor].unicode();
            if (c < counts.size() && best < counts.size() && counts[c] < counts[best])
                m_anchor = i;
        }
    }

    qsizetype next(qsizetype from) const
    {
        const qsizetype size = m_needle.size();
        if (size == 1)
            return m_text.indexOf(m_needle.front(), from);
        const char16_t *data = m_text.utf16();
        const qsizetype end = m_text.size();
        const Units first = Units{} + m_needle[m_anchor].unicode();
        const Units second = Units{} + m_needle[m_anchor + 1].unicode();
        qsizetype at = from + m_anchor; // where the pair may start
        for (; at + 9 <= end; at += 8) {
            Units a, b;
            std::memcpy(&a, data + at, sizeof a);
            std::memcpy(&b, data + at + 1, sizeof b);
            const auto both = (a == first) & (b == second);
            quint64 halves[2];
            std::memcpy(halves, &both, sizeof halves);
            if ((halves[0] | halves[1]) == 0)
                continue;
            for (int lane = 0; lane < 8; ++lane) {
                if (both[lane] && matchesAt(at + lane - m_anchor))
                    return at + lane - m_anchor;
            }
        }
        for (; at + 1 < end; ++at) {
            if (matchesAt(at - m_anchor))
                return at - m_anchor;
        }
        return -1;
    }

private:
    bool matchesAt(qsizetype start) const
    {
        return start >= 0 && start + m_needle.size() <= m_text.size() &&
               m_text.sliced(start, m_needle.size()) == m_needle;
    }

    QStringView m_text, m_needle;
    qsizetype m_anchor = 0;
};

// One or two letters typed match English only where a word starts: inside words they are
// everywhere, and a list of every gloss with a "t" in it helps nobody.
constexpr qsizetype shortestInsideWord = 3;

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber();
}

void keepBetter(std::vector<LexiconHit> &best, int entry, MatchRank rank, int subrank)
{
    LexiconHit &hit = best[size_t(entry)];
    if (rank < hit.rank || (rank == hit.rank && subrank < hit.subrank))
        hit = {entry, rank, subrank};
}

} // namespace

LexiconResults::LexiconResults(const Lexicon *lexicon, std::vector<LexiconHit> hits)
    : m_lexicon(lexicon)
    , m_hits(std::move(hits))
{
}

bool LexiconResults::before(const LexiconHit &a, const LexiconHit &b) const
{
    if (a.rank != b.rank)
        return a.rank < b.rank;
    if (a.subrank != b.subrank)
        return a.subrank < b.subrank;
    const LexiconEntry &x = m_lexicon->at(a.entry);
    const LexiconEntry &y = m_lexicon->at(b.entry);
    if (x.count != y.count)
        return x.count > y.count;
    // Words spelt alike share a count: the common word before the name ("Shui3", a surname).
    const bool xName = !x.pinyin.isEmpty() && x.pinyin.front().isUpper();
    const bool yName = !y.pinyin.isEmpty() && y.pinyin.front().isUpper();
    if (xName != yName)
        return yName;
    if (x.traditional.size() != y.traditional.size())
        return x.traditional.size() < y.traditional.size();
    return a.entry < b.entry;
}

QList<LexiconHit> LexiconResults::hits(qsizetype from, qsizetype count)
{
    if (from < 0 || count <= 0 || from >= total())
        return {};
    const qsizetype end = std::min(total(), from + count);
    if (end > m_ordered) {
        std::partial_sort(
            m_hits.begin() + m_ordered, m_hits.begin() + end, m_hits.end(),
            [this](const LexiconHit &a, const LexiconHit &b) { return before(a, b); });
        m_ordered = end;
    }
    return QList<LexiconHit>(m_hits.begin() + from, m_hits.begin() + end);
}

LexiconSearch::LexiconSearch(const Lexicon &lexicon)
    : m_lexicon(lexicon)
{
}

QString LexiconSearch::line(const LexiconEntry &entry, bool traditionalFirst)
{
    const QString &first = traditionalFirst ? entry.traditional : entry.simplified;
    const QString &other = traditionalFirst ? entry.simplified : entry.traditional;
    QString text = first;
    if (other != first)
        text += u" ["_s + other + u']';
    return text + u"  "_s + toneNumbersToUnicode(entry.pinyin) + u"  "_s + entry.firstGloss;
}

QString LexiconSearch::hanText(QStringView query)
{
    QString han;
    for (const char32_t c : query.toUcs4()) {
        if (QChar::script(c) == QChar::Script_Han)
            han += QString::fromUcs4(&c, 1);
    }
    return han;
}

QList<QString> LexiconSearch::phraseWords(const QString &han) const
{
    QList<QString> words;
    qsizetype at = 0;
    while (at < han.size()) {
        qsizetype length = std::min<qsizetype>(m_lexicon.longestHeadword(), han.size() - at);
        for (; length > 0; --length) {
            if (!m_lexicon.withHeadword(han.mid(at, length)).isEmpty())
                break;
        }
        if (length == 0) {
            ++at;
            continue;
        }
        words << han.mid(at, length);
        at += length;
    }
    return words;
}

LexiconResults LexiconSearch::find(QStringView query) const
{
    const QStringView trimmed = query.trimmed();
    if (trimmed.isEmpty() || m_lexicon.isEmpty())
        return LexiconResults(&m_lexicon, {});
    std::vector<LexiconHit> best(size_t(m_lexicon.size()));
    const QString han = hanText(trimmed);
    if (!han.isEmpty()) {
        findChinese(han, best);
    } else {
        findReading(trimmed, best);
        findGloss(trimmed, best);
    }
    std::vector<LexiconHit> hits;
    for (const LexiconHit &hit : best) {
        if (hit.rank != MatchRank::None)
            hits.push_back(hit);
    }
    return LexiconResults(&m_lexicon, std::move(hits));
}

void LexiconSearch::findChinese(const QString &typed, std::vector<LexiconHit> &best) const
{
    // A text that is no headword as typed may mix the forms: its simplified form is.
    const QString han =
        m_lexicon.withHeadword(typed).isEmpty() ? m_lexicon.toSimplified(typed) : typed;
    const QList<int> exact = m_lexicon.withHeadword(han);
    for (const int entry : exact)
        keepBetter(best, entry, MatchRank::Exact, 0);
    if (exact.isEmpty() && han.size() > 1) {
        const QList<QString> words = phraseWords(han);
        for (int i = 0; i < words.size(); ++i) {
            for (const int entry : m_lexicon.withHeadword(words.at(i)))
                keepBetter(best, entry, MatchRank::Exact, i);
        }
    }
    const QString &text = m_lexicon.headwordText();
    const Occurrences occurrences(text, han, {});
    int entry = 0;
    for (qsizetype at = occurrences.next(0); at >= 0; at = occurrences.next(at + 1)) {
        entry = Lexicon::entryAt(m_lexicon.headwordStarts(), at, entry);
        const bool starts = at == m_lexicon.headwordStart(entry) || text[at - 1] == u'\t';
        keepBetter(best, entry, starts ? MatchRank::StartsWith : MatchRank::Contains, 0);
    }
}

void LexiconSearch::findReading(QStringView typed, std::vector<LexiconHit> &best) const
{
    const std::optional<ReadingQuery> query = readingQuery(typed);
    if (!query)
        return;
    const QString &text = m_lexicon.readingText();
    const QByteArray &tones = m_lexicon.readingTones();
    const QByteArray &edges = m_lexicon.readingEdges();
    const auto fits = [&](qsizetype at) {
        if (!(edges[at] & Lexicon::Start))
            return false;
        for (const qsizetype start : query->syllableStarts) {
            if (!(edges[at + start] & Lexicon::Start))
                return false;
        }
        for (const ReadingQuery::Tone &tone : query->tones) {
            const int have = tones[at + tone.at];
            if (have != tone.tone && !(tone.tone == 5 && have == 0))
                return false;
            if (tone.endsSyllable && !(edges[at + tone.at] & Lexicon::End))
                return false;
        }
        return true;
    };
    const qsizetype length = query->letters.size();
    const Occurrences occurrences(text, query->letters, m_lexicon.readingLetters());
    int entry = 0;
    for (qsizetype at = occurrences.next(0); at >= 0; at = occurrences.next(at + 1)) {
        if (!fits(at))
            continue;
        entry = Lexicon::entryAt(m_lexicon.readingStarts(), at, entry);
        MatchRank rank = MatchRank::Contains;
        if (at == m_lexicon.readingStart(entry))
            rank = text[at + length] == u'\n' ? MatchRank::Exact : MatchRank::StartsWith;
        keepBetter(best, entry, rank, 0);
    }
}

void LexiconSearch::findGloss(QStringView typed, std::vector<LexiconHit> &best) const
{
    const QString query = typed.toString().toLower().simplified();
    if (query.contains(u'/') ||
        !std::any_of(query.cbegin(), query.cend(), [](QChar c) { return c.isLetter(); }))
        return;
    const QString &text = m_lexicon.glossText();
    const Occurrences occurrences(text, query, m_lexicon.glossLetters());
    const qsizetype length = query.size();
    int entry = 0;
    for (qsizetype at = occurrences.next(0); at >= 0; at = occurrences.next(at + 1)) {
        entry = Lexicon::entryAt(m_lexicon.glossStarts(), at, entry);
        const QChar before = text[at - 1]; // every entry's text opens with '/'
        const QChar after = text[at + length];
        // "to water" is the verb's whole gloss as much as "water" is the noun's.
        const bool afterTo = at >= 4 && QStringView(text).sliced(at - 4, 4) == u"/to ";
        const qsizetype glossOpen = afterTo ? at - 4 : at - 1;
        const int subrank = glossOpen == m_lexicon.glossStart(entry) ? 0 : 1;
        if ((before == u'/' || afterTo) && after == u'/')
            keepBetter(best, entry, MatchRank::Exact, subrank);
        else if ((before == u'/' || afterTo) && !isWordCharacter(after))
            keepBetter(best, entry, MatchRank::StartsWith, subrank);
        else if (!isWordCharacter(before) && !isWordCharacter(after))
            keepBetter(best, entry, MatchRank::Contains, 0);
        else if (length >= shortestInsideWord || !isWordCharacter(before))
            keepBetter(best, entry, MatchRank::InsideWord, 0);
    }
}
