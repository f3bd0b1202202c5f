// The strategy replay in its plainest form: the walk moves row by row and every run
// counts its multiples up from 1. The fast replay (replay.cpp) must give the same
// records; tests and the benchmark compare the two.

#include "planning/replay.h"

namespace corvel {

namespace {

// Carry of the next run: the total of a full loss just recorded, when losses are carried.
int64_t carryIn(const std::vector<RunRecord> &records, bool carryLoss) {
    if (!carryLoss || records.empty()) return 0;
    const RunRecord &last = records.back();
    return last.loss && !last.cutShort ? last.values.total : 0;
}

} // namespace

ReplayResult replayStrategyReference(const HitColumn &hits, const ReplayParams &p) {
    checkReplayParams(p);
    const int n = static_cast<int>(hits.size());
    const auto won = [&](int row) { return hits[row - 1].omission == 0; };
    ReplayResult result;
    std::vector<RunRecord> &records = result.records;
    int i = 1, w = 0, g = 0;
    for (;;) {
        // Carry and plan.
        const Plan plan = makePlanByCounting(p, carryIn(records, p.carryLoss));
        if (plan.tooLarge) {
            result.abort = ReplayAbort::MultipleTooLarge;
            break;
        }
        if (plan.affordable == 0) {
            result.abort = ReplayAbort::FirstStepUnaffordable;
            break;
        }
        const int a = plan.affordable;
        // Observation.
        bool ended = false;
        while (g < p.observeRuns) {
            while (i <= n && !won(i)) ++i;
            if (i > n) {
                ended = true;
                break;
            }
            if (i - w >= p.observeGap)
                ++g;
            else
                g = 0;
            w = i;
            i = i + 1;
        }
        if (ended) break;
        // Waiting.
        for (int f = 1; f <= p.waitDraws;) {
            if (w + f > n) {
                ended = true;
                break;
            }
            if (won(w + f)) {
                w = w + f;
                f = 1;
            } else {
                ++f;
            }
        }
        if (ended) break;
        w = w + p.waitDraws;
        // Betting.
        int s = 1;
        while (w + s <= n && !won(w + s)) ++s;
        if (s <= a) {
            if (w + s > n) break;
            records.push_back({plan.steps[s - 1], false, false});
            w = w + s;
            g = 0;
        } else {
            RunRecord loss{plan.steps[a - 1], true, a < p.betDraws};
            loss.values.net = -loss.values.total;
            records.push_back(loss);
            w = w + s;
        }
        i = w + 1;
        if (w >= n || records.size() >= MaxRunRecords) break;
    }
    result.surplus = replaySurplus(records, p.carryLoss);
    return result;
}

} // namespace corvel
