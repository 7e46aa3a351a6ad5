#include "cedict/cedictimporter.h"

#include "cedict/big5cedict.h"
#include "cedict/big5codec.h"
#include "cedict/big5codetable.h"
#include "cedict/cedictlineparser.h"
#include "cedict/cedictlog.h"
#include "cedict/pendingwordtable.h"
#include "cedict/wordtablewriter.h"
#include "dictionary/tables.h"
#include "platform/savefile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int recordsPerBatch = 1024;
constexpr qint64 progressSteps = 200;

using Outcome = CedictImportSummary::Outcome;

// The file's bytes: mapped where the system allows, read otherwise.
class FileContent
{
public:
    RegularFile::Refusal open(const QString &fileName)
    {
        const RegularFile::Refusal refusal =
            RegularFile::open(m_file, fileName, CedictImporter::maxFileBytes);
        if (refusal != RegularFile::Refusal::None)
            return refusal;
        const qint64 size = m_file.size();
        if (size > 0) {
            if (uchar *mapped = m_file.map(0, size))
                m_bytes = QByteArrayView(mapped, size);
        }
        if (m_bytes.isEmpty()) {
            m_read = m_file.readAll();
            m_bytes = m_read;
        }
        return m_file.error() == QFileDevice::NoError ? RegularFile::Refusal::None
                                                      : RegularFile::Refusal::Unreadable;
    }
    QByteArrayView bytes() const { return m_bytes; }
    QString errorString() const { return m_file.errorString(); }

private:
    QFile m_file;
    QByteArray m_read;
    QByteArrayView m_bytes;
};

// Lines become records on a second thread while the importing thread writes them, so that on
// two cores the parse costs no time. A few batches of records go round between the two; each
// record keeps its buffers from one round to the next.
class RecordPipeline
{
public:
    struct Batch
    {
        std::vector<ImportedWord> records = std::vector<ImportedWord>(recordsPerBatch);
        qsizetype size = 0;
        qint64 position = 0; // bytes of the file read once this batch was filled
    };

    RecordPipeline()
    {
        for (Batch &batch : m_batches)
            m_free.append(&batch);
    }

    // Parser side: an empty batch, or nullptr once the writer has stopped.
    Batch *takeFree() { return take(m_free); }
    void putFull(Batch *batch) { put(m_full, batch); }
    void finish() { close(m_finished); }

    // Writer side: the next full batch, or nullptr once the parser has finished.
    Batch *takeFull() { return take(m_full); }
    void putFree(Batch *batch) { put(m_free, batch); }
    void stop() { close(m_stopped); }

private:
    Batch *take(QList<Batch *> &from)
    {
        QMutexLocker lock(&m_mutex);
        while (from.isEmpty() && !m_stopped && !(&from == &m_full && m_finished))
            m_changed.wait(&m_mutex);
        return from.isEmpty() || m_stopped ? nullptr : from.takeFirst();
    }
    void put(QList<Batch *> &to, Batch *batch)
    {
        QMutexLocker lock(&m_mutex);
        to.append(batch);
        m_changed.wakeAll();
    }
    void close(bool &flag)
    {
        QMutexLocker lock(&m_mutex);
        flag = true;
        m_changed.wakeAll();
    }

    std::array<Batch, 4> m_batches;
    QMutex m_mutex;
    QWaitCondition m_changed;
    QList<Batch *> m_free;
    QList<Batch *> m_full;
    bool m_finished = false;
    bool m_stopped = false;
};

} // namespace

CedictImporter::CedictImporter(const QString &programFolder)
    : m_programFolder(programFolder)
    , m_targetFile(Tables::storePath(programFolder, Tables::pendingWordStore))
{
}

CedictImportSummary CedictImporter::importFile(const QString &cedictFile)
{
    QElapsedTimer timer;
    timer.start();
    CedictImportSummary summary;
    summary.targetFile = m_targetFile;
    const auto finished = [&](Outcome outcome) {
        summary.outcome = outcome;
        summary.milliseconds = timer.elapsed();
        return summary;
    };

    if (cedictFile.isEmpty())
        return finished(Outcome::Cancelled);
    FileContent input;
    summary.inputRefusal = input.open(cedictFile);
    if (summary.inputRefusal != RegularFile::Refusal::None) {
        qCDebug(lcCedict) << "cannot read" << cedictFile << input.errorString();
        return finished(Outcome::InputUnreadable);
    }
    const QByteArrayView content = input.bytes();
    summary.check =
        CedictFileCheck::inspect(content, CedictFileCheck::expectedFormat(cedictFile), m_cancel);
    if (summary.check.verdict == CedictFileCheck::Verdict::Stopped)
        return finished(Outcome::Cancelled);
    summary.format = summary.check.format;
    if (!summary.check.accepted()) {
        qCDebug(lcCedict) << cedictFile << summary.check.reason();
        return finished(Outcome::NotCedict);
    }
    summary.entriesInUse = wordTableEntries(Tables::storePath(m_programFolder, Tables::wordStore));
    if (!m_muchSmallerAllowed && summary.entriesInUse > 0 &&
        summary.check.entryLines * 100 < summary.entriesInUse * muchSmallerPercent)
        return finished(Outcome::MuchSmaller);

    Big5CodeTable codes;
    CedictLineParser parser(summary.format, codes, summary);
    if (!parser.isValid())
        return finished(Outcome::CodecMissing);
    if (summary.format == CedictFormat::Big5 && !codes.load(Big5CodeTable::findIn(m_programFolder)))
        return finished(Outcome::CodeTableMissing);
    const QString emptyTemplate = Tables::storePath(m_programFolder, Tables::emptyWordTemplate);
    if (!QFileInfo(emptyTemplate).isFile())
        return finished(Outcome::TemplateMissing);

    // From here on only the staging file is written; every way out but success removes it.
    const QString staging = stagingFileFor(m_targetFile);
    summary.big5TargetFile = QFileInfo(m_targetFile).dir().filePath(DictionaryFiles::pendingBig5);
    const QString big5Staging = stagingFileFor(summary.big5TargetFile);
    WordTableWriter writer;
    const auto abandon = [&](Outcome outcome) {
        writer.close();
        QFile::remove(staging);
        QFile::remove(big5Staging);
        return finished(outcome);
    };
    QFile::remove(staging);
    if (!QFile::copy(emptyTemplate, staging)) {
        qCDebug(lcCedict) << "cannot copy" << emptyTemplate << "to" << staging;
        return abandon(Outcome::WriteFailed);
    }
    QFile::setPermissions(staging, QFile::permissions(staging) | QFile::WriteOwner);
    if (!writer.open(staging))
        return abandon(Outcome::WriteFailed);

    // The parser thread counts lines and what the parse leaves out, this thread the records:
    // different fields of the summary, read once the parser is done.
    const auto store = [&](const ImportedWord &record) {
        if (writer.write(record))
            ++summary.recordsWritten;
        else
            ++summary.recordsRefused;
    };
    store(ImportedWord{}); // the table begins with one empty record

    RecordPipeline pipeline;
    const std::unique_ptr<QThread> parsing(QThread::create([&] {
        ContentLines lines(content);
        QByteArrayView line;
        for (bool more = true; more;) {
            RecordPipeline::Batch *batch = pipeline.takeFree();
            if (!batch)
                break;
            batch->size = 0;
            while (batch->size < recordsPerBatch && (more = lines.next(line))) {
                ++summary.linesRead;
                batch->size += parser.parse(line, batch->records[size_t(batch->size)]);
            }
            batch->position = lines.position();
            pipeline.putFull(batch);
        }
        pipeline.finish();
    }));
    parsing->start();

    CedictImportProgress progress{CedictImportProgress::Stage::Reading, 0, content.size()};
    const qint64 progressStep = content.size() / progressSteps;
    qint64 nextProgress = 0;
    while (RecordPipeline::Batch *batch = pipeline.takeFull()) {
        if (cancelled())
            break;
        for (qsizetype i = 0; i < batch->size; ++i)
            store(batch->records[size_t(i)]);
        if (m_progress && batch->position >= nextProgress) {
            progress.bytesRead = batch->position;
            m_progress(progress);
            nextProgress = batch->position + progressStep;
        }
        pipeline.putFree(batch);
    }
    pipeline.stop();
    parsing->wait();
    if (cancelled())
        return abandon(Outcome::Cancelled);

    if (m_progress) {
        progress.stage = CedictImportProgress::Stage::Indexing;
        progress.bytesRead = content.size();
        m_progress(progress);
    }
    // The search page's file is made on the second core while this one builds the indexes.
    bool big5Written = false;
    QString big5Error;
    const std::unique_ptr<QThread> big5Writing(QThread::create([&] {
        if (summary.format == CedictFormat::Big5) {
            summary.big5Entries = summary.check.entryLines;
            big5Written = writeWholeFile(big5Staging, content, &big5Error);
            return;
        }
        Big5Codec codec;
        Big5CedictSummary converted;
        const QByteArray text = big5CedictText(content, codec, converted);
        summary.big5Entries = converted.entries;
        big5Written = writeWholeFile(big5Staging, text, &big5Error);
    }));
    big5Writing->start();
    const bool indexed = writer.finish(m_cancel);
    big5Writing->wait();
    if (!big5Written)
        qCDebug(lcCedict) << "cannot write" << big5Staging << big5Error;
    if (!indexed || !big5Written)
        return abandon(cancelled() ? Outcome::Cancelled : Outcome::WriteFailed);
    // The last look: a cancel raised while the indexes were built still keeps the old table.
    if (cancelled())
        return abandon(Outcome::Cancelled);
    // The word table goes last: a waiting word table always has its own Big5 file beside it.
    QFile::remove(m_targetFile);
    if (!replaceFile(big5Staging, summary.big5TargetFile) || !replaceFile(staging, m_targetFile))
        return abandon(Outcome::WriteFailed);
    // An import made after a restore was asked for is what the user wants now.
    DictionaryUpdate(m_programFolder).cancelRestoreRequest();
    return finished(Outcome::Imported);
}
