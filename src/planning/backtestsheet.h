#pragma once
// What the "历史回测" window shows, exports and prints of a run: the table's cells, the
// summary in words, the CSV text and the printout. The texts live here once, so the
// window, its CSV file and its printout say the same.

#include "core/pagemodel.h"
#include "planning/backtest.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvel {

// "期号", "开奖号", "注数", "结果", "奖金", "累计净收益".
std::vector<std::string> backtestHeadings();
// A row's cells under those headings; `issue` is the draw's issue as the history gives it.
std::vector<std::string> backtestCells(const BacktestRow &row, int64_t issue);

// The summary as the window shows it, one line each: "中出 H 期 / 随机期望 E 期", the
// sentence about chance, 投入, 奖金, 净收益, 回报率, 最长连续未中, 当前连续未中. A stopped
// run starts with its status and the note that the figures cover only the draws done.
std::vector<std::string> backtestSummaryLines(const BacktestRun &run);

// The note of a stopped run: stoppedMessage + "，汇总只含已完成的期数".
std::string stoppedNote(const BacktestRun &run);

// The summary as name and value, for the CSV file.
struct SummaryItem {
    std::string name;
    std::string value;
};
std::vector<SummaryItem> backtestSummaryItems(const BacktestRun &run, const BacktestSettings &settings);

// The CSV text of a run (without the byte order mark; lines end with CR LF): the headings
// and one line per tested draw, an empty line, then "汇总" and one "name,value" line per
// summary item. `issues` are the history's issues by draw position. A cell holding a comma,
// a quote or a line end is quoted.
std::string backtestCsv(const BacktestRun &run, const BacktestSettings &settings, const std::vector<int64_t> &issues);

// Rows of the printed table a page.
constexpr int BacktestRowsPerPage = 36;

// The printout: the title and an information line on the first page, the ruled table with
// its headings on every page, the summary after the last row (on a page of its own when
// the last page has no room) and "共N页\第K页" on every page. Throws UserError without rows.
PrintDocument layoutBacktestSheet(const PageGeometry &page, const std::string &title, const std::string &info,
                                  const BacktestRun &run, const std::vector<int64_t> &issues);

// The issue of a row: issues[position] when the list holds it, else the row's own issue.
int64_t rowIssue(const BacktestRow &row, const std::vector<int64_t> &issues);

} // namespace corvel
