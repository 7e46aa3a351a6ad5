// The code search page and the page translator on the real stores: a copied word with the
// entries that contain it, a page of 500 characters, and what one pointer move costs.

#include "bench/common/benchtables.h"
#include "dictionary/charactercode.h"
#include "dictionary/codewordsearch.h"
#include "dictionary/pagetranslation.h"
#include "dictionary/tables.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

DictionaryTables *openTables(benchmark::State &state)
{
    return BenchTables::open(state);
}

// Running text, simplified and traditional mixed as copies from the web are.
const QString kParagraph =
    u"中國人民在長期的歷史發展中創造了燦爛的文化。我們都是中國人，我們愛學習中文。"
    u"北京大学是中国最有名的大学之一，每年都有很多外国留学生来这里学习汉语。"
    u"圖書館裡有許多關於電腦科學和經濟學的書籍，學生們常常在那裡讀書到很晚。"
    u"今天天氣很好，我們一起去公園散步吧。"_s;

QStringList pageCodes(int characters)
{
    QString text;
    while (text.size() < characters)
        text += kParagraph;
    return CharacterCode::pieces(CharacterCode::codeString(text.left(characters)));
}

// Two-character words that many later entries contain.
void codeSearch(benchmark::State &state, const QString &word)
{
    DictionaryTables *tables = openTables(state);
    if (!tables)
        return;
    CodeWordSearch search(tables->words, tables->characters);
    const QStringList codes = CharacterCode::pieces(CharacterCode::codeString(word));
    qsizetype lines = 0;
    for (auto _ : state) {
        const CodeWordResult result = search.search(codes, false);
        lines = result.lines.size();
        benchmark::DoNotOptimize(result.lines);
    }
    state.counters["lines"] = double(lines);
}

void createPage(benchmark::State &state)
{
    DictionaryTables *tables = openTables(state);
    if (!tables)
        return;
    PageTranslation translation(tables->characters, tables->words);
    const QStringList codes = pageCodes(int(state.range(0)));
    for (auto _ : state)
        translation.setPage(codes);
}

// The pointer moves on to the next character each time, across the whole page.
void pointerMove(benchmark::State &state)
{
    DictionaryTables *tables = openTables(state);
    if (!tables)
        return;
    PageTranslation translation(tables->characters, tables->words);
    translation.setPage(pageCodes(int(state.range(0))));
    int index = 0;
    int longWords = 0;
    for (auto _ : state) {
        const CharacterDetails details = translation.details(index);
        longWords += details.wordLength >= 3;
        index = (index + 1) % int(translation.page().size());
        benchmark::DoNotOptimize(details.wordLine);
    }
    state.counters["words_of_3_or_more"] =
        benchmark::Counter(double(longWords), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK_CAPTURE(codeSearch, zhongguo, u"中國"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(codeSearch, xuesheng, u"學生"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(codeSearch, zhongguoren, u"中國人"_s)->Unit(benchmark::kMillisecond);
BENCHMARK(createPage)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(pointerMove)->Arg(500)->Unit(benchmark::kMicrosecond);
