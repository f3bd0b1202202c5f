#include "core/historytext.h"

#include "core/drawhistory.h"
#include "core/drawparse.h"
#include "core/textencoding.h"
#include "core/usererror.h"

#include <algorithm>

namespace corvel {

namespace {

bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

[[noreturn]] void badLine(size_t index, std::string_view line, const std::string &problem) {
    throw UserError("第" + std::to_string(index + 1) + "行“" + quotedPiece(line) + "”" + problem);
}

int32_t issueColumn(const std::string &issue, int64_t value, const std::string &lotteryName) {
    try {
        return issueToInt(issue, lotteryName);
    } catch (const UserError &) {
        return static_cast<int32_t>(value % 1000000000);
    }
}

} // namespace

HistoryText readHistoryText(std::string_view text, int positionStart, const std::string &lotteryName) {
    if (positionStart < 1 || positionStart > 3) throw UserError("位置起点必须在1到3之间！");
    HistoryText out;
    const std::vector<std::string_view> lines = splitLines(text);
    for (size_t index = 0; index < lines.size(); ++index) {
        const std::string_view line = trimBlanks(lines[index]);
        if (line.empty()) continue;
        const std::vector<std::string_view> items = splitItems(line);
        if (items.size() != 2) badLine(index, line, "不是“期号 号码”的格式！");
        const std::string_view issue = items[0], digits = items[1];
        if (!allDigits(issue) || issue.size() > 18) badLine(index, line, "的期号不是有效的数字！");
        if (!allDigits(digits) || (digits.size() != 3 && digits.size() != 5))
            badLine(index, line, "的开奖号码不是三位或五位数字！");
        const size_t first = digits.size() == 5 ? static_cast<size_t>(positionStart - 1) : 0;
        const int64_t value = std::stoll(std::string(issue));
        const std::string issueText(issue);
        out.issues.push_back(value);
        out.draws.push_back({issueColumn(issueText, value, lotteryName), digits[first] - '0', digits[first + 1] - '0',
                             digits[first + 2] - '0'});
    }
    return out;
}

} // namespace corvel
