#pragma once

// Builds one syllable-to-character table from the readings of its characters.

#include <QChar>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

struct CharacterReadings
{
    QStringList modern;            // toneless, from kMandarin, kXHC1983 and kTGHZ2013
    QStringList classical;         // toneless, from kHanyuPinyin
    QHash<QString, int> pinlu;     // toneless reading -> kHanyuPinlu count, tones added up
    QHash<QString, int> wordCount; // toneless reading -> CC-CEDICT words using it
};

// A row whose leading characters and size are fixed because the tables users know have
// them so; the frequency data alone would order or size it differently.
struct FixedRow
{
    QString syllable;
    QString leading; // these first, in this order
    int size = -1;   // candidates in all, the zhuyin letter included; -1 = as the data has it
};

struct TableRules
{
    QStringList syllables;                // the table's keys, in table order
    QHash<QString, QString> keySpellings; // reading -> key where they differ: "lu:e" -> "lue"
    QHash<QString, QChar> zhuyin;         // key -> zhuyin letter offered as its last candidate
    QList<FixedRow> fixedRows;
    QChar placeholder;     // the sole candidate of a key that has nothing else
    qsizetype entries = 0; // the table's size in candidates; 0 = as the data has it
};

struct TableRow
{
    QString syllable;
    QString candidates;
};

struct BuiltTable
{
    QList<TableRow> rows;        // one per key of the rules, in their order
    QStringList forcedRows;      // fixed rows that differ from what the data alone gives
    QList<char32_t> leftOut;     // characters none of whose readings is a key of the table
    int droppedReadings = 0;     // readings that are no key of the table
    int droppedRareReadings = 0; // taken out to bring the table to its size
};

// Characters with one or more modern readings use those; the others use their classical ones.
// Within a syllable: the kHanyuPinlu count of that reading, then the CC-CEDICT word count,
// then code point. Fixed rows that come out short are filled from the classical readings. A
// table larger than its stated size loses its least used secondary readings.
BuiltTable buildSyllableTable(const QMap<char32_t, CharacterReadings> &characters,
                              const TableRules &rules);
