#include "generators/intersect.h"

#include "core/usererror.h"

#include <algorithm>

namespace corvel {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpaceTabOrLineEnd(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

int sortedValue(Number n) {
    std::sort(n.begin(), n.end());
    return numberValue(n);
}

bool threeDifferent(const Number &n) { return n[0] != n[1] && n[0] != n[2] && n[1] != n[2]; }

NumberList buildGroupCandidates() {
    NumberList out;
    for (int x = 0; x <= 9; ++x)
        for (int y = x; y <= 9; ++y)
            for (int z = y; z <= 9; ++z)
                if (!(x == y && y == z)) out.push_back({x, y, z});
    return out;
}

NumberList buildDirectCandidates() {
    NumberList out;
    for (int v = 0; v < 1000; ++v) out.push_back(numberFromValue(v));
    return out;
}

} // namespace

NumberSet numbersInText(std::string_view text) {
    NumberSet present;
    int value = 0;
    int run = 0;
    for (char c : text) {
        if (isDigit(c)) {
            value = (value * 10 + (c - '0')) % 1000;
            if (++run >= 3) present.set(size_t(value));
        } else {
            run = 0;
            value = 0;
        }
    }
    return present;
}

void ListCounter::add(std::string_view listText) {
    const NumberSet present = numbersInText(listText);
    for (size_t v = 0; v < counts_.size(); ++v) counts_[v] += present[v];
    ++lists_;
}

void ListCounter::clear() {
    counts_.fill(0);
    lists_ = 0;
}

const NumberList &intersectCandidates(ListKind kind) {
    static const NumberList direct = buildDirectCandidates();
    static const NumberList group = buildGroupCandidates();
    return kind == ListKind::Direct ? direct : group;
}

std::array<int, 1000> candidateOmissions(const DrawTable &draws, int index, ListKind kind) {
    std::array<int, 1000> omission;
    omission.fill(index + 1);
    std::array<bool, 1000> seen{};
    const int last = std::min(index, static_cast<int>(draws.size()));
    for (int j = last - 1; j >= 0; --j) {
        const DrawRow &d = draws[size_t(j)];
        const Number n{d[1] % 10, d[2] % 10, d[3] % 10};
        const int value = kind == ListKind::Direct ? numberValue(n) : sortedValue(n);
        if (value < 0 || value > 999 || seen[size_t(value)]) continue;
        seen[size_t(value)] = true;
        omission[size_t(value)] = index - j;
    }
    return omission;
}

NumberList intersectLists(const ListCounter &counter, const DrawTable &draws, const IntersectSettings &s) {
    if (counter.lists() == 0) throw UserError("请先导入大底文件！");
    if (s.index < 0 || size_t(s.index) > draws.size()) throw UserError("目前投注期不在开奖号码之内！");
    if (s.excludeRecent && s.recent < 0) throw UserError("排除期数不能小于0！");
    std::array<int, 1000> omission{};
    if (s.excludeRecent) omission = candidateOmissions(draws, s.index, s.kind);
    NumberList out;
    for (const Number &n : intersectCandidates(s.kind)) {
        const int value = numberValue(n);
        if (s.excludeRecent && omission[size_t(value)] <= s.recent) continue;
        const int misses = counter.lists() - counter.count(value);
        const bool survives = threeDifferent(n) ? misses >= s.sixLow && misses <= s.sixHigh
                                                : misses >= s.threeLow && misses <= s.threeHigh;
        if (survives) out.push_back(n);
    }
    return out;
}

NumberList directToGroup(std::string_view resultText) {
    std::string sorted;
    size_t at = 0;
    while (at < resultText.size()) {
        while (at < resultText.size() && isSpaceTabOrLineEnd(resultText[at])) ++at;
        const size_t start = at;
        while (at < resultText.size() && !isSpaceTabOrLineEnd(resultText[at])) ++at;
        if (at == start) continue;
        std::string head(resultText.substr(start, std::min<size_t>(3, at - start)));
        std::sort(head.begin(), head.end());
        sorted += head + ' ';
    }
    const NumberSet present = numbersInText(sorted);
    NumberList out;
    for (const Number &n : intersectCandidates(ListKind::Group))
        if (present[size_t(numberValue(n))]) out.push_back(n);
    return out;
}

NumberList groupToDirect(std::string_view resultText) {
    const NumberSet present = numbersInText(resultText);
    NumberList out;
    for (int v = 0; v < 1000; ++v) {
        const Number n = numberFromValue(v);
        if (present[size_t(sortedValue(n))]) out.push_back(n);
    }
    return out;
}

int previewCount(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), isDigit) / 3);
}

} // namespace corvel
