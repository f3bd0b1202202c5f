#include "core/betorient.h"

namespace corvel {

std::optional<int64_t> nextIssue(const DrawTable &draws, const std::vector<int64_t> &issues) {
    if (draws.empty()) return std::nullopt;
    const int64_t newest = issues.size() == draws.size() ? issues.back() : static_cast<int64_t>(draws.back()[0]);
    return newest + 1;
}

std::string betIssueText(std::optional<int64_t> issue) {
    std::string text = "投注期号：";
    if (issue) text += std::to_string(*issue);
    return text;
}

std::string betCostText(int64_t count) { return std::to_string(count * BetPrice) + " 元"; }

std::string withBetCost(const std::string &countText, int64_t count) {
    if (count < 0) return countText;
    return countText + "  " + betCostText(count);
}

} // namespace corvel
