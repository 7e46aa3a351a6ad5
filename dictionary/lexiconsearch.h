#pragma once

// One search for anything typed: Chinese in either form, pinyin in any spelling, or English.
//
//     "中国", "中國"                 the word, then words that start with it, then words with it
//     "我学习汉语"                   not a word: its dictionary words, longest first, in order
//     "shuǐ", "shui3", "SHUI", "zhongguo", "lv4", "lu:4", "lü4"   by reading
//     "water"                       by gloss: a whole gloss first, then a gloss starting with
//                                   the word, then the word anywhere, then inside longer words
//
// Hits are ranked by how they match (exact, starts with, contains, inside a word), then, for
// English, a hit in the first gloss before one in a later gloss, then the more frequent word,
// then a common word before a name spelt alike, then the shorter, then table order. Text that could
// be both pinyin and English ("long") is searched both ways and each word keeps its better match.

#include "dictionary/lexicon.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <vector>

enum class MatchRank : quint8 { Exact, StartsWith, Contains, InsideWord, None };

struct LexiconHit
{
    int entry = -1;
    MatchRank rank = MatchRank::None;
    int subrank = 0; // phrase word order; for English, the first gloss (0) or a later one (1)
};

// The ranked hits of one search. Only as many are put in order as are asked for, so a short
// query that matches most of the dictionary still answers at once.
class LexiconResults
{
public:
    LexiconResults() = default;
    LexiconResults(const Lexicon *lexicon, std::vector<LexiconHit> hits);

    qsizetype total() const { return qsizetype(m_hits.size()); }
    // Hits from..from+count-1 in rank order (fewer at the end).
    QList<LexiconHit> hits(qsizetype from, qsizetype count);

private:
    bool before(const LexiconHit &a, const LexiconHit &b) const;

    const Lexicon *m_lexicon = nullptr;
    std::vector<LexiconHit> m_hits;
    qsizetype m_ordered = 0; // m_hits[0..m_ordered) are in final order
};

class LexiconSearch
{
public:
    explicit LexiconSearch(const Lexicon &lexicon);

    LexiconResults find(QStringView query) const;

    // "汉语 [漢語]  Hàn yǔ  Chinese language": the form asked for first, the other in brackets
    // when it differs, the reading with tone marks, the first gloss.
    static QString line(const LexiconEntry &entry, bool traditionalFirst);

    // The query's Han characters, blanks and other text dropped; empty when it has none.
    static QString hanText(QStringView query);
    // The dictionary words of a phrase, longest first from the left; characters that start
    // no word are skipped.
    QList<QString> phraseWords(const QString &han) const;

private:
    void findChinese(const QString &han, std::vector<LexiconHit> &best) const;
    void findReading(QStringView query, std::vector<LexiconHit> &best) const;
    void findGloss(QStringView query, std::vector<LexiconHit> &best) const;

    const Lexicon &m_lexicon;
};
