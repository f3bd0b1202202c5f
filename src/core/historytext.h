#pragma once
// A draw history given as text, one draw per line: the issue, a blank, the digits
// ("2024001 123", or "2024001 12345" for the five-digit lotteries). Read into the draw
// table the computations take and the issues as 64-bit integers.

#include "core/u_public.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvel {

struct HistoryText {
    DrawTable draws;             // [issue, 百, 十, 个] per draw, in file order
    std::vector<int64_t> issues; // the issues as written, 64-bit
};

// Reads every line; blank lines are skipped, CR LF and LF both end a line. The issue is
// 1 to 18 decimal digits, the digits 3 or 5 decimal digits; of five digits the three
// starting at `positionStart` (1 left, 2 middle, 3 right) are taken. Column 0 of the
// draw table holds the issue as the loader converts it for `lotteryName` (its last nine
// digits when that does not fit). Throws UserError naming the first bad line.
HistoryText readHistoryText(std::string_view text, int positionStart = 1, const std::string &lotteryName = {});

} // namespace corvel
