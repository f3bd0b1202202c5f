// The indicator trend analysis (all tables and the candidate list) of every indicator
// window on a 12000-draw history, and the creation of an indicator window.

#include "analysis/indicatoranalysis.h"
#include "analysis/windows/u_indicatorwindow.h"
#include "core/u_public.h"
#include "shell/windowregistry.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace {

using namespace corvel;

DrawTable randomHistory(int count) {
    std::mt19937 rng(12000);
    DrawTable t;
    for (int i = 0; i < count; ++i) t.push_back({2000000 + i, int(rng() % 10), int(rng() % 10), int(rng() % 10)});
    return t;
}

const DrawTable &history12000() {
    static const DrawTable h = randomHistory(MaxDraws);
    return h;
}

void BM_IndicatorAnalysis12000(benchmark::State &state) {
    const IndicatorWindowSpec &spec = *indicatorWindowSpec(int(state.range(0)));
    const DirectNumberTable numbers = buildDirectNumbers();
    for (auto _ : state) {
        IndicatorAnalysis a = analyseIndicator(spec, history12000(), {1, 1}, numbers);
        benchmark::DoNotOptimize(a.trend.cells.data());
    }
    state.SetLabel(spec.className);
}
BENCHMARK(BM_IndicatorAnalysis12000)->DenseRange(3, 19)->Unit(benchmark::kMillisecond);

// Creating, laying out and painting a window once, as the main window does for a tab.
void BM_IndicatorWindowShow12000(benchmark::State &state) {
    DrawHistory = history12000();
    DrawCount = int(DrawHistory.size());
    DirectNumbers = buildDirectNumbers();
    NumberCount = 1000;
    for (auto _ : state) {
        std::unique_ptr<QWidget> w(analysisWindowFactory(int(state.range(0)))(nullptr));
        w->resize(1280, 800);
        w->show();
        w->grab();
        QApplication::processEvents();
    }
    state.SetLabel(indicatorWindowSpec(int(state.range(0)))->className);
}
BENCHMARK(BM_IndicatorWindowShow12000)->Arg(3)->Arg(5)->Arg(10)->Arg(15)->Unit(benchmark::kMillisecond);

} // namespace
