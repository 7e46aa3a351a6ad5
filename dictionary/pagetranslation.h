#pragma once

// The page translator: copied characters laid out as a page, and the details of the character
// under the pointer: its readings and meanings, and the word that starts with it.
//
//     page 中 國 人 (codes), pointer on 中 ->
//         character "中 ", readings "zhong1 ,  central ,  ..."
//         word "中國人", wordLine "Zhong1 guo2 ren2, Chinese person"
//
// The word is the longest entry of the word table of three to eight characters starting at
// the character; failing that, the two-character word of the character and the next one;
// failing that, the character itself with its readings. Words are keyed by traditional
// characters, so each character is looked up by its traditional form when it has one.
//
// Every character is one cell: letters, digits and punctuation stay on the page, and a
// character outside the BMP (𠀀, U+20000) is one cell, whose details name its code point when
// the character table does not know it.

#include "platform/recordsource.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QStringView>

struct PageCharacter
{
    char32_t point = 0;
    QString code;        // "&H4E2D"; empty outside the BMP
    QString traditional; // code of its traditional form; empty if none
    QString character() const { return QString::fromUcs4(&point, 1); }
};

struct CharacterDetails
{
    QString character;  // TextBox1: the character and one blank
    QString readings;   // Text4: reading and meanings, each followed by " ,  "
    QString word;       // TextBox2: the word's characters as copied
    QString wordLine;   // TextBox3: "pinyin, translation1" of the word
    int wordLength = 0; // characters in the word; 0 when no word was found
};

class PageTranslation
{
public:
    static constexpr int longestWord = 8;

    // The character table and the word table; neither current record is moved.
    PageTranslation(RecordSource &characters, RecordSource &words);

    // A new page of character codes; the two halves of a character outside the BMP make one
    // cell. Each character's traditional form is looked up once here.
    void setPage(const QStringList &codes);
    // A new page of every character of a text but line breaks and other control characters.
    void setPageText(QStringView text);
    const QList<PageCharacter> &page() const { return m_page; }

    // The details for the character at index; empty details outside the page.
    CharacterDetails details(int index);

    // The top left corner of label index on a page of the given width, in a grid of square
    // cells filled row by row; a page narrower than a cell still holds one per row.
    static QPoint cellPosition(int index, int width, int cell);

private:
    void setPoints(const QList<char32_t> &points);
    QString keyCode(int index) const;

    RecordSource &m_characters;
    RecordSource &m_words;
    QList<PageCharacter> m_page;
};
