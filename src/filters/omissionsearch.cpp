#include "filters/omissionsearch.h"

#include "core/intconv.h"

namespace corvel {

namespace {

// The messages are shown from a threshold of 5 up.
constexpr int MessageThreshold = 4;

} // namespace

std::vector<DeviationRow> deviationSearch(const DrawTable &history) {
    const std::vector<SearchItem> &items = searchCatalogue();
    const std::vector<ItemOccurrence> occurrences = itemOccurrences(history);
    const int drawCount = int(history.size());
    std::vector<DeviationRow> rows(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        DeviationRow &row = rows[i];
        row.item = int(i);
        row.expected = items[i].expected;
        row.omission = currentOmission(items[i], occurrences[i], drawCount);
        row.multiple = row.omission / row.expected;
    }
    return rows;
}

std::vector<ReboundRow> reboundSearch(const DrawTable &history) {
    const std::vector<SearchItem> &items = searchCatalogue();
    const std::vector<ItemOccurrence> occurrences = itemOccurrences(history);
    const int drawCount = int(history.size());
    std::vector<ReboundRow> rows(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const ItemOccurrence &seen = occurrences[i];
        ReboundRow &row = rows[i];
        row.item = int(i);
        row.expected = items[i].expected;
        row.omission = currentOmission(items[i], seen, drawCount);
        if (seen.second >= 0)
            row.previous = seen.newest - seen.second;
        else if (seen.newest >= 0)
            row.previous = seen.newest + 1;
        else
            row.previous = drawCount;
        row.multiple = row.omission + row.previous >= drawCount ? 0 : row.previous / row.expected;
    }
    return rows;
}

std::vector<DeviationRow> listedDeviation(const std::vector<DeviationRow> &rows, bool onlyAbove, int threshold) {
    if (!onlyAbove) return rows;
    std::vector<DeviationRow> listed;
    for (const DeviationRow &row : rows)
        if (row.multiple >= threshold) listed.push_back(row);
    return listed;
}

std::vector<ReboundRow> listedRebound(const std::vector<ReboundRow> &rows, int drawCount, bool onlyAbove,
                                      int threshold) {
    if (!onlyAbove) return rows;
    std::vector<ReboundRow> listed;
    for (const ReboundRow &row : rows)
        if (row.multiple >= threshold && row.omission + row.previous < drawCount) listed.push_back(row);
    return listed;
}

int searchThreshold(const std::string &boxText) { return strToInt(boxText); }

std::string deviationMessage(const std::string &boxText, int threshold) {
    if (threshold <= MessageThreshold) return {};
    return "以下偏态为系统搜索出的遗漏" + boxText + "周期以上偏态，请重点关注！";
}

std::string reboundMessage(const std::string &boxText, int threshold) {
    if (threshold <= MessageThreshold) return {};
    return "以下偏态为系统搜索出的遗漏" + boxText + "周期以上偏态且最近一周期内中出，请重点关注！";
}

} // namespace corvel
