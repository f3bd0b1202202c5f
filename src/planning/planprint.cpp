#include "planning/planprint.h"

#include <algorithm>

namespace corvel {

namespace {

// Horizontal geometry of the ruled table; all in integer arithmetic as the page is laid
// out in printer pixels.
struct TableColumns {
    int64_t count;
    int64_t width;

    bool seven() const { return count == 7; }
    int64_t left() const { return width / 13; }
    int64_t x(int64_t col) const {
        return seven() ? left() + col * width * 9 / 70 : left() + (col * width * 9 / 10) / 8;
    }
    int64_t right() const { return seven() ? left() + width * 63 / 70 : left() + (width * 72 / 10) / 8; }
    int64_t headingOffset() const { return seven() ? 100 : 80; }
    int64_t cellOffset() const { return seven() ? 220 : 180; }
};

int px(int64_t v) { return static_cast<int>(v); }

void addText(Page &page, PageFont font, int64_t x, int64_t y, const std::string &text) {
    if (!text.empty()) page.texts.push_back({font, px(x), px(y), text});
}

void addRules(Page &page, const TableColumns &cols, int64_t height) {
    for (int64_t k = 0; k <= 26; ++k) {
        const int64_t y = (k + 3) * height / 29 - 120;
        page.lines.push_back({px(cols.left()), px(y), px(cols.right()), px(y)});
    }
    for (int64_t k = 0; k <= cols.count; ++k)
        page.lines.push_back({px(cols.x(k)), px(3 * height / 29 - 120), px(cols.x(k)), px(height - 120)});
}

void addHeader(Page &page, const PlanSheet &sheet, const PageGeometry &geo) {
    const int titleWidth = geo.textWidth ? geo.textWidth(PageFont::Title, sheet.title) : 0;
    addText(page, PageFont::Title, (geo.width - titleWidth) / 2, geo.height / 29 - 50, sheet.title);
    addText(page, PageFont::Body, geo.width / 12, 2 * int64_t(geo.height) / 29 - 20, sheet.info);
}

// A heading starts at its column's heading offset as long as it fits there; a longer one
// is centred in its column, and one wider than its column goes on two lines, split before
// its unit ("当期利润率" over "(%)"), both centred in the heading row.
void addHeading(Page &page, const TableColumns &cols, int64_t col, const std::string &text, const PageGeometry &geo) {
    const int64_t h = geo.height;
    const int64_t left = cols.x(col), pitch = cols.x(col + 1) - left, pad = pitch / 25;
    const auto width = [&](const std::string &t) -> int64_t {
        return geo.textWidth ? geo.textWidth(PageFont::Body, t) : 0;
    };
    const int64_t w = width(text);
    if (cols.headingOffset() + w <= pitch - pad) {
        addText(page, PageFont::Body, left + cols.headingOffset(), 3 * h / 30, text);
        return;
    }
    const size_t unit = text.find('(');
    if (w <= pitch - 2 * pad || unit == std::string::npos || unit == 0) {
        addText(page, PageFont::Body, left + std::max(pad, (pitch - w) / 2), 3 * h / 30, text);
        return;
    }
    const std::string lines[2] = {text.substr(0, unit), text.substr(unit)};
    const int64_t lineHeight = width("国") * 5 / 4;
    const int64_t rowTop = 3 * h / 29 - 120, rowHeight = h / 29;
    const int64_t top = rowTop + std::max<int64_t>(0, (rowHeight - 2 * lineHeight) / 2);
    for (int k = 0; k < 2; ++k)
        addText(page, PageFont::Body, left + std::max(pad, (pitch - width(lines[k])) / 2), top + k * lineHeight,
                lines[k]);
}

std::string infoStart(const PlanInputs &in, const char *gap) {
    const std::string g(gap);
    return "前期亏损:" + std::to_string(in.prekui) + g + "预测利润:" + std::to_string(in.lirun) + g +
           "单倍投入:" + std::to_string(in.inofsin) + g + "单注奖金:" + std::to_string(in.outofsin) + g +
           "投注天数:" + std::to_string(in.days);
}

template <class Row> std::vector<std::string> rowTexts(const Row &row) {
    std::vector<std::string> texts;
    for (int64_t v : row) texts.push_back(std::to_string(v));
    return texts;
}

} // namespace

std::vector<std::string> planHeadings() {
    return {"投注期号", "投注倍数", "当期投注", "当期总投入", "当期中奖", "当期净利润", "当期利润率(%)"};
}

std::vector<std::string> variablePlanHeadings() {
    return {"投注期号", "投注倍数", "当期注数", "当期投注", "当期总投入", "当期中奖", "当期净利润", "当期利润率(%)"};
}

PrintDocument layoutPlanSheet(const PlanSheet &sheet, const PageGeometry &geo) {
    PrintDocument doc;
    const int64_t rows = static_cast<int64_t>(sheet.cells.size());
    const int64_t pages = (rows + PlanRowsPerPage - 1) / PlanRowsPerPage;
    const TableColumns cols{static_cast<int64_t>(sheet.headings.size()), geo.width};
    const int64_t h = geo.height;
    for (int64_t p = 0; p < pages; ++p) {
        Page page;
        if (p == 0) addHeader(page, sheet, geo);
        addRules(page, cols, h);
        for (int64_t c = 0; c < cols.count; ++c) addHeading(page, cols, c, sheet.headings[size_t(c)], geo);
        for (int64_t s = 1; s <= PlanRowsPerPage; ++s) {
            const int64_t r = p * PlanRowsPerPage + s - 1;
            if (r >= rows) break;
            const auto &cells = sheet.cells[size_t(r)];
            for (int64_t c = 0; c < cols.count && c < int64_t(cells.size()); ++c)
                addText(page, PageFont::Body, cols.x(c) + cols.cellOffset(), (s + 3) * h / 29, cells[size_t(c)]);
        }
        addText(page, PageFont::Body, geo.width * int64_t(7) / 10 + 800, 28 * h / 29 + 130,
                "共" + std::to_string(pages) + "页\\第" + std::to_string(p + 1) + "页");
        doc.push_back(std::move(page));
    }
    return doc;
}

std::string fixedPlanInfo(const PlanInputs &in, const std::string &date) {
    return infoStart(in, "  ") + "  打印日期:" + date;
}

std::string stagePlanInfo(const StagePlanInputs &in, const std::string &date) {
    return infoStart(in, " ") + " 阶段次数:" + std::to_string(in.jieduan) + " 打印日期:" + date;
}

std::string variablePlanInfo(const VariablePlanInputs &in, const std::string &date) {
    const PlanInputs shown{in.prekui, in.lirun, in.inofsin, in.outofsin, in.days};
    return infoStart(shown, " ") + " 本期注数:" + std::to_string(in.jushu) + " 打印日期:" + date;
}

std::vector<std::vector<std::string>> planCells(const std::vector<PlanRow> &rows, int64_t periods) {
    std::vector<std::vector<std::string>> cells;
    for (int64_t r = 0; r < periods; ++r)
        cells.push_back(r < int64_t(rows.size()) ? rowTexts(rows[size_t(r)]) : std::vector<std::string>(7));
    return cells;
}

std::vector<std::vector<std::string>> planCells(const std::vector<VariableRow> &rows) {
    std::vector<std::vector<std::string>> cells;
    for (const VariableRow &row : rows) cells.push_back(rowTexts(row));
    return cells;
}

} // namespace corvel
