// The parameter search: the fast sweep (shared plans, several threads) against the
// sequential reference, the tie rule, stopping, and progress.

#include "planning/replaysearch.h"

#include <gtest/gtest.h>
#include <random>

using namespace corvel;

namespace {

HitColumn randomHits(std::mt19937_64 &rng, int n, int density) {
    HitColumn hits(static_cast<size_t>(n));
    int last = -1;
    for (int i = 0; i < n; ++i) {
        const bool won = int(rng() % 100) < density;
        hits[i].issue = i + 1;
        hits[i].omission = won ? 0 : i - last;
        if (won) last = i;
    }
    return hits;
}

ReplayParams randomParams(std::mt19937_64 &rng) {
    ReplayParams p;
    p.betCount = 1 + int64_t(rng() % 150);
    const int64_t prizes[] = {60, 250, 1000, 3000};
    p.prize = prizes[rng() % 4]; // small prizes abort many combinations
    p.profitRate = int64_t(rng() % 40);
    p.singleMax = rng() % 3 ? 1000000 : int64_t(rng() % 30000);
    p.totalMax = rng() % 3 ? 1000000 : int64_t(rng() % 300000);
    p.observeGap = 1 + int(rng() % 6);
    p.carryLoss = rng() % 2;
    return p;
}

void expectSame(const SearchResult &a, const SearchResult &b, int round) {
    EXPECT_EQ(a.rIndex, b.rIndex) << "round " << round;
    EXPECT_EQ(a.wIndex, b.wIndex) << "round " << round;
    EXPECT_EQ(a.lIndex, b.lIndex) << "round " << round;
    EXPECT_EQ(a.surplus, b.surplus) << "round " << round;
    EXPECT_EQ(a.tried, b.tried) << "round " << round;
}

} // namespace

TEST(ReplaySearch, FastSearchFindsTheReferenceBestOnRandomCases) {
    std::mt19937_64 rng(77);
    const std::atomic<bool> go{false};
    for (int round = 0; round < 14; ++round) {
        const HitColumn hits = randomHits(rng, 60 + int(rng() % 140), 3 + int(rng() % 40));
        ReplayParams base = randomParams(rng);
        const bool interval = round % 2;
        if (!interval) base.observeGap = 1;
        // The reference counts every multiple up from 1, so it searches a corner of the
        // full space here; the full space is compared below.
        SearchSpace space = searchSpace(interval);
        if (interval) space.wItems = 4 + int(rng() % 10);
        space.lItems = 4 + int(rng() % 17);
        const SearchResult ref = searchStrategyReference(hits, base, space, go);
        expectSame(searchStrategy(hits, base, space, go, {}, 2), ref, round);
        expectSame(searchStrategy(hits, base, space, go, {}, 3), ref, round);
    }
}

TEST(ReplaySearch, FullIntervalSearchAgreesWithTheReference) {
    std::mt19937_64 rng(3);
    const HitColumn hits = randomHits(rng, 150, 12);
    ReplayParams base;
    base.betCount = 30;
    base.prize = 1000;
    base.observeGap = 2;
    const std::atomic<bool> go{false};
    const SearchResult ref = searchStrategyReference(hits, base, searchSpace(true), go);
    EXPECT_EQ(ref.tried, 25500);
    expectSame(searchStrategy(hits, base, searchSpace(true), go), ref, 0);
}

TEST(ReplaySearch, TiesKeepTheEarliestCombination) {
    // Every surplus is computed independently; the best is the first largest one.
    std::mt19937_64 rng(8);
    const std::atomic<bool> go{false};
    for (int round = 0; round < 6; ++round) {
        const HitColumn hits = randomHits(rng, 80, 25);
        ReplayParams base = randomParams(rng);
        SearchSpace space{3, 6, 5};
        int64_t best = InitialBestSurplus;
        int bx = 0, by = 0, bz = 0;
        for (int x = 0; x < space.rItems; ++x)
            for (int y = 0; y < space.wItems; ++y)
                for (int z = 0; z < space.lItems; ++z) {
                    const int64_t s = replayStrategy(hits, searchCombination(base, x, y, z)).surplus;
                    if (s > best) best = s, bx = x, by = y, bz = z;
                }
        for (unsigned threads : {1u, 2u, 4u}) {
            const SearchResult r = searchStrategy(hits, base, space, go, {}, threads);
            EXPECT_EQ(r.surplus, best);
            EXPECT_EQ(std::make_tuple(r.rIndex, r.wIndex, r.lIndex), std::make_tuple(bx, by, bz)) << round;
        }
    }
    // A list that never wins: every combination ends at 0, so the first stays best.
    const SearchResult flat = searchStrategy(HitColumn(100, HitRow{1, 5}), ReplayParams{}, searchSpace(true), go);
    EXPECT_EQ(std::make_tuple(flat.rIndex, flat.wIndex, flat.lIndex, flat.surplus),
              std::make_tuple(0, 0, 0, int64_t(0)));
}

TEST(ReplaySearch, NothingBeatsTheInitialSurplusSelectsTheFirstCombination) {
    // A win every tenth draw and runs of at most two bets after at most one quiet draw:
    // about 6000 runs all lose at least 2000, far below −10000000.
    HitColumn hits(60000, HitRow{1, 3});
    for (size_t i = 0; i < hits.size(); i += 10) hits[i].omission = 0;
    ReplayParams base;
    base.betCount = 1000;
    base.prize = 1000000;
    base.carryLoss = false;
    const std::atomic<bool> go{false};
    const SearchSpace space{2, 2, 2};
    for (int x = 0; x < 2; ++x)
        for (int y = 0; y < 2; ++y)
            for (int z = 0; z < 2; ++z)
                ASSERT_LE(replayStrategy(hits, searchCombination(base, x, y, z)).surplus, InitialBestSurplus);
    for (const SearchResult &r :
         {searchStrategy(hits, base, space, go), searchStrategyReference(hits, base, space, go)}) {
        EXPECT_EQ(std::make_tuple(r.rIndex, r.wIndex, r.lIndex), std::make_tuple(0, 0, 0));
        EXPECT_EQ(r.surplus, InitialBestSurplus);
        EXPECT_EQ(r.tried, 8);
    }
}

TEST(ReplaySearch, StoppedAtOnceKeepsTheFirstCombination) {
    std::mt19937_64 rng(1);
    const HitColumn hits = randomHits(rng, 300, 20);
    const std::atomic<bool> stop{true};
    int calls = 0;
    for (const SearchResult &r :
         {searchStrategy(hits, ReplayParams{}, searchSpace(true), stop, [&](int64_t) { ++calls; }),
          searchStrategyReference(hits, ReplayParams{}, searchSpace(true), stop)}) {
        EXPECT_EQ(r.tried, 0);
        EXPECT_EQ(std::make_tuple(r.rIndex, r.wIndex, r.lIndex), std::make_tuple(0, 0, 0));
        EXPECT_EQ(r.surplus, InitialBestSurplus);
    }
    EXPECT_EQ(calls, 0);
}

TEST(ReplaySearch, StopRequestEndsTheSweepAfterTheCurrentCombination) {
    std::mt19937_64 rng(2);
    const HitColumn hits = randomHits(rng, 300, 20);
    std::atomic<bool> stop{false};
    const SearchResult r = searchStrategy(
        hits, ReplayParams{}, searchSpace(true), stop,
        [&](int64_t done) {
            if (done == 100) stop = true;
        },
        1);
    EXPECT_EQ(r.tried, 100);
    // The best of the first 100 combinations (x = 0, y = 0 or 1).
    stop = false;
    const SearchResult ref = searchStrategyReference(hits, ReplayParams{}, SearchSpace{1, 2, 50}, stop);
    EXPECT_EQ(r.surplus, ref.surplus);
    EXPECT_EQ(std::make_tuple(r.rIndex, r.wIndex, r.lIndex), std::make_tuple(ref.rIndex, ref.wIndex, ref.lIndex));
}

TEST(ReplaySearch, ProgressCountsEveryCombinationOnceASweep) {
    std::mt19937_64 rng(4);
    const HitColumn hits = randomHits(rng, 200, 15);
    const std::atomic<bool> go{false};
    for (bool interval : {false, true}) {
        std::atomic<int64_t> calls{0}, largest{0};
        const SearchResult r = searchStrategy(hits, ReplayParams{}, searchSpace(interval), go, [&](int64_t done) {
            ++calls;
            int64_t seen = largest.load();
            while (done > seen && !largest.compare_exchange_weak(seen, done)) {
            }
        });
        const int64_t expected = interval ? 25500 : 2550;
        EXPECT_EQ(r.tried, expected);
        EXPECT_EQ(calls.load(), expected / 50);
        EXPECT_EQ(largest.load(), expected);
    }
    // Without the interval mode only R = 1 is tried.
    const SearchResult off = searchStrategy(hits, ReplayParams{}, searchSpace(false), go);
    EXPECT_EQ(off.rIndex, 0);
}
