#pragma once
// The seventeen digit indicators: rules that sort a three-digit draw into one of a small,
// fixed set of categories (big/small pattern, sum, hot/cold pattern, ...). Pure functions of
// digits; the draws a rule compares with are handed in, newest first.

#include "core/u_public.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace corvel {

// In the order of the main window's tabs 3..19.
enum class Indicator {
    BigSmall,
    OddEven,
    Sum,
    SumTail,
    Span,
    PositionSum,
    PositionDifference,
    HotCold,
    Route012,
    PassNeighbourLone,
    RepeatSkipMiddle,
    Distance,
    RepeatChecks,
    GroupBigSmall,
    GroupOddEven,
    GroupHotCold,
    GroupRoute012,
};
constexpr int IndicatorCount = 17;
constexpr std::array<Indicator, IndicatorCount> AllIndicators{Indicator::BigSmall,
                                                              Indicator::OddEven,
                                                              Indicator::Sum,
                                                              Indicator::SumTail,
                                                              Indicator::Span,
                                                              Indicator::PositionSum,
                                                              Indicator::PositionDifference,
                                                              Indicator::HotCold,
                                                              Indicator::Route012,
                                                              Indicator::PassNeighbourLone,
                                                              Indicator::RepeatSkipMiddle,
                                                              Indicator::Distance,
                                                              Indicator::RepeatChecks,
                                                              Indicator::GroupBigSmall,
                                                              Indicator::GroupOddEven,
                                                              Indicator::GroupHotCold,
                                                              Indicator::GroupRoute012};

// The analysed digits of one draw or candidate: position 1 (百) first.
using Digits = std::array<int, 3>;

inline Digits drawDigits(const DrawRow &row) { return {row[1], row[2], row[3]}; }

// The draws before the judged one, newest first: at(0) is the draw right before it. A view
// over a history held elsewhere (oldest first); it never reads outside that history.
class EarlierDraws {
public:
    EarlierDraws() = default;
    // The draws of `history` with index < end.
    EarlierDraws(const DrawTable &history, size_t end)
        : rows_(history.data()), count_(end < history.size() ? end : history.size()) {}

    size_t size() const { return count_; }
    Digits at(size_t k) const { return drawDigits(rows_[count_ - 1 - k]); }
    // The digit at `position` (1..3) of draw k.
    int digit(size_t k, int position) const { return rows_[count_ - 1 - k][position]; }

private:
    const DrawRow *rows_ = nullptr;
    size_t count_ = 0;
};

// What the indicator's parameter chooses.
enum class IndicatorParameter { None, Position, PositionPair };

// Position pairs 1..3: (1, 2) "百十位", (2, 3) "十个位", (1, 3) "百个位".
std::array<int, 2> positionPair(int pair);
std::string positionPairLabel(int pair);

// The short name of the indicator ("大小", "冷热", "重码", ...).
std::string term(Indicator indicator);
IndicatorParameter parameterKind(Indicator indicator);
int categoryCount(Indicator indicator);
// How many immediately preceding draws the rule reads: 0, 1, 2 or 20.
int contextDepth(Indicator indicator);
// Index of the oldest history draw with enough earlier draws to be classified.
inline int firstClassifiable(Indicator indicator) { return contextDepth(indicator); }
// True when `earlier` holds the draws the rule needs.
inline bool canClassify(Indicator indicator, const EarlierDraws &earlier) {
    return earlier.size() >= size_t(contextDepth(indicator));
}

// Label of category 1..K; every label of the indicator in category order.
std::string label(Indicator indicator, int category);
std::vector<std::string> labels(Indicator indicator);

// Categories the digits fall in, bit k−1 for category k. One bit for every indicator except
// the repeat checks, whose five tests can match together (or not at all). `parameter` is the
// position (distance) or position pair (position sum, difference), ignored elsewhere.
// Throws std::invalid_argument when `earlier` is shorter than the context depth.
uint32_t hitMask(Indicator indicator, int parameter, const Digits &digits, const EarlierDraws &earlier);

// The hit mask of 冷热 or 组选冷热 for digits seen seen[p] times at position p + 1 among the
// 20 earlier draws: hitMask without counting them again.
uint32_t hotColdMask(Indicator indicator, const std::array<int, 3> &seen);

// The category 1..K of the digits. For the repeat checks: the lowest matching test, or 0
// when none matches (use hitMask for all of them).
int classify(Indicator indicator, int parameter, const Digits &digits, const EarlierDraws &earlier);

// Whether the digits, judged as the draw after `earlier`, fall in `category`.
inline bool inCategory(Indicator indicator, int parameter, int category, const Digits &digits,
                       const EarlierDraws &earlier) {
    return category >= 1 && category <= 32 && (hitMask(indicator, parameter, digits, earlier) >> (category - 1)) & 1u;
}

} // namespace corvel
