// The plan arithmetic: the worked examples, the failures, and a check of the stage
// search against a literal trial of every multiple.

#include "core/usererror.h"
#include "planning/plans.h"

#include "enginesupport.h"
#include <gtest/gtest.h>
#include <optional>
#include <random>

namespace corvel {
namespace {

std::string failureOf(const std::function<void()> &f) { return test::userErrorOf(f); }

PlanInputs fixedDefaults() { return PlanInputs{}; }

StagePlanInputs stageInputs(int64_t days, int64_t stages) {
    StagePlanInputs in;
    in.days = days;
    in.jieduan = stages;
    return in;
}

// Trying m = 1, 2, … for every stage, walking its periods from the stage's starting
// total, exactly as a user would work it out by hand. nullopt when a stage fails.
std::optional<std::vector<PlanRow>> stagePlanByTrial(const StagePlanInputs &in) {
    const int64_t length = in.days / in.jieduan + (in.days % in.jieduan ? 1 : 0);
    std::vector<PlanRow> rows(static_cast<size_t>(in.days));
    int64_t spent = in.prekui;
    for (int64_t k = 0; k < in.jieduan; ++k) {
        const int64_t t0 = spent;
        bool done = false;
        for (int64_t m = 1; m <= MaxPlanMultiple && !done; ++m) {
            spent = t0;
            bool ok = true;
            for (int64_t j = k * length + 1; j <= (k + 1) * length && j <= in.days; ++j) {
                const int64_t total = spent + m * in.inofsin, net = m * in.outofsin - total;
                if (net < in.lirun) {
                    ok = false;
                    break;
                }
                rows[size_t(j - 1)] = {
                    j, m, m * in.inofsin, total, m * in.outofsin, net, total ? net * 100 / total : 0};
                spent = total;
            }
            done = ok;
        }
        if (!done) return std::nullopt;
    }
    return rows;
}

TEST(FixedPlan, DefaultsUseMultipleOneUntilPeriod61ThenTwo) {
    const std::vector<PlanRow> rows = fixedPlan(fixedDefaults());
    ASSERT_EQ(rows.size(), 80u);
    EXPECT_EQ(rows[0], (PlanRow{1, 1, 16, 16, 1000, 984, 6150}));
    EXPECT_EQ(rows[60], (PlanRow{61, 1, 16, 976, 1000, 24, 2}));
    EXPECT_EQ(rows[61], (PlanRow{62, 2, 32, 1008, 2000, 992, 98}));
    EXPECT_EQ(rows[79][3], 1584);
    EXPECT_EQ(rows[79][5], 416);
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i][1], i < 61 ? 1 : 2) << "period " << i + 1;
    EXPECT_EQ(averageNet(rows, 80), 551);
}

TEST(FixedPlan, CarriedLossAndImpossiblePrize) {
    PlanInputs in = fixedDefaults();
    in.prekui = 1000;
    EXPECT_EQ(fixedPlan(in)[0], (PlanRow{1, 2, 32, 1032, 2000, 968, 93}));

    in = fixedDefaults();
    in.inofsin = 1000;
    EXPECT_EQ(failureOf([&] { fixedPlan(in); }), "所需倍数太大，无法投注！");
    in.inofsin = 1001; // the net profit falls as the multiple grows
    EXPECT_EQ(failureOf([&] { fixedPlan(in); }), "所需倍数太大，无法投注！");

    // A list that loses 100 a multiple pays only out of a carried-in gain.
    in = PlanInputs{-110, 10, 600, 500, 1};
    EXPECT_EQ(fixedPlan(in)[0], (PlanRow{1, 1, 600, 490, 500, 10, 2}));
    in.prekui = -109;
    EXPECT_EQ(failureOf([&] { fixedPlan(in); }), "所需倍数太大，无法投注！");
    // Prize equal to the stake: only a carried-in gain of at least R pays.
    in = PlanInputs{-10, 10, 500, 500, 1};
    EXPECT_EQ(fixedPlan(in)[0][5], 10);
    in.prekui = -9;
    EXPECT_EQ(failureOf([&] { fixedPlan(in); }), "所需倍数太大，无法投注！");
}

TEST(FixedPlan, MultipleLimitIsTenThousand) {
    PlanInputs in{0, 9999, 1, 2, 1}; // each multiple gains 1
    EXPECT_EQ(fixedPlan(in)[0][1], 9999);
    in.lirun = 10000;
    EXPECT_EQ(fixedPlan(in)[0][1], 10000);
    in.lirun = 10001;
    EXPECT_EQ(failureOf([&] { fixedPlan(in); }), "所需倍数太大，无法投注！");
}

TEST(FixedPlan, PeriodCountMustBeUsable) {
    PlanInputs in = fixedDefaults();
    for (int64_t days : {0, -3}) {
        in.days = days;
        EXPECT_EQ(failureOf([&] { fixedPlan(in); }), "投注期数必须大于0！");
    }
    in.days = MaxPlanPeriods + 1;
    EXPECT_EQ(failureOf([&] { fixedPlan(in); }), "投注期数不能超过100000！");
    in = PlanInputs{0, 10, 1, 1000000, MaxPlanPeriods};
    EXPECT_EQ(fixedPlan(in).size(), size_t(MaxPlanPeriods));
}

TEST(FixedPlan, HugeValuesAreRefusedInsteadOfWrapping) {
    PlanInputs in{0, 10, 16, INT64_MAX / 2, 3};
    EXPECT_EQ(failureOf([&] { fixedPlan(in); }), "数值太大，超出计算范围！");
    in = PlanInputs{INT64_MAX - 5, 10, 16, 1000, 1};
    EXPECT_EQ(failureOf([&] { fixedPlan(in); }), "所需倍数太大，无法投注！");
}

TEST(ProfitRate, TruncatesTowardZeroAndIsZeroWhenNothingSpent) {
    EXPECT_EQ(profitRate(984, 16), 6150);
    EXPECT_EQ(profitRate(7, 3), 233);
    EXPECT_EQ(profitRate(-7, 3), -233);
    EXPECT_EQ(profitRate(7, -3), -233);
    EXPECT_EQ(profitRate(1000, 0), 0);
    // A carried-in gain as large as the first stake: nothing spent in total after period 1.
    const std::vector<PlanRow> rows = fixedPlan(PlanInputs{-16, 10, 16, 1000, 3});
    EXPECT_EQ(rows[0], (PlanRow{1, 1, 16, 0, 1000, 1000, 0}));
}

TEST(AverageNet, CountsMissingRowsAsZeroAndTruncates) {
    const std::vector<PlanRow> rows{{1, 1, 0, 0, 0, 10, 0}, {2, 1, 0, 0, 0, 5, 0}};
    EXPECT_EQ(averageNet(rows, 2), 7);
    EXPECT_EQ(averageNet(rows, 4), 3);
    EXPECT_EQ(averageNet(rows, 0), 0);
    const std::vector<PlanRow> losses{{1, 1, 0, 0, 0, -7, 0}, {2, 1, 0, 0, 0, 0, 0}};
    EXPECT_EQ(averageNet(losses, 2), -3);
}

TEST(StagePlan, DefaultsChangeTheMultipleOnceAtPeriod57) {
    const std::vector<PlanRow> rows = stagePlan(stageInputs(80, 10));
    ASSERT_EQ(rows.size(), 80u);
    EXPECT_EQ(rows[55][3], 896);
    EXPECT_EQ(rows[55][5], 104);
    EXPECT_EQ(rows[56], (PlanRow{57, 2, 32, 928, 2000, 1072, 115}));
    EXPECT_EQ(rows[79][3], 1664);
    EXPECT_EQ(rows[79][5], 336);
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i][1], i < 56 ? 1 : 2) << "period " << i + 1;
    EXPECT_EQ(averageNet(rows, 80), 592);
}

TEST(StagePlan, SingleStage) {
    EXPECT_EQ(failureOf([] { stagePlan(stageInputs(80, 1)); }), "所需倍数太大，无法投注！");
    const std::vector<PlanRow> rows = stagePlan(stageInputs(40, 1));
    for (const PlanRow &r : rows) EXPECT_EQ(r[1], 1);
    EXPECT_EQ(rows[39][3], 640);
    EXPECT_EQ(rows[39][5], 360);
}

TEST(StagePlan, OneStagePerPeriodIsTheFixedPlan) {
    for (int64_t stages : {80, 81, 500}) EXPECT_EQ(stagePlan(stageInputs(80, stages)), fixedPlan(fixedDefaults()));
    EXPECT_EQ(stageLength(80, 500), 1);
}

TEST(StagePlan, ShortLastStage) {
    EXPECT_EQ(stageLength(85, 10), 9);
    EXPECT_EQ(stageLength(80, 10), 8);
    const std::vector<PlanRow> rows = stagePlan(stageInputs(85, 10));
    ASSERT_EQ(rows.size(), 85u);
    // Every stage of nine periods keeps one multiple; the tenth covers 82 to 85.
    for (size_t s = 0; s < 10; ++s)
        for (size_t j = s * 9; j < std::min<size_t>(s * 9 + 9, 85); ++j) EXPECT_EQ(rows[j][1], rows[s * 9][1]);
    EXPECT_EQ(rows[84][0], 85);
    EXPECT_EQ(rows, *stagePlanByTrial(stageInputs(85, 10)));
}

TEST(StagePlan, StageAndPeriodCountsMustBePositive) {
    EXPECT_EQ(failureOf([] { stagePlan(stageInputs(80, 0)); }), "阶段次数必须大于0！");
    EXPECT_EQ(failureOf([] { stagePlan(stageInputs(80, -2)); }), "阶段次数必须大于0！");
    EXPECT_EQ(failureOf([] { stagePlan(stageInputs(0, 10)); }), "投注期数必须大于0！");
}

TEST(StagePlan, AgreesWithTryingEveryMultiple) {
    std::mt19937 rng(7);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int failures = 0;
    for (int trial = 0; trial < 400; ++trial) {
        StagePlanInputs in = stageInputs(pick(1, 60), pick(1, 70));
        in.prekui = pick(-500, 3000);
        in.lirun = pick(-100, 400);
        in.inofsin = pick(-20, 120);
        in.outofsin = pick(-50, 1500);
        if (in.inofsin <= 0) {
            EXPECT_EQ(failureOf([&] { stagePlan(in); }), "单倍投入必须大于0！") << "trial " << trial;
            continue;
        }
        const auto expected = stagePlanByTrial(in);
        if (!expected) {
            ++failures;
            EXPECT_EQ(failureOf([&] { stagePlan(in); }), "所需倍数太大，无法投注！") << "trial " << trial;
        } else {
            EXPECT_EQ(stagePlan(in), *expected) << "trial " << trial;
        }
    }
    EXPECT_GT(failures, 0); // both outcomes were exercised
    EXPECT_LT(failures, 400);
}

// ------------------------------------------------------------------ variable plan

VariablePlanInputs variableInputs(int64_t bets, int64_t days = 80) {
    VariablePlanInputs in;
    in.jushu = bets;
    in.days = days;
    return in;
}

std::vector<VariableRow> addPeriods(std::initializer_list<int64_t> bets, VariablePlanInputs in = {}) {
    std::vector<VariableRow> rows;
    for (int64_t b : bets) {
        in.jushu = b;
        rows.push_back(nextVariableRow(rows, in));
    }
    return rows;
}

TEST(VariablePlan, FourPeriodExample) {
    const std::vector<VariableRow> rows = addPeriods({8, 8, 20, 50});
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (VariableRow{1, 1, 8, 16, 16, 1000, 984, 6150}));
    EXPECT_EQ(rows[1], (VariableRow{2, 1, 8, 16, 32, 1000, 968, 3025}));
    EXPECT_EQ(rows[2], (VariableRow{3, 1, 20, 40, 72, 1000, 928, 1288}));
    EXPECT_EQ(rows[3], (VariableRow{4, 1, 50, 100, 172, 1000, 828, 481}));
    EXPECT_EQ(averageNet(rows), 927);
    EXPECT_EQ(averageNet(std::vector<VariableRow>{}), 0);
}

TEST(VariablePlan, ContinuesFromThePreviousTotalAndIgnoresSingleCost) {
    VariablePlanInputs in;
    in.prekui = 5000; // only the first period starts from the carried loss
    in.inofsin = 999999;
    const std::vector<VariableRow> rows = addPeriods({8, 8}, in);
    EXPECT_EQ(rows[0], (VariableRow{1, 6, 8, 96, 5096, 6000, 904, 17}));
    EXPECT_EQ(rows[1][4], 5096 + 96);
    VariablePlanInputs plain;
    plain.prekui = 5000;
    EXPECT_EQ(addPeriods({8, 8}, plain), rows);
}

TEST(VariablePlan, FullPlanAndShrunkPeriodCountAreRefused) {
    std::vector<VariableRow> rows = addPeriods({8, 8}, variableInputs(8, 2));
    EXPECT_EQ(failureOf([&] { nextVariableRow(rows, variableInputs(8, 2)); }), "投资期限已满2天!");
    EXPECT_EQ(failureOf([&] { nextVariableRow(rows, variableInputs(8, 1)); }), "投注期数不能少于已添加的2期！");
    EXPECT_EQ(failureOf([&] { nextVariableRow({}, variableInputs(8, 0)); }), "投注期数必须大于0！");
    EXPECT_EQ(nextVariableRow(rows, variableInputs(8, 3))[0], 3);
}

TEST(VariablePlan, ImpossiblePeriodLeavesThePlanUsable) {
    std::vector<VariableRow> rows = addPeriods({8});
    // 500 bets cost as much as the prize: no multiple can win anything.
    EXPECT_EQ(failureOf([&] { nextVariableRow(rows, variableInputs(500)); }), "所需倍数太大，无法投注！");
    ASSERT_EQ(rows.size(), 1u);
    const VariableRow next = nextVariableRow(rows, variableInputs(8));
    EXPECT_EQ(next, (VariableRow{2, 1, 8, 16, 32, 1000, 968, 3025}));
}

TEST(VariablePlan, LargerListsNeedLargerMultiples) {
    VariablePlanInputs in;
    in.prekui = 3000;
    in.jushu = 200; // stake 400 a multiple, gain 600 a multiple, need 3010
    const VariableRow row = nextVariableRow({}, in);
    EXPECT_EQ(row[1], 6);
    EXPECT_EQ(row[3], 2400);
    EXPECT_GE(row[6], 10);
}

// A list of no bets, or a negative cost, would give stakes of nothing or below nothing.
TEST(Plans, StakesOfNothingOrLessAreRefused) {
    for (const int64_t cost : {0, -16}) {
        PlanInputs in;
        in.inofsin = cost;
        EXPECT_EQ(failureOf([&] { fixedPlan(in); }), "单倍投入必须大于0！") << cost;
        StagePlanInputs staged;
        staged.inofsin = cost;
        EXPECT_EQ(failureOf([&] { stagePlan(staged); }), "单倍投入必须大于0！") << cost;
    }
    const std::vector<VariableRow> rows = addPeriods({8});
    for (const int64_t bets : {0, -5})
        EXPECT_EQ(failureOf([&] { nextVariableRow(rows, variableInputs(bets)); }), "本期注数必须大于0！") << bets;
    PlanInputs one;
    one.inofsin = 1;
    EXPECT_EQ(fixedPlan(one)[0][2], 1);
}

} // namespace
} // namespace corvel
