#include "filters/interval.h"

#include "core/usererror.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace corvel {

namespace {

int mod10(int v) { return ((v % 10) + 10) % 10; }

// Keys of the ranking: the count within the window and the index of the newest
// occurrence (−1 when the value has not occurred yet, its interval then staying 0).
struct RankKeys {
    std::array<int, 10> count{};
    std::array<int, 10> last{};
};

// True when value m goes before value k at row i.
bool goesFirst(const RankKeys &keys, bool byInterval, int i, int m, int k) {
    const auto gap = [&](int v) {
        return keys.last[static_cast<size_t>(v)] < 0 ? 0 : i - keys.last[static_cast<size_t>(v)];
    };
    const int cm = keys.count[static_cast<size_t>(m)], ck = keys.count[static_cast<size_t>(k)];
    const int gm = gap(m), gk = gap(k);
    if (byInterval) return gk < gm || (gk == gm && cm < ck);
    return cm < ck || (cm == ck && gk < gm);
}

// Transformed digits of one position for rows 0 … rows − 1, ranking mode. Once every
// value has occurred no two values tie (their newest occurrences differ), so the order
// the exchange procedure gives is the one sorted order, and a value's rank is the number
// of values with a smaller sort key: (count, newest occurrence) in "次数模式" (a larger
// interval is an older occurrence), (newest occurrence, count) in "间隔模式". Before
// that the exchange procedure runs from the order 0 … 9, as its choice among equal
// values depends on it.
template <bool ByInterval>
void rankPositionAs(const std::vector<int> &relabelled, int rows, int window, std::vector<int> &out) {
    RankKeys keys;
    keys.last.fill(-1);
    const auto take = [&](int i) { // draw i − 1 enters the window, draw i − L − 1 leaves it
        const int v = relabelled[static_cast<size_t>(i - 1)];
        ++keys.count[static_cast<size_t>(v)];
        keys.last[static_cast<size_t>(v)] = i - 1;
        const int gone = i >= window + 1 ? relabelled[static_cast<size_t>(i - window - 1)] : -1;
        if (gone >= 0) --keys.count[static_cast<size_t>(gone)];
        return std::pair<int, int>{v, gone};
    };

    // Until every value has occurred: the exchange procedure itself.
    int i = 0;
    int seen = 0;
    for (; i < rows && seen < 10; ++i) {
        if (i > 0 && keys.last[static_cast<size_t>(relabelled[static_cast<size_t>(i - 1)])] < 0) ++seen;
        if (i > 0) take(i);
        if (seen == 10) break; // this row is ranked below
        std::array<int, 10> order{};
        for (int v = 0; v < 10; ++v) order[static_cast<size_t>(v)] = v;
        for (int k = 0; k < 9; ++k)
            for (int m = k + 1; m < 10; ++m)
                if (goesFirst(keys, ByInterval, i, order[static_cast<size_t>(m)], order[static_cast<size_t>(k)]))
                    std::swap(order[static_cast<size_t>(k)], order[static_cast<size_t>(m)]);
        const int x = relabelled[static_cast<size_t>(i)];
        for (int k = 0; k < 10; ++k)
            if (order[static_cast<size_t>(k)] == x) out[static_cast<size_t>(i)] = k;
    }

    // From then on: sixteen key slots, the last six never smaller than a real key, so the
    // count is one straight run the compiler can vectorise. Counts and indexes stay below
    // 2^15 (at most MaxDraws draws).
    std::array<int32_t, 16> key{};
    key.fill(INT32_MAX);
    const auto keyOf = [&](int v) {
        const int32_t c = keys.count[static_cast<size_t>(v)], l = keys.last[static_cast<size_t>(v)];
        return ByInterval ? (l << 15) | c : (c << 15) | l;
    };
    for (int v = 0; v < 10; ++v) key[static_cast<size_t>(v)] = keyOf(v);
    // Each row changes two keys in place: the value entering the window (one more, newest
    // occurrence i − 1) and the one leaving it (one fewer).
    constexpr int32_t CountStep = ByInterval ? 1 : (1 << 15);
    for (bool first = true; i < rows; ++i, first = false) {
        if (!first) {
            const int v = relabelled[static_cast<size_t>(i - 1)];
            int32_t &kv = key[static_cast<size_t>(v)];
            kv = ByInterval ? ((i - 1) << 15) | ((kv & 0x7fff) + 1) : (((kv >> 15) + 1) << 15) | (i - 1);
            if (i >= window + 1) key[static_cast<size_t>(relabelled[static_cast<size_t>(i - window - 1)])] -= CountStep;
        }
        const int32_t kx = key[static_cast<size_t>(relabelled[static_cast<size_t>(i)])];
        int rank = 0;
        for (size_t k = 0; k < 10; k += 2) rank += (key[k] < kx ? 1 : 0) + (key[k + 1] < kx ? 1 : 0);
        out[static_cast<size_t>(i)] = rank;
    }
}

void rankPosition(const std::vector<int> &relabelled, int rows, int window, bool byInterval, std::vector<int> &out) {
    if (byInterval)
        rankPositionAs<true>(relabelled, rows, window, out);
    else
        rankPositionAs<false>(relabelled, rows, window, out);
}

// One transformed history: the digits of rows 0 … rows − 1 for positions 0 … positions − 1.
std::array<std::vector<int>, 3> transform(const DrawTable &history, const IntervalSettings &s, const Relabelling &r,
                                          int window, int rows, int positions) {
    std::array<std::vector<int>, 3> t;
    for (int j = 0; j < positions; ++j) {
        std::vector<int> &column = t[static_cast<size_t>(j)];
        column.resize(static_cast<size_t>(rows));
        int shift = 0; // n mod 10
        for (int n = 0; n < rows; ++n) {
            column[static_cast<size_t>(n)] =
                (r.p[static_cast<size_t>(history[static_cast<size_t>(n)][j + 1])] + shift) % 10;
            if (++shift == 10) shift = 0;
        }
        if (s.ranking) {
            std::vector<int> ranked(static_cast<size_t>(rows));
            rankPosition(column, rows, window, s.byInterval, ranked);
            column.swap(ranked);
        }
    }
    return t;
}

} // namespace

int defaultIntervalThreshold(const std::string &lotteryName) {
    return lotteryName == "中国福彩3D" || lotteryName == "中国体彩排列3" ? 500 : 5000;
}

void checkIntervalSettings(int drawCount, const IntervalSettings &s) {
    if (s.target > IntervalMaxTarget) throw UserError("号码注数不能大于2000,请输入正确的号码注数！");
    if (s.target < 1) throw UserError("号码注数不能小于1,请输入正确的号码注数！");
    if (s.start < 1 || s.start > drawCount) throw UserError("开始追号期之前没有开奖号码，请选择以后的期号！");
    if (s.start < 2) throw UserError("开始追号期之前至少要有两期开奖号码，请选择以后的期号！");
    if (s.threshold > s.start - 1)
        throw UserError("间隔范围不能大于" + std::to_string(s.start - 1) + ",开始追号期之前的开奖号码达不到这个间隔！");
    if (s.ranking && (s.windowLength < 1 || s.windowLength > 1000)) throw UserError("阶段期数必须在1到1000之间！");
}

std::vector<int> repeatedRunStarts(int drawCount, IntervalSettings settings, int runs) {
    std::vector<int> starts;
    for (int i = 1; i <= runs && drawCount - i >= 0; ++i) {
        settings.start = drawCount - i;
        if (starts.empty()) {
            checkIntervalSettings(drawCount, settings);
        } else {
            try {
                checkIntervalSettings(drawCount, settings);
            } catch (const UserError &) {
                break;
            }
        }
        starts.push_back(settings.start);
    }
    // Without a draw before the newest one there is nothing to run.
    if (starts.empty()) throw UserError("开始追号期之前没有开奖号码，请选择以后的期号！");
    return starts;
}

Relabelling drawRelabelling(Lcg &random) {
    Relabelling r;
    std::array<bool, 10> used{};
    for (int k = 0; k < 10; ++k) {
        int d;
        do d = static_cast<int>(random.next(10));
        while (used[static_cast<size_t>(d)]);
        used[static_cast<size_t>(d)] = true;
        r.p[static_cast<size_t>(k)] = d;
        r.q[static_cast<size_t>(d)] = k;
    }
    return r;
}

int rankingWindow(const IntervalSettings &s, Lcg &random) {
    const int limit = s.maxWindow ? s.start + 1 : s.windowLength;
    if (!s.randomWindow) return limit;
    return 1 + static_cast<int>(random.next(static_cast<uint32_t>(std::max(1, limit))));
}

std::vector<Number> transformedHistory(const DrawTable &history, const IntervalSettings &settings,
                                       const Relabelling &relabelling, int window, int rows) {
    rows = std::clamp(rows, 0, static_cast<int>(history.size()));
    const auto t = transform(history, settings, relabelling, window, rows, 3);
    std::vector<Number> out(static_cast<size_t>(rows));
    for (size_t n = 0; n < out.size(); ++n) out[n] = {t[0][n], t[1][n], t[2][n]};
    return out;
}

int intervalProgressMaximum(const IntervalSettings &settings) {
    return settings.hundreds ? settings.target / 100 : settings.target;
}

IntervalResult searchIntervals(const DrawTable &history, const IntervalSettings &s, Lcg &random,
                               const std::atomic<bool> &stop, const IntervalProgress &progress) {
    checkIntervalSettings(static_cast<int>(history.size()), s);
    IntervalResult result;
    result.stages.assign(IntervalStages, {});
    std::array<int, IntervalStages> stageShift{}; // J mod 10 of every stage
    for (int st = 0; st < IntervalStages; ++st) stageShift[static_cast<size_t>(st)] = (s.start + st) % 10;

    const int rows = s.start;
    int blocks = 0;
    std::vector<int> newest(1000), second(1000);
    while (result.collected < s.target) {
        if (stop.load(std::memory_order_relaxed)) {
            result.stopped = true;
            break;
        }
        ++result.passes;
        const Relabelling r = drawRelabelling(random);
        const int window = s.ranking ? rankingWindow(s, random) : 0;
        const auto t = transform(history, s, r, window, rows, s.hundreds ? 1 : 3);
        const auto append = [&](int x, int y, int z, bool mapTail) {
            ++result.collected;
            for (int st = 0; st < IntervalStages; ++st) {
                const int j = stageShift[static_cast<size_t>(st)];
                const auto real = [&](int v) { return r.q[static_cast<size_t>(mod10(v - j))]; };
                result.stages[static_cast<size_t>(st)].push_back(
                    {real(x), mapTail ? real(y) : y, mapTail ? real(z) : z});
            }
        };

        // One walk from the newest row below S finds the two newest rows of every value.
        const int values = s.hundreds ? 10 : 1000;
        std::fill(newest.begin(), newest.begin() + values, -1);
        std::fill(second.begin(), second.begin() + values, -1);
        int pending = values;
        for (int n = rows - 1; n >= 0 && pending > 0; --n) {
            const size_t at = static_cast<size_t>(n);
            const int v = s.hundreds ? t[0][at] : t[0][at] * 100 + t[1][at] * 10 + t[2][at];
            if (newest[static_cast<size_t>(v)] < 0) {
                newest[static_cast<size_t>(v)] = n;
            } else if (second[static_cast<size_t>(v)] < 0) {
                second[static_cast<size_t>(v)] = n;
                --pending;
            }
        }
        for (int v = 0; v < values && result.collected < s.target; ++v) {
            const int k2 = second[static_cast<size_t>(v)];
            if (k2 < 0 || newest[static_cast<size_t>(v)] - k2 < s.threshold) continue;
            if (!s.hundreds) {
                append(v / 100, v / 10 % 10, v % 10, true);
                continue;
            }
            ++blocks;
            for (int tu = 0; tu < 100 && result.collected < s.target; ++tu) append(v, tu / 10, tu % 10, false);
        }
        if (progress) progress(s.hundreds ? blocks : result.collected);
    }
    for (NumberList &stage : result.stages)
        std::sort(stage.begin(), stage.end(),
                  [](const Number &a, const Number &b) { return numberValue(a) < numberValue(b); });
    return result;
}

NumberList intervalStageList(const IntervalResult &result, int stage) {
    if (stage < 1 || stage > static_cast<int>(result.stages.size())) return {};
    NumberList out = result.stages[static_cast<size_t>(stage - 1)];
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

std::string hundredsDigits(const NumberList &numbers) {
    std::array<bool, 10> present{};
    for (const Number &n : numbers) present[static_cast<size_t>(std::clamp(n[0], 0, 9))] = true;
    std::string out;
    for (int d = 0; d < 10; ++d)
        if (present[static_cast<size_t>(d)]) out += static_cast<char>('0' + d);
    return out;
}

std::vector<std::string> intervalStageItems(const DrawTable &history, int start) {
    // Without an earlier draw the stages count on from the issue before the first one.
    int64_t base = 0;
    if (start >= 1 && start <= static_cast<int>(history.size()))
        base = history[static_cast<size_t>(start - 1)][0];
    else if (!history.empty())
        base = int64_t{history.front()[0]} - 1;
    std::vector<std::string> items;
    items.reserve(IntervalStages);
    for (int st = 1; st <= IntervalStages; ++st) {
        char head[8];
        std::snprintf(head, sizeof head, "%.2d", st);
        items.push_back(std::string(head) + ":" + std::to_string(base + st));
    }
    return items;
}

int longestMissBeforeHit(const std::vector<bool> &hits) {
    int longest = 0;
    int previous = 0; // row of the previous hit, rows counted from 1
    for (size_t i = 0; i < hits.size(); ++i)
        if (hits[i]) {
            const int row = static_cast<int>(i) + 1;
            longest = std::max(longest, row - previous - 1);
            previous = row;
        }
    return longest;
}

IntervalVerification verifyIntervals(const DrawTable &history, int start, const IntervalResult &result) {
    IntervalVerification v;
    const std::vector<std::string> items = intervalStageItems(history, start);
    std::vector<bool> hits;
    for (int st = 1; st <= IntervalStages; ++st) {
        IntervalVerifyRow row;
        row.stage = items[static_cast<size_t>(st - 1)];
        const int64_t j = int64_t{start} + st - 1;
        bool hit = false;
        if (j >= 0 && j < static_cast<int64_t>(history.size())) {
            const DrawRow &draw = history[static_cast<size_t>(j)];
            const Number drawn{draw[1], draw[2], draw[3]};
            row.drawn = numberText(drawn);
            const NumberList list = intervalStageList(result, st);
            hit = std::binary_search(list.begin(), list.end(), drawn,
                                     [](const Number &a, const Number &b) { return numberValue(a) < numberValue(b); });
            row.result = hit ? "中出" : "未中";
        } else {
            row.drawn = "未开";
        }
        hits.push_back(hit);
        v.hits += hit ? 1 : 0;
        v.rows.push_back(std::move(row));
    }
    v.longestMiss = longestMissBeforeHit(hits);
    v.message = "中出次数：" + std::to_string(v.hits) + " 最大不中期数：" + std::to_string(v.longestMiss);
    return v;
}

} // namespace corvel
