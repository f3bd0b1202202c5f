#include "generators/danma.h"

#include "core/textencoding.h"
#include "core/usererror.h"

#include <algorithm>
#include <array>

namespace corvel {

namespace {

using DigitMask = unsigned; // bit d set: digit d present

DigitMask maskOf(const std::string &digits) {
    DigitMask mask = 0;
    for (char c : digits)
        if (c >= '0' && c <= '9') mask |= 1u << (c - '0');
    return mask;
}

DigitMask maskOf(const DrawRow &draw) {
    DigitMask mask = 0;
    for (int k = 1; k <= 3; ++k)
        if (draw[size_t(k)] >= 0 && draw[size_t(k)] <= 9) mask |= 1u << draw[size_t(k)];
    return mask;
}

// `count` different digits into out[0 … count − 1], each drawn again while it equals an
// earlier one.
void distinctDigits(int *out, int count, Lcg &random) {
    for (int i = 0; i < count; ++i) {
        bool repeated = true;
        while (repeated) {
            out[i] = static_cast<int>(random.next(10));
            repeated = false;
            for (int k = 0; k < i; ++k) repeated = repeated || out[k] == out[i];
        }
    }
}

int nonNegativeMod10(int value) { return ((value % 10) + 10) % 10; }

std::string shownLine(const std::string &line) { return "“" + quotedPiece(line) + "”"; }

} // namespace

void checkDanmaSettings(const DanmaSettings &s, size_t drawCount) {
    if (s.digits < MinDanmaDigits || s.digits > MaxDanmaDigits) throw UserError("胆码个数必须在1到8之间！");
    if (s.groups < 1 || s.groups > MaxDanmaGroups) throw UserError("胆码组数必须在1到100之间！");
    const int distinct = Combinations(10, s.digits);
    if (s.groups > distinct)
        throw UserError("胆码个数为" + std::to_string(s.digits) + "时只有" + std::to_string(distinct) +
                        "组不同的胆码，胆码组数不能超过" + std::to_string(distinct) + "！");
    if (s.draws < 1 || s.draws > MaxDanmaDraws) throw UserError("连续期数必须在1到5之间！");
    if (s.index < 0 || size_t(s.index) > drawCount) throw UserError("目前投注期不在开奖号码之内！");
    if (s.draws > s.index)
        throw UserError("目前投注期之前只有" + std::to_string(s.index) + "期开奖号码，不够连续期数" +
                        std::to_string(s.draws) + "！");
}

DanmaResult generateDanma(const DrawTable &draws, const DanmaSettings &s, Lcg &random, const StepProgress &progress,
                          const std::atomic<bool> *stop) {
    checkDanmaSettings(s, draws.size());
    DanmaResult result;
    std::array<int, 10> perm{};
    std::array<int, 10> inv{};
    std::array<int, MaxDanmaDigits> chosen{};
    for (int g = 1; g <= s.groups; ++g) {
        std::string group;
        for (int64_t attempt = 1;; ++attempt) {
            if (stop && stop->load(std::memory_order_relaxed)) {
                result.stopped = true;
                return result;
            }
            if (attempt > MaxDanmaAttempts)
                throw UserError("已尝试" + std::to_string(MaxDanmaAttempts) + "次仍找不到第" + std::to_string(g) +
                                "组胆码，请减少胆码组数或更改胆码个数、连续期数、方向！");
            // A new permutation: the transformed history of this attempt.
            distinctDigits(perm.data(), 10, random);
            for (int x = 0; x < 10; ++x) inv[size_t(perm[size_t(x)])] = x;
            distinctDigits(chosen.data(), s.digits, random);
            DigitMask chosenMask = 0;
            for (int i = 0; i < s.digits; ++i) chosenMask |= 1u << chosen[size_t(i)];

            bool passed = true;
            for (int j = s.index - 1; j >= s.index - s.draws && passed; --j) {
                const DrawRow &draw = draws[size_t(j)];
                DigitMask transformed = 0;
                for (int k = 1; k <= 3; ++k)
                    transformed |= 1u << nonNegativeMod10(perm[size_t(nonNegativeMod10(draw[size_t(k)]))] + j + 1);
                const bool holds = (transformed & chosenMask) != 0;
                passed = s.reverse ? !holds : holds;
            }
            if (!passed) continue;

            // Back to the digit space of the chosen issue, as an ascending digit string.
            bool digitUsed[10] = {};
            for (int i = 0; i < s.digits; ++i)
                digitUsed[inv[size_t(nonNegativeMod10(chosen[size_t(i)] - (s.index + 1)))]] = true;
            group.clear();
            for (int x = 0; x < 10; ++x)
                if (digitUsed[x]) group += static_cast<char>('0' + x);
            if (std::find(result.groups.begin(), result.groups.end(), group) == result.groups.end()) break;
        }
        result.groups.push_back(group);
        if (progress) progress(g);
    }
    return result;
}

int danmaHits(const DrawTable &draws, int index, const std::vector<std::string> &groups) {
    if (index < 0 || size_t(index) >= draws.size()) return -1;
    const DigitMask drawn = maskOf(draws[size_t(index)]);
    return static_cast<int>(std::count_if(groups.begin(), groups.end(),
                                          [drawn](const std::string &g) { return (maskOf(g) & drawn) != 0; }));
}

std::string danmaHitText(const DrawTable &draws, int index, const std::string &groupCountText,
                         const std::vector<std::string> &groups) {
    const int hits = danmaHits(draws, index, groups);
    if (hits < 0) return "中出情况：";
    return "中出情况：" + groupCountText + "中" + std::to_string(hits);
}

NumberList danmaBaseList(const std::vector<std::string> &groups, const MissRanges &r) {
    std::vector<DigitMask> masks;
    for (const std::string &g : groups)
        if (!g.empty()) masks.push_back(maskOf(g));
    if (masks.empty()) throw UserError("请先生成胆码！");
    const int total = static_cast<int>(masks.size());
    // Misses depend only on the set of digits a number holds: one count per digit set.
    std::array<int, 1024> missesOf{};
    std::array<bool, 1024> known{};
    NumberList list;
    for (int value = 0; value < 1000; ++value) {
        const Number n = numberFromValue(value);
        const DigitMask mask = (1u << n[0]) | (1u << n[1]) | (1u << n[2]);
        if (!known[mask]) {
            int hits = 0;
            for (DigitMask g : masks) hits += (g & mask) != 0;
            missesOf[mask] = total - hits;
            known[mask] = true;
        }
        const int misses = missesOf[mask];
        const bool six = n[0] != n[1] && n[0] != n[2] && n[1] != n[2];
        const bool listed =
            six ? misses >= r.sixLow && misses <= r.sixHigh : misses >= r.threeLow && misses <= r.threeHigh;
        if (listed) list.push_back(n);
    }
    return list;
}

std::vector<std::string> writeDanmaFile(const std::vector<std::string> &groups) {
    std::vector<std::string> lines;
    for (const std::string &g : groups)
        if (!g.empty()) lines.push_back(g + "=1-3");
    return lines;
}

std::vector<std::string> readDanmaFile(const std::vector<std::string> &lines) {
    std::vector<std::string> groups;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\t')) line.pop_back();
        size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos) continue;
        const std::string digits =
            line.substr(start, line.find('=') == std::string::npos ? std::string::npos : line.find('=') - start);
        const bool valid = !digits.empty() && digits.size() <= 10 &&
                           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!valid)
            throw UserError("第" + std::to_string(i + 1) + "行" + shownLine(lines[i]) + "不是胆码（如037=1-3）！");
        groups.push_back(digits);
    }
    if (groups.empty()) throw UserError("文件中没有胆码！");
    return groups;
}

const std::vector<DanmaPlan> &danmaPlans() {
    static const std::vector<DanmaPlan> plans{
        {"方案1：平均750注，2期计划", 1000, 3, 10, 1, {0, 8, 1, 9}, 0, 0, 0, 0},
        {"方案2：平均750注，2期计划", 500, 3, 5, 1, {0, 4, 1, 5}, 0, 2, 5, 20},
        {"方案3：平均750注，2期计划", 40, 3, 10, 1, {1, 7, 2, 9}, 0, 1, 0, 1},
        {"方案4：平均750注，2期计划", 100, 4, 20, 1, {0, 8, 2, 12}, 0, 0, 0, 0},
        {"方案5：平均550注，3期计划", 200, 4, 20, 1, {0, 8, 2, 12}, 0, 0, 0, 0},
        {"方案6：平均350注，5期计划", 40, 3, 10, 1, {1, 7, 2, 9}, 0, 0, 0, 0},
        {"方案7：平均150注，12期计划", 100, 3, 10, 1, {1, 7, 2, 9}, 0, 0, 0, 0},
    };
    return plans;
}

} // namespace corvel
