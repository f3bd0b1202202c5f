#include "core/numberlist.h"

#include "core/intconv.h"
#include "core/textencoding.h"
#include "core/usererror.h"

#include <algorithm>

namespace corvel {

namespace {

constexpr int DigitsPerNumber = 3;
constexpr size_t NumbersPerGridLine = 10;
// A list never holds more numbers than there are direct numbers; a count line beyond
// this is a damaged or foreign file, not a list.
constexpr int MaxListCount = 1000;

const char *const KindNames[] = {"直选", "全组选", "组选3", "组选6"};

// Length in bytes of the UTF-8 character that starts at `text[at]`.
size_t utf8Length(const std::string &text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    size_t length = 1;
    if (lead >= 0xF0)
        length = 4;
    else if (lead >= 0xE0)
        length = 3;
    else if (lead >= 0xC0)
        length = 2;
    return std::min(length, text.size() - at);
}

} // namespace

Number leadingNumber(const std::string &piece) {
    Number n{};
    size_t at = 0;
    for (int d = 0; d < DigitsPerNumber; ++d) {
        if (at >= piece.size()) throw UserError(notAnIntegerMessage(""));
        const char c = piece[at];
        if (c < '0' || c > '9') throw UserError(notAnIntegerMessage(piece.substr(at, utf8Length(piece, at))));
        n[d] = c - '0';
        ++at;
    }
    return n;
}

namespace {

bool isSeparator(char c, const std::string &separators) { return separators.find(c) != std::string::npos; }

// Pieces of the text between runs of separators; no empty pieces.
std::vector<std::string> splitPieces(const std::string &text, const std::string &separators) {
    std::vector<std::string> pieces;
    size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && isSeparator(text[at], separators)) ++at;
        const size_t start = at;
        while (at < text.size() && !isSeparator(text[at], separators)) ++at;
        if (at > start) pieces.push_back(text.substr(start, at - start));
    }
    return pieces;
}

int readListCount(const std::string &text) {
    const int count = strToInt(text);
    if (count < 0 || count > MaxListCount)
        throw UserError(std::string("'").append(quotedPiece(text)).append("' 不是有效的号码注数（0～") +
                        std::to_string(MaxListCount) + "）");
    return count;
}

bool startsWith(const std::string &text, const std::string &prefix) { return text.rfind(prefix, 0) == 0; }

} // namespace

std::string betKindName(BetKind kind) {
    const int index = static_cast<int>(kind);
    if (index < 0 || index > 3) throw UserError(listIndexMessage(index));
    return KindNames[index];
}

int betKindLimit(BetKind kind) {
    switch (kind) {
    case BetKind::Direct:
        return 1000;
    case BetKind::AllGroup:
        return 210;
    case BetKind::Group3:
        return 90;
    case BetKind::Group6:
        return 120;
    }
    return 0;
}

bool fitsBetKind(BetKind kind, const Number &n) {
    if (kind == BetKind::Direct) return true;
    if (n[0] > n[1] || n[1] > n[2]) return false;
    const bool leopard = n[0] == n[2];
    const bool pair = !leopard && (n[0] == n[1] || n[1] == n[2]);
    switch (kind) {
    case BetKind::AllGroup:
        return !leopard;
    case BetKind::Group3:
        return pair;
    case BetKind::Group6:
        return !leopard && !pair;
    default:
        return true;
    }
}

std::string numberText(const Number &n) {
    std::string text;
    for (int d : n) text += (d >= 0 && d <= 9) ? std::string(1, char('0' + d)) : std::to_string(d);
    return text;
}

Number numberFromValue(int value) { return {value / 100 % 10, value / 10 % 10, value % 10}; }

int numberValue(const Number &n) { return n[0] * 100 + n[1] * 10 + n[2]; }

std::vector<std::string> writePlainList(const NumberList &numbers, int perLine) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < numbers.size(); ++i) {
        line += numberText(numbers[i]) + ' ';
        if (perLine > 0 && (i + 1) % size_t(perLine) == 0) {
            lines.push_back(std::move(line));
            line.clear();
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> writeGridList(const NumberList &numbers) {
    return writePlainList(numbers, int(NumbersPerGridLine));
}

std::vector<std::string> writeKindHeadedList(const std::string &kind, const NumberList &numbers) {
    std::vector<std::string> lines{kind + "共" + std::to_string(numbers.size()) + "注"};
    for (std::string &line : writeGridList(numbers)) lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> writeInvestmentList(int kindIndex, const NumberList &numbers) {
    std::vector<std::string> lines{std::to_string(kindIndex), std::to_string(numbers.size())};
    for (const Number &n : numbers) lines.push_back(numberText(n));
    return lines;
}

NumberList readPieceList(const std::vector<std::string> &lines) {
    NumberList numbers;
    for (const std::string &piece : splitPieces(joinLines(lines), " ,\t")) numbers.push_back(leadingNumber(piece));
    return numbers;
}

KindHeadedList readKindHeadedList(const std::vector<std::string> &lines) {
    KindHeadedList list;
    const std::string head = lines.empty() ? std::string() : lines.front();
    list.kind = "组选6";
    for (const char *kind : {"直选", "全组选", "组选3"})
        if (startsWith(head, kind)) list.kind = kind;
    const size_t gong = head.find("共");
    const size_t from = gong == std::string::npos ? head.size() : gong + std::string("共").size();
    const size_t zhu = head.find("注", from);
    if (gong == std::string::npos || zhu == std::string::npos)
        throw UserError("文件的第一行不是“直选共N注”这样的标题：这不是冷码搜索保存的号码文件。");
    const int declared = readListCount(head.substr(from, zhu - from));
    const std::vector<std::string> body(lines.empty() ? lines.end() : lines.begin() + 1, lines.end());
    for (const std::string &piece : splitPieces(joinLines(body), " \t")) {
        if (int(list.numbers.size()) == declared) break;
        list.numbers.push_back(leadingNumber(piece));
    }
    list.count = int(list.numbers.size());
    if (list.count < declared)
        list.shortfall = "文件中只有" + std::to_string(list.count) + "个号码，少于标题写的" + std::to_string(declared) +
                         "注；只载入了文件中的这些号码。";
    return list;
}

InvestmentList readInvestmentList(const std::vector<std::string> &lines) {
    InvestmentList list;
    list.kind = strToInt(lines.size() > 0 ? lines[0] : std::string());
    if (list.kind < 0 || list.kind > 3) throw UserError(listIndexMessage(list.kind));
    const int declared = readListCount(lines.size() > 1 ? lines[1] : std::string());
    for (int i = 0; i < declared && size_t(i) + 2 < lines.size(); ++i)
        list.numbers.push_back(leadingNumber(lines[i + 2]));
    list.count = int(list.numbers.size());
    if (list.count < declared)
        list.shortfall = "文件中只有" + std::to_string(list.count) + "个号码，少于第2行写的" +
                         std::to_string(declared) + "注；只载入了文件中的这些号码。";
    return list;
}

bool listTextContains(const std::string &joinedText, const Number &n) {
    return joinedText.find(numberText(n)) != std::string::npos;
}

std::string joinLines(const std::vector<std::string> &lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += ' ';
        text += lines[i];
    }
    return text;
}

std::string clipboardText(const NumberList &numbers) {
    std::string text;
    for (size_t i = 0; i < numbers.size(); ++i) {
        text += numberText(numbers[i]) + ' ';
        if ((i + 1) % NumbersPerGridLine == 0) text += "\r\n";
    }
    return text;
}

namespace {

constexpr int EntriesPerPage = 75;
constexpr int RowsPerColumn = 25;

void addPageFrame(Page &page, int W, int H) {
    const int x0 = W / 14;
    for (int i = 0; i <= 26; ++i) {
        const int y = (i + 3) * H / 29 - 120;
        page.lines.push_back({x0, y, x0 + 72 * W / 80, y});
    }
    for (int i = 0; i <= 8; ++i) {
        const int x = x0 + i * 9 * W / 80;
        page.lines.push_back({x, 3 * H / 29 - 120, x, H - 120});
    }
    for (int j = 0; j < 3; ++j) {
        page.texts.push_back({PageFont::Body, x0 + j * 27 * W / 80 + 100, 3 * H / 30, "序号"});
        page.texts.push_back({PageFont::Body, x0 + (3 * j + 1) * 9 * W / 80 + 120, 3 * H / 30, "投注号码"});
    }
}

void addPageEntries(Page &page, int W, int H, const NumberList &numbers, size_t first) {
    const int x0 = W / 14;
    for (int k = 1; k <= EntriesPerPage && first + size_t(k) <= numbers.size(); ++k) {
        const int r = (k - 1) % RowsPerColumn + 1;
        const int g = (k - 1) / RowsPerColumn;
        const int y = (r + 3) * H / 29;
        const size_t serial = first + size_t(k);
        page.texts.push_back({PageFont::Body, x0 + 3 * g * 9 * W / 80 + 170, y, std::to_string(serial)});
        page.texts.push_back({PageFont::Body, x0 + (3 * g + 1) * 9 * W / 80 + 180, y, numberText(numbers[serial - 1])});
    }
}

} // namespace

PrintDocument layoutBetList(const PageGeometry &geometry, const std::string &title, const NumberList &numbers,
                            const std::string &date, const std::string &betIssue) {
    if (numbers.empty()) throw UserError("请先生成表格！");
    const int W = geometry.width, H = geometry.height;
    const size_t pageCount = (numbers.size() + EntriesPerPage - 1) / EntriesPerPage;
    PrintDocument document(pageCount);
    const int titleWidth = geometry.textWidth ? geometry.textWidth(PageFont::Title, title) : 0;
    document[0].texts.push_back({PageFont::Title, (W - titleWidth) / 2, H / 29 - 50, title});
    document[0].texts.push_back(
        {PageFont::Body, W / 14, 2 * H / 29 - 20, "共" + std::to_string(numbers.size()) + "注 打印日期:" + date});
    if (!betIssue.empty()) {
        const int width = geometry.textWidth ? geometry.textWidth(PageFont::Body, betIssue) : 0;
        document[0].texts.push_back({PageFont::Body, W / 14 + 72 * W / 80 - width, 2 * H / 29 - 20, betIssue});
    }
    for (size_t p = 0; p < pageCount; ++p) {
        Page &page = document[p];
        addPageFrame(page, W, H);
        addPageEntries(page, W, H, numbers, p * EntriesPerPage);
        page.texts.push_back({PageFont::Body, 8 * W / 10 + 330, 28 * H / 29 + 130,
                              "共" + std::to_string(pageCount) + "页\\第" + std::to_string(p + 1) + "页"});
    }
    return document;
}

} // namespace corvel
