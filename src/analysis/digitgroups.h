#pragma once
// Digit groups: sets of k different digits (k = 1..5) studied over the draw history,
// either at one position of the draw or over the whole draw.
//
// Both analyses give, for every group of the chosen size, its occurrences, its largest
// spacing and its current spacing; for the chosen group its occurrence column, the
// distribution of its spacings, and the candidate list of the 1000 direct numbers.
//
// Spacings: walking the draws oldest first with prev starting at −1, every hit at draw j
// has the spacing j − prev; the largest spacing is the largest of these (0 when the group
// never occurs) and the current spacing is n − prev, so it is 1 when the newest draw is a
// hit and n + 1 when the group never occurred.

#include "core/candidates.h"
#include "core/u_public.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace corvel {

// A hit in an occurrence column; any other cell is the number of draws since the last hit
// (≥ 1), so no omission count, however long the history, can be taken for a hit.
constexpr int32_t OccurrenceHit = -1;
constexpr int MinGroupSize = 1;
constexpr int MaxGroupSize = 5;
// Bars per page of the group charts.
constexpr int GroupChartPageSize = 20;

struct DigitGroup {
    std::string label; // the digits in ascending order, e.g. "037"
    uint16_t mask = 0; // bit d set for every digit d of the group
    int32_t occurrences = 0;
    int32_t largestSpacing = 0;
    int32_t currentSpacing = 0;
};

// Every group of `size` digits in lexicographic order of the labels ("0".."9";
// "01", "02", .. "89"; ...), counters zero. Empty for a size outside 1..5.
std::vector<DigitGroup> makeGroupList(int size);
std::vector<std::string> groupLabels(int size);

struct GroupAnalysis {
    std::vector<DigitGroup> groups;     // statistics of every group, in list order
    int chosen = 0;                     // index of the chosen group
    std::vector<int32_t> occurrence;    // chosen group, one cell per draw (oldest first)
    std::vector<int32_t> spacingCounts; // chosen group: [g − 1] = how often spacing g was seen
    CandidateList candidates;           // pass mark 0 for the numbers the chosen group lets through

    const DigitGroup &chosenGroup() const { return groups.at(chosen); }
};

// Per-position analysis: a group occurs in a draw when the draw's digit at `position`
// (1 = 百, 2 = 十, 3 = 个) is one of its digits; candidates are the numbers whose digit
// at that position is in the chosen group. Throws UserError "列表索引越界 (%d)" when
// `group` is not an index of the group list, or when the position is not 1..3.
GroupAnalysis analysePositions(const DrawTable &draws, const DirectNumberTable &numbers, int position, int size,
                               int group);

// Overall analysis. Statistics: a draw counts for a group when all its digits are digits
// of the group. Occurrence column of the chosen group: a draw is a hit when it contains at
// least min(3, size) different digits of the group. Candidates: the numbers all of whose
// digits are in the group. Throws UserError like analysePositions.
GroupAnalysis analyseOverall(const DrawTable &draws, const DirectNumberTable &numbers, int size, int group);

// The statistics tables alone (no chosen group), as the windows show them.
std::vector<DigitGroup> positionGroupStatistics(const DrawTable &draws, int position, int size);
std::vector<DigitGroup> overallGroupStatistics(const DrawTable &draws, int size);

// Headings and rows of a statistics table exactly as the grid shows them:
// label, occurrences, largest spacing, current spacing.
const std::array<std::string, 4> &groupStatisticsHeadings();
std::vector<std::array<std::string, 4>> groupStatisticsRows(const std::vector<DigitGroup> &groups);

// Text of an occurrence cell: "●" for a hit, else the omission count.
std::string occurrenceCellText(int32_t cell);

// Descriptions handed to the filtered-code view.
std::string positionGroupDescription(const std::string &positionName, const std::string &label);
std::string overallGroupDescription(const std::string &label);

} // namespace corvel
