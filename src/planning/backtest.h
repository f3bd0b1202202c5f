#pragma once
// "历史回测": would a list tool, with its current settings, have won in the past? For each
// of the newest N draws u, oldest first, the tool is run on the draws before u alone, its
// list is bet as it is written against draw u, and the run adds up the money and compares
// the hits with what numbers picked at random would have won with lists of the same form
// and size.

#include "core/numberlist.h"
#include "core/u_public.h"
#include "generators/danma.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace corvel {

// How a list is bet: direct numbers in digit order, or group numbers (digits ascending).
enum class ListForm { Direct, Group };

struct ToolList {
    NumberList numbers;
    ListForm form = ListForm::Direct;
};

// A list tool with its settings bound: the list for draw position `index` from `before`,
// the draws before it (before.size() == index; nothing of draw `index` or later). The
// back-test calls a tool for ascending positions one after another, so a tool may carry
// state from one call to the next.
using ListTool = std::function<ToolList(const DrawTable &before, int index)>;

// One result per draw.
enum class DrawOutcome { Miss, Direct, GroupThree, GroupSix };
// "未中", "直选", "组三", "组六".
std::string outcomeName(DrawOutcome outcome);

struct BacktestSettings {
    int draws = 100;   // N, "回测期数": 1 … DrawCount − 1
    int64_t price = 2; // "单注价格", yuan a number
    int64_t directPrize = 1040;
    int64_t groupThreePrize = 346;
    int64_t groupSixPrize = 173;
};

// Money values (price, prizes) above this are refused, so no sum can overflow.
constexpr int64_t MaxBacktestMoney = 1000000000;

// Throws UserError when the history has fewer than two draws, N is not 1 … DrawCount − 1,
// or a money value is negative or too large.
void checkBacktestSettings(const BacktestSettings &settings, size_t drawCount);

// The window's edits as typed: converted with the standard message, then checked.
struct BacktestTexts {
    std::string draws = "100";
    std::string price = "2";
    std::string directPrize = "1040";
    std::string groupThreePrize = "346";
    std::string groupSixPrize = "173";
    BacktestSettings read(size_t drawCount) const;
};

// The result of betting `list` on `draw`: a direct list wins 直选 when it holds the draw; a
// group list wins 组三 or 组六 when it holds the draw's sorted digits and the draw is no
// leopard.
DrawOutcome judgeList(const ToolList &list, const Number &draw);
// How many of the 1000 possible draws the list wins: its n direct numbers; for a group
// list 3 for each 组三 entry and 6 for each 组六 entry (leopards none). Repeated entries
// count once. Numbers picked at random win with a list of the same form and size with
// the chance winningDraws / 1000.
int winningDraws(const ToolList &list);
double randomChance(const ToolList &list);
int64_t outcomePrize(DrawOutcome outcome, const BacktestSettings &settings);

struct BacktestRow {
    int position = 0;  // u, the draw's row in the history
    int32_t issue = 0; // column 0 of the history
    Number draw{};     // 开奖号
    int count = 0;     // 注数
    DrawOutcome outcome = DrawOutcome::Miss;
    int64_t prize = 0;    // 奖金
    int64_t net = 0;      // 累计净收益: prizes minus cost up to and including this draw
    int winningDraws = 0; // of the list: its chance is winningDraws / 1000
    double chance() const { return winningDraws / 1000.0; }
};

struct BacktestSummary {
    int draws = 0;        // tested draws
    int hits = 0;         // H: draws won
    double expected = 0;  // E: the sum of the chances (the winning draws summed, then / 1000)
    int64_t cost = 0;     // 投入
    int64_t prize = 0;    // 奖金
    int64_t net = 0;      // 净收益
    int longestMiss = 0;  // 最长连续未中
    int currentMiss = 0;  // 当前连续未中 (the misses that end the range)
    double pValue = 1;    // P(at least H hits by chance)
    double lowPValue = 1; // P(at most H hits by chance)
    // 回报率: prize / cost, 0 without cost.
    double returnRate() const { return cost > 0 ? double(prize) / double(cost) : 0.0; }
};

// The probability of at least `hits` wins when draw i wins independently with chances[i]
// (the exact Poisson-binomial tail).
double atLeastProbability(const std::vector<double> &chances, int hits);
// And of at most `hits` wins.
double atMostProbability(const std::vector<double> &chances, int hits);

BacktestSummary summarizeBacktest(const std::vector<BacktestRow> &rows);

// The plain sentence about chance, e.g. "与随机选号相比：没有显著差别（p = 0.57）".
std::string chanceVerdict(const BacktestSummary &summary);

struct BacktestRun {
    std::vector<BacktestRow> rows; // oldest first; the draws done when stopped
    BacktestSummary summary;       // over `rows`
    int planned = 0;               // N
    bool stopped = false;
};

// The status of a stopped run: "已停止：完成k/N期".
std::string stoppedMessage(const BacktestRun &run);

// Runs the back-test: checks the settings, then for u = DrawCount − N … DrawCount − 1 runs
// `tool` on the draws before u and bets its list on draw u. `progress` gets the number of
// draws done; `stop` is read before and after every tool run (a draw whose run saw it is
// dropped), and a stopped run keeps the draws done. A
// UserError of the tool ends the run (its message as it stands).
BacktestRun runBacktest(const DrawTable &history, const BacktestSettings &settings, const ListTool &tool,
                        const StepProgress &progress = {}, const std::atomic<bool> *stop = nullptr);

} // namespace corvel
