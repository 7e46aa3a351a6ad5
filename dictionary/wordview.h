#pragma once

// The word display: the current word of the word table shown as characters, traditional or
// simplified, with the radical of each of its first ten characters.
//
//     const WordView view = showWord(tables, {ui.Check1->isChecked(), radicalsOption});
//     TextBox2->setText(view.characters);
//     for (int i = 0; i < 10; ++i)  // slots past radicalSlots.size() are blank
//         ...view.radicalSlots.value(i).pictureFile / .key...
//     if (view.completed) { Text12 <- view.pinyin, start Timer1; Text20 <- view.codeString;
//                           capture box <- view.characters; }

#include "dictionary/tables.h"

#include <QString>
#include <QVector>

struct RadicalSlot
{
    int radical = 0;         // 1..214
    QString key;             // the character's full radical key, "149.7"
    QString pictureFile;     // file name in the program folder
    int traditionalForm = 0; // 1..21 when the traditional display uses the radical's own
                             // traditional-form picture; 0 otherwise
};

struct WordView
{
    static constexpr int radicalSlotCount = 10;

    QString characters;                // TextBox2
    QVector<RadicalSlot> radicalSlots; // slots 0.. in order, at most ten; the rest stay blank
    QString pinyin;                    // the word's pinyin for Text12 (when completed)
    QString codeString;                // Text20: empty unless completed
    // False when a character's radical key had no radical number to show: the display
    // stopped there, keeping the characters so far, and pinyin, Text20 and the capture
    // window are not to be updated.
    bool completed = false;
};

struct DisplayOptions
{
    bool simplified = false; // "Simplified characters"
    bool radicals = true;    // "Radicals" (false: "No radicals")
};

WordView showWordTraditional(DictionaryTables &tables, bool radicals = true);
// Also moves the second character cursor (characters2) to each character's simplified form.
WordView showWordSimplified(DictionaryTables &tables, bool radicals = true);
WordView showWord(DictionaryTables &tables, DisplayOptions options);
