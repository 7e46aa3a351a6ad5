#pragma once

// A character picked by hand, shown as the main window shows a found word: the word table
// moves to the character's own entry (under its traditional form when the word table only
// knows that one), and the display is built from it.
//
//     lookUp(tables, u"门"_s, options) -> found, word.characters "门" (simplified display)
//     a character without an entry     -> not found, word.characters is the character alone

#include "dictionary/tables.h"
#include "dictionary/wordsearch.h"

namespace CharacterEntry {
WordSearchResult lookUp(DictionaryTables &tables, const QString &character, DisplayOptions options);
}
