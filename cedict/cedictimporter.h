#pragma once

#include "cedict/cedictformat.h"

#include <QString>

// What one import did, for the window's and the command line's report.
struct CedictImportSummary
{
    enum class Outcome {
        Imported,
        Cancelled,        // no file name: nothing was touched
        InputUnreadable,  // the CEDICT file could not be opened
        TemplateMissing,  // empty/kinesiskBIG5kod1.mdb is missing
        CodeTableMissing, // big5.mdb is missing or unreadable (Big5 edition only)
        CodecMissing,     // this Qt has no Big5 codec
        WriteFailed,      // the new table could not be written; the old files are untouched
    };

    Outcome outcome = Outcome::Cancelled;
    CedictFormat format = CedictFormat::Big5;
    QString targetFile;

    qint64 linesRead = 0;
    qint64 recordsWritten = 0; // the leading empty record included
    qint64 recordsRefused = 0; // records the database would not store

    // Big5 edition
    qint64 linesWithoutHeadword = 0; // stored as empty records
    qint64 unknownCodes = 0;         // four-digit groups the code table lacks
    qint64 unclosedReadings = 0;
    qint64 glossScansCut = 0;         // a gloss too long ended the line's glosses
    qint64 linesWithExtraGlosses = 0; // glosses past the tenth were dropped

    // UTF-8 edition
    qint64 nonEntryLines = 0;        // comments and blank lines
    qint64 malformedLines = 0;       // lines of another shape; no record
    qint64 headwordsWithoutBig5 = 0; // tecken left empty
    qint64 charactersOutsideBmp = 0; // left out of teckenkoder

    qint64 milliseconds = 0;

    bool succeeded() const { return outcome == Outcome::Imported; }
};

// Rebuilds the word table from a CEDICT file, in either edition (see CedictFormat). The new
// table starts as a copy of the program folder's empty template and is written into a staging
// file beside the target, all in one transaction; only a finished, closed file is renamed to
// the target. The table begins with one empty record, then holds one record per line of a Big5
// file, or one per entry of a UTF-8 file.
class CedictImporter
{
public:
    explicit CedictImporter(const QString &programFolder);

    // kinesiskBIG5kod1.mdb in the program folder unless set.
    void setTargetFile(const QString &file) { m_targetFile = file; }
    QString targetFile() const { return m_targetFile; }

    CedictImportSummary importFile(const QString &cedictFile);

private:
    QString m_programFolder;
    QString m_targetFile;
};
