#pragma once
// The investment mode analysis: a bet list drawn at random, the draws the list would
// have won, the spacing of those wins, and the replay of a betting strategy over the
// history (wait for a pattern of wins, let some draws pass, then bet for a bounded run
// with rising multiples). Money is whole yuan in 64-bit integers.

#include "core/numberlist.h"
#include "core/random.h"
#include "core/u_public.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace corvel {

// ---- Bet kinds -------------------------------------------------------------------

// The kind of item index 0..3; throws UserError("列表索引越界 (i)") otherwise.
BetKind betKindFromIndex(int64_t index);
// Throws UserError("请请输入1到1000的直选注数！" …) when `count` is not 1..limit.
void checkBetCount(BetKind kind, int64_t count);

// ---- Random list -----------------------------------------------------------------

// `count` different numbers of the kind, sorted ascending by value. Group kinds hold
// their digits in ascending order; "全组选" has no leopards, "组选3" exactly two equal
// digits, "组选6" three different digits. Throws UserError when count is out of range.
NumberList makeRandomList(BetKind kind, int64_t count, Lcg &random);

// ---- Hit column and interval statistics -------------------------------------------

// True when the list wins the draw: "直选" needs the digits in order, the group kinds
// the same three digits in any order.
bool listWinsDraw(BetKind kind, const NumberList &list, const Number &draw);

struct HitRow {
    int64_t issue = 0;
    // 0 for a won draw, otherwise the draws since the last win (index − last win index,
    // the last win being −1 before the first).
    int32_t omission = 0;
};
using HitColumn = std::vector<HitRow>;

// One row per draw of `draws` (digits in columns 1..3). The issue of row i is
// issues[i] when given, else draws[i][0].
HitColumn buildHitColumn(const DrawTable &draws, const std::vector<int64_t> &issues, BetKind kind,
                         const NumberList &list);

struct IntervalStat {
    int32_t interval = 0; // v: gaps of at least v count
    int32_t run = 0;      // r: that many counted gaps in a row
    int32_t count = 0;    // how often such a run ended
};
// The runs of win gaps of at least v, for v = 1 … largest omission + 1. Empty when the
// list wins no draw.
std::vector<IntervalStat> intervalStats(const HitColumn &hits);

// ---- Strategy replay ----------------------------------------------------------------

constexpr int64_t MaxMultiple = 100000;
constexpr size_t MaxRunRecords = 10000;
// Largest prize of one bet the replay accepts; keeps every sum well inside 64 bits.
constexpr int64_t MaxPrize = 1000000000;

struct ReplayParams {
    int64_t betCount = 100;      // J, bets per single multiple (every bet costs 2)
    int64_t prize = 1000;        // prize of one winning bet at multiple 1
    int64_t profitRate = 10;     // p, required profit rate of every step, percent
    int64_t singleMax = 1000000; // largest stake of one draw
    int64_t totalMax = 1000000;  // largest cumulative stake of one run
    int observeGap = 1;          // T: a win gap counts when it is at least T (1..100)
    int observeRuns = 1;         // R: counted gaps needed in a row (1..10)
    int waitDraws = 0;           // W: draws to let pass after the pattern (0..50)
    int betDraws = 1;            // L: longest betting run (1..50)
    bool carryLoss = true;       // carry a full run's loss into the next run
};

// Throws UserError when a parameter is outside what the window offers.
void checkReplayParams(const ReplayParams &params);

struct PlanStep {
    int64_t step = 0;
    int64_t multiple = 0;
    int64_t stake = 0; // multiple × 2 × J
    int64_t total = 0; // carried loss + every stake up to this step
    int64_t prize = 0; // multiple × prize of one bet
    int64_t net = 0;   // prize − total
    int64_t rate = 0;  // net × 100 / total, truncated toward zero
};

struct Plan {
    std::vector<PlanStep> steps; // the steps computed (all L unless `tooLarge`)
    int affordable = 0;          // A: last step within both stake limits (0 = none)
    bool tooLarge = false;       // some step needs a multiple beyond MaxMultiple
};

// The plan of one run for `carry` already lost: each step takes the smallest multiple
// 1..100000 whose win earns at least the profit rate on everything staked.
Plan makePlan(const ReplayParams &params, int64_t carry);

struct RunRecord {
    PlanStep values;       // the plan step at which the run ended (net = −total for a loss)
    bool loss = false;     // the run ended without a win
    bool cutShort = false; // a loss that stopped at the affordable length before L
};

enum class ReplayAbort { None, FirstStepUnaffordable, MultipleTooLarge };
// "第一天投入已经超出中奖金额，无法投注！", "所需倍数太大，无法投注！", or empty.
std::string replayAbortMessage(ReplayAbort abort);

struct ReplayResult {
    std::vector<RunRecord> records; // at most MaxRunRecords
    int64_t surplus = 0;
    ReplayAbort abort = ReplayAbort::None;
};

// The overall surplus of a list of records: every net counts, except a full loss whose
// total was carried into the following run (that run's net pays it).
int64_t replaySurplus(const std::vector<RunRecord> &records, bool carryLoss);

// The plans of a run by the number of full losses carried into it (0: nothing carried),
// made as a walk first needs them. They depend on every parameter but T, R and W, so
// replays that differ only in those can share one chain (one thread at a time).
class PlanChain {
public:
    explicit PlanChain(const ReplayParams &params) : params_(params) {}
    const Plan &at(size_t depth) { return depth < plans_.size() ? plans_[depth] : extend(depth); }

private:
    const Plan &extend(size_t depth);
    ReplayParams params_;
    std::vector<Plan> plans_;
};

// The strategy walk over a hit column, prepared once for many replays (the search
// replays the same column thousands of times). Thread-safe for concurrent replays.
class ReplayTrack {
public:
    explicit ReplayTrack(const HitColumn &hits);
    int rows() const { return rows_; }

    ReplayResult replay(const ReplayParams &params) const;
    // The surplus of replay(params) without keeping the records; `plans` is the chain of
    // the parameters' plans, kept between calls.
    int64_t surplus(const ReplayParams &params) const;
    int64_t surplus(const ReplayParams &params, PlanChain &plans) const;

private:
    template <class Sink> ReplayAbort walk(const ReplayParams &params, PlanChain &plans, Sink &sink) const;
    const std::vector<int32_t> &quietEnds(int waitDraws) const;
    int rows_ = 0;
    // nextWin_[r]: the first won row ≥ r (rows 1 … N), N + 1 when none; r = 1 … N + 1.
    std::vector<int32_t> nextWin_;
    // The won rows in order, and winRank_[v]: the won row v's place among them.
    std::vector<int32_t> wins_;
    std::vector<int32_t> winRank_;
    // quietEnds_[W][winRank_[v]] for a won row v: u + W, u the first won row ≥ v followed by
    // more than W draws without a win (or by no further win). Made on first use of each W.
    mutable std::array<std::once_flag, 51> quietMade_;
    mutable std::array<std::vector<int32_t>, 51> quietEnds_;
    // For a gap T, by the won rows' places k (K = their count for none): the first place
    // ≥ k whose gap to the win before (row 0 before the first) is shorter than T, and for
    // each R the first place ≥ k that ends R gaps of at least T in a row. Made on first use.
    struct Observation {
        std::vector<int32_t> nextShort;
        std::array<std::vector<int32_t>, 10> runEnds;
    };
    const Observation &observation(int observeGap) const;
    mutable std::array<std::once_flag, 101> observationMade_;
    mutable std::array<Observation, 101> observations_;
};

// Replays the strategy once (checks the parameters first).
ReplayResult replayStrategy(const HitColumn &hits, const ReplayParams &params);

// The straightforward forms the fast ones are checked against: the plan counts each
// multiple up from 1, the walk moves row by row and plans every run afresh.
Plan makePlanByCounting(const ReplayParams &params, int64_t carry);
ReplayResult replayStrategyReference(const HitColumn &hits, const ReplayParams &params);

} // namespace corvel
