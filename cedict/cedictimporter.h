#pragma once

#include "cedict/cedictfilecheck.h"
#include "cedict/cedictformat.h"
#include "platform/regularfile.h"

#include <QString>

#include <algorithm>
#include <atomic>
#include <functional>

// What one import did, for the window's and the command line's report.
struct CedictImportSummary
{
    enum class Outcome {
        Imported,
        Cancelled,        // no file name, or the cancel flag raised: nothing was touched
        InputUnreadable,  // the CEDICT file could not be opened (see inputRefusal)
        NotCedict,        // refused by CedictFileCheck (see check.reason()): nothing was touched
        MuchSmaller,      // fewer than 90% of the entries in use, and not allowed: nothing written
        TemplateMissing,  // empty/kinesiskBIG5kod1.mdb is missing
        CodeTableMissing, // big5.mdb is missing or unreadable (Big5 edition only)
        CodecMissing,     // this Qt has no Big5 codec
        WriteFailed,      // the new table could not be written; the old files are untouched
    };

    Outcome outcome = Outcome::Cancelled;
    CedictFormat format = CedictFormat::Big5;
    CedictFileCheck check;
    QString targetFile;
    QString big5TargetFile; // the CEDICT file for the search page, written with the table
    RegularFile::Refusal inputRefusal = RegularFile::Refusal::None;
    qint64 entriesInUse = -1; // of the word table in use; -1 when there is none
    qint64 big5Entries = 0;   // entries the Big5 file for the search page holds

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
    // The dictionary entries the new table holds. A Big5 file gives a record for each of its
    // lines, comments included; only those the check took for entries count.
    qint64 entriesImported() const
    {
        return format == CedictFormat::Big5 ? check.entryLines
                                            : std::max<qint64>(0, recordsWritten - 1);
    }
};

// Where an import is, for a progress display.
struct CedictImportProgress
{
    enum class Stage {
        Reading,  // records written for the lines read so far
        Indexing, // every line read; the indexes are being built
    };
    Stage stage = Stage::Reading;
    qint64 bytesRead = 0;
    qint64 fileSize = 0;
};

// Rebuilds the word table from a CEDICT file, in either edition (see CedictFormat), and with it
// the Big5 CEDICT file that the search page reads (cedict1.b5 beside the target): the file
// itself when it is Big5, its entries that Big5 can hold when it is UTF-8. A file that
// CedictFileCheck refuses, or one much smaller than the dictionary in use, is left alone
// before anything is written. The new table starts as a
// copy of the program folder's empty template and is written into a staging file beside the
// target; only a finished, closed file is renamed to the target, so a failure, a crash or a
// cancel leaves the word table and any earlier pending table exactly as they were. The table
// begins with one empty record, then holds one record per line of a Big5 file, or one per
// entry of a UTF-8 file.
class CedictImporter
{
public:
    using ProgressHandler = std::function<void(const CedictImportProgress &)>;

    explicit CedictImporter(const QString &programFolder);

    // kinesiskBIG5kod1.mdb in the program folder unless set.
    void setTargetFile(const QString &file) { m_targetFile = file; }
    QString targetFile() const { return m_targetFile; }

    // Called on the importing thread, a few hundred times per file at most.
    void setProgressHandler(ProgressHandler handler) { m_progress = std::move(handler); }
    // Another thread may raise the flag at any time; the import then ends as Cancelled. The
    // flag must outlive importFile().
    void setCancelFlag(const std::atomic<bool> *cancel) { m_cancel = cancel; }

    // A new table with fewer than 90% of the entries of the one in use ends as MuchSmaller
    // unless allowed.
    void setMuchSmallerAllowed(bool allowed) { m_muchSmallerAllowed = allowed; }

    CedictImportSummary importFile(const QString &cedictFile);

    static constexpr qint64 maxFileBytes = 256 * 1024 * 1024;
    // Per cent of the entries in use below which a new table needs the user's word.
    static constexpr qint64 muchSmallerPercent = 90;

private:
    bool cancelled() const { return m_cancel && m_cancel->load(std::memory_order_relaxed); }

    QString m_programFolder;
    QString m_targetFile;
    ProgressHandler m_progress;
    const std::atomic<bool> *m_cancel = nullptr;
    bool m_muchSmallerAllowed = false;
};
