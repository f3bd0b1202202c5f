#pragma once
// The analysis behind the seventeen indicator trend windows (tabs 3..19): trend table,
// per-category statistics, the spacing table of the selected category and the candidate
// list, plus each window's fixed configuration (names, texts, start parameters).

#include "analysis/indicators.h"
#include "core/candidates.h"
#include "core/u_public.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace corvel {

// One indicator window's configuration.
struct IndicatorWindowSpec {
    int tab;               // the main window's tab, 3..19
    const char *className; // "Tfrmdaxiao"
    const char *stem;      // "daxiao": grd<stem>, grdadd<stem>, com<stem>, ...
    const char *caption;   // window caption
    Indicator indicator;
    const char *selectorLabel;     // "选择大小："
    bool numberedItems;            // "1:大大大" rather than the label alone
    bool enlargeButton;            // btnsize beside the trend grid
    int start;                     // s: the first evaluated draw
    int lastStart;                 // L0: where every category's last occurrence starts (trend)
    int previousStart;             // p0: where the statistics' previous occurrence starts
    const char *statsWord;         // statistics heading = word + "组合"
    const char *statChartTitle;    // "大小出现次数图表"
    const char *spacingChartTitle; // "大小间隔图表"
    const char *descriptionPrefix; // "大小组合"; the pair windows write the pair's names instead
};

const std::array<IndicatorWindowSpec, IndicatorCount> &indicatorWindowSpecs();
// The window of a tab, or nullptr outside 3..19.
const IndicatorWindowSpec *indicatorWindowSpec(int tab);

// Texts of the category selector ("1:大大大" or "大大大") and of the extra selector
// ("百位", ... or "百十位", ...; empty when the window has none).
std::vector<std::string> categoryItems(const IndicatorWindowSpec &spec);
std::vector<std::string> parameterItems(const IndicatorWindowSpec &spec);
// The filtered-code view's description: prefix + label, or the pair + label.
std::string filterDescription(const IndicatorWindowSpec &spec, int category, int parameter);

// A trend cell that marks a hit. Omission counts are ≥ 1 and rows before the first
// evaluated draw hold 0, so no count can be mistaken for a hit however long the history.
constexpr int32_t HitMark = -1;

// n rows × (K+1) cells: column 0 the issue, column k the trend cell of category k.
struct TrendGrid {
    int rows = 0;
    int columns = 0;
    std::vector<int32_t> cells;
    int32_t at(int row, int column) const { return cells[size_t(row) * size_t(columns) + size_t(column)]; }
};

struct CategoryStatistics {
    int category = 0;
    int occurrences = 0;
    int largestSpacing = 0;
    int currentSpacing = 0;
};

struct SpacingCount {
    int spacing = 0;
    int count = 0;
};

struct IndicatorSelection {
    int category = 1;  // 1..K
    int parameter = 1; // position or position pair 1..3 where the window has one
};

struct IndicatorAnalysis {
    TrendGrid trend;
    std::vector<CategoryStatistics> statistics; // K rows
    std::vector<SpacingCount> spacing;          // rows g = 1..G of the selected category
    CandidateList candidates;                   // pass mark 0 = in the selected category next draw
};

// Categories hit by every draw (bit k−1 for category k); 0 for draws before spec.start.
std::vector<uint32_t> drawHits(const IndicatorWindowSpec &spec, const DrawTable &history, int parameter);

TrendGrid trendTable(const IndicatorWindowSpec &spec, const DrawTable &history, const std::vector<uint32_t> &hits);
std::vector<CategoryStatistics> categoryStatistics(const IndicatorWindowSpec &spec, const std::vector<uint32_t> &hits);
std::vector<SpacingCount> spacingTable(const IndicatorWindowSpec &spec, const std::vector<uint32_t> &hits,
                                       int category);
// Every direct number with pass mark 0 when, judged as the next draw, it falls in the
// category. With too short a history for the rule every mark is 1.
CandidateList candidateList(const IndicatorWindowSpec &spec, const DrawTable &history,
                            const IndicatorSelection &selection, const DirectNumberTable &numbers);

// Everything at once. Throws std::out_of_range for a category outside 1..K or a
// parameter outside 1..3 in the windows that take one.
IndicatorAnalysis analyseIndicator(const IndicatorWindowSpec &spec, const DrawTable &history,
                                   const IndicatorSelection &selection, const DirectNumberTable &numbers);

// "●" for a hit, the number otherwise.
std::string trendCellText(int32_t cell);

using StatisticsTextRow = std::array<std::string, 4>;
// The statistics grid as the window shows it: the heading row (word + "组合", "出现次数",
// "最大间隔", "目前间隔"), then per category its label, occurrences, largest and current spacing.
std::vector<StatisticsTextRow> statisticsTexts(const IndicatorWindowSpec &spec,
                                               const std::vector<CategoryStatistics> &statistics);
// The same for a tab (3..19) straight from a history. Throws std::out_of_range for another tab.
std::vector<StatisticsTextRow> indicatorStatisticsTable(int tab, const DrawTable &history, int parameter = 1);

} // namespace corvel
