#include "planning/backtesttools.h"

#include "core/intconv.h"
#include "filters/coldcode.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace corvel {

namespace {

int directValue(const DrawRow &d) { return d[1] * 100 + d[2] * 10 + d[3]; }

// The newest position of every value among the draws seen so far; each call brings it up
// to date with the draws added since. A shorter history than seen starts it again.
struct NewestIndex {
    std::array<int, 1000> at{};
    size_t seen = 0;

    NewestIndex() { reset(); }
    void reset() {
        at.fill(-1);
        seen = 0;
    }
    template <typename Value> void advance(const DrawTable &draws, Value value) {
        if (draws.size() < seen) reset();
        for (; seen < draws.size(); ++seen) {
            const int v = value(draws[seen]);
            if (v >= 0 && v < 1000) at[size_t(v)] = int(seen);
        }
    }
};

// The omission selection's walks, carried forward: the level-1 omission of every draw, and
// the newest position of every number and every level-1 value among draws 1 … seen − 1
// (the filter's walk never looks at draw 0).
struct OmissionCarry {
    std::array<int, 1000> newestAll{};   // every draw: what the statistics' L1 is measured from
    std::array<int, 1000> newestFrom1{}; // draws from 1 on
    std::vector<int> newestL1From1;      // by level-1 value, draws from 1 on
    size_t seen = 0;

    OmissionCarry() { reset(); }
    void reset() {
        newestAll.fill(-1);
        newestFrom1.fill(-1);
        newestL1From1.clear();
        seen = 0;
    }
    void advance(const DrawTable &draws) {
        if (draws.size() < seen) reset();
        for (; seen < draws.size(); ++seen) {
            const int d = int(seen);
            const auto v = size_t(std::clamp(directValue(draws[seen]), 0, 999));
            const int l1 = d - newestAll[v]; // d + 1 when it never came out
            newestAll[v] = d;
            if (d < 1) continue;
            newestFrom1[v] = d;
            if (newestL1From1.size() <= size_t(l1)) newestL1From1.resize(size_t(l1) + 1, -1);
            newestL1From1[size_t(l1)] = d;
        }
    }
    NumberList filter(const OmissionSettings &settings) const {
        const int ci = int(seen);
        NumberList out;
        for (size_t v = 0; v < 1000; ++v) {
            const int at = newestFrom1[v];
            const int l1 = at < 0 ? ci : ci - at;
            const int k = size_t(l1) < newestL1From1.size() ? newestL1From1[size_t(l1)] : -1;
            const int l2 = k < 0 ? ci : ci - k;
            if (omissionPasses(settings, l1, l2)) out.push_back(numberFromValue(int(v)));
        }
        return out;
    }
};

// The cold list from the newest occurrences: a candidate's last-seen value is unique once
// it has come out (one draw, one form), so the coldest `count` of those need no exchange
// procedure. Empty when the list would reach the never-drawn candidates, whose order only
// that procedure decides.
std::optional<NumberList> coldFromNewest(const NumberList &candidates, const NewestIndex &newest, int drawCount,
                                         int64_t count) {
    std::vector<std::pair<int, size_t>> drawn; // last-seen value, candidate
    for (size_t i = 0; i < candidates.size(); ++i) {
        const int at = newest.at[size_t(numberValue(candidates[i]))];
        if (at >= 0) drawn.push_back({drawCount - at, i});
    }
    if (count > int64_t(drawn.size())) return std::nullopt;
    const auto end = drawn.begin() + count;
    std::partial_sort(drawn.begin(), end, drawn.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    NumberList out;
    for (auto it = drawn.begin(); it != end; ++it) out.push_back(candidates[it->second]);
    return out;
}

} // namespace

ListTool fixedListTool(ToolList list) {
    return [list = std::move(list)](const DrawTable &, int) { return list; };
}

ListTool coldTool(BetKind kind, int64_t count, ToolPath path) {
    checkColdCount(kind, count);
    const ListForm form = kind == BetKind::Direct ? ListForm::Direct : ListForm::Group;
    if (path == ToolPath::Literal)
        return [=](const DrawTable &before, int) { return ToolList{coldSearch(before, kind, count), form}; };
    auto newest = std::make_shared<NewestIndex>();
    const NumberList candidates = coldCandidates(kind);
    return [=](const DrawTable &before, int) {
        newest->advance(before, [kind](const DrawRow &d) { return numberValue(drawForm(d, kind)); });
        std::optional<NumberList> list = coldFromNewest(candidates, *newest, int(before.size()), count);
        return ToolList{list ? std::move(*list) : coldSearch(before, kind, count), form};
    };
}

ListTool exclusionTool(const ExclusionSettings &settings, ToolPath path) {
    if (path == ToolPath::Literal)
        return [settings](const DrawTable &before, int) { return ToolList{runExclusion(before, settings).kept}; };
    // Only "过滤最近开奖号码" reads the history: the other rules' kills are counted once.
    struct State {
        bool ready = false;
        std::array<int, 1000> kills{};
        int tolerance = 0;
        int64_t recent = 0;
        NewestIndex newest;
    };
    auto state = std::make_shared<State>();
    const bool recentTicked = settings.isTicked(ExclusionRule::Recent);
    return [=](const DrawTable &before, int) {
        if (!state->ready) {
            runExclusion(before, settings); // checks every text as "过滤" does
            ExclusionSettings fixed = settings;
            fixed.ticked[size_t(ExclusionRule::Recent)] = false;
            state->kills = runExclusion({}, fixed).kills;
            state->tolerance = strToInt(settings.tolerance);
            if (recentTicked) state->recent = strToInt(settings.text(ExclusionRule::Recent));
            state->ready = true;
        }
        state->newest.advance(before, directValue);
        const auto drawCount = int64_t(before.size());
        ToolList list;
        for (size_t v = 0; v < 1000; ++v) {
            const bool recent = recentTicked && drawCount - state->newest.at[v] <= state->recent;
            if (state->kills[v] + int(recent) <= state->tolerance) list.numbers.push_back(numberFromValue(int(v)));
        }
        return list;
    };
}

ListTool omissionTool(const OmissionSettings &settings, ToolPath path) {
    if (path == ToolPath::Literal)
        return [settings](const DrawTable &before, int index) {
            const std::vector<OmissionRow> statistics = omissionStatistics(before, settings);
            return ToolList{omissionFilter(before, statistics, index, settings)};
        };
    auto carry = std::make_shared<OmissionCarry>();
    return [=](const DrawTable &before, int) {
        carry->advance(before);
        return ToolList{carry->filter(settings)};
    };
}

ListTool followTool(FollowKind kind, const FollowSettings &statistics, const FilterSettings &filter, ToolPath path) {
    if (path == ToolPath::Literal)
        return [=](const DrawTable &before, int index) {
            FollowSelection selection(kind);
            selection.statistics(before, index, statistics);
            selection.filter(filter);
            return ToolList{selection.lists().combined};
        };
    return [=](const DrawTable &before, int index) {
        return ToolList{followListsAt(kind, before, index, statistics, filter).combined};
    };
}

ListTool intersectTool(const ListCounter &counter, const IntersectSettings &settings) {
    const ListForm form = settings.kind == ListKind::Group ? ListForm::Group : ListForm::Direct;
    return [=](const DrawTable &before, int index) {
        IntersectSettings s = settings;
        s.index = index;
        return ToolList{intersectLists(counter, before, s), form};
    };
}

ListTool stableTool(const StableSettings &settings, const std::shared_ptr<uint32_t> &counter,
                    const std::atomic<bool> *stop) {
    return [=](const DrawTable &before, int index) {
        StableSettings s = settings;
        s.index = index;
        return ToolList{stableBaseList(before, s, *counter, {}, stop).unionList};
    };
}

ListTool intervalTool(const IntervalSettings &settings, const std::shared_ptr<Lcg> &random,
                      const std::atomic<bool> *stop) {
    return [=](const DrawTable &before, int index) {
        IntervalSettings s = settings;
        s.start = index;
        const std::atomic<bool> never{false};
        const IntervalResult result = searchIntervals(before, s, *random, stop ? *stop : never);
        return ToolList{intervalStageList(result, 1)};
    };
}

ListTool danmaBaseTool(const DanmaSettings &settings, const MissRanges &ranges, const std::shared_ptr<Lcg> &random,
                       const std::atomic<bool> *stop) {
    return [=](const DrawTable &before, int index) {
        DanmaSettings s = settings;
        s.index = index;
        const DanmaResult result = generateDanma(before, s, *random, {}, stop);
        if (result.stopped) return ToolList{};
        return ToolList{danmaBaseList(result.groups, ranges)};
    };
}

} // namespace corvel
