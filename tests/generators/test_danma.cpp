// Danma groups, their hits, the base list from groups and the danma file.

#include "generators/danma.h"

#include "enginesupport.h"
#include "randomhistory.h"

#include <gtest/gtest.h>
#include <set>

using namespace corvel;

namespace {

DanmaSettings settings(int k, int n, int y, bool reverse, int index) {
    DanmaSettings s;
    s.groups = k;
    s.digits = n;
    s.draws = y;
    s.reverse = reverse;
    s.index = index;
    return s;
}

bool sharesDigit(const std::string &group, const Number &n) {
    for (int d : n)
        if (group.find(char('0' + d)) != std::string::npos) return true;
    return false;
}

} // namespace

TEST(Danma, GroupsAreDistinctAscendingAndRepeatWithTheSeed) {
    const DrawTable draws = test::randomHistory(300);
    for (bool reverse : {false, true}) {
        Lcg first(12345), second(12345);
        std::vector<int> steps;
        const DanmaResult a =
            generateDanma(draws, settings(10, 3, 2, reverse, 300), first, [&](int g) { steps.push_back(g); });
        const DanmaResult b = generateDanma(draws, settings(10, 3, 2, reverse, 300), second);
        EXPECT_EQ(a.groups, b.groups);
        EXPECT_FALSE(a.stopped);
        EXPECT_EQ(steps, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        ASSERT_EQ(a.groups.size(), 10u);
        EXPECT_EQ(std::set<std::string>(a.groups.begin(), a.groups.end()).size(), 10u);
        for (const std::string &g : a.groups) {
            ASSERT_EQ(g.size(), 3u);
            EXPECT_TRUE(g[0] < g[1] && g[1] < g[2]) << g;
        }
        Lcg other(999);
        EXPECT_NE(generateDanma(draws, settings(10, 3, 2, reverse, 300), other).groups, a.groups);
    }
}

// Worked through by hand from the program's generator (see test_stablebase.cpp): every
// attempt draws a permutation P of 0–9 (a digit equal to an earlier one is drawn again),
// then n distinct digits c; draw j's digits d become (P[d] + j + 1) mod 10, and an accepted
// c maps back to Q[(c − (u + 1)) mod 10] with Q the inverse of P.
TEST(Danma, SeededGroupsFollowTheTransformByHand) {
    const DrawTable draws = test::history({{101, 1, 2, 3}, {102, 4, 5, 6}, {103, 7, 8, 9}, {104, 0, 0, 5}});

    // Forward, n = 2, Y = 2, u = 3 (the issue after 103), seed 1006; back map Q[(c − 4) mod 10].
    //  1: P = 5649381720, Q = 9684201753, c = 0,2 (the second 0 drawn again).
    //     Draw 2 (789): P = 7,2,0, + 3 → 0,5,3 holds 0. Draw 1 (456): P = 3,8,1, + 2 → 5,0,3
    //     holds 0. Accepted: Q[6] = 1, Q[8] = 5 → "15".
    //  2: P = 5320894671, c = 2,8. Draw 2: P = 6,7,1, + 3 → 9,0,4 holds neither: refused.
    //  3: P = 0564782913, Q = 0869312457, c = 6,0. Draw 2: P = 9,1,3, + 3 → 2,4,6 holds 6;
    //     draw 1: P = 7,8,2, + 2 → 9,0,4 holds 0. Accepted: Q[2] = 6, Q[6] = 2 → "26".
    const DrawTable first3(draws.begin(), draws.begin() + 3);
    Lcg forward(1006);
    EXPECT_EQ(generateDanma(first3, settings(2, 2, 2, false, 3), forward).groups,
              (std::vector<std::string>{"15", "26"}));

    // Reverse, n = 3, Y = 1, u = 2 (the past issue 103, not the newest), seed 1420; back
    // map Q[(c − 3) mod 10].
    //  1: P = 5180492673, c = 8,9,4. Draw 1 (456): P = 4,9,2, + 2 → 6,1,4 holds 4: refused.
    //  2: P = 3768194520, Q = 9480672135, c = 7,9,4. Draw 1: P = 1,9,4, + 2 → 3,1,6 holds
    //     none. Accepted: Q[4] = 6, Q[6] = 2, Q[1] = 4 → "246".
    //  3: P = 6512309847, Q = 5234810976, c = 3,4,7. Draw 1: P = 3,0,9, + 2 → 5,2,1 holds
    //     none. Accepted: Q[0] = 5, Q[1] = 2, Q[4] = 8 → "258".
    Lcg reverse(1420);
    const std::vector<std::string> groups = generateDanma(draws, settings(2, 3, 1, true, 2), reverse).groups;
    EXPECT_EQ(groups, (std::vector<std::string>{"246", "258"}));
    // Issue 103 drew 789: only 258 shares a digit with it.
    EXPECT_EQ(danmaHitText(draws, 2, "2", groups), "中出情况：2中1");
}

TEST(Danma, EverySetOfOneDigitIsFoundWhenAllAreAskedFor) {
    const DrawTable draws = test::randomHistory(50);
    Lcg random(3);
    DanmaResult r = generateDanma(draws, settings(10, 1, 1, false, 50), random);
    std::sort(r.groups.begin(), r.groups.end());
    EXPECT_EQ(r.groups, (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
}

TEST(Danma, ImpossibleSearchesAreRefused) {
    const DrawTable draws = test::randomHistory(20);
    Lcg random(1);
    EXPECT_EQ(test::userErrorOf([&] { generateDanma(draws, settings(101, 3, 1, false, 20), random); }),
              "胆码组数必须在1到100之间！");
    EXPECT_EQ(test::userErrorOf([&] { generateDanma(draws, settings(46, 2, 1, false, 20), random); }),
              "胆码个数为2时只有45组不同的胆码，胆码组数不能超过45！");
    EXPECT_EQ(test::userErrorOf([&] { generateDanma(draws, settings(10, 9, 1, false, 20), random); }),
              "胆码个数必须在1到8之间！");
    EXPECT_EQ(test::userErrorOf([&] { generateDanma(draws, settings(10, 3, 4, false, 3), random); }),
              "目前投注期之前只有3期开奖号码，不够连续期数4！");
    EXPECT_EQ(test::userErrorOf([&] { generateDanma(draws, settings(10, 3, 6, false, 20), random); }),
              "连续期数必须在1到5之间！");
    EXPECT_EQ(test::userErrorOf([&] { generateDanma(draws, settings(10, 3, 1, false, 21), random); }),
              "目前投注期不在开奖号码之内！");
    // Eight digits can never avoid a draw of three different digits: the search gives up.
    const DrawTable spread = test::history({{1, 1, 2, 3}, {2, 4, 5, 6}});
    const std::string message = test::userErrorOf([&] { generateDanma(spread, settings(1, 8, 1, true, 2), random); });
    EXPECT_NE(message.find("已尝试200000次仍找不到第1组胆码"), std::string::npos) << message;
}

TEST(Danma, StopKeepsTheGroupsFound) {
    const DrawTable draws = test::randomHistory(30);
    std::atomic<bool> stop{false};
    Lcg random(5);
    const DanmaResult r = generateDanma(
        draws, settings(10, 3, 1, false, 30), random, [&](int g) { stop = g == 4; }, &stop);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.groups.size(), 4u);
}

TEST(Danma, HitReportCountsGroupsSharingADigitWithTheIssue) {
    const DrawTable draws = test::history({{101, 1, 1, 2}, {102, 3, 4, 5}, {103, 0, 0, 0}});
    const std::vector<std::string> groups{"019", "234", "567", "349"};
    EXPECT_EQ(danmaHits(draws, 0, groups), 2); // 112: 019 and 234 (each once)
    EXPECT_EQ(danmaHitText(draws, 1, "4", groups), "中出情况：4中3");
    EXPECT_EQ(danmaHitText(draws, 2, "04", groups), "中出情况：04中1");
    EXPECT_EQ(danmaHitText(draws, 3, "4", groups), "中出情况："); // the next issue
}

TEST(Danma, BaseListCountsEachGroupOnceAndUsesTheRangeOfTheForm) {
    const std::vector<std::string> groups{"1", "2", "3"};
    const auto has = [](const NumberList &list, int value) {
        return std::find(list.begin(), list.end(), numberFromValue(value)) != list.end();
    };
    // 112 is hit by "1" and "2" once each: one miss.
    EXPECT_TRUE(has(danmaBaseList(groups, {0, 0, 1, 1}), 112));
    EXPECT_FALSE(has(danmaBaseList(groups, {0, 3, 0, 0}), 112));
    EXPECT_FALSE(has(danmaBaseList(groups, {0, 3, 2, 3}), 112));
    // 123 misses nothing; 456 misses all three; 444 (a leopard) follows the group-three range.
    const NumberList list = danmaBaseList(groups, {0, 0, 3, 3});
    EXPECT_TRUE(has(list, 123) && has(list, 321));
    EXPECT_FALSE(has(list, 456) || has(list, 124));
    EXPECT_TRUE(has(list, 444) && has(list, 455));
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end()));
    EXPECT_EQ(list.size(),
              6u + 7u * 7 * 7 - 7u * 6 * 5); // the orders of 123, then the repeated-digit numbers without 1, 2 or 3
}

TEST(Danma, BothRangesFromZeroKeepEveryNumberHitByAllGroups) {
    const std::vector<std::string> groups{"135", "357", "159"};
    const NumberList list = danmaBaseList(groups, {0, 0, 0, 0});
    size_t expected = 0;
    for (int v = 0; v < 1000; ++v) {
        const Number n = numberFromValue(v);
        const bool all = sharesDigit("135", n) && sharesDigit("357", n) && sharesDigit("159", n);
        expected += all;
        EXPECT_EQ(std::find(list.begin(), list.end(), n) != list.end(), all) << v;
    }
    EXPECT_EQ(list.size(), expected);
    EXPECT_EQ(test::userErrorOf([] { danmaBaseList({}, {}); }), "请先生成胆码！");
    EXPECT_EQ(test::userErrorOf([] { danmaBaseList({"", ""}, {}); }), "请先生成胆码！");
}

TEST(Danma, FileRoundTripAndMalformedLines) {
    const std::vector<std::string> lines = writeDanmaFile({"037", "1289"});
    EXPECT_EQ(lines, (std::vector<std::string>{"037=1-3", "1289=1-3"}));
    EXPECT_EQ(readDanmaFile({"037=1-3", "", " 1289=1-3 ", "45"}), (std::vector<std::string>{"037", "1289", "45"}));
    EXPECT_EQ(test::userErrorOf([] {
                  readDanmaFile({"037=1-3", "0a7=1-3"});
              }),
              "第2行“0a7=1-3”不是胆码（如037=1-3）！");
    EXPECT_EQ(test::userErrorOf([] { readDanmaFile({"=1-3"}); }), "第1行“=1-3”不是胆码（如037=1-3）！");
    EXPECT_EQ(test::userErrorOf([] { readDanmaFile({"", " "}); }), "文件中没有胆码！");
}

TEST(Danma, SevenPresetPlans) {
    const auto &plans = danmaPlans();
    ASSERT_EQ(plans.size(), 7u);
    EXPECT_STREQ(plans[0].caption, "方案1：平均750注，2期计划");
    EXPECT_STREQ(plans[6].caption, "方案7：平均150注，12期计划");
    const DanmaPlan &p2 = plans[1];
    EXPECT_EQ(p2.baseLists, 500);
    EXPECT_EQ(p2.groups, 5);
    EXPECT_EQ(p2.ranges.sixHigh, 4);
    EXPECT_EQ(p2.ranges.threeHigh, 5);
    EXPECT_EQ(p2.intersectSixHigh, 2);
    EXPECT_EQ(p2.intersectThreeLow, 5);
    EXPECT_EQ(p2.intersectThreeHigh, 20);
    EXPECT_EQ(plans[4].digits, 4);
    EXPECT_EQ(plans[4].ranges.threeHigh, 12);
}
