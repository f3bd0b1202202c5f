// The back-test of every list tool over the newest 1000 draws of a 12000-draw history.
// Targets: the total filter ≤ 10 ms; cold-code, exclusion, multiple omission, both follow
// selections and the stable base list ≤ 0.5 s each; the intersection of 20 base lists
// ≤ 1 s. The literal re-runs (argument 1) are measured beside the fast paths (argument 0).

#include "filters/totalfilter.h"
#include "planning/backtest.h"
#include "planning/backtesttools.h"

#include "benchhistory.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

using namespace corvel;

const DrawTable &history12000() {
    static const DrawTable draws = bench::randomMaxHistory(2000001);
    return draws;
}

BacktestSettings thousandDraws() {
    BacktestSettings s;
    s.draws = 1000;
    return s;
}

ToolPath pathOf(const benchmark::State &state) { return state.range(0) ? ToolPath::Literal : ToolPath::Fast; }

void runTool(benchmark::State &state, const std::function<ListTool()> &make) {
    for (auto _ : state) benchmark::DoNotOptimize(runBacktest(history12000(), thousandDraws(), make()).summary);
}

// Sums 10 … 17 kept: the list is filtered once, then checked against every draw.
void BM_BacktestTotal(benchmark::State &state) {
    TotalFilterSettings s;
    for (int sum = 10; sum <= 17; ++sum) s.sums[size_t(sum)] = true;
    runTool(state, [&] {
        DirectNumberTable numbers = buildDirectNumbers();
        NumberList list;
        for (int v : runTotalFilter(numbers, s, false)) list.push_back(numberFromValue(v));
        return fixedListTool({list, ListForm::Direct});
    });
}
BENCHMARK(BM_BacktestTotal)->Unit(benchmark::kMillisecond);

// The window's defaults: the 450 coldest direct numbers; argument 1: 全组选, 100.
void BM_BacktestCold(benchmark::State &state) {
    const bool group = state.range(1) != 0;
    runTool(state,
            [&] { return coldTool(group ? BetKind::AllGroup : BetKind::Direct, group ? 100 : 450, pathOf(state)); });
}
BENCHMARK(BM_BacktestCold)->Args({0, 0})->Args({0, 1})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);

// All eleven rules ticked, tolerance 2.
void BM_BacktestExclusion(benchmark::State &state) {
    ExclusionSettings s;
    s.ticked.fill(true);
    const char *const texts[ExclusionRuleCount] = {
        "0", "5", "9", "8", "7", "35 11 90", "012 210 000", "123*45*9 6*7*8", "0 1 2 27", "58 13", "100"};
    for (size_t r = 0; r < s.texts.size(); ++r) s.texts[r].assign(texts[r]);
    s.tolerance.assign(1, '2'); // tolerance 2
    runTool(state, [&] { return exclusionTool(s, pathOf(state)); });
}
BENCHMARK(BM_BacktestExclusion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BacktestOmission(benchmark::State &state) {
    runTool(state, [&] { return omissionTool(OmissionSettings(), pathOf(state)); });
}
BENCHMARK(BM_BacktestOmission)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The window's defaults (width 1, B 1, M 20, range 1–3) with a danma text; argument 1:
// group 0, direct 1.
void BM_BacktestFollow(benchmark::State &state) {
    const FollowKind kind = state.range(1) ? FollowKind::Direct : FollowKind::Group;
    FilterSettings f;
    f.danma = "1357";
    runTool(state, [&] { return followTool(kind, FollowSettings(), f, pathOf(state)); });
}
BENCHMARK(BM_BacktestFollow)->Args({0, 0})->Args({0, 1})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);

// 20 base lists of 600 numbers each, counted once; 组六 and 组三 may miss 8 lists, and the
// numbers of the last 30 draws are excluded.
void BM_BacktestIntersect(benchmark::State &state) {
    std::mt19937 rng(3);
    std::vector<std::string> texts;
    for (int f = 0; f < 20; ++f) {
        std::vector<int> values(1000);
        for (int v = 0; v < 1000; ++v) values[size_t(v)] = v;
        std::shuffle(values.begin(), values.end(), rng);
        std::string text;
        for (size_t i = 0; i < 600; ++i) text += numberText(numberFromValue(values[i])) + ' ';
        texts.push_back(text);
    }
    IntersectSettings s;
    s.sixHigh = s.threeHigh = 8;
    s.excludeRecent = true;
    s.recent = 30;
    runTool(state, [&] {
        ListCounter counter;
        for (const std::string &text : texts) counter.add(text);
        return intersectTool(counter, s);
    });
}
BENCHMARK(BM_BacktestIntersect)->Unit(benchmark::kMillisecond);

// The window's defaults: 4 lists, 2 stages, 109 misses, counter 1.
void BM_BacktestStable(benchmark::State &state) {
    runTool(state, [] { return stableTool(StableSettings(), std::make_shared<uint32_t>(1)); });
}
BENCHMARK(BM_BacktestStable)->Unit(benchmark::kMillisecond);

} // namespace
