// The investment mode replay and its search over a 12000-draw history with a random
// 100-number direct list: the fast forms (plans by formula, shared per carried loss,
// combinations over both cores) against the straightforward reference (multiples
// counted up from 1, plans made afresh for every run, the walk row by row, one thread).

#include "core/u_public.h"
#include "planning/replaysearch.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <random>

namespace {

using namespace corvel;

const HitColumn &history12000() {
    static const HitColumn hits = [] {
        std::mt19937 rng(42);
        DrawTable draws;
        for (int i = 0; i < MaxDraws; ++i) draws.push_back({i, int(rng() % 10), int(rng() % 10), int(rng() % 10)});
        Lcg random(20240101);
        const NumberList list = makeRandomList(BetKind::Direct, 100, random);
        return buildHitColumn(draws, {}, BetKind::Direct, list);
    }();
    return hits;
}

// The window's defaults ("单倍注数" 100, "单注奖金" 1000, "预期利润" 10 %, limits 1000000,
// T = R = 1, W = 0) with L betting draws.
ReplayParams singleParams(int betDraws) {
    ReplayParams p;
    p.betDraws = betDraws;
    return p;
}

// One "分析": the window prepares the track and replays once; target ≤ 1 ms.
void BM_ReplayFast(benchmark::State &state) {
    const ReplayParams p = singleParams(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ReplayTrack(history12000()).replay(p));
}
BENCHMARK(BM_ReplayFast)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);

void BM_ReplayReference(benchmark::State &state) {
    const ReplayParams p = singleParams(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(replayStrategyReference(history12000(), p));
}
BENCHMARK(BM_ReplayReference)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);

// The full interval-mode search (10 × 51 × 50 = 25500 replays); target ≤ 1 s.
void BM_SearchFull(benchmark::State &state) {
    const std::atomic<bool> go{false};
    const ReplayParams base = singleParams(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            searchStrategy(history12000(), base, searchSpace(true), go, {}, static_cast<unsigned>(state.range(0))));
}
BENCHMARK(BM_SearchFull)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The reference needs minutes for the full space (with 50 steps a run counts tens of
// thousands of multiples, for every run of every replay), so the ratio is taken on a
// corner of it: both forms sweep L = 1 … 10, the counters give their times and ratio,
// and their results must agree.
void BM_SearchRatio(benchmark::State &state) {
    const std::atomic<bool> go{false};
    const ReplayParams base = singleParams(1);
    SearchSpace space = searchSpace(true);
    space.lItems = 10;
    double fastSeconds = 0, referenceSeconds = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        const SearchResult fast = searchStrategy(history12000(), base, space, go);
        const auto t1 = std::chrono::steady_clock::now();
        const SearchResult ref = searchStrategyReference(history12000(), base, space, go);
        const auto t2 = std::chrono::steady_clock::now();
        if (fast.surplus != ref.surplus || fast.rIndex != ref.rIndex || fast.wIndex != ref.wIndex ||
            fast.lIndex != ref.lIndex)
            state.SkipWithError("fast and reference searches disagree");
        fastSeconds += std::chrono::duration<double>(t1 - t0).count();
        referenceSeconds += std::chrono::duration<double>(t2 - t1).count();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["fast_ms"] = 1000 * fastSeconds / n;
    state.counters["reference_ms"] = 1000 * referenceSeconds / n;
    state.counters["ratio"] = referenceSeconds / fastSeconds;
}
BENCHMARK(BM_SearchRatio)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
