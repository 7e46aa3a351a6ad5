// The one main() of every benchmark program. Qt loads the SQLite driver as a plugin, which
// needs an application object; window benchmarks need a widget application, offscreen.

#include <QLoggingCategory>
#include <QtGlobal>
#ifdef ORDBOK_BENCH_UI
#include <QApplication>
using BenchApplication = QApplication;
#else
#include <QCoreApplication>
using BenchApplication = QCoreApplication;
#endif

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
#ifdef ORDBOK_BENCH_UI
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    BenchApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("ordbok.*.debug=false"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
