// Page layout of the plan printouts on a page of 4800 × 7000 printer pixels.

#include "planning/planprint.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace corvel {
namespace {

PageGeometry page() {
    PageGeometry g;
    g.width = 4800;
    g.height = 7000;
    g.textWidth = [](PageFont, const std::string &text) { return int(text.size()) * 10; };
    return g;
}

PlanSheet fixedSheet(int64_t days) {
    PlanInputs in;
    in.days = days;
    PlanSheet sheet;
    sheet.title = "固定投资计划表";
    sheet.info = fixedPlanInfo(in, "2009-1-5");
    sheet.headings = planHeadings();
    sheet.cells = planCells(fixedPlan(in), days);
    return sheet;
}

const PageText *findText(const Page &p, const std::string &text) {
    const auto it = std::find_if(p.texts.begin(), p.texts.end(), [&](const PageText &t) { return t.text == text; });
    return it == p.texts.end() ? nullptr : &*it;
}

bool hasLine(const Page &p, PageLine l) {
    return std::any_of(p.lines.begin(), p.lines.end(),
                       [&](const PageLine &x) { return x.x1 == l.x1 && x.y1 == l.y1 && x.x2 == l.x2 && x.y2 == l.y2; });
}

TEST(PlanPrint, EightyRowsMakeFourPagesWithFooters) {
    const PrintDocument doc = layoutPlanSheet(fixedSheet(80), page());
    ASSERT_EQ(doc.size(), 4u);
    for (int p = 0; p < 4; ++p) {
        const std::string footer = "共4页\\第" + std::to_string(p + 1) + "页";
        const PageText *t = findText(doc[size_t(p)], footer);
        ASSERT_NE(t, nullptr) << footer;
        EXPECT_EQ(t->x, 4160);
        EXPECT_EQ(t->y, 6888);
        EXPECT_EQ(doc[size_t(p)].lines.size(), 27u + 8u);
        // Only the first page carries the title and the information line.
        EXPECT_EQ(findText(doc[size_t(p)], "固定投资计划表") != nullptr, p == 0);
    }
    // Rows 76 to 80 on the last page, in slots 1 to 5.
    const PageText *row76 = findText(doc[3], "76");
    ASSERT_NE(row76, nullptr);
    EXPECT_EQ(row76->y, 965);
    EXPECT_EQ(findText(doc[3], "75"), nullptr);
    EXPECT_NE(findText(doc[2], "75"), nullptr);
}

TEST(PlanPrint, SevenColumnGeometry) {
    const PrintDocument doc = layoutPlanSheet(fixedSheet(30), page());
    ASSERT_EQ(doc.size(), 2u);
    const Page &first = doc[0];
    const PageText *title = findText(first, "固定投资计划表");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font, PageFont::Title);
    EXPECT_EQ(title->x, (4800 - 210) / 2);
    EXPECT_EQ(title->y, 191);
    const PageText *info = findText(first, fixedSheet(30).info);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->x, 400);
    EXPECT_EQ(info->y, 462);
    EXPECT_TRUE(hasLine(first, {369, 604, 4689, 604}));   // first horizontal rule
    EXPECT_TRUE(hasLine(first, {369, 6880, 4689, 6880})); // last one
    EXPECT_TRUE(hasLine(first, {986, 604, 986, 6880}));   // second vertical rule
    EXPECT_TRUE(hasLine(first, {4689, 604, 4689, 6880})); // the right edge
    const PageText *heading = findText(first, "投注倍数");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->x, 986 + 100);
    EXPECT_EQ(heading->y, 700);
    // The net profit of period 1 in column 5 of slot 1.
    const PageText *net = findText(first, "984");
    ASSERT_NE(net, nullptr);
    EXPECT_EQ(net->x, 3674);
    EXPECT_EQ(net->y, 965);
}

TEST(PlanPrint, EightColumnGeometry) {
    VariablePlanInputs in;
    std::vector<VariableRow> rows;
    rows.push_back(nextVariableRow(rows, in));
    PlanSheet sheet;
    sheet.title = "可变投资计划表";
    sheet.headings = variablePlanHeadings();
    sheet.cells = planCells(rows);
    const PrintDocument doc = layoutPlanSheet(sheet, page());
    ASSERT_EQ(doc.size(), 1u);
    EXPECT_EQ(doc[0].lines.size(), 27u + 9u);
    EXPECT_TRUE(hasLine(doc[0], {369, 604, 4689, 604}));
    EXPECT_TRUE(hasLine(doc[0], {909, 604, 909, 6880}));
    const PageText *heading = findText(doc[0], "投注倍数");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->x, 909 + 80);
    const PageText *net = findText(doc[0], "984");
    ASSERT_NE(net, nullptr);
    EXPECT_EQ(net->x, 3789);
    EXPECT_NE(findText(doc[0], "共1页\\第1页"), nullptr);
}

TEST(PlanPrint, MissingRowsPrintNothingAndNoRowsNoPage) {
    PlanInputs in;
    in.days = 2;
    PlanSheet sheet = fixedSheet(2);
    sheet.cells = planCells(fixedPlan(in), 30); // two rows read of thirty periods
    const PrintDocument doc = layoutPlanSheet(sheet, page());
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(doc[1].texts.size(), 7u + 1u); // headings and footer only
    sheet.cells.clear();
    EXPECT_TRUE(layoutPlanSheet(sheet, page()).empty());
}

TEST(PlanPrint, InformationLines) {
    StagePlanInputs s;
    EXPECT_EQ(fixedPlanInfo(s, "2009-1-5"),
              "前期亏损:0  预测利润:10  单倍投入:16  单注奖金:1000  投注天数:80  打印日期:2009-1-5");
    EXPECT_EQ(stagePlanInfo(s, "2009-1-5"),
              "前期亏损:0 预测利润:10 单倍投入:16 单注奖金:1000 投注天数:80 阶段次数:10 打印日期:2009-1-5");
    VariablePlanInputs v;
    v.prekui = -3;
    EXPECT_EQ(variablePlanInfo(v, "2012-12-31"),
              "前期亏损:-3 预测利润:10 单倍投入:16 单注奖金:1000 投注天数:80 本期注数:8 打印日期:2012-12-31");
}

} // namespace
} // namespace corvel
