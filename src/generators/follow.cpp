#include "generators/follow.h"

#include "core/intconv.h"
#include "core/usererror.h"

#include <algorithm>
#include <bit>

namespace corvel {

namespace {

// The scan never looks at the first draws of the history.
constexpr int FirstScannedDraw = 99;
constexpr int MaxInterval = 100;
constexpr uint16_t AllDigits = 0x3FF;

const char *const GroupPlaceholder = "下期开???";
const char *const PairPlaceholder = "开奖号???";
const char *const Unknown = "???";

Number drawNumber(const DrawRow &row) { return {row[1], row[2], row[3]}; }

// Three compare-and-swaps: this runs for every draw of the history.
Number sorted(Number n) {
    if (n[0] > n[1]) std::swap(n[0], n[1]);
    if (n[1] > n[2]) std::swap(n[1], n[2]);
    if (n[0] > n[1]) std::swap(n[0], n[1]);
    return n;
}

bool isLeopard(const Number &n) { return n[0] == n[1] && n[1] == n[2]; }

// The number a row's code stands for when codes are compared: the group (digits sorted)
// or the direct number itself.
int codeKey(FollowKind kind, const Number &n) { return numberValue(kind == FollowKind::Group ? sorted(n) : n); }

uint16_t digitMask(const Number &n) {
    uint16_t mask = 0;
    for (int d : n)
        if (d >= 0 && d <= 9) mask = static_cast<uint16_t>(mask | (1u << d));
    return mask;
}

std::string digitsOf(uint16_t mask) {
    std::string text;
    for (int d = 0; d <= 9; ++d)
        if (mask & (1u << d)) text += static_cast<char>('0' + d);
    return text;
}

void checkSettings(const FollowSettings &s) {
    if (s.width < 1 || s.width > 3) throw UserError(listIndexMessage(s.width - 1));
    if (s.position < 1 || s.position > 3) throw UserError(listIndexMessage(s.position - 1));
    if (s.interval < 1 || s.interval > MaxInterval) throw UserError(listIndexMessage(s.interval - 1));
    if (s.followCount < 0) throw UserError("跟随期数不能小于0！");
}

// The pattern of the reference draw and the test a scanned draw must pass. Digits are
// compared as integers: the scan runs over every draw of the history.
class PatternMatcher {
public:
    PatternMatcher(FollowKind kind, const Number &reference, const FollowSettings &s)
        : kind_(kind), width_(s.width), ordered_(s.ordered), first_(size_t(s.position - 1)),
          second_(size_t(s.position % 3)) {
        if (kind == FollowKind::Group) {
            reference_ = sorted(reference);
            const Number &r = reference_;
            if (width_ == 1) pattern_ = {r[first_]};
            if (width_ == 2)
                pattern_ = s.position == 1   ? std::vector{r[0], r[1]}
                           : s.position == 2 ? std::vector{r[1], r[2]}
                                             : std::vector{r[0], r[2]};
            if (width_ == 3) pattern_ = {r[0], r[1], r[2]};
            if (width_ == 2) referencePosition_ = pairPosition(r);
        } else {
            reference_ = reference;
            if (width_ == 1) pattern_ = {reference[first_]};
            if (width_ == 2) pattern_ = {reference[first_], reference[second_]};
            if (width_ == 3) pattern_ = {reference[0], reference[1], reference[2]};
        }
    }

    std::string reference() const { return numberText(reference_); }
    std::string pattern() const {
        std::string text;
        for (int d : pattern_) text += static_cast<char>('0' + d);
        return text;
    }

    bool matches(const Number &draw) const {
        if (kind_ == FollowKind::Group) {
            const Number s = sorted(draw);
            switch (width_) {
            case 1:
                return s[0] == pattern_[0] || s[1] == pattern_[0] || s[2] == pattern_[0];
            case 2:
                // By position: where the pattern first stands in the sorted draw, 0 when
                // absent, must be where it stands in the reference.
                return ordered_ ? pairPosition(s) == referencePosition_ : pairPosition(s) != 0;
            default:
                return s == reference_;
            }
        }
        switch (width_) {
        case 1:
            return draw[first_] == pattern_[0];
        case 2:
            return draw[first_] == pattern_[0] && draw[second_] == pattern_[1];
        default:
            return draw == reference_;
        }
    }

private:
    // 1-based position of the two-digit pattern in a sorted three-digit text, 0 when absent.
    int pairPosition(const Number &s) const {
        if (s[0] == pattern_[0] && s[1] == pattern_[1]) return 1;
        if (s[1] == pattern_[0] && s[2] == pattern_[1]) return 2;
        return 0;
    }

    FollowKind kind_;
    int width_;
    bool ordered_;
    size_t first_, second_;
    Number reference_{};
    std::vector<int> pattern_;
    int referencePosition_ = 0;
};

// Old and new digits with their hit counts: the old digits of row k are those of the
// follow codes of the F rows before it, kept as a sliding count per digit.
void fillOldAndNew(std::vector<FollowRow> &rows, int followCount) {
    const size_t count = rows.size();
    const auto F = size_t(followCount);
    if (F >= count) return;
    std::array<int, 10> present{};
    const auto add = [&](const FollowRow &row, int delta) {
        if (!row.followDrawn()) return;
        const uint16_t mask = digitMask(numberFromValue(row.follow));
        for (int d = 0; d <= 9; ++d)
            if (mask & (1u << d)) present[size_t(d)] += delta;
    };
    for (size_t j = 0; j < F; ++j) add(rows[j], 1);
    for (size_t k = F; k < count; ++k) {
        if (k > F) {
            add(rows[k - 1], 1);
            add(rows[k - 1 - F], -1);
        }
        FollowRow &row = rows[k];
        row.hasDigits = true;
        row.oldDigits = 0;
        for (int d = 0; d <= 9; ++d)
            if (present[size_t(d)] > 0) row.oldDigits = static_cast<uint16_t>(row.oldDigits | (1u << d));
        if (row.followDrawn()) {
            const uint16_t mask = digitMask(numberFromValue(row.follow));
            row.oldHits = static_cast<uint8_t>(std::popcount(static_cast<unsigned>(mask & row.oldDigits)));
            row.newHits = static_cast<uint8_t>(std::popcount(static_cast<unsigned>(mask & ~row.oldDigits & AllDigits)));
        }
    }
}

// Exclusion distance of every row from F to the one before the last: how far back the
// same code last followed (or, with the draws included, was drawn); k + 1 when never.
void fillDistances(FollowKind kind, std::vector<FollowRow> &rows, int followCount, bool includeDraw) {
    std::array<int, 1000> lastFollow, lastDraw;
    lastFollow.fill(-1);
    lastDraw.fill(-1);
    for (size_t k = 0; k + 1 < rows.size(); ++k) {
        FollowRow &row = rows[k];
        const int key = codeKey(kind, numberFromValue(row.follow));
        if (k >= size_t(followCount)) {
            int j = lastFollow[size_t(key)];
            if (includeDraw) j = std::max(j, lastDraw[size_t(key)]);
            row.distance = j >= 0 ? int(k) - j : int(k) + 1;
        }
        lastFollow[size_t(key)] = int(k);
        lastDraw[size_t(codeKey(kind, numberFromValue(row.draw)))] = int(k);
    }
}

// Adds 1 to the counter of every arrangement of the group's digits (the six orders of
// the three positions, so a group three counts its arrangements twice).
void addArrangements(std::array<int32_t, 1000> &counter, const Number &n) {
    static constexpr int Orders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const auto &o : Orders) ++counter[size_t(n[size_t(o[0])] * 100 + n[size_t(o[1])] * 10 + n[size_t(o[2])])];
}

void excludeCode(FollowKind kind, std::array<int32_t, 1000> &counter, const Number &code) {
    if (kind == FollowKind::Direct) {
        ++counter[size_t(numberValue(code))];
        return;
    }
    const Number group = sorted(code);
    if (!isLeopard(group)) addArrangements(counter, group);
}

std::string trimmedBlanks(const std::string &text) {
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
    return text.substr(b, e - b);
}

// How many characters of the danma text occur in the number's digits, repeats counted
// again. Only single-byte characters can be digits, so the text is walked byte by byte.
int danmaHits(const std::string &danma, uint16_t digits) {
    int hits = 0;
    for (char c : danma)
        if (c >= '0' && c <= '9' && (digits & (1u << (c - '0')))) ++hits;
    return hits;
}

} // namespace

const std::vector<std::string> &followHeadings() {
    static const std::vector<std::string> headings{"开奖号", "跟随码", "旧码", "新码", "中出个数", "排除期数"};
    return headings;
}

FollowTable followStatistics(FollowKind kind, const DrawTable &history, int current, const FollowSettings &settings) {
    checkSettings(settings);
    FollowTable table;
    table.kind = kind;
    table.width = settings.width;
    const int N = std::clamp(current, 0, int(history.size()));
    const int last = N - settings.interval; // the reference draw
    if (last < 0) return table;
    const PatternMatcher matcher(kind, drawNumber(history[size_t(last)]), settings);
    table.reference = matcher.reference();
    table.pattern = matcher.pattern();
    for (int i = FirstScannedDraw; i <= last; ++i) {
        const Number draw = drawNumber(history[size_t(i)]);
        if (!matcher.matches(draw)) continue;
        FollowRow row;
        row.draw = static_cast<int16_t>(numberValue(draw));
        const int next = i + settings.interval;
        if (next < N) row.follow = static_cast<int16_t>(numberValue(drawNumber(history[size_t(next)])));
        table.rows.push_back(row);
    }
    fillOldAndNew(table.rows, settings.followCount);
    fillDistances(kind, table.rows, settings.followCount, settings.includeDraw);
    return table;
}

std::string followCell(const FollowTable &table, size_t row, int column) {
    if (row >= table.rows.size()) return {};
    const FollowRow &r = table.rows[row];
    const bool lastRow = row + 1 == table.rows.size();
    switch (column) {
    case 0:
        return numberText(numberFromValue(r.draw));
    case 1:
        if (r.followDrawn()) return numberText(numberFromValue(r.follow));
        return table.kind == FollowKind::Group && table.width == 2 ? PairPlaceholder : GroupPlaceholder;
    case 2:
        return r.hasDigits ? digitsOf(r.oldDigits) : std::string();
    case 3:
        return r.hasDigits ? digitsOf(static_cast<uint16_t>(~r.oldDigits & AllDigits)) : std::string();
    case 4:
        if (!r.hasDigits) return {};
        return lastRow ? Unknown : std::to_string(r.oldHits) + "+" + std::to_string(r.newHits);
    case 5:
        if (!r.hasDigits) return {};
        return lastRow ? Unknown : std::to_string(r.distance);
    default:
        return {};
    }
}

void ExclusionCounters::clear() {
    history.fill(0);
    danma.fill(0);
}

void historyExclude(const FollowTable &table, int excludeCount, bool includeDraw, ExclusionCounters &counters) {
    const int64_t lastRow = int64_t(table.rows.size()) - 1;
    const int64_t stop = std::max<int64_t>(lastRow - excludeCount, 1);
    for (int64_t j = lastRow - 1; j >= stop; --j) {
        const FollowRow &row = table.rows[size_t(j)];
        if (row.followDrawn()) excludeCode(table.kind, counters.history, numberFromValue(row.follow));
        if (includeDraw) excludeCode(table.kind, counters.history, numberFromValue(row.draw));
    }
}

void danmaExclude(FollowKind kind, const std::string &danmaText, int low, int high, ExclusionCounters &counters) {
    const std::string danma = trimmedBlanks(danmaText);
    if (danma.empty()) return;
    const auto outside = [&](const Number &n) {
        const int hits = danmaHits(danma, digitMask(n));
        return hits < low || hits > high;
    };
    if (kind == FollowKind::Direct) {
        for (int v = 0; v < 1000; ++v)
            if (outside(numberFromValue(v))) ++counters.danma[size_t(v)];
        return;
    }
    for (int x = 0; x <= 9; ++x)
        for (int y = x; y <= 9; ++y)
            for (int z = y; z <= 9; ++z) {
                const Number group{x, y, z};
                if (outside(group)) addArrangements(counters.danma, group);
            }
}

FollowLists followLists(const ExclusionCounters &counters) {
    FollowLists lists;
    for (int v = 0; v < 1000; ++v) {
        const bool history = counters.history[size_t(v)] == 0, danma = counters.danma[size_t(v)] == 0;
        if (history) lists.history.push_back(numberFromValue(v));
        if (danma) lists.danma.push_back(numberFromValue(v));
        if (history && danma) lists.combined.push_back(numberFromValue(v));
    }
    return lists;
}

FollowLists followListsAt(FollowKind kind, const DrawTable &history, int current, const FollowSettings &s,
                          const FilterSettings &f) {
    checkSettings(s);
    ExclusionCounters counters;
    const int N = std::clamp(current, 0, int(history.size()));
    const int last = N - s.interval; // the reference draw
    if (last >= FirstScannedDraw) {
        const PatternMatcher matcher(kind, drawNumber(history[size_t(last)]), s);
        // The table's rows, newest first (the reference draw need not match its own
        // pattern): the last row, the M before it and one more, which tells whether the
        // oldest of those is row 0, the one the exclusion never uses.
        const auto wanted = size_t(f.excludeCount) + 2;
        std::vector<int> rows;
        for (int i = last; i >= FirstScannedDraw && rows.size() < wanted; --i)
            if (matcher.matches(drawNumber(history[size_t(i)]))) rows.push_back(i);
        for (size_t k = 1; k + 1 < rows.size(); ++k) {
            const int i = rows[k];
            excludeCode(kind, counters.history, drawNumber(history[size_t(i + s.interval)]));
            if (f.includeDraw) excludeCode(kind, counters.history, drawNumber(history[size_t(i)]));
        }
    }
    danmaExclude(kind, f.danma, f.low, f.high, counters);
    return followLists(counters);
}

int readFollowCount(const std::string &text) {
    const int count = strToInt(text);
    if (count < 0) throw UserError("跟随期数不能小于0！");
    return count;
}

FilterSettings readFilterSettings(const std::string &excludeCount, const std::string &danma, const std::string &low,
                                  const std::string &high, bool includeDraw) {
    FilterSettings s;
    s.excludeCount = strToInt(excludeCount);
    s.low = strToInt(low);
    s.high = strToInt(high);
    if (s.excludeCount < 0) throw UserError("排除期数不能小于0！");
    if (s.low < 0 || s.high < 0) throw UserError("胆码中出个数不能小于0！");
    if (s.low > s.high) throw UserError("胆码中出个数的范围有误：“中”大于“到”！");
    s.danma = danma;
    s.includeDraw = includeDraw;
    return s;
}

void FollowSelection::statistics(const DrawTable &history, int current, const FollowSettings &settings) {
    table_ = followStatistics(kind_, history, current, settings);
}

void FollowSelection::filter(const FilterSettings &settings) {
    if (kind_ == FollowKind::Group) counters_.clear();
    historyExclude(table_, settings.excludeCount, settings.includeDraw, counters_);
    danmaExclude(kind_, settings.danma, settings.low, settings.high, counters_);
}

void FollowSelection::clear() { counters_.clear(); }

} // namespace corvel
