#pragma once

#include <QString>

struct FrequencyStoreSummary
{
    qint64 corpusWords = 0; // lines read from the word list
    qint64 words = 0;       // keys written: simplified and traditional forms of dictionary words
    qint64 characters = 0;  // characters with a kFrequency rank
    qint64 readings = 0;    // character readings with a kHanyuPinlu count
};

// frequency.db from jieba's dict.txt ("中国 61290 ns", one word, count and part of speech a
// line), Unihan's kFrequency and kHanyuPinlu (when Unihan_Readings is there) and the CC-CEDICT
// file: a word is kept when CC-CEDICT has it, under its simplified and its traditional form, with
// the count of whichever form the list knows.
bool buildFrequencyStore(const QString &wordListFile, const QString &unihanFolder,
                         const QString &cedictFile, const QString &targetFile,
                         FrequencyStoreSummary &summary, QString &error);
