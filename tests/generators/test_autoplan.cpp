// The automatic two- and three-digit plans: steps in both modes, wins, bad draws and the
// plan file.

#include "generators/autoplan.h"

#include "enginesupport.h"

#include <gtest/gtest.h>

namespace corvel {
namespace {

using test::userErrorOf;

std::vector<std::string> bets(const AutoPlan &plan) {
    std::vector<std::string> out;
    for (const AutoPlanRow &r : plan.rows()) out.push_back(r.bet);
    return out;
}

TEST(TwoDigitPlan, PositionsMoveByTheRule) {
    AutoPlan plan(PlanKind::TwoDigit);
    EXPECT_EQ(plan.state(), PlanState::Empty);
    EXPECT_TRUE(plan.betList().empty());
    EXPECT_EQ(plan.step(PlanMode::Parity, "135"), StepOutcome::Added);
    EXPECT_EQ(plan.rows().back().bet, "百十位奇奇");
    // Both classes differ: the positions stay.
    plan.step(PlanMode::Parity, "246");
    EXPECT_EQ(plan.rows().back().bet, "百十位偶偶");
    EXPECT_EQ(plan.rows().back().draw, "246");
    EXPECT_EQ(plan.state(), PlanState::Running);

    AutoPlan other(PlanKind::TwoDigit);
    other.step(PlanMode::Parity, "135");
    // 百 as bet, 十 not: 百 stays, 十 gives way to 个.
    other.step(PlanMode::Parity, "126");
    EXPECT_EQ(other.rows().back().bet, "百个位奇偶");
    // Now 个 as bet (偶), 百 not: 个 stays, 百 gives way to 十; ordered ascending.
    other.step(PlanMode::Parity, "258");
    EXPECT_EQ(other.rows().back().bet, "十个位奇偶");
    EXPECT_EQ(bets(other).size(), 3u);

    // Size mode: 5 is 大, 4 is 小.
    AutoPlan size(PlanKind::TwoDigit);
    size.step(PlanMode::Size, "549");
    EXPECT_EQ(size.rows().back().bet, "百十位大小");
    const NumberList list = size.betList();
    ASSERT_EQ(list.size(), 250u);
    for (const Number &n : list) EXPECT_TRUE(n[0] >= 5 && n[1] <= 4) << numberText(n);
    EXPECT_EQ(numberText(list.front()), "500");
    EXPECT_EQ(numberText(list.back()), "949");
}

TEST(TwoDigitPlan, AWinEndsThePlanAndKeepsTheBetList) {
    AutoPlan plan(PlanKind::TwoDigit);
    plan.step(PlanMode::Parity, "135");
    const NumberList before = plan.betList();
    EXPECT_EQ(plan.step(PlanMode::Parity, "317"), StepOutcome::Won);
    EXPECT_EQ(plan.state(), PlanState::Ended);
    EXPECT_EQ(plan.rows().size(), 1u);
    EXPECT_EQ(plan.betList(), before);
    EXPECT_EQ(userErrorOf([&] { plan.step(PlanMode::Parity, "222"); }), "计划已结束，请开始新计划！");
    plan.restart();
    EXPECT_EQ(plan.state(), PlanState::Empty);
    EXPECT_TRUE(plan.rows().empty());
    EXPECT_EQ(plan.step(PlanMode::Parity, "222"), StepOutcome::Added);
}

TEST(AutoPlans, BadDrawsAreRefusedAndChangeNothing) {
    for (PlanKind kind : {PlanKind::TwoDigit, PlanKind::ThreeDigit}) {
        AutoPlan plan(kind);
        plan.step(PlanMode::Parity, "135", "246");
        for (const char *bad : {"12", "12a", "1234", " 12", "12 ", "-12", "+12", "", "１２３", "1２3"}) {
            EXPECT_EQ(userErrorOf([&] { plan.step(PlanMode::Parity, bad, "246"); }), "请输入三位数字") << bad;
            if (kind == PlanKind::ThreeDigit) {
                EXPECT_EQ(userErrorOf([&] { plan.step(PlanMode::Parity, "135", bad); }), "请输入三位数字") << bad;
            }
        }
        EXPECT_EQ(plan.rows().size(), 1u);
        EXPECT_EQ(plan.state(), PlanState::Running);
    }
}

TEST(ThreeDigitPlan, PredictionFromTheChangeOfEachPosition) {
    AutoPlan parity(PlanKind::ThreeDigit);
    parity.step(PlanMode::Parity, "456", "123");
    EXPECT_EQ(parity.rows().back().bet, "百十个位奇偶奇");
    EXPECT_EQ(parity.rows().back().draw, "456");
    ASSERT_EQ(parity.betList().size(), 125u);
    for (const Number &n : parity.betList()) EXPECT_TRUE(n[0] % 2 == 1 && n[1] % 2 == 0 && n[2] % 2 == 1);

    AutoPlan size(PlanKind::ThreeDigit);
    size.step(PlanMode::Size, "579", "135");
    EXPECT_EQ(size.rows().back().bet, "百十个位小小大");

    // The first step never checks a win; later the latest draw's pattern is compared with
    // the last bet.
    AutoPlan plan(PlanKind::ThreeDigit);
    plan.step(PlanMode::Parity, "111", "111");
    EXPECT_EQ(plan.rows().back().bet, "百十个位奇奇奇");
    EXPECT_EQ(plan.step(PlanMode::Parity, "222", "111"), StepOutcome::Added);
    EXPECT_EQ(plan.rows().back().bet, "百十个位奇奇奇");
    EXPECT_EQ(plan.step(PlanMode::Parity, "357", "222"), StepOutcome::Won);
    EXPECT_EQ(plan.rows().size(), 2u);
    EXPECT_EQ(plan.state(), PlanState::Ended);
    EXPECT_EQ(plan.betList().size(), 125u);
}

TEST(PlanFile, RoundTripKeepsRowsModeAndState) {
    AutoPlan plan(PlanKind::TwoDigit);
    plan.step(PlanMode::Size, "135");
    plan.step(PlanMode::Size, "956");
    const std::vector<std::string> lines = plan.write(PlanMode::Size);
    EXPECT_EQ(lines, (std::vector<std::string>{"转换定位2码七期必中选号计划", "模式：大小模式", "状态：进行中",
                                               "第1期,135,百十位小小", "第2期,956,百十位大大"}));
    const AutoPlan::Loaded loaded = AutoPlan::read(PlanKind::TwoDigit, lines);
    EXPECT_EQ(loaded.mode, PlanMode::Size);
    EXPECT_EQ(loaded.plan.state(), PlanState::Running);
    EXPECT_EQ(bets(loaded.plan), bets(plan));
    // The loaded plan goes on exactly as the saved one would.
    AutoPlan resumed = loaded.plan;
    resumed.step(PlanMode::Size, "709");
    plan.step(PlanMode::Size, "709");
    EXPECT_EQ(bets(resumed), bets(plan));
    EXPECT_EQ(plan.rows().back().bet, "百个位大大");

    plan.step(PlanMode::Size, "999");
    ASSERT_EQ(plan.state(), PlanState::Ended);
    const AutoPlan::Loaded ended = AutoPlan::read(PlanKind::TwoDigit, plan.write(PlanMode::Size));
    EXPECT_EQ(ended.plan.state(), PlanState::Ended);
    EXPECT_EQ(ended.plan.betList(), plan.betList());

    const AutoPlan::Loaded empty =
        AutoPlan::read(PlanKind::ThreeDigit, AutoPlan(PlanKind::ThreeDigit).write(PlanMode::Parity));
    EXPECT_EQ(empty.plan.state(), PlanState::Empty);
    // Trailing blank lines are not rows.
    std::vector<std::string> padded = lines;
    padded.push_back("");
    padded.push_back("  ");
    EXPECT_EQ(AutoPlan::read(PlanKind::TwoDigit, padded).plan.rows().size(), 2u);
}

TEST(PlanFile, DamagedFilesAreRefusedNamingTheLine) {
    const std::vector<std::string> good{"转换定位2码七期必中选号计划", "模式：奇偶模式", "状态：进行中",
                                        "第1期,135,百十位奇奇", "第2期,246,百十位偶偶"};
    const auto error = [&](size_t line, const std::string &text) {
        std::vector<std::string> lines = good;
        if (line < lines.size())
            lines[line] = text;
        else
            lines.push_back(text);
        return userErrorOf([&] { AutoPlan::read(PlanKind::TwoDigit, lines); });
    };
    EXPECT_EQ(error(0, "转换定位3码15期必中选号计划"),
              "计划文件第1行有误：不是“转换定位2码七期必中选号计划”的计划文件，计划未载入！");
    EXPECT_EQ(error(1, "模式：单双模式"), "计划文件第2行有误：“单双模式”不是奇偶模式或大小模式，计划未载入！");
    EXPECT_EQ(error(2, "进行中"), "计划文件第3行有误：缺少“状态：”（未开始、进行中或已结束），计划未载入！");
    EXPECT_EQ(error(2, "状态：未开始"), "计划文件第3行有误：计划状态“未开始”与2行计划不符，计划未载入！");
    EXPECT_EQ(error(4, "第3期,246,百十位偶偶"), "计划文件第5行有误：期数应为“第2期”，而不是“第3期”，计划未载入！");
    EXPECT_EQ(error(4, "第2期,24,百十位偶偶"), "计划文件第5行有误：开奖号“24”不是三位数字，计划未载入！");
    EXPECT_EQ(error(3, "第1期,135"), "计划文件第4行有误：应为“期数,开奖号,投注”三项，计划未载入！");
    EXPECT_NE(error(4, "第2期,246,十百位偶偶").find("第5行"), std::string::npos);     // positions not ascending
    EXPECT_NE(error(4, "第2期,246,百十位偶大").find("第5行"), std::string::npos);     // two modes in one bet
    EXPECT_NE(error(4, "第2期,246,百十个位偶偶偶").find("第5行"), std::string::npos); // a three-digit bet
    EXPECT_NE(error(5, "垃圾").find("第6行"), std::string::npos);
    EXPECT_EQ(userErrorOf([] { AutoPlan::read(PlanKind::TwoDigit, {}); }),
              "计划文件第1行有误：不是“转换定位2码七期必中选号计划”的计划文件，计划未载入！");
    EXPECT_NE(userErrorOf([] {
                  AutoPlan::read(PlanKind::TwoDigit, {"转换定位2码七期必中选号计划", "模式：奇偶模式"});
              }).find("第3行"),
              std::string::npos);
    EXPECT_EQ(
        userErrorOf([] {
            AutoPlan::read(PlanKind::ThreeDigit, {"转换定位3码15期必中选号计划", "模式：奇偶模式", "状态：已结束"});
        }),
        "计划文件第3行有误：计划状态“已结束”与0行计划不符，计划未载入！");
}

} // namespace
} // namespace corvel
