// Follow selection and automatic plans on a 12000-draw history.
// Targets: "统计" plus "过滤" of either follow window ≤ 2 ms for every width; one
// automatic plan step (with its bet list) ≤ 0.1 ms.

#include "core/u_public.h"
#include "generators/autoplan.h"
#include "generators/follow.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

using namespace corvel;

const DrawTable &history12000() {
    static const DrawTable draws = [] {
        std::mt19937 rng(42);
        DrawTable table;
        for (int i = 0; i < MaxDraws; ++i) table.push_back({i, int(rng() % 10), int(rng() % 10), int(rng() % 10)});
        return table;
    }();
    return draws;
}

// One "统计" and one "过滤" with the window's defaults (B 1, F 2, M 20, range 1–3) and a
// danma text; arguments: width, "分次序", "包括开奖号".
void followRun(benchmark::State &state, FollowKind kind) {
    FollowSettings s;
    s.width = static_cast<int>(state.range(0));
    s.ordered = state.range(1) != 0;
    s.includeDraw = state.range(2) != 0;
    FilterSettings f;
    f.danma = "1357";
    f.includeDraw = s.includeDraw;
    const DrawTable &h = history12000();
    size_t rows = 0;
    for (auto _ : state) {
        FollowSelection selection(kind);
        selection.statistics(h, static_cast<int>(h.size()), s);
        selection.filter(f);
        const FollowLists lists = selection.lists();
        rows = selection.table().rows.size();
        benchmark::DoNotOptimize(lists.combined.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_FollowGroup(benchmark::State &state) { followRun(state, FollowKind::Group); }
void BM_FollowDirect(benchmark::State &state) { followRun(state, FollowKind::Direct); }
BENCHMARK(BM_FollowGroup)
    ->ArgsProduct({{1, 2, 3}, {0, 1}, {0, 1}})
    ->ArgNames({"width", "ordered", "draws"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FollowDirect)
    ->ArgsProduct({{1, 2, 3}, {0}, {0, 1}})
    ->ArgNames({"width", "ordered", "draws"})
    ->Unit(benchmark::kMicrosecond);

// The follow table's cells as a window formats them on demand: every cell of every row.
void BM_FollowCells(benchmark::State &state) {
    FollowSettings s;
    s.width = 2;
    s.ordered = true;
    const FollowTable t = followStatistics(FollowKind::Group, history12000(), MaxDraws, s);
    for (auto _ : state)
        for (size_t r = 0; r < t.rows.size(); ++r)
            for (int c = 0; c < 6; ++c) benchmark::DoNotOptimize(followCell(t, r, c));
    state.counters["rows"] = static_cast<double>(t.rows.size());
}
BENCHMARK(BM_FollowCells)->Unit(benchmark::kMicrosecond);

// One step of a running plan and the bet list it shows.
void planStep(benchmark::State &state, PlanKind kind) {
    const auto mode = static_cast<PlanMode>(state.range(0));
    AutoPlan running(kind);
    running.step(mode, "135", "246");
    for (auto _ : state) {
        AutoPlan plan = running;
        benchmark::DoNotOptimize(plan.step(mode, "947", "135")); // no win: a row is added
        benchmark::DoNotOptimize(plan.betList().data());
    }
}
void BM_TwoDigitPlanStep(benchmark::State &state) { planStep(state, PlanKind::TwoDigit); }
void BM_ThreeDigitPlanStep(benchmark::State &state) { planStep(state, PlanKind::ThreeDigit); }
BENCHMARK(BM_TwoDigitPlanStep)->Arg(0)->Arg(1)->ArgName("size")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThreeDigitPlanStep)->Arg(0)->Arg(1)->ArgName("size")->Unit(benchmark::kMicrosecond);

} // namespace
