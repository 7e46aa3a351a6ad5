#pragma once

// The syllable-to-character tables behind the Chinese editor's candidate line. One table, the
// simplified or the traditional one, is in memory at a time, in two global arrays that every
// load re-creates.

#include <QString>
#include <QVector>

// One syllable of the index: its candidates are CandidateList[first..last], both inclusive.
// The indices are whole numbers in float fields.
struct SyllableEntry
{
    QString syllable; // toneless, lower-case ASCII, ü written "u:"
    float first = 0;
    float last = 0;
};

// Entry 0 and every entry after the last syllable are empty; the syllables in between are in
// ascending order of UTF-16 code units with contiguous, ascending ranges.
extern QVector<SyllableEntry> SyllableIndex;
// One character (one UTF-16 unit) per slot; the slots after the last candidate are empty.
extern QVector<QString> CandidateList;
// Set by every traditional load and never cleared.
extern bool traditionalLoaded;

void loadSimplifiedTable();
void loadTraditionalTable();
// Whether the table in memory now is the traditional one.
bool traditionalTableInUse();

// The syllables of the simplified table, "a" .. "zuo", whichever table is in memory.
QVector<QStringView> simplifiedSyllableKeys();

// The span of CandidateList holding every candidate of every syllable that begins with input,
// compared by code unit. The returned syllable is empty; not found (empty input too) is
// first -1, last 0.
SyllableEntry findSyllableRange(const QString &input);
