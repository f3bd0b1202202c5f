#pragma once
// The comprehensive exclusion: up to eleven rules, each typed as a short text, kill
// direct numbers; a number stays when its kill count does not exceed the tolerance.

#include "core/numberlist.h"
#include "core/u_public.h"

#include <array>
#include <string>
#include <vector>

namespace corvel {

// The rules in the order a run evaluates them.
enum class ExclusionRule {
    Span,      // 过滤跨度
    SumTail,   // 过滤和尾
    Hundreds,  // 过滤百位
    Tens,      // 过滤十位
    Units,     // 过滤个位
    TwoDigits, // 过滤2码
    Residues,  // 过滤012
    Junk,      // 过滤垃圾
    Sum,       // 过滤和值
    Danma,     // 过滤胆码(选择)
    Recent,    // 过滤最近开奖号码
};
constexpr int ExclusionRuleCount = 11;

// The window's check boxes and edits as typed.
struct ExclusionSettings {
    std::array<bool, ExclusionRuleCount> ticked{};
    std::array<std::string, ExclusionRuleCount> texts{}; // Recent: K, preset "100"
    std::string danmaMinimum = "1";                      // 最少出号个数
    std::string tolerance = "0";                         // 容错个数

    ExclusionSettings() { texts[static_cast<size_t>(ExclusionRule::Recent)] = "100"; }
    bool isTicked(ExclusionRule r) const { return ticked[static_cast<size_t>(r)]; }
    const std::string &text(ExclusionRule r) const { return texts[static_cast<size_t>(r)]; }
};

struct ExclusionResult {
    NumberList kept;               // ascending
    std::array<int, 1000> kills{}; // kill count of every number
};

// "过滤": checks every text first (the standard conversion message for a tolerance, K,
// minimum or rule-9 piece that is not an integer; "列表索引越界 (i)" for a rule-8 item
// with fewer than three parts), then runs the ticked rules over 000 … 999.
ExclusionResult runExclusion(const DrawTable &history, const ExclusionSettings &settings);

// Condition files ("保存条件" / "载入条件"): the keys are the names of the window's
// controls, boxes "1" or "0", edits verbatim to the end of the line.
const std::vector<std::string> &exclusionConditionKeys();
// Reads a condition file over `defaults` (a key the file does not give keeps its value).
// Throws UserError naming the line of an unknown or repeated key or a bad value.
ExclusionSettings readExclusionConditions(const std::string &text, const ExclusionSettings &defaults = {});
// The file's text (UTF-8, CR LF); every key is written.
std::string writeExclusionConditions(const ExclusionSettings &settings);

// Pieces of a text split at blanks, empty pieces dropped.
std::vector<std::string> blankPieces(const std::string &text);

} // namespace corvel
