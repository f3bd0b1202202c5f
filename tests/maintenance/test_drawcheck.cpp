// The data check on crafted histories: every kind of finding with its line and issue, and
// gaps as warnings only.

#include "maintenance/drawcheck.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

DrawCheck checkText(const std::string &text) { return checkDraws(drawCheckRows(text)); }

std::vector<std::string> lines(const DrawCheck &check) {
    std::vector<std::string> out;
    for (const DrawFinding &f : check.findings) out.push_back((f.warning ? "warning " : "problem ") + findingLine(f));
    return out;
}

} // namespace

TEST(DrawCheck, ASoundHistoryHasNoFindingsWhateverItsLineEnds) {
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        const DrawCheck check = checkText("2023357 123 2023-12-30" + end + "2023358 456 2023-12-31" + end + end +
                                          "2024001 789 2024-01-01" + end + "2024002 01234 2024-01-01" + end);
        EXPECT_EQ(check.draws, 4u);
        EXPECT_TRUE(check.findings.empty()) << lines(check).front();
        EXPECT_EQ(drawCheckSummary(check), "共4期，没有发现问题。");
    }
}

TEST(DrawCheck, EveryKindOfProblemIsNamedWithItsLineAndIssue) {
    const DrawCheck check = checkText("2024001 123 2024-01-02\n"
                                      "2024002 12\n"
                                      "2024003 1a3\n"
                                      "2024002 456\n"            // repeated
                                      "2024001x 456\n"           // no number
                                      "2023100 789\n"            // out of order
                                      "2024004 000 2024-01-01\n" // the date goes back
                                      "2024005\n");
    EXPECT_EQ(lines(check), (std::vector<std::string>{
                                "problem 第2行 期号2024002：开奖号码“12”不是三位数字",
                                "problem 第3行 期号2024003：开奖号码“1a3”不是三位数字",
                                "problem 第4行 期号2024002：期号重复（第2行已有）",
                                "problem 第5行 期号2024001x：期号不是数字",
                                "problem 第6行 期号2023100：期号比上一期2024003（第3行）小，顺序颠倒",
                                "problem 第7行 期号2024004：开奖日期2024-01-01早于第1行的日期",
                                "problem 第8行 期号2024005：缺少开奖号码",
                            }));
    EXPECT_EQ(check.problems(), 7u);
    EXPECT_EQ(check.warnings(), 0u);
}

TEST(DrawCheck, GapsWithinAYearOrADayAreWarningsOnly) {
    const DrawCheck check = checkText("2023356 111\n"
                                      "2023358 222\n" // one missing
                                      "2024001 333\n" // a new year starts afresh
                                      "2024005 444\n" // three missing
                                      "20240101023 12345\n"
                                      "20240101025 12345\n" // within a day
                                      "20240102001 12345\n"
                                      "900 123\n" // short issues have no period: out of order only
                                      "905 123\n");
    ASSERT_EQ(check.findings.size(), 4u) << lines(check).back();
    EXPECT_EQ(check.warnings(), 3u);
    EXPECT_EQ(findingLine(check.findings[0]), "第2行 期号2023358：与上一期2023356之间缺少1期（2023357）");
    EXPECT_EQ(findingLine(check.findings[1]), "第4行 期号2024005：与上一期2024001之间缺少3期（2024002～2024004）");
    EXPECT_EQ(findingLine(check.findings[2]), "第6行 期号20240101025：与上一期20240101023之间缺少1期（20240101024）");
    EXPECT_FALSE(check.findings[3].warning); // 900 after 20240102001
    const std::string summary = drawCheckSummary(check, 2);
    EXPECT_NE(summary.find("发现1个问题、3处缺期"), std::string::npos) << summary;
    EXPECT_NE(summary.find("（另有2条）"), std::string::npos) << summary;
}

TEST(DrawCheck, DatesInEveryCommonFormAreCompared) {
    EXPECT_EQ(checkText("2024001 123 2024/1/5\n2024002 123 20240104\n").problems(), 1u);
    EXPECT_EQ(checkText("2024001 123 2024.01.05\n2024002 123 2024-1-4\n").problems(), 1u);
    // A date the check cannot read is not compared, and does not reset the last one.
    EXPECT_EQ(checkText("2024001 123 2024-01-05\n2024002 123 周五\n2024003 123 2024-01-04\n").problems(), 1u);
    EXPECT_EQ(checkText("2024001 123 2024-13-01\n2024002 123 2024-01-01\n").problems(), 0u);
}
