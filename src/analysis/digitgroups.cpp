#include "analysis/digitgroups.h"

#include "core/intconv.h"
#include "core/usererror.h"

#include <algorithm>
#include <bit>

namespace corvel {

namespace {

uint16_t digitBit(int32_t digit) { return digit >= 0 && digit <= 9 ? uint16_t(1u << digit) : 0; }

void addGroups(int first, int size, DigitGroup &current, std::vector<DigitGroup> &out) {
    if (size == 0) {
        out.push_back(current);
        return;
    }
    for (int d = first; d <= 10 - size; ++d) {
        current.label.push_back(char('0' + d));
        current.mask |= digitBit(d);
        addGroups(d + 1, size - 1, current, out);
        current.label.pop_back();
        current.mask &= uint16_t(~digitBit(d));
    }
}

void requirePosition(int position) {
    if (position < 1 || position > 3) throw UserError(listIndexMessage(position - 1));
}

void requireGroup(const std::vector<DigitGroup> &groups, int group) {
    if (group < 0 || group >= int(groups.size())) throw UserError(listIndexMessage(group));
}

// Per draw: the bit of its digit at one position.
std::vector<uint16_t> positionMasks(const DrawTable &draws, int position) {
    std::vector<uint16_t> out(draws.size());
    for (size_t j = 0; j < draws.size(); ++j) out[j] = digitBit(draws[j][position]);
    return out;
}

// Per draw: the bits of all its digits.
std::vector<uint16_t> drawMasks(const DrawTable &draws) {
    std::vector<uint16_t> out(draws.size());
    for (size_t j = 0; j < draws.size(); ++j)
        out[j] = digitBit(draws[j][1]) | digitBit(draws[j][2]) | digitBit(draws[j][3]);
    return out;
}

// The statistics walk of every group at once: draw by draw, only the groups the draw
// hits are touched. `hits(mask)` tells whether a draw of that digit mask hits a group.
template <class Hits>
void walkStatistics(std::vector<DigitGroup> &groups, const std::vector<uint16_t> &masks, Hits hits) {
    // The groups hit by each digit mask, worked out once per mask that occurs.
    std::vector<std::vector<uint16_t>> hitGroups(1u << 10);
    std::vector<bool> known(1u << 10, false);
    std::vector<int32_t> prev(groups.size(), -1), occurrences(groups.size(), 0), largest(groups.size(), 0);
    for (size_t j = 0; j < masks.size(); ++j) {
        const uint16_t m = masks[j];
        if (!known[m]) {
            for (size_t g = 0; g < groups.size(); ++g)
                if (hits(m, groups[g].mask)) hitGroups[m].push_back(uint16_t(g));
            known[m] = true;
        }
        const int32_t draw = int32_t(j);
        for (const uint16_t g : hitGroups[m]) {
            ++occurrences[g];
            largest[g] = std::max(largest[g], draw - prev[g]);
            prev[g] = draw;
        }
    }
    for (size_t g = 0; g < groups.size(); ++g) {
        groups[g].occurrences = occurrences[g];
        groups[g].largestSpacing = largest[g];
        groups[g].currentSpacing = int32_t(masks.size()) - prev[g];
    }
}

// Calls f(mask) for every way of adding `count` of the digits `from`[0..n) to `mask`.
template <class F> void forEachChoice(const int *from, int n, int count, uint16_t mask, F &f) {
    if (count == 0) {
        f(mask);
        return;
    }
    for (int k = 0; k + count <= n; ++k)
        forEachChoice(from + k + 1, n - k - 1, count - 1, uint16_t(mask | digitBit(from[k])), f);
}

// At one position a draw hits the groups holding its digit x, and a group's spacing there
// is the draw less the latest earlier draw of any of its digits. So the digits' latest
// draws and counts give every statistic but the largest spacing. For that, the other
// digits are kept in order of their latest draws: a group's spacing is set by x and the
// first of them it holds, its leader, and grows the longer ago the leader came. Only the
// groups whose spacing beats the smallest largest spacing of all (`floor`) are visited;
// on a long history that is a few draws in a hundred.
void positionStatistics(std::vector<DigitGroup> &groups, const std::vector<uint16_t> &masks) {
    if (groups.empty()) return;
    const int size = std::popcount(unsigned(groups.front().mask));
    std::vector<int> groupOf(1u << 10, -1);
    for (size_t g = 0; g < groups.size(); ++g) groupOf[groups[g].mask] = int(g);
    std::array<int32_t, 10> latest, count{};
    latest.fill(-1);
    std::array<int, 10> recent{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}; // latest draw first
    std::vector<int32_t> largest(groups.size(), 0);
    int32_t floor = 0;
    for (size_t j = 0; j < masks.size(); ++j) {
        if (!masks[j]) continue;
        const int x = std::countr_zero(unsigned(masks[j]));
        const int32_t draw = int32_t(j);
        if (draw - latest[size_t(x)] > floor) {
            std::array<int, 9> others{};
            std::copy_if(recent.begin(), recent.end(), others.begin(), [x](int d) { return d != x; });
            int32_t spacing = draw - latest[size_t(x)];
            auto raise = [&](uint16_t mask) {
                int32_t &l = largest[size_t(groupOf[mask])];
                l = std::max(l, spacing);
            };
            if (size == 1) raise(digitBit(x));
            for (int lead = 0; size > 1 && lead < 9; ++lead) {
                spacing = draw - std::max(latest[size_t(x)], latest[size_t(others[size_t(lead)])]);
                if (spacing > floor)
                    forEachChoice(others.data() + lead + 1, 8 - lead, size - 2,
                                  uint16_t(digitBit(x) | digitBit(others[size_t(lead)])), raise);
            }
        }
        latest[size_t(x)] = draw;
        ++count[size_t(x)];
        const auto at = std::find(recent.begin(), recent.end(), x);
        std::rotate(recent.begin(), at, at + 1);
        if (j % 256 == 255) floor = *std::min_element(largest.begin(), largest.end());
    }
    for (size_t g = 0; g < groups.size(); ++g) {
        int32_t prev = -1;
        groups[g].occurrences = 0;
        for (int d = 0; d < 10; ++d)
            if (groups[g].mask & digitBit(d)) {
                groups[g].occurrences += count[size_t(d)];
                prev = std::max(prev, latest[size_t(d)]);
            }
        groups[g].largestSpacing = largest[g];
        groups[g].currentSpacing = int32_t(masks.size()) - prev;
    }
}

// A draw counts for a group when every digit of the draw is a digit of the group.
void overallStatistics(std::vector<DigitGroup> &groups, const std::vector<uint16_t> &masks) {
    walkStatistics(groups, masks, [](uint16_t draw, uint16_t group) { return draw != 0 && (draw & ~group) == 0; });
}

// Occurrence column and spacing table from a per-draw hit flag.
template <class Hit> void fillColumn(GroupAnalysis &a, size_t n, Hit hit) {
    a.occurrence.assign(n, 0);
    int32_t last = -1, largest = 0;
    for (size_t i = 0; i < n; ++i) {
        if (hit(i)) {
            a.occurrence[i] = OccurrenceHit;
            largest = std::max(largest, int32_t(i) - last);
            last = int32_t(i);
        } else {
            a.occurrence[i] = int32_t(i) - last;
        }
    }
    a.spacingCounts.assign(size_t(largest), 0);
    int32_t prev = -1;
    for (size_t i = 0; i < n; ++i) {
        if (a.occurrence[i] != OccurrenceHit) continue;
        ++a.spacingCounts[size_t(int32_t(i) - prev - 1)];
        prev = int32_t(i);
    }
}

} // namespace

std::vector<DigitGroup> makeGroupList(int size) {
    std::vector<DigitGroup> out;
    if (size < MinGroupSize || size > MaxGroupSize) return out;
    DigitGroup current;
    addGroups(0, size, current, out);
    return out;
}

std::vector<std::string> groupLabels(int size) {
    std::vector<std::string> out;
    for (const DigitGroup &g : makeGroupList(size)) out.push_back(g.label);
    return out;
}

std::vector<DigitGroup> positionGroupStatistics(const DrawTable &draws, int position, int size) {
    requirePosition(position);
    std::vector<DigitGroup> groups = makeGroupList(size);
    positionStatistics(groups, positionMasks(draws, position));
    return groups;
}

std::vector<DigitGroup> overallGroupStatistics(const DrawTable &draws, int size) {
    std::vector<DigitGroup> groups = makeGroupList(size);
    overallStatistics(groups, drawMasks(draws));
    return groups;
}

GroupAnalysis analysePositions(const DrawTable &draws, const DirectNumberTable &numbers, int position, int size,
                               int group) {
    requirePosition(position);
    GroupAnalysis a;
    a.groups = makeGroupList(size);
    requireGroup(a.groups, group);
    a.chosen = group;
    const std::vector<uint16_t> masks = positionMasks(draws, position);
    positionStatistics(a.groups, masks);
    const uint16_t chosen = a.groups[size_t(group)].mask;
    fillColumn(a, masks.size(), [&](size_t i) { return (masks[i] & chosen) != 0; });
    a.candidates = candidatesFromDirectNumbers(numbers);
    for (CandidateRow &row : a.candidates) row[3] = (digitBit(row[size_t(position - 1)]) & chosen) ? 0 : 1;
    return a;
}

GroupAnalysis analyseOverall(const DrawTable &draws, const DirectNumberTable &numbers, int size, int group) {
    GroupAnalysis a;
    a.groups = makeGroupList(size);
    requireGroup(a.groups, group);
    a.chosen = group;
    const std::vector<uint16_t> masks = drawMasks(draws);
    overallStatistics(a.groups, masks);
    const uint16_t chosen = a.groups[size_t(group)].mask;
    // A draw of three different digits of the group is a hit for any group of three or
    // more digits; a smaller group needs all of its digits in the draw.
    const int needed = std::min(3, size);
    fillColumn(a, masks.size(), [&](size_t i) { return std::popcount(unsigned(masks[i] & chosen)) >= needed; });
    a.candidates = candidatesFromDirectNumbers(numbers);
    for (CandidateRow &row : a.candidates) {
        int inGroup = 0;
        for (int p = 0; p < 3; ++p)
            if (digitBit(row[size_t(p)]) & chosen) ++inGroup;
        row[3] = inGroup == 3 ? 0 : 1;
    }
    return a;
}

const std::array<std::string, 4> &groupStatisticsHeadings() {
    static const std::array<std::string, 4> headings{"号码组合", "出现期数", "最大间隔", "目前间隔"};
    return headings;
}

std::vector<std::array<std::string, 4>> groupStatisticsRows(const std::vector<DigitGroup> &groups) {
    std::vector<std::array<std::string, 4>> rows;
    rows.reserve(groups.size());
    for (const DigitGroup &g : groups)
        rows.push_back({g.label, std::to_string(g.occurrences), std::to_string(g.largestSpacing),
                        std::to_string(g.currentSpacing)});
    return rows;
}

std::string occurrenceCellText(int32_t cell) { return cell == OccurrenceHit ? "●" : std::to_string(cell); }

std::string positionGroupDescription(const std::string &positionName, const std::string &label) {
    return "第" + positionName + "位号码组合" + label;
}

std::string overallGroupDescription(const std::string &label) { return "总体位置号码组合" + label; }

} // namespace corvel
