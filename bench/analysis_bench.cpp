// SPDX-License-Identifier: GPL-3.0-or-later
// The whole analysis (match, assemble, row texts, sums) of a log with the
// largest number of connections one run takes.

#include "bench/loggenerator.h"
#include "core/alltimelog.h"
#include "tests/support/analysisstore.h"
#include "core/modemlogparser.h"
#include "core/vocabulary.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

std::string WriteLog(int sessions, bool german)
{
    const std::string path = "/tmp/kellvar-bench-" + std::to_string(::getpid()) + (german ? "-de.log" : ".log");
    std::ofstream(path, std::ios::binary) << kellvar::GenerateModemLog({sessions, german, 1});
    return path;
}

// range(0): sessions, range(1): German, range(2): append the whole log to a new All-Time-Log.
void BM_AnalyseLog(benchmark::State& state)
{
    const std::string path = WriteLog(static_cast<int>(state.range(0)), state.range(1) != 0);
    const std::string history = path + ".ATL";
    kellvar::TAnalysisFlags flags;
    flags.StoreAllTimeLog = state.range(2) != 0;
    flags.NoSizeWarning = true;
    size_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::remove(history.c_str());
        state.ResumeTiming();
        kellvar::TAnalysisStore store;
        kellvar::TAllTimeLogFile allTimeLog(history);
        kellvar::AnalyseLogFile(path, flags, store, &allTimeLog);
        rows = store.Table().RowCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
    std::remove(path.c_str());
    std::remove(history.c_str());
}

// The line matcher alone over every line of a log held in memory;
// range(2): 0 searches each line, 1 is a run's matcher that remembers messages.
void BM_MatchLines(benchmark::State& state)
{
    const std::string log = kellvar::GenerateModemLog({static_cast<int>(state.range(0)), state.range(1) != 0, 1});
    std::vector<std::string_view> lines;
    for (size_t start = 0, end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(std::string_view(log).substr(start, end - start));
    for (auto _ : state) {
        kellvar::TLineMatcher matcher;
        for (const std::string_view line : lines)
            benchmark::DoNotOptimize(state.range(2) != 0 ? matcher.Match(line) : kellvar::MatchLogLine(line));
    }
    state.counters["ns/line"] = benchmark::Counter(
        static_cast<double>(lines.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BM_MatchLines)->ArgNames({"sessions", "german", "remembered"})->ArgsProduct({{4'000}, {0, 1}, {0, 1}});

BENCHMARK(BM_AnalyseLog)
    ->ArgNames({"sessions", "german", "history"})
    ->Args({39'000, 0, 0})
    ->Args({39'000, 1, 0})
    ->Args({39'000, 0, 1})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
