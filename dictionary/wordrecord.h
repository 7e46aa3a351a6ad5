#pragma once

#include "platform/criteria.h"

#include <QList>
#include <QString>
#include <QStringList>

class RecordSource;

// One row of the word table, by value: for the pages that list many words at once.
struct WordRecord
{
    qint64 rowId = -1;
    QString characters;       // tecken
    QString codeString;       // teckenkoder
    QString pinyin;           // Pinyin, tone numbers
    QStringList translations; // translation1..10, empty ones included

    // Up to limit words after afterRowId (-1: from the first) that meet the criteria, in table
    // order. The word table's current record does not move.
    static QList<WordRecord> find(RecordSource &words, const Criteria &criteria, qint64 afterRowId,
                                  int limit);
};
