// The whole analysis (match, assemble, row texts, sums) of a log with the
// largest number of connections one run takes.

#include "bench/loggenerator.h"
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

void BM_AnalyseLog(benchmark::State& state)
{
    const std::string path = WriteLog(static_cast<int>(state.range(0)), state.range(1) != 0);
    size_t rows = 0;
    for (auto _ : state) {
        kellvar::TAnalysisStore store;
        kellvar::AnalyseLogFile(path, true, {}, store);
        rows = store.Table().RowCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
    std::remove(path.c_str());
}

}  // namespace

BENCHMARK(BM_AnalyseLog)->Args({39'000, 0})->Args({39'000, 1})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
