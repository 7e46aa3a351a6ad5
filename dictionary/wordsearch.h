#pragma once

// The word searches of the main window: an English word in the ten translation fields, or
// pinyin, each contained from the start (Enter), contained onwards ("Search more") or exact
// ("Exact spelling"). A search moves the word table; when it finds nothing the current word
// stays, and the display is rebuilt from it all the same.
//
//     Text6 key:        m_search.keyTyped(); on Enter: show(m_search.english(Text6->text(),
//                                                    WordSearch::FromStart, options))
//     Command2:         if (!Text6->text().isEmpty()) show(m_search.english(..., Onwards, ...))
//     Text9 shows       tables.words.text(result.text9Field)

#include "dictionary/tables.h"
#include "dictionary/wordview.h"

#include <QString>

struct WordSearchResult
{
    bool found = false;   // the search moved the word table
    QString meaningsLine; // Text11
    QString text9Field;   // the translation field Text9 is bound to
    WordView word;        // the display of the current word
};

class WordSearch
{
public:
    enum Kind { FromStart, Onwards, Exact };

    explicit WordSearch(DictionaryTables &tables);

    // Each search rebuilds the display with the given options; the text is used as typed.
    WordSearchResult english(const QString &text, Kind kind, DisplayOptions options);
    WordSearchResult pinyin(const QString &text, Kind kind, DisplayOptions options);

    // The word table moved to one row, found by its code string, as a word chosen from a list
    // of search results; the display is rebuilt as after any search.
    WordSearchResult entry(const QString &codeString, qint64 rowId, DisplayOptions options);

    // A key pressed in either search box, or a reading list shown: the next exact search,
    // English or pinyin, starts from the first record again.
    void keyTyped() { m_exactSearchStarted = false; }
    bool exactSearchStarted() const { return m_exactSearchStarted; }

    // "translation1" until a fallback step of an English search names another field; it then
    // keeps that field, found or not, until the next fallback step.
    QString text9Field() const;

    // Only the moves, without building a display.
    bool findEnglish(const QString &text, Kind kind);
    bool findPinyin(const QString &text, Kind kind);

private:
    WordSearchResult result(bool found, DisplayOptions options);

    DictionaryTables &m_tables;
    bool m_exactSearchStarted = false;
    int m_text9Field = 1;
};

// The non-empty translations of the current word joined by ",   " (a comma, three blanks).
QString meaningsLine(const RecordSource &words);
