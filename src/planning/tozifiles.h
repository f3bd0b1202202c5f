#pragma once
// Files and printout of the investment mode analysis: the settings file (thirteen
// lines), the combined file (settings, then the count and the numbers of the list) and
// the printed settings page. Files are handled as lines; src/store/textfile writes them.

#include "core/numberlist.h"
#include "core/pagemodel.h"

#include <string>
#include <vector>

namespace corvel {

// The window's settings as stored: item indexes of the four lists (not their values)
// and the edit texts as typed.
struct ToziSettings {
    int kind = 0;      // 0 "直选", 1 "全组选", 2 "组选3", 3 "组选6"
    int waitIndex = 0; // "中出后间隔期数：" items "0" … "50"
    int betIndex = 0;  // "连续投入期数：" items "1" … "50"
    int gapIndex = 0;  // "观察间隔数：" items "1" … "100"
    int runIndex = 0;  // "观察间隔连续次数：" items "1" … "10"
    std::string singleMax = "1000000";
    std::string totalMax = "1000000";
    std::string betCount = "100";
    std::string prize = "1000";
    std::string profitRate = "10";
    bool carryLoss = true;
    bool intervalMode = true;

    bool operator==(const ToziSettings &) const = default;
};

constexpr int ToziSettingsLines = 13;

// The thirteen lines: kind; indexes of W, L, T, R; the texts of 单期最大投入, 累计最大投入,
// 单倍注数, 单注奖金, 预期利润; "1"/"0" for 预计亏损 and 间隔模式; the kind again.
std::vector<std::string> writeToziSettings(const ToziSettings &settings);
// Reads the first thirteen lines. The whole file is checked before anything is used:
// a missing line or a text that is not an integer gives the standard conversion
// message, an index beyond its list "列表索引越界 (i)".
ToziSettings readToziSettings(const std::vector<std::string> &lines);

// A list file: line 1 the kind index, line 2 the count, then one number per line. The
// kind and the count are checked first (a count beyond the kind's limit is refused with
// the limit message, so a damaged file cannot size the list).
InvestmentList readToziList(const std::vector<std::string> &lines);

// The combined file: the settings lines, then the count and one number per line.
std::vector<std::string> writeToziBoth(const ToziSettings &settings, const NumberList &numbers);
struct ToziBoth {
    ToziSettings settings;
    InvestmentList list; // kind from the settings
};
ToziBoth readToziBoth(const std::vector<std::string> &lines);

// The printed settings: title, date line and the labelled values in two columns.
PrintDocument layoutToziSettings(const PageGeometry &page, const std::string &title, const std::string &date,
                                 const ToziSettings &settings, const std::string &surplus);

} // namespace corvel
