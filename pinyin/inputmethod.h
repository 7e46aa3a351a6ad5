#pragma once

// The Chinese editor's pinyin input method without its widgets: the input box's text and caret,
// the numbered candidate line of words and characters, paging, the choice keys, full-width
// digits and punctuation, the preview and its gloss. The window feeds it keys and edits and shows
// what it holds afterwards; the CLI, the tests and the benchmarks drive the same object.

#include "pinyin/syllabletables.h"
#include "pinyin/wordsource.h"

#include <QString>
#include <Qt>

// One key as the input box receives it. Keys go by what was pressed in the user's layout: the
// full-width punctuation follows the character the key types, not a US key position.
struct KeyStroke
{
    static constexpr int notOnDigitRow = -1;
    static constexpr int rowUnknown = -2;

    int key = 0; // Qt::Key
    Qt::KeyboardModifiers modifiers;
    QString text; // what the key types, empty for keys that type nothing
    // The digit printed on the key when it is on the digit row (from the scan code), so that
    // Shift+3 is found whatever symbol the layout puts there. rowUnknown when the platform does
    // not say; the US symbols above the digits are then assumed.
    int rowDigit = rowUnknown;

    // The stroke that types c on a US keyboard (Shift for capitals and the upper symbols).
    static KeyStroke typed(QChar c);
    // rowDigit from the platform's native scan code ("xcb", "wayland..." or "windows").
    static int rowDigitOf(QStringView platformName, quint32 nativeScanCode);
};

// What one key or edit asks of the window besides showing the new state.
struct InputStep
{
    QString insert;          // goes into the document at its caret
    bool hideWindow = false; // Ctrl+Space once the traditional table has been used
    bool handled = true;     // false: an editing key the box applies itself; then call edited()
};

class InputMethod
{
public:
    static constexpr int pageSize = 10;
    static constexpr int optionCount = 10;
    // A sentence of pinyin at most; a longer paste is cut so that cutting it stays cheap.
    static constexpr int maxInputLength = 64;

    // Words come from the dictionary when it is given (and still there); without one the
    // candidates are the characters of the first syllable alone.
    void setWordSource(const WordSource *words) { m_words = words; }

    // A key pressed in the input box. Keys that type text are applied to the box here.
    InputStep press(const KeyStroke &key);
    // The box's text was changed by the box itself (an editing key, a paste, a cut). A paste
    // is taken whole: its digits are tones, its spaces and apostrophes part syllables.
    InputStep edited(const QString &text, int caret);
    // Takes the box's text and caret as they are, without handling them as a change.
    void setInput(const QString &text, int caret);
    // Option button `option` switched on (0 stands for the tenth candidate).
    void choosePreview(int option);
    // Another table is in memory, or the words came: look the box up again.
    void tableChanged();

    QString input() const { return m_input; }
    int caret() const { return m_caret; }
    QString candidateLine() const { return m_line; }
    QString preview() const { return m_preview; }
    int checkedOption() const { return m_option; } // -1 when all are off
    int pageStart() const { return m_pageStart; }
    int pageEnd() const { return m_pageEnd; }
    // Every candidate of the last lookup, all pages; the shown ones described.
    const QList<Candidate> &candidates() const { return m_candidates; }

    // "zhōng guó  China": the previewed candidate, else the first one shown; empty when none.
    QString glossLine() const;
    // The shown candidate whose text or number is at this position of the candidate line,
    // as an index into candidates(); -1 elsewhere.
    int candidateAt(int linePosition) const;
    // "中国  zhōng guó  China" for a tooltip.
    QString describe(int candidate) const;

private:
    void handleTextChange(InputStep &step);
    void takePaste();
    void lookUp();
    void page(QChar ch);
    void showFirstPage();
    void showPage(QStringView prefix);
    void afterPage();
    void choose(QChar ch, InputStep &step);
    void movePreview(int by);
    void clearLine();
    void writeInput(const QString &text);
    static int previewDigit(const KeyStroke &key);

    const WordSource *m_words = nullptr;
    QString m_input;
    int m_caret = 0;
    QString m_line;
    bool m_lineShowsPage = false;  // the line lists pageStart..pageEnd
    QList<qsizetype> m_lineStarts; // where each shown candidate's number begins in the line
    QString m_preview;
    int m_previewed = -1; // the candidate in the preview, -1 none
    int m_option = -1;

    QString m_lookedUp; // the box's text that gave the candidates
    QList<TypedSyllable> m_syllables;
    QList<Candidate> m_candidates;
    int m_pageStart = 0;
    int m_pageEnd = -1;
    int m_previewBase = 0;
    bool m_keepPreview = false;
};
