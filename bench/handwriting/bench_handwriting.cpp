// From the end of a stroke to the candidates: recognition with both models, then the
// candidates filtered and completed over the real stores, as the drawing window does.
#include "bench/common/benchtables.h"
#include "dictionary/tables.h"
#include "handwriting/candidateoffer.h"
#include "handwriting/strokematcher.h"
#include "handwriting/strokestore.h"
#include "handwriting/syntheticink.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

struct Fixture
{
    HandwritingRecognizer recognizer;
    StrokeStore store;

    Fixture()
    {
        recognizer.load();
        recognizer.loadStrokes(StrokeStore::path(QStringLiteral(ORDBOK_STROKES_DIR)));
        store.open(StrokeStore::path(QStringLiteral(ORDBOK_STROKES_DIR)));
    }
    static Fixture &get()
    {
        static Fixture fixture;
        return fixture;
    }
};

// The first n strokes of a character (all of them when n exceeds its count).
void BM_CandidatesAfterStroke(benchmark::State &state, const QString &character)
{
    Fixture &f = Fixture::get();
    DictionaryTables *tables = BenchTables::open(state);
    if (!tables)
        return;
    const std::optional<CharacterStrokes> strokes = f.store.strokes(character);
    if (!f.recognizer.isLoaded() || !strokes) {
        state.SkipWithError("no models or no stroke store");
        return;
    }
    Ink ink = SyntheticInk::fromMedians(strokes->medians, 1);
    ink.resize(std::min<qsizetype>(state.range(0), ink.size()));
    quint32 round = 0;
    for (auto _ : state) {
        // A rules cache of its own each round: the candidates of a new drawing are new.
        state.PauseTiming();
        StoreCandidateRules rules(tables->characters, tables->words);
        ++round;
        state.ResumeTiming();
        const QStringList offered =
            offerCandidates(f.recognizer.recognize(ink, 30), 10, rules.rules(round % 2));
        benchmark::DoNotOptimize(offered);
    }
    state.counters["strokes"] = double(ink.size());
}
BENCHMARK_CAPTURE(BM_CandidatesAfterStroke, shui, u"水"_s)
    ->Arg(1)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CandidatesAfterStroke, xue, u"學"_s)
    ->Arg(1)
    ->Arg(8)
    ->Arg(16)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CandidatesAfterStroke, yu, u"鬱"_s)->Arg(29)->Unit(benchmark::kMillisecond);

// The stroke matcher alone, over the whole store: the worst case, as the recognizer indexes
// only the characters its models lack.
void BM_StrokeMatch(benchmark::State &state, const QString &character)
{
    Fixture &f = Fixture::get();
    const std::optional<CharacterStrokes> strokes = f.store.strokes(character);
    if (!strokes) {
        state.SkipWithError("no stroke store");
        return;
    }
    static const StrokeMatcher matcher = [&f] {
        StrokeMatcher built;
        built.build(f.store);
        return built;
    }();
    const Ink ink = SyntheticInk::fromMedians(strokes->medians, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(matcher.match(ink, 30));
    state.counters["indexed"] = double(matcher.size());
}
BENCHMARK_CAPTURE(BM_StrokeMatch, shui, u"水"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StrokeMatch, wo, u"我"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StrokeMatch, yu, u"鬱"_s)->Unit(benchmark::kMillisecond);

void BM_BuildStrokeMatcher(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    for (auto _ : state) {
        StrokeMatcher matcher;
        matcher.build(f.store);
        benchmark::DoNotOptimize(matcher.size());
    }
}
BENCHMARK(BM_BuildStrokeMatcher)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadModels(benchmark::State &state)
{
    for (auto _ : state) {
        HandwritingRecognizer recognizer;
        benchmark::DoNotOptimize(recognizer.load());
    }
}
BENCHMARK(BM_LoadModels)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StrokeStoreOpenAndRead(benchmark::State &state)
{
    for (auto _ : state) {
        StrokeStore store;
        store.open(StrokeStore::path(QStringLiteral(ORDBOK_STROKES_DIR)));
        benchmark::DoNotOptimize(store.strokes(u"學"_s));
    }
}
BENCHMARK(BM_StrokeStoreOpenAndRead)->Unit(benchmark::kMicrosecond);

} // namespace
