#pragma once

// The dictionary tables of the program folder, one set for a whole benchmark program, opened at
// first use and closed when the application object goes.
//
// Not a function-local static: that would be destroyed after main() has returned, and Qt's
// registry of database connections, created after it by its first open(), is destroyed before
// it; closing the stores then ended every benchmark program in a segmentation fault.

#include "dictionary/tables.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace BenchTables {

inline DictionaryTables *&instance()
{
    static DictionaryTables *tables = nullptr;
    return tables;
}

// Null, with the benchmark skipped, when a store is missing.
inline DictionaryTables *open(benchmark::State &state)
{
    static bool opened = false;
    DictionaryTables *&tables = instance();
    if (!tables) {
        tables = new DictionaryTables;
        opened = tables->open(QStringLiteral(ORDBOK_PROGRAM_DIR));
        qAddPostRoutine([] {
            delete instance();
            instance() = nullptr;
        });
    }
    if (!opened) {
        state.SkipWithError("stores missing in the program folder; build ordbok_data");
        return nullptr;
    }
    return tables;
}

} // namespace BenchTables
