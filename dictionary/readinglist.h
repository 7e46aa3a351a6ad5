#pragma once

// "Translate all to:": the displayed word listed one character per line with its readings.
//
//     const ReadingList list = readingList(tables, Reading::Cantonese, Text20->text(),
//                                          Check1->isChecked());
//     if (list.ran) { m_search.keyTyped(); empty Text6, Text8; clear the radical slots;
//                     TextBox2 <- list.characters (hidden); TextBox1 <- list.text, shown,
//                     caret at 0; if (list.pinyin) Text12 <- *list.pinyin; start Timer1; }

#include "dictionary/tables.h"

#include <QString>

#include <optional>

enum class Reading { Mandarin, Cantonese, JapaneseKun, JapaneseOn, Korean };

struct ReadingList
{
    bool ran = false;              // false: no word on display (Text20 empty)
    QString characters;            // TextBox2
    QString text;                  // TextBox1: one line per character, each ending in CR LF
    std::optional<QString> pinyin; // the word's pinyin for Text12; Mandarin leaves Text12 be
};

// codeString is the text of Text20. Every six-character piece that is a character code gets a
// line, with the readings of the current character record when the code has none of its own;
// a piece that is no code (a short final piece) is skipped. simplified is "Simplified
// characters", which only changes the characters of a Mandarin list's TextBox2.
ReadingList readingList(DictionaryTables &tables, Reading reading, const QString &codeString,
                        bool simplified);
