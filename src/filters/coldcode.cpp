#include "filters/coldcode.h"

#include "core/usererror.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace corvel {

NumberList coldCandidates(BetKind kind) {
    NumberList out;
    if (kind == BetKind::Direct) {
        out.reserve(1000);
        for (int v = 0; v < 1000; ++v) out.push_back(numberFromValue(v));
        return out;
    }
    for (int a = 0; a <= 9; ++a)
        for (int b = a; b <= 9; ++b)
            for (int c = b; c <= 9; ++c)
                if (fitsBetKind(kind, {a, b, c})) out.push_back({a, b, c});
    return out;
}

Number drawForm(const DrawRow &draw, BetKind kind) {
    Number n{draw[1], draw[2], draw[3]};
    if (kind != BetKind::Direct) std::sort(n.begin(), n.end());
    return n;
}

std::vector<ColdCandidate> rankColdCandidates(const DrawTable &history, BetKind kind) {
    // The newest index of every form, from one walk of the history.
    std::array<int, 1000> newest;
    newest.fill(-1);
    const int drawCount = static_cast<int>(history.size());
    for (int i = 0; i < drawCount; ++i) {
        const int v = numberValue(drawForm(history[static_cast<size_t>(i)], kind));
        if (v >= 0 && v < 1000) newest[static_cast<size_t>(v)] = i;
    }
    std::vector<ColdCandidate> ranked;
    for (const Number &n : coldCandidates(kind)) {
        const int at = newest[static_cast<size_t>(numberValue(n))];
        ranked.push_back({n, at < 0 ? 0 : drawCount - at});
    }
    // The exchange procedure, kept as it is: which of several equally cold candidates
    // make the list depends on the order it leaves.
    const size_t n = ranked.size();
    for (size_t i = 0; i + 1 < n; ++i)
        for (size_t j = i + 1; j < n; ++j)
            if (ranked[i].lastSeen < ranked[j].lastSeen) std::swap(ranked[i], ranked[j]);
    return ranked;
}

void checkColdCount(BetKind kind, int64_t count) {
    switch (kind) {
    case BetKind::AllGroup:
        if (count > 210) throw UserError("全组选注数不能大于210,请输入正确的号码注数！");
        break;
    case BetKind::Group3:
        if (count > 90) throw UserError("组三注数不能大于90,请输入正确的号码注数！");
        break;
    case BetKind::Group6:
        if (count > 120) throw UserError("组六注数不能大于120,请输入正确的号码注数！");
        break;
    case BetKind::Direct:
        if (count > 1000) throw UserError("直选注数不能大于1000,请输入正确的号码注数！");
        break;
    }
    if (count < 0) throw UserError("注数不能小于0,请输入正确的号码注数！");
}

NumberList coldSearch(const DrawTable &history, BetKind kind, int64_t count) {
    checkColdCount(kind, count);
    const std::vector<ColdCandidate> ranked = rankColdCandidates(history, kind);
    NumberList out;
    out.reserve(static_cast<size_t>(count));
    for (int64_t k = 0; k < count; ++k) out.push_back(ranked[static_cast<size_t>(k)].number);
    return out;
}

ColdReplay coldReplay(const DrawTable &history, BetKind kind, const NumberList &numbers) {
    ColdReplay r;
    std::array<bool, 1000> listed{};
    for (const Number &n : numbers) {
        const int v = numberValue(n);
        if (v >= 0 && v < 1000) listed[static_cast<size_t>(v)] = true;
    }
    const int drawCount = static_cast<int>(history.size());
    r.rows.resize(history.size());
    for (int i = 0; i < drawCount; ++i) {
        const DrawRow &draw = history[static_cast<size_t>(i)];
        const int v = numberValue(drawForm(draw, kind));
        r.rows[static_cast<size_t>(i)] = {draw[0], v >= 0 && v < 1000 && listed[static_cast<size_t>(v)], 0};
    }
    for (int i = drawCount - 1; i >= 0; --i)
        if (r.rows[static_cast<size_t>(i)].hit) {
            r.currentOmission = drawCount - i;
            break;
        }

    r.numbers = numbers;
    std::sort(r.numbers.begin(), r.numbers.end(),
              [](const Number &a, const Number &b) { return numberValue(a) < numberValue(b); });

    int previous = -1;
    for (int i = 0; i < drawCount; ++i) {
        ColdHistoryRow &row = r.rows[static_cast<size_t>(i)];
        if (row.hit || i == drawCount - 1) row.gap = i - previous;
        if (row.hit) {
            previous = i;
            ++r.hits;
        }
        r.maxGap = std::max(r.maxGap, row.gap);
        if (row.gap > 0) r.minGap = std::min(r.minGap, row.gap);
    }

    // The list bets the same N numbers every draw, so the bet-count lines all read N.
    const std::string count = std::to_string(numbers.size());
    char average[32];
    std::snprintf(average, sizeof average, "%.1f", r.hits > 0 ? double(drawCount) / r.hits : 0.0);
    r.memo = {"中奖期数：" + std::to_string(r.hits),
              "最大注数：" + count,
              "最小注数：" + count,
              "平均注数：" + count,
              "最大间隔：" + std::to_string(r.maxGap),
              "最小间隔：" + std::to_string(r.minGap),
              "平均间隔：" + std::string(average),
              "滤后注数：" + count};
    return r;
}

std::string coldKindCaption(BetKind kind) { return betKindName(kind); }

std::vector<std::string> writeColdList(BetKind kind, const NumberList &numbers) {
    return writeKindHeadedList(coldKindCaption(kind), numbers);
}

ColdList readColdList(const std::vector<std::string> &lines) {
    const KindHeadedList read = readKindHeadedList(lines);
    ColdList list;
    list.kind = read.kind == "直选"     ? BetKind::Direct
                : read.kind == "全组选" ? BetKind::AllGroup
                : read.kind == "组选3"  ? BetKind::Group3
                                        : BetKind::Group6;
    list.count = read.count;
    list.numbers = read.numbers;
    list.shortfall = read.shortfall;
    return list;
}

} // namespace corvel
