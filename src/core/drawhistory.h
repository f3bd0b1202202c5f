#pragma once
// The draw history as read from a draw table, and the in-memory tables built from it.

#include "core/u_public.h"

#include <optional>
#include <string>
#include <vector>

namespace corvel {

// One row of a draw table as stored: the issue text and the digit columns "1".."5"
// (only the first `columnCount` exist). An empty cell is nullopt.
struct RawDraw {
    std::string issue;
    std::array<std::optional<int32_t>, 5> digits{};
};

struct RawDrawTable {
    int columnCount = 3; // digit columns of the table (3 or 5)
    std::vector<RawDraw> rows;
};

// The issue text as an integer: 黑龙江时时彩 keeps its text whole, every other lottery
// drops the first two characters of a text longer than 7. Throws UserError with the
// standard conversion message when the text is not a decimal number.
int32_t issueToInt(const std::string &issue, const std::string &lotteryName);

// Fills one trend row: issue, whole drawn number, digit counts, position marks.
TrendRow makeTrendRow(int32_t issue, int64_t number, int d1, int d2, int d3);

struct HistoryFill {
    DrawTable history;
    TrendTable trend;
    // The issue of every row as a 64-bit number: the stored text whole (so an issue of
    // more than 7 digits keeps its first two), or the history's issue when the text is
    // not a number.
    std::vector<int64_t> issues;
    // Empty when every row converted; otherwise the conversion message of the first bad
    // row (rows from that one on stay 0, the tables keep their full size).
    std::string error;
};

// Builds the draw history and the trend rows from a draw table's rows in issue order.
HistoryFill fillDrawHistory(const RawDrawTable &table, const std::string &lotteryName, int positionStart);

} // namespace corvel
