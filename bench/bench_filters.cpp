// The total filter with all sixteen conditions active, and the deviation and rebound
// searches (all 1430 items) on a full history of 12000 draws; showing either search window
// (search, table and chart, as the menu command does).

#include "filters/omissionsearch.h"
#include "filters/totalfilter.h"
#include "filters/windows/u_piantai.h"
#include "filters/windows/u_yilou.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <random>

namespace {

const corvel::DrawTable &fullHistory() {
    static const corvel::DrawTable draws = [] {
        std::mt19937 rng(2011);
        corvel::DrawTable t;
        for (int i = 0; i < corvel::MaxDraws; ++i)
            t.push_back({2000001 + i, int(rng() % 10), int(rng() % 10), int(rng() % 10)});
        return t;
    }();
    return draws;
}

corvel::TotalFilterSettings allConditions() {
    corvel::TotalFilterSettings s;
    s.tiles[0] = {true, true, false, true, true, false, true, true, true, false};
    s.tiles[1] = {true, false, true, true, false, true, true, false, true, true};
    s.tiles[2][4] = true;
    s.positionKeep = corvel::Delete;
    for (int sum = 5; sum <= 22; ++sum) s.sums[size_t(sum)] = true;
    s.spans = {false, true, true, true, true, true, true, true, true, false};
    s.bigSmall[0] = s.bigSmall[3] = true;
    s.bigSmallKeep = corvel::Delete;
    s.oddEven[7] = true;
    s.oddEvenKeep = corvel::Delete;
    s.sumTails[1] = s.sumTails[6] = true;
    s.sumTailKeep = corvel::Delete;
    s.danma[0] = "258";
    s.danma[1] = "1469";
    s.danmaHits[0] = {false, true, true, false};
    s.danmaHits[1] = {true, true, false, false};
    s.danmaMode = corvel::ByPosition;
    for (int r = 0; r < 27; r += 2) s.residues[size_t(r)] = true;
    s.twoCodes[0] = "30 47 12 89";
    s.twoCodes[1] = "05 16";
    s.twoCodes[2] = "99 00 11";
    s.twoCodes[3] = "27";
    s.twoCodeMode = {0, 1, 0, 1};
    s.twoCodeKeep = {1, 1, 1, 1};
    s.group6 = s.group3 = true;
    s.highText = std::to_string(2); // tolerance 0 to 2
    return s;
}

void BM_TotalFilterAllConditions(benchmark::State &state) {
    const corvel::TotalFilterSettings settings = allConditions();
    corvel::DirectNumberTable numbers = corvel::buildDirectNumbers();
    for (auto _ : state) {
        auto kept = corvel::runTotalFilter(numbers, settings, false);
        benchmark::DoNotOptimize(kept.data());
    }
}
BENCHMARK(BM_TotalFilterAllConditions)->Unit(benchmark::kMicrosecond);

void BM_DeviationSearch12000(benchmark::State &state) {
    const corvel::DrawTable &history = fullHistory();
    corvel::searchCatalogue(); // built once per program run
    for (auto _ : state) {
        auto rows = corvel::deviationSearch(history);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_DeviationSearch12000)->Unit(benchmark::kMicrosecond);

void BM_ReboundSearch12000(benchmark::State &state) {
    const corvel::DrawTable &history = fullHistory();
    corvel::searchCatalogue();
    for (auto _ : state) {
        auto rows = corvel::reboundSearch(history);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_ReboundSearch12000)->Unit(benchmark::kMicrosecond);

// Creating and showing a search window runs the search and fills the table and chart; the
// message at the end is answered at once.
template <class Window> void showSearchWindow(benchmark::State &state) {
    corvel::DrawHistory = fullHistory();
    corvel::DrawCount = int(corvel::DrawHistory.size());
    corvel::ui::dialogHooks().message = [](const corvel::ui::Message &) { return true; };
    for (auto _ : state) {
        Window window;
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.listedCount());
    }
    corvel::ui::dialogHooks() = {};
}

void BM_ShowDeviationWindow(benchmark::State &state) { showSearchWindow<corvel::Tfrmpiantai>(state); }
BENCHMARK(BM_ShowDeviationWindow)->Unit(benchmark::kMillisecond);

void BM_ShowReboundWindow(benchmark::State &state) { showSearchWindow<corvel::Tfrmyilou>(state); }
BENCHMARK(BM_ShowReboundWindow)->Unit(benchmark::kMillisecond);

} // namespace
