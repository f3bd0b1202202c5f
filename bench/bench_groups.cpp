// The digit-group analyses at group size 5 (252 groups) on a full history of 12000 draws.

#include "analysis/digitgroups.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

const corvel::DrawTable &fullHistory() {
    static const corvel::DrawTable draws = [] {
        std::mt19937 rng(2007);
        corvel::DrawTable t;
        for (int i = 0; i < corvel::MaxDraws; ++i)
            t.push_back({2000001 + i, int(rng() % 10), int(rng() % 10), int(rng() % 10)});
        return t;
    }();
    return draws;
}

const corvel::DirectNumberTable &numbers() {
    static const corvel::DirectNumberTable t = corvel::buildDirectNumbers();
    return t;
}

void BM_PositionGroupsSize5(benchmark::State &state) {
    for (auto _ : state) {
        auto a = corvel::analysePositions(fullHistory(), numbers(), 2, 5, 100);
        benchmark::DoNotOptimize(a.groups.data());
    }
}
BENCHMARK(BM_PositionGroupsSize5)->Unit(benchmark::kMillisecond);

void BM_OverallGroupsSize5(benchmark::State &state) {
    for (auto _ : state) {
        auto a = corvel::analyseOverall(fullHistory(), numbers(), 5, 100);
        benchmark::DoNotOptimize(a.groups.data());
    }
}
BENCHMARK(BM_OverallGroupsSize5)->Unit(benchmark::kMillisecond);

} // namespace
