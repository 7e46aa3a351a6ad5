// Syllable lookup on every keystroke, the table loads at start and on a switch, and tone
// rendering over a large body of real readings.

#include "dictionary/tables.h"
#include "pinyin/syllabletables.h"
#include "pinyin/tonemarks.h"
#include "platform/sqliteconnection.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// The word table's pinyin when it has been built, else the readings of CC-CEDICT.
const QStringList &pinyinCorpus()
{
    static const QStringList corpus = [] {
        QStringList readings;
        const QString store =
            Tables::storePath(QStringLiteral(ORDBOK_PROGRAM_DIR), Tables::wordStore);
        if (QFile::exists(store)) {
            SqliteConnection connection(store, SqliteConnection::Mode::ReadOnly);
            QSqlQuery query(u"SELECT Pinyin FROM Tabell1"_s, connection.database());
            while (query.next())
                readings << query.value(0).toString();
        }
        if (!readings.isEmpty())
            return readings;
        QFile cedict(QStringLiteral(ORDBOK_CEDICT_U8));
        if (cedict.open(QIODevice::ReadOnly)) {
            while (!cedict.atEnd()) {
                const QString line = QString::fromUtf8(cedict.readLine());
                const qsizetype open = line.indexOf(u'[');
                const qsizetype close = line.indexOf(u']', open + 1);
                if (!line.startsWith(u'#') && open >= 0 && close > open)
                    readings << line.mid(open + 1, close - open - 1);
            }
        }
        return readings;
    }();
    return corpus;
}

void convertCorpus(benchmark::State &state, QString (*convert)(const QString &))
{
    const QStringList &corpus = pinyinCorpus();
    if (corpus.isEmpty()) {
        state.SkipWithError("no pinyin corpus: neither the word table nor CC-CEDICT is there");
        return;
    }
    qsizetype units = 0;
    for (const QString &reading : corpus)
        units += reading.size();
    for (auto _ : state) {
        for (const QString &reading : corpus)
            benchmark::DoNotOptimize(convert(reading));
    }
    state.SetItemsProcessed(state.iterations() * corpus.size());
    state.SetBytesProcessed(state.iterations() * units * qsizetype(sizeof(QChar)));
    state.SetLabel(QString::number(corpus.size()).toStdString() + " readings");
}

void BM_ToneNumbersToUnicode(benchmark::State &state)
{
    convertCorpus(state, toneNumbersToUnicode);
}
BENCHMARK(BM_ToneNumbersToUnicode)->Unit(benchmark::kMillisecond);

void BM_LoadSimplifiedTable(benchmark::State &state)
{
    for (auto _ : state)
        loadSimplifiedTable();
    state.SetItemsProcessed(state.iterations() * CandidateList.size());
}
BENCHMARK(BM_LoadSimplifiedTable)->Unit(benchmark::kMicrosecond);

void BM_LoadTraditionalTable(benchmark::State &state)
{
    for (auto _ : state)
        loadTraditionalTable();
    state.SetItemsProcessed(state.iterations() * CandidateList.size());
}
BENCHMARK(BM_LoadTraditionalTable)->Unit(benchmark::kMicrosecond);

// Inputs from the first syllable to past the last; "zuo", "v" and "" scan the whole index.
const QStringList lookupInputs{u"a"_s, u"b"_s, u"zh"_s, u"lu"_s, u"zuo"_s, u"v"_s, QString()};

void findSyllableRange(benchmark::State &state, void (*load)())
{
    load();
    const QString input = lookupInputs.at(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(::findSyllableRange(input));
    state.SetLabel(input.isEmpty() ? std::string("(empty)") : input.toStdString());
}

void BM_FindSyllableRange_Simplified(benchmark::State &state)
{
    findSyllableRange(state, loadSimplifiedTable);
}
BENCHMARK(BM_FindSyllableRange_Simplified)->DenseRange(0, int(lookupInputs.size()) - 1);

void BM_FindSyllableRange_Traditional(benchmark::State &state)
{
    findSyllableRange(state, loadTraditionalTable);
}
BENCHMARK(BM_FindSyllableRange_Traditional)->DenseRange(0, int(lookupInputs.size()) - 1);

} // namespace
