// SPDX-License-Identifier: GPL-3.0-or-later
// The window with the largest log one run takes (32,766 connections): the
// analysis from Open to the summary shown, sorting, a chart repaint, a chart
// page chosen after a run, and the start-up with the example log. Run on Qt's offscreen platform.

#include "bench/loggenerator.h"
#include "lang/language.h"
#include "ui/chart.h"
#include "ui/costspage.h"
#include "ui/modemlogdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class TNoDialogs : public kellvar::TUserDialogs {
public:
    void ShowMessage(QWidget*, const QString&, kellvar::TMessageSeverity) override {}
    std::optional<kellvar::TOpenFileAnswer> OpenLogFile(QWidget*, const kellvar::TOpenFileRequest&) override
    {
        return std::nullopt;
    }
    void ShowHelp(QWidget*, const QString&, int) override {}
};

const std::string& LargeLog()
{
    static const std::string path = [] {
        const std::string file = "/tmp/kellvar-window-bench-" + std::to_string(::getpid()) + ".log";
        std::ofstream(file, std::ios::binary) << kellvar::GenerateModemLog({39'000, false, 1});
        return file;
    }();
    return path;
}

std::unique_ptr<kellvar::TModemLogDialog> Window(TNoDialogs& dialogs)
{
    auto window = std::make_unique<kellvar::TModemLogDialog>(dialogs);
    window->SetProgramPath("/tmp/kellvar-window-bench");
    window->resize(1106, 549);
    window->show();
    while (!window->StartUpDone())
        QApplication::processEvents();
    return window;
}

void BM_OpenToSummary(benchmark::State& state)
{
    TNoDialogs dialogs;
    auto window = Window(dialogs);
    const QString log = QString::fromStdString(LargeLog());  // written before the clock starts
    for (auto _ : state) {
        window->AnalyseLogFile(log, true);
        QApplication::processEvents();
    }
    state.counters["rows"] = static_cast<double>(window->Table().RowCount());
}

void BM_SortColumn(benchmark::State& state)
{
    TNoDialogs dialogs;
    auto window = Window(dialogs);
    window->AnalyseLogFile(QString::fromStdString(LargeLog()), true);
    window->Pages()->setCurrentIndex(1);
    QApplication::processEvents();
    for (auto _ : state) {
        window->ListView1ColumnClick(static_cast<int>(state.range(0)));
        QApplication::processEvents();
    }
}

void BM_ChartRepaint(benchmark::State& state)
{
    TNoDialogs dialogs;
    auto window = Window(dialogs);
    window->AnalyseLogFile(QString::fromStdString(LargeLog()), true);
    window->Pages()->setCurrentIndex(2);
    window->findChild<QCheckBox*>("ShowLabelsCheckBox")->setChecked(state.range(0) != 0);
    QApplication::processEvents();
    for (auto _ : state)
        benchmark::DoNotOptimize(window->Charts()[0]->grab());
}

// A chart page chosen after a run: a hidden chart takes the run's points
// only now, so this is where its layout is paid.
void BM_ChartPageShownAfterOpen(benchmark::State& state)
{
    TNoDialogs dialogs;
    auto window = Window(dialogs);
    const QString log = QString::fromStdString(LargeLog());
    for (auto _ : state) {
        state.PauseTiming();
        window->Pages()->setCurrentIndex(0);
        window->AnalyseLogFile(log, true);
        QApplication::processEvents();
        state.ResumeTiming();
        window->Pages()->setCurrentIndex(2);
        benchmark::DoNotOptimize(window->grab());
    }
}

// Priced by the unit tariff: from choosing the Costs tab to its page drawn,
// and the analysis with the pricing beside BM_OpenToSummary.
void BM_CostsPageShown(benchmark::State& state)
{
    TNoDialogs dialogs;
    auto window = Window(dialogs);
    window->CostsPage()->SetFiles({KELLVAR_SOURCE_DIR "/examples/tariffs/german-units-1998.tariff"});
    window->AnalyseLogFile(QString::fromStdString(LargeLog()), true);
    QApplication::processEvents();
    const int costs = window->Pages()->indexOf(window->CostsPage());
    for (auto _ : state) {
        window->Pages()->setCurrentIndex(0);
        QApplication::processEvents();
        window->Pages()->setCurrentIndex(costs);
        benchmark::DoNotOptimize(window->grab());
    }
}

void BM_OpenToSummaryPriced(benchmark::State& state)
{
    TNoDialogs dialogs;
    auto window = Window(dialogs);
    window->CostsPage()->SetFiles({KELLVAR_SOURCE_DIR "/examples/tariffs/german-units-1998.tariff"});
    const QString log = QString::fromStdString(LargeLog());
    for (auto _ : state) {
        window->AnalyseLogFile(log, true);
        QApplication::processEvents();
    }
}

// Another tariff chosen on a shown log of 32,766 connections: from the
// choice to every page that shows costs priced anew.
void BM_TariffChosenAgain(benchmark::State& state)
{
    TNoDialogs dialogs;
    auto window = Window(dialogs);
    const std::vector<std::string> tariffs = {KELLVAR_SOURCE_DIR "/examples/tariffs/german-units-1998.tariff",
                                              KELLVAR_SOURCE_DIR "/examples/tariffs/per-minute.tariff"};
    window->CostsPage()->SetFiles({tariffs[0]});
    window->AnalyseLogFile(QString::fromStdString(LargeLog()), true);
    QApplication::processEvents();
    size_t chosen = 0;
    for (auto _ : state) {
        chosen = 1 - chosen;
        window->CostsPage()->SetFiles({tariffs[chosen]});
        QApplication::processEvents();
    }
    state.counters["rows"] = static_cast<double>(window->Table().RowCount());
}

void BM_StartUpToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        TNoDialogs dialogs;
        kellvar::TModemLogDialog window(dialogs);
        window.SetProgramPath("/tmp/kellvar-window-bench");
        window.SetArguments({KELLVAR_SOURCE_DIR "/examples/ModemLog.txt"});
        window.show();
        while (!window.StartUpDone())
            QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
        window.close();
    }
}

}  // namespace

BENCHMARK(BM_OpenToSummary)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortColumn)->DenseRange(0, 11)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartRepaint)->ArgName("marks")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartPageShownAfterOpen)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CostsPageShown)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OpenToSummaryPriced)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TariffChosenAgain)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::remove(LargeLog().c_str());
    std::remove("/tmp/kellvar-window-bench.INI");
    return 0;
}
