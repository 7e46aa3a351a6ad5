// The main window's dictionary work on the real stores of the program folder: word searches
// (with the trigram index and, for comparison, by scanning), the word display and the
// radical lists.

#include "bench/common/benchtables.h"
#include "dictionary/characterlist.h"
#include "dictionary/searchcriteria.h"
#include "dictionary/wordsearch.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// One set of record sources for all benchmarks, as a main window holds them.
DictionaryTables *openTables(benchmark::State &state)
{
    return BenchTables::open(state);
}

struct IndexUse
{
    explicit IndexUse(DictionaryTables &tables, bool indexed)
        : m_words(tables.words)
    {
        m_words.setSearchIndexEnabled(indexed);
    }
    ~IndexUse() { m_words.setSearchIndexEnabled(true); }
    RecordSource &m_words;
};

// Enter in the English box: contains from the start, through the ten fields when needed,
// then the window's display of whatever word is current. The texts take turns, so that
// nothing one search learnt about its text helps the next.
void englishEnter(benchmark::State &state, const QStringList &texts, bool indexed, bool found)
{
    DictionaryTables *tables = openTables(state);
    if (!tables)
        return;
    IndexUse use(*tables, indexed);
    WordSearch search(*tables);
    qsizetype turn = 0;
    for (auto _ : state) {
        const QString &text = texts.at(turn++ % texts.size());
        const WordSearchResult result = search.english(text, WordSearch::FromStart, {});
        if (result.found != found) {
            state.SkipWithError(qPrintable(u"unexpected result for "_s + text));
            return;
        }
        benchmark::DoNotOptimize(result.word.characters);
    }
}

void englishExact(benchmark::State &state, const QStringList &texts, bool indexed)
{
    DictionaryTables *tables = openTables(state);
    if (!tables)
        return;
    IndexUse use(*tables, indexed);
    WordSearch search(*tables);
    qsizetype turn = 0;
    for (auto _ : state) {
        search.keyTyped();
        const QString &text = texts.at(turn++ % texts.size());
        benchmark::DoNotOptimize(search.english(text, WordSearch::Exact, {}).found);
    }
}

void pinyinEnter(benchmark::State &state, const QStringList &texts, bool indexed)
{
    DictionaryTables *tables = openTables(state);
    if (!tables)
        return;
    IndexUse use(*tables, indexed);
    WordSearch search(*tables);
    qsizetype turn = 0;
    for (auto _ : state) {
        const QString &text = texts.at(turn++ % texts.size());
        benchmark::DoNotOptimize(search.pinyin(text, WordSearch::FromStart, {}).found);
    }
}

void wordDisplay(benchmark::State &state, bool simplified)
{
    DictionaryTables *tables = openTables(state);
    if (!tables)
        return;
    // 一潭死水: four characters, each in the character table.
    tables->words.findFirst(SearchCriteria::wordCodes(u"&H4E00&H6F6D&H6B7B&H6C34"_s));
    if (tables->words.noMatch()) {
        state.SkipWithError("the four-character word is not in the word table");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(showWord(*tables, {simplified, true}).characters);
}

void radicalList(benchmark::State &state)
{
    DictionaryTables *tables = openTables(state);
    if (!tables)
        return;
    int count = 0;
    for (auto _ : state) {
        const CharacterList list = CharacterLists::radikalLista(tables->characters, 30);
        count = list.count;
        benchmark::DoNotOptimize(list.text);
    }
    state.counters["characters"] = count;
}

void radicalNumberButton(benchmark::State &state)
{
    DictionaryTables *tables = openTables(state);
    if (!tables)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(CharacterLists::byRadicalNumber(tables->characters, u"30"_s));
}

void strokesButton(benchmark::State &state)
{
    DictionaryTables *tables = openTables(state);
    if (!tables)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(CharacterLists::byStrokes(tables->characters, u"12"_s));
}

} // namespace

const QStringList kFoundFirst = {u"water"_s, u"fire"_s};
const QStringList kNowhere = {u"xyzzyq"_s, u"qzxwvy"_s};
const QStringList kMisspelt = {u"definately"_s, u"recieve"_s};
const QStringList kTwoWords = {u"water of thee"_s, u"fire of thee"_s};
const QStringList kCommonTrigrams = {u"the ing tion"_s, u"and the ing"_s};
// A page pasted into the box, as long as the box takes: common words, found together nowhere.
const QStringList kPastedPage = {u"salt water river person fire "_s.repeated(1200).left(32767),
                                 u"the language of the mountain "_s.repeated(1200).left(32767)};
const QStringList kSeventhField = {u"into space"_s, u"those higher up"_s};

BENCHMARK_CAPTURE(englishEnter, found_in_translation1, kFoundFirst, true, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(englishEnter, found_in_translation7, kSeventhField, true, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(englishEnter, found_nowhere, kNowhere, true, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(englishEnter, found_nowhere_misspelt, kMisspelt, true, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(englishEnter, found_nowhere_two_words, kTwoWords, true, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(englishEnter, found_nowhere_common_trigrams, kCommonTrigrams, true, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(englishEnter, found_nowhere_pasted_page, kPastedPage, true, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(englishEnter, found_in_translation1_scan, kFoundFirst, false, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(englishEnter, found_nowhere_scan, kNowhere, false, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(englishExact, found_nowhere, kNowhere, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(englishExact, found_nowhere_scan, kNowhere, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pinyinEnter, found, QStringList({u"shui3"_s, u"huo3"_s}), true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pinyinEnter, found_nowhere, QStringList({u"xyz9"_s, u"qzx9"_s}), true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pinyinEnter, found_nowhere_scan, QStringList({u"xyz9"_s, u"qzx9"_s}), false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wordDisplay, four_characters_traditional, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wordDisplay, four_characters_simplified, true)->Unit(benchmark::kMillisecond);
BENCHMARK(radicalList)->Unit(benchmark::kMillisecond);
BENCHMARK(radicalNumberButton)->Unit(benchmark::kMillisecond);
BENCHMARK(strokesButton)->Unit(benchmark::kMillisecond);
