// One search of the whole cedict.b5 as the CEDICT search page and `ordbok-cli cedict-search`
// run it, side by side with `LC_ALL=C grep -F -c TERM cedict.b5` on the same file. Each
// iteration runs grep once and the search once, so both meet the same load on a shared
// machine. The time reported is the search's; the counters hold the medians:
//   search_ms, grep_ms  wall time of one search and of one grep run (a whole process, as a
//                       user runs it)
//   grep_start_ms       grep on an empty file: the part of grep_ms that starts the process
//   ratio               search_ms / grep_ms
//   ratio_work          search_ms / (grep_ms - grep_start_ms): against grep's own reading
//                       and searching alone
//   ratio_cpu           the same two as processor time (user + system), which a busy
//                       machine disturbs less than wall time
//   hits, lines         lines grep counted, and the search listed

#include "cedict/big5codec.h"
#include "cedict/cedictfilesearch.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

double cpuSeconds(const rusage &usage)
{
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs `grep -F -c pattern file` in the C locale; its count, or -1. cpu: grep's processor time.
int grepCount(const QByteArray &pattern, const QByteArray &file, double *cpu = nullptr)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe[0]);
    const char *argv[] = {"grep", "-F", "-c", "--", pattern.constData(), file.constData(), nullptr};
    std::vector<char *> env;
    for (char **e = environ; *e; ++e) {
        if (qstrncmp(*e, "LC_", 3) != 0 && qstrncmp(*e, "LANG", 4) != 0)
            env.push_back(*e);
    }
    char cLocale[] = "LC_ALL=C";
    env.push_back(cLocale);
    env.push_back(nullptr);
    pid_t pid = 0;
    const int spawned =
        posix_spawnp(&pid, "grep", &actions, nullptr, const_cast<char *const *>(argv), env.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    char output[32] = {};
    const ssize_t got = spawned == 0 ? ::read(pipe[0], output, sizeof output - 1) : -1;
    ::close(pipe[0]);
    int status = 0;
    rusage usage{};
    if (spawned == 0)
        wait4(pid, &status, 0, &usage);
    if (cpu)
        *cpu = cpuSeconds(usage);
    return got > 0 ? atoi(output) : -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_SearchVsGrep(benchmark::State &state, const char *utf8Term)
{
    const QString path = QDir(QStringLiteral(ORDBOK_PROGRAM_DIR)).filePath(u"cedict.b5"_s);
    const QString term = QString::fromUtf8(utf8Term);
    const std::optional<QByteArray> bytes = Big5Codec().encode(term);
    if (!QFile::exists(path) || !bytes) {
        state.SkipWithError("no cedict.b5 in the program folder: build the data first");
        return;
    }
    const QByteArray file = QFile::encodeName(path);
    const QByteArray emptyFile = "/dev/null";
    std::vector<double> search, grep, grepStart, searchCpu, grepCpu;
    int hits = 0;
    int lines = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        double cpu = 0;
        hits = grepCount(*bytes, file, &cpu);
        grep.push_back(secondsSince(start));
        grepCpu.push_back(cpu);

        start = Clock::now();
        const double cpuStart = threadCpuSeconds();
        const CedictSearchResult result = CedictFileSearch::run(path, term);
        const double searched = secondsSince(start);
        searchCpu.push_back(threadCpuSeconds() - cpuStart);
        search.push_back(searched);
        state.SetIterationTime(searched);
        lines = result.entryCount;

        start = Clock::now();
        grepCount(*bytes, emptyFile);
        grepStart.push_back(secondsSince(start));
    }
    state.counters["search_ms"] = median(search) * 1e3;
    state.counters["grep_ms"] = median(grep) * 1e3;
    state.counters["grep_start_ms"] = median(grepStart) * 1e3;
    state.counters["ratio"] = median(search) / median(grep);
    state.counters["ratio_work"] = median(search) / (median(grep) - median(grepStart));
    state.counters["ratio_cpu"] = median(searchCpu) / median(grepCpu);
    state.counters["hits"] = hits;
    state.counters["lines"] = lines;
}

} // namespace

BENCHMARK_CAPTURE(BM_SearchVsGrep, xylophone, "xylophone")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(60);
BENCHMARK_CAPTURE(BM_SearchVsGrep, jellyfish, "jellyfish")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(60);
BENCHMARK_CAPTURE(BM_SearchVsGrep, crocodile_chinese, "鱷魚")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(60);
BENCHMARK_CAPTURE(BM_SearchVsGrep, pinyin, "shui3 ni2")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(60);
