#pragma once
// The search for the strategy settings with the largest overall surplus: every
// combination of R ("观察间隔连续次数"), W ("中出后间隔期数") and L ("连续投入期数") is
// replayed; the other parameters stay as given.

#include "planning/replay.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace corvel {

constexpr int64_t InitialBestSurplus = -10000000;

// Item counts of the three searched lists: R items "1" … "10" (only "1" without the
// interval mode), W items "0" … "50", L items "1" … "50".
struct SearchSpace {
    int rItems = 10;
    int wItems = 51;
    int lItems = 50;
    int64_t size() const { return int64_t(rItems) * wItems * lItems; }
};
SearchSpace searchSpace(bool intervalMode);

// The parameters of combination (x, y, z): R = x + 1, W = y, L = z + 1.
ReplayParams searchCombination(const ReplayParams &base, int x, int y, int z);

struct SearchResult {
    int rIndex = 0; // item indexes of the best combination
    int wIndex = 0;
    int lIndex = 0;
    int64_t surplus = InitialBestSurplus;
    int64_t tried = 0; // combinations replayed before the end or the stop
};

// Called with the number of combinations done so far: by the reference form after every
// combination, by the fast form after every sweep of L (from its worker threads, possibly
// concurrently).
using SearchProgress = std::function<void(int64_t done)>;

// The sweep: x, then y, then z (z fastest); a combination replaces the best only when
// its surplus is strictly greater, so on a tie the earlier one stays. `stop` is read
// before every combination. With nothing tried the result is (0, 0, 0).
// The fast form spreads the combinations over `threads` threads (0 = one per core) and
// gives the same result as the sequential reference form.
SearchResult searchStrategy(const HitColumn &hits, const ReplayParams &base, const SearchSpace &space,
                            const std::atomic<bool> &stop, const SearchProgress &progress = {}, unsigned threads = 0);
SearchResult searchStrategyReference(const HitColumn &hits, const ReplayParams &base, const SearchSpace &space,
                                     const std::atomic<bool> &stop, const SearchProgress &progress = {});

} // namespace corvel
