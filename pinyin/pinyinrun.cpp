#include "pinyin/pinyinrun.h"

#include "pinyin/syllabletables.h"

#include <QVector>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// The syllables of the simplified table, with "r" of the erhua words, sorted.
const QVector<QString> &syllables()
{
    static const QVector<QString> sorted = [] {
        QVector<QString> keys;
        for (const QStringView key : simplifiedSyllableKeys())
            keys << key.toString();
        keys << u"r"_s;
        std::sort(keys.begin(), keys.end());
        return keys;
    }();
    return sorted;
}

constexpr qsizetype longestSyllable = 6; // "zhuang"

// One stretch between apostrophes, tone digits and other separators, in canonical letters,
// with the typed position after each letter.
struct Chunk
{
    QString letters;
    QList<qsizetype> endOf; // endOf[i]: typed position after letters[i]
    int tone = 0;
    qsizetype end = 0; // after the chunk's separators
    bool open = false; // nothing follows it: its last syllable may be unfinished
};

void appendLetter(Chunk &chunk, QChar letter, qsizetype typedEnd)
{
    // "lu:e" and "lve" are written "lue", as the syllable tables write them.
    if (letter == u'e' && chunk.letters.endsWith(u"u:")) {
        chunk.letters.chop(1);
        chunk.endOf.removeLast();
    }
    chunk.letters += letter;
    chunk.endOf << typedEnd;
}

QList<Chunk> chunks(QStringView typed)
{
    QList<Chunk> result;
    Chunk current;
    const auto close = [&](qsizetype end) {
        if (!current.letters.isEmpty()) {
            current.end = end;
            result << current;
        } else if (!result.isEmpty()) {
            result.last().end = end; // a second separator belongs to the chunk before
        }
        current = Chunk();
    };
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar ch = typed.at(i).toLower();
        if (ch >= u'a' && ch <= u'z' && ch != u'v') {
            appendLetter(current, ch, i + 1);
        } else if (ch == u'v') {
            appendLetter(current, u'u', i + 1);
            appendLetter(current, u':', i + 1);
        } else if (ch == u':') {
            // Only after a u; anywhere else it means nothing.
            if (current.letters.endsWith(u'u') && !current.letters.endsWith(u"u:")) {
                current.letters += u':';
                current.endOf << i + 1;
            }
        } else if (ch >= u'1' && ch <= u'5' && !current.letters.isEmpty()) {
            current.tone = ch.digitValue();
            close(i + 1);
        } else {
            close(i + 1);
        }
    }
    if (!current.letters.isEmpty()) {
        current.end = typed.size();
        current.open = true;
        result << current;
    } else if (!result.isEmpty()) {
        result.last().end = typed.size();
    }
    return result;
}

// Cuts one chunk; false when it cannot be cut.
bool splitChunk(const Chunk &chunk, QList<TypedSyllable> &out)
{
    const QString &s = chunk.letters;
    const qsizetype n = s.size();
    constexpr int none = std::numeric_limits<int>::max();
    // fewest[i]: fewest syllables that cover s[i..n); next[i]: where the first of them ends.
    QList<int> fewest(n + 1, none);
    QList<qsizetype> next(n + 1, 0);
    fewest[n] = 0;
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype length = std::min(longestSyllable, n - i); length >= 1; --length) {
            const QStringView piece = QStringView(s).mid(i, length);
            const bool fits = i + length == n && chunk.open ? PinyinRun::beginsSyllable(piece)
                                                            : PinyinRun::isSyllable(piece);
            if (fits && fewest[i + length] != none && fewest[i + length] + 1 < fewest[i]) {
                fewest[i] = fewest[i + length] + 1;
                next[i] = i + length;
            }
        }
    }
    if (fewest[0] == none)
        return false;
    for (qsizetype i = 0; i < n; i = next[i]) {
        TypedSyllable syllable;
        syllable.letters = s.mid(i, next[i] - i);
        const bool last = next[i] == n;
        syllable.end = last ? chunk.end : chunk.endOf.at(next[i] - 1);
        syllable.tone = last ? chunk.tone : 0;
        syllable.complete = PinyinRun::isSyllable(syllable.letters);
        out << syllable;
    }
    return true;
}

} // namespace

namespace PinyinRun {

QList<TypedSyllable> split(QStringView typed)
{
    QList<TypedSyllable> result;
    for (const Chunk &chunk : chunks(typed)) {
        if (!splitChunk(chunk, result))
            return {};
    }
    return result;
}

QString canonical(QStringView syllable)
{
    QString letters;
    letters.reserve(syllable.size() + 1);
    for (const QChar c : syllable) {
        const QChar ch = c.toLower();
        if (ch == u'v')
            letters += u"u:";
        else if (ch == u'e' && letters.endsWith(u"u:"))
            letters.back() = u'e';
        else if (!ch.isDigit())
            letters += ch;
    }
    return letters;
}

bool isSyllable(QStringView text)
{
    const QVector<QString> &keys = syllables();
    const auto found = std::lower_bound(keys.cbegin(), keys.cend(), text,
                                        [](const QString &key, QStringView t) { return key < t; });
    return found != keys.cend() && *found == text;
}

bool beginsSyllable(QStringView text)
{
    const QVector<QString> &keys = syllables();
    const auto found = std::lower_bound(keys.cbegin(), keys.cend(), text,
                                        [](const QString &key, QStringView t) { return key < t; });
    return found != keys.cend() && found->startsWith(text);
}

} // namespace PinyinRun
