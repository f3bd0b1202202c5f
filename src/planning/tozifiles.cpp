#include "planning/tozifiles.h"

#include "core/intconv.h"
#include "core/usererror.h"
#include "planning/replay.h"

#include <array>

namespace corvel {

namespace {

std::string lineAt(const std::vector<std::string> &lines, size_t i) { return i < lines.size() ? lines[i] : ""; }

int itemIndex(const std::string &text, int items) {
    const int32_t index = strToInt(text);
    if (index < 0 || index >= items) throw UserError(listIndexMessage(index));
    return index;
}

std::string integerText(const std::string &text) {
    strToInt64(text); // refuses what is not an integer
    return text;
}

} // namespace

std::vector<std::string> writeToziSettings(const ToziSettings &s) {
    const std::string kind = std::to_string(s.kind);
    return {kind,
            std::to_string(s.waitIndex),
            std::to_string(s.betIndex),
            std::to_string(s.gapIndex),
            std::to_string(s.runIndex),
            s.singleMax,
            s.totalMax,
            s.betCount,
            s.prize,
            s.profitRate,
            s.carryLoss ? "1" : "0",
            s.intervalMode ? "1" : "0",
            kind};
}

ToziSettings readToziSettings(const std::vector<std::string> &lines) {
    ToziSettings s;
    s.kind = itemIndex(lineAt(lines, 0), 4);
    s.waitIndex = itemIndex(lineAt(lines, 1), 51);
    s.betIndex = itemIndex(lineAt(lines, 2), 50);
    s.gapIndex = itemIndex(lineAt(lines, 3), 100);
    s.runIndex = itemIndex(lineAt(lines, 4), 10);
    s.singleMax = integerText(lineAt(lines, 5));
    s.totalMax = integerText(lineAt(lines, 6));
    s.betCount = integerText(lineAt(lines, 7));
    s.prize = integerText(lineAt(lines, 8));
    s.profitRate = integerText(lineAt(lines, 9));
    s.carryLoss = strToInt(lineAt(lines, 10)) != 0;
    s.intervalMode = strToInt(lineAt(lines, 11)) != 0;
    s.kind = itemIndex(lineAt(lines, 12), 4); // the last line sets the kind once more
    return s;
}

std::vector<std::string> writeToziBoth(const ToziSettings &settings, const NumberList &numbers) {
    std::vector<std::string> lines = writeToziSettings(settings);
    const std::vector<std::string> list = writeInvestmentList(settings.kind, numbers);
    lines.insert(lines.end(), list.begin() + 1, list.end()); // the count and the numbers
    return lines;
}

ToziBoth readToziBoth(const std::vector<std::string> &lines) {
    ToziBoth both;
    both.settings = readToziSettings(lines);
    std::vector<std::string> list{std::to_string(both.settings.kind)};
    if (lines.size() > ToziSettingsLines) list.insert(list.end(), lines.begin() + ToziSettingsLines, lines.end());
    both.list = readToziList(list);
    return both;
}

InvestmentList readToziList(const std::vector<std::string> &lines) {
    const BetKind kind = betKindFromIndex(strToInt(lineAt(lines, 0)));
    const int32_t count = strToInt(lineAt(lines, 1));
    if (count != 0) checkBetCount(kind, count); // a damaged count must not size the list
    return readInvestmentList(lines);
}

PrintDocument layoutToziSettings(const PageGeometry &page, const std::string &title, const std::string &date,
                                 const ToziSettings &s, const std::string &surplus) {
    const int w = page.width, h = page.height;
    Page out;
    const int titleWidth = page.textWidth ? page.textWidth(PageFont::Title, title) : 0;
    out.texts.push_back({PageFont::Title, (w - titleWidth) / 2, h / 29 - 50, title});
    out.texts.push_back({PageFont::Body, w / 12, 2 * h / 29 - 20, "打印日期:" + date});

    using Cell = std::array<std::string, 4>; // label, value, label, value
    const std::array<Cell, 6> rows{{
        {"观察间隔数：", std::to_string(s.gapIndex + 1), "单期最大投入：", s.singleMax},
        {"观察间隔连续次数：", std::to_string(s.runIndex + 1), "累计最大投入：", s.totalMax},
        {"中出后间隔数：", std::to_string(s.waitIndex), "单倍注数：", s.betCount},
        {"连续投入期数：", std::to_string(s.betIndex + 1), "单注奖金：", s.prize},
        {"总体赢余：", surplus, "预期利润：", s.profitRate},
        {s.carryLoss ? "选中预计亏损" : "取消预计亏损", "", s.intervalMode ? "选中间隔模式" : "取消间隔模式", ""},
    }};
    const int x0 = w / 12, width = w * 5 / 6;
    const int columnX[5] = {x0, x0 + width * 3 / 10, x0 + width / 2, x0 + width * 8 / 10, x0 + width};
    const auto rowY = [&](int r) { return (r + 4) * h / 29; };
    for (int r = 0; r <= static_cast<int>(rows.size()); ++r)
        out.lines.push_back({x0, rowY(r) - 120, x0 + width, rowY(r) - 120});
    for (int c = 0; c < 5; ++c) out.lines.push_back({columnX[c], rowY(0) - 120, columnX[c], rowY(6) - 120});
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 4; ++c)
            if (!rows[r][c].empty())
                out.texts.push_back(
                    {PageFont::Body, columnX[c] + 60, rowY(int(r)) - 120 + (h / 29 - 100) / 2, rows[r][c]});
    return {out};
}

} // namespace corvel
