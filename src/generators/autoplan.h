#pragma once
// Automatic two- and three-digit plans: issue by issue the user types the draw, the plan
// bets on the parity (奇/偶) or size (大/小) classes of two or all three positions of the
// next draw and lists the direct numbers that fit, until a draw fits the bet.

#include "core/numberlist.h"

#include <string>
#include <vector>

namespace corvel {

enum class PlanMode { Parity = 0, Size = 1 }; // "奇偶模式", "大小模式"
enum class PlanState { Empty, Running, Ended };
enum class PlanKind { TwoDigit, ThreeDigit };

// "未开始", "进行中", "已结束".
std::string planStateName(PlanState state);
// "奇偶模式", "大小模式".
std::string planModeName(PlanMode mode);

// The class word of a digit: "奇"/"偶" (odd/even) or "大"/"小" (5–9/0–4).
std::string digitClass(PlanMode mode, int digit);

// A typed draw: exactly three characters '0'–'9'; anything else is refused with
// "请输入三位数字".
Number readPlanDraw(const std::string &text);

struct AutoPlanRow {
    std::string draw; // the draw typed, three digits
    std::string bet;  // e.g. "百十位奇偶", "百十个位奇偶奇"
};

enum class StepOutcome {
    Added, // a row was added and the bet list is the new bet's
    Won,   // the draw fits the last bet: the plan has ended, nothing was added
};

// The plan of one window. The bet list is that of the last row's bet (it stays after a
// win); an empty plan has none.
class AutoPlan {
public:
    explicit AutoPlan(PlanKind kind) : kind_(kind) {}

    PlanKind kind() const { return kind_; }
    PlanState state() const;
    const std::vector<AutoPlanRow> &rows() const { return rows_; }
    NumberList betList() const;

    // "开始新计划".
    void restart();
    // One step, "生成二码" (`second` unused) or "生成三码". Throws UserError
    // ("请输入三位数字") for a bad draw text and leaves the plan unchanged; a step of an
    // ended plan is refused likewise.
    StepOutcome step(PlanMode mode, const std::string &latest, const std::string &second = {});

    // The plan file of "保存计划"/"载入计划": a title line naming the window's plan, the
    // mode, the state, then one line per row. Reading refuses a damaged file with a
    // message naming its line.
    std::vector<std::string> write(PlanMode mode) const;
    struct Loaded;
    static Loaded read(PlanKind kind, const std::vector<std::string> &lines);

private:
    StepOutcome stepTwo(PlanMode mode, const Number &latest);
    StepOutcome stepThree(PlanMode mode, const Number &latest, const Number &second);

    PlanKind kind_;
    std::vector<AutoPlanRow> rows_;
    bool ended_ = false;
};

struct AutoPlan::Loaded {
    AutoPlan plan;
    PlanMode mode;
};

// The direct numbers a bet description covers: 250 for two positions, 125 for three.
NumberList betNumbers(const std::string &bet);
// True when the text is a bet description of the kind's form.
bool isBetDescription(PlanKind kind, const std::string &bet);

// "第N期".
std::string planIssueText(size_t rowNumber);

} // namespace corvel
