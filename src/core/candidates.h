#pragma once
// The candidate list every analysis window keeps: the 1000 direct numbers in order
// 000..999, each with a pass mark (0 = passes the window's current selection).

#include "core/numberlist.h"
#include "core/u_public.h"

#include <array>
#include <cstdint>
#include <vector>

namespace corvel {

using CandidateRow = std::array<int32_t, 4>; // 百, 十, 个, pass mark
using CandidateList = std::vector<CandidateRow>;

// Digits copied from DirectNumbers, every pass mark set to `mark`.
inline CandidateList candidatesFromDirectNumbers(const DirectNumberTable &numbers, int32_t mark = 1) {
    CandidateList out(numbers.size());
    for (size_t n = 0; n < numbers.size(); ++n) out[n] = {numbers[n][0], numbers[n][1], numbers[n][2], mark};
    return out;
}

} // namespace corvel
