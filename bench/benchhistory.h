#pragma once
// The history the benchmarks run on: MaxDraws draws with digits from a fixed seed.

#include "core/u_public.h"

#include <random>

namespace corvel::bench {

inline DrawTable randomMaxHistory(int32_t firstIssue) {
    std::mt19937 rng(42);
    DrawTable draws;
    for (int i = 0; i < MaxDraws; ++i)
        draws.push_back({firstIssue + i, int(rng() % 10), int(rng() % 10), int(rng() % 10)});
    return draws;
}

} // namespace corvel::bench
