#pragma once

#include <QString>

// The captions of the CEDICT search page; it has one edition, in English, for both main
// windows. The search's own captions and messages come with its results.
struct CedictSearchTexts
{
    QString windowTitle; // until the first search
    QString fil, bakfarg, txtfarg, font, sparastudier, exportstudier, overstalltid;
    QString lookup1, lookup1Tip;
    QString saved;        // %1: the line saved
    QString saveFailed;   // %1: the reason
    QString alreadySaved; // %1: the line
    QString notAnEntry;
    QString exportTitle, exportFilter, exportFileName;
    QString exported;         // %1: cards, %2: the file
    QString exportSkipped;    // %1: lines left out
    QString exportDuplicates; // %1: repeated words exported once

    static const CedictSearchTexts &english();
};
