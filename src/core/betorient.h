#pragma once
// What a bet list is for and what it costs: the issue the bet is placed on (the one after
// the newest draw) and the price of the list at 2 元 a bet.

#include "core/u_public.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvel {

// The price of one bet at multiple 1, in 元.
constexpr int64_t BetPrice = 2;

// The issue after the newest draw, counted as the issue boxes count it (plain integer
// increment). `issues` are the draws' whole issues (DrawIssues); when they match the
// history they are used, so an issue of more than seven digits keeps its first two.
// Nothing without draws.
std::optional<int64_t> nextIssue(const DrawTable &draws, const std::vector<int64_t> &issues);

// "投注期号：" + the issue, or "投注期号：" alone without one.
std::string betIssueText(std::optional<int64_t> issue);

// The price of `count` bets: "240 元" for 120.
std::string betCostText(int64_t count);

// A count text with the price appended: "共 120 注" becomes "共 120 注  240 元". A negative
// count (no list yet) leaves the text as it is.
std::string withBetCost(const std::string &countText, int64_t count);

} // namespace corvel
