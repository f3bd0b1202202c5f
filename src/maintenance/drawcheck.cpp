#include "maintenance/drawcheck.h"

#include "core/drawparse.h"
#include "core/textencoding.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

namespace corvel {

namespace {

bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<int64_t> number(std::string_view s) {
    if (!allDigits(s) || s.size() > 18) return std::nullopt;
    int64_t value = 0;
    std::from_chars(s.data(), s.data() + s.size(), value);
    return value;
}

// A date as yyyymmdd: "2024-03-05", "2024/3/5", "2024.03.05" or "20240305"; nothing for any
// other text (a date the check cannot read is not compared).
std::optional<int> dateValue(std::string_view text) {
    if (allDigits(text) && text.size() == 8) return int(*number(text));
    int parts[3] = {0, 0, 0};
    size_t part = 0, digits = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (++digits > (part == 0 ? 4u : 2u)) return std::nullopt;
            parts[part] = parts[part] * 10 + (c - '0');
        } else if ((c == '-' || c == '/' || c == '.') && digits > 0 && part < 2) {
            ++part;
            digits = 0;
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || digits == 0 || parts[0] < 1000 || parts[1] < 1 || parts[1] > 12 || parts[2] < 1 || parts[2] > 31)
        return std::nullopt;
    return parts[0] * 10000 + parts[1] * 100 + parts[2];
}

// The period an issue belongs to and its number in it: a seven-digit issue YYYYNNN is
// draw NNN of year YYYY; a longer one ends with the draw of its day. Shorter issues have
// no period the check knows.
struct Period {
    std::string_view period;
    int draw = 0;
};
std::optional<Period> periodOf(std::string_view issue) {
    if (issue.size() < 7 || !allDigits(issue)) return std::nullopt;
    const std::string_view tail = issue.substr(issue.size() - 3);
    return Period{issue.substr(0, issue.size() - 3), int(*number(tail))};
}

// Joins pieces (GCC 12 warns wrongly about `"literal" + std::string` chains).
std::string cat(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (const std::string_view piece : pieces) out += piece;
    return out;
}

std::string issueWithDraw(std::string_view period, int draw) {
    std::string text = std::to_string(draw);
    return std::string(period) + std::string(3 - std::min<size_t>(3, text.size()), '0') + text;
}

} // namespace

size_t DrawCheck::problems() const {
    return size_t(std::count_if(findings.begin(), findings.end(), [](const DrawFinding &f) { return !f.warning; }));
}

size_t DrawCheck::warnings() const { return findings.size() - problems(); }

std::vector<DrawCheckRow> drawCheckRows(std::string_view text) {
    std::vector<DrawCheckRow> rows;
    const std::vector<std::string_view> lines = splitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string_view> items = splitItems(lines[i]);
        if (items.empty()) continue;
        DrawCheckRow row{i + 1, std::string(items[0]), {}, {}};
        if (items.size() > 1) row.digits = std::string(items[1]);
        if (items.size() > 2) row.date = std::string(items[2]);
        rows.push_back(std::move(row));
    }
    return rows;
}

DrawCheck checkDraws(const std::vector<DrawCheckRow> &rows) {
    DrawCheck check;
    check.draws = rows.size();
    std::map<std::string, size_t> seen;     // issue -> first line
    const DrawCheckRow *previous = nullptr; // the last row with a readable issue
    std::optional<int> lastDate;
    size_t lastDateLine = 0;
    for (const DrawCheckRow &row : rows) {
        const auto find = [&](bool warning, std::string text) {
            check.findings.push_back({warning, row.line, row.issue, std::move(text)});
        };
        const std::optional<int64_t> issue = number(row.issue);
        if (!issue) {
            find(false, "期号不是数字");
        } else if (const auto [at, fresh] = seen.emplace(row.issue, row.line); !fresh) {
            find(false, cat({"期号重复（第", std::to_string(at->second), "行已有）"}));
        } else {
            if (previous) {
                const int64_t before = *number(previous->issue);
                const auto period = periodOf(row.issue), earlier = periodOf(previous->issue);
                if (*issue < before) {
                    find(false, cat({"期号比上一期", previous->issue, "（第", std::to_string(previous->line),
                                     "行）小，顺序颠倒"}));
                } else if (period && earlier && period->period == earlier->period &&
                           row.issue.size() == previous->issue.size() && period->draw > earlier->draw + 1) {
                    const int missing = period->draw - earlier->draw - 1;
                    std::string range = issueWithDraw(period->period, earlier->draw + 1);
                    if (missing > 1) range += cat({"～", issueWithDraw(period->period, period->draw - 1)});
                    find(true,
                         cat({"与上一期", previous->issue, "之间缺少", std::to_string(missing), "期（", range, "）"}));
                }
            }
            previous = &row;
        }
        // Three digits, or up to five for the 时时彩 tables, whose first three are analysed.
        if (!allDigits(row.digits) || row.digits.size() < 3 || row.digits.size() > 5)
            find(false,
                 row.digits.empty() ? "缺少开奖号码" : cat({"开奖号码“", quotedPiece(row.digits), "”不是三位数字"}));
        if (const std::optional<int> date = dateValue(row.date)) {
            if (lastDate && *date < *lastDate)
                find(false,
                     cat({"开奖日期", quotedPiece(row.date), "早于第", std::to_string(lastDateLine), "行的日期"}));
            lastDate = date;
            lastDateLine = row.line;
        }
    }
    return check;
}

std::string findingLine(const DrawFinding &f) {
    return cat({"第", std::to_string(f.line), "行 期号", quotedPiece(f.issue), "：", f.text});
}

std::string drawCheckSummary(const DrawCheck &check, size_t shown) {
    std::string text = cat({"共", std::to_string(check.draws), "期"});
    if (check.findings.empty()) return text + "，没有发现问题。";
    text += cat({"，发现", std::to_string(check.problems()), "个问题、", std::to_string(check.warnings())}) +
            "处缺期（缺期只是提醒：彩票也可能停开）：";
    for (size_t i = 0; i < check.findings.size() && i < shown; ++i)
        text += cat({"\n", check.findings[i].warning ? "提醒 " : "问题 ", findingLine(check.findings[i])});
    if (check.findings.size() > shown)
        text += cat({"\n……（另有", std::to_string(check.findings.size() - shown), "条）"});
    return text;
}

} // namespace corvel
