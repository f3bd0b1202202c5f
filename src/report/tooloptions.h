#pragma once
// The command-line options of the list tools, read once for both the tool's own command
// and `backtest TOOL`. Each function takes its options out of `args` (what is left is the
// positional arguments) and converts them as the tool's window converts its edits.

#include "filters/omission.h"
#include "generators/follow.h"
#include "generators/intersect.h"
#include "generators/stablebase.h"
#include "report/report.h"

#include <cstdint>
#include <string>
#include <utility>

namespace corvel::report {

// "--name LO HI": both values as texts (removed from args), or the fallbacks.
std::pair<std::string, std::string> takePair(Args &args, const std::string &name, const std::string &low,
                                             const std::string &high);
// "--name LO HI" as integers (standard conversion message), or the fallback pair.
std::pair<int, int> takeRange(Args &args, const std::string &name, std::pair<int, int> fallback);

// total CONDITIONS.txt [--list LIST.txt] [--to-group]
struct TotalOptions {
    std::string listPath; // empty: no list loaded
    bool toGroup = false;
};
TotalOptions takeTotalOptions(Args &args);
// The total filter's kept numbers for a condition file: direct numbers ascending, or with
// `toGroup` the group numbers of "直转组".
NumberList totalFilterResult(const std::string &conditionsPath, const TotalOptions &options);

// cold [--kind 0|1|2|3] [--count N]
struct ColdOptions {
    int kind = 0;
    int64_t count = 450;
};
ColdOptions takeColdOptions(Args &args);
// The kind of the radio group's item; "列表索引越界" outside 0..3.
BetKind coldKind(int kindIndex);

// omission [--level1 LO HI] [--level2 LO HI] [--tolerance LO HI] [--no-level1] [--no-level2]
OmissionTexts takeOmissionOptions(Args &args);

// follow [--direct] [--width 1|2|3] [--position 1|2|3] [--ordered] [--interval B] [--follow F]
// [--include-draw] [--exclude M] [--danma TEXT] [--hits LO HI]. The texts "统计" and "过滤"
// read are kept as texts: each window reads them when its button is pressed.
struct FollowOptions {
    FollowKind kind = FollowKind::Group;
    FollowSettings statistics; // all but the follow count
    std::string followCount = "2";
    std::string excludeCount = "20";
    std::string danma;
    std::string low = "1", high = "3";
    FilterSettings filter() const;
};
FollowOptions takeFollowOptions(Args &args);

// intersect FILE... [--group] [--six LO HI] [--three LO HI] [--recent Y]
struct IntersectOptions {
    IntersectSettings settings; // kind and ranges; the recent draws are set by applyRecent
    std::string recent;         // empty: "排除最近开奖号码" not ticked
    void applyRecent();
};
IntersectOptions takeIntersectOptions(Args &args);
// The lists of the files counted; refuses more than MaxListFiles files.
ListCounter countFiles(const Args &paths);

// stable [--lists K] [--stages S] [--misses M] [--counter C]
struct StableOptions {
    StableSettings settings;
    int64_t counter = 1;
    uint32_t checkedCounter() const; // refuses a counter outside 0 … 4294967295
};
StableOptions takeStableOptions(Args &args);

} // namespace corvel::report
