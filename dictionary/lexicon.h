#pragma once

// The word table held in memory for searching as the user types: each word in both forms,
// its reading and its glosses, with flat texts that one string search runs over.
//
//     row "&H4E2D&H570B", "Zhong1 guo2", "China"  ->
//         traditional "中國", simplified "中国", pinyin "Zhong1 guo2", firstGloss "China"
//         headword text  "中國\t中国\n"
//         reading text   "zhongguo\n"    (tones and syllable starts kept beside it)
//         gloss text     "/china/\n"
//
// Simplified forms come character by character from the character table's forenklaform.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>

struct LexiconEntry
{
    qint64 rowId = -1;
    QString traditional;
    QString simplified;
    QString pinyin; // tone numbers, as stored
    QString firstGloss;
    quint64 count = 0; // how often the word is used; 0 when unknown
};

class Lexicon
{
public:
    // Reads the word table and the character table of the program folder, and the word
    // counts of its frequency store when there is one; an empty lexicon when the word table
    // cannot be read.
    static Lexicon load(const QString &programFolder);

    void reserve(qsizetype entries);
    // Adds one word; glosses are its non-empty translations in order.
    void append(LexiconEntry entry, const QStringList &glosses);
    // Each traditional character's simplified form, for queries that mix the two.
    void setSimplifiedForms(QHash<char16_t, char16_t> forms) { m_simplified = std::move(forms); }
    QString toSimplified(QString text) const;

    // How often a word is used, asked once per word: the one place where ranking learns
    // word frequencies. Without it every count stays 0 and ranking falls back to shorter
    // words first, then table order.
    using WordCounter = std::function<quint64(const LexiconEntry &)>;
    void setWordCounts(const WordCounter &counter);

    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const LexiconEntry &at(qsizetype index) const { return m_entries.at(index); }

    // The entries whose traditional or simplified form is exactly this text.
    QList<int> withHeadword(const QString &characters) const
    {
        return m_byHeadword.value(characters);
    }
    int longestHeadword() const { return m_longestHeadword; }

    // Per entry: "trad\tsimp\n"; entry i starts at headwordStart(i).
    const QString &headwordText() const { return m_headwords; }
    // Per entry: its toneless reading in lower case, ü as v, blanks dropped, then "\n".
    const QString &readingText() const { return m_readings; }
    // Per character of readingText: the tone (1..5, 0 none) of its syllable, and whether a
    // syllable starts or ends there.
    enum SyllableEdge : quint8 { Start = 1, End = 2 };
    const QByteArray &readingTones() const { return m_tones; }
    const QByteArray &readingEdges() const { return m_edges; }
    // Per entry: "/gloss1/gloss2/.../\n" in lower case.
    const QString &glossText() const { return m_glosses; }

    // How often each ASCII character occurs in the reading and the gloss texts: a search
    // scans for the rarest character of what was typed.
    using LetterCounts = std::array<qint64, 128>;
    const LetterCounts &readingLetters() const { return m_readingLetters; }
    const LetterCounts &glossLetters() const { return m_glossLetters; }

    qsizetype headwordStart(int entry) const { return m_headwordStarts.at(entry); }
    qsizetype readingStart(int entry) const { return m_readingStarts.at(entry); }
    qsizetype glossStart(int entry) const { return m_glossStarts.at(entry); }
    // The entry whose text holds position at, walking on from the hint (positions found in
    // order only move forwards).
    static int entryAt(const QVector<qsizetype> &starts, qsizetype at, int hint);
    const QVector<qsizetype> &headwordStarts() const { return m_headwordStarts; }
    const QVector<qsizetype> &readingStarts() const { return m_readingStarts; }
    const QVector<qsizetype> &glossStarts() const { return m_glossStarts; }

private:
    QVector<LexiconEntry> m_entries;
    QHash<char16_t, char16_t> m_simplified;
    QHash<QString, QList<int>> m_byHeadword;
    int m_longestHeadword = 0;
    QString m_headwords, m_readings, m_glosses;
    QByteArray m_tones, m_edges;
    LetterCounts m_readingLetters{}, m_glossLetters{};
    QVector<qsizetype> m_headwordStarts, m_readingStarts, m_glossStarts;
};
