#pragma once
// Betting plans for a bet list: for every period the smallest multiple whose prize, if
// the period wins, covers everything spent so far plus the wanted profit. Money is in
// whole yuan, 64-bit.
//
// Three plans share the arithmetic: the fixed plan (one multiple per period), the stage
// plan (one multiple for a run of consecutive periods) and the variable plan (built one
// period at a time for a list whose size changes, at 2 yuan a bet).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace corvel {

constexpr int64_t MaxPlanMultiple = 10000;
// Upper bound of 投注期数 for the fixed and stage plans, which hold a row per period.
constexpr int64_t MaxPlanPeriods = 100000;
constexpr int64_t BetPrice = 2;

// Columns: 投注期号, 投注倍数, 当期投注, 当期总投入, 当期中奖, 当期净利润, 当期利润率(%).
using PlanRow = std::array<int64_t, 7>;
// Columns: 投注期号, 投注倍数, 当期注数, 当期投注, 当期总投入, 当期中奖, 当期净利润, 当期利润率(%).
using VariableRow = std::array<int64_t, 8>;

constexpr int PlanNetColumn = 5;
constexpr int VariableTotalColumn = 4;
constexpr int VariableNetColumn = 6;

struct PlanInputs {
    int64_t prekui = 0;      // 前期亏损 P: loss carried in, counts as money already spent
    int64_t lirun = 10;      // 预期利润 R: net profit wanted if a period wins
    int64_t inofsin = 16;    // 单倍投入 C: cost of the list at multiple 1
    int64_t outofsin = 1000; // 单注奖金 W: prize of one winning bet at multiple 1
    int64_t days = 80;       // 投注期数 N
};

struct StagePlanInputs : PlanInputs {
    int64_t jieduan = 10; // 阶段次数 S
};

struct VariablePlanInputs {
    int64_t prekui = 0;
    int64_t lirun = 10;
    int64_t inofsin = 16; // shown, saved and printed only
    int64_t outofsin = 1000;
    int64_t days = 80; // most periods the plan may have
    int64_t jushu = 8; // 本期注数 B: bets of the period being added
};

// The texts of the failures.
std::string multipleTooLargeMessage(); // "所需倍数太大，无法投注！"
std::string planFullMessage(int64_t days);
std::string periodsNotPositiveMessage();
std::string periodsTooManyMessage();
std::string stagesNotPositiveMessage();
std::string periodsBelowAddedMessage(int64_t added);
std::string valueOutOfRangeMessage();
std::string unitCostNotPositiveMessage(); // "单倍投入必须大于0！"
std::string betsNotPositiveMessage();     // "本期注数必须大于0！"

// net × 100 div total, truncated toward zero; 0 when nothing was spent (total 0).
// Throws UserError when the rate does not fit in 64 bits.
int64_t profitRate(int64_t net, int64_t total);

// The ceiling of days / stages. Both must be positive.
int64_t stageLength(int64_t days, int64_t stages);

// Throws UserError unless 1 <= days <= MaxPlanPeriods.
void checkPlanPeriods(int64_t days);

// The fixed plan: `days` rows. Throws UserError (see the messages above); a 单倍投入 of 0 or
// less is refused, since it would give stakes of nothing or negative stakes.
std::vector<PlanRow> fixedPlan(const PlanInputs &in);
// The stage plan: `days` rows, one multiple per stage of stageLength(days, jieduan) periods.
std::vector<PlanRow> stagePlan(const StagePlanInputs &in);

// Sum of 当期净利润 over `periods` rows (rows beyond `rows` count as 0) div periods,
// truncated toward zero; 0 when periods <= 0.
int64_t averageNet(const std::vector<PlanRow> &rows, int64_t periods);
// Sum of 当期净利润 over the rows div their count; 0 for no rows.
int64_t averageNet(const std::vector<VariableRow> &rows);

// Refuses another period when the plan is full, or when 投注期数 is not positive or
// lower than the periods already added.
void checkVariableRoom(size_t added, int64_t days);
// The next period of a variable plan; its starting total is the previous row's
// 当期总投入 (P for the first period). Throws UserError and leaves nothing half made; a
// 本期注数 of 0 or less is refused.
VariableRow nextVariableRow(const std::vector<VariableRow> &rows, const VariablePlanInputs &in);

} // namespace corvel
