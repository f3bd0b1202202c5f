#include "analysis/indicators.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace corvel {

namespace {

struct IndicatorInfo {
    const char *term;
    int categories;
    int depth;
    IndicatorParameter parameter;
};

const IndicatorInfo &info(Indicator indicator) {
    static const std::array<IndicatorInfo, IndicatorCount> table{{
        {"大小", 8, 0, IndicatorParameter::None},
        {"奇偶", 8, 0, IndicatorParameter::None},
        {"和值", 28, 0, IndicatorParameter::None},
        {"和尾", 10, 0, IndicatorParameter::None},
        {"跨度", 10, 0, IndicatorParameter::None},
        {"位和", 19, 0, IndicatorParameter::PositionPair},
        {"位差", 10, 0, IndicatorParameter::PositionPair},
        {"冷热", 27, 20, IndicatorParameter::None},
        {"012路", 27, 0, IndicatorParameter::None},
        {"传邻孤", 27, 1, IndicatorParameter::None},
        {"复隔中", 27, 2, IndicatorParameter::None},
        {"距离", 6, 1, IndicatorParameter::Position},
        {"重码", 5, 1, IndicatorParameter::None},
        {"组选大小", 4, 0, IndicatorParameter::None},
        {"组选奇偶", 4, 0, IndicatorParameter::None},
        {"组选冷热", 10, 20, IndicatorParameter::None},
        {"组选012路", 10, 0, IndicatorParameter::None},
    }};
    const auto index = size_t(indicator);
    if (index >= table.size()) throw std::invalid_argument("unknown indicator");
    return table[index];
}

using StateNames = std::array<const char *, 3>;

// Label of a three-state category: the per-position characters, position 1 first.
std::string threeStateLabel(const StateNames &names, int category) {
    int code = category - 1;
    std::string out;
    for (int k = 0; k < 3; ++k, code /= 3) out += names[size_t(code % 3)];
    return out;
}

// Label of a two-state category: bit k−1 set means the second state at position k.
std::string twoStateLabel(const char *first, const char *second, int category) {
    std::string out;
    for (int k = 0; k < 3; ++k) out += ((category - 1) >> k) & 1 ? second : first;
    return out;
}

const std::vector<std::string> &fixedLabels(Indicator indicator) {
    static const std::vector<std::string> repeat{"大小", "奇偶", "和值", "跨度", "全部"};
    static const std::vector<std::string> groupBig{"全大", "2大1小", "1大2小", "全小"};
    static const std::vector<std::string> groupOdd{"全奇", "2奇1偶", "1奇2偶", "全偶"};
    static const std::vector<std::string> groupHot{"全热",      "2热1温", "1热2温", "全温",   "2热1冷",
                                                   "1热1温1冷", "2温1冷", "1热2冷", "1温2冷", "全冷"};
    static const std::vector<std::string> groupRoute{"全0",       "两0一1", "一0两1", "全1",    "两0一2",
                                                     "一0一1一2", "两1一2", "一0两2", "一1两2", "全2"};
    switch (indicator) {
    case Indicator::RepeatChecks:
        return repeat;
    case Indicator::GroupBigSmall:
        return groupBig;
    case Indicator::GroupOddEven:
        return groupOdd;
    case Indicator::GroupHotCold:
        return groupHot;
    default:
        return groupRoute;
    }
}

int threeStateCategory(const std::array<int, 3> &states) { return 1 + states[0] + 3 * states[1] + 9 * states[2]; }

// Counts the states: every position adds 0 (state 0), 1 (state 1) or 4 (state 2) to 1; the
// totals 9, 10 and 13 are categories 8, 9 and 10.
int groupCategory(const std::array<int, 3> &states) {
    int total = 1;
    for (int s : states) total += s == 1 ? 1 : s == 2 ? 4 : 0;
    switch (total) {
    case 9:
        return 8;
    case 10:
        return 9;
    case 13:
        return 10;
    default:
        return total;
    }
}

int checkedPosition(int position) {
    if (position < 1 || position > 3) throw std::invalid_argument("position out of range");
    return position;
}

// 0 hot (3 or more times among the 20 earlier draws at that position), 1 warm (1 or 2), 2 cold.
std::array<int, 3> hotColdStates(const std::array<int, 3> &seen) {
    std::array<int, 3> states{};
    for (int p = 0; p < 3; ++p) states[size_t(p)] = seen[size_t(p)] >= 3 ? 0 : seen[size_t(p)] >= 1 ? 1 : 2;
    return states;
}

std::array<int, 3> hotColdStates(const Digits &d, const EarlierDraws &earlier) {
    std::array<int, 3> seen{};
    for (int p = 1; p <= 3; ++p)
        for (size_t k = 0; k < 20; ++k) seen[size_t(p - 1)] += earlier.digit(k, p) == d[p - 1];
    return hotColdStates(seen);
}

std::array<int, 3> routeStates(const Digits &d) { return {d[0] % 3, d[1] % 3, d[2] % 3}; }

std::array<int, 3> passNeighbourStates(const Digits &d, const Digits &prev) {
    std::array<int, 3> states{};
    for (int p = 0; p < 3; ++p) {
        const int diff = std::abs(d[p] - prev[p]);
        states[p] = diff == 0 ? 0 : diff == 1 || diff == 9 ? 1 : 2;
    }
    return states;
}

std::array<int, 3> repeatSkipStates(const Digits &d, const Digits &prev, const Digits &prev2) {
    std::array<int, 3> states{};
    for (int p = 0; p < 3; ++p) states[p] = d[p] == prev[p] ? 0 : d[p] == prev2[p] ? 1 : 2;
    return states;
}

int sum(const Digits &d) { return d[0] + d[1] + d[2]; }
int span(const Digits &d) { return std::max({d[0], d[1], d[2]}) - std::min({d[0], d[1], d[2]}); }
bool isSmall(int digit) { return digit <= 4; }
bool isEven(int digit) { return digit % 2 == 0; }

int twoStateCategory(const Digits &d, bool (*second)(int)) {
    int category = 1;
    for (int p = 0; p < 3; ++p) category += second(d[p]) ? 1 << p : 0;
    return category;
}

int countOf(const Digits &d, bool (*test)(int)) { return int(test(d[0])) + int(test(d[1])) + int(test(d[2])); }

// Bit p set when the digit at position p + 1 passes the test.
uint32_t pattern(const Digits &d, bool (*test)(int)) {
    return uint32_t(test(d[0])) | uint32_t(test(d[1])) << 1 | uint32_t(test(d[2])) << 2;
}

// Without branches: on random draws each test is a coin toss the processor cannot guess.
uint32_t repeatCheckMask(const Digits &d, const Digits &prev) {
    const uint32_t mask = uint32_t(pattern(d, isSmall) == pattern(prev, isSmall)) |
                          uint32_t(pattern(d, isEven) == pattern(prev, isEven)) << 1 |
                          uint32_t(sum(d) == sum(prev)) << 2 | uint32_t(span(d) == span(prev)) << 3;
    return mask | uint32_t(mask != 0) << 4;
}

int distance(const Digits &d, const Digits &prev, int position) {
    const int u = std::abs(d[position - 1] - prev[position - 1]);
    return u <= 5 ? u : 10 - u;
}

// The single category of every indicator but the repeat checks.
int singleCategory(Indicator indicator, int parameter, const Digits &d, const EarlierDraws &earlier) {
    switch (indicator) {
    case Indicator::BigSmall:
        return twoStateCategory(d, isSmall);
    case Indicator::OddEven:
        return twoStateCategory(d, isEven);
    case Indicator::Sum:
        return sum(d) + 1;
    case Indicator::SumTail:
        return sum(d) % 10 + 1;
    case Indicator::Span:
        return span(d) + 1;
    case Indicator::PositionSum: {
        const auto [a, b] = positionPair(parameter);
        return d[a - 1] + d[b - 1] + 1;
    }
    case Indicator::PositionDifference: {
        const auto [a, b] = positionPair(parameter);
        return std::abs(d[a - 1] - d[b - 1]) + 1;
    }
    case Indicator::HotCold:
        return threeStateCategory(hotColdStates(d, earlier));
    case Indicator::Route012:
        return threeStateCategory(routeStates(d));
    case Indicator::PassNeighbourLone:
        return threeStateCategory(passNeighbourStates(d, earlier.at(0)));
    case Indicator::RepeatSkipMiddle:
        return threeStateCategory(repeatSkipStates(d, earlier.at(0), earlier.at(1)));
    case Indicator::Distance:
        return distance(d, earlier.at(0), checkedPosition(parameter)) + 1;
    case Indicator::GroupBigSmall:
        return countOf(d, isSmall) + 1;
    case Indicator::GroupOddEven:
        return countOf(d, isEven) + 1;
    case Indicator::GroupHotCold:
        return groupCategory(hotColdStates(d, earlier));
    case Indicator::GroupRoute012:
        return groupCategory(routeStates(d));
    case Indicator::RepeatChecks:
        break;
    }
    throw std::invalid_argument("indicator without a single category");
}

} // namespace

std::array<int, 2> positionPair(int pair) {
    switch (pair) {
    case 1:
        return {1, 2};
    case 2:
        return {2, 3};
    case 3:
        return {1, 3};
    default:
        throw std::invalid_argument("position pair out of range");
    }
}

std::string positionPairLabel(int pair) {
    const auto [a, b] = positionPair(pair);
    return PositionNames[size_t(a)] + PositionNames[size_t(b)] + "位";
}

std::string term(Indicator indicator) { return info(indicator).term; }
IndicatorParameter parameterKind(Indicator indicator) { return info(indicator).parameter; }
int categoryCount(Indicator indicator) { return info(indicator).categories; }
int contextDepth(Indicator indicator) { return info(indicator).depth; }

std::string label(Indicator indicator, int category) {
    if (category < 1 || category > categoryCount(indicator)) throw std::out_of_range("category out of range");
    switch (indicator) {
    case Indicator::BigSmall:
        return twoStateLabel("大", "小", category);
    case Indicator::OddEven:
        return twoStateLabel("奇", "偶", category);
    case Indicator::HotCold:
        return threeStateLabel({"热", "温", "冷"}, category);
    case Indicator::Route012:
        return threeStateLabel({"0", "1", "2"}, category);
    case Indicator::PassNeighbourLone:
        return threeStateLabel({"传", "邻", "孤"}, category);
    case Indicator::RepeatSkipMiddle:
        return threeStateLabel({"复", "隔", "中"}, category);
    case Indicator::Distance:
        return "距离" + std::to_string(category - 1);
    case Indicator::RepeatChecks:
    case Indicator::GroupBigSmall:
    case Indicator::GroupOddEven:
    case Indicator::GroupHotCold:
    case Indicator::GroupRoute012:
        return fixedLabels(indicator)[size_t(category - 1)];
    default:
        return std::to_string(category - 1);
    }
}

std::vector<std::string> labels(Indicator indicator) {
    std::vector<std::string> out;
    for (int k = 1; k <= categoryCount(indicator); ++k) out.push_back(label(indicator, k));
    return out;
}

uint32_t hitMask(Indicator indicator, int parameter, const Digits &digits, const EarlierDraws &earlier) {
    if (!canClassify(indicator, earlier)) throw std::invalid_argument("too few earlier draws for the indicator");
    if (indicator == Indicator::RepeatChecks) return repeatCheckMask(digits, earlier.at(0));
    const int category = singleCategory(indicator, parameter, digits, earlier);
    // Digits outside 0..9 fall in no category rather than outside the table.
    if (category < 1 || category > categoryCount(indicator)) return 0;
    return 1u << (category - 1);
}

uint32_t hotColdMask(Indicator indicator, const std::array<int, 3> &seen) {
    const std::array<int, 3> states = hotColdStates(seen);
    switch (indicator) {
    case Indicator::HotCold:
        return 1u << (threeStateCategory(states) - 1);
    case Indicator::GroupHotCold:
        return 1u << (groupCategory(states) - 1);
    default:
        throw std::invalid_argument("not a hot-cold indicator");
    }
}

int classify(Indicator indicator, int parameter, const Digits &digits, const EarlierDraws &earlier) {
    const uint32_t mask = hitMask(indicator, parameter, digits, earlier);
    for (int k = 0; k < 32; ++k)
        if (mask >> k & 1u) return k + 1;
    return 0;
}

} // namespace corvel
