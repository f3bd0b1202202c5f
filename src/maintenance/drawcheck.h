#pragma once
// "数据检查": what may be wrong with a draw history, found before the user trusts it. Issues
// out of order, repeated issues, gaps in the issue sequence of a year (of a day for issues
// longer than seven digits), draws that are not three digits (up to five for the 时时彩
// tables) and dates that go backwards. A gap is only a warning: a real lottery may skip a
// draw.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvel {

// One draw as the check sees it, in the order of the history.
struct DrawCheckRow {
    size_t line = 0;    // line of the file or row of the table, from 1
    std::string issue;  // as written
    std::string digits; // the digits as written ("123", "12345"); a missing digit as '?'
    std::string date;   // as written, may be empty
};

struct DrawFinding {
    bool warning = false; // a gap; everything else is a problem
    size_t line = 0;
    std::string issue;
    std::string text; // what is wrong, without line and issue
    bool operator==(const DrawFinding &) const = default;
};

struct DrawCheck {
    size_t draws = 0;
    std::vector<DrawFinding> findings; // in the order of the history
    size_t problems() const;
    size_t warnings() const;
};

// The rows of a history text (issue, digits, optional date per line; blanks or commas
// between them), blank lines skipped. Every other line is a row, however malformed, so
// the check can name it.
std::vector<DrawCheckRow> drawCheckRows(std::string_view text);

DrawCheck checkDraws(const std::vector<DrawCheckRow> &rows);

// "第3行 期号2024003：期号重复（第2行已有）", the line as the user reads it.
std::string findingLine(const DrawFinding &finding);

// The check for a message: "共N期，没有发现问题。" or the counts and the first `shown`
// findings, "……（另有K条）" for the rest.
std::string drawCheckSummary(const DrawCheck &check, size_t shown = 20);

} // namespace corvel
