// The back-test: betting a list on a draw, money, chance against random numbers, the walk
// over the newest draws with each tool seeing only the draws before the tested one.

#include "enginesupport.h"
#include "planning/backtest.h"
#include "planning/backtesttools.h"
#include "randomhistory.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <random>

using namespace corvel;

namespace {

// A history whose draws are the given numbers, issues 1, 2, 3 …
DrawTable drawsOf(const std::vector<int> &values) {
    DrawTable t;
    for (size_t i = 0; i < values.size(); ++i)
        t.push_back({int32_t(i + 1), values[i] / 100, values[i] / 10 % 10, values[i] % 10});
    return t;
}

NumberList numbers(const std::vector<int> &values) {
    NumberList out;
    for (int v : values) out.push_back(numberFromValue(v));
    return out;
}

ToolList directList(const std::vector<int> &values) { return {numbers(values), ListForm::Direct}; }
ToolList groupList(const std::vector<int> &values) { return {numbers(values), ListForm::Group}; }

BacktestSettings lastDraws(int n) {
    BacktestSettings s;
    s.draws = n;
    return s;
}

// Wraps a tool and keeps the list it gave for every position.
struct Recorder {
    std::map<int, NumberList> lists;
    ListTool wrap(const ListTool &tool) {
        return [this, tool](const DrawTable &before, int index) {
            ToolList list = tool(before, index);
            lists[index] = list.numbers;
            return list;
        };
    }
};

} // namespace

TEST(Backtest, DirectListWinsOnlyTheDrawInItsOrder) {
    const DrawTable draws = drawsOf({123, 456, 789, 654});
    const BacktestRun run = runBacktest(draws, lastDraws(3), fixedListTool(directList({456, 1, 2})));
    ASSERT_EQ(run.rows.size(), 3u);
    // 456 wins; 789 and 654 (456's digits in another order) do not.
    EXPECT_EQ(run.rows[0].outcome, DrawOutcome::Direct);
    EXPECT_EQ(run.rows[1].outcome, DrawOutcome::Miss);
    EXPECT_EQ(run.rows[2].outcome, DrawOutcome::Miss);
    EXPECT_EQ(run.rows[0].issue, 2);
    EXPECT_EQ(run.rows[0].position, 1);
    EXPECT_EQ(run.rows[0].count, 3);
    EXPECT_EQ(run.rows[0].prize, 1040);
    // Three numbers at 2 元 a draw: 1040 − 6, then 6 less each draw.
    EXPECT_EQ(run.rows[0].net, 1034);
    EXPECT_EQ(run.rows[2].net, 1022);
    EXPECT_EQ(run.summary.hits, 1);
    EXPECT_EQ(run.summary.cost, 18);
    EXPECT_EQ(run.summary.prize, 1040);
    EXPECT_EQ(run.summary.net, 1022);
    EXPECT_EQ(run.summary.longestMiss, 2);
    EXPECT_EQ(run.summary.currentMiss, 2);
}

TEST(Backtest, GroupListWinsGroupThreeAndSixButNeverALeopard) {
    // 组六 012, 组三 113, and the leopard 555 that no group bet can win.
    const ToolList list = groupList({12, 113, 555});
    EXPECT_EQ(judgeList(list, {2, 1, 0}), DrawOutcome::GroupSix);
    EXPECT_EQ(judgeList(list, {1, 3, 1}), DrawOutcome::GroupThree);
    EXPECT_EQ(judgeList(list, {5, 5, 5}), DrawOutcome::Miss);
    EXPECT_EQ(judgeList(list, {1, 1, 2}), DrawOutcome::Miss);
    EXPECT_EQ(judgeList(list, {0, 1, 3}), DrawOutcome::Miss);

    BacktestSettings s = lastDraws(4);
    s.price = 1;
    s.groupThreePrize = 300;
    s.groupSixPrize = 100;
    const BacktestRun run = runBacktest(drawsOf({0, 210, 131, 555, 456}), s, fixedListTool(list));
    ASSERT_EQ(run.rows.size(), 4u);
    EXPECT_EQ(outcomeName(run.rows[0].outcome), "组六");
    EXPECT_EQ(outcomeName(run.rows[1].outcome), "组三");
    EXPECT_EQ(outcomeName(run.rows[2].outcome), "未中");
    EXPECT_EQ(outcomeName(run.rows[3].outcome), "未中");
    EXPECT_EQ(run.rows[0].prize, 100);
    EXPECT_EQ(run.rows[1].prize, 300);
    EXPECT_EQ(run.rows[3].net, 100 + 300 - 4 * 3);
    EXPECT_EQ(run.summary.hits, 2);
    EXPECT_EQ(run.summary.longestMiss, 2);
    EXPECT_EQ(run.summary.currentMiss, 2);
}

TEST(Backtest, ChanceFollowsTheFormAndSizeOfTheList) {
    EXPECT_DOUBLE_EQ(randomChance(directList({1, 2, 3, 4, 5, 6, 7})), 0.007);
    EXPECT_DOUBLE_EQ(randomChance(directList({})), 0.0);
    // 组三 001 and 112 count 3 ways each, 组六 012 and 045 six, the leopard 999 none.
    EXPECT_DOUBLE_EQ(randomChance(groupList({1, 12, 999, 45, 112})), 0.018);
    // A group entry is read by its digits, whatever their order; a repeat counts once.
    EXPECT_DOUBLE_EQ(randomChance(groupList({210, 12, 121})), 0.009);
    EXPECT_DOUBLE_EQ(randomChance(directList({5, 5})), 0.001);

    const DrawTable draws = drawsOf({0, 1, 2, 3});
    const BacktestRun run = runBacktest(draws, lastDraws(3), fixedListTool(groupList({1, 12})));
    EXPECT_NEAR(run.summary.expected, 3 * 0.009, 1e-12);
}

TEST(Backtest, PValueIsTheExactTailOfIndependentDraws) {
    // Chances 0.1, 0.2, 0.5. No win: 0.9·0.8·0.5 = 0.36. All three: 0.01. Exactly two:
    // 0.1·0.2·0.5 + 0.1·0.8·0.5 + 0.9·0.2·0.5 = 0.14.
    const std::vector<double> chances{0.1, 0.2, 0.5};
    EXPECT_NEAR(atLeastProbability(chances, 0), 1.0, 1e-12);
    EXPECT_NEAR(atLeastProbability(chances, 1), 0.64, 1e-12);
    EXPECT_NEAR(atLeastProbability(chances, 2), 0.15, 1e-12);
    EXPECT_NEAR(atLeastProbability(chances, 3), 0.01, 1e-12);
    EXPECT_EQ(atLeastProbability(chances, 4), 0.0);
    EXPECT_NEAR(atMostProbability(chances, 0), 0.36, 1e-12);
    EXPECT_NEAR(atMostProbability(chances, 1), 0.85, 1e-12);

    // The same through a run: lists of 100, 200 and 500 direct numbers; the first and the
    // last win.
    const DrawTable draws = drawsOf({999, 0, 998, 1});
    const ListTool sized = [](const DrawTable &, int index) {
        std::vector<int> values;
        for (int v = 0; v < (index == 1 ? 100 : index == 2 ? 200 : 500); ++v) values.push_back(v);
        return directList(values);
    };
    const BacktestRun run = runBacktest(draws, lastDraws(3), sized);
    EXPECT_EQ(run.summary.hits, 2);
    EXPECT_NEAR(run.summary.expected, 0.8, 1e-12);
    EXPECT_NEAR(run.summary.pValue, 0.15, 1e-12);
    EXPECT_EQ(run.summary.cost, 2 * 800);
    EXPECT_EQ(run.summary.longestMiss, 1);
    EXPECT_EQ(run.summary.currentMiss, 0);
}

TEST(Backtest, VerdictNamesTheEvidence) {
    BacktestSummary s;
    s.draws = 100;
    s.expected = 1;
    s.pValue = 0.5678;
    s.lowPValue = 0.6;
    EXPECT_EQ(chanceVerdict(s), "与随机选号相比：没有显著差别（p = 0.57）");
    s.pValue = 0.004;
    EXPECT_EQ(chanceVerdict(s), "与随机选号相比：明显好于随机（p = 0.004）");
    s.pValue = 0.03;
    EXPECT_EQ(chanceVerdict(s), "与随机选号相比：略好于随机（p = 0.03）");
    s.pValue = 0.9999;
    s.lowPValue = 0.0001;
    EXPECT_EQ(chanceVerdict(s), "与随机选号相比：明显差于随机（p = 1.00）");
    s.expected = 0;
    EXPECT_EQ(chanceVerdict(s), "与随机选号相比：无法比较（没有投注）");
}

TEST(Backtest, SettingsAreRefusedWithTheirMessages) {
    const DrawTable draws = drawsOf({1, 2, 3, 4, 5});
    const ListTool tool = fixedListTool(directList({1}));
    const auto refusal = [&](const BacktestTexts &texts) {
        return test::userErrorOf([&] { texts.read(draws.size()); });
    };
    BacktestTexts t;
    t.draws = "0";
    EXPECT_EQ(refusal(t), "回测期数必须在1到4之间！");
    t.draws = "5";
    EXPECT_EQ(refusal(t), "回测期数必须在1到4之间！");
    t.draws = "x";
    EXPECT_EQ(refusal(t), "'x' 不是一个有效的整形值");
    t.draws = "4";
    EXPECT_EQ(refusal(t), "");
    t.price = "-1";
    EXPECT_EQ(refusal(t), "单注价格不能小于0！");
    t.price = "2.5";
    EXPECT_EQ(refusal(t), "'2.5' 不是一个有效的整形值");
    t.price = "2";
    t.groupSixPrize = "-3";
    EXPECT_EQ(refusal(t), "组六奖金不能小于0！");
    t.groupSixPrize = "173";
    t.directPrize = "99999999999";
    EXPECT_EQ(refusal(t), "直选奖金不能大于1000000000！");
    EXPECT_EQ(test::userErrorOf([&] { runBacktest(drawsOf({1}), lastDraws(1), tool); }), "开奖号码不足2期，无法回测！");
    EXPECT_EQ(test::userErrorOf([&] { runBacktest(draws, lastDraws(5), tool); }), "回测期数必须在1到4之间！");
}

TEST(Backtest, StoppedRunKeepsTheDrawsDone) {
    const DrawTable draws = test::randomHistory(50);
    std::atomic<bool> stop{false};
    int reported = 0;
    const BacktestRun run = runBacktest(
        draws, lastDraws(20), fixedListTool(directList({1, 2, 3})),
        [&](int done) {
            reported = done;
            if (done == 7) stop = true;
        },
        &stop);
    EXPECT_TRUE(run.stopped);
    EXPECT_EQ(run.planned, 20);
    ASSERT_EQ(run.rows.size(), 7u);
    EXPECT_EQ(reported, 7);
    EXPECT_EQ(run.summary.draws, 7);
    EXPECT_EQ(run.summary.cost, 7 * 3 * 2);
    EXPECT_EQ(run.rows.back().position, 50 - 20 + 6);
    EXPECT_EQ(stoppedMessage(run), "已停止：完成7/20期");

    // A tool that sees the stop during its own run may have given up half-way: that draw
    // is not counted.
    stop = false;
    const BacktestRun cut = runBacktest(
        draws, lastDraws(20),
        [&](const DrawTable &, int index) {
            if (index == 33) stop = true;
            return directList({1, 2, 3});
        },
        {}, &stop);
    EXPECT_TRUE(cut.stopped);
    EXPECT_EQ(cut.rows.size(), 3u);
}

TEST(Backtest, StableCounterChainsFromDrawToDraw) {
    const DrawTable draws = test::randomHistory(140, 5);
    StableSettings s;
    s.lists = 2;
    s.stages = 1;
    auto counter = std::make_shared<uint32_t>(7);
    Recorder recorder;
    runBacktest(draws, lastDraws(3), recorder.wrap(stableTool(s, counter)));

    // The same three runs by hand: each starts from the counter the one before left.
    uint32_t chained = 7;
    for (int u = 137; u < 140; ++u) {
        s.index = u;
        const DrawTable before(draws.begin(), draws.begin() + u);
        const uint32_t startedAt = chained;
        const NumberList expected = stableBaseList(before, s, chained).unionList;
        EXPECT_EQ(recorder.lists[u], expected) << u;
        // A run that started again from the first counter would give other lists.
        if (u > 137) {
            uint32_t fresh = 7;
            EXPECT_NE(stableBaseList(before, s, fresh).unionList, expected) << u;
        }
        EXPECT_GT(chained, startedAt);
    }
    EXPECT_EQ(*counter, chained);
}

// Every tool, run over a history and over the same history with draw u and later changed,
// gives the same lists up to and including draw u.
TEST(Backtest, NothingOfTheTestedDrawReachesTheTool) {
    const DrawTable draws = test::randomHistory(400, 3);
    DrawTable changed = draws;
    const int u = 380;
    for (size_t i = u; i < changed.size(); ++i) changed[i] = {changed[i][0], 9 - changed[i][1], 3, changed[i][3] / 2};

    ExclusionSettings exclusion;
    exclusion.ticked[size_t(ExclusionRule::Recent)] = true;
    exclusion.texts[size_t(ExclusionRule::Recent)] = "150";
    exclusion.ticked[size_t(ExclusionRule::Span)] = true;
    exclusion.texts[size_t(ExclusionRule::Span)] = "0 9";
    OmissionSettings omission;
    omission.level1Low = 100;
    omission.level2Low = 50;
    omission.toleranceHigh = 1;
    FollowSettings follow;
    follow.width = 2;
    FilterSettings filter;
    filter.danma = "0123";
    ListCounter counter;
    counter.add("012 345 678 901 234 567 890 111 222 333");
    counter.add("012 345 999 888 777 123 456 789");
    IntersectSettings intersect;
    intersect.excludeRecent = true;
    intersect.recent = 10;
    intersect.sixHigh = 1;
    intersect.threeHigh = 1;
    StableSettings stable;
    stable.lists = 1;
    stable.stages = 1;
    IntervalSettings interval;
    interval.target = 50;
    interval.threshold = 20;

    const std::vector<std::pair<std::string, std::function<ListTool()>>> tools{
        {"cold", [] { return coldTool(BetKind::Direct, 500); }},
        {"cold group", [] { return coldTool(BetKind::AllGroup, 100); }},
        {"exclusion", [&] { return exclusionTool(exclusion); }},
        {"omission", [&] { return omissionTool(omission); }},
        {"group follow", [&] { return followTool(FollowKind::Group, follow, filter); }},
        {"direct follow", [&] { return followTool(FollowKind::Direct, follow, filter); }},
        {"intersect", [&] { return intersectTool(counter, intersect); }},
        {"stable", [&] { return stableTool(stable, std::make_shared<uint32_t>(1)); }},
        {"interval", [&] { return intervalTool(interval, std::make_shared<Lcg>(11)); }},
        {"danma", [&] { return danmaBaseTool(DanmaSettings(), MissRanges(), std::make_shared<Lcg>(11)); }},
    };
    for (const auto &[name, make] : tools) {
        Recorder original, other;
        runBacktest(draws, lastDraws(30), original.wrap(make()));
        runBacktest(changed, lastDraws(30), other.wrap(make()));
        for (int i = 370; i <= u; ++i) EXPECT_EQ(original.lists[i], other.lists[i]) << name << " at " << i;
        // The change shows after u, so the comparison above can tell.
        bool differs = false;
        for (int i = u + 1; i < 400; ++i) differs |= original.lists[i] != other.lists[i];
        EXPECT_TRUE(differs) << name;
    }
}

TEST(Backtest, ToolsRefuseTheirSettings) {
    const DrawTable draws = test::randomHistory(200);
    EXPECT_EQ(test::userErrorOf([] { coldTool(BetKind::Group3, 91); }), "组三注数不能大于90,请输入正确的号码注数！");
    StableSettings stable;
    stable.stages = 2;
    // Two stages need 239 draws before the first tested draw.
    EXPECT_EQ(test::userErrorOf(
                  [&] { runBacktest(draws, lastDraws(10), stableTool(stable, std::make_shared<uint32_t>(1))); }),
              "目前预测期之前只有190期开奖号码，2个阶段至少需要239期！");
    ExclusionSettings exclusion;
    exclusion.tolerance = "a";
    EXPECT_EQ(test::userErrorOf([&] { runBacktest(draws, lastDraws(10), exclusionTool(exclusion)); }),
              "'a' 不是一个有效的整形值");
    EXPECT_EQ(test::userErrorOf(
                  [&] { runBacktest(draws, lastDraws(10), intersectTool(ListCounter(), IntersectSettings())); }),
              "请先导入大底文件！");
}

namespace {

NumberList sortedList(NumberList list) {
    std::sort(list.begin(), list.end());
    return list;
}

// Both paths of a tool over the newest `n` draws of `draws` give the same list every draw.
void expectSamePaths(const DrawTable &draws, int n, const std::function<ListTool(ToolPath)> &make,
                     const std::string &name) {
    Recorder fast, literal;
    runBacktest(draws, lastDraws(n), fast.wrap(make(ToolPath::Fast)));
    runBacktest(draws, lastDraws(n), literal.wrap(make(ToolPath::Literal)));
    ASSERT_EQ(fast.lists.size(), size_t(n)) << name;
    for (const auto &[u, list] : literal.lists) {
        EXPECT_EQ(sortedList(fast.lists[u]), sortedList(list)) << name << " at " << u;
        if (::testing::Test::HasFailure()) return;
    }
}

// Short histories reach the first draws (never-drawn numbers, draws before the follow
// scan starts); a longer one has everything drawn.
const std::vector<DrawTable> &pathHistories() {
    static const std::vector<DrawTable> histories{test::randomHistory(130, 1), test::randomHistory(700, 2)};
    return histories;
}

// All draws of a short history, the newest 150 of a long one.
int testedDraws(const DrawTable &draws) { return draws.size() < 200 ? int(draws.size()) - 1 : 150; }

} // namespace

TEST(BacktestPaths, ColdCarriesTheNewestOccurrences) {
    const std::vector<std::pair<BetKind, std::vector<int64_t>>> cases{{BetKind::Direct, {0, 1, 450, 1000}},
                                                                      {BetKind::AllGroup, {50, 210}},
                                                                      {BetKind::Group3, {30, 90}},
                                                                      {BetKind::Group6, {60, 120}}};
    for (const DrawTable &draws : pathHistories())
        for (const auto &[kind, counts] : cases)
            for (int64_t count : counts)
                expectSamePaths(
                    draws, testedDraws(draws), [&, k = kind](ToolPath path) { return coldTool(k, count, path); },
                    "cold " + std::to_string(int(kind)) + "/" + std::to_string(count));
}

TEST(BacktestPaths, ExclusionCountsTheFixedRulesOnce) {
    for (const DrawTable &draws : pathHistories())
        for (const char *recent : {"0", "1", "30", "400"})
            for (const char *tolerance : {"0", "1"}) {
                ExclusionSettings s;
                s.ticked[size_t(ExclusionRule::Recent)] = true;
                s.texts[size_t(ExclusionRule::Recent)] = recent;
                s.ticked[size_t(ExclusionRule::Sum)] = true;
                s.texts[size_t(ExclusionRule::Sum)] = "10 11 12 13 14 15 16 17";
                s.ticked[size_t(ExclusionRule::Span)] = true;
                s.texts[size_t(ExclusionRule::Span)] = "2 3";
                s.tolerance = tolerance;
                expectSamePaths(
                    draws, testedDraws(draws), [&](ToolPath path) { return exclusionTool(s, path); },
                    std::string("exclusion ") + recent + "/" + tolerance);
            }
}

TEST(BacktestPaths, OmissionCarriesItsWalks) {
    std::vector<OmissionSettings> settings(4);
    settings[1].level1Low = 5;
    settings[1].level2Low = 3;
    settings[1].level2High = 400;
    settings[1].toleranceHigh = 1;
    settings[2].level1 = false;
    settings[2].level2Low = 20;
    settings[3].level1Low = 100;
    settings[3].level1High = 900;
    settings[3].level2Low = 1;
    settings[3].level2High = 60;
    settings[3].toleranceLow = 1;
    settings[3].toleranceHigh = 2;
    for (const DrawTable &draws : pathHistories())
        for (size_t i = 0; i < settings.size(); ++i)
            expectSamePaths(
                draws, testedDraws(draws), [&](ToolPath path) { return omissionTool(settings[i], path); },
                "omission " + std::to_string(i));
}

TEST(BacktestPaths, FollowReadsOnlyTheRowsItExcludes) {
    std::mt19937 rng(5);
    const auto pick = [&](int low, int high) { return low + int(rng() % unsigned(high - low + 1)); };
    for (int round = 0; round < 48; ++round) {
        const FollowKind kind = round % 2 ? FollowKind::Direct : FollowKind::Group;
        FollowSettings s;
        s.width = pick(1, 3);
        s.position = pick(1, 3);
        s.ordered = pick(0, 1);
        s.interval = pick(0, 2) ? pick(1, 3) : pick(4, 100);
        s.includeDraw = pick(0, 1);
        FilterSettings f;
        f.excludeCount = pick(0, 3) ? pick(0, 30) : 5000;
        f.includeDraw = s.includeDraw;
        f.danma = pick(0, 1) ? "" : "27";
        const DrawTable &draws = pathHistories()[size_t(round % 4 < 1 ? 0 : 1)];
        expectSamePaths(
            draws, testedDraws(draws), [&](ToolPath path) { return followTool(kind, s, f, path); },
            "follow round " + std::to_string(round));
    }
}
