#include "enginesupport.h"
#include "filters/omission.h"
#include "randomhistory.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

int value(const DrawRow &d) { return d[1] * 100 + d[2] * 10 + d[3]; }

// The omissions as the definitions read, walking back for every row.
void naiveStatistics(const DrawTable &h, std::vector<int> &l1, std::vector<int> &l2) {
    const int n = int(h.size());
    l1.assign(size_t(n), 0);
    l2.assign(size_t(n), 0);
    for (int d = 0; d < n; ++d) {
        int e = d - 1;
        while (e >= 0 && value(h[size_t(e)]) != value(h[size_t(d)])) --e;
        l1[size_t(d)] = d - e;
        int f = d - 1;
        while (f >= 0 && l1[size_t(f)] != l1[size_t(d)]) --f;
        l2[size_t(d)] = d - f;
    }
}

OmissionSettings settings(bool level1, bool level2, int tolLow = 0, int tolHigh = 0) {
    OmissionSettings s;
    s.level1 = level1;
    s.level2 = level2;
    s.toleranceLow = tolLow;
    s.toleranceHigh = tolHigh;
    return s;
}

// The numbers "过滤" keeps with only one level ticked and its keep range [v, v]: exactly the
// numbers whose omission at that level is v.
std::vector<int> keptAt(const DrawTable &h, int ci, bool levelOne, int v) {
    const auto stats = omissionStatistics(h, OmissionSettings{});
    OmissionSettings s = settings(levelOne, !levelOne);
    s.level1Low = s.level1High = s.level2Low = s.level2High = v;
    std::vector<int> kept;
    for (const Number &n : omissionFilter(h, stats, ci, s)) kept.push_back(numberValue(n));
    return kept;
}

std::vector<int> allBut(std::initializer_list<int> left) {
    std::vector<int> out;
    for (int v = 0; v < 1000; ++v)
        if (std::find(left.begin(), left.end(), v) == left.end()) out.push_back(v);
    return out;
}

} // namespace

TEST(OmissionStatistics, LevelsFollowTheirDefinitions) {
    const DrawTable h = test::randomHistory(3000, 11);
    const auto rows = omissionStatistics(h, OmissionSettings{});
    std::vector<int> l1, l2;
    naiveStatistics(h, l1, l2);
    for (size_t d = 0; d < h.size(); ++d) {
        ASSERT_EQ(rows[d].l1, l1[d]) << d;
        ASSERT_EQ(rows[d].l2, l2[d]) << d;
        ASSERT_EQ(rows[d].pass, omissionPasses(OmissionSettings{}, l1[d], l2[d]));
    }
}

TEST(OmissionStatistics, ConsecutiveDrawsOfOneNumber) {
    const DrawTable h = test::history({{1, 1, 2, 3}, {2, 1, 2, 3}, {3, 4, 5, 6}, {4, 1, 2, 3}});
    const auto rows = omissionStatistics(h, settings(false, false));
    EXPECT_EQ(rows[0].l1, 1); // 0 − (−1)
    EXPECT_EQ(rows[1].l1, 1);
    EXPECT_EQ(rows[1].l2, 1); // row 0 had L1 = 1 as well
    EXPECT_EQ(rows[2].l1, 3);
    EXPECT_EQ(rows[3].l1, 2);
    EXPECT_EQ(rows[3].l2, 4);
    for (const auto &row : rows) EXPECT_TRUE(row.pass);
}

TEST(OmissionFilter, BothLevelsOffListsAll1000) {
    const DrawTable h = test::randomHistory(200);
    const auto stats = omissionStatistics(h, settings(false, false));
    EXPECT_EQ(omissionFilter(h, stats, int(h.size()), settings(false, false)).size(), 1000u);
}

TEST(OmissionFilter, NewestDrawIsKilledAtLevelOneWithTheDefaults) {
    const DrawTable h = test::randomHistory(500);
    const auto stats = omissionStatistics(h, OmissionSettings{});
    const NumberList list = omissionFilter(h, stats, int(h.size()), OmissionSettings{});
    const Number newest{h.back()[1], h.back()[2], h.back()[3]};
    EXPECT_EQ(std::find(list.begin(), list.end(), newest), list.end());
}

TEST(OmissionFilter, ToleranceRangeListsNumbersKilledOnceOrTwice) {
    const DrawTable h = test::randomHistory(2000, 3);
    const auto stats = omissionStatistics(h, OmissionSettings{});
    const int ci = int(h.size());
    const NumberList none = omissionFilter(h, stats, ci, settings(true, true, 0, 0));
    const NumberList some = omissionFilter(h, stats, ci, settings(true, true, 1, 2));
    const NumberList all = omissionFilter(h, stats, ci, settings(true, true, 0, 2));
    EXPECT_EQ(none.size() + some.size(), 1000u);
    EXPECT_EQ(all.size(), 1000u);
    for (const Number &n : some) EXPECT_EQ(std::find(none.begin(), none.end(), n), none.end());
}

TEST(OmissionFilter, EarlierPredictionSeesOnlyTheDrawsBeforeIt) {
    const DrawTable h = test::randomHistory(1500, 5);
    const auto stats = omissionStatistics(h, OmissionSettings{});
    for (int ci : {700, 1000, 1499}) {
        const DrawTable prefix(h.begin(), h.begin() + ci);
        const auto prefixStats = omissionStatistics(prefix, OmissionSettings{});
        OmissionSettings s;
        s.level1Low = 20;
        s.level2Low = 30;
        EXPECT_EQ(omissionFilter(h, stats, ci, s), omissionFilter(prefix, prefixStats, ci, s)) << ci;
    }
}

// Draws 111, 456, 123, 456, 789. Statistics L1/L2 by row: 1/1, 2/2, 3/3, 2/2 and 5/5 (789
// is new, so 4 + 1). At CI = 5 the filter looks at rows 4 … 1 only:
//   789 (row 4): L1 = 1; no row 4 … 1 has L1 1 (row 0 is not examined): L2 = CI = 5.
//   456 (row 3): L1 = 2; row 3 has L1 2: L2 = 2.     123 (row 2): L1 = 3, L2 = 3.
//   111 (drawn only at row 0) and every number never drawn: L1 = CI = 5, and row 4 has
//   L1 5, so L2 = 5 − 4 = 1.
TEST(OmissionFilter, NeverSeenAndDrawZeroByHand) {
    const DrawTable h = test::history({{1, 1, 1, 1}, {2, 4, 5, 6}, {3, 1, 2, 3}, {4, 4, 5, 6}, {5, 7, 8, 9}});
    EXPECT_EQ(keptAt(h, 5, true, 1), std::vector<int>{789});
    EXPECT_EQ(keptAt(h, 5, true, 2), std::vector<int>{456});
    EXPECT_EQ(keptAt(h, 5, true, 3), std::vector<int>{123});
    EXPECT_EQ(keptAt(h, 5, true, 5), allBut({123, 456, 789}));
    EXPECT_TRUE(keptAt(h, 5, true, 6).empty()); // nothing is counted from before draw 0
    EXPECT_EQ(keptAt(h, 5, false, 5), std::vector<int>{789});
    EXPECT_EQ(keptAt(h, 5, false, 2), std::vector<int>{456});
    EXPECT_EQ(keptAt(h, 5, false, 3), std::vector<int>{123});
    EXPECT_EQ(keptAt(h, 5, false, 1), allBut({123, 456, 789}));

    // Keep L1 ≥ 2 and L2 ≥ 2: only 456 (2/2) and 123 (3/3) pass both; one kill lists the rest.
    OmissionSettings s;
    s.level1Low = 2;
    s.level2Low = 2;
    const auto stats = omissionStatistics(h, s);
    EXPECT_EQ(omissionFilter(h, stats, 5, s), (NumberList{{1, 2, 3}, {4, 5, 6}}));
    s.toleranceLow = s.toleranceHigh = 1;
    EXPECT_EQ(omissionFilter(h, stats, 5, s).size(), 998u);

    // At CI = 4 (rows 3 … 1): 456 L1 = 1, L2 = 4 (row 0's L1 of 1 is not examined);
    // 123 L1 = 2, and row 3 has L1 2: L2 = 1. 789 is not drawn yet: with 111 and every
    // other number L1 = 4, and no row has L1 4: L2 = 4.
    EXPECT_EQ(keptAt(h, 4, true, 1), std::vector<int>{456});
    EXPECT_EQ(keptAt(h, 4, true, 2), std::vector<int>{123});
    EXPECT_EQ(keptAt(h, 4, true, 4), allBut({123, 456}));
    EXPECT_EQ(keptAt(h, 4, false, 1), std::vector<int>{123});
    EXPECT_EQ(keptAt(h, 4, false, 4), allBut({123}));

    // CI = 1 sees no draw at all (draw 0 is not examined): every omission is 1.
    EXPECT_EQ(keptAt(h, 1, true, 1).size(), 1000u);
    EXPECT_EQ(keptAt(h, 1, false, 1).size(), 1000u);
}

TEST(OmissionSettingsText, NonIntegersAreRefused) {
    OmissionTexts t;
    EXPECT_EQ(t.read().level1Low, 120);
    t.level2High = std::string("2x");
    EXPECT_EQ(test::userErrorOf([&] { t.read(); }), "'2x' 不是一个有效的整形值");
}
