// Digit-group analyses: group lists, the per-position and the overall hit tests,
// statistics walks, occurrence columns, spacing tables and candidate lists.

#include "analysis/digitgroups.h"
#include "core/usererror.h"
#include "enginesupport.h"
#include "randomhistory.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <set>

using namespace corvel;

namespace {

const DirectNumberTable &numbers() {
    static const DirectNumberTable t = buildDirectNumbers();
    return t;
}

// A history whose draws are the given three-digit values, issues 1, 2, ...
DrawTable drawsOf(std::initializer_list<int> values) {
    DrawTable t;
    for (int v : values) t.push_back({int32_t(t.size() + 1), v / 100, v / 10 % 10, v % 10});
    return t;
}

DrawTable randomDraws(int n, unsigned seed) { return test::randomHistory(n, seed); }

const DigitGroup &groupNamed(const GroupAnalysis &a, const std::string &label) {
    for (const DigitGroup &g : a.groups)
        if (g.label == label) return g;
    throw std::runtime_error("no group " + label);
}

int indexOf(int size, const std::string &label) {
    const auto labels = groupLabels(size);
    return int(std::find(labels.begin(), labels.end(), label) - labels.begin());
}

std::vector<int> passing(const CandidateList &list) {
    std::vector<int> out;
    for (const CandidateRow &r : list)
        if (r[3] == 0) out.push_back(r[0] * 100 + r[1] * 10 + r[2]);
    return out;
}

std::vector<int> hitRows(const GroupAnalysis &a) {
    std::vector<int> out;
    for (size_t i = 0; i < a.occurrence.size(); ++i)
        if (a.occurrence[i] == OccurrenceHit) out.push_back(int(i));
    return out;
}

} // namespace

TEST(GroupList, SizesOrderAndLabels) {
    const int expected[] = {10, 45, 120, 210, 252};
    for (int k = 1; k <= 5; ++k) {
        const auto groups = makeGroupList(k);
        ASSERT_EQ(int(groups.size()), expected[k - 1]) << "size " << k;
        std::set<std::string> seen;
        for (size_t i = 0; i < groups.size(); ++i) {
            const DigitGroup &g = groups[i];
            ASSERT_EQ(int(g.label.size()), k);
            for (size_t c = 1; c < g.label.size(); ++c) ASSERT_LT(g.label[c - 1], g.label[c]) << g.label;
            uint16_t mask = 0;
            for (char c : g.label) mask |= uint16_t(1u << (c - '0'));
            EXPECT_EQ(g.mask, mask) << g.label;
            if (i > 0) {
                EXPECT_LT(groups[i - 1].label, g.label);
            }
            EXPECT_EQ(g.occurrences + g.largestSpacing + g.currentSpacing, 0);
            seen.insert(g.label);
        }
        EXPECT_EQ(seen.size(), groups.size());
    }
    EXPECT_EQ(groupLabels(1).front(), "0");
    EXPECT_EQ(groupLabels(2)[9], "12");
    EXPECT_EQ(groupLabels(5).front(), "01234");
    EXPECT_EQ(groupLabels(5).back(), "56789");
    EXPECT_TRUE(makeGroupList(0).empty());
    EXPECT_TRUE(makeGroupList(6).empty());
}

// Hundreds digits 3, 5, 3, 3, 7 worked through by hand.
TEST(PositionAnalysis, StatisticsColumnAndSpacingsByHand) {
    const DrawTable draws = drawsOf({312, 501, 399, 345, 700});
    const GroupAnalysis a = analysePositions(draws, numbers(), 1, 1, 3);
    ASSERT_EQ(a.chosenGroup().label, "3");
    const DigitGroup &three = a.chosenGroup();
    EXPECT_EQ(three.occurrences, 3);
    EXPECT_EQ(three.largestSpacing, 2);
    EXPECT_EQ(three.currentSpacing, 2);
    EXPECT_EQ(a.occurrence, (std::vector<int32_t>{OccurrenceHit, 1, OccurrenceHit, OccurrenceHit, 1}));
    EXPECT_EQ(a.spacingCounts, (std::vector<int32_t>{2, 1}));

    const DigitGroup &seven = groupNamed(a, "7");
    EXPECT_EQ(seven.occurrences, 1);
    EXPECT_EQ(seven.largestSpacing, 5); // first hit at draw 4: 4 − (−1)
    EXPECT_EQ(seven.currentSpacing, 1); // newest draw is a hit

    const DigitGroup &never = groupNamed(a, "0");
    EXPECT_EQ(never.occurrences, 0);
    EXPECT_EQ(never.largestSpacing, 0);
    EXPECT_EQ(never.currentSpacing, 6);

    const GroupAnalysis none = analysePositions(draws, numbers(), 1, 1, 0);
    EXPECT_EQ(none.occurrence, (std::vector<int32_t>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(none.spacingCounts.empty());

    const GroupAnalysis late = analysePositions(draws, numbers(), 1, 1, 7);
    EXPECT_EQ(late.occurrence, (std::vector<int32_t>{1, 2, 3, 4, OccurrenceHit}));
    EXPECT_EQ(late.spacingCounts, (std::vector<int32_t>{0, 0, 0, 0, 1}));
}

TEST(PositionAnalysis, PositionsAndMultiDigitGroups) {
    const DrawTable draws = drawsOf({312, 501, 399, 345, 700});
    // Tens digits 1, 0, 9, 4, 0: group "04" hits draws 1, 3, 4.
    const GroupAnalysis tens = analysePositions(draws, numbers(), 2, 2, indexOf(2, "04"));
    EXPECT_EQ(hitRows(tens), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(tens.chosenGroup().occurrences, 3);
    EXPECT_EQ(tens.chosenGroup().largestSpacing, 2);
    EXPECT_EQ(tens.chosenGroup().currentSpacing, 1);
    // Units digits 2, 1, 9, 5, 0.
    const GroupAnalysis units = analysePositions(draws, numbers(), 3, 3, indexOf(3, "159"));
    EXPECT_EQ(hitRows(units), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(units.chosenGroup().currentSpacing, 2);
}

TEST(PositionAnalysis, PropertiesOnRandomHistory) {
    const DrawTable draws = randomDraws(600, 7);
    const int n = int(draws.size());
    for (int position = 1; position <= 3; ++position) {
        const GroupAnalysis single = analysePositions(draws, numbers(), position, 1, 0);
        int total = 0;
        for (const DigitGroup &g : single.groups) total += g.occurrences;
        EXPECT_EQ(total, n) << "position " << position;
        const int newest = draws.back()[size_t(position)];
        EXPECT_EQ(single.groups[size_t(newest)].currentSpacing, 1);
    }
    // For every group of two digits: the column, the spacing table and the statistics agree.
    for (int g = 0; g < 45; ++g) {
        const GroupAnalysis a = analysePositions(draws, numbers(), 2, 2, g);
        const DigitGroup &chosen = a.chosenGroup();
        const auto hits = hitRows(a);
        ASSERT_EQ(int(hits.size()), chosen.occurrences) << chosen.label;
        EXPECT_EQ(std::accumulate(a.spacingCounts.begin(), a.spacingCounts.end(), 0), chosen.occurrences);
        EXPECT_EQ(int(a.spacingCounts.size()), chosen.largestSpacing);
        if (!a.spacingCounts.empty()) {
            EXPECT_GT(a.spacingCounts.back(), 0);
        }
        for (int i : hits) EXPECT_NE(chosen.label.find(char('0' + draws[size_t(i)][2])), std::string::npos);
        EXPECT_EQ(chosen.currentSpacing, hits.empty() ? n + 1 : n - hits.back());
    }
}

TEST(PositionAnalysis, EveryGroupsStatisticsAgreeWithAWalkOfItsOwn) {
    // Short and long histories, one that never shows some digits, one with digits outside 0..9.
    std::vector<DrawTable> histories = {drawsOf({}), drawsOf({505}), randomDraws(40, 3), randomDraws(3000, 4),
                                        drawsOf({111, 121, 111, 131, 111, 111, 191})};
    DrawTable odd = randomDraws(300, 5);
    odd[10][2] = 11;
    odd[200][2] = -1;
    histories.push_back(odd);
    for (const DrawTable &draws : histories)
        for (int position = 1; position <= 3; ++position)
            for (int size = MinGroupSize; size <= MaxGroupSize; ++size) {
                const std::vector<DigitGroup> groups = positionGroupStatistics(draws, position, size);
                for (const DigitGroup &g : groups) {
                    int occurrences = 0, largest = 0, prev = -1;
                    for (int j = 0; j < int(draws.size()); ++j) {
                        const int d = draws[size_t(j)][size_t(position)];
                        if (d < 0 || d > 9 || g.label.find(char('0' + d)) == std::string::npos) continue;
                        ++occurrences;
                        largest = std::max(largest, j - prev);
                        prev = j;
                    }
                    const std::string where =
                        g.label + " at " + std::to_string(position) + " of " + std::to_string(draws.size()) + " draws";
                    EXPECT_EQ(g.occurrences, occurrences) << where;
                    EXPECT_EQ(g.largestSpacing, largest) << where;
                    EXPECT_EQ(g.currentSpacing, int(draws.size()) - prev) << where;
                }
            }
}

TEST(PositionAnalysis, CandidatesOfTensGroup37) {
    const GroupAnalysis a = analysePositions(drawsOf({123}), numbers(), 2, 2, indexOf(2, "37"));
    const auto listed = passing(a.candidates);
    EXPECT_EQ(listed.size(), 200u);
    for (int v : listed) EXPECT_TRUE(v / 10 % 10 == 3 || v / 10 % 10 == 7) << v;
    ASSERT_EQ(a.candidates.size(), 1000u);
    for (int v = 0; v < 1000; ++v) {
        EXPECT_EQ(a.candidates[size_t(v)][0] * 100 + a.candidates[size_t(v)][1] * 10 + a.candidates[size_t(v)][2], v);
    }
    EXPECT_EQ(positionGroupDescription("十", a.chosenGroup().label), "第十位号码组合37");
}

TEST(PositionAnalysis, EmptyHistoryAndBadSelections) {
    const GroupAnalysis a = analysePositions({}, numbers(), 1, 5, 251);
    EXPECT_EQ(a.groups.size(), 252u);
    for (const DigitGroup &g : a.groups) EXPECT_EQ(g.currentSpacing, 1);
    EXPECT_TRUE(a.occurrence.empty());
    EXPECT_TRUE(a.spacingCounts.empty());
    try {
        analysePositions({}, numbers(), 1, 2, 45);
        FAIL();
    } catch (const UserError &e) {
        EXPECT_STREQ(e.what(), "列表索引越界 (45)");
    }
    EXPECT_THROW(analysePositions({}, numbers(), 4, 1, 0), UserError);
    EXPECT_THROW(analysePositions({}, numbers(), 1, 1, -1), UserError);
    EXPECT_THROW(analyseOverall({}, numbers(), 6, 0), UserError);
}

TEST(OverallAnalysis, SingleDigitStatisticsVersusColumn) {
    const DrawTable draws = drawsOf({555, 125, 505, 0, 355});
    const GroupAnalysis a = analyseOverall(draws, numbers(), 1, 5);
    ASSERT_EQ(a.chosenGroup().label, "5");
    // Statistics: only a draw made of 5s alone.
    EXPECT_EQ(a.chosenGroup().occurrences, 1);
    EXPECT_EQ(a.chosenGroup().currentSpacing, 5);
    EXPECT_EQ(groupNamed(a, "0").occurrences, 1); // 000
    // Column: every draw containing a 5.
    EXPECT_EQ(hitRows(a), (std::vector<int>{0, 1, 2, 4}));
    EXPECT_EQ(a.occurrence[3], 1);
    EXPECT_EQ(a.spacingCounts, (std::vector<int32_t>{3, 1}));
    EXPECT_EQ(passing(a.candidates), (std::vector<int>{555}));
    EXPECT_EQ(overallGroupDescription(a.chosenGroup().label), "总体位置号码组合5");
}

TEST(OverallAnalysis, GroupsOfTwoThreeAndFour) {
    const DrawTable draws = drawsOf({1, 210, 345, 373, 313, 11, 12});
    const GroupAnalysis g012 = analyseOverall(draws, numbers(), 3, indexOf(3, "012"));
    // 001, 210, 011 and 012 are made of the group's digits; only 210 and 012 have three of them.
    EXPECT_EQ(g012.chosenGroup().occurrences, 4);
    EXPECT_EQ(hitRows(g012), (std::vector<int>{1, 6}));

    const GroupAnalysis g37 = analyseOverall(draws, numbers(), 2, indexOf(2, "37"));
    EXPECT_EQ(hitRows(g37), (std::vector<int>{3})); // 373 holds both 3 and 7, 313 only 3
    EXPECT_EQ(g37.chosenGroup().occurrences, 1);
    EXPECT_EQ(passing(g37.candidates).size(), 8u);

    const GroupAnalysis g0123 = analyseOverall(draws, numbers(), 4, indexOf(4, "0123"));
    EXPECT_EQ(g0123.chosenGroup().occurrences, 5); // all but 345 and 373
    EXPECT_EQ(hitRows(g0123), (std::vector<int>{1, 6}));
    const auto listed = passing(g0123.candidates);
    EXPECT_EQ(listed.size(), 64u);
    for (int v : listed) EXPECT_TRUE(v / 100 <= 3 && v / 10 % 10 <= 3 && v % 10 <= 3) << v;
}

TEST(OverallAnalysis, FiveDigitGroupAgainstDirectCheck) {
    const DrawTable draws = randomDraws(400, 3);
    const GroupAnalysis a = analyseOverall(draws, numbers(), 5, 0);
    ASSERT_EQ(a.chosenGroup().label, "01234");
    const auto small = [](const DrawRow &r) { return r[1] <= 4 && r[2] <= 4 && r[3] <= 4; };
    const int expected = int(std::count_if(draws.begin(), draws.end(), small));
    EXPECT_EQ(a.chosenGroup().occurrences, expected);
    const auto listed = passing(a.candidates);
    EXPECT_EQ(listed.size(), 125u);
    for (int v : listed) EXPECT_TRUE(v / 100 <= 4 && v / 10 % 10 <= 4 && v % 10 <= 4) << v;
    // The column needs three different digits of the group.
    for (size_t i = 0; i < draws.size(); ++i) {
        const DrawRow &r = draws[i];
        const bool distinct = r[1] != r[2] && r[2] != r[3] && r[1] != r[3];
        EXPECT_EQ(a.occurrence[i] == OccurrenceHit, small(r) && distinct) << i;
    }
    EXPECT_EQ(std::accumulate(a.spacingCounts.begin(), a.spacingCounts.end(), 0), int(hitRows(a).size()));
}

TEST(GroupStatistics, TablesAsShown) {
    const DrawTable draws = drawsOf({312, 501, 399, 345, 700});
    const auto rows = groupStatisticsRows(positionGroupStatistics(draws, 1, 1));
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[3], (std::array<std::string, 4>{"3", "3", "2", "2"}));
    EXPECT_EQ(rows[0], (std::array<std::string, 4>{"0", "0", "0", "6"}));
    EXPECT_EQ(groupStatisticsHeadings()[1], "出现期数");
    // The statistics alone match those of the full analyses.
    const DrawTable random = randomDraws(300, 11);
    const auto overall = overallGroupStatistics(random, 4);
    const GroupAnalysis full = analyseOverall(random, numbers(), 4, 17);
    ASSERT_EQ(overall.size(), full.groups.size());
    for (size_t i = 0; i < overall.size(); ++i) {
        EXPECT_EQ(overall[i].occurrences, full.groups[i].occurrences);
        EXPECT_EQ(overall[i].currentSpacing, full.groups[i].currentSpacing);
    }
    EXPECT_EQ(occurrenceCellText(OccurrenceHit), "●");
    EXPECT_EQ(occurrenceCellText(12), "12");
}
