#include "planning/backtest.h"

#include "core/intconv.h"
#include "core/usererror.h"

#include <algorithm>
#include <bitset>
#include <cstdio>

namespace corvel {

namespace {

// The verdict's thresholds, all in one place: a tail probability below StrongEvidence is
// called clear, below SomeEvidence a lean; anything else is no difference.
constexpr double StrongEvidence = 0.01;
constexpr double SomeEvidence = 0.05;

int sortedValue(Number n) {
    std::sort(n.begin(), n.end());
    return numberValue(n);
}

bool isLeopard(const Number &n) { return n[0] == n[1] && n[1] == n[2]; }
bool isGroupThree(const Number &n) { return !isLeopard(n) && (n[0] == n[1] || n[1] == n[2] || n[0] == n[2]); }

bool validNumber(const Number &n) {
    return std::all_of(n.begin(), n.end(), [](int d) { return d >= 0 && d <= 9; });
}

// The values a list bets on: the direct numbers, or the sorted digits of group entries.
std::bitset<1000> listValues(const ToolList &list) {
    std::bitset<1000> values;
    for (const Number &n : list.numbers)
        if (validNumber(n)) values.set(size_t(list.form == ListForm::Group ? sortedValue(n) : numberValue(n)));
    return values;
}

void checkMoney(int64_t value, const std::string &name) {
    if (value < 0) throw UserError(name + "不能小于0！");
    if (value > MaxBacktestMoney) throw UserError(name + "不能大于" + std::to_string(MaxBacktestMoney) + "！");
}

// The distribution of the number of wins, draw i winning with chances[i].
std::vector<double> winDistribution(const std::vector<double> &chances) {
    std::vector<double> dist(chances.size() + 1, 0.0);
    dist[0] = 1.0;
    for (size_t i = 0; i < chances.size(); ++i) {
        const double p = std::clamp(chances[i], 0.0, 1.0);
        for (size_t k = i + 1; k >= 1; --k) dist[k] = dist[k] * (1.0 - p) + dist[k - 1] * p;
        dist[0] *= 1.0 - p;
    }
    return dist;
}

double sumRange(const std::vector<double> &dist, size_t from, size_t to) {
    double sum = 0;
    for (size_t k = to; k-- > from;) sum += dist[k]; // smallest terms first
    return std::clamp(sum, 0.0, 1.0);
}

std::string pText(double p) {
    if (p < 0.001) return "p < 0.001";
    char text[32];
    std::snprintf(text, sizeof text, p < 0.01 ? "p = %.3f" : "p = %.2f", p);
    return text;
}

} // namespace

std::string outcomeName(DrawOutcome outcome) {
    switch (outcome) {
    case DrawOutcome::Direct:
        return "直选";
    case DrawOutcome::GroupThree:
        return "组三";
    case DrawOutcome::GroupSix:
        return "组六";
    case DrawOutcome::Miss:
        break;
    }
    return "未中";
}

void checkBacktestSettings(const BacktestSettings &s, size_t drawCount) {
    if (drawCount < 2) throw UserError("开奖号码不足2期，无法回测！");
    if (s.draws < 1 || size_t(s.draws) > drawCount - 1)
        throw UserError("回测期数必须在1到" + std::to_string(drawCount - 1) + "之间！");
    checkMoney(s.price, "单注价格");
    checkMoney(s.directPrize, "直选奖金");
    checkMoney(s.groupThreePrize, "组三奖金");
    checkMoney(s.groupSixPrize, "组六奖金");
}

BacktestSettings BacktestTexts::read(size_t drawCount) const {
    BacktestSettings s;
    s.draws = strToInt(draws);
    s.price = strToInt64(price);
    s.directPrize = strToInt64(directPrize);
    s.groupThreePrize = strToInt64(groupThreePrize);
    s.groupSixPrize = strToInt64(groupSixPrize);
    checkBacktestSettings(s, drawCount);
    return s;
}

DrawOutcome judgeList(const ToolList &list, const Number &draw) {
    if (!validNumber(draw)) return DrawOutcome::Miss;
    const std::bitset<1000> values = listValues(list);
    if (list.form == ListForm::Direct)
        return values[size_t(numberValue(draw))] ? DrawOutcome::Direct : DrawOutcome::Miss;
    if (isLeopard(draw) || !values[size_t(sortedValue(draw))]) return DrawOutcome::Miss;
    return isGroupThree(draw) ? DrawOutcome::GroupThree : DrawOutcome::GroupSix;
}

int winningDraws(const ToolList &list) {
    const std::bitset<1000> values = listValues(list);
    if (list.form == ListForm::Direct) return int(values.count());
    int ways = 0;
    for (int v = 0; v < 1000; ++v) {
        if (!values[size_t(v)]) continue;
        const Number n = numberFromValue(v);
        ways += isLeopard(n) ? 0 : isGroupThree(n) ? 3 : 6;
    }
    return ways;
}

double randomChance(const ToolList &list) { return winningDraws(list) / 1000.0; }

int64_t outcomePrize(DrawOutcome outcome, const BacktestSettings &s) {
    switch (outcome) {
    case DrawOutcome::Direct:
        return s.directPrize;
    case DrawOutcome::GroupThree:
        return s.groupThreePrize;
    case DrawOutcome::GroupSix:
        return s.groupSixPrize;
    case DrawOutcome::Miss:
        break;
    }
    return 0;
}

double atLeastProbability(const std::vector<double> &chances, int hits) {
    if (hits <= 0) return 1.0;
    if (size_t(hits) > chances.size()) return 0.0;
    const std::vector<double> dist = winDistribution(chances);
    return sumRange(dist, size_t(hits), dist.size());
}

double atMostProbability(const std::vector<double> &chances, int hits) {
    if (hits < 0) return 0.0;
    if (size_t(hits) >= chances.size()) return 1.0;
    const std::vector<double> dist = winDistribution(chances);
    return sumRange(dist, 0, size_t(hits) + 1);
}

BacktestSummary summarizeBacktest(const std::vector<BacktestRow> &rows) {
    BacktestSummary s;
    std::vector<double> chances;
    int64_t ways = 0;
    int run = 0;
    for (const BacktestRow &row : rows) {
        ++s.draws;
        ways += row.winningDraws;
        chances.push_back(row.chance());
        s.prize += row.prize;
        s.net = row.net;
        if (row.outcome == DrawOutcome::Miss) {
            s.longestMiss = std::max(s.longestMiss, ++run);
        } else {
            ++s.hits;
            run = 0;
        }
    }
    s.currentMiss = run;
    s.expected = double(ways) / 1000.0;
    s.cost = s.prize - s.net;
    const std::vector<double> dist = winDistribution(chances);
    s.pValue = sumRange(dist, size_t(s.hits), dist.size());
    s.lowPValue = sumRange(dist, 0, size_t(s.hits) + 1);
    return s;
}

std::string chanceVerdict(const BacktestSummary &s) {
    const std::string head = "与随机选号相比：";
    if (s.draws == 0) return head + "没有回测的期数";
    if (s.expected <= 0) return head + "无法比较（没有投注）";
    const std::string p = "（" + pText(s.pValue) + "）";
    if (s.pValue < StrongEvidence) return head + "明显好于随机" + p;
    if (s.pValue < SomeEvidence) return head + "略好于随机" + p;
    if (s.lowPValue < StrongEvidence) return head + "明显差于随机" + p;
    if (s.lowPValue < SomeEvidence) return head + "略差于随机" + p;
    return head + "没有显著差别" + p;
}

std::string stoppedMessage(const BacktestRun &run) {
    return "已停止：完成" + std::to_string(run.rows.size()) + "/" + std::to_string(run.planned) + "期";
}

BacktestRun runBacktest(const DrawTable &history, const BacktestSettings &settings, const ListTool &tool,
                        const StepProgress &progress, const std::atomic<bool> *stop) {
    checkBacktestSettings(settings, history.size());
    const int total = int(history.size());
    const int first = total - settings.draws;
    // The draws before u, grown by one draw after each test: the tool never sees draw u.
    DrawTable before(history.begin(), history.begin() + first);
    before.reserve(history.size());
    BacktestRun run;
    run.planned = settings.draws;
    int64_t net = 0;
    for (int u = first; u < total; ++u) {
        if (stop && stop->load(std::memory_order_relaxed)) {
            run.stopped = true;
            break;
        }
        const ToolList list = tool(before, u);
        if (stop && stop->load(std::memory_order_relaxed)) { // the tool may have given up half-way
            run.stopped = true;
            break;
        }
        const DrawRow &d = history[size_t(u)];
        BacktestRow row;
        row.position = u;
        row.issue = d[0];
        row.draw = {d[1], d[2], d[3]};
        row.count = int(list.numbers.size());
        row.outcome = judgeList(list, row.draw);
        row.prize = outcomePrize(row.outcome, settings);
        net += row.prize - int64_t(row.count) * settings.price;
        row.net = net;
        row.winningDraws = winningDraws(list);
        run.rows.push_back(row);
        before.push_back(d);
        if (progress) progress(u - first + 1);
    }
    run.summary = summarizeBacktest(run.rows);
    return run;
}

} // namespace corvel
