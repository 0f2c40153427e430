// The whole analysis (match, assemble, row texts, sums) of a log with the
// largest number of connections one run takes.

#include "bench/loggenerator.h"
#include "core/alltimelog.h"
#include "core/analysisstore.h"
#include "core/modemlogparser.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

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
    size_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::remove(history.c_str());
        state.ResumeTiming();
        kellvar::TAnalysisStore store;
        kellvar::TAllTimeLogFile allTimeLog(history);
        kellvar::AnalyseLogFile(path, true, flags, store, &allTimeLog);
        rows = store.Table().RowCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
    std::remove(path.c_str());
    std::remove(history.c_str());
}

}  // namespace

BENCHMARK(BM_AnalyseLog)
    ->ArgNames({"sessions", "german", "history"})
    ->Args({39'000, 0, 0})
    ->Args({39'000, 1, 0})
    ->Args({39'000, 0, 1})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
