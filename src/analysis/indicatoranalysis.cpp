#include "analysis/indicatoranalysis.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace corvel {

namespace {

using I = Indicator;

// The start parameters follow the rule's context: draws before s cannot be classified, and
// both the trend and the statistics count from the draw before s, so the statistics agree
// with the trend cells beside them.
constexpr std::array<IndicatorWindowSpec, IndicatorCount> Specs{{
    {3, "Tfrmdaxiao", "daxiao", "大小分析", I::BigSmall, "选择大小：", true, false, 0, -1, -1, "大小",
     "大小出现次数图表", "大小间隔图表", "大小组合"},
    {4, "Tfrmjiou", "jiou", "奇偶分析", I::OddEven, "选择奇偶：", true, false, 0, -1, -1, "奇偶", "奇偶出现次数图表",
     "奇偶间隔图表", "奇偶组合"},
    {5, "Tfrmhei", "hei", "和值分析", I::Sum, "选择和值：", false, true, 0, -1, -1, "和值", "和值出现次数图表",
     "和值间隔图表", "和值组合"},
    {6, "Tfrmheiwei", "heiwei", "和尾分析", I::SumTail, "选择和尾：", false, true, 0, -1, -1, "和尾",
     "和尾出现次数图表", "和尾间隔图表", "和尾组合"},
    {7, "Tfrmkuadu", "kuadu", "跨度分析", I::Span, "选择跨度：", false, false, 0, -1, -1, "跨度", "跨度出现次数图表",
     "跨度间隔图表", "跨度组合"},
    {8, "Tfrmhuihuo", "huihuo", "位和分析", I::PositionSum, "选择位和：", false, false, 0, -1, -1, "位和",
     "位和出现次数图表", "位和间隔图表", ""},
    {9, "Tfrmhuicai", "huicai", "位差分析", I::PositionDifference, "选择位差：", false, false, 0, -1, -1, "位差",
     "位差出现次数图表", "位差间隔图表", ""},
    {10, "Tfrmlenrei", "lenrei", "号码冷热分析", I::HotCold, "选择冷热：", true, true, 20, 19, 19, "冷热",
     "冷热出现次数图表", "冷热间隔图表", "冷热组合"},
    {11, "Tfrmchusan", "chusan", "012路分析", I::Route012, "选择012：", true, true, 0, -1, -1, "012路",
     "012出现次数图表", "012间隔图表", "除3余数"},
    {12, "Tfrmclz", "clz", "传邻孤码分析", I::PassNeighbourLone, "选择传邻孤：", true, true, 1, 0, 0, "传邻孤",
     "传邻孤出现次数图表", "传邻孤间隔图表", "传邻孤组合"},
    {13, "Tfrmfgz", "fgz", "复隔中码分析", I::RepeatSkipMiddle, "选择复隔中：", true, true, 2, 1, 1, "复隔中",
     "复隔中出现次数图表", "复隔中间隔图表", "复隔中组合"},
    {14, "Tfrmjuli", "juli", "距离分析", I::Distance, "选择距离：", false, false, 1, 0, 0, "距离", "距离出现次数图表",
     "距离间隔图表", "距离"},
    {15, "Tfrmcongma", "congma", "重码分析", I::RepeatChecks, "选择重码组合：", true, false, 1, 0, -1, "重码",
     "重码组合出现次数图表", "重码组合间隔图表", "重码"},
    {16, "Tfrmzudaxiao", "zudaxiao", "组选大小分析", I::GroupBigSmall, "选择组选大小：", true, false, 0, -1, -1,
     "组选大小", "组选大小出现次数图表", "组选大小间隔图表", "组选大小"},
    {17, "Tfrmzujiou", "zujiou", "组选奇偶分析", I::GroupOddEven, "选择组选奇偶：", true, false, 0, -1, -1, "组选奇偶",
     "组选奇偶出现次数图表", "组选奇偶间隔图表", "组选奇偶"},
    {18, "Tfrmzulenrei", "zulenrei", "组选冷热分析", I::GroupHotCold, "选择组选冷热：", true, false, 20, 19, 19,
     "组选冷热", "组选冷热出现次数图表", "组选冷热间隔图表", "组选冷热"},
    {19, "Tfrmzhusan", "zhusan", "组选012路分析", I::GroupRoute012, "选择组选012路：", true, false, 0, -1, -1,
     "组选012路", "组选201出现次数图表", "组选201间隔图表", "组选除3"},
}};

void checkSelection(const IndicatorWindowSpec &spec, const IndicatorSelection &selection) {
    if (selection.category < 1 || selection.category > categoryCount(spec.indicator))
        throw std::out_of_range("category out of range");
    if (parameterKind(spec.indicator) != IndicatorParameter::None &&
        (selection.parameter < 1 || selection.parameter > 3))
        throw std::out_of_range("position out of range");
}

int historySize(const std::vector<uint32_t> &hits) { return int(hits.size()); }

} // namespace

const std::array<IndicatorWindowSpec, IndicatorCount> &indicatorWindowSpecs() { return Specs; }

const IndicatorWindowSpec *indicatorWindowSpec(int tab) {
    for (const auto &spec : Specs)
        if (spec.tab == tab) return &spec;
    return nullptr;
}

std::vector<std::string> categoryItems(const IndicatorWindowSpec &spec) {
    std::vector<std::string> items = labels(spec.indicator);
    if (spec.numberedItems)
        for (size_t k = 0; k < items.size(); ++k) items[k] = std::to_string(k + 1) + ":" + items[k];
    return items;
}

std::vector<std::string> parameterItems(const IndicatorWindowSpec &spec) {
    std::vector<std::string> items;
    switch (parameterKind(spec.indicator)) {
    case IndicatorParameter::Position:
        for (int p = 1; p <= 3; ++p) items.push_back(PositionNames[size_t(p)] + "位");
        break;
    case IndicatorParameter::PositionPair:
        for (int p = 1; p <= 3; ++p) items.push_back(positionPairLabel(p));
        break;
    case IndicatorParameter::None:
        break;
    }
    return items;
}

std::string filterDescription(const IndicatorWindowSpec &spec, int category, int parameter) {
    const std::string item = label(spec.indicator, category);
    if (parameterKind(spec.indicator) == IndicatorParameter::PositionPair) return positionPairLabel(parameter) + item;
    return spec.descriptionPrefix + item;
}

namespace {

bool digitsInRange(const DrawTable &history) {
    return std::all_of(history.begin(), history.end(), [](const DrawRow &row) {
        return std::all_of(row.begin() + 1, row.end(), [](int32_t d) { return d >= 0 && d <= 9; });
    });
}

// The hot-cold masks from a running count of each digit at each position over the 20
// draws before the one classified.
void hotColdHits(Indicator indicator, const DrawTable &history, size_t first, std::vector<uint32_t> &hits) {
    constexpr size_t Window = 20;
    // Three or more times is hot whatever the count: the mask of every state, by the counts
    // up to 3 at the three positions.
    std::array<uint32_t, 64> maskOf{};
    for (int code = 0; code < 64; ++code)
        maskOf[size_t(code)] = hotColdMask(indicator, {code % 4, code / 4 % 4, code / 16});
    std::array<std::array<int, 10>, 3> counts{};
    const auto count = [&](size_t i, int change) {
        for (size_t p = 0; p < 3; ++p) counts[p][size_t(history[i][p + 1])] += change;
    };
    for (size_t i = first - Window; i < first; ++i) count(i, 1);
    for (size_t i = first; i < history.size(); ++i) {
        size_t code = 0;
        for (size_t p = 0; p < 3; ++p) code |= size_t(std::min(counts[p][size_t(history[i][p + 1])], 3)) << (2 * p);
        hits[i] = maskOf[code];
        count(i - Window, -1);
        count(i, 1);
    }
}

} // namespace

std::vector<uint32_t> drawHits(const IndicatorWindowSpec &spec, const DrawTable &history, int parameter) {
    std::vector<uint32_t> hits(history.size(), 0);
    const size_t first = size_t(std::max(spec.start, firstClassifiable(spec.indicator)));
    const bool hotCold = spec.indicator == Indicator::HotCold || spec.indicator == Indicator::GroupHotCold;
    if (hotCold && first >= size_t(contextDepth(spec.indicator)) && first < history.size() && digitsInRange(history)) {
        hotColdHits(spec.indicator, history, first, hits);
        return hits;
    }
    for (size_t i = first; i < history.size(); ++i)
        hits[i] = hitMask(spec.indicator, parameter, drawDigits(history[i]), EarlierDraws(history, i));
    return hits;
}

TrendGrid trendTable(const IndicatorWindowSpec &spec, const DrawTable &history, const std::vector<uint32_t> &hits) {
    const int k = categoryCount(spec.indicator);
    TrendGrid grid;
    grid.rows = int(std::min(history.size(), hits.size()));
    grid.columns = k + 1;
    grid.cells.assign(size_t(grid.rows) * size_t(grid.columns), 0);
    std::vector<int> last(size_t(k), spec.lastStart);
    for (int i = 0; i < grid.rows; ++i) {
        int32_t *row = grid.cells.data() + size_t(i) * size_t(grid.columns);
        row[0] = history[size_t(i)][0];
        if (i < spec.start) continue;
        for (int c = 0; c < k; ++c) row[c + 1] = i - last[size_t(c)];
        for (uint32_t mask = hits[size_t(i)]; mask; mask &= mask - 1) {
            const int c = std::countr_zero(mask);
            if (c >= k) break;
            row[c + 1] = HitMark;
            last[size_t(c)] = i;
        }
    }
    return grid;
}

std::vector<CategoryStatistics> categoryStatistics(const IndicatorWindowSpec &spec, const std::vector<uint32_t> &hits) {
    const int k = categoryCount(spec.indicator);
    const int n = historySize(hits);
    std::vector<CategoryStatistics> stats(static_cast<size_t>(k));
    std::vector<int> prev(size_t(k), spec.previousStart);
    for (int c = 0; c < k; ++c) stats[size_t(c)].category = c + 1;
    for (int j = std::max(spec.start, 0); j < n; ++j) {
        for (uint32_t mask = hits[size_t(j)]; mask; mask &= mask - 1) {
            const auto c = size_t(std::countr_zero(mask));
            if (c >= size_t(k)) break;
            auto &s = stats[c];
            ++s.occurrences;
            s.largestSpacing = std::max(s.largestSpacing, j - prev[c]);
            prev[c] = j;
        }
    }
    // With no draw after the start (a history shorter than the rule's context) nothing is
    // pending, so the current spacing is 0 rather than negative.
    for (int c = 0; c < k; ++c) stats[size_t(c)].currentSpacing = std::max(0, n - 1 - prev[size_t(c)]);
    return stats;
}

std::vector<SpacingCount> spacingTable(const IndicatorWindowSpec &spec, const std::vector<uint32_t> &hits,
                                       int category) {
    if (category < 1 || category > categoryCount(spec.indicator)) throw std::out_of_range("category out of range");
    const uint32_t bit = 1u << (category - 1);
    const int n = historySize(hits);
    std::vector<int> gaps;
    int prev = spec.previousStart;
    for (int j = std::max(spec.start, 0); j < n; ++j) {
        if (!(hits[size_t(j)] & bit)) continue;
        gaps.push_back(j - prev);
        prev = j;
    }
    const int largest = gaps.empty() ? 0 : *std::max_element(gaps.begin(), gaps.end());
    std::vector<SpacingCount> table(static_cast<size_t>(largest));
    for (int g = 0; g < largest; ++g) table[size_t(g)].spacing = g + 1;
    for (int gap : gaps) ++table[size_t(gap - 1)].count;
    return table;
}

CandidateList candidateList(const IndicatorWindowSpec &spec, const DrawTable &history,
                            const IndicatorSelection &selection, const DirectNumberTable &numbers) {
    checkSelection(spec, selection);
    CandidateList list = candidatesFromDirectNumbers(numbers, 1);
    const EarlierDraws newest(history, history.size());
    if (!canClassify(spec.indicator, newest)) return list;
    for (auto &row : list) {
        const Digits d{row[0], row[1], row[2]};
        row[3] = inCategory(spec.indicator, selection.parameter, selection.category, d, newest) ? 0 : 1;
    }
    return list;
}

IndicatorAnalysis analyseIndicator(const IndicatorWindowSpec &spec, const DrawTable &history,
                                   const IndicatorSelection &selection, const DirectNumberTable &numbers) {
    checkSelection(spec, selection);
    const std::vector<uint32_t> hits = drawHits(spec, history, selection.parameter);
    IndicatorAnalysis out;
    out.trend = trendTable(spec, history, hits);
    out.statistics = categoryStatistics(spec, hits);
    out.spacing = spacingTable(spec, hits, selection.category);
    out.candidates = candidateList(spec, history, selection, numbers);
    return out;
}

std::string trendCellText(int32_t cell) { return cell == HitMark ? "●" : std::to_string(cell); }

std::vector<StatisticsTextRow> statisticsTexts(const IndicatorWindowSpec &spec,
                                               const std::vector<CategoryStatistics> &statistics) {
    std::vector<StatisticsTextRow> rows;
    rows.push_back({std::string(spec.statsWord) + "组合", "出现次数", "最大间隔", "目前间隔"});
    for (const auto &s : statistics)
        rows.push_back({label(spec.indicator, s.category), std::to_string(s.occurrences),
                        std::to_string(s.largestSpacing), std::to_string(s.currentSpacing)});
    return rows;
}

std::vector<StatisticsTextRow> indicatorStatisticsTable(int tab, const DrawTable &history, int parameter) {
    const IndicatorWindowSpec *spec = indicatorWindowSpec(tab);
    if (!spec) throw std::out_of_range("not an indicator tab");
    checkSelection(*spec, {1, parameter});
    return statisticsTexts(*spec, categoryStatistics(*spec, drawHits(*spec, history, parameter)));
}

} // namespace corvel
