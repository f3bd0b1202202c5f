// What the back-test window exports and prints: the CSV text of a hand-worked run, the
// summary of a stopped run, and the printout's pages.

#include "enginesupport.h"
#include "planning/backtestsheet.h"
#include "planning/backtesttools.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

// Issues 1 … 4: 000, 321, 211, 555; the newest three are tested.
DrawTable handHistory() { return test::history({{1, 0, 0, 0}, {2, 3, 2, 1}, {3, 2, 1, 1}, {4, 5, 5, 5}}); }

// The group list 123 (组六, six ways) and 112 (组三, three ways) bet on 321, 211 and 555.
BacktestRun handRun() {
    BacktestSettings s;
    s.draws = 3;
    return runBacktest(handHistory(), s, fixedListTool({{{1, 2, 3}, {1, 1, 2}}, ListForm::Group}));
}

std::vector<std::string> textsOf(const Page &page) {
    std::vector<std::string> texts;
    for (const PageText &t : page.texts) texts.push_back(t.text);
    return texts;
}

bool holds(const Page &page, const std::string &text) {
    const std::vector<std::string> texts = textsOf(page);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

PageGeometry a4() {
    return {4760, 6800, [](PageFont, const std::string &t) { return int(t.size()) * 40; }};
}

// A run of `draws` draws of a one-number list over a history of draws + 1.
BacktestRun runOf(int draws) {
    DrawTable history;
    for (int i = 0; i <= draws; ++i) history.push_back({i + 1, i % 10, 0, 0});
    BacktestSettings s;
    s.draws = draws;
    return runBacktest(history, s, fixedListTool({{{1, 0, 0}}, ListForm::Direct}));
}

} // namespace

// Worked by hand: 321 wins 组六 (173), 211 组三 (346), the leopard 555 nothing; 2 numbers at
// 2 yuan cost 4 a draw, so the net runs 169, 511, 507. Each draw wins by chance with
// 9/1000, E = 0.027; p(at least 2 of 3) = 3·0.009²·0.991 + 0.009³ = 0.000242.
TEST(BacktestSheet, CsvOfAHandWorkedRun) {
    const BacktestRun run = handRun();
    const std::vector<int64_t> issues{2009001, 2009002, 2009003, 2009004};
    EXPECT_EQ(backtestCsv(run, BacktestSettings{}, issues), "期号,开奖号,注数,结果,奖金,累计净收益\r\n"
                                                            "2009002,321,2,组六,173,169\r\n"
                                                            "2009003,211,2,组三,346,511\r\n"
                                                            "2009004,555,2,未中,0,507\r\n"
                                                            "\r\n"
                                                            "汇总\r\n"
                                                            "回测期数,3\r\n"
                                                            "完成期数,3\r\n"
                                                            "单注价格,2\r\n"
                                                            "直选奖金,1040\r\n"
                                                            "组三奖金,346\r\n"
                                                            "组六奖金,173\r\n"
                                                            "中出期数,2\r\n"
                                                            "随机期望期数,0.03\r\n"
                                                            "p值,0.0002\r\n"
                                                            "随机比较,与随机选号相比：明显好于随机（p < 0.001）\r\n"
                                                            "投入,12\r\n"
                                                            "奖金,519\r\n"
                                                            "净收益,507\r\n"
                                                            "回报率,4325.00%\r\n"
                                                            "最长连续未中,1\r\n"
                                                            "当前连续未中,1\r\n");
    // Without the issues of the history the rows keep their own.
    EXPECT_EQ(backtestCells(run.rows[0], rowIssue(run.rows[0], {})),
              (std::vector<std::string>{"2", "321", "2", "组六", "173", "169"}));
}

TEST(BacktestSheet, SummaryOfAStoppedRunSaysWhatItCovers) {
    std::atomic<bool> stop{false};
    int calls = 0;
    const ListTool tool = [&](const DrawTable &, int) {
        if (++calls == 2) stop = true; // the second draw's run sees the stop: only the first stays
        return ToolList{{{1, 2, 3}, {1, 1, 2}}, ListForm::Group};
    };
    BacktestSettings s;
    s.draws = 3;
    const BacktestRun run = runBacktest(handHistory(), s, tool, {}, &stop);
    const std::vector<std::string> lines = backtestSummaryLines(run);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "已停止：完成1/3期，汇总只含已完成的期数");
    EXPECT_EQ(lines[1], "中出 1 期 / 随机期望 0.01 期");
    EXPECT_EQ(lines[3], "投入 4 元");
    EXPECT_EQ(lines[4], "奖金 173 元");
    EXPECT_EQ(lines[5], "净收益 169 元");
    EXPECT_EQ(lines[6], "回报率 4325.00%");
    EXPECT_EQ(lines[8], "当前连续未中 0 期");

    // No cost (a price of 0): no return rate to give.
    s.price = 0;
    const BacktestRun free = runBacktest(handHistory(), s, fixedListTool({{{1, 2, 3}}, ListForm::Group}));
    EXPECT_EQ(backtestSummaryLines(free)[5], "回报率 无投入");
    EXPECT_EQ(backtestSummaryLines(free)[0], "中出 1 期 / 随机期望 0.02 期");
}

TEST(BacktestSheet, PrintoutPagesTheTableAndKeepsTheSummaryWhole) {
    const PageGeometry page = a4();
    // 20 rows and the summary share one page.
    PrintDocument doc = layoutBacktestSheet(page, "标题", "信息", runOf(20), {});
    ASSERT_EQ(doc.size(), 1u);
    EXPECT_TRUE(holds(doc[0], "标题"));
    EXPECT_TRUE(holds(doc[0], "累计净收益"));
    EXPECT_TRUE(holds(doc[0], "投入 40 元"));
    EXPECT_TRUE(holds(doc[0], "共1页\\第1页"));

    // A full page leaves no room: the summary goes on a page of its own, without a table.
    doc = layoutBacktestSheet(page, "标题", "信息", runOf(BacktestRowsPerPage), {});
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_FALSE(holds(doc[0], "投入 72 元"));
    EXPECT_TRUE(holds(doc[1], "投入 72 元"));
    EXPECT_FALSE(holds(doc[1], "期号"));
    EXPECT_TRUE(holds(doc[1], "共2页\\第2页"));

    // One row more: the second page has the table's headings, the row and the summary; the
    // title is on the first page only.
    doc = layoutBacktestSheet(page, "标题", "信息", runOf(BacktestRowsPerPage + 1), {});
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_TRUE(holds(doc[1], "期号"));
    EXPECT_TRUE(holds(doc[1], std::to_string(BacktestRowsPerPage + 2))); // its issue
    EXPECT_TRUE(holds(doc[1], "投入 74 元"));
    EXPECT_FALSE(holds(doc[1], "标题"));
    // Every text lies on the page.
    for (const Page &p : doc)
        for (const PageText &t : p.texts) {
            EXPECT_GE(t.x, 0);
            EXPECT_LT(t.y, page.height) << t.text;
        }

    EXPECT_EQ(test::userErrorOf([&] { layoutBacktestSheet(page, "标题", "信息", BacktestRun{}, {}); }),
              "请先开始回测！");
}
