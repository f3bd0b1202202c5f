// The indicator windows' analysis: trend table, statistics, spacing table, candidates.

#include "analysis/indicatoranalysis.h"
#include "randomhistory.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace corvel {
namespace {

const DirectNumberTable Numbers = buildDirectNumbers();

const IndicatorWindowSpec &tab(int t) { return *indicatorWindowSpec(t); }

DrawTable drawsOf(std::initializer_list<int> numbers) {
    DrawTable t;
    int issue = 2007001;
    for (int n : numbers) t.push_back({issue++, n / 100, n / 10 % 10, n % 10});
    return t;
}

DrawTable randomDraws(int count, unsigned seed) { return test::randomHistory(count, seed, 2000000); }

std::set<int> passing(const CandidateList &list) {
    std::set<int> out;
    for (const auto &row : list)
        if (row[3] == 0) out.insert(row[0] * 100 + row[1] * 10 + row[2]);
    return out;
}

TEST(IndicatorWindowSpecs, StartParametersFollowTheRuleContext) {
    std::set<std::string> stems;
    int expectedTab = 3;
    for (const auto &spec : indicatorWindowSpecs()) {
        EXPECT_EQ(spec.tab, expectedTab++);
        EXPECT_EQ(spec.start, firstClassifiable(spec.indicator)) << spec.className;
        EXPECT_EQ(spec.lastStart, spec.start - 1) << spec.className;
        // The repeat-check window's statistics start one draw further back than its trend cells.
        EXPECT_EQ(spec.previousStart, spec.tab == 15 ? -1 : spec.start - 1) << spec.className;
        EXPECT_EQ(std::string("Tfrm") + spec.stem, spec.className);
        stems.insert(spec.stem);
    }
    EXPECT_EQ(stems.size(), 17u);
    EXPECT_EQ(indicatorWindowSpec(2), nullptr);
    EXPECT_EQ(indicatorWindowSpec(20), nullptr);
}

TEST(IndicatorWindowSpecs, SelectorItemsAndDescriptions) {
    EXPECT_EQ(categoryItems(tab(3))[0], "1:大大大");
    EXPECT_EQ(categoryItems(tab(5))[27], "27");
    EXPECT_EQ(categoryItems(tab(15))[4], "5:全部");
    EXPECT_TRUE(parameterItems(tab(3)).empty());
    EXPECT_EQ(parameterItems(tab(14)), (std::vector<std::string>{"百位", "十位", "个位"}));
    EXPECT_EQ(parameterItems(tab(8)), (std::vector<std::string>{"百十位", "十个位", "百个位"}));
    EXPECT_EQ(filterDescription(tab(3), 3, 1), "大小组合大小大");
    EXPECT_EQ(filterDescription(tab(11), 20, 1), "除3余数102");
    EXPECT_EQ(filterDescription(tab(8), 19, 3), "百个位18");
    EXPECT_EQ(filterDescription(tab(9), 1, 2), "十个位0");
    EXPECT_EQ(filterDescription(tab(19), 10, 1), "组选除3全2");
}

TEST(IndicatorAnalysis, SpacingsAndCellsAroundHits) {
    // Sums: 0, 1, 0, 3, 3, 0 → category "0" hit at draws 0, 2 and 5.
    const DrawTable h = drawsOf({0, 1, 0, 111, 3, 0});
    const auto a = analyseIndicator(tab(5), h, {1, 1}, Numbers);
    const std::vector<std::string> column0 = {"●", "1", "●", "1", "2", "●"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(trendCellText(a.trend.at(i, 1)), column0[size_t(i)]) << i;
    EXPECT_EQ(a.trend.at(5, 4), 1);  // sum 3 hit at draws 3 and 4
    EXPECT_EQ(a.trend.at(2, 28), 3); // never seen: i − L0
    const auto &s0 = a.statistics[0];
    EXPECT_EQ(s0.occurrences, 3);
    EXPECT_EQ(s0.largestSpacing, 3);
    EXPECT_EQ(s0.currentSpacing, 0);
    ASSERT_EQ(a.spacing.size(), 3u); // spacings 1 (first hit from −1), 2, 3
    EXPECT_EQ(a.spacing[0].count, 1);
    EXPECT_EQ(a.spacing[1].count, 1);
    EXPECT_EQ(a.spacing[2].count, 1);
    const auto &s3 = a.statistics[3];
    EXPECT_EQ(s3.occurrences, 2);
    EXPECT_EQ(s3.largestSpacing, 4); // 3 − (−1)
    EXPECT_EQ(s3.currentSpacing, 1);
    const auto &never = a.statistics[27];
    EXPECT_EQ(never.occurrences, 0);
    EXPECT_EQ(never.currentSpacing, 6);
}

TEST(IndicatorAnalysis, NeverOccurringCategoryStillListsItsCandidates) {
    const auto a = analyseIndicator(tab(5), drawsOf({123, 456, 789}), {28, 1}, Numbers);
    EXPECT_EQ(a.statistics[27].occurrences, 0);
    EXPECT_TRUE(a.spacing.empty());
    EXPECT_EQ(passing(a.candidates), std::set<int>{999});
    EXPECT_EQ(a.candidates.size(), 1000u);
}

TEST(IndicatorAnalysis, HotColdRowsBeforeTwentyAreZeroAndIgnored) {
    const DrawTable h = randomDraws(60, 7);
    for (int t : {10, 18}) {
        const auto a = analyseIndicator(tab(t), h, {1, 1}, Numbers);
        for (int i = 0; i < 20; ++i)
            for (int k = 1; k < a.trend.columns; ++k) ASSERT_EQ(a.trend.at(i, k), 0) << t << " " << i;
        int hits = 0;
        for (int k = 1; k < a.trend.columns; ++k) hits += a.trend.at(20, k) == HitMark;
        EXPECT_EQ(hits, 1);
        int total = 0;
        for (const auto &s : a.statistics) {
            total += s.occurrences;
            EXPECT_LE(s.largestSpacing, 40);
            if (s.occurrences == 0) {
                EXPECT_EQ(s.currentSpacing, 40);
            } // n − 1 − 19
        }
        EXPECT_EQ(total, 40);
    }
    // Too short for the rule: nothing classified, no negative spacing, no candidates.
    const auto shortRun = analyseIndicator(tab(10), randomDraws(19, 1), {1, 1}, Numbers);
    for (const auto &s : shortRun.statistics) {
        EXPECT_EQ(s.occurrences, 0);
        EXPECT_EQ(s.currentSpacing, 0);
    }
    EXPECT_TRUE(passing(shortRun.candidates).empty());
    const auto empty = analyseIndicator(tab(13), {}, {1, 1}, Numbers);
    EXPECT_EQ(empty.trend.rows, 0);
    EXPECT_EQ(empty.statistics[0].currentSpacing, 0);
    EXPECT_TRUE(passing(empty.candidates).empty());
}

TEST(IndicatorAnalysis, RepeatCheckColumnsAreIndependent) {
    const DrawTable h = drawsOf({258, 339, 852, 0, 1});
    const auto a = analyseIndicator(tab(15), h, {5, 1}, Numbers);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(a.trend.at(0, k), 0);
    EXPECT_EQ(a.trend.at(1, 3), HitMark); // 339 after 258: sum and span
    EXPECT_EQ(a.trend.at(1, 4), HitMark);
    EXPECT_EQ(a.trend.at(1, 5), HitMark);
    EXPECT_EQ(a.trend.at(1, 1), 1);
    for (int i = 1; i < 5; ++i) {
        bool any = false;
        for (int k = 1; k <= 4; ++k) any = any || a.trend.at(i, k) == HitMark;
        EXPECT_EQ(a.trend.at(i, 5) == HitMark, any) << i;
    }
    // Big/small classes kept only by 001 after 000.
    EXPECT_EQ(a.statistics[0].occurrences, 1);
    // Statistics count spacings from before the first draw, the trend cells from draw 0.
    EXPECT_EQ(a.statistics[2].largestSpacing, 2);
    EXPECT_EQ(a.statistics[1].currentSpacing, a.trend.at(4, 2) == HitMark ? 1 : a.trend.at(4, 2) + 1);
    // Candidates: every number matching "全部" against the newest draw 001.
    const auto all = passing(a.candidates);
    EXPECT_TRUE(all.count(1));    // same everything
    EXPECT_TRUE(all.count(10));   // sum 1, span 1
    EXPECT_FALSE(all.count(999)); // big, odd, sum 27, span 0
}

TEST(IndicatorAnalysis, CandidatesNeedTheRuleContext) {
    EXPECT_TRUE(passing(analyseIndicator(tab(15), {}, {1, 1}, Numbers).candidates).empty());
    EXPECT_TRUE(passing(analyseIndicator(tab(13), drawsOf({5}), {1, 1}, Numbers).candidates).empty());
    EXPECT_EQ(passing(analyseIndicator(tab(13), drawsOf({5, 5}), {1, 1}, Numbers).candidates), std::set<int>{5});
    EXPECT_EQ(passing(analyseIndicator(tab(3), {}, {8, 1}, Numbers).candidates).size(), 125u);
    // Distance 5 at 十 from 000: the numbers with 5 in the middle.
    const auto d = passing(analyseIndicator(tab(14), drawsOf({0}), {6, 2}, Numbers).candidates);
    EXPECT_EQ(d.size(), 100u);
    for (int n : d) EXPECT_EQ(n / 10 % 10, 5);
    // Position sum 18 of 百个位: 9x9.
    const auto p = passing(analyseIndicator(tab(8), {}, {19, 3}, Numbers).candidates);
    EXPECT_EQ(p.size(), 10u);
    for (int n : p) EXPECT_EQ(n / 100 + n % 10, 18);
    EXPECT_THROW(analyseIndicator(tab(8), {}, {20, 1}, Numbers), std::out_of_range);
    EXPECT_THROW(analyseIndicator(tab(8), {}, {1, 0}, Numbers), std::out_of_range);
}

// The trend cells checked against their meaning, for every window on a random history:
// a hit where the rule says so, otherwise the draws since the last hit (or since L0).
TEST(IndicatorAnalysis, TrendCellsMatchABackwardScan) {
    const DrawTable h = randomDraws(200, 11);
    for (const auto &spec : indicatorWindowSpecs()) {
        const auto a = analyseIndicator(spec, h, {1, 2}, Numbers);
        const int k = categoryCount(spec.indicator);
        for (int c = 1; c <= k; ++c) {
            int occurrences = 0, largest = 0, prev = spec.start - 1;
            for (int i = spec.start; i < int(h.size()); ++i) {
                const bool hit = inCategory(spec.indicator, 2, c, drawDigits(h[size_t(i)]), EarlierDraws(h, size_t(i)));
                int back = i;
                while (back >= spec.start &&
                       !inCategory(spec.indicator, 2, c, drawDigits(h[size_t(back)]), EarlierDraws(h, size_t(back))))
                    --back;
                if (back < spec.start) back = spec.start - 1;
                ASSERT_EQ(a.trend.at(i, c), hit ? HitMark : i - back) << spec.className << " " << c << " " << i;
                if (hit) {
                    ++occurrences;
                    largest = std::max(largest, i - prev);
                    prev = i;
                }
            }
            const auto &s = a.statistics[size_t(c - 1)];
            EXPECT_EQ(s.occurrences, occurrences) << spec.className << c;
            EXPECT_EQ(s.largestSpacing, largest) << spec.className << c;
            EXPECT_EQ(s.currentSpacing, int(h.size()) - 1 - prev) << spec.className << c;
        }
        int counted = 0;
        for (const auto &row : a.spacing) counted += row.count;
        EXPECT_EQ(counted, a.statistics[0].occurrences) << spec.className;
        EXPECT_EQ(int(a.spacing.size()), a.statistics[0].largestSpacing) << spec.className;
    }
}

// However long the history, a long absence never reads as a hit.
TEST(IndicatorAnalysis, HotColdHitsAgreeWithClassifyingEachDrawAlone) {
    // Histories just around the twenty draws of context, long ones, and one with a digit
    // outside 0..9 (which the per-draw rule still compares as it is).
    std::vector<DrawTable> histories = {randomDraws(20, 1), randomDraws(21, 2), randomDraws(22, 3), randomDraws(600, 4),
                                        drawsOf({111, 111, 111, 222})};
    DrawTable odd = randomDraws(80, 5);
    odd[30][2] = 12;
    odd[45][2] = 12;
    histories.push_back(odd);
    for (int t : {10, 18}) {
        const IndicatorWindowSpec &spec = tab(t);
        for (const DrawTable &h : histories) {
            std::vector<uint32_t> expected(h.size(), 0);
            for (size_t i = size_t(spec.start); i < h.size(); ++i)
                expected[i] = hitMask(spec.indicator, 1, drawDigits(h[i]), EarlierDraws(h, i));
            EXPECT_EQ(drawHits(spec, h, 1), expected) << "tab " << t << ", " << h.size() << " draws";
        }
    }
}

TEST(IndicatorAnalysis, LongAbsenceIsNotAHit) {
    const DrawTable h(10005, DrawRow{1, 0, 0, 0});
    const auto a = analyseIndicator(tab(3), h, {1, 1}, Numbers);
    EXPECT_EQ(a.trend.at(9999, 1), 10000);
    EXPECT_EQ(trendCellText(a.trend.at(9999, 1)), "10000");
    EXPECT_EQ(trendCellText(a.trend.at(9999, 8)), "●");
    EXPECT_EQ(a.statistics[0].currentSpacing, 10005);
}

TEST(IndicatorAnalysis, StatisticsTableAsShown) {
    const auto rows = indicatorStatisticsTable(3, drawsOf({509}));
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0], (StatisticsTextRow{"大小组合", "出现次数", "最大间隔", "目前间隔"}));
    EXPECT_EQ(rows[3], (StatisticsTextRow{"大小大", "1", "1", "0"}));
    EXPECT_EQ(rows[8], (StatisticsTextRow{"小小小", "0", "0", "1"}));
    EXPECT_EQ(indicatorStatisticsTable(11, {})[0][0], "012路组合");
    EXPECT_EQ(indicatorStatisticsTable(9, drawsOf({191}), 3)[1], (StatisticsTextRow{"0", "1", "1", "0"}));
    EXPECT_THROW(indicatorStatisticsTable(2, {}), std::out_of_range);
}

} // namespace
} // namespace corvel
