#pragma once

#include <QString>

struct CedictImportSummary;
struct DictionaryGeneration;

// The Update window's texts, English and Swedish: the window takes the edition of the main
// window that opened it.
struct CedictImportTexts
{
    bool swedish = false;
    QString caption;
    QString label1; // the instructions
    QString start;
    QString cancel;
    QString fileDialogTitle;
    QString fileFilter;
    QString ready;

    // "Reading cedict_ts.u8..."
    QString reading(const QString &fileName) const;
    QString indexing;
    QString cancelling;
    // What the status line says when an import has ended.
    QString outcome(const CedictImportSummary &summary, const QString &fileName) const;

    // The question before a much smaller table replaces the one in use (default: No).
    QString muchSmallerCaption;
    QString muchSmaller(const CedictImportSummary &summary, const QString &fileName) const;

    QString restore; // "Restore the previous dictionary"
    // "In use: 2026-12-07, 116,933 entries. Previous: none."
    QString generations(const DictionaryGeneration &current,
                        const DictionaryGeneration &previous) const;
    QString restoreRequested;

    static const CedictImportTexts &english();
    static const CedictImportTexts &svenska();
};
