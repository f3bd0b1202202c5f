#include "filters/searchcatalogue.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>

namespace corvel {

namespace {

const char *const Positions[3] = {"百", "十", "个"};
// The position pairs of the pair groups: 百 with 十, 十 with 个, 个 with 百.
constexpr int PairFirst[3] = {0, 1, 2};
constexpr int PairSecond[3] = {1, 2, 0};

// Keys a + 4·b of the residue composition (a digits of residue 1, b of residue 2), in order.
constexpr int CompositionKeys[10] = {0, 1, 2, 3, 4, 5, 6, 8, 9, 12};
const char *const CompositionLabels[10] = {"全0",       "两0一1", "一0两1", "全1",    "两0一2",
                                           "一0一1一2", "两1一2", "一0两2", "一1两2", "全2"};
constexpr int CompositionCounts[10] = {64, 144, 108, 27, 144, 216, 81, 108, 81, 27};
constexpr int SpanCounts[10] = {10, 54, 96, 126, 144, 150, 144, 126, 96, 54};

std::string setText(int mask) {
    std::string text;
    for (int d = 0; d < 10; ++d)
        if (mask & (1 << d)) text += char('0' + d);
    return text;
}

// Digit sets of m digits as bit masks, in ascending text order.
std::vector<int> digitSets(int m) {
    std::vector<int> sets;
    std::array<int, 5> pick{};
    for (int i = 0; i < m; ++i) pick[size_t(i)] = i;
    while (true) {
        int mask = 0;
        for (int i = 0; i < m; ++i) mask |= 1 << pick[size_t(i)];
        sets.push_back(mask);
        int i = m - 1;
        while (i >= 0 && pick[size_t(i)] == 10 - m + i) --i;
        if (i < 0) break;
        ++pick[size_t(i)];
        for (int k = i + 1; k < m; ++k) pick[size_t(k)] = pick[size_t(k - 1)] + 1;
    }
    return sets;
}

// Three position values 0..2 as a label from the three value characters.
std::string patternLabel(int code, const char *const chars[3]) {
    return std::string(chars[code % 3]) + chars[code / 3 % 3] + chars[code / 9];
}

int patternCount(int code, const int weights[3]) {
    return weights[code % 3] * weights[code / 3 % 3] * weights[code / 9];
}

int sumCount(int sum) {
    int count = 0;
    for (int n = 0; n < 1000; ++n) count += n / 100 + n / 10 % 10 + n % 10 == sum;
    return count;
}

int circularDistance(int a, int b) {
    const int d = std::abs(a - b);
    return d > 5 ? 10 - d : d;
}

std::vector<SearchItem> buildCatalogue() {
    std::vector<SearchItem> items;
    items.reserve(SearchItemCount);
    const auto add = [&items](ItemGroup group, int position, int digitSet, int value, int count,
                              const std::string &name) {
        SearchItem item{group, position, digitSet, value, count, expectedPeriod(count), name, name};
        items.push_back(std::move(item));
    };
    for (int m = 1; m <= 3; ++m)
        for (int p = 0; p < 3; ++p)
            for (int mask : digitSets(m))
                add(ItemGroup::PositionDanma, p, mask, 0, 100 * m, std::string(Positions[p]) + "位胆" + setText(mask));
    for (int m = 1; m <= 5; ++m)
        for (int mask : digitSets(m)) add(ItemGroup::Compound, 0, mask, 0, m * m * m, "三位复式" + setText(mask));
    const char *const bigSmall[2] = {"小", "大"};
    for (int code = 0; code < 8; ++code)
        add(ItemGroup::BigSmall, 0, 0, code, 125,
            std::string(bigSmall[code >> 2]) + bigSmall[(code >> 1) & 1] + bigSmall[code & 1]);
    const char *const oddEven[2] = {"偶", "奇"};
    for (int code = 0; code < 8; ++code) {
        const std::string pattern = std::string(oddEven[code >> 2]) + oddEven[(code >> 1) & 1] + oddEven[code & 1];
        add(ItemGroup::OddEven, 0, 0, code, 125, "奇偶" + pattern);
        items.back().reboundName = pattern;
    }
    for (int sum = 0; sum <= 27; ++sum) add(ItemGroup::Sum, 0, 0, sum, sumCount(sum), "和值" + std::to_string(sum));
    for (int tail = 0; tail <= 9; ++tail) add(ItemGroup::SumTail, 0, 0, tail, 100, "和尾" + std::to_string(tail));
    for (int span = 0; span <= 9; ++span)
        add(ItemGroup::Span, 0, 0, span, SpanCounts[span], "跨度" + std::to_string(span));
    const char *const residues[3] = {"0", "1", "2"};
    const int residueWeights[3] = {4, 3, 3};
    for (int code = 0; code < 27; ++code)
        add(ItemGroup::Residue, 0, 0, code, patternCount(code, residueWeights), "201路" + patternLabel(code, residues));
    const char *const relation[3] = {"传", "邻", "孤"};
    const int relationWeights[3] = {1, 2, 7};
    for (int code = 0; code < 27; ++code)
        add(ItemGroup::RepeatNeighbour, 0, 0, code, patternCount(code, relationWeights),
            "传邻孤" + patternLabel(code, relation));
    const char *const skip[3] = {"复", "隔", "中"};
    const int skipWeights[3] = {1, 1, 8};
    for (int code = 0; code < 27; ++code)
        add(ItemGroup::RepeatSkip, 0, 0, code, patternCount(code, skipWeights), "复隔中" + patternLabel(code, skip));
    for (int p = 0; p < 3; ++p)
        for (int d = 0; d <= 5; ++d)
            add(ItemGroup::Distance, p, 0, d, d == 0 || d == 5 ? 100 : 200,
                std::string(Positions[p]) + "位距离" + std::to_string(d));
    for (int p = 0; p < 3; ++p)
        for (int sum = 0; sum <= 18; ++sum)
            add(ItemGroup::PairSum, p, 0, sum, sum <= 9 ? 10 * (sum + 1) : 10 * (19 - sum),
                std::string(Positions[PairFirst[p]]) + Positions[PairSecond[p]] + "位位和" + std::to_string(sum));
    for (int p = 0; p < 3; ++p)
        for (int diff = 0; diff <= 9; ++diff)
            add(ItemGroup::PairDifference, p, 0, diff, diff == 0 ? 100 : 20 * (10 - diff),
                std::string(Positions[PairFirst[p]]) + Positions[PairSecond[p]] + "位位差" + std::to_string(diff));
    for (int k = 0; k < 10; ++k)
        add(ItemGroup::ResidueComposition, 0, 0, k, CompositionCounts[k],
            std::string("组选201路") + CompositionLabels[k]);
    const char *const smallLabels[4] = {"全大", "2大1小", "1大2小", "全小"};
    for (int k = 0; k < 4; ++k)
        add(ItemGroup::SmallCount, 0, 0, k, k == 0 || k == 3 ? 125 : 375, std::string("组选大小") + smallLabels[k]);
    const char *const evenLabels[4] = {"全奇", "2奇1偶", "1奇2偶", "全偶"};
    for (int k = 0; k < 4; ++k)
        add(ItemGroup::EvenCount, 0, 0, k, k == 0 || k == 3 ? 125 : 375, std::string("组选奇偶") + evenLabels[k]);
    return items;
}

// The newest and second newest of a set of occurrence indexes.
struct TopTwo {
    int first = -1, second = -1;
    void add(int index) {
        if (index > first) {
            second = first;
            first = index;
        } else if (index > second) {
            second = index;
        }
    }
};

// The last two draws of one value within a group: updated in draw order, so the newest
// draw of the value ends up in `last`.
struct Tracker {
    int last = -1, previous = -1;
    void seen(int index) {
        previous = last;
        last = index;
    }
};

// Trackers of the groups whose items are single values (all but the two set groups).
struct ValueTrackers {
    std::array<Tracker, 8> bigSmall, oddEven;
    std::array<Tracker, 28> sum;
    std::array<Tracker, 10> tail, span, composition;
    std::array<Tracker, 27> residue, relation, skip;
    std::array<std::array<Tracker, 6>, 3> distance;
    std::array<std::array<Tracker, 19>, 3> pairSum;
    std::array<std::array<Tracker, 10>, 3> pairDifference;
    std::array<Tracker, 4> small, even;
};

int compositionIndex(int key) {
    const int *at = std::find(std::begin(CompositionKeys), std::end(CompositionKeys), key);
    return int(at - std::begin(CompositionKeys));
}

} // namespace

int expectedPeriod(int count) {
    const int q = 1000 / count, r = 1000 % count;
    if (2 * r > count) return q + 1;
    if (2 * r == count) return q % 2 == 0 ? q : q + 1;
    return q;
}

const std::vector<SearchItem> &searchCatalogue() {
    static const std::vector<SearchItem> items = buildCatalogue();
    return items;
}

int testedDraws(ItemGroup group, int drawCount) {
    int tested = drawCount;
    if (group == ItemGroup::RepeatNeighbour || group == ItemGroup::Distance) tested = drawCount - 1;
    if (group == ItemGroup::RepeatSkip) tested = drawCount - 2;
    return std::max(tested, 0);
}

int currentOmission(const SearchItem &item, const ItemOccurrence &occurrence, int drawCount) {
    return occurrence.newest < 0 ? testedDraws(item.group, drawCount) : drawCount - 1 - occurrence.newest;
}

std::vector<ItemOccurrence> itemOccurrences(const DrawTable &history) {
    std::array<std::array<Tracker, 10>, 3> digit{};
    std::array<Tracker, 1024> digitSet{};
    ValueTrackers v;

    const int count = int(history.size());
    for (int i = 0; i < count; ++i) {
        const DrawRow &draw = history[size_t(i)];
        int d[3];
        for (int p = 0; p < 3; ++p) d[p] = std::clamp(draw[size_t(p + 1)], 0, 9);
        for (int p = 0; p < 3; ++p) digit[size_t(p)][size_t(d[p])].seen(i);
        digitSet[size_t((1 << d[0]) | (1 << d[1]) | (1 << d[2]))].seen(i);
        const int sum = d[0] + d[1] + d[2];
        v.bigSmall[size_t((d[0] >= 5) * 4 + (d[1] >= 5) * 2 + (d[2] >= 5))].seen(i);
        v.oddEven[size_t((d[0] % 2) * 4 + (d[1] % 2) * 2 + d[2] % 2)].seen(i);
        v.sum[size_t(sum)].seen(i);
        v.tail[size_t(sum % 10)].seen(i);
        v.span[size_t(std::max({d[0], d[1], d[2]}) - std::min({d[0], d[1], d[2]}))].seen(i);
        v.residue[size_t(d[0] % 3 + 3 * (d[1] % 3) + 9 * (d[2] % 3))].seen(i);
        int ones = 0, twos = 0, small = 0, even = 0;
        for (int x : d) {
            ones += x % 3 == 1;
            twos += x % 3 == 2;
            small += x < 5;
            even += x % 2 == 0;
        }
        v.composition[size_t(compositionIndex(ones + 4 * twos))].seen(i);
        v.small[size_t(small)].seen(i);
        v.even[size_t(even)].seen(i);
        for (int p = 0; p < 3; ++p) {
            const int a = d[PairFirst[p]], b = d[PairSecond[p]];
            v.pairSum[size_t(p)][size_t(a + b)].seen(i);
            v.pairDifference[size_t(p)][size_t(std::abs(a - b))].seen(i);
        }
        if (i >= 1) {
            const DrawRow &prev = history[size_t(i - 1)];
            int code = 0, weight = 1;
            for (int p = 0; p < 3; ++p) {
                const int distance = circularDistance(d[p], std::clamp(prev[size_t(p + 1)], 0, 9));
                v.distance[size_t(p)][size_t(distance)].seen(i);
                code += weight * (distance == 0 ? 0 : distance == 1 ? 1 : 2);
                weight *= 3;
            }
            v.relation[size_t(code)].seen(i);
        }
        if (i >= 2) {
            const DrawRow &prev = history[size_t(i - 1)], &before = history[size_t(i - 2)];
            int code = 0, weight = 1;
            for (int p = 0; p < 3; ++p) {
                const int s = d[p] == std::clamp(prev[size_t(p + 1)], 0, 9)     ? 0
                              : d[p] == std::clamp(before[size_t(p + 1)], 0, 9) ? 1
                                                                                : 2;
                code += weight * s;
                weight *= 3;
            }
            v.skip[size_t(code)].seen(i);
        }
    }

    const std::vector<SearchItem> &items = searchCatalogue();
    std::vector<ItemOccurrence> result;
    result.reserve(items.size());
    const auto from = [](const Tracker &t) { return ItemOccurrence{t.last, t.previous}; };
    for (const SearchItem &item : items) {
        const size_t value = size_t(item.value), p = size_t(item.position);
        switch (item.group) {
        case ItemGroup::PositionDanma: {
            TopTwo top;
            for (int x = 0; x < 10; ++x)
                if (item.digitSet & (1 << x)) {
                    top.add(digit[p][size_t(x)].last);
                    top.add(digit[p][size_t(x)].previous);
                }
            result.push_back({top.first, top.second});
            break;
        }
        case ItemGroup::Compound: {
            // Every draw has one digit set; the draws inside the item's set are those whose
            // digit set is a subset of it.
            TopTwo top;
            for (int sub = item.digitSet; sub > 0; sub = (sub - 1) & item.digitSet)
                if (std::popcount(unsigned(sub)) <= 3) {
                    top.add(digitSet[size_t(sub)].last);
                    top.add(digitSet[size_t(sub)].previous);
                }
            result.push_back({top.first, top.second});
            break;
        }
        case ItemGroup::BigSmall:
            result.push_back(from(v.bigSmall[value]));
            break;
        case ItemGroup::OddEven:
            result.push_back(from(v.oddEven[value]));
            break;
        case ItemGroup::Sum:
            result.push_back(from(v.sum[value]));
            break;
        case ItemGroup::SumTail:
            result.push_back(from(v.tail[value]));
            break;
        case ItemGroup::Span:
            result.push_back(from(v.span[value]));
            break;
        case ItemGroup::Residue:
            result.push_back(from(v.residue[value]));
            break;
        case ItemGroup::RepeatNeighbour:
            result.push_back(from(v.relation[value]));
            break;
        case ItemGroup::RepeatSkip:
            result.push_back(from(v.skip[value]));
            break;
        case ItemGroup::Distance:
            result.push_back(from(v.distance[p][value]));
            break;
        case ItemGroup::PairSum:
            result.push_back(from(v.pairSum[p][value]));
            break;
        case ItemGroup::PairDifference:
            result.push_back(from(v.pairDifference[p][value]));
            break;
        case ItemGroup::ResidueComposition:
            result.push_back(from(v.composition[value]));
            break;
        case ItemGroup::SmallCount:
            result.push_back(from(v.small[value]));
            break;
        case ItemGroup::EvenCount:
            result.push_back(from(v.even[value]));
            break;
        }
    }
    return result;
}

} // namespace corvel
