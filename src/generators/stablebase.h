#pragma once
// "临界选号超稳大底": random lists of 100 direct numbers whose misses in each of the last few
// stages of the history sit exactly at a critical count, and the union of several such
// lists. The lists come from the program's generator seeded with an attempt counter, so
// the same counter gives the same lists.

#include "core/numberlist.h"
#include "core/u_public.h"
#include "generators/danma.h"

#include <atomic>
#include <cstdint>
#include <utility>
#include <vector>

namespace corvel {

constexpr int MaxStableLists = 20;
constexpr int MaxStableStages = 5;
constexpr int StableListSize = 100;
// Draws of a stage: stage 1 covers the 119 draws before the issue, every later stage the
// 120 before the previous one.
constexpr int StableStageDraws = 120;
// Attempts one list may take before the search gives up.
constexpr int64_t MaxStableAttempts = 100000;
// The seed counter starts again at 1 once a run has brought it to this value.
constexpr uint32_t StableCounterLimit = 100000;

struct StableSettings {
    int lists = 4;    // K, "大底数"
    int stages = 2;   // S, "阶段数"
    int misses = 109; // M, "每阶段次数"
    int index = 0;    // u: the position, DrawCount for the next issue
};

// Draw offsets back from the issue covered by stage s (1-based): {first, last}.
std::pair<int, int> stableStage(int stage);

// Throws UserError for K not 1..20, S not 1..5, M not 0..120, or an issue whose history
// does not hold the S stages.
void checkStableSettings(const StableSettings &settings, size_t drawCount);

// Draws of stage s before `index` whose number is not in the list.
int stageMisses(const DrawTable &draws, int index, int stage, const std::vector<bool> &inList);

// The 100 numbers of the attempt with seed `seed`, in drawing order.
NumberList stableCandidateList(uint32_t seed);

struct StableResult {
    std::vector<NumberList> lists; // the accepted lists, in drawing order each
    NumberList unionList;          // every number of any list, ascending
    int64_t attempts = 0;
    bool stopped = false; // the stop flag ended the run; `lists` holds those done
};

// Runs "过滤": for list g = 1 … K repeats attempts (counter + 1, seed = counter) until
// stage 1 misses M − 1 or M draws and every later stage exactly M. `counter` is the
// window's seed counter, carried over; after the run it starts again at 1 when it has
// reached 100000. `progress` gets every accepted list, `stop` is read before every
// attempt. Throws UserError when a list is not found within MaxStableAttempts attempts.
StableResult stableBaseList(const DrawTable &draws, const StableSettings &settings, uint32_t &counter,
                            const StepProgress &progress = {}, const std::atomic<bool> *stop = nullptr);

} // namespace corvel
