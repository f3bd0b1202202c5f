#include "core/drawhistory.h"
#include "core/intconv.h"
#include "core/u_public.h"
#include "core/usererror.h"

#include <gtest/gtest.h>

using namespace corvel;

TEST(SharedHelpers, CombinationsAndNumberSpace) {
    EXPECT_EQ(Combinations(10, 3), 120);
    EXPECT_EQ(Combinations(10, 0), 1);
    EXPECT_EQ(Combinations(10, -2), 1);
    EXPECT_EQ(Combinations(10, 5), 252);
    EXPECT_EQ(Combinations(10, 1), 10);
    EXPECT_EQ(NumberSpaceSize(10, 3, 1), 1000);
    EXPECT_EQ(NumberSpaceSize(10, 3, 0), 120);
}

TEST(SharedHelpers, DirectNumbersRows) {
    const DirectNumberTable t = buildDirectNumbers();
    EXPECT_EQ(t[0], (DirectNumberRow{0, 0, 0, 0, 0}));
    EXPECT_EQ(t[407], (DirectNumberRow{4, 0, 7, 0, 0}));
    EXPECT_EQ(t[999], (DirectNumberRow{9, 9, 9, 0, 0}));
    for (int n = 0; n < 1000; ++n) ASSERT_EQ(t[n][0] * 100 + t[n][1] * 10 + t[n][2], n);
}

TEST(SharedHelpers, ProfileRefusal) {
    EXPECT_TRUE(profileRefusal(1, 10, 3).empty());
    EXPECT_FALSE(profileRefusal(0, 10, 3).empty());
    EXPECT_FALSE(profileRefusal(1, 11, 3).empty());
    EXPECT_FALSE(profileRefusal(1, 10, 5).empty());
}

TEST(IntegerConversion, StandardMessage) {
    EXPECT_EQ(strToInt(" 42 "), 42);
    EXPECT_EQ(strToInt("-7"), -7);
    EXPECT_EQ(strToInt64("9000000000"), 9000000000LL);
    try {
        strToInt("12a");
        FAIL();
    } catch (const UserError &e) {
        EXPECT_STREQ(e.what(), "'12a' 不是一个有效的整形值");
    }
    EXPECT_THROW(strToInt(""), UserError);
    EXPECT_THROW(strToInt("3000000000"), UserError);
    EXPECT_THROW(strToInt("+-1"), UserError);
    EXPECT_EQ(listIndexMessage(5), "列表索引越界 (5)");
}

TEST(IssueConversion, LengthsAndSpecialLottery) {
    EXPECT_EQ(issueToInt("2007001", "中国福彩3D"), 2007001);
    EXPECT_EQ(issueToInt("20070101", "重庆时时彩"), 70101);
    EXPECT_EQ(issueToInt("2007010112", "重庆时时彩"), 7010112);
    EXPECT_EQ(issueToInt("2007010112", "黑龙江时时彩"), 2007010112);
    EXPECT_THROW(issueToInt("2007x01", "中国福彩3D"), UserError);
    EXPECT_THROW(issueToInt("", "中国福彩3D"), UserError);
}

namespace {
RawDraw raw(const std::string &issue, std::initializer_list<int> digits) {
    RawDraw r;
    r.issue = issue;
    int c = 0;
    for (int d : digits) r.digits[c++] = d;
    return r;
}
} // namespace

TEST(HistoryFill, ThreeDigitTrendRow) {
    RawDrawTable t;
    t.rows = {raw("2007001", {0, 0, 7}), raw("2007002", {5, 5, 5})};
    const HistoryFill f = fillDrawHistory(t, "中国福彩3D", 1);
    ASSERT_TRUE(f.error.empty());
    EXPECT_EQ(f.history[0], (DrawRow{2007001, 0, 0, 7}));
    const TrendRow &r = f.trend[0];
    EXPECT_EQ(r[1], 7);     // shown as 007
    EXPECT_EQ(r[3 + 0], 2); // two zeros
    EXPECT_EQ(r[3 + 7], 1); // one seven
    EXPECT_EQ(r[14], 1);    // 百 = 0
    EXPECT_EQ(r[24], 1);    // 十 = 0
    EXPECT_EQ(r[41], 1);    // 个 = 7
    EXPECT_EQ(r[2], 0);
    EXPECT_EQ(r[13], 0);
    EXPECT_EQ(f.trend[1][3 + 5], 3);
    EXPECT_EQ(f.trend[1][14 + 5] + f.trend[1][24 + 5] + f.trend[1][34 + 5], 3);
}

TEST(HistoryFill, FiveDigitWindowFromPositionThree) {
    RawDrawTable t;
    t.columnCount = 5;
    t.rows = {raw("2007010112", {1, 2, 3, 4, 5})};
    const HistoryFill f = fillDrawHistory(t, "重庆时时彩", 3);
    ASSERT_TRUE(f.error.empty());
    EXPECT_EQ(f.history[0], (DrawRow{7010112, 3, 4, 5}));
    EXPECT_EQ(f.trend[0][1], 12345);
    EXPECT_EQ(f.trend[0][3 + 3], 1);
    EXPECT_EQ(f.trend[0][17], 1);
    EXPECT_EQ(f.trend[0][28], 1);
    EXPECT_EQ(f.trend[0][39], 1);
}

TEST(HistoryFill, OtherLotteryWithThreeDigitColumns) {
    // A lottery outside the three named games whose table has only columns 1 to 3.
    RawDrawTable t;
    t.columnCount = 3;
    t.rows = {raw("2007001", {1, 2, 3}), raw("2007002", {4, 5, 6})};
    const HistoryFill f = fillDrawHistory(t, "重庆时时彩", 1);
    EXPECT_TRUE(f.error.empty()) << f.error;
    EXPECT_EQ(f.history[1], (DrawRow{2007002, 4, 5, 6}));
    EXPECT_EQ(f.trend[1][1], 456);
}

TEST(HistoryFill, BadRowsStopTheFillButKeepTheSize) {
    RawDrawTable t;
    t.rows = {raw("2007001", {1, 2, 3}), raw("2007002", {4, 5, 6}), raw("20x7003", {7, 8, 9}),
              raw("2007004", {1, 1, 1})};
    t.rows[1].digits[1].reset(); // empty digit cell
    HistoryFill f = fillDrawHistory(t, "中国福彩3D", 1);
    EXPECT_EQ(f.error, "'' 不是一个有效的整形值（第2007002期第2位开奖号码为空）");
    ASSERT_EQ(f.history.size(), 4u);
    EXPECT_EQ(f.history[0][0], 2007001);
    EXPECT_EQ(f.history[1], (DrawRow{0, 0, 0, 0}));
    EXPECT_EQ(f.history[3], (DrawRow{0, 0, 0, 0}));

    t.rows[1].digits[1] = 5;
    f = fillDrawHistory(t, "中国福彩3D", 1);
    EXPECT_EQ(f.error, "'20x7003' 不是一个有效的整形值");
    EXPECT_EQ(f.history[1][0], 2007002);
    // Every row has its 64-bit issue; one that is not a number takes the history's (0 here).
    EXPECT_EQ(f.issues, (std::vector<int64_t>{2007001, 2007002, 0, 2007004}));

    // A digit outside 0..9 would index past the trend row: refused.
    t.rows[2] = raw("2007003", {1, 12, 3});
    f = fillDrawHistory(t, "中国福彩3D", 1);
    EXPECT_FALSE(f.error.empty());
    EXPECT_EQ(f.history[2][0], 0);
}

TEST(HistoryFill, LongIssuesStayWholeInTheSixtyFourBitIssues) {
    RawDrawTable t;
    t.rows = {raw("20240101001", {1, 2, 3}), raw("99991231999", {4, 5, 6}), raw("2007003", {7, 8, 9})};
    const HistoryFill f = fillDrawHistory(t, "中国福彩3D", 1);
    ASSERT_TRUE(f.error.empty()) << f.error;
    EXPECT_EQ(f.history[0][0], 240101001); // the 32-bit issue drops the first two characters
    EXPECT_EQ(f.history[1][0], 991231999);
    EXPECT_EQ(f.issues, (std::vector<int64_t>{20240101001, 99991231999, 2007003}));
    EXPECT_GT(f.issues[0], int64_t{INT32_MAX});
    // 黑龙江时时彩 keeps its text whole in both.
    RawDrawTable h;
    h.rows = {raw("2007001", {1, 2, 3})};
    EXPECT_EQ(fillDrawHistory(h, "黑龙江时时彩", 1).issues, std::vector<int64_t>{2007001});
}

TEST(HistoryFill, EmptyTable) {
    const HistoryFill f = fillDrawHistory(RawDrawTable{}, "中国福彩3D", 1);
    EXPECT_TRUE(f.history.empty());
    EXPECT_TRUE(f.trend.empty());
    EXPECT_TRUE(f.error.empty());
}
