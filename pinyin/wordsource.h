#pragma once

// What the input method asks of the dictionary: the words that the typed syllables spell, and
// the reading and gloss of a candidate. The dictionary layer answers; the input method keeps
// no dictionary of its own.

#include "pinyin/pinyinrun.h"

#include <QList>
#include <QString>

struct Candidate
{
    QString text;
    int syllables = 1; // how many typed syllables choosing it takes out of the box
    QString pinyin;    // tone numbers, "zhong1 guo2"; empty when unknown
    QString gloss;     // the first English gloss; empty when unknown
};

class WordSource
{
public:
    virtual ~WordSource() = default;

    // Words of two syllables or more spelt by the typed syllables from the first on (the last
    // typed one may be only begun, a typed tone must match), in the form of the table in use:
    // those that take the most syllables first, the most frequent first among as long.
    virtual QList<Candidate> words(const QList<TypedSyllable> &typed, bool traditional) const = 0;

    // Fills in the reading and gloss of a single character read as a syllable that begins
    // with syllableStart; leaves them empty when the dictionary has none.
    virtual void describeCharacter(Candidate &character, QStringView syllableStart) const = 0;
};
