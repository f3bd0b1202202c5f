#include "planning/backtestsheet.h"

#include "core/usererror.h"

#include <algorithm>
#include <cstdio>

namespace corvel {

namespace {

std::string decimals(double value, int places) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    return text;
}

std::string returnRateText(const BacktestSummary &s) {
    if (s.cost <= 0) return "无投入";
    return decimals(s.returnRate() * 100.0, 2) + "%";
}

std::string csvCell(const std::string &text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void csvLine(std::string &out, const std::vector<std::string> &cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) out += ',';
        out += csvCell(cells[i]);
    }
    out += "\r\n";
}

void addText(Page &page, PageFont font, int x, int y, const std::string &text) {
    if (!text.empty()) page.texts.push_back({font, x, y, text});
}

} // namespace

std::vector<std::string> backtestHeadings() { return {"期号", "开奖号", "注数", "结果", "奖金", "累计净收益"}; }

int64_t rowIssue(const BacktestRow &row, const std::vector<int64_t> &issues) {
    return row.position >= 0 && size_t(row.position) < issues.size() ? issues[size_t(row.position)] : row.issue;
}

std::vector<std::string> backtestCells(const BacktestRow &row, int64_t issue) {
    return {std::to_string(issue),    numberText(row.draw),      std::to_string(row.count),
            outcomeName(row.outcome), std::to_string(row.prize), std::to_string(row.net)};
}

std::string stoppedNote(const BacktestRun &run) { return stoppedMessage(run) + "，汇总只含已完成的期数"; }

std::vector<std::string> backtestSummaryLines(const BacktestRun &run) {
    const BacktestSummary &s = run.summary;
    std::vector<std::string> lines;
    if (run.stopped) lines.push_back(stoppedNote(run));
    lines.push_back("中出 " + std::to_string(s.hits) + " 期 / 随机期望 " + decimals(s.expected, 2) + " 期");
    lines.push_back(chanceVerdict(s));
    lines.push_back("投入 " + std::to_string(s.cost) + " 元");
    lines.push_back("奖金 " + std::to_string(s.prize) + " 元");
    lines.push_back("净收益 " + std::to_string(s.net) + " 元");
    lines.push_back("回报率 " + returnRateText(s));
    lines.push_back("最长连续未中 " + std::to_string(s.longestMiss) + " 期");
    lines.push_back("当前连续未中 " + std::to_string(s.currentMiss) + " 期");
    return lines;
}

std::vector<SummaryItem> backtestSummaryItems(const BacktestRun &run, const BacktestSettings &settings) {
    const BacktestSummary &s = run.summary;
    std::vector<SummaryItem> items;
    items.push_back({"回测期数", std::to_string(run.planned)});
    if (run.stopped) items.push_back({"状态", stoppedNote(run)});
    items.push_back({"完成期数", std::to_string(s.draws)});
    items.push_back({"单注价格", std::to_string(settings.price)});
    items.push_back({"直选奖金", std::to_string(settings.directPrize)});
    items.push_back({"组三奖金", std::to_string(settings.groupThreePrize)});
    items.push_back({"组六奖金", std::to_string(settings.groupSixPrize)});
    items.push_back({"中出期数", std::to_string(s.hits)});
    items.push_back({"随机期望期数", decimals(s.expected, 2)});
    items.push_back({"p值", decimals(s.pValue, 4)});
    items.push_back({"随机比较", chanceVerdict(s)});
    items.push_back({"投入", std::to_string(s.cost)});
    items.push_back({"奖金", std::to_string(s.prize)});
    items.push_back({"净收益", std::to_string(s.net)});
    items.push_back({"回报率", returnRateText(s)});
    items.push_back({"最长连续未中", std::to_string(s.longestMiss)});
    items.push_back({"当前连续未中", std::to_string(s.currentMiss)});
    return items;
}

std::string backtestCsv(const BacktestRun &run, const BacktestSettings &settings, const std::vector<int64_t> &issues) {
    std::string out;
    csvLine(out, backtestHeadings());
    for (const BacktestRow &row : run.rows) csvLine(out, backtestCells(row, rowIssue(row, issues)));
    out += "\r\n";
    csvLine(out, {"汇总"});
    for (const SummaryItem &item : backtestSummaryItems(run, settings)) csvLine(out, {item.name, item.value});
    return out;
}

PrintDocument layoutBacktestSheet(const PageGeometry &geo, const std::string &title, const std::string &info,
                                  const BacktestRun &run, const std::vector<int64_t> &issues) {
    if (run.rows.empty()) throw UserError("请先开始回测！");
    const int W = geo.width, H = geo.height;
    const int line = std::max(1, H / 48);
    const int tableTop = 5 * line;
    const int left = W / 12, right = W - W / 12;
    const std::vector<std::string> headings = backtestHeadings();
    const int columns = int(headings.size());
    const auto columnX = [&](int c) { return left + (right - left) * c / columns; };
    const int pad = (right - left) / columns / 10;

    const int rows = int(run.rows.size());
    const int tablePages = (rows + BacktestRowsPerPage - 1) / BacktestRowsPerPage;
    const std::vector<std::string> summary = backtestSummaryLines(run);
    // The summary follows the last row with a blank line between, inside the page's body.
    const int lastRows = rows - (tablePages - 1) * BacktestRowsPerPage;
    const bool summaryFits = lastRows + 2 + int(summary.size()) <= BacktestRowsPerPage + 1;
    const int pages = tablePages + (summaryFits ? 0 : 1);

    PrintDocument doc(size_t(pages), Page{});
    const int titleWidth = geo.textWidth ? geo.textWidth(PageFont::Title, title) : 0;
    addText(doc[0], PageFont::Title, (W - titleWidth) / 2, line, title);
    addText(doc[0], PageFont::Body, left, 3 * line, info);
    for (int p = 0; p < tablePages; ++p) {
        Page &page = doc[size_t(p)];
        const int first = p * BacktestRowsPerPage;
        const int count = std::min(BacktestRowsPerPage, rows - first);
        const int bottom = tableTop + (count + 1) * line;
        for (int r = 0; r <= count + 1; ++r)
            page.lines.push_back({left, tableTop + r * line, right, tableTop + r * line});
        for (int c = 0; c <= columns; ++c) page.lines.push_back({columnX(c), tableTop, columnX(c), bottom});
        for (int c = 0; c < columns; ++c)
            addText(page, PageFont::Body, columnX(c) + pad, tableTop + line / 5, headings[size_t(c)]);
        for (int r = 0; r < count; ++r) {
            const BacktestRow &row = run.rows[size_t(first + r)];
            const std::vector<std::string> cells = backtestCells(row, rowIssue(row, issues));
            for (int c = 0; c < columns; ++c)
                addText(page, PageFont::Body, columnX(c) + pad, tableTop + (r + 1) * line + line / 5, cells[size_t(c)]);
        }
    }
    Page &last = doc.back();
    int y = summaryFits ? tableTop + (lastRows + 2) * line : tableTop;
    for (const std::string &text : summary) {
        addText(last, PageFont::Body, left, y + line / 5, text);
        y += line;
    }
    for (int p = 0; p < pages; ++p)
        addText(doc[size_t(p)], PageFont::Body, W * 7 / 10, 45 * line,
                "共" + std::to_string(pages) + "页\\第" + std::to_string(p + 1) + "页");
    return doc;
}

} // namespace corvel
