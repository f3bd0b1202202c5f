#pragma once
// "无穷跟随反转胆码选号": danma groups (small sets of must-contain digits) found by a random
// search over a transformed copy of the draw history, and the base list ("大底") of the
// numbers that miss only an allowed count of those groups.

#include "core/numberlist.h"
#include "core/random.h"
#include "core/u_public.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace corvel {

constexpr int MaxDanmaGroups = 100;
constexpr int MinDanmaDigits = 1;
constexpr int MaxDanmaDigits = 8;
constexpr int MaxDanmaDraws = 5;
// Attempts one group may take before the search gives up: far more than any condition
// a draw history can meet needs, few enough to end within a second.
constexpr int64_t MaxDanmaAttempts = 200000;

// Progress of a long run: the step just finished (1-based).
using StepProgress = std::function<void(int step)>;

struct DanmaSettings {
    int groups = 10;      // K, "胆码组数"
    int digits = 3;       // n, "胆码个数"
    int draws = 1;        // Y, "连续期数"
    bool reverse = false; // "反向连续" instead of "正向连续"
    int index = 0;        // u: the chosen issue's position, DrawCount for the next issue
};

// Throws UserError when the search cannot succeed: K not 1..100 or above 10 choose n, n
// not 1..8, Y not 1..5 or above the draws before the chosen issue, u outside the history.
void checkDanmaSettings(const DanmaSettings &settings, size_t drawCount);

struct DanmaResult {
    std::vector<std::string> groups; // ascending digit strings ("037"), in the order found
    bool stopped = false;            // the stop flag ended the run; `groups` holds those done
};

// Generates the groups. For every group it repeats attempts, each with a new digit
// permutation: n distinct random digits are tested on the transformed draws u − 1 … u − Y
// (forward: every draw holds one of them; reverse: none does), mapped back to the digit
// space of issue u and kept unless an earlier group is the same. `progress` gets every
// finished group; `stop` is read before every attempt. Throws UserError (after
// checkDanmaSettings) when a group is not found within MaxDanmaAttempts attempts.
DanmaResult generateDanma(const DrawTable &draws, const DanmaSettings &settings, Lcg &random,
                          const StepProgress &progress = {}, const std::atomic<bool> *stop = nullptr);

// Groups that share a digit with the draw at `index`; -1 for the next issue (no draw).
int danmaHits(const DrawTable &draws, int index, const std::vector<std::string> &groups);
// "中出情况：", followed by K text + "中" + hits for a past issue.
std::string danmaHitText(const DrawTable &draws, int index, const std::string &groupCountText,
                         const std::vector<std::string> &groups);

// Allowed miss ranges of the base list: numbers with three different digits ("组六") and
// numbers with a repeated digit ("组三", leopards included).
struct MissRanges {
    int sixLow = 0;
    int sixHigh = 8;
    int threeLow = 1;
    int threeHigh = 9;
};

// Every direct number, ascending, whose misses (groups without any of its digits) lie in
// the range of its form. Throws UserError("请先生成胆码！") without groups.
NumberList danmaBaseList(const std::vector<std::string> &groups, const MissRanges &ranges);

// The danma file: one line per group, its digits followed by "=1-3".
std::vector<std::string> writeDanmaFile(const std::vector<std::string> &groups);
// Reads a danma file: every non-empty line is a digit string, optionally followed by
// "=" and anything. Throws UserError naming the first line that is not.
std::vector<std::string> readDanmaFile(const std::vector<std::string> &lines);

// The seven preset plans of "选择方案：".
struct DanmaPlan {
    const char *caption;
    int baseLists; // "一键全部大底" count V
    int digits;    // n
    int groups;    // K
    int draws;     // Y
    MissRanges ranges;
    // Tolerances written into the base list intersection window.
    int intersectSixLow, intersectSixHigh, intersectThreeLow, intersectThreeHigh;
};
const std::vector<DanmaPlan> &danmaPlans();

} // namespace corvel
