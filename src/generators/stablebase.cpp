#include "generators/stablebase.h"

#include "core/random.h"
#include "core/usererror.h"

#include <algorithm>
#include <array>

namespace corvel {

namespace {

int drawValue(const DrawRow &d) { return (d[1] % 10) * 100 + (d[2] % 10) * 10 + d[3] % 10; }

// Draws the list of one attempt into `inList` (cleared first) and `order`.
void drawList(uint32_t seed, std::array<bool, 1000> &inList, std::array<int, StableListSize> &order) {
    inList.fill(false);
    Lcg random(seed);
    for (int &value : order) {
        do {
            value = static_cast<int>(random.next(1000));
        } while (inList[size_t(value)]);
        inList[size_t(value)] = true;
    }
}

} // namespace

std::pair<int, int> stableStage(int stage) {
    if (stage <= 1) return {1, StableStageDraws - 1};
    return {StableStageDraws * (stage - 1), StableStageDraws * stage - 1};
}

void checkStableSettings(const StableSettings &s, size_t drawCount) {
    if (s.lists < 1 || s.lists > MaxStableLists) throw UserError("大底数必须在1到20之间！");
    if (s.stages < 1 || s.stages > MaxStableStages) throw UserError("阶段数必须在1到5之间！");
    if (s.misses < 0 || s.misses > StableStageDraws) throw UserError("每阶段次数必须在0到120之间！");
    if (s.index < 0 || size_t(s.index) > drawCount) throw UserError("目前预测期不在开奖号码之内！");
    const int needed = stableStage(s.stages).second;
    if (s.index < needed)
        throw UserError("目前预测期之前只有" + std::to_string(s.index) + "期开奖号码，" + std::to_string(s.stages) +
                        "个阶段至少需要" + std::to_string(needed) + "期！");
}

int stageMisses(const DrawTable &draws, int index, int stage, const std::vector<bool> &inList) {
    const auto [first, last] = stableStage(stage);
    int misses = 0;
    for (int offset = first; offset <= last; ++offset) {
        const int j = index - offset;
        if (j < 0 || size_t(j) >= draws.size()) continue;
        if (!inList[size_t(drawValue(draws[size_t(j)]))]) ++misses;
    }
    return misses;
}

NumberList stableCandidateList(uint32_t seed) {
    std::array<bool, 1000> inList{};
    std::array<int, StableListSize> order{};
    drawList(seed, inList, order);
    NumberList out;
    for (int v : order) out.push_back(numberFromValue(v));
    return out;
}

StableResult stableBaseList(const DrawTable &draws, const StableSettings &s, uint32_t &counter,
                            const StepProgress &progress, const std::atomic<bool> *stop) {
    checkStableSettings(s, draws.size());
    // The numbers of every stage's draws, so an attempt only looks them up.
    std::vector<std::vector<int>> stageValues(size_t(s.stages));
    for (int stage = 1; stage <= s.stages; ++stage) {
        const auto [first, last] = stableStage(stage);
        for (int offset = first; offset <= last; ++offset)
            stageValues[size_t(stage - 1)].push_back(drawValue(draws[size_t(s.index - offset)]));
    }
    const auto passes = [&](const std::array<bool, 1000> &inList) {
        for (int stage = 1; stage <= s.stages; ++stage) {
            int misses = 0;
            for (int value : stageValues[size_t(stage - 1)]) misses += !inList[size_t(value)];
            const bool ok = stage == 1 ? (misses == s.misses - 1 || misses == s.misses) : misses == s.misses;
            if (!ok) return false;
        }
        return true;
    };

    StableResult result;
    std::array<bool, 1000> inList{};
    std::array<bool, 1000> inUnion{};
    std::array<int, StableListSize> order{};
    for (int g = 1; g <= s.lists && !result.stopped; ++g) {
        for (int64_t attempt = 1;; ++attempt) {
            if (stop && stop->load(std::memory_order_relaxed)) {
                result.stopped = true;
                break;
            }
            if (attempt > MaxStableAttempts) {
                if (counter >= StableCounterLimit) counter = 1;
                throw UserError("已尝试" + std::to_string(MaxStableAttempts) + "次仍找不到第" + std::to_string(g) +
                                "个符合条件的大底，请更改每阶段次数或阶段数！");
            }
            ++counter;
            ++result.attempts;
            drawList(counter, inList, order);
            if (!passes(inList)) continue;
            NumberList list;
            for (int v : order) {
                list.push_back(numberFromValue(v));
                inUnion[size_t(v)] = true;
            }
            result.lists.push_back(std::move(list));
            if (progress) progress(g);
            break;
        }
    }
    for (int v = 0; v < 1000; ++v)
        if (inUnion[size_t(v)]) result.unionList.push_back(numberFromValue(v));
    if (counter >= StableCounterLimit) counter = 1;
    return result;
}

} // namespace corvel
