#pragma once
// Follow selection: whenever an earlier draw shared a digit pattern with a reference
// draw, which number came a fixed number of draws later? From those follow codes come
// the old and new digits of every occurrence, an exclusion of the groups (or direct
// numbers) that followed recently, a danma exclusion, and the bet list of what survives.
//
// Two kinds: the group selection sorts every draw's digits and excludes whole groups
// (a leopard only by the danma range, never as a follow code); the direct selection keeps the digits in draw order and
// excludes single direct numbers.

#include "core/numberlist.h"
#include "core/u_public.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace corvel {

enum class FollowKind { Group, Direct };

// What "统计" reads.
struct FollowSettings {
    int width = 1;            // 1, 2 or 3 digits ("1码组选" …)
    int position = 1;         // 1..3 ("统计位置")
    bool ordered = false;     // "分次序" (group, width 2 only)
    int interval = 1;         // B ("间隔期数"), 1..100
    int followCount = 2;      // F ("跟随期数"), ≥ 0
    bool includeDraw = false; // "包括开奖号"
};

// What "过滤" reads.
struct FilterSettings {
    int excludeCount = 20; // M ("排除期数"), ≥ 0
    std::string danma;     // "新旧胆码", as typed
    int low = 1;           // "中"
    int high = 3;          // "到"
    bool includeDraw = false;
};

// One row of the follow table (kept small: a 12000-draw history gives thousands of rows).
// Cell texts come from followCell().
struct FollowRow {
    int16_t draw = 0;       // the occurrence as the number 000–999, digits in draw order
    int16_t follow = -1;    // the draw B later; −1 when it is not drawn yet (a placeholder is shown)
    uint16_t oldDigits = 0; // bit d set: digit d is old
    uint8_t oldHits = 0;
    uint8_t newHits = 0;
    bool hasDigits = false; // old/new digits, the two counts and the distance are filled
    int32_t distance = 0;   // exclusion distance; unused on the last row ("???")

    bool followDrawn() const { return follow >= 0; }
};

struct FollowTable {
    FollowKind kind = FollowKind::Group;
    int width = 1;
    std::string reference; // the reference draw's digits as the pattern reads them (sorted for groups)
    std::string pattern;   // the pattern the scan looked for
    std::vector<FollowRow> rows;
};

// The six columns of the follow table, in order.
const std::vector<std::string> &followHeadings();

// Steps 1–4 of "统计": reference draw `current` − B, the occurrence scan from draw index
// 99 to the reference, follow codes with their placeholders, old and new digits, hit
// counts and exclusion distances. `current` is the coming draw's index (normally the
// number of draws); the draws from `current` on are never read.
FollowTable followStatistics(FollowKind kind, const DrawTable &history, int current, const FollowSettings &settings);

// Cell text of the follow table: column 0 "开奖号" … 5 "排除期数".
std::string followCell(const FollowTable &table, size_t row, int column);

// The exclusion counters of the 1000 direct numbers: a number with a counter of 1 or more
// is excluded by that exclusion.
struct ExclusionCounters {
    std::array<int32_t, 1000> history{};
    std::array<int32_t, 1000> danma{};
    void clear();
};

// Step 5: the follow codes (and with `includeDraw` the occurrence draws) of the last M
// rows before the last one; row 0 is never used.
void historyExclude(const FollowTable &table, int excludeCount, bool includeDraw, ExclusionCounters &counters);
// Step 6: groups (or direct numbers) whose count of danma characters found in them lies
// outside [low, high], leopards as any other group; an empty or blank danma text
// excludes nothing.
void danmaExclude(FollowKind kind, const std::string &danma, int low, int high, ExclusionCounters &counters);

struct FollowLists {
    NumberList history;  // passes the history exclusion
    NumberList danma;    // passes the danma exclusion
    NumberList combined; // passes both
};
FollowLists followLists(const ExclusionCounters &counters);

// The lists of "统计" for `current` followed by one "过滤" of a fresh window, found without
// building the follow table: the exclusion reads the newest M + 1 rows only, so the scan
// walks back from the reference draw and stops as soon as it has them.
FollowLists followListsAt(FollowKind kind, const DrawTable &history, int current, const FollowSettings &statistics,
                          const FilterSettings &filter);

// The texts of the edit boxes as numbers, refused with a message naming the field when
// a text is not an integer or out of range.
int readFollowCount(const std::string &text);
FilterSettings readFilterSettings(const std::string &excludeCount, const std::string &danma, const std::string &low,
                                  const std::string &high, bool includeDraw);

// A follow window's working state: the table of the last "统计" and the counters.
// "过滤" of the group window starts from zero every time; the direct window's counters
// accumulate until "清空".
class FollowSelection {
public:
    explicit FollowSelection(FollowKind kind) : kind_(kind) { table_.kind = kind; }

    FollowKind kind() const { return kind_; }
    void statistics(const DrawTable &history, int current, const FollowSettings &settings);
    void filter(const FilterSettings &settings);
    void clear();

    const FollowTable &table() const { return table_; }
    const ExclusionCounters &counters() const { return counters_; }
    FollowLists lists() const { return followLists(counters_); }

private:
    FollowKind kind_;
    FollowTable table_;
    ExclusionCounters counters_;
};

} // namespace corvel
