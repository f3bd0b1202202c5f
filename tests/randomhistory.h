#pragma once
// Random draw histories for the tests: the same seed gives the same draws.

#include "core/u_public.h"

#include <random>

namespace corvel::test {

// `count` draws with digits from `seed`, issues counting up from `firstIssue`.
inline DrawTable randomHistory(int count, unsigned seed = 7, int32_t firstIssue = 2007001) {
    std::mt19937 rng(seed);
    DrawTable draws;
    for (int i = 0; i < count; ++i)
        draws.push_back({firstIssue + i, int(rng() % 10), int(rng() % 10), int(rng() % 10)});
    return draws;
}

} // namespace corvel::test
