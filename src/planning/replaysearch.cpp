#include "planning/replaysearch.h"

#include "core/usererror.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <thread>
#include <vector>

namespace corvel {

SearchSpace searchSpace(bool intervalMode) {
    SearchSpace space;
    if (!intervalMode) space.rItems = 1;
    return space;
}

ReplayParams searchCombination(const ReplayParams &base, int x, int y, int z) {
    ReplayParams p = base;
    p.observeRuns = x + 1;
    p.waitDraws = y;
    p.betDraws = z + 1;
    return p;
}

namespace {

void checkSpace(const SearchSpace &space) {
    if (space.rItems < 1 || space.rItems > 10 || space.wItems < 1 || space.wItems > 51 || space.lItems < 1 ||
        space.lItems > 50)
        throw UserError("搜索范围超出设置项目！");
}

// A candidate best: the surplus and the combination's position in sweep order.
struct Best {
    int64_t surplus = InitialBestSurplus;
    int64_t index = -1; // -1: nothing beat the initial surplus
    // Strictly greater wins; equal surpluses keep the earlier combination.
    bool beats(const Best &other) const {
        if (index < 0) return false;
        if (other.index < 0) return true;
        return surplus > other.surplus || (surplus == other.surplus && index < other.index);
    }
};

SearchResult resultOf(const Best &best, const SearchSpace &space, int64_t tried) {
    SearchResult r;
    r.tried = tried;
    if (best.index < 0) return r;
    r.surplus = best.surplus;
    r.rIndex = static_cast<int>(best.index / (int64_t(space.wItems) * space.lItems));
    r.wIndex = static_cast<int>(best.index / space.lItems % space.wItems);
    r.lIndex = static_cast<int>(best.index % space.lItems);
    return r;
}

unsigned threadCount(unsigned wanted, int64_t combinations) {
    unsigned n = wanted ? wanted : std::max(1u, std::thread::hardware_concurrency());
    n = std::min(n, 16u);
    return static_cast<unsigned>(std::clamp<int64_t>(combinations, 1, n));
}

} // namespace

SearchResult searchStrategy(const HitColumn &hits, const ReplayParams &base, const SearchSpace &space,
                            const std::atomic<bool> &stop, const SearchProgress &progress, unsigned threads) {
    checkSpace(space);
    checkReplayParams(searchCombination(base, space.rItems - 1, space.wItems - 1, space.lItems - 1));
    const ReplayTrack track(hits);
    const int64_t total = space.size();
    std::atomic<int64_t> next{0}, done{0};

    const auto work = [&](Best &best) {
        // The plans differ only with L: each thread keeps a chain for every L it met.
        std::vector<std::optional<PlanChain>> plans(static_cast<size_t>(space.lItems));
        // A thread takes a whole sweep of L at a time: the threads then meet on the shared
        // counters once a sweep instead of once a combination.
        for (;;) {
            const int64_t first = next.fetch_add(space.lItems);
            if (first >= total) return;
            const int64_t last = std::min(total, first + space.lItems);
            int64_t k = first;
            for (; k < last && !stop.load(std::memory_order_relaxed); ++k) {
                const int x = static_cast<int>(k / (int64_t(space.wItems) * space.lItems));
                const int y = static_cast<int>(k / space.lItems % space.wItems);
                const int z = static_cast<int>(k % space.lItems);
                // Indexes grow within one thread, so "strictly greater" keeps the earliest.
                const ReplayParams params = searchCombination(base, x, y, z);
                std::optional<PlanChain> &chain = plans[static_cast<size_t>(z)];
                if (!chain) chain.emplace(params);
                const int64_t s = track.surplus(params, *chain);
                if (s > best.surplus) best = {s, k};
            }
            const int64_t d = done.fetch_add(k - first) + (k - first);
            if (progress && k > first) progress(d);
            if (k < last) return;
        }
    };

    const unsigned n = threadCount(threads, total);
    std::vector<Best> bests(n);
    std::vector<std::exception_ptr> errors(n);
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < n; ++t)
        helpers.emplace_back([&, t] {
            try {
                work(bests[t]);
            } catch (...) {
                errors[t] = std::current_exception();
            }
        });
    try {
        work(bests[0]);
    } catch (...) {
        errors[0] = std::current_exception();
    }
    for (auto &h : helpers) h.join();
    for (const auto &e : errors)
        if (e) std::rethrow_exception(e);

    Best best;
    for (const Best &b : bests)
        if (b.beats(best)) best = b;
    return resultOf(best, space, done.load());
}

SearchResult searchStrategyReference(const HitColumn &hits, const ReplayParams &base, const SearchSpace &space,
                                     const std::atomic<bool> &stop, const SearchProgress &progress) {
    checkSpace(space);
    Best best;
    int64_t tried = 0;
    for (int x = 0; x < space.rItems; ++x)
        for (int y = 0; y < space.wItems; ++y)
            for (int z = 0; z < space.lItems; ++z) {
                if (stop.load()) return resultOf(best, space, tried);
                const int64_t s = replayStrategyReference(hits, searchCombination(base, x, y, z)).surplus;
                const int64_t k = (int64_t(x) * space.wItems + y) * space.lItems + z;
                if (s > best.surplus) best = {s, k};
                ++tried;
                if (progress) progress(tried);
            }
    return resultOf(best, space, tried);
}

} // namespace corvel
