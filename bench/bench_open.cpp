// Opening a lottery of 12000 draws, and start-up to the main window (without the splash).

#include "benchfolder.h"
#include "core/u_public.h"
#include "shell/startup.h"
#include "shell/u_main.h"
#include "store/u_datamod.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace corvel;
using bench::BenchFolder;

void BM_OpenLottery12000(benchmark::State &state) {
    BenchFolder folder;
    Tdatamod dm;
    LotteryName = "中国福彩3D";
    LotteryKind = 1;
    NumberRange = 10;
    PickCount = 3;
    PositionStart = 1;
    for (auto _ : state) {
        LoadLottery();
        FillDrawHistory();
        benchmark::DoNotOptimize(TrendRows.data());
    }
    if (DrawCount != MaxDraws) state.SkipWithError("wrong draw count");
}
BENCHMARK(BM_OpenLottery12000)->Unit(benchmark::kMillisecond);

void BM_StartupToMainWindow(benchmark::State &state) {
    BenchFolder folder;
    for (auto _ : state) {
        Shell shell = startShell(folder.dir.path());
        shell.mainWindow->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(shell.mainWindow.get());
    }
}
BENCHMARK(BM_StartupToMainWindow)->Unit(benchmark::kMillisecond);

} // namespace
