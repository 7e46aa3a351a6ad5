// A document of 200,000 characters (about a hundred A4 pages at 12 points) laid out and
// written to PDF, plain and with pinyin above the words; the reading table read from the
// real stores on its own.

#include "print/printfont.h"
#include "print/readingtable.h"
#include "print/rubysegmenter.h"
#include "print/textpages.h"

#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype documentLength = 200000;

// Lines of Chinese prose with some English, as a learner's notes look.
QString document()
{
    const QStringList lines{
        u"我们在中国学习中文，每天都要写很多汉字。"_s,
        u"他的女兒在大學學習歷史和經濟，她很喜歡看書。"_s,
        u"Learning Chinese takes patience and a good dictionary."_s,
        u"今天天气很好，我们去公园散步吧。中國人很喜歡喝茶。"_s,
    };
    QString text;
    for (int i = 0; text.size() < documentLength; ++i)
        text += lines.at(i % lines.size()) + u'\n';
    text.truncate(documentLength);
    return text;
}

const QString programFolder = QStringLiteral(ORDBOK_PROGRAM_DIR);

void printDocument(benchmark::State &state, const RubySegmenter *segmenter)
{
    const QString text = document();
    const QFont font = programPrintFont(programFolder, 12);
    QTemporaryDir dir;
    int pages = 0;
    for (auto _ : state) {
        QPdfWriter writer(dir.filePath(u"document.pdf"_s));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(600);
        PageFrame::applyMargins(writer);
        const TextPages layout(text, font, writer, segmenter);
        if (!layout.print(writer)) {
            state.SkipWithError("the PDF writer did not start");
            return;
        }
        pages = layout.pageCount();
    }
    state.counters["pages"] = pages;
    state.counters["characters"] = double(text.size());
    state.counters["pdf_bytes"] = double(QFile(dir.filePath(u"document.pdf"_s)).size());
}

void BM_PrintPlain(benchmark::State &state)
{
    printDocument(state, nullptr);
}
BENCHMARK(BM_PrintPlain)->Unit(benchmark::kMillisecond)->Iterations(3);

const ReadingTable &realTable()
{
    static const ReadingTable table = ReadingTable::load(programFolder);
    return table;
}

void BM_PrintWithPinyin(benchmark::State &state)
{
    if (realTable().isEmpty()) {
        state.SkipWithError("no stores in the program folder");
        return;
    }
    const RubySegmenter segmenter(realTable());
    printDocument(state, &segmenter);
}
BENCHMARK(BM_PrintWithPinyin)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadReadingTable(benchmark::State &state)
{
    for (auto _ : state) {
        const ReadingTable table = ReadingTable::load(programFolder);
        benchmark::DoNotOptimize(table.longestWord());
    }
}
BENCHMARK(BM_LoadReadingTable)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
