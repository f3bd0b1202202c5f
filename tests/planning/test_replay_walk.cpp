// The strategy walk: hand-worked histories, the surplus rules, and the fast replay
// against the row-by-row reference on random histories and parameters.

#include "planning/replay.h"

#include <gtest/gtest.h>
#include <random>
#include <set>
#include <thread>

using namespace corvel;

namespace {

HitColumn hitsWithWins(int n, const std::set<int> &wins) {
    HitColumn hits(static_cast<size_t>(n));
    int last = -1;
    for (int i = 0; i < n; ++i) {
        hits[i].issue = 1000 + i;
        hits[i].omission = wins.count(i + 1) ? 0 : i - last;
        if (wins.count(i + 1)) last = i;
    }
    return hits;
}

std::string describe(const RunRecord &r) {
    const PlanStep &v = r.values;
    return std::to_string(v.step) + "," + std::to_string(v.multiple) + "," + std::to_string(v.stake) + "," +
           std::to_string(v.total) + "," + std::to_string(v.prize) + "," + std::to_string(v.net) + "," +
           std::to_string(v.rate) + (r.loss ? " loss" : " win") + (r.cutShort ? " cut" : "");
}

std::vector<std::string> describe(const ReplayResult &r) {
    std::vector<std::string> out;
    for (const auto &rec : r.records) out.push_back(describe(rec));
    return out;
}

// Runs the fast replay and the reference and insists they agree.
ReplayResult replayBoth(const HitColumn &hits, const ReplayParams &p) {
    const ReplayResult fast = ReplayTrack(hits).replay(p);
    const ReplayResult ref = replayStrategyReference(hits, p);
    EXPECT_EQ(describe(fast), describe(ref));
    EXPECT_EQ(fast.abort, ref.abort);
    EXPECT_EQ(fast.surplus, ref.surplus);
    EXPECT_EQ(ReplayTrack(hits).surplus(p), ref.surplus);
    return ref;
}

ReplayParams oneBet(int64_t prize = 1000) {
    ReplayParams p;
    p.betCount = 1;
    p.prize = prize;
    p.profitRate = 10;
    return p;
}

const std::set<int> SampleWins{2, 3, 7, 8, 12};

} // namespace

TEST(ReplayWalk, WithoutIntervalModeBettingStartsRightAfterEachWin) {
    // T = R = 1, W = 0, L = 1: bet on the draw after a win; the last win at the final
    // row leaves a run the history cannot finish, which is not recorded.
    const ReplayResult r = replayBoth(hitsWithWins(12, SampleWins), oneBet());
    EXPECT_EQ(describe(r), (std::vector<std::string>{"1,1,2,2,1000,998,49900 win", "1,1,2,2,1000,998,49900 win"}));
    EXPECT_EQ(r.surplus, 1996);
    EXPECT_EQ(r.abort, ReplayAbort::None);
}

TEST(ReplayWalk, WaitingRestartsAfterEveryWinAndFullLossesAreCarried) {
    ReplayParams p = oneBet();
    p.waitDraws = 1;
    const ReplayResult r = replayBoth(hitsWithWins(12, SampleWins), p);
    // Win at 2, the wait restarts at 3, betting on 5 loses (next win 7); the loss of 2 is
    // carried into the next run (total 4), which waits past 8 and loses again.
    EXPECT_EQ(describe(r), (std::vector<std::string>{"1,1,2,2,1000,-2,49900 loss", "1,1,2,4,1000,-4,24900 loss"}));
    // The first loss is paid through the second run's total: −4 in all.
    EXPECT_EQ(r.surplus, -4);

    p.carryLoss = false;
    const ReplayResult plain = replayBoth(hitsWithWins(12, SampleWins), p);
    EXPECT_EQ(describe(plain), (std::vector<std::string>{"1,1,2,2,1000,-2,49900 loss", "1,1,2,2,1000,-2,49900 loss"}));
    EXPECT_EQ(plain.surplus, -4);
}

TEST(ReplayWalk, CarriedLossRaisesTheMultipleButACutShortLossIsNotCarried) {
    ReplayParams p;
    p.betCount = 100;
    p.prize = 300;
    p.profitRate = 10;
    p.waitDraws = 1;
    const HitColumn hits = hitsWithWins(12, SampleWins);
    const ReplayResult full = replayBoth(hits, p);
    ASSERT_EQ(full.records.size(), 2u);
    EXPECT_EQ(full.records[1].values.multiple, 3); // 200 carried in
    EXPECT_EQ(full.records[1].values.total, 800);
    EXPECT_EQ(full.surplus, -800);

    // Two steps, but the second (stake 600) is beyond 单期最大投入: the runs stop after
    // one step, cut short, and start afresh.
    p.betDraws = 2;
    p.singleMax = 500;
    const ReplayResult cut = replayBoth(hits, p);
    EXPECT_EQ(describe(cut),
              (std::vector<std::string>{"1,1,200,200,300,-200,50 loss cut", "1,1,200,200,300,-200,50 loss cut"}));
    EXPECT_EQ(cut.surplus, -400);
}

TEST(ReplayWalk, ObservationCountsGapsOfAtLeastT) {
    ReplayParams p = oneBet();
    p.observeGap = 3;
    p.observeRuns = 2;
    const std::set<int> wins{1, 4, 5, 9, 10, 14};
    // Gaps 1, 3, 1, 4, 1, 4: never two long gaps in a row.
    EXPECT_TRUE(replayBoth(hitsWithWins(16, wins), p).records.empty());

    p.observeRuns = 1;
    const ReplayResult r = replayBoth(hitsWithWins(16, wins), p);
    // Bets after 4 (wins 5) and after 9 (wins 10); after 14 the rows 15 and 16 lose.
    EXPECT_EQ(describe(r), (std::vector<std::string>{"1,1,2,2,1000,998,49900 win", "1,1,2,2,1000,998,49900 win",
                                                     "1,1,2,2,1000,-2,49900 loss"}));
    EXPECT_EQ(r.surplus, 1994);
    // With the history ending at 14 the last run cannot be played.
    EXPECT_EQ(replayBoth(hitsWithWins(14, wins), p).records.size(), 2u);
}

TEST(ReplayWalk, AbortsKeepEarlierRecordsAndNeverWinningListsRecordNothing) {
    ReplayParams p;
    p.betCount = 100;
    p.prize = 100; // a win never covers the stake
    const ReplayResult tooLarge = replayBoth(hitsWithWins(12, SampleWins), p);
    EXPECT_EQ(tooLarge.abort, ReplayAbort::MultipleTooLarge);
    EXPECT_TRUE(tooLarge.records.empty());
    EXPECT_EQ(replayAbortMessage(tooLarge.abort), "所需倍数太大，无法投注！");

    p.prize = 1000;
    p.singleMax = 100;
    const ReplayResult unaffordable = replayBoth(hitsWithWins(12, SampleWins), p);
    EXPECT_EQ(unaffordable.abort, ReplayAbort::FirstStepUnaffordable);
    EXPECT_EQ(replayAbortMessage(unaffordable.abort), "第一天投入已经超出中奖金额，无法投注！");

    // Losses carried run after run until the plan needs too much: the losses made before
    // stay recorded and the last one counts in full.
    ReplayParams carried = oneBet(3);
    carried.profitRate = 49;
    std::set<int> everyThird;
    for (int r = 1; r <= 30; r += 3) everyThird.insert(r);
    const ReplayResult partial = replayBoth(hitsWithWins(30, everyThird), carried);
    EXPECT_EQ(describe(partial), (std::vector<std::string>{"1,1,2,2,3,-2,50 loss", "1,149,298,300,447,-300,49 loss",
                                                           "1,22350,44700,45000,67050,-45000,49 loss"}));
    EXPECT_EQ(partial.abort, ReplayAbort::MultipleTooLarge);
    EXPECT_EQ(partial.surplus, -45000);

    const ReplayResult none = replayBoth(hitsWithWins(40, {}), oneBet());
    EXPECT_TRUE(none.records.empty());
    EXPECT_EQ(none.surplus, 0);
    EXPECT_EQ(none.abort, ReplayAbort::None);
    EXPECT_TRUE(replayBoth({}, oneBet()).records.empty());
}

TEST(ReplaySurplus, CarriedLossesCountOnceAndWinsWithANegativeNetCount) {
    const auto rec = [](int64_t net, int64_t total, bool loss, bool cut) {
        RunRecord r;
        r.values.net = net;
        r.values.total = total;
        r.loss = loss;
        r.cutShort = cut;
        return r;
    };
    // A full loss of 100 carried into a win whose net already pays it.
    EXPECT_EQ(replaySurplus({rec(-100, 100, true, false), rec(50, 150, false, false)}, true), 50);
    EXPECT_EQ(replaySurplus({rec(-100, 100, true, false), rec(50, 150, false, false)}, false), -50);
    // A cut-short loss is not carried, so it counts.
    EXPECT_EQ(replaySurplus({rec(-100, 100, true, true), rec(50, 50, false, false)}, true), -50);
    // The last full loss has no run to pay it.
    EXPECT_EQ(replaySurplus({rec(10, 20, false, false), rec(-300, 300, true, false)}, true), -290);
    // A win whose rate truncates to the required 0 % may lose 1.
    EXPECT_EQ(replaySurplus({rec(-1, 200, false, false), rec(-1, 200, false, false)}, true), -2);
}

TEST(ReplayWalk, WinsWithTruncatedRateAreNotTakenForLosses) {
    ReplayParams p;
    p.betCount = 100; // stake 200, prize 199: net −1, rate −100/200 = 0
    p.prize = 199;
    p.profitRate = 0;
    const ReplayResult r = replayBoth(hitsWithWins(12, SampleWins), p);
    ASSERT_EQ(r.records.size(), 2u);
    for (const auto &rec : r.records) {
        EXPECT_FALSE(rec.loss);
        EXPECT_EQ(rec.values.net, -1);
        EXPECT_EQ(rec.values.multiple, 1); // nothing carried
    }
    EXPECT_EQ(r.surplus, -2);
}

TEST(ReplayWalk, RecordTableHoldsAtMostTenThousandRuns) {
    // Every draw won: each run takes two rows (observe one win, bet on the next).
    const HitColumn hits(30000, HitRow{1, 0});
    const ReplayResult r = replayBoth(hits, oneBet());
    EXPECT_EQ(r.records.size(), MaxRunRecords);
}

TEST(ReplayWalk, FastReplayMatchesTheReferenceOnRandomHistories) {
    std::mt19937_64 rng(2024);
    int withRecords = 0, aborted = 0, carried = 0;
    for (int round = 0; round < 700; ++round) {
        const int n = int(rng() % 400);
        const int density = 1 + int(rng() % 60); // percent of won draws
        std::set<int> wins;
        for (int r = 1; r <= n; ++r)
            if (int(rng() % 100) < density) wins.insert(r);
        ReplayParams p;
        p.betCount = 1 + int64_t(rng() % 200);
        const int64_t prizes[] = {50, 150, 400, 1000, 5000, 100000};
        p.prize = prizes[rng() % 6];
        p.profitRate = int64_t(rng() % 60) - 10;
        p.singleMax = rng() % 4 ? 1000000 : int64_t(rng() % 20000);
        p.totalMax = rng() % 4 ? 1000000 : int64_t(rng() % 200000);
        p.observeGap = 1 + int(rng() % 8);
        p.observeRuns = 1 + int(rng() % 4);
        p.waitDraws = int(rng() % 12);
        p.betDraws = 1 + int(rng() % 12);
        p.carryLoss = rng() % 2;
        const HitColumn hits = hitsWithWins(n, wins);
        const ReplayResult r = replayBoth(hits, p);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "round " << round;
            return;
        }
        withRecords += !r.records.empty();
        aborted += r.abort != ReplayAbort::None;
        for (size_t k = 1; k < r.records.size(); ++k)
            carried += r.records[k - 1].loss && !r.records[k - 1].cutShort && p.carryLoss;
    }
    // The random cases reach every path.
    EXPECT_GT(withRecords, 200);
    EXPECT_GT(aborted, 20);
    EXPECT_GT(carried, 50);
}

TEST(ReplayWalk, OneTrackServesEveryWaitAndObservationFromSeveralThreadsAtOnce) {
    // Dense and sparse stretches: long chains of wins closer than W, and gaps longer than it.
    std::mt19937_64 rng(51);
    std::set<int> wins;
    for (int r = 1; r <= 3000; ++r)
        if (int(rng() % 100) < (r / 500 % 2 ? 40 : 3)) wins.insert(r);
    const HitColumn hits = hitsWithWins(3000, wins);
    const ReplayTrack track(hits);
    // Every W, with gaps T and runs R that change along with it.
    const auto params = [](int w) {
        ReplayParams p = oneBet();
        p.waitDraws = w;
        p.betDraws = 1 + w % 7;
        p.observeGap = 1 + w % 13;
        p.observeRuns = 1 + w % 10;
        return p;
    };
    std::vector<int64_t> expected;
    for (int w = 0; w <= 50; ++w) {
        expected.push_back(replayStrategyReference(hits, params(w)).surplus);
    }
    std::vector<std::vector<int64_t>> got(4, std::vector<int64_t>(51));
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int k = 0; k <= 50; ++k) {
                const int w = t % 2 ? 50 - k : k; // half of them from the other end
                got[size_t(t)][size_t(w)] = track.surplus(params(w));
            }
        });
    for (auto &t : threads) t.join();
    for (const auto &g : got) EXPECT_EQ(g, expected);
}
