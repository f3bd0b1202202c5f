#pragma once
// Histories for the tests of the cold-code, exclusion, interval and omission engines.

#include "core/u_public.h"

#include <random>

namespace corvel::test {

// `count` draws with issues from 2007001 and digits from a fixed seed.
inline DrawTable randomHistory(int count, unsigned seed = 7) {
    std::mt19937 rng(seed);
    DrawTable draws;
    for (int i = 0; i < count; ++i) draws.push_back({2007001 + i, int(rng() % 10), int(rng() % 10), int(rng() % 10)});
    return draws;
}

} // namespace corvel::test
