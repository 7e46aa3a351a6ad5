#pragma once

#include "dictionary/tables.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>

// One line of a Big5 CEDICT file cut into the pieces of a word record. The line is read byte
// by byte, one byte per character, positions counted from 1:
//
//   "AB [pin1 yin1] /g1/g2/"  ->  tecken "4142", reading "pin1 yin1", glosses "g1", "g2"
//
// An empty piece is one the line did not produce.
struct Big5Line
{
    QByteArray tecken; // the headword's bytes as hex text, see headwordHex()
    QByteArray reading;
    std::array<QByteArray, Tables::translationCount> glosses;

    // Why parts of the line were not stored, for the import's summary.
    bool noHeadword = false;      // neither "[" nor "/" among characters 2 to 31
    bool unclosedReading = false; // "[" seen, no "]" within the reading scan
    bool glossesCut = false;      // a gloss without its closing "/" within the scan limit
    bool extraGlosses = false;    // more than ten glosses

    static Big5Line parse(QByteArrayView line);
};

// The headword bytes as hex text: bytes 0x21-0x2F, 0x3A-0x7E and 0xA1-0xFF become two
// upper-case hex digits each; blanks, digits, control bytes and 0x7F-0xA0 are dropped.
//   "A4 A4 A4 E5 20" -> "A4A4A4E5",  "3C" -> "43"
QByteArray headwordHex(QByteArrayView headword);
