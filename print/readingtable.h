#pragma once

// What a reading sheet and a practice sheet need to know about the characters and words of
// a text: each word of the word table by its traditional characters with its pinyin, and each
// character's traditional form, pinyin and first gloss. Pinyin is kept with tone numbers, as
// the stores hold it.

#include <QHash>
#include <QString>

struct CharacterEntry
{
    QString traditional; // empty when the character is its own traditional form
    QString pinyin;      // first reading, tone numbers: "zhong1"
    QString gloss;       // first meaning
};

class ReadingTable
{
public:
    // The stores of a program folder, read once; a missing store leaves its part empty.
    static ReadingTable load(const QString &programFolder);

    // The first entry for a word or character wins, as a first-found search would.
    void addWord(const QString &traditionalWord, const QString &pinyin);
    void addCharacter(const QString &character, const CharacterEntry &entry);

    bool isEmpty() const { return m_words.isEmpty() && m_characters.isEmpty(); }
    int longestWord() const { return m_longestWord; } // in characters (code points)
    // Tone-number pinyin of a word given in traditional characters; empty when unknown.
    QString wordPinyin(const QString &traditionalWord) const
    {
        return m_words.value(traditionalWord);
    }
    CharacterEntry character(const QString &character) const
    {
        return m_characters.value(character);
    }
    // The character's traditional form, or the character itself.
    QString traditionalOf(const QString &character) const;

private:
    QHash<QString, QString> m_words;
    QHash<QString, CharacterEntry> m_characters;
    int m_longestWord = 1;
};
