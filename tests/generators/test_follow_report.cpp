// corvel-report follow | auto2 | auto3, run as the built executable.

#include "store/textfile.h"
#include "testsupport.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace corvel {
namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// 99 filler draws, then the chain of draws that all hold a 1.
QString writeHistory(const test::TempAppDir &app) {
    QStringList lines;
    for (int i = 0; i < 99; ++i) lines << QStringLiteral("%1 000").arg(2010001 + i);
    const QStringList chain{u("100"), u("112"), u("211"), u("145"), u("154"), u("451"), u("199")};
    for (int i = 0; i < chain.size(); ++i) lines << QStringLiteral("%1 %2").arg(2010100 + i).arg(chain[i]);
    const QString path = app.path() + u("history.txt");
    writeTextLines(path, lines);
    return path;
}

// The lines of one section, without its heading.
QStringList section(const QStringList &lines, const QString &name) {
    return test::reportSection(lines, u("# ") + name);
}

TEST(FollowReport, SectionsOfTheGroupAndDirectWindows) {
    test::TempAppDir app;
    const QString history = writeHistory(app);
    test::ReportRun r = test::runReport({u("follow"), history, u("--danma"), u("1")});
    ASSERT_EQ(r.exitCode, 0) << r.error.toStdString();
    const QStringList follow = section(r.lines, u("follow"));
    ASSERT_EQ(follow.size(), 7);
    EXPECT_EQ(follow[0], u("100,112,,,,"));
    EXPECT_EQ(follow[2], u("211,145,12,03456789,1+2,3"));
    EXPECT_EQ(follow[6], u("199,下期开???,1459,023678,???,???"));
    EXPECT_EQ(section(r.lines, u("history")).last(), u("count,988"));
    EXPECT_EQ(section(r.lines, u("danma")).last(), u("count,280"));
    const QStringList list = section(r.lines, u("list"));
    EXPECT_EQ(list.first(), u("000"));
    EXPECT_EQ(list.last(), u("count,268"));
    EXPECT_EQ(r.lines.last(), u("count,268"));

    r = test::runReport({u("follow"), history, u("--direct"), u("--width"), u("2"), u("--position"), u("3"),
                         u("--exclude"), u("0"), u("--hits"), u("2"), u("3"), u("--danma"), u("12")});
    ASSERT_EQ(r.exitCode, 0) << r.error.toStdString();
    // 个 and 百 of 199 are 9 and 1: only 199 itself.
    EXPECT_EQ(section(r.lines, u("follow")), QStringList({u("199,下期开???,,,,")}));
    EXPECT_EQ(section(r.lines, u("list")).last(), u("count,54"));
}

TEST(FollowReport, BadOptionsFailWithTheWindowsMessages) {
    test::TempAppDir app;
    const QString history = writeHistory(app);
    test::ReportRun r = test::runReport({u("follow"), history, u("--follow"), u("abc")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.error, u("'abc' 不是一个有效的整形值"));
    EXPECT_TRUE(r.lines.isEmpty());
    r = test::runReport({u("follow"), history, u("--hits"), u("3"), u("1")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.error, u("胆码中出个数的范围有误：“中”大于“到”！"));
    r = test::runReport({u("follow"), history, u("--exclude"), u("-1")});
    EXPECT_EQ(r.error, u("排除期数不能小于0！"));
    r = test::runReport({u("follow"), app.path() + u("missing.txt")});
    EXPECT_EQ(r.exitCode, 1);
}

TEST(AutoPlanReport, TwoAndThreeDigitPlansStepByStep) {
    test::ReportRun r = test::runReport({u("auto2"), u("135"), u("12a"), u("246"), u("481"), u("999")});
    ASSERT_EQ(r.exitCode, 0) << r.error.toStdString();
    EXPECT_EQ(r.lines.mid(0, 4), QStringList({u("第1期,135,百十位奇奇"), u("请输入三位数字"), u("第2期,246,百十位偶偶"),
                                              u("号码已中出，计划结束")}));
    EXPECT_EQ(r.lines[4], u("# list"));
    EXPECT_EQ(r.lines[5], u("000"));
    EXPECT_EQ(r.lines.last(), u("count,250"));
    EXPECT_EQ(r.lines.size(), 4 + 1 + 250 + 1);

    r = test::runReport({u("auto2"), u("--size"), u("135"), u("126")});
    EXPECT_EQ(r.lines.mid(0, 2), QStringList({u("第1期,135,百十位小小"), u("号码已中出，计划结束")}));

    r = test::runReport({u("auto3"), u("123"), u("456"), u("789"), u("000")});
    EXPECT_EQ(r.lines.mid(0, 2), QStringList({u("第1期,456,百十个位奇偶奇"), u("号码已中出，计划结束")}));
    EXPECT_EQ(r.lines.last(), u("count,125"));

    r = test::runReport({u("auto3"), u("--size"), u("135"), u("579")});
    EXPECT_EQ(r.lines.first(), u("第1期,579,百十个位小小大"));

    // Nothing added: an empty list.
    r = test::runReport({u("auto3"), u("１２３"), u("456")});
    EXPECT_EQ(r.lines, QStringList({u("请输入三位数字"), u("# list"), u("count,0")}));
}

} // namespace
} // namespace corvel
