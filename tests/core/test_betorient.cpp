#include "core/betorient.h"
#include "core/numberlist.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

DrawTable draws(std::initializer_list<int32_t> issues) {
    DrawTable table;
    for (int32_t issue : issues) table.push_back({issue, 1, 2, 3});
    return table;
}

} // namespace

TEST(BetIssue, TheIssueAfterTheNewestDraw) {
    EXPECT_EQ(nextIssue(draws({2026120, 2026121}), {}), 2026122);
    EXPECT_EQ(betIssueText(nextIssue(draws({2026120, 2026121}), {})), "投注期号：2026122");
    // One draw is enough; the newest is the last row, whatever the others hold.
    EXPECT_EQ(nextIssue(draws({7}), {}), 8);
    EXPECT_EQ(nextIssue(draws({2026200, 2026001}), {}), 2026002);
    // Without draws there is no issue to bet on, and the label names none.
    EXPECT_EQ(nextIssue({}, {}), std::nullopt);
    EXPECT_EQ(betIssueText(std::nullopt), "投注期号：");
}

TEST(BetIssue, WholeIssuesWinWhenTheyMatchTheHistory) {
    // A ten-digit issue loses its first two digits in the history; the whole issue is named.
    const DrawTable history = draws({26010101, 26010102});
    EXPECT_EQ(nextIssue(history, {2026010101, 2026010102}), 2026010103);
    EXPECT_EQ(betIssueText(nextIssue(history, {2026010101, 2026010102})), "投注期号：2026010103");
    // Whole issues of another history (a stale list) are not trusted.
    EXPECT_EQ(nextIssue(history, {2026010101}), 26010103);
    // Beyond 32 bits the increment still holds.
    EXPECT_EQ(nextIssue(draws({1}), {99999999999}), 100000000000);
}

TEST(BetCost, TwoYuanABetAppendedToTheCountText) {
    EXPECT_EQ(betCostText(120), "240 元");
    EXPECT_EQ(betCostText(0), "0 元");
    EXPECT_EQ(betCostText(1000), "2000 元");
    EXPECT_EQ(withBetCost("共 120 注", 120), "共 120 注  240 元");
    EXPECT_EQ(withBetCost("缩水结果：63注", 63), "缩水结果：63注  126 元");
    EXPECT_EQ(withBetCost("号码注数：0", 0), "号码注数：0  0 元");
    // The count text stays whole at its start, whatever it holds.
    const std::string quoted = "和值组合12共 7 注";
    EXPECT_EQ(withBetCost(quoted, 7).substr(0, quoted.size()), quoted);
    // No list: nothing appended.
    EXPECT_EQ(withBetCost("号码注数：", -1), "号码注数：");
    // Counts past 32 bits are priced without overflow.
    EXPECT_EQ(betCostText(int64_t{3} << 31), std::to_string((int64_t{3} << 31) * 2) + " 元");
}

TEST(BetListPrintout, TheBetIssueLineStandsOnTheCountRowAtTheTableEdge) {
    PageGeometry g;
    g.width = 4760;
    g.height = 7016;
    g.textWidth = [](PageFont f, const std::string &text) {
        return int(text.size()) * (f == PageFont::Title ? 60 : 30);
    };
    NumberList list(80, Number{1, 2, 3});
    const PrintDocument doc = layoutBetList(g, "福彩3D  2026121期直选投注号码", list, "2026-4-1", "投注期号：2026122");
    ASSERT_EQ(doc.size(), 2u);
    const PageText *count = nullptr, *issue = nullptr;
    for (const PageText &t : doc[0].texts) {
        if (t.text == "共80注 打印日期:2026-4-1") count = &t;
        if (t.text == "投注期号：2026122") issue = &t;
    }
    ASSERT_TRUE(count && issue);
    EXPECT_EQ(issue->y, count->y);
    EXPECT_EQ(issue->font, PageFont::Body);
    // Right-aligned with the table's right rule, clear of the count line.
    EXPECT_EQ(issue->x + g.textWidth(PageFont::Body, issue->text), g.width / 14 + 72 * g.width / 80);
    EXPECT_GT(issue->x, count->x + g.textWidth(PageFont::Body, count->text));
    // The title is kept as given, and the second page does not repeat the line.
    EXPECT_EQ(doc[0].texts.front().text, "福彩3D  2026121期直选投注号码");
    for (const PageText &t : doc[1].texts) EXPECT_NE(t.text, "投注期号：2026122");
    // Without a bet issue nothing is added.
    const PrintDocument plain = layoutBetList(g, "t", list, "d");
    EXPECT_EQ(plain[0].texts.size() + 1, doc[0].texts.size());
}
