// Record source searches on the real stores of the program folder: the key lookup that every
// character of a displayed word costs, and a contains search that finds nothing, which has to
// look at every word.

#include "dictionary/tables.h"
#include "platform/recordsource.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

bool openStore(benchmark::State &state, RecordSource &source, QLatin1StringView file)
{
    if (source.open(Tables::storePath(QStringLiteral(ORDBOK_PROGRAM_DIR), file)))
        return true;
    state.SkipWithError("store missing in the program folder; build ordbok_data");
    return false;
}

// FindFirst by character code, over codes spread through the whole table.
void BM_FindFirstCharacterCode(benchmark::State &state)
{
    RecordSource characters;
    if (!openStore(state, characters, Tables::characterStore))
        return;
    QSqlQuery query(characters.database());
    QList<Criteria> criteria;
    query.exec(u"SELECT %1 FROM %2 WHERE rowid % 97 = 0"_s.arg(CharacterField::teckenkod,
                                                               Tables::tableName));
    while (query.next())
        criteria << Criteria{CharacterField::teckenkod, Criteria::Operator::Equals,
                             query.value(0).toString()};
    query.finish();
    if (criteria.isEmpty()) {
        state.SkipWithError("empty character table");
        return;
    }
    qsizetype next = 0;
    for (auto _ : state) {
        characters.findFirst(criteria.at(next));
        if (characters.noMatch()) {
            state.SkipWithError("a code of the table was not found");
            return;
        }
        next = (next + 1) % criteria.size();
    }
    state.counters["codes"] = double(criteria.size());
}
BENCHMARK(BM_FindFirstCharacterCode)->Unit(benchmark::kMicrosecond);

// "translation1 like'*text*'" that matches no word, with the trigram index and by scanning.
void BM_FindFirstTranslationNotFound(benchmark::State &state)
{
    RecordSource words;
    if (!openStore(state, words, Tables::wordStore))
        return;
    words.setSearchIndexEnabled(state.range(0) != 0);
    for (auto _ : state) {
        words.findFirst(
            Criteria{WordField::translation(1), Criteria::Operator::Like, u"*xylophonics*"_s});
        if (!words.noMatch()) {
            state.SkipWithError("the text was found");
            return;
        }
    }
    state.SetLabel(state.range(0) != 0 ? "trigram index" : "table scan");
}
BENCHMARK(BM_FindFirstTranslationNotFound)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
