#pragma once

#include <QString>

struct CedictImportSummary;

// The Update window's texts. The window has one edition, in English, whichever main window
// opened it.
struct CedictImportTexts
{
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

    static const CedictImportTexts &english();
};
