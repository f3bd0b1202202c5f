// The investment mode analysis engine: random lists, the hit column, the interval
// statistics and the plan of one run.

#include "core/usererror.h"
#include "enginesupport.h"
#include "planning/replay.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace corvel;

namespace {

std::string errorOf(const std::function<void()> &f) { return test::userErrorOf(f); }

// A history whose draws are the given numbers, issues 1, 2, 3 …
DrawTable drawsOf(const std::vector<int> &values) {
    DrawTable t;
    for (size_t i = 0; i < values.size(); ++i)
        t.push_back({int32_t(i + 1), values[i] / 100, values[i] / 10 % 10, values[i] % 10});
    return t;
}

// A hit column with wins at the given rows (1-based) among n draws.
HitColumn hitsWithWins(int n, const std::set<int> &wins) {
    HitColumn hits(static_cast<size_t>(n));
    int last = -1;
    for (int i = 0; i < n; ++i) {
        hits[i].issue = i + 1;
        if (wins.count(i + 1)) {
            last = i;
            hits[i].omission = 0;
        } else {
            hits[i].omission = i - last;
        }
    }
    return hits;
}

} // namespace

TEST(ReplayRandomList, EveryKindGivesDistinctSortedNumbersOfItsForm) {
    Lcg random(12345);
    for (int kind = 0; kind < 4; ++kind) {
        const BetKind k = static_cast<BetKind>(kind);
        for (int count : {1, 37, betKindLimit(k)}) {
            const NumberList list = makeRandomList(k, count, random);
            ASSERT_EQ(list.size(), size_t(count));
            std::set<int> values;
            for (size_t i = 0; i < list.size(); ++i) {
                const Number &n = list[i];
                values.insert(numberValue(n));
                if (i > 0) {
                    EXPECT_LT(numberValue(list[i - 1]), numberValue(n));
                }
                if (k == BetKind::Direct) continue;
                EXPECT_TRUE(n[0] <= n[1] && n[1] <= n[2]) << numberText(n);
                const int distinct = int(std::set<int>(n.begin(), n.end()).size());
                if (k == BetKind::AllGroup) {
                    EXPECT_GE(distinct, 2);
                }
                if (k == BetKind::Group3) {
                    EXPECT_EQ(distinct, 2);
                }
                if (k == BetKind::Group6) {
                    EXPECT_EQ(distinct, 3);
                }
            }
            EXPECT_EQ(values.size(), list.size());
        }
    }
}

TEST(ReplayRandomList, SameSeedSameListAndCountsOutsideTheLimitAreRefused) {
    Lcg a(99), b(99);
    EXPECT_EQ(makeRandomList(BetKind::Direct, 100, a), makeRandomList(BetKind::Direct, 100, b));
    Lcg r(1);
    EXPECT_EQ(errorOf([&] { makeRandomList(BetKind::Direct, 1001, r); }), "请请输入1到1000的直选注数！");
    EXPECT_EQ(errorOf([&] { makeRandomList(BetKind::AllGroup, 211, r); }), "请请输入1到210的组选注数！");
    EXPECT_EQ(errorOf([&] { makeRandomList(BetKind::Group3, 91, r); }), "请请输入1到90的组选3注数！");
    EXPECT_EQ(errorOf([&] { makeRandomList(BetKind::Group6, 121, r); }), "请请输入1到120的组选6注数！");
    EXPECT_EQ(errorOf([&] { makeRandomList(BetKind::Direct, 0, r); }), "请请输入1到1000的直选注数！");
    EXPECT_EQ(errorOf([] { betKindFromIndex(4); }), "列表索引越界 (4)");
}

TEST(ReplayHitColumn, DirectNeedsOrderGroupKindsAnyOrder) {
    const DrawTable draws = drawsOf({123, 321, 555, 112, 999, 211});
    const NumberList list{{1, 2, 3}, {1, 1, 2}};
    const std::vector<int64_t> issues{20240001, 20240002, 20240003, 20240004, 20240005, 20240006};

    const HitColumn direct = buildHitColumn(draws, issues, BetKind::Direct, list);
    ASSERT_EQ(direct.size(), 6u);
    EXPECT_EQ(direct[0].issue, 20240001);
    EXPECT_EQ(direct[5].issue, 20240006);
    // Won: 123 (row 0) and 112 (row 3).
    const std::vector<int32_t> directOmissions{0, 1, 2, 0, 1, 2};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(direct[i].omission, directOmissions[i]) << i;

    const HitColumn group = buildHitColumn(draws, {}, BetKind::AllGroup, list);
    // Won: 123, 321, 112, 211; issues fall back to the history's column 0.
    const std::vector<int32_t> groupOmissions{0, 0, 1, 0, 1, 0};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(group[i].omission, groupOmissions[i]) << i;
    EXPECT_EQ(group[2].issue, 3);

    // The first draws before any win count 1, 2, 3 …
    const HitColumn none = buildHitColumn(draws, {}, BetKind::Direct, {{0, 0, 0}});
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(none[i].omission, int32_t(i + 1));
}

TEST(ReplayHitColumn, AgreesWithTheDrawByDrawTestOnRandomLists) {
    std::mt19937 rng(5);
    for (int round = 0; round < 40; ++round) {
        const BetKind kind = static_cast<BetKind>(round % 4);
        NumberList list;
        const int size = int(rng() % 30);
        for (int i = 0; i < size; ++i) list.push_back(numberFromValue(int(rng() % 1000)));
        std::vector<int> values;
        for (int i = 0; i < 300; ++i) values.push_back(int(rng() % 1000));
        const HitColumn hits = buildHitColumn(drawsOf(values), {}, kind, list);
        for (size_t i = 0; i < values.size(); ++i)
            ASSERT_EQ(hits[i].omission == 0, listWinsDraw(kind, list, numberFromValue(values[i])))
                << "round " << round << " draw " << values[i];
    }
}

TEST(ReplayIntervalStats, RunsOfLongGapsAreCountedWhenAShortGapEndsThem) {
    // Wins at rows 3, 6, 7, 12, 14, 18 of 18: gaps 3, 3, 1, 5, 2, 4; largest omission 4.
    const auto stats = intervalStats(hitsWithWins(18, {3, 6, 7, 12, 14, 18}));
    std::vector<std::array<int, 3>> got;
    for (const auto &s : stats) got.push_back({s.interval, s.run, s.count});
    const std::vector<std::array<int, 3>> expected{{2, 2, 1}, {3, 1, 1}, {3, 2, 1}, {4, 1, 1}, {5, 1, 1}};
    EXPECT_EQ(got, expected);
}

TEST(ReplayIntervalStats, TrailingDrawsAddOneMoreGapAndNoWinGivesNothing) {
    // Wins at rows 6 and 12 of 13: gaps 6, 6 and the trailing gap 13 − 11 + 1 = 3, which
    // ends the run of two long gaps for v = 4 … 6 (largest omission 5).
    const auto stats = intervalStats(hitsWithWins(13, {6, 12}));
    std::vector<std::array<int, 3>> got;
    for (const auto &s : stats) got.push_back({s.interval, s.run, s.count});
    const std::vector<std::array<int, 3>> expected{{4, 2, 1}, {5, 2, 1}, {6, 2, 1}};
    EXPECT_EQ(got, expected);

    EXPECT_TRUE(intervalStats(hitsWithWins(30, {})).empty());
    EXPECT_TRUE(intervalStats({}).empty());
}

TEST(ReplayPlan, SmallestMultipleReachingTheRate) {
    ReplayParams p;
    p.betCount = 8; // one multiple stakes 16
    p.prize = 1000;
    p.profitRate = 10;
    p.betDraws = 50;
    const Plan plan = makePlan(p, 0);
    ASSERT_EQ(plan.steps.size(), 50u);
    EXPECT_FALSE(plan.tooLarge);
    const PlanStep &last = plan.steps.back();
    EXPECT_EQ(last.multiple, 1);
    EXPECT_EQ(last.total, 800);
    EXPECT_EQ(last.net, 200);
    EXPECT_EQ(last.rate, 25);
    EXPECT_EQ(plan.affordable, 50);

    // 5000 already lost: multiple 6 (5 would leave a net of −80).
    const Plan carried = makePlan(p, 5000);
    EXPECT_EQ(carried.steps[0].multiple, 6);
    EXPECT_EQ(carried.steps[0].total, 5096);
    EXPECT_EQ(carried.steps[0].net, 904);
    EXPECT_EQ(carried.steps[0].rate, 17);
}

TEST(ReplayPlan, AffordableLengthAndMultiplesBeyondTheLimit) {
    ReplayParams p;
    p.betCount = 100;
    p.prize = 300;
    p.profitRate = 10;
    p.betDraws = 3;
    p.singleMax = 500; // step 2 stakes 600
    const Plan plan = makePlan(p, 0);
    ASSERT_EQ(plan.steps.size(), 3u);
    EXPECT_EQ(plan.steps[0].multiple, 1);
    EXPECT_EQ(plan.steps[1].multiple, 3);
    EXPECT_EQ(plan.steps[2].multiple, 11);
    EXPECT_EQ(plan.affordable, 1);

    p.prize = 100; // a win never pays the stake
    const Plan none = makePlan(p, 0);
    EXPECT_TRUE(none.tooLarge);
    EXPECT_TRUE(none.steps.empty());
}

TEST(ReplayPlan, FormulaAgreesWithCountingUpOnRandomParameters) {
    std::mt19937_64 rng(11);
    for (int round = 0; round < 3000; ++round) {
        ReplayParams p;
        p.betCount = 1 + int64_t(rng() % 1000);
        const int64_t prizes[] = {0, 1, 2, 150, 199, 200, 1000, 1700, 100000, MaxPrize, -5};
        p.prize = prizes[rng() % 11] + int64_t(rng() % 3);
        p.profitRate = int64_t(rng() % 400) - 150;
        if (round % 50 == 0) p.profitRate = (round % 100 == 0) ? INT64_MAX : INT64_MIN;
        p.singleMax = int64_t(rng() % 5000000);
        p.totalMax = int64_t(rng() % 50000000);
        p.betDraws = 1 + int(rng() % 50);
        const int64_t carry = rng() % 3 ? 0 : int64_t(rng() % 10000000);
        const Plan fast = makePlan(p, carry), counted = makePlanByCounting(p, carry);
        ASSERT_EQ(fast.tooLarge, counted.tooLarge) << round;
        ASSERT_EQ(fast.affordable, counted.affordable) << round;
        ASSERT_EQ(fast.steps.size(), counted.steps.size()) << round;
        for (size_t s = 0; s < fast.steps.size(); ++s) {
            ASSERT_EQ(fast.steps[s].multiple, counted.steps[s].multiple) << round << " step " << s;
            ASSERT_EQ(fast.steps[s].total, counted.steps[s].total);
            ASSERT_EQ(fast.steps[s].rate, counted.steps[s].rate);
        }
    }
}

TEST(ReplayPlan, ParametersOutsideTheirListsAreRefused) {
    ReplayParams p;
    EXPECT_NO_THROW(checkReplayParams(p));
    for (const auto &change : std::vector<std::function<void(ReplayParams &)>>{
             [](ReplayParams &q) { q.betCount = 0; }, [](ReplayParams &q) { q.betCount = 1001; },
             [](ReplayParams &q) { q.prize = MaxPrize + 1; }, [](ReplayParams &q) { q.observeGap = 0; },
             [](ReplayParams &q) { q.observeGap = 101; }, [](ReplayParams &q) { q.observeRuns = 11; },
             [](ReplayParams &q) { q.waitDraws = -1; }, [](ReplayParams &q) { q.waitDraws = 51; },
             [](ReplayParams &q) { q.betDraws = 0; }, [](ReplayParams &q) { q.betDraws = 51; }}) {
        ReplayParams bad = p;
        change(bad);
        EXPECT_THROW(checkReplayParams(bad), UserError);
    }
}
