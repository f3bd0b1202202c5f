#pragma once
// The multiple omission selection: the level-1 omission of a number is the gap since it
// last came out, the level-2 omission the gap since that level-1 value last occurred.
// Each level has a keep range; numbers whose kill count lies in the tolerance range
// are listed, and the same rule marks every past draw.

#include "core/numberlist.h"
#include "core/u_public.h"

#include <string>
#include <vector>

namespace corvel {

struct OmissionSettings {
    bool level1 = true; // 一级遗漏
    bool level2 = true; // 二级遗漏
    int64_t level1Low = 120, level1High = 20000;
    int64_t level2Low = 200, level2High = 20000;
    int64_t toleranceLow = 0, toleranceHigh = 0;
};

// The window's edits, as typed; `read` converts them with the standard message.
struct OmissionTexts {
    bool level1 = true, level2 = true;
    std::string level1Low = "120", level1High = "20000";
    std::string level2Low = "200", level2High = "20000";
    std::string toleranceLow = "0", toleranceHigh = "0";
    OmissionSettings read() const;
};

int omissionKills(const OmissionSettings &s, int64_t l1, int64_t l2);
bool omissionPasses(const OmissionSettings &s, int64_t l1, int64_t l2);

struct OmissionRow {
    int32_t issue = 0;
    Number number{};
    int l1 = 0;        // d − newest earlier draw with the same number, or d + 1
    int l2 = 0;        // d − newest earlier draw with the same L1, or d + 1
    bool pass = false; // "中"
};

// "统计": one row per draw, oldest first, marked with the settings.
std::vector<OmissionRow> omissionStatistics(const DrawTable &history, const OmissionSettings &settings);

// "过滤" at prediction index `ci` (0 … DrawCount): the numbers whose kill count lies in
// the tolerance range, ascending. Level 2 is looked up in the L1 column of `statistics`
// as it was last built.
NumberList omissionFilter(const DrawTable &history, const std::vector<OmissionRow> &statistics, int ci,
                          const OmissionSettings &settings);

} // namespace corvel
