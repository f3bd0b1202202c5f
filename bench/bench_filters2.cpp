// The cold-code search, the comprehensive exclusion, the optimal interval search and the
// multiple omission selection on a 12000-draw history. Targets: cold-code search ≤ 2 ms,
// an exclusion run ≤ 1 ms, omission statistics + one filter ≤ 5 ms, one transformed-
// history pass of the interval search ≤ 0.5 ms, the default interval search (target
// 1000, threshold 500) ≤ 100 ms, a threshold of 5000 ≤ 2 s.

#include "core/u_public.h"
#include "filters/coldcode.h"
#include "filters/exclusion.h"
#include "filters/interval.h"
#include "filters/omission.h"

#include "benchhistory.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

using namespace corvel;

const DrawTable &history12000() {
    static const DrawTable draws = bench::randomMaxHistory(2000001);
    return draws;
}

// "开始搜索" with the defaults: ranking, the 450 coldest, the history replay and memo.
void BM_ColdSearch(benchmark::State &state) {
    const auto kind = static_cast<BetKind>(state.range(0));
    const int count = kind == BetKind::Direct ? 450 : 90;
    for (auto _ : state) {
        const NumberList list = coldSearch(history12000(), kind, count);
        benchmark::DoNotOptimize(coldReplay(history12000(), kind, list));
    }
}
BENCHMARK(BM_ColdSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// "过滤" with all eleven rules ticked.
void BM_ExclusionRun(benchmark::State &state) {
    ExclusionSettings s;
    s.ticked.fill(true);
    const char *const texts[ExclusionRuleCount] = {
        "0", "5", "9", "8", "7", "35 11 90", "012 210 000", "123*45*9 6*7*8", "0 1 2 27", "58 13", "100"};
    for (size_t r = 0; r < s.texts.size(); ++r) s.texts[r].assign(texts[r]);
    s.tolerance.assign(1, '2'); // tolerance 2
    for (auto _ : state) benchmark::DoNotOptimize(runExclusion(history12000(), s));
}
BENCHMARK(BM_ExclusionRun)->Unit(benchmark::kMicrosecond);

// "过滤" with rule texts of the window's 1 MB limit that match nothing: the run reads each
// text once, so its time follows the text length, not text length times 1000 numbers.
void BM_ExclusionLongTexts(benchmark::State &state) {
    ExclusionSettings s;
    s.ticked.fill(true);
    s.ticked[static_cast<size_t>(ExclusionRule::Recent)] = false;
    const size_t length = size_t(state.range(0)) * 1024;
    for (size_t r = 0; r < 5; ++r) s.texts[r] = std::string(length / 8, 'x');
    std::string junk, groups;
    while (junk.size() < length / 4) junk += "a*b*c ";
    while (groups.size() < length / 4) groups += "0123456789 ";
    s.texts[static_cast<size_t>(ExclusionRule::Junk)] = junk;
    s.texts[static_cast<size_t>(ExclusionRule::Danma)] = groups;
    s.texts[static_cast<size_t>(ExclusionRule::TwoDigits)] = std::string(length / 8, 'y');
    for (auto _ : state) benchmark::DoNotOptimize(runExclusion(history12000(), s));
}
BENCHMARK(BM_ExclusionLongTexts)->Arg(64)->Arg(1024)->Unit(benchmark::kMillisecond);

// "统计" and one "过滤" at the next issue.
void BM_OmissionStatisticsAndFilter(benchmark::State &state) {
    const OmissionSettings s;
    for (auto _ : state) {
        const auto stats = omissionStatistics(history12000(), s);
        benchmark::DoNotOptimize(omissionFilter(history12000(), stats, MaxDraws, s));
    }
}
BENCHMARK(BM_OmissionStatisticsAndFilter)->Unit(benchmark::kMicrosecond);

// One pass: a transformed history of all 12000 draws and the walk over it. A target no
// pass can reach in one go, stopped after the first pass by the progress callback.
void BM_IntervalPass(benchmark::State &state) {
    IntervalSettings s;
    s.start = MaxDraws;
    s.threshold = MaxDraws - 1;
    s.target = IntervalMaxTarget;
    s.ranking = state.range(0) != 0;
    s.hundreds = state.range(1) != 0;
    Lcg random(1);
    for (auto _ : state) {
        std::atomic<bool> stop{false};
        benchmark::DoNotOptimize(searchIntervals(history12000(), s, random, stop, [&](int) { stop = true; }));
    }
}
BENCHMARK(BM_IntervalPass)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->ArgNames({"ranking", "hundreds"})
    ->Unit(benchmark::kMicrosecond);

// A whole search at the next issue, target 1000.
void BM_IntervalSearch(benchmark::State &state) {
    IntervalSettings s;
    s.start = MaxDraws;
    s.threshold = static_cast<int>(state.range(0));
    s.target = 1000;
    Lcg random(20240101);
    const std::atomic<bool> go{false};
    int64_t passes = 0;
    for (auto _ : state) passes += searchIntervals(history12000(), s, random, go).passes;
    state.counters["passes"] = benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_IntervalSearch)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace
