#pragma once

// A line of text cut into the pieces of a reading sheet: dictionary words with their pinyin
// above them, and the text between them.
//
//     "我是中國人, ok" -> 我 wǒ | 是 shì | 中國人 zhōngguórén | ", " | "ok"
//
// At each Chinese character the longest word of the word table that starts there is taken
// (up to eight characters, looked up by traditional characters so that simplified text finds
// the same words); a character in no word gets its own reading. Text that is not Chinese is
// cut after each blank, so that a line can break between its words.

#include "print/readingtable.h"

#include <QList>
#include <QString>

struct RubySegment
{
    QString base;    // the characters as written
    QString reading; // tone-marked pinyin, lower case, syllables joined; empty for other text
    bool operator==(const RubySegment &) const = default;
};

class RubySegmenter
{
public:
    static constexpr int longestWord = 8;

    explicit RubySegmenter(const ReadingTable &table)
        : m_table(table)
    {
    }

    QList<RubySegment> segment(const QString &line) const;

    // "Zhong1 guo2" -> "zhōngguó"
    static QString readingFor(const QString &toneNumberPinyin);
    static bool isChinese(char32_t codePoint);

private:
    const ReadingTable &m_table;
};
