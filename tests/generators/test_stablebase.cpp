// The critical stable base list: the exact generator, the stages, the union and limits.

#include "generators/stablebase.h"

#include "enginesupport.h"
#include "randomhistory.h"

#include <gtest/gtest.h>
#include <set>

using namespace corvel;

TEST(StableBase, TheGeneratorIsTheProgramsLcg) {
    // seed 1 → 134775814 → 134775814 × 1000 >> 32 = 31, then 861, 202.
    const NumberList first = stableCandidateList(1);
    ASSERT_EQ(first.size(), 100u);
    EXPECT_EQ(numberValue(first[0]), 31);
    EXPECT_EQ(numberValue(first[1]), 861);
    EXPECT_EQ(numberValue(first[2]), 202);
    std::set<int> values;
    for (const Number &n : first) values.insert(numberValue(n));
    EXPECT_EQ(values.size(), 100u);
    EXPECT_EQ(numberValue(stableCandidateList(2)[0]), 62);
}

TEST(StableBase, DefaultsHitTenOrElevenThenExactlyEleven) {
    const DrawTable draws = test::randomHistory(400);
    uint32_t counter = 1;
    StableSettings s;
    s.index = 400;
    std::vector<int> steps;
    const StableResult r = stableBaseList(draws, s, counter, [&](int g) { steps.push_back(g); });
    ASSERT_EQ(r.lists.size(), 4u);
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(counter, 1u + uint32_t(r.attempts));
    std::set<int> united;
    for (const NumberList &list : r.lists) {
        std::vector<bool> in(1000);
        for (const Number &n : list) {
            in[size_t(numberValue(n))] = true;
            united.insert(numberValue(n));
        }
        const int wins1 = 119 - stageMisses(draws, 400, 1, in);
        EXPECT_TRUE(wins1 == 10 || wins1 == 11) << wins1;
        EXPECT_EQ(120 - stageMisses(draws, 400, 2, in), 11);
    }
    ASSERT_EQ(r.unionList.size(), united.size());
    EXPECT_GE(r.unionList.size(), 100u);
    EXPECT_LE(r.unionList.size(), 400u);
    EXPECT_TRUE(std::is_sorted(r.unionList.begin(), r.unionList.end()));
    EXPECT_EQ(numberValue(r.unionList.front()), *united.begin());
}

TEST(StableBase, SameCounterSameListsAndTheCounterCarriesOver) {
    const DrawTable draws = test::randomHistory(300, 11);
    StableSettings s;
    s.index = 260;
    uint32_t a = 1, b = 1;
    const StableResult first = stableBaseList(draws, s, a);
    const StableResult again = stableBaseList(draws, s, b);
    EXPECT_EQ(first.unionList, again.unionList);
    EXPECT_EQ(a, b);
    const StableResult next = stableBaseList(draws, s, a);
    EXPECT_NE(next.unionList, first.unionList);
    // One stage: stage 1 alone decides.
    s.stages = 1;
    s.lists = 1;
    uint32_t c = 1;
    const StableResult one = stableBaseList(draws, s, c);
    std::vector<bool> in(1000);
    for (const Number &n : one.lists[0]) in[size_t(numberValue(n))] = true;
    const int misses = stageMisses(draws, 260, 1, in);
    EXPECT_TRUE(misses == 108 || misses == 109);
}

TEST(StableBase, CounterStartsAgainAfterReachingTheLimit) {
    const DrawTable draws = test::randomHistory(300, 11);
    StableSettings s;
    s.index = 300;
    s.lists = 1;
    uint32_t counter = StableCounterLimit - 1;
    stableBaseList(draws, s, counter);
    EXPECT_EQ(counter, 1u);
}

TEST(StableBase, LimitsAndHopelessSearches) {
    const DrawTable draws = test::randomHistory(300);
    uint32_t counter = 1;
    const auto error = [&](int k, int stages, int m, int index) {
        StableSettings s;
        s.lists = k;
        s.stages = stages;
        s.misses = m;
        s.index = index;
        return test::userErrorOf([&] { stableBaseList(draws, s, counter); });
    };
    EXPECT_EQ(error(21, 2, 109, 300), "大底数必须在1到20之间！");
    EXPECT_EQ(error(0, 2, 109, 300), "大底数必须在1到20之间！");
    EXPECT_EQ(error(4, 6, 109, 300), "阶段数必须在1到5之间！");
    EXPECT_EQ(error(4, 2, 121, 300), "每阶段次数必须在0到120之间！");
    EXPECT_EQ(error(4, 2, 109, 238), "目前预测期之前只有238期开奖号码，2个阶段至少需要239期！");
    EXPECT_EQ(error(4, 2, 109, 301), "目前预测期不在开奖号码之内！");
    EXPECT_EQ(counter, 1u); // refused before the run
    EXPECT_EQ(error(4, 2, 109, 239), "");
    // No list of 100 numbers covers all but one of 119 random draws.
    EXPECT_EQ(error(1, 1, 1, 300), "已尝试100000次仍找不到第1个符合条件的大底，请更改每阶段次数或阶段数！");
}

TEST(StableBase, StopKeepsTheListsFound) {
    const DrawTable draws = test::randomHistory(300);
    uint32_t counter = 1;
    std::atomic<bool> stop{false};
    StableSettings s;
    s.index = 300;
    const StableResult r = stableBaseList(
        draws, s, counter, [&](int g) { stop = g == 2; }, &stop);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.lists.size(), 2u);
    EXPECT_GE(r.unionList.size(), 100u);
}
