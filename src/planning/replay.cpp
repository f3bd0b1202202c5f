#include "planning/replay.h"

#include "core/intconv.h"
#include "core/usererror.h"

#include <algorithm>
#include <array>

namespace corvel {

// ---- Bet kinds -------------------------------------------------------------------

BetKind betKindFromIndex(int64_t index) {
    if (index < 0 || index > 3)
        throw UserError(listIndexMessage(static_cast<int>(std::clamp<int64_t>(index, -1, 9999))));
    return static_cast<BetKind>(index);
}

void checkBetCount(BetKind kind, int64_t count) {
    if (count >= 1 && count <= betKindLimit(kind)) return;
    switch (kind) {
    case BetKind::Direct:
        throw UserError("请请输入1到1000的直选注数！");
    case BetKind::AllGroup:
        throw UserError("请请输入1到210的组选注数！");
    case BetKind::Group3:
        throw UserError("请请输入1到90的组选3注数！");
    case BetKind::Group6:
        throw UserError("请请输入1到120的组选6注数！");
    }
}

// ---- Random list -----------------------------------------------------------------

namespace {

bool validDigits(int a, int b, int c) { return a >= 0 && a <= 9 && b >= 0 && b <= 9 && c >= 0 && c <= 9; }

// The 1000 draws the list wins, by value.
std::array<bool, 1000> winningDraws(BetKind kind, const NumberList &list) {
    std::array<bool, 1000> won{};
    for (const Number &n : list) {
        if (!validDigits(n[0], n[1], n[2])) continue;
        if (kind == BetKind::Direct) {
            won[numberValue(n)] = true;
            continue;
        }
        Number p = n;
        std::sort(p.begin(), p.end());
        do won[numberValue(p)] = true;
        while (std::next_permutation(p.begin(), p.end()));
    }
    return won;
}

} // namespace

NumberList makeRandomList(BetKind kind, int64_t count, Lcg &random) {
    checkBetCount(kind, count);
    std::array<bool, 1000> taken{};
    NumberList list;
    list.reserve(static_cast<size_t>(count));
    while (static_cast<int64_t>(list.size()) < count) {
        Number n;
        for (int &d : n) d = static_cast<int>(random.next(10));
        if (!fitsBetKind(kind, n) || taken[numberValue(n)]) continue;
        taken[numberValue(n)] = true;
        list.push_back(n);
    }
    std::sort(list.begin(), list.end(),
              [](const Number &a, const Number &b) { return numberValue(a) < numberValue(b); });
    return list;
}

// ---- Hit column and interval statistics -------------------------------------------

bool listWinsDraw(BetKind kind, const NumberList &list, const Number &draw) {
    Number sortedDraw = draw;
    std::sort(sortedDraw.begin(), sortedDraw.end());
    for (const Number &n : list) {
        if (kind == BetKind::Direct) {
            if (n == draw) return true;
            continue;
        }
        Number sorted = n;
        std::sort(sorted.begin(), sorted.end());
        if (sorted == sortedDraw) return true;
    }
    return false;
}

HitColumn buildHitColumn(const DrawTable &draws, const std::vector<int64_t> &issues, BetKind kind,
                         const NumberList &list) {
    const std::array<bool, 1000> won = winningDraws(kind, list);
    HitColumn hits(draws.size());
    int64_t last = -1;
    for (size_t i = 0; i < draws.size(); ++i) {
        const DrawRow &d = draws[i];
        hits[i].issue = i < issues.size() ? issues[i] : d[0];
        const bool isWon = validDigits(d[1], d[2], d[3]) && won[d[1] * 100 + d[2] * 10 + d[3]];
        if (isWon) {
            last = static_cast<int64_t>(i);
            hits[i].omission = 0;
        } else {
            hits[i].omission = static_cast<int32_t>(static_cast<int64_t>(i) - last);
        }
    }
    return hits;
}

std::vector<IntervalStat> intervalStats(const HitColumn &hits) {
    std::vector<int32_t> gaps;
    int64_t previous = -1;
    int32_t largest = 0;
    for (size_t i = 0; i < hits.size(); ++i) {
        largest = std::max(largest, hits[i].omission);
        if (hits[i].omission != 0) continue;
        gaps.push_back(static_cast<int32_t>(static_cast<int64_t>(i) - previous));
        previous = static_cast<int64_t>(i);
    }
    if (gaps.empty()) return {};
    if (hits.back().omission != 0)
        gaps.push_back(static_cast<int32_t>(static_cast<int64_t>(hits.size()) - previous + 1));

    std::vector<IntervalStat> out;
    std::vector<int32_t> counts(gaps.size() + 1);
    for (int32_t v = 1; v <= largest + 1; ++v) {
        std::fill(counts.begin(), counts.end(), 0);
        size_t run = 0;
        for (int32_t gap : gaps) {
            if (gap >= v) {
                ++run;
            } else {
                if (run >= 1) ++counts[run];
                run = 0;
            }
        }
        for (size_t r = 1; r < counts.size(); ++r)
            if (counts[r] > 0) out.push_back({v, static_cast<int32_t>(r), counts[r]});
    }
    return out;
}

// ---- Strategy replay ----------------------------------------------------------------

void checkReplayParams(const ReplayParams &p) {
    if (p.betCount < 1 || p.betCount > 1000) throw UserError("请请输入1到1000的直选注数！");
    if (p.prize < -MaxPrize || p.prize > MaxPrize) throw UserError("单注奖金超出范围（-1000000000到1000000000）！");
    if (p.observeGap < 1 || p.observeGap > 100) throw UserError("观察间隔数必须在1到100之间！");
    if (p.observeRuns < 1 || p.observeRuns > 10) throw UserError("观察间隔连续次数必须在1到10之间！");
    if (p.waitDraws < 0 || p.waitDraws > 50) throw UserError("中出后间隔期数必须在0到50之间！");
    if (p.betDraws < 1 || p.betDraws > 50) throw UserError("连续投入期数必须在1到50之间！");
}

namespace {

using Wide = __int128;

// Fills a step for multiple m on top of `cum` already staked.
PlanStep makeStep(int64_t s, int64_t m, int64_t unit, int64_t cum, int64_t prizeOfOne) {
    PlanStep step;
    step.step = s;
    step.multiple = m;
    step.stake = m * unit;
    step.total = cum + step.stake;
    step.prize = m * prizeOfOne;
    step.net = step.prize - step.total;
    step.rate = static_cast<int64_t>(Wide(step.net) * 100 / step.total);
    return step;
}

Wide ceilDiv(Wide b, Wide a) { return b <= 0 ? b / a : (b + a - 1) / a; } // a > 0

// The smallest multiple 1..MaxMultiple reaching the rate, or 0 when none does.
// rate ≥ p with rate = trunc(100·net / total), total > 0, is linear in m:
//   p ≥ 1: 100·net ≥ p·total;   p ≤ 0: 100·net > (p − 1)·total.
// With net = m(P − u) − cum and total = cum + m·u this is a·m ≥ b.
int64_t smallestMultiple(const ReplayParams &p, int64_t unit, int64_t cum) {
    const Wide c = p.profitRate >= 1 ? Wide(p.profitRate) : Wide(p.profitRate) - 1;
    const Wide a = 100 * (Wide(p.prize) - unit) - c * unit;
    const Wide b = Wide(cum) * (100 + c) + (p.profitRate >= 1 ? 0 : 1);
    Wide m;
    if (a > 0) {
        m = std::max<Wide>(1, ceilDiv(b, a));
    } else {
        if (a < b) return 0; // a·m never grows, m = 1 is the best chance
        m = 1;
    }
    return m > MaxMultiple ? 0 : static_cast<int64_t>(m);
}

template <class FindMultiple> Plan buildPlan(const ReplayParams &p, int64_t carry, FindMultiple find) {
    Plan plan;
    plan.steps.reserve(static_cast<size_t>(p.betDraws));
    const int64_t unit = 2 * p.betCount;
    int64_t cum = carry;
    for (int s = 1; s <= p.betDraws; ++s) {
        const int64_t m = find(unit, cum);
        if (m == 0) {
            plan.tooLarge = true;
            return plan;
        }
        const PlanStep step = makeStep(s, m, unit, cum, p.prize);
        plan.steps.push_back(step);
        cum = step.total;
        if (step.stake <= p.singleMax && step.total <= p.totalMax) plan.affordable = s;
    }
    return plan;
}

} // namespace

Plan makePlan(const ReplayParams &p, int64_t carry) {
    return buildPlan(p, carry, [&](int64_t unit, int64_t cum) { return smallestMultiple(p, unit, cum); });
}

Plan makePlanByCounting(const ReplayParams &p, int64_t carry) {
    return buildPlan(p, carry, [&](int64_t unit, int64_t cum) -> int64_t {
        for (int64_t m = 1; m <= MaxMultiple; ++m) {
            const int64_t total = cum + m * unit;
            const int64_t net = m * p.prize - total;
            if (Wide(net) * 100 / total >= p.profitRate) return m;
        }
        return 0;
    });
}

std::string replayAbortMessage(ReplayAbort abort) {
    switch (abort) {
    case ReplayAbort::FirstStepUnaffordable:
        return "第一天投入已经超出中奖金额，无法投注！";
    case ReplayAbort::MultipleTooLarge:
        return "所需倍数太大，无法投注！";
    case ReplayAbort::None:
        break;
    }
    return {};
}

int64_t replaySurplus(const std::vector<RunRecord> &records, bool carryLoss) {
    int64_t sum = 0;
    for (size_t k = 0; k < records.size(); ++k) {
        const RunRecord &r = records[k];
        const bool carriedOn = carryLoss && r.loss && !r.cutShort && k + 1 < records.size();
        if (!carriedOn) sum += r.values.net;
    }
    return sum;
}

namespace {

struct RecordSink {
    std::vector<RunRecord> records;
    void add(const RunRecord &r) { records.push_back(r); }
};

// replaySurplus() kept as the records come: a full loss waits until the next record
// shows whether it was carried on.
struct SurplusSink {
    bool carryLoss = true;
    int64_t sum = 0;
    int64_t pending = 0;
    void add(const RunRecord &r) {
        pending = 0;
        if (carryLoss && r.loss && !r.cutShort)
            pending = r.values.net;
        else
            sum += r.values.net;
    }
    int64_t result() const { return sum + pending; }
};

} // namespace

ReplayTrack::ReplayTrack(const HitColumn &hits) : rows_(static_cast<int>(hits.size())) {
    nextWin_.assign(static_cast<size_t>(rows_) + 2, rows_ + 1);
    for (int r = rows_; r >= 1; --r) nextWin_[r] = hits[r - 1].omission == 0 ? r : nextWin_[r + 1];
    winRank_.assign(static_cast<size_t>(rows_) + 2, -1);
    for (int r = nextWin_[1]; r <= rows_; r = nextWin_[r + 1]) {
        winRank_[r] = static_cast<int32_t>(wins_.size());
        wins_.push_back(r);
    }
}

const std::vector<int32_t> &ReplayTrack::quietEnds(int waitDraws) const {
    const auto W = static_cast<size_t>(waitDraws);
    std::call_once(quietMade_.at(W), [&] {
        std::vector<int32_t> &ends = quietEnds_[W];
        ends.resize(wins_.size());
        for (size_t k = wins_.size(); k-- > 0;) {
            const int v = wins_[k];
            const bool last = k + 1 == wins_.size();
            ends[k] = last || wins_[k + 1] - v > waitDraws ? v + waitDraws : ends[k + 1];
        }
    });
    return quietEnds_[W];
}

const ReplayTrack::Observation &ReplayTrack::observation(int observeGap) const {
    const auto T = static_cast<size_t>(observeGap);
    std::call_once(observationMade_.at(T), [&] {
        Observation &o = observations_[T];
        const size_t K = wins_.size();
        std::vector<int32_t> run(K); // counted gaps in a row ending at place k
        for (size_t k = 0; k < K; ++k) {
            const bool counted = wins_[k] - (k ? wins_[k - 1] : 0) >= observeGap;
            run[k] = counted ? (k ? run[k - 1] : 0) + 1 : 0;
        }
        o.nextShort.assign(K + 1, int32_t(K));
        for (size_t k = K; k-- > 0;) o.nextShort[k] = run[k] == 0 ? int32_t(k) : o.nextShort[k + 1];
        for (size_t r = 0; r < o.runEnds.size(); ++r) {
            std::vector<int32_t> &ends = o.runEnds[r];
            ends.assign(K + 1, int32_t(K));
            for (size_t k = K; k-- > 0;) ends[k] = run[k] >= int32_t(r + 1) ? int32_t(k) : ends[k + 1];
        }
    });
    return observations_[T];
}

const Plan &PlanChain::extend(size_t depth) {
    while (plans_.size() <= depth)
        plans_.push_back(
            makePlan(params_, plans_.empty() ? 0 : plans_.back().steps[size_t(params_.betDraws) - 1].total));
    return plans_[depth];
}

template <class Sink> ReplayAbort ReplayTrack::walk(const ReplayParams &p, PlanChain &chain, Sink &sink) const {
    const int n = rows_, L = p.betDraws;
    const int32_t *quiet = p.waitDraws > 0 ? quietEnds(p.waitDraws).data() : nullptr;
    const Observation &observed = observation(p.observeGap);
    size_t depth = 0, count = 0;
    int w = 0, g = 0;
    for (;;) {
        const Plan &plan = chain.at(depth);
        if (plan.tooLarge) return ReplayAbort::MultipleTooLarge;
        if (plan.affordable == 0) return ReplayAbort::FirstStepUnaffordable;
        const int a = plan.affordable;
        if (g < p.observeRuns) { // wait for R counted gaps in a row, from the win w (or row 0)
            const size_t k = w == 0 ? 0 : size_t(winRank_[w]) + 1;
            const size_t shortGap = size_t(observed.nextShort[k]);
            size_t end = k + size_t(p.observeRuns - g) - 1; // unless a short gap comes first
            if (end >= shortGap) end = size_t(observed.runEnds[size_t(p.observeRuns) - 1][shortGap]);
            if (end >= wins_.size()) return ReplayAbort::None;
            w = wins_[end];
            g = p.observeRuns;
        }
        if (p.waitDraws > 0) { // let W quiet draws pass
            w = quiet[winRank_[w]];
            if (w > n) return ReplayAbort::None;
        }
        const int next = nextWin_[w + 1];
        const int s = next - w; // past the last row when no win comes
        if (s <= a) {
            if (next > n) return ReplayAbort::None;
            sink.add(RunRecord{plan.steps[s - 1], false, false});
            w = next;
            g = 0;
            depth = 0;
        } else {
            RunRecord r{plan.steps[a - 1], true, a < L};
            r.values.net = -r.values.total;
            sink.add(r);
            w += s;
            depth = p.carryLoss && !r.cutShort ? depth + 1 : 0;
        }
        if (w >= n || ++count >= MaxRunRecords) return ReplayAbort::None;
    }
}

ReplayResult ReplayTrack::replay(const ReplayParams &params) const {
    checkReplayParams(params);
    RecordSink sink;
    ReplayResult result;
    PlanChain plans(params);
    result.abort = walk(params, plans, sink);
    result.records = std::move(sink.records);
    result.surplus = replaySurplus(result.records, params.carryLoss);
    return result;
}

int64_t ReplayTrack::surplus(const ReplayParams &params) const {
    PlanChain plans(params);
    return surplus(params, plans);
}

int64_t ReplayTrack::surplus(const ReplayParams &params, PlanChain &plans) const {
    checkReplayParams(params);
    SurplusSink sink;
    sink.carryLoss = params.carryLoss;
    walk(params, plans, sink);
    return sink.result();
}

ReplayResult replayStrategy(const HitColumn &hits, const ReplayParams &params) {
    return ReplayTrack(hits).replay(params);
}

} // namespace corvel
