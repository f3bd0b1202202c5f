#pragma once
// Reading and writing draw lines: the draw history text file, the 3D draw file of the
// data server, the Pick-3 chart page, and the checks of a draw row typed by hand.
// Texts are handled as bytes; every field that matters is plain ASCII, so the GBK and
// UTF-8 forms of a file read the same wherever the draw itself is written.

#include "core/drawhistory.h"

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace corvel {

// One draw read from a file or page: the issue text as written and the first three digits.
struct ParsedDraw {
    std::string issue;
    std::array<int32_t, 3> digits{};
    bool operator==(const ParsedDraw &) const = default;
};

// Any text file the user opens (lists, plans, settings, histories) larger than this is
// refused before it is read.
constexpr int64_t MaxTextFileBytes = 8 * 1024 * 1024;

// The lines of a text; CR LF, LF and CR all end a line, and a final line end adds no
// empty line. A UTF-8 byte order mark at the start is dropped.
std::vector<std::string_view> splitLines(std::string_view text);

// Blanks (space, tab, CR, LF, FF, VT) removed from both ends.
std::string_view trimBlanks(std::string_view text);

// Items of a line: a blank or a comma ends an item, empty items are dropped.
std::vector<std::string_view> splitItems(std::string_view line);

// ---- Draw history text file: "issue digits" per line ----

// Longest issue text a draw table holds.
constexpr size_t MaxIssueLength = 7;
// A history file larger than this is refused before it is read.
constexpr int64_t MaxHistoryFileBytes = 8 * 1024 * 1024;

// Reads every line of a history file: item 1 the issue (1 to 7 decimal digits), item 2 the
// digits (3 to 5 decimal digits, the first three are taken), further items ignored, blank
// lines skipped. Throws UserError naming the first bad line and its problem.
std::vector<ParsedDraw> parseHistoryText(std::string_view bytes);

// The lines of a history file for a draw table: issue, one blank, the stored digits of
// every digit column in column order (an empty cell writes nothing).
std::vector<std::string> historyLines(const RawDrawTable &table);

// ---- Downloads ----

// The 3D draw file: per line the issue and the three digits as separate items. Blank
// lines are skipped. Throws UserError when the text is empty or a line is not a draw.
std::vector<ParsedDraw> parseDrawFile(std::string_view bytes);
// The same for a download: the lines of issues at or below `lastIssue` are stored already
// and skipped unchecked, so a fault there blocks nothing; only the lines that would be
// appended are checked.
std::vector<ParsedDraw> parseDrawFileAfter(std::string_view bytes, int64_t lastIssue);

// The Pick-3 chart page: the lines from the first one with "cpdata" at its characters 12
// to 17; an issue line holds "height" and its last 10 characters begin with the 5 digits
// that follow "20" in the issue; each of the 3 lines after it gives one digit, the first
// of its last 6 characters. Throws UserError when the page does not follow these rules or
// holds no draw.
std::vector<ParsedDraw> parseChartPage(std::string_view bytes);
// The same for a download: the digit lines of issues at or below `lastIssue` are not read.
std::vector<ParsedDraw> parseChartPageAfter(std::string_view bytes, int64_t lastIssue);

// The draws to append, in their order: issue above `lastIssue`, not among `stored`, and
// not taken already from an earlier line.
std::vector<ParsedDraw> selectNewDraws(const std::vector<ParsedDraw> &draws, int64_t lastIssue,
                                       const std::set<std::string> &stored);

// ---- A draw row typed by hand (UTF-8 texts) ----

struct TypedDrawRow {
    std::string issue;
    std::vector<std::string> digits; // the texts of the digit columns "1", "2", … in order
    std::string date;
};

struct RowProblem {
    // 0 the issue, 1..n the digit column, n + 1 the date.
    int column = 0;
    std::string message;
};

// The first problem of the row, or nothing when it may be stored: the issue 1 to 7
// decimal digits, the digits of columns 1 to 3 present and every digit one of 0 to 9,
// the date at most 10 characters. Blanks around a value are allowed.
std::optional<RowProblem> typedRowProblem(const TypedDrawRow &row);

} // namespace corvel
