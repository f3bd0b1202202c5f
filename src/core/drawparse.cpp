#include "core/drawparse.h"

#include "core/intconv.h"
#include "core/textencoding.h"
#include "core/usererror.h"

#include <algorithm>

namespace corvel {

namespace {

// A history line longer than this is no draw line.
constexpr size_t MaxLineBytes = 1000;

bool isAsciiWhitespace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool allDigits(std::string_view s) { return !s.empty() && std::all_of(s.begin(), s.end(), isDigit); }

bool printableAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

bool hasControlBytes(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return (c >= 0 && c < 0x20 && c != '\t') || c == 0x7F; });
}

std::string quoted(std::string_view s) { return "“" + quotedPiece(s) + "”"; }

std::string lineNo(size_t index) { return "第" + std::to_string(index + 1) + "行"; }

[[noreturn]] void badLine(size_t index, const std::string &problem) { throw UserError(lineNo(index) + problem); }

size_t utf8Length(std::string_view s) {
    return size_t(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void checkHistoryIssue(size_t index, std::string_view issue) {
    if (!printableAscii(issue)) badLine(index, "的期号含有无法识别的字符（文件不是GBK编码的文本？）！");
    if (issue.size() > MaxIssueLength) badLine(index, "的期号" + quoted(issue) + "超过7个字符！");
    if (!allDigits(issue)) badLine(index, "的期号" + quoted(issue) + "不是数字！");
}

void checkHistoryDigits(size_t index, std::string_view digits) {
    if (!printableAscii(digits)) badLine(index, "的开奖号码含有无法识别的字符（文件不是GBK编码的文本？）！");
    if (!allDigits(digits)) badLine(index, "的开奖号码" + quoted(digits) + "含有非数字字符！");
    if (digits.size() < 3) badLine(index, "的开奖号码" + quoted(digits) + "不足三位！");
    if (digits.size() > 5) badLine(index, "的开奖号码" + quoted(digits) + "超过五位！");
}

std::optional<ParsedDraw> parseHistoryLine(size_t index, std::string_view line) {
    const std::string_view text = trimBlanks(line);
    if (text.empty()) return std::nullopt;
    if (line.size() > MaxLineBytes) badLine(index, "太长，不是开奖号码！");
    if (hasControlBytes(text)) badLine(index, "含有无法识别的字符，不是开奖号码文件！");
    const std::vector<std::string_view> items = splitItems(text);
    if (items.size() < 2) badLine(index, quoted(text) + "缺少开奖号码！");
    checkHistoryIssue(index, items[0]);
    checkHistoryDigits(index, items[1]);
    ParsedDraw draw{std::string(items[0]), {}};
    for (int c = 0; c < 3; ++c) draw.digits[c] = items[1][c] - '0';
    return draw;
}

// A single decimal digit 0..9.
std::optional<int32_t> digitItem(std::string_view item) {
    if (item.size() != 1 || !isDigit(item[0])) return std::nullopt;
    return item[0] - '0';
}

[[noreturn]] void notADraw(size_t index, std::string_view line) {
    throw UserError(lineNo(index) + quoted(line) + "不是开奖号码");
}

ParsedDraw parseDrawFileLine(size_t index, std::string_view text) {
    const std::vector<std::string_view> items = splitItems(text);
    if (items.size() < 4 || items[0].size() > MaxIssueLength || !allDigits(items[0])) notADraw(index, text);
    ParsedDraw draw{std::string(items[0]), {}};
    for (int c = 0; c < 3; ++c) {
        const auto d = digitItem(items[c + 1]);
        if (!d) notADraw(index, text);
        draw.digits[c] = *d;
    }
    return draw;
}

// An issue item of a download at or below the last stored issue: that line is not appended.
bool storedAlready(std::string_view issue, int64_t lastIssue) {
    int64_t value = 0;
    return lastIssue >= 0 && allDigits(issue) && tryStrToInt64(std::string(issue), value) && value <= lastIssue;
}

bool startsData(std::string_view line) { return line.size() >= 17 && line.substr(11, 6) == "cpdata"; }

// The five digits at the start of the last 10 characters of an issue line.
std::optional<std::string_view> chartIssue(std::string_view line) {
    if (line.find("height") == std::string_view::npos || line.size() < 10) return std::nullopt;
    const std::string_view digits = line.substr(line.size() - 10, 5);
    if (!allDigits(digits)) return std::nullopt;
    return digits;
}

int32_t chartDigit(size_t index, std::string_view line) {
    if (line.size() < 6 || !isDigit(line[line.size() - 6]))
        throw UserError(lineNo(index) + "应是一位开奖号码，但没有读到数字");
    return line[line.size() - 6] - '0';
}

} // namespace

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isAsciiWhitespace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isAsciiWhitespace(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string_view> splitItems(std::string_view line) {
    std::vector<std::string_view> items;
    size_t start = 0;
    for (size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != ',' && !isAsciiWhitespace(line[i])) continue;
        if (i > start) items.push_back(line.substr(start, i - start));
        start = i + 1;
    }
    return items;
}

std::vector<ParsedDraw> parseHistoryText(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    std::vector<ParsedDraw> draws;
    draws.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i)
        if (auto draw = parseHistoryLine(i, lines[i])) draws.push_back(std::move(*draw));
    return draws;
}

std::vector<std::string> historyLines(const RawDrawTable &table) {
    std::vector<std::string> lines;
    lines.reserve(table.rows.size());
    for (const RawDraw &row : table.rows) {
        std::string line = row.issue + ' ';
        for (int c = 0; c < table.columnCount && c < int(row.digits.size()); ++c)
            if (row.digits[c]) line += std::to_string(*row.digits[c]);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<ParsedDraw> parseDrawFile(std::string_view bytes) { return parseDrawFileAfter(bytes, -1); }

std::vector<ParsedDraw> parseDrawFileAfter(std::string_view bytes, int64_t lastIssue) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    std::vector<ParsedDraw> draws;
    bool any = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = trimBlanks(lines[i]);
        if (text.empty()) continue;
        any = true;
        // A line of separators alone has no first item: it is checked (and refused) below.
        const std::vector<std::string_view> items = splitItems(text);
        if (!items.empty() && storedAlready(items.front(), lastIssue)) continue;
        draws.push_back(parseDrawFileLine(i, text));
    }
    if (!any) throw UserError("内容是空的");
    return draws;
}

std::vector<ParsedDraw> parseChartPage(std::string_view bytes) { return parseChartPageAfter(bytes, -1); }

std::vector<ParsedDraw> parseChartPageAfter(std::string_view bytes, int64_t lastIssue) {
    std::vector<std::string_view> lines = splitLines(bytes);
    for (std::string_view &line : lines) line = trimBlanks(line);
    if (lines.empty()) throw UserError("内容是空的");
    const auto first = std::find_if(lines.begin(), lines.end(), startsData);
    if (first == lines.end()) throw UserError("页面中找不到开奖号码表（cpdata）");
    std::vector<ParsedDraw> draws;
    size_t found = 0;
    for (size_t i = size_t(first - lines.begin()); i < lines.size(); ++i) {
        const auto issue = chartIssue(lines[i]);
        if (!issue) continue;
        const std::string issueText = "20" + std::string(*issue);
        if (storedAlready(issueText, lastIssue)) {
            ++found;
            i += 3;
            continue;
        }
        if (i + 3 >= lines.size()) throw UserError(lineNo(i) + "的期号后缺少开奖号码，页面不完整");
        ParsedDraw draw{issueText, {}};
        for (int c = 0; c < 3; ++c) draw.digits[c] = chartDigit(i + 1 + c, lines[i + 1 + c]);
        draws.push_back(std::move(draw));
        ++found;
        i += 3;
    }
    if (found == 0) throw UserError("页面中没有开奖号码");
    return draws;
}

std::vector<ParsedDraw> selectNewDraws(const std::vector<ParsedDraw> &draws, int64_t lastIssue,
                                       const std::set<std::string> &stored) {
    std::vector<ParsedDraw> picked;
    std::set<std::string> taken;
    for (const ParsedDraw &draw : draws) {
        int64_t issue = 0;
        if (!tryStrToInt64(draw.issue, issue) || issue <= lastIssue) continue;
        if (stored.count(draw.issue) || !taken.insert(draw.issue).second) continue;
        picked.push_back(draw);
    }
    return picked;
}

std::optional<RowProblem> typedRowProblem(const TypedDrawRow &row) {
    const std::string_view issue = trimBlanks(row.issue);
    if (issue.empty()) return RowProblem{0, "请输入记录期号！"};
    if (utf8Length(issue) > MaxIssueLength) return RowProblem{0, "记录期号" + quoted(issue) + "超过7个字符！"};
    if (!allDigits(issue)) return RowProblem{0, "记录期号" + quoted(issue) + "只能由数字组成！"};
    for (size_t c = 0; c < row.digits.size(); ++c) {
        const std::string_view text = trimBlanks(row.digits[c]);
        const int column = int(c) + 1;
        if (text.empty()) {
            if (column <= 3) return RowProblem{column, "请输入第" + std::to_string(column) + "位号码！"};
            continue;
        }
        if (!digitItem(text))
            return RowProblem{column, "第" + std::to_string(column) + "位号码" + quoted(text) +
                                          "无效：只能是0到9中的一个数字！"};
    }
    const std::string_view date = trimBlanks(row.date);
    if (utf8Length(date) > 10)
        return RowProblem{int(row.digits.size()) + 1, "开奖日期" + quoted(date) + "超过10个字符！"};
    return std::nullopt;
}

} // namespace corvel
