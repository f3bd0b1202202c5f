// corvel-report fixed | stage | variable, run as the built executable.

#include "planning/plans.h"

#include "testsupport.h"
#include <QStringList>
#include <gtest/gtest.h>

namespace corvel {
namespace {

using test::ReportRun;
ReportRun report(const QStringList &args) { return test::runReport(args); }

template <class Row> QString csv(const Row &row) {
    QStringList cells;
    for (int64_t v : row) cells << QString::number(v);
    return cells.join(QLatin1Char(','));
}

TEST(PlanReport, FixedAndStagePlansAsCsv) {
    const ReportRun fixedRun = report({QStringLiteral("fixed"), QStringLiteral("0"), QStringLiteral("10"),
                                       QStringLiteral("16"), QStringLiteral("1000"), QStringLiteral("80")});
    ASSERT_EQ(fixedRun.exitCode, 0) << fixedRun.error.toStdString();
    ASSERT_EQ(fixedRun.lines.size(), 81);
    const std::vector<PlanRow> rows = fixedPlan(PlanInputs{});
    for (int i = 0; i < 80; ++i) EXPECT_EQ(fixedRun.lines[i], csv(rows[size_t(i)]));
    EXPECT_EQ(fixedRun.lines[61], QStringLiteral("62,2,32,1008,2000,992,98"));
    EXPECT_EQ(fixedRun.lines.last(), QStringLiteral("average,551"));

    const ReportRun stage =
        report({QStringLiteral("stage"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("16"),
                QStringLiteral("1000"), QStringLiteral("85"), QStringLiteral("10")});
    ASSERT_EQ(stage.exitCode, 0) << stage.error.toStdString();
    ASSERT_EQ(stage.lines.size(), 86);
    StagePlanInputs in;
    in.days = 85;
    const std::vector<PlanRow> stageRows = stagePlan(in);
    EXPECT_EQ(stage.lines[84], csv(stageRows[84]));
    EXPECT_EQ(stage.lines.last(), QStringLiteral("average,%1").arg(averageNet(stageRows, 85)));
    EXPECT_EQ(report({QStringLiteral("stage"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("16"),
                      QStringLiteral("1000"), QStringLiteral("80"), QStringLiteral("10")})
                  .lines.last(),
              QStringLiteral("average,592"));
}

TEST(PlanReport, VariablePlanOnePeriodPerBetCount) {
    const ReportRun r = report({QStringLiteral("variable"), QStringLiteral("0"), QStringLiteral("10"),
                                QStringLiteral("1000"), QStringLiteral("80"), QStringLiteral("8"), QStringLiteral("8"),
                                QStringLiteral("20"), QStringLiteral("50")});
    ASSERT_EQ(r.exitCode, 0) << r.error.toStdString();
    ASSERT_EQ(r.lines.size(), 5);
    EXPECT_EQ(r.lines[2], QStringLiteral("3,1,20,40,72,1000,928,1288"));
    EXPECT_EQ(r.lines.last(), QStringLiteral("average,927"));
}

TEST(PlanReport, FailuresExitWithTheMessage) {
    ReportRun r = report({QStringLiteral("fixed"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("1000"),
                          QStringLiteral("1000"), QStringLiteral("80")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.error, QStringLiteral("所需倍数太大，无法投注！"));
    EXPECT_TRUE(r.lines.isEmpty());

    r = report({QStringLiteral("variable"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("1000"),
                QStringLiteral("2"), QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("8")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.error, QStringLiteral("投资期限已满2天!"));

    r = report({QStringLiteral("stage"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("16"),
                QStringLiteral("1000"), QStringLiteral("80"), QStringLiteral("0")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.error, QStringLiteral("阶段次数必须大于0！"));

    r = report({QStringLiteral("fixed"), QStringLiteral("0"), QStringLiteral("1o"), QStringLiteral("16"),
                QStringLiteral("1000"), QStringLiteral("80")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.error, QStringLiteral("'1o' 不是一个有效的整形值"));

    r = report({QStringLiteral("fixed"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("16")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.error.contains(QStringLiteral("fixed P R C W N")));
}

} // namespace
} // namespace corvel
