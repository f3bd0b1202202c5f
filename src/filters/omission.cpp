#include "filters/omission.h"

#include "core/intconv.h"

#include <algorithm>
#include <array>

namespace corvel {

namespace {
int drawValue(const DrawRow &d) { return d[1] * 100 + d[2] * 10 + d[3]; }
bool outside(int64_t value, int64_t low, int64_t high) { return value < low || value > high; }
} // namespace

OmissionSettings OmissionTexts::read() const {
    OmissionSettings s;
    s.level1 = level1;
    s.level2 = level2;
    s.level1Low = strToInt(level1Low);
    s.level1High = strToInt(level1High);
    s.level2Low = strToInt(level2Low);
    s.level2High = strToInt(level2High);
    s.toleranceLow = strToInt(toleranceLow);
    s.toleranceHigh = strToInt(toleranceHigh);
    return s;
}

int omissionKills(const OmissionSettings &s, int64_t l1, int64_t l2) {
    int kills = 0;
    if (s.level1 && outside(l1, s.level1Low, s.level1High)) ++kills;
    if (s.level2 && outside(l2, s.level2Low, s.level2High)) ++kills;
    return kills;
}

bool omissionPasses(const OmissionSettings &s, int64_t l1, int64_t l2) {
    const int kills = omissionKills(s, l1, l2);
    return s.toleranceLow <= kills && kills <= s.toleranceHigh;
}

std::vector<OmissionRow> omissionStatistics(const DrawTable &history, const OmissionSettings &settings) {
    const int count = static_cast<int>(history.size());
    std::vector<OmissionRow> rows(history.size());
    std::array<int, 1000> newestNumber;
    newestNumber.fill(-1);
    // Newest earlier draw per level-1 value; L1 is at most count.
    std::vector<int> newestL1(static_cast<size_t>(count) + 2, -1);
    for (int d = 0; d < count; ++d) {
        const DrawRow &draw = history[static_cast<size_t>(d)];
        OmissionRow &row = rows[static_cast<size_t>(d)];
        const int v = std::clamp(drawValue(draw), 0, 999);
        row.issue = draw[0];
        row.number = {draw[1], draw[2], draw[3]};
        int &seen = newestNumber[static_cast<size_t>(v)];
        row.l1 = d - seen; // d + 1 when it never came out
        seen = d;
        int &seenL1 = newestL1[static_cast<size_t>(row.l1)];
        row.l2 = d - seenL1;
        seenL1 = d;
        row.pass = omissionPasses(settings, row.l1, row.l2);
    }
    return rows;
}

NumberList omissionFilter(const DrawTable &history, const std::vector<OmissionRow> &statistics, int ci,
                          const OmissionSettings &settings) {
    ci = std::clamp(ci, 0, static_cast<int>(std::min(history.size(), statistics.size())));
    // One walk from CI − 1 down to 1 (draw 0 is not examined) finds the newest index of
    // every number and of every level-1 value.
    std::array<int, 1000> newestNumber;
    newestNumber.fill(-1);
    std::vector<int> newestL1(static_cast<size_t>(statistics.size()) + 2, -1);
    for (int i = ci - 1; i >= 1; --i) {
        const int v = std::clamp(drawValue(history[static_cast<size_t>(i)]), 0, 999);
        if (newestNumber[static_cast<size_t>(v)] < 0) newestNumber[static_cast<size_t>(v)] = i;
        const int l1 = statistics[static_cast<size_t>(i)].l1;
        if (l1 >= 0 && static_cast<size_t>(l1) < newestL1.size() && newestL1[static_cast<size_t>(l1)] < 0)
            newestL1[static_cast<size_t>(l1)] = i;
    }
    NumberList out;
    for (int v = 0; v < 1000; ++v) {
        const int at = newestNumber[static_cast<size_t>(v)];
        const int l1 = at < 0 ? ci : ci - at;
        const int k = static_cast<size_t>(l1) < newestL1.size() ? newestL1[static_cast<size_t>(l1)] : -1;
        const int l2 = k < 0 ? ci : ci - k;
        if (omissionPasses(settings, l1, l2)) out.push_back(numberFromValue(v));
    }
    return out;
}

} // namespace corvel
