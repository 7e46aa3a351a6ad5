// The full CEDICT import, as the Update window and `ordbok-cli import` run it: the program
// folder's cedict.b5 (Big5, byte by byte, one code table lookup per four hex digits) and the
// UTF-8 CC-CEDICT file, each into a scratch program folder.

#include "cedict/cedictimporter.h"
#include "dictionary/tables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// The code table and the empty template copied from the built program folder.
bool prepareFolder(const QTemporaryDir &dir)
{
    const QDir source(QStringLiteral(ORDBOK_PROGRAM_DIR));
    const QDir target(dir.path());
    return target.mkpath(u"empty"_s) &&
           QFile::copy(source.filePath(Tables::codeStore), target.filePath(u"big5.mdb"_s)) &&
           QFile::copy(source.filePath(Tables::emptyWordTemplate),
                       target.filePath(Tables::emptyWordTemplate));
}

void importFile(benchmark::State &state, const QString &cedictFile)
{
    QTemporaryDir dir;
    if (!QFile::exists(cedictFile) || !prepareFolder(dir)) {
        state.SkipWithError("build ordbok_data first: stores or CEDICT file missing");
        return;
    }
    CedictImporter importer(dir.path());
    CedictImportSummary summary;
    for (auto _ : state) {
        summary = importer.importFile(cedictFile);
        if (!summary.succeeded()) {
            state.SkipWithError("import failed");
            return;
        }
    }
    state.counters["lines"] = double(summary.linesRead);
    state.counters["records"] = double(summary.recordsWritten);
}

void BM_ImportBig5(benchmark::State &state)
{
    importFile(state, QDir(QStringLiteral(ORDBOK_PROGRAM_DIR)).filePath(u"cedict.b5"_s));
}
BENCHMARK(BM_ImportBig5)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ImportUtf8(benchmark::State &state)
{
    importFile(state, QStringLiteral(ORDBOK_CEDICT_U8));
}
BENCHMARK(BM_ImportUtf8)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
