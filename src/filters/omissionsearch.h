#pragma once
// The deviation search "偏态搜索" (how long each catalogue item has been absent, in
// multiples of its expected period) and the rebound search "回补搜索" (how long its last
// completed absence was), with the lists and messages their windows show.

#include "filters/searchcatalogue.h"

#include <string>
#include <vector>

namespace corvel {

struct DeviationRow {
    int item = 0;     // index into searchCatalogue()
    int expected = 0; // 理论周期
    int omission = 0; // 目前遗漏
    int multiple = 0; // 偏态倍数: omission / expected
};

struct ReboundRow {
    int item = 0;
    int expected = 0;
    int omission = 0; // 目前遗漏
    int previous = 0; // 前次遗漏
    int multiple = 0; // 偏态倍数: previous / expected, 0 for an item seen fewer than twice
};

// All 1430 items, in catalogue order, from one pass over the history.
std::vector<DeviationRow> deviationSearch(const DrawTable &history);
std::vector<ReboundRow> reboundSearch(const DrawTable &history);

// The rows a window lists: every row, or with `onlyAbove` those whose multiple is at least
// `threshold` (the rebound search also drops items seen fewer than twice). Order kept.
std::vector<DeviationRow> listedDeviation(const std::vector<DeviationRow> &rows, bool onlyAbove, int threshold);
std::vector<ReboundRow> listedRebound(const std::vector<ReboundRow> &rows, int drawCount, bool onlyAbove,
                                      int threshold);

// The threshold of the check box "只显示以下倍数以上偏态": the threshold box's text as an
// integer (UserError with the standard conversion message otherwise).
int searchThreshold(const std::string &boxText);
// The message after a filtered search, or an empty text when none is shown (threshold 4 or
// below). It quotes the box's text.
std::string deviationMessage(const std::string &boxText, int threshold);
std::string reboundMessage(const std::string &boxText, int threshold);

} // namespace corvel
