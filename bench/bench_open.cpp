// Opening a lottery of 12000 draws, and start-up to the main window (without the splash).

#include "core/u_public.h"
#include "shell/startup.h"
#include "shell/u_main.h"
#include "store/appdir.h"
#include "store/catalogue.h"
#include "store/u_datamod.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

using namespace corvel;

// A program folder with a database of one 12000-draw lottery.
struct BenchFolder {
    QTemporaryDir dir;
    BenchFolder() {
        initAppDir(dir.path());
        BundledLottery l;
        l.options = {QStringLiteral("中国福彩3D"), 1, 10, 3, QStringLiteral("21:15"), QStringLiteral("1234567")};
        std::mt19937 rng(7);
        for (int i = 0; i < MaxDraws; ++i) {
            RawDraw row;
            row.issue = std::to_string((2000 + i / 999) * 1000 + i % 999 + 1);
            for (int c = 0; c < 3; ++c) row.digits[c] = int(rng() % 10);
            l.draws.rows.push_back(row);
        }
        createDatabase(databasePath(), {l});
    }
};

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
