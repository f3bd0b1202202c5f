#pragma once
// The cold-code search: ranks the candidates of one bet kind by how long ago they last
// came out, keeps the coldest N, and replays the draw history against such a list
// (hits, gaps between hits, the memo statistics).

#include "core/numberlist.h"
#include "core/u_public.h"

#include <optional>
#include <string>
#include <vector>

namespace corvel {

// The kind's candidates in ascending order: 1000 direct numbers, 210 group
// combinations without leopards, 90 group-three or 120 group-six combinations.
NumberList coldCandidates(BetKind kind);

// A draw as the kind compares it: position order for "直选", ascending for the groups.
Number drawForm(const DrawRow &draw, BetKind kind);

struct ColdCandidate {
    Number number{};
    // DrawCount − index of the newest matching draw (1 = came out in the newest draw);
    // 0 when it never came out.
    int lastSeen = 0;
};

// The candidates with their last-seen values, ordered coldest first by the exchange
// procedure (i < j swap when i's value is smaller), so ties keep the order that
// procedure leaves.
std::vector<ColdCandidate> rankColdCandidates(const DrawTable &history, BetKind kind);

// Refuses a count the kind cannot list: the three group limits with their messages,
// and a count below 0 or a direct count above 1000.
void checkColdCount(BetKind kind, int64_t count);

// "开始搜索": the first `count` candidates of the ranking (checked as above).
NumberList coldSearch(const DrawTable &history, BetKind kind, int64_t count);

struct ColdHistoryRow {
    int32_t issue = 0;
    bool hit = false;
    int gap = 0; // set for hits and for the newest draw, else 0
};

struct ColdReplay {
    NumberList numbers;                 // the list in ascending order (the grid)
    std::vector<ColdHistoryRow> rows;   // one per draw, oldest first
    std::optional<int> currentOmission; // DrawCount − index of the newest hit draw
    int hits = 0;
    int maxGap = 0;
    int minGap = 10000;            // smallest non-zero gap, 10000 when there is none
    std::vector<std::string> memo; // the eight lines of "历史间隔："
};

// Replays the history against `numbers` (a draw is a hit when its form equals one of
// them) and builds what the window shows.
ColdReplay coldReplay(const DrawTable &history, BetKind kind, const NumberList &numbers);

// The caption of a kind, the radio group's item: "直选", "全组选", "组选3", "组选6".
std::string coldKindCaption(BetKind kind);

// The save file: kind + "共" + count + "注", then the numbers ten a line.
std::vector<std::string> writeColdList(BetKind kind, const NumberList &numbers);

struct ColdList {
    BetKind kind = BetKind::Direct;
    int count = 0; // the numbers read (fewer than the heading's when the file is short)
    NumberList numbers;
    std::string shortfall; // see KindHeadedList
};
// Reads a file the window saved (the kind-headed form). Throws UserError.
ColdList readColdList(const std::vector<std::string> &lines);

} // namespace corvel
