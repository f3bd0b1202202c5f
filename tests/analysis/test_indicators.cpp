// The seventeen digit indicators: rules, labels, context.

#include "analysis/indicators.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <set>

namespace corvel {
namespace {

const EarlierDraws none;

Digits digitsOf(int n) { return {n / 100, n / 10 % 10, n % 10}; }

// A history (oldest first) of the given numbers, issues from 1.
DrawTable drawsOf(std::initializer_list<int> numbers) {
    DrawTable t;
    int issue = 1;
    for (int n : numbers) t.push_back({issue++, n / 100, n / 10 % 10, n % 10});
    return t;
}

int cat(Indicator ind, int number, const DrawTable &before = {}, int parameter = 1) {
    return classify(ind, parameter, digitsOf(number), EarlierDraws(before, before.size()));
}

TEST(Indicators, BigSmallAndOddEvenPatterns) {
    EXPECT_EQ(cat(Indicator::BigSmall, 0), 8);
    EXPECT_EQ(label(Indicator::BigSmall, 8), "小小小");
    EXPECT_EQ(cat(Indicator::BigSmall, 555), 1);
    EXPECT_EQ(cat(Indicator::BigSmall, 509), 3);
    EXPECT_EQ(label(Indicator::BigSmall, 3), "大小大");
    EXPECT_EQ(cat(Indicator::BigSmall, 459), 2); // small at position 1 only
    EXPECT_EQ(label(Indicator::BigSmall, 2), "小大大");

    EXPECT_EQ(cat(Indicator::OddEven, 0), 8); // 0 is even
    EXPECT_EQ(label(Indicator::OddEven, 8), "偶偶偶");
    EXPECT_EQ(cat(Indicator::OddEven, 555), 1);
    EXPECT_EQ(cat(Indicator::OddEven, 509), 3);
    EXPECT_EQ(label(Indicator::OddEven, 3), "奇偶奇");
}

// Every label must describe the digits it is given for: the category numbering and the
// label order agree for all 1000 numbers.
TEST(Indicators, LabelsDescribeTheirNumbers) {
    for (int n = 0; n < 1000; ++n) {
        const Digits d = digitsOf(n);
        std::string big, odd, route;
        for (int x : d) {
            big += x >= 5 ? "大" : "小";
            odd += x % 2 ? "奇" : "偶";
            route += std::to_string(x % 3);
        }
        ASSERT_EQ(label(Indicator::BigSmall, cat(Indicator::BigSmall, n)), big) << n;
        ASSERT_EQ(label(Indicator::OddEven, cat(Indicator::OddEven, n)), odd) << n;
        ASSERT_EQ(label(Indicator::Route012, cat(Indicator::Route012, n)), route) << n;
        const int sum = d[0] + d[1] + d[2];
        ASSERT_EQ(label(Indicator::Sum, cat(Indicator::Sum, n)), std::to_string(sum));
        ASSERT_EQ(label(Indicator::SumTail, cat(Indicator::SumTail, n)), std::to_string(sum % 10));
        const int smalls = (d[0] < 5) + (d[1] < 5) + (d[2] < 5);
        const char *groupBig[] = {"全大", "2大1小", "1大2小", "全小"};
        ASSERT_EQ(label(Indicator::GroupBigSmall, cat(Indicator::GroupBigSmall, n)), groupBig[smalls]);
        int r[3] = {0, 0, 0};
        for (int x : d) ++r[x % 3];
        const std::string groupRoute = label(Indicator::GroupRoute012, cat(Indicator::GroupRoute012, n));
        if (r[0] == 1 && r[1] == 1) {
            ASSERT_EQ(groupRoute, "一0一1一2");
        }
        if (r[2] == 3) {
            ASSERT_EQ(groupRoute, "全2");
        }
        if (r[1] == 1 && r[2] == 2) {
            ASSERT_EQ(groupRoute, "一1两2");
        }
    }
}

TEST(Indicators, SumSpanAndPositionValues) {
    EXPECT_EQ(cat(Indicator::Sum, 999), 28);
    EXPECT_EQ(label(Indicator::Sum, 28), "27");
    EXPECT_EQ(cat(Indicator::SumTail, 999), 8); // tail 7
    EXPECT_EQ(cat(Indicator::Span, 190), 10);
    EXPECT_EQ(cat(Indicator::Span, 444), 1);
    EXPECT_EQ(cat(Indicator::PositionSum, 990, {}, 1), 19); // 9 + 9 = 18, no modulo
    EXPECT_EQ(label(Indicator::PositionSum, 19), "18");
    EXPECT_EQ(cat(Indicator::PositionSum, 990, {}, 2), 10);
    EXPECT_EQ(cat(Indicator::PositionSum, 904, {}, 3), 14); // pair 3 = 百 and 个
    EXPECT_EQ(cat(Indicator::PositionDifference, 281, {}, 1), 7);
    EXPECT_EQ(cat(Indicator::PositionDifference, 281, {}, 2), 8);
    EXPECT_EQ(cat(Indicator::PositionDifference, 281, {}, 3), 2);
    EXPECT_EQ(positionPairLabel(1), "百十位");
    EXPECT_EQ(positionPairLabel(2), "十个位");
    EXPECT_EQ(positionPairLabel(3), "百个位");
    EXPECT_THROW(cat(Indicator::PositionSum, 123, {}, 4), std::invalid_argument);
}

TEST(Indicators, ThreeStateLabelsRunInBaseThreeOrder) {
    EXPECT_EQ(labels(Indicator::HotCold)[0], "热热热");
    EXPECT_EQ(labels(Indicator::HotCold)[1], "温热热");
    EXPECT_EQ(labels(Indicator::HotCold)[3], "热温热");
    EXPECT_EQ(labels(Indicator::HotCold)[26], "冷冷冷");
    // Category 20 is the code triple (1, 0, 2).
    EXPECT_EQ(label(Indicator::HotCold, 20), "温热冷");
    EXPECT_EQ(label(Indicator::Route012, 20), "102");
    EXPECT_EQ(label(Indicator::PassNeighbourLone, 20), "邻传孤");
    EXPECT_EQ(label(Indicator::RepeatSkipMiddle, 20), "隔复中");
    EXPECT_EQ(cat(Indicator::Route012, 405), 20);
    for (Indicator ind : AllIndicators) {
        const auto all = labels(ind);
        ASSERT_EQ(int(all.size()), categoryCount(ind));
        EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), all.size()) << term(ind);
        EXPECT_THROW(label(ind, 0), std::out_of_range);
        EXPECT_THROW(label(ind, categoryCount(ind) + 1), std::out_of_range);
    }
    EXPECT_EQ(labels(Indicator::Distance).back(), "距离5");
    EXPECT_EQ(labels(Indicator::GroupHotCold)[5], "1热1温1冷");
    EXPECT_EQ(labels(Indicator::RepeatChecks)[4], "全部");
}

TEST(Indicators, HotColdCountsTheTwentyPreviousDraws) {
    // Position 1 digit 7 three times, position 2 digit 7 twice, position 3 digit 7 never;
    // a 7 in the 21st draw back does not count.
    DrawTable before = drawsOf({777});
    for (int i = 0; i < 20; ++i) before.push_back({i + 2, 0, 0, 0});
    before[1][1] = before[5][1] = before[20][1] = 7;
    before[3][2] = before[20][2] = 7;
    EXPECT_EQ(label(Indicator::HotCold, cat(Indicator::HotCold, 777, before)), "热温冷");
    EXPECT_EQ(label(Indicator::GroupHotCold, cat(Indicator::GroupHotCold, 777, before)), "1热1温1冷");
    before[5][1] = 0; // seen twice → warm
    EXPECT_EQ(label(Indicator::HotCold, cat(Indicator::HotCold, 777, before)), "温温冷");
    EXPECT_EQ(label(Indicator::GroupHotCold, cat(Indicator::GroupHotCold, 777, before)), "2温1冷");
    EXPECT_EQ(label(Indicator::GroupHotCold, cat(Indicator::GroupHotCold, 0, before)), "全热");
    EXPECT_EQ(label(Indicator::GroupHotCold, cat(Indicator::GroupHotCold, 111, before)), "全冷");
}

TEST(Indicators, NeighbourRepeatAndDistanceRules) {
    const DrawTable prev = drawsOf({90});
    EXPECT_EQ(label(Indicator::PassNeighbourLone, cat(Indicator::PassNeighbourLone, 985, prev)), "邻邻孤");
    EXPECT_EQ(label(Indicator::PassNeighbourLone, cat(Indicator::PassNeighbourLone, 71, prev)), "传孤邻");

    // Equal to the previous draw is 复 even when it also equals the draw two back.
    const DrawTable two = drawsOf({123, 153});
    EXPECT_EQ(label(Indicator::RepeatSkipMiddle, cat(Indicator::RepeatSkipMiddle, 123, two)), "复隔复");
    EXPECT_EQ(label(Indicator::RepeatSkipMiddle, cat(Indicator::RepeatSkipMiddle, 789, two)), "中中中");

    const DrawTable base = drawsOf({0});
    EXPECT_EQ(label(Indicator::Distance, cat(Indicator::Distance, 600, base, 1)), "距离4");
    EXPECT_EQ(label(Indicator::Distance, cat(Indicator::Distance, 500, base, 1)), "距离5");
    EXPECT_EQ(label(Indicator::Distance, cat(Indicator::Distance, 90, base, 2)), "距离1");
    EXPECT_EQ(label(Indicator::Distance, cat(Indicator::Distance, 7, base, 3)), "距离3");
    EXPECT_EQ(label(Indicator::Distance, cat(Indicator::Distance, 7, base, 1)), "距离0");
}

TEST(Indicators, RepeatChecksCanMatchTogether) {
    const DrawTable prev = drawsOf({258});
    const auto mask = [&](int n) { return hitMask(Indicator::RepeatChecks, 1, digitsOf(n), EarlierDraws(prev, 1)); };
    EXPECT_EQ(mask(339), 0b11100u); // sum 15 and span 6 as 258; big/small and parity differ
    EXPECT_EQ(mask(169), 0b10001u); // same big/small classes only
    EXPECT_EQ(mask(418), 0b10010u); // same parity only
    EXPECT_EQ(mask(852), 0b11110u);
    EXPECT_EQ(mask(0), 0u);
    EXPECT_EQ(classify(Indicator::RepeatChecks, 1, digitsOf(0), EarlierDraws(prev, 1)), 0);
    EXPECT_EQ(classify(Indicator::RepeatChecks, 1, digitsOf(339), EarlierDraws(prev, 1)), 3);
    EXPECT_TRUE(inCategory(Indicator::RepeatChecks, 1, 5, digitsOf(258), EarlierDraws(prev, 1)));
}

TEST(Indicators, RepeatChecksOnEveryPairOfNumbers) {
    const auto same = [](int a, int b, auto key) {
        for (int p = 0; p < 3; ++p)
            if (key(a / 100 % 10 * (p == 0) + a / 10 % 10 * (p == 1) + a % 10 * (p == 2)) !=
                key(b / 100 % 10 * (p == 0) + b / 10 % 10 * (p == 1) + b % 10 * (p == 2)))
                return false;
        return true;
    };
    const auto sumOf = [](int n) { return n / 100 + n / 10 % 10 + n % 10; };
    const auto spanOf = [](int n) {
        const int a = n / 100, b = n / 10 % 10, c = n % 10;
        return std::max({a, b, c}) - std::min({a, b, c});
    };
    int mismatches = 0;
    for (int previous = 0; previous < 1000; ++previous) {
        const DrawTable prev = drawsOf({previous});
        for (int n = 0; n < 1000; ++n) {
            uint32_t want = (same(n, previous, [](int d) { return d <= 4; }) ? 1u : 0u) |
                            (same(n, previous, [](int d) { return d % 2 == 0; }) ? 2u : 0u) |
                            (sumOf(n) == sumOf(previous) ? 4u : 0u) | (spanOf(n) == spanOf(previous) ? 8u : 0u);
            if (want) want |= 16u;
            mismatches += hitMask(Indicator::RepeatChecks, 1, digitsOf(n), EarlierDraws(prev, 1)) != want;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Indicators, RulesNeverReadBeyondTheirContext) {
    EXPECT_EQ(firstClassifiable(Indicator::BigSmall), 0);
    EXPECT_EQ(firstClassifiable(Indicator::PassNeighbourLone), 1);
    EXPECT_EQ(firstClassifiable(Indicator::RepeatSkipMiddle), 2);
    EXPECT_EQ(firstClassifiable(Indicator::HotCold), 20);
    EXPECT_EQ(firstClassifiable(Indicator::GroupHotCold), 20);
    const DrawTable nineteen(19, DrawRow{1, 1, 1, 1});
    EXPECT_THROW(cat(Indicator::HotCold, 111, nineteen), std::invalid_argument);
    EXPECT_THROW(cat(Indicator::RepeatSkipMiddle, 111, drawsOf({1})), std::invalid_argument);
    EXPECT_THROW(classify(Indicator::Distance, 1, digitsOf(1), none), std::invalid_argument);
    // A view that ends inside the table sees only the draws before its end.
    const DrawTable table = drawsOf({111, 222, 333});
    const EarlierDraws view(table, 2);
    EXPECT_EQ(view.size(), 2u);
    EXPECT_EQ(view.at(0), digitsOf(222));
    EXPECT_EQ(view.at(1), digitsOf(111));
    EXPECT_EQ(EarlierDraws(table, 99).size(), 3u);
}

} // namespace
} // namespace corvel
