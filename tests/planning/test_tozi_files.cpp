// The investment mode files (settings, combined, list) and the printed settings page.

#include "core/usererror.h"
#include "planning/tozifiles.h"

#include "enginesupport.h"
#include <gtest/gtest.h>

using namespace corvel;

namespace {

std::string errorOf(const std::function<void()> &f) { return test::userErrorOf(f); }

ToziSettings sample() {
    ToziSettings s;
    s.kind = 2;
    s.waitIndex = 0;
    s.betIndex = 49;
    s.gapIndex = 99;
    s.runIndex = 3;
    s.singleMax = "5000";
    s.totalMax = "80000";
    s.betCount = "90";
    s.prize = "320";
    s.profitRate = "-5";
    s.carryLoss = false;
    s.intervalMode = true;
    return s;
}

} // namespace

TEST(ToziSettingsFile, ThirteenLinesOfIndexesAndTextsRoundTrip) {
    const std::vector<std::string> lines = writeToziSettings(sample());
    EXPECT_EQ(lines,
              (std::vector<std::string>{"2", "0", "49", "99", "3", "5000", "80000", "90", "320", "-5", "0", "1", "2"}));
    EXPECT_EQ(readToziSettings(lines), sample());
    EXPECT_EQ(readToziSettings(writeToziSettings(ToziSettings{})), ToziSettings{});
}

TEST(ToziSettingsFile, DamagedFilesAreRefusedWhole) {
    std::vector<std::string> lines = writeToziSettings(sample());
    auto with = [&](size_t line, const std::string &text) {
        std::vector<std::string> copy = lines;
        copy[line] = text;
        return copy;
    };
    EXPECT_EQ(errorOf([&] { readToziSettings(with(1, "51")); }), "列表索引越界 (51)");
    EXPECT_EQ(errorOf([&] { readToziSettings(with(2, "50")); }), "列表索引越界 (50)");
    EXPECT_EQ(errorOf([&] { readToziSettings(with(3, "-1")); }), "列表索引越界 (-1)");
    EXPECT_EQ(errorOf([&] { readToziSettings(with(4, "10")); }), "列表索引越界 (10)");
    EXPECT_EQ(errorOf([&] { readToziSettings(with(12, "4")); }), "列表索引越界 (4)");
    EXPECT_EQ(errorOf([&] { readToziSettings(with(6, "12a")); }), "'12a' 不是一个有效的整形值");
    EXPECT_EQ(errorOf([&] { readToziSettings(with(10, "yes")); }), "'yes' 不是一个有效的整形值");
    // The last line sets the kind once more.
    EXPECT_EQ(readToziSettings(with(12, "1")).kind, 1);
    lines.resize(11);
    EXPECT_EQ(errorOf([&] { readToziSettings(lines); }), "'' 不是一个有效的整形值");
}

TEST(ToziCombinedFile, SettingsThenCountAndNumbers) {
    const NumberList numbers{{0, 1, 7}, {2, 2, 5}, {3, 3, 9}};
    const std::vector<std::string> lines = writeToziBoth(sample(), numbers);
    ASSERT_EQ(lines.size(), 13u + 1 + 3);
    EXPECT_EQ(lines[13], "3");
    EXPECT_EQ(lines[14], "017");
    const ToziBoth both = readToziBoth(lines);
    EXPECT_EQ(both.settings, sample());
    EXPECT_EQ(both.list.kind, 2);
    EXPECT_EQ(both.list.count, 3);
    EXPECT_EQ(both.list.numbers, numbers);
}

TEST(ToziListFile, CountIsCheckedAgainstTheKindBeforeReading) {
    const NumberList numbers{{0, 1, 7}, {4, 5, 6}};
    const InvestmentList list = readToziList(writeInvestmentList(3, numbers));
    EXPECT_EQ(list.kind, 3);
    EXPECT_EQ(list.numbers, numbers);
    // Fewer numbers than the count: the numbers present, never made-up 000 rows, and a note.
    const InvestmentList shortList = readToziList({"2", "4", "112", "334"});
    EXPECT_EQ(shortList.numbers, (NumberList{{1, 1, 2}, {3, 3, 4}}));
    EXPECT_FALSE(shortList.shortfall.empty());
    EXPECT_EQ(errorOf([] { readToziList({"2", "91"}); }), "请请输入1到90的组选3注数！");
    EXPECT_EQ(errorOf([] { readToziList({"0", "2000000000"}); }), "请请输入1到1000的直选注数！");
    EXPECT_EQ(errorOf([] { readToziList({"7", "1", "123"}); }), "列表索引越界 (7)");
    EXPECT_TRUE(readToziList({"1", "0"}).numbers.empty());
}

TEST(ToziSettingsPrint, TitleCentredAndEveryValueLabelled) {
    PageGeometry page;
    page.width = 4800;
    page.height = 6800;
    page.textWidth = [](PageFont, const std::string &text) { return int(text.size()) * 40; };
    const std::string title = "福彩3D  2024100期投资模式设置";
    const PrintDocument doc = layoutToziSettings(page, title, "2024-5-6", sample(), "-1234");
    ASSERT_EQ(doc.size(), 1u);
    const Page &p = doc[0];
    std::vector<std::string> texts;
    for (const auto &t : p.texts) {
        texts.push_back(t.text);
        EXPECT_GE(t.x, 0);
        EXPECT_LT(t.x, page.width);
        EXPECT_GE(t.y, 0);
        EXPECT_LT(t.y, page.height);
    }
    ASSERT_FALSE(p.texts.empty());
    EXPECT_EQ(p.texts[0].font, PageFont::Title);
    EXPECT_EQ(p.texts[0].x, (4800 - int(title.size()) * 40) / 2);
    const auto has = [&](const std::string &t) { return std::find(texts.begin(), texts.end(), t) != texts.end(); };
    EXPECT_TRUE(has("打印日期:2024-5-6"));
    // T = 100, R = 4, W = 0, L = 50 from the item indexes.
    for (const char *t : {"观察间隔数：",   "100", "观察间隔连续次数：", "4",           "中出后间隔数：", "0",
                          "连续投入期数：", "50",  "单期最大投入：",     "5000",        "累计最大投入：", "80000",
                          "单倍注数：",     "90",  "单注奖金：",         "320",         "总体赢余：",     "-1234",
                          "预期利润：",     "-5",  "取消预计亏损",       "选中间隔模式"})
        EXPECT_TRUE(has(t)) << t;
    for (const auto &l : p.lines) {
        EXPECT_LE(std::max(l.x1, l.x2), page.width);
        EXPECT_LE(std::max(l.y1, l.y2), page.height);
    }
}
