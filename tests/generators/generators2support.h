#pragma once
// Histories for the tests of the danma, intersection, extraction and stable base list.

#include "core/u_public.h"

#include <random>

namespace corvel::test {

// `count` draws with pseudo-random digits from `seed`, issues 2007001 onwards.
inline DrawTable randomHistory(int count, unsigned seed = 7) {
    std::mt19937 rng(seed);
    DrawTable draws;
    for (int i = 0; i < count; ++i) draws.push_back({2007001 + i, int(rng() % 10), int(rng() % 10), int(rng() % 10)});
    return draws;
}

} // namespace corvel::test
