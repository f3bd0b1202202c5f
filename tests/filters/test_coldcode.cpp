#include "core/usererror.h"
#include "enginesupport.h"
#include "filters/coldcode.h"
#include "randomhistory.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace corvel;

namespace {
bool contains(const NumberList &list, const Number &n) { return std::find(list.begin(), list.end(), n) != list.end(); }
} // namespace

TEST(ColdCandidates, KindsHoldTheirCombinationsInAscendingOrder) {
    EXPECT_EQ(coldCandidates(BetKind::Direct).size(), 1000u);
    const NumberList all = coldCandidates(BetKind::AllGroup), g3 = coldCandidates(BetKind::Group3),
                     g6 = coldCandidates(BetKind::Group6);
    EXPECT_EQ(all.size(), 210u);
    EXPECT_EQ(g3.size(), 90u);
    EXPECT_EQ(g6.size(), 120u);
    EXPECT_EQ(all.front(), (Number{0, 0, 1}));
    EXPECT_EQ(g6.front(), (Number{0, 1, 2}));
    EXPECT_FALSE(contains(all, Number{5, 5, 5}));
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(),
                               [](const Number &a, const Number &b) { return numberValue(a) < numberValue(b); }));
}

TEST(ColdRanking, NeverSeenCandidatesComeLastAndTiesKeepTheExchangeOrder) {
    const DrawTable h = test::history({{1, 4, 5, 6}, {2, 1, 2, 3}, {3, 7, 8, 9}});
    const auto ranked = rankColdCandidates(h, BetKind::Direct);
    EXPECT_EQ(ranked[0].number, (Number{4, 5, 6}));
    EXPECT_EQ(ranked[0].lastSeen, 3);
    EXPECT_EQ(ranked[1].lastSeen, 2);
    EXPECT_EQ(ranked[2].lastSeen, 1);
    EXPECT_EQ(ranked[3].lastSeen, 0);
    EXPECT_EQ(ranked[999].lastSeen, 0);

    // One draw, 123: the exchange swaps 000 into 123's old place, so the first 123
    // numbers are 123 and 001 … 122; 000 only comes with the 124th.
    const DrawTable one = test::history({{1, 1, 2, 3}});
    const NumberList list = coldSearch(one, BetKind::Direct, 123);
    EXPECT_EQ(list.front(), (Number{1, 2, 3}));
    EXPECT_TRUE(contains(list, Number{1, 2, 2}));
    EXPECT_FALSE(contains(list, Number{0, 0, 0}));
    EXPECT_TRUE(contains(coldSearch(one, BetKind::Direct, 124), Number{0, 0, 0}));
}

TEST(ColdRanking, GroupKindsCompareTheSortedDraw) {
    const DrawTable h = test::history({{1, 3, 1, 2}, {2, 9, 9, 9}});
    const auto ranked = rankColdCandidates(h, BetKind::Group6);
    EXPECT_EQ(ranked[0].number, (Number{1, 2, 3}));
    EXPECT_EQ(ranked[0].lastSeen, 2);
    EXPECT_EQ(ranked[1].lastSeen, 0); // the leopard is no group-six candidate
}

TEST(ColdCount, LimitsAreRefusedWithTheirMessages) {
    const DrawTable h = test::randomHistory(50);
    EXPECT_EQ(test::userErrorOf([&] { coldSearch(h, BetKind::AllGroup, 211); }),
              "全组选注数不能大于210,请输入正确的号码注数！");
    EXPECT_EQ(test::userErrorOf([&] { coldSearch(h, BetKind::Group3, 91); }),
              "组三注数不能大于90,请输入正确的号码注数！");
    EXPECT_EQ(test::userErrorOf([&] { coldSearch(h, BetKind::Group6, 121); }),
              "组六注数不能大于120,请输入正确的号码注数！");
    EXPECT_FALSE(test::userErrorOf([&] { coldSearch(h, BetKind::Direct, 1001); }).empty());
    EXPECT_FALSE(test::userErrorOf([&] { coldSearch(h, BetKind::Direct, -1); }).empty());
    EXPECT_EQ(coldSearch(h, BetKind::Group3, 90).size(), 90u);
    EXPECT_TRUE(coldSearch(h, BetKind::Direct, 0).empty());
}

TEST(ColdReplay, EveryNumberListedHitsEveryDraw) {
    const DrawTable h = test::randomHistory(300);
    const ColdReplay r = coldReplay(h, BetKind::Direct, coldSearch(h, BetKind::Direct, 1000));
    EXPECT_EQ(r.hits, 300);
    for (const auto &row : r.rows) EXPECT_EQ(row.gap, 1);
    EXPECT_EQ(r.currentOmission, 1);
    EXPECT_EQ(r.memo[0], "中奖期数：300");
    EXPECT_EQ(r.memo[4], "最大间隔：1");
    EXPECT_EQ(r.memo[5], "最小间隔：1");
    EXPECT_EQ(r.memo[6], "平均间隔：1.0");
    EXPECT_EQ(r.memo[7], "滤后注数：1000");
    EXPECT_EQ(r.memo[1], "最大注数：1000");
}

TEST(ColdReplay, GapsCountFromTheStartAndTheNewestDrawCarriesTheRun) {
    // Draws 0 … 5; the list {111} hits draws 1 and 2.
    const DrawTable h =
        test::history({{1, 0, 0, 0}, {2, 1, 1, 1}, {3, 1, 1, 1}, {4, 2, 2, 2}, {5, 3, 3, 3}, {6, 4, 4, 4}});
    const ColdReplay r = coldReplay(h, BetKind::Direct, {{1, 1, 1}});
    std::vector<int> gaps;
    for (const auto &row : r.rows) gaps.push_back(row.gap);
    EXPECT_EQ(gaps, (std::vector<int>{0, 2, 1, 0, 0, 3}));
    EXPECT_EQ(r.currentOmission, 4); // 6 − 2
    EXPECT_EQ(r.memo[4], "最大间隔：3");
    EXPECT_EQ(r.memo[6], "平均间隔：3.0");

    const ColdReplay none = coldReplay(test::history({{1, 1, 2, 3}}), BetKind::Direct, {{4, 5, 6}});
    EXPECT_EQ(none.rows[0].gap, 1);
    EXPECT_FALSE(none.currentOmission.has_value());
    EXPECT_EQ(none.memo[0], "中奖期数：0");
    EXPECT_EQ(none.memo[6], "平均间隔：0.0");

    const ColdReplay empty = coldReplay({}, BetKind::Direct, {{4, 5, 6}});
    EXPECT_EQ(empty.memo[5], "最小间隔：10000");
}

TEST(ColdReplay, Group3NeverHitsGroupSixOrLeopardDraws) {
    DrawTable h = test::randomHistory(500);
    h.erase(std::remove_if(h.begin(), h.end(),
                           [](const DrawRow &d) { return d[1] == d[2] || d[2] == d[3] || d[1] == d[3]; }),
            h.end());
    h.push_back({1, 7, 7, 7});
    const ColdReplay r = coldReplay(h, BetKind::Group3, coldCandidates(BetKind::Group3));
    EXPECT_EQ(r.hits, 0);
}

TEST(ColdFile, SavedListLoadsBackWithItsKind) {
    const NumberList list{{0, 1, 1}, {2, 2, 5}, {3, 3, 9}};
    const auto lines = writeColdList(BetKind::Group3, list);
    EXPECT_EQ(lines[0], "组选3共3注");
    const ColdList back = readColdList(lines);
    EXPECT_EQ(back.kind, BetKind::Group3);
    EXPECT_EQ(back.count, 3);
    EXPECT_EQ(back.numbers, list);
    EXPECT_EQ(readColdList(writeColdList(BetKind::AllGroup, list)).kind, BetKind::AllGroup);
    EXPECT_EQ(test::userErrorOf([] { readColdList({"直选共x注", "123 "}); }), "'x' 不是一个有效的整形值");
    EXPECT_EQ(test::userErrorOf([] { readColdList({"直选共2注", "123 ab4 "}); }), "'a' 不是一个有效的整形值");
}
