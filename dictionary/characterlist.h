#pragma once

// Character lists in the main window's list box (TextBox1): all characters with a radical key,
// of a radical, or with a stroke total, typed into Text21, or of a radical picked in a chart.
//
//     const CharacterList list = CharacterLists::byRadicalNumber(tables.characters,
//                                                                 Text21->text());
//     clear the ten radical slots (all three buttons do, even when nothing ran);
//     if (list.ran) { TextBox1 <- list.text, shown, caret at 0; hide TextBox2 and Text11;
//                     slot 0 <- list.pictureFile when given; Text21 <- the count message
//                     the window's texts make of list.search, list.count and list.typed }

#include "platform/recordsource.h"

#include <QList>
#include <QString>

class Frequencies;

// One listed character: what orders it, and its line without the character and separator.
struct ListedCharacter
{
    char32_t character = 0;
    int residualStrokes = 0; // strokes beyond the radical, from its radical key
    QString rest;            // "zhong1,  middle, centre, \r\n"
};

struct CharacterList
{
    bool ran = false; // false: Text21 was empty and nothing else happens
    QString text;     // one line per listed character, each ending in CR LF
    int count = 0;    // matching records, listed or not
    enum class Search { Chart, Radical, Strokes };
    Search search = Search::Chart; // which count message Text21 gets; none for a chart's list
    QString typed;                 // the entry as typed, blanks trimmed, for the count message
    QString pictureFile;           // radical number search: the picture for radical slot 0
    QString rewrittenEntry;        // radical number search: Text21 after "12.3" became "12"
    QList<ListedCharacter> listed; // the lines of text, in the same order
};

namespace CharacterLists {

// One line for the current character record: "中,  zhong1,  middle, centre, \r\n"; empty when
// the record lacks a pinyin or a first meaning, or its code is no character code. The stroke
// search puts three blanks after the first character's comma.
QString listLine(const RecordSource &characters, bool threeBlanks = false);

// "Search on radical/strokes": exactly this radical key, a comma read as the dot.
CharacterList byRadicalKey(RecordSource &characters, const QString &entry);
// "Search on a specific radical": every key of this radical number.
CharacterList byRadicalNumber(RecordSource &characters, const QString &entry);
// "Number of strokes": this stroke total.
CharacterList byStrokes(RecordSource &characters, const QString &entry);
// The radical chart's pick: no message; the radical slots stay as they are.
CharacterList radikalLista(RecordSource &characters, int selectedRadical);

// The list reordered for a learner: common characters first (Unihan's frequency rank 1..5,
// unranked last), then fewer residual strokes, then code point; text is rebuilt to match.
void commonFirst(CharacterList &list, const Frequencies &frequencies);

// The characters a shown list lists, in its order: the leading ideograph of each line (a line
// without one, such as the count at the top, lists none).
QString listedCharacters(QStringView listText);

} // namespace CharacterLists
