#include "planning/plans.h"

#include "core/usererror.h"

#include <algorithm>
#include <limits>

namespace corvel {

namespace {

using Wide = __int128;

int64_t fit(Wide v) {
    if (v < std::numeric_limits<int64_t>::min() || v > std::numeric_limits<int64_t>::max())
        throw UserError(valueOutOfRangeMessage());
    return static_cast<int64_t>(v);
}

Wide floorDiv(Wide b, Wide a) {
    Wide q = b / a;
    if (b % a != 0 && ((b < 0) != (a < 0))) --q;
    return q;
}

Wide ceilDiv(Wide b, Wide a) { return -floorDiv(-b, a); }

// The multiples m in [1, MaxPlanMultiple] that satisfy m × gain ≥ need narrowed to
// [lo, hi]. The net profit m × W − (T + m × c) is linear in m, so every condition is a
// bound on one side; the first multiple that meets them all is the lower bound.
struct MultipleRange {
    Wide lo = 1;
    Wide hi = MaxPlanMultiple;

    void require(Wide gain, Wide need) {
        if (gain > 0)
            lo = std::max(lo, ceilDiv(need, gain));
        else if (gain < 0)
            hi = std::min(hi, floorDiv(need, gain));
        else if (need > 0)
            hi = 0;
    }
    int64_t first() const {
        if (lo > hi) throw UserError(multipleTooLargeMessage());
        return static_cast<int64_t>(lo);
    }
};

// Row of one period at multiple m: stake m × unit, starting from the total spent `spent`.
PlanRow planRow(int64_t period, int64_t m, int64_t unit, int64_t prize, int64_t spent) {
    const int64_t stake = fit(Wide(m) * unit);
    const int64_t total = fit(Wide(spent) + stake);
    const int64_t win = fit(Wide(m) * prize);
    const int64_t net = fit(Wide(win) - total);
    return {period, m, stake, total, win, net, profitRate(net, total)};
}

// Cuts the periods into stages of `length` and gives each stage the first multiple that
// keeps every one of its periods at or above the wanted profit.
std::vector<PlanRow> planByStages(const PlanInputs &in, int64_t length) {
    std::vector<PlanRow> rows;
    rows.reserve(static_cast<size_t>(in.days));
    int64_t spent = in.prekui;
    for (int64_t start = 0; start < in.days; start += length) {
        const int64_t count = std::min(length, in.days - start);
        MultipleRange range;
        const Wide need = Wide(in.lirun) + spent;
        for (int64_t q = 1; q <= count; ++q) range.require(Wide(in.outofsin) - Wide(q) * in.inofsin, need);
        const int64_t m = range.first();
        for (int64_t q = 0; q < count; ++q) {
            rows.push_back(planRow(start + q + 1, m, in.inofsin, in.outofsin, spent));
            spent = rows.back()[3];
        }
    }
    return rows;
}

} // namespace

std::string multipleTooLargeMessage() { return "所需倍数太大，无法投注！"; }
std::string planFullMessage(int64_t days) { return "投资期限已满" + std::to_string(days) + "天!"; }
std::string periodsNotPositiveMessage() { return "投注期数必须大于0！"; }
std::string periodsTooManyMessage() { return "投注期数不能超过" + std::to_string(MaxPlanPeriods) + "！"; }
std::string stagesNotPositiveMessage() { return "阶段次数必须大于0！"; }
std::string periodsBelowAddedMessage(int64_t added) {
    return "投注期数不能少于已添加的" + std::to_string(added) + "期！";
}
std::string valueOutOfRangeMessage() { return "数值太大，超出计算范围！"; }
std::string unitCostNotPositiveMessage() { return "单倍投入必须大于0！"; }
std::string betsNotPositiveMessage() { return "本期注数必须大于0！"; }

int64_t profitRate(int64_t net, int64_t total) {
    if (total == 0) return 0;
    return fit(Wide(net) * 100 / total);
}

int64_t stageLength(int64_t days, int64_t stages) {
    if (days <= 0) throw UserError(periodsNotPositiveMessage());
    if (stages <= 0) throw UserError(stagesNotPositiveMessage());
    return days / stages + (days % stages != 0 ? 1 : 0);
}

void checkPlanPeriods(int64_t days) {
    if (days <= 0) throw UserError(periodsNotPositiveMessage());
    if (days > MaxPlanPeriods) throw UserError(periodsTooManyMessage());
}

std::vector<PlanRow> fixedPlan(const PlanInputs &in) {
    checkPlanPeriods(in.days);
    if (in.inofsin <= 0) throw UserError(unitCostNotPositiveMessage());
    return planByStages(in, 1);
}

std::vector<PlanRow> stagePlan(const StagePlanInputs &in) {
    checkPlanPeriods(in.days);
    if (in.inofsin <= 0) throw UserError(unitCostNotPositiveMessage());
    return planByStages(in, stageLength(in.days, in.jieduan));
}

int64_t averageNet(const std::vector<PlanRow> &rows, int64_t periods) {
    if (periods <= 0) return 0;
    Wide sum = 0;
    const size_t used = std::min(rows.size(), static_cast<size_t>(periods));
    for (size_t r = 0; r < used; ++r) sum += rows[r][PlanNetColumn];
    return static_cast<int64_t>(sum / periods);
}

int64_t averageNet(const std::vector<VariableRow> &rows) {
    if (rows.empty()) return 0;
    Wide sum = 0;
    for (const VariableRow &r : rows) sum += r[VariableNetColumn];
    return static_cast<int64_t>(sum / static_cast<Wide>(rows.size()));
}

void checkVariableRoom(size_t added, int64_t days) {
    if (days <= 0) throw UserError(periodsNotPositiveMessage());
    if (static_cast<uint64_t>(days) < added) throw UserError(periodsBelowAddedMessage(static_cast<int64_t>(added)));
    if (static_cast<uint64_t>(days) == added) throw UserError(planFullMessage(days));
}

VariableRow nextVariableRow(const std::vector<VariableRow> &rows, const VariablePlanInputs &in) {
    checkVariableRoom(rows.size(), in.days);
    if (in.jushu <= 0) throw UserError(betsNotPositiveMessage());
    const int64_t spent = rows.empty() ? in.prekui : rows.back()[VariableTotalColumn];
    const int64_t unit = fit(Wide(in.jushu) * BetPrice);
    MultipleRange range;
    range.require(Wide(in.outofsin) - unit, Wide(in.lirun) + spent);
    const int64_t period = static_cast<int64_t>(rows.size()) + 1;
    const PlanRow r = planRow(period, range.first(), unit, in.outofsin, spent);
    return {r[0], r[1], in.jushu, r[2], r[3], r[4], r[5], r[6]};
}

} // namespace corvel
