#include "enginesupport.h"
#include "filters/interval.h"
#include "randomhistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace corvel;

namespace {

int value(const Number &n) { return numberValue(n); }

// Ranking mode as the steps read: counts over the window, intervals, the exchange
// procedure from 0 … 9 at every row.
std::vector<int> naiveRanking(const std::vector<int> &rv, int rows, int window, bool byInterval) {
    std::array<int, 10> cnt{}, gap{};
    std::vector<int> out;
    for (int i = 0; i < rows; ++i) {
        if (i > 0) ++cnt[size_t(rv[size_t(i - 1)])];
        if (i >= window + 1) --cnt[size_t(rv[size_t(i - window - 1)])];
        for (int v = 0; v < 10; ++v)
            for (int n = i - 1; n >= 0; --n)
                if (rv[size_t(n)] == v) {
                    gap[size_t(v)] = i - n;
                    break;
                }
        std::array<int, 10> order{};
        for (int v = 0; v < 10; ++v) order[size_t(v)] = v;
        for (int k = 0; k < 9; ++k)
            for (int m = k + 1; m < 10; ++m) {
                const int a = order[size_t(k)], b = order[size_t(m)];
                const bool first = byInterval ? (gap[a] < gap[b] || (gap[a] == gap[b] && cnt[b] < cnt[a]))
                                              : (cnt[b] < cnt[a] || (cnt[b] == cnt[a] && gap[a] < gap[b]));
                if (first) std::swap(order[size_t(k)], order[size_t(m)]);
            }
        std::array<int, 10> rank{};
        for (int k = 0; k < 10; ++k) rank[size_t(order[size_t(k)])] = k;
        out.push_back(rank[size_t(rv[size_t(i)])]);
    }
    return out;
}

IntervalSettings settingsAt(int start, int target, int threshold) {
    IntervalSettings s;
    s.start = start;
    s.target = target;
    s.threshold = threshold;
    return s;
}

} // namespace

TEST(IntervalRelabelling, IsAPermutationWithItsInverse) {
    Lcg random(99);
    for (int k = 0; k < 20; ++k) {
        const Relabelling r = drawRelabelling(random);
        for (int d = 0; d < 10; ++d) EXPECT_EQ(r.q[size_t(r.p[size_t(d)])], d);
    }
}

TEST(IntervalTransform, PermutationShiftsWithTheRow) {
    const DrawTable h = test::randomHistory(40);
    Lcg random(5);
    const Relabelling r = drawRelabelling(random);
    const auto t = transformedHistory(h, IntervalSettings{}, r, 0, 40);
    for (int n = 0; n < 40; ++n)
        for (int j = 0; j < 3; ++j) EXPECT_EQ(t[size_t(n)][size_t(j)], (r.p[size_t(h[size_t(n)][j + 1])] + n) % 10);
}

TEST(IntervalTransform, RankingMatchesTheStepByStepDefinition) {
    const DrawTable h = test::randomHistory(400, 21);
    Lcg random(8);
    for (bool byInterval : {false, true})
        for (int window : {1, 7, 50, 401}) {
            const Relabelling r = drawRelabelling(random);
            IntervalSettings s;
            s.ranking = true;
            s.byInterval = byInterval;
            const auto t = transformedHistory(h, s, r, window, 400);
            for (int j = 0; j < 3; ++j) {
                std::vector<int> rv;
                for (int n = 0; n < 400; ++n) rv.push_back((r.p[size_t(h[size_t(n)][j + 1])] + n) % 10);
                const std::vector<int> expected = naiveRanking(rv, 400, window, byInterval);
                for (int n = 0; n < 400; ++n)
                    ASSERT_EQ(t[size_t(n)][size_t(j)], expected[size_t(n)])
                        << "row " << n << " pos " << j << " window " << window << " interval " << byInterval;
            }
        }
}

TEST(IntervalSettingsCheck, RefusesWhatCannotFinish) {
    EXPECT_EQ(test::userErrorOf([] { checkIntervalSettings(100, settingsAt(100, 2001, 10)); }),
              "号码注数不能大于2000,请输入正确的号码注数！");
    EXPECT_FALSE(test::userErrorOf([] { checkIntervalSettings(100, settingsAt(100, 0, 10)); }).empty());
    EXPECT_FALSE(test::userErrorOf([] { checkIntervalSettings(100, settingsAt(0, 10, 0)); }).empty());
    EXPECT_FALSE(test::userErrorOf([] { checkIntervalSettings(100, settingsAt(1, 10, 0)); }).empty());
    EXPECT_FALSE(test::userErrorOf([] { checkIntervalSettings(100, settingsAt(50, 10, 50)); }).empty());
    EXPECT_TRUE(test::userErrorOf([] { checkIntervalSettings(100, settingsAt(50, 2000, 49)); }).empty());
    EXPECT_EQ(defaultIntervalThreshold("中国体彩排列3"), 500);
    EXPECT_EQ(defaultIntervalThreshold("重庆时时彩"), 5000);
}

// The repeated runs start at the newest draw and go back while a start still has room
// below it for the threshold (S - 1 >= threshold, two draws at least).
TEST(IntervalRepeatedRuns, StartFromTheNewestDrawBackUntilTheThresholdNoLongerFits) {
    IntervalSettings s;
    s.threshold = 5;
    EXPECT_EQ(repeatedRunStarts(10, s), (std::vector<int>{9, 8, 7, 6}));
    EXPECT_EQ(repeatedRunStarts(10, s, 2), (std::vector<int>{9, 8}));
    s.threshold = 1;
    EXPECT_EQ(repeatedRunStarts(500, s).size(), 200u);
    EXPECT_EQ(repeatedRunStarts(500, s).back(), 300);
    EXPECT_EQ(repeatedRunStarts(4, s), (std::vector<int>{3, 2}));
    // The newest start itself cannot run: its own refusal, not an empty series.
    s.threshold = 9;
    EXPECT_FALSE(test::userErrorOf([&] { repeatedRunStarts(10, s); }).empty());
    EXPECT_EQ(test::userErrorOf([&] { repeatedRunStarts(0, s); }), "开始追号期之前没有开奖号码，请选择以后的期号！");
}

TEST(IntervalSearch, OnePassPicksTheNumbersWhoseLastAbsenceReachedTheThreshold) {
    const DrawTable h = test::randomHistory(3000, 4);
    const IntervalSettings base = settingsAt(2990, 1, 400);
    // The numbers the first pass picks, found row by row.
    Lcg probe(1234);
    const Relabelling r = drawRelabelling(probe);
    const auto t = transformedHistory(h, base, r, 0, base.start);
    std::vector<Number> picked;
    for (int v = 0; v < 1000; ++v) {
        std::vector<int> rows;
        for (int n = base.start - 1; n >= 0 && rows.size() < 2; --n)
            if (value(t[size_t(n)]) == v) rows.push_back(n);
        if (rows.size() == 2 && rows[0] - rows[1] >= base.threshold) picked.push_back(numberFromValue(v));
    }
    ASSERT_GT(picked.size(), 3u);

    IntervalSettings s = base;
    s.target = int(picked.size());
    Lcg random(1234);
    const std::atomic<bool> go{false};
    const IntervalResult result = searchIntervals(h, s, random, go);
    EXPECT_EQ(result.passes, 1);
    EXPECT_EQ(result.collected, s.target);
    for (int stage : {1, 2, 200}) {
        const int j = s.start + stage - 1;
        NumberList expected;
        for (const Number &n : picked)
            expected.push_back({r.q[size_t((n[0] - j % 10 + 10) % 10)], r.q[size_t((n[1] - j % 10 + 10) % 10)],
                                r.q[size_t((n[2] - j % 10 + 10) % 10)]});
        std::sort(expected.begin(), expected.end(),
                  [](const Number &a, const Number &b) { return value(a) < value(b); });
        EXPECT_EQ(result.stages[size_t(stage - 1)], expected) << stage;
    }
}

TEST(IntervalSearch, SameSeedSameListAndTheDistinctCountMayFallShort) {
    const DrawTable h = test::randomHistory(2000, 9);
    const IntervalSettings s = settingsAt(2000, 1000, 300);
    const std::atomic<bool> go{false};
    Lcg a(77), b(77);
    int lastProgress = 0;
    const IntervalResult ra = searchIntervals(h, s, a, go, [&](int v) { lastProgress = v; });
    const IntervalResult rb = searchIntervals(h, s, b, go);
    EXPECT_EQ(ra.stages, rb.stages);
    EXPECT_EQ(lastProgress, 1000);
    EXPECT_EQ(ra.stages.size(), 200u);
    for (const NumberList &stage : ra.stages) EXPECT_EQ(stage.size(), 1000u);
    const NumberList shown = intervalStageList(ra, 1);
    EXPECT_LE(shown.size(), 1000u);
    EXPECT_TRUE(std::adjacent_find(shown.begin(), shown.end()) == shown.end());
}

TEST(IntervalSearch, HundredsModeCollectsWholeBlocksOfOneHundredsDigit) {
    const DrawTable h = test::randomHistory(1500, 2);
    IntervalSettings s = settingsAt(1500, 1000, 30);
    s.hundreds = true;
    const std::atomic<bool> go{false};
    Lcg random(3);
    const IntervalResult r = searchIntervals(h, s, random, go);
    ASSERT_EQ(r.collected, 1000);
    const NumberList &stage = r.stages[0];
    std::array<int, 10> perDigit{};
    for (const Number &n : stage) ++perDigit[size_t(n[0])];
    for (int c : perDigit) EXPECT_EQ(c % 100, 0);
    const NumberList shown = intervalStageList(r, 1);
    EXPECT_LE(shown.size(), 1000u);
    EXPECT_EQ(shown.size() % 100, 0u);
    EXPECT_FALSE(hundredsDigits(shown).empty());
    EXPECT_EQ(hundredsDigits({{3, 0, 0}, {7, 1, 1}, {3, 5, 5}}), "37");
}

TEST(IntervalSearch, RankingModeRunsToTheTarget) {
    const DrawTable h = test::randomHistory(1500, 12);
    IntervalSettings s = settingsAt(1400, 500, 200);
    s.ranking = true;
    s.randomWindow = true;
    s.windowLength = 30;
    const std::atomic<bool> go{false};
    Lcg random(4);
    EXPECT_EQ(searchIntervals(h, s, random, go).collected, 500);
}

TEST(IntervalSearch, StopFlagEndsTheSearchWithWhatWasCollected) {
    const DrawTable h = test::randomHistory(500);
    const std::atomic<bool> stop{true};
    Lcg random(1);
    const IntervalResult r = searchIntervals(h, settingsAt(500, 1000, 400), random, stop);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.passes, 0);
    EXPECT_EQ(r.stages.size(), 200u);
}

TEST(IntervalVerify, StagesBeyondTheHistoryAreNotDrawn) {
    const DrawTable h = test::randomHistory(600);
    const std::atomic<bool> go{false};
    Lcg random(6);
    const IntervalResult next = searchIntervals(h, settingsAt(600, 100, 100), random, go);
    const IntervalVerification v = verifyIntervals(h, 600, next);
    ASSERT_EQ(v.rows.size(), 200u);
    for (const auto &row : v.rows) {
        EXPECT_EQ(row.drawn, "未开");
        EXPECT_EQ(row.result, "");
    }
    EXPECT_EQ(v.rows[0].stage, std::string("01:").append(std::to_string(h.back()[0] + 1)));
    EXPECT_EQ(v.message, "中出次数：0 最大不中期数：0");

    const IntervalResult back = searchIntervals(h, settingsAt(590, 100, 100), random, go);
    const IntervalVerification w = verifyIntervals(h, 590, back);
    for (int st = 0; st < 10; ++st) {
        EXPECT_EQ(w.rows[size_t(st)].drawn,
                  numberText({h[590 + size_t(st)][1], h[590 + size_t(st)][2], h[590 + size_t(st)][3]}));
        EXPECT_TRUE(w.rows[size_t(st)].result == "中出" || w.rows[size_t(st)].result == "未中");
    }
    EXPECT_EQ(w.rows[10].drawn, "未开");
    EXPECT_EQ(w.rows[199].stage, std::string("200:").append(std::to_string(h[589][0] + 200)));
}

TEST(IntervalVerify, LongestMissCountsOnlyRunsBeforeAHit) {
    std::vector<bool> rows(200, false);
    rows[2] = rows[9] = true; // rows 3 and 10
    EXPECT_EQ(longestMissBeforeHit(rows), 6);
    EXPECT_EQ(longestMissBeforeHit(std::vector<bool>(200, false)), 0);
    std::vector<bool> first(200, false);
    first[0] = true;
    EXPECT_EQ(longestMissBeforeHit(first), 0);
}
