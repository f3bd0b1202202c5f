// Plan files as lines: writing and reading back, and damaged or over-long files.

#include "core/usererror.h"
#include "planning/planfiles.h"

#include "enginesupport.h"
#include <gtest/gtest.h>

namespace corvel {
namespace {

std::string failureOf(const std::function<void()> &f) { return test::userErrorOf(f); }

using Lines = std::vector<std::string>;

TEST(PlanFiles, FixedPlanRoundTrip) {
    PlanInputs in{-25, 12, 16, 1000, 80};
    const std::vector<PlanRow> rows = fixedPlan(in);
    const Lines lines = fixedPlanLines(in, rows);
    ASSERT_EQ(lines.size(), 5u + 80 * 7);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 5), (Lines{"-25", "12", "16", "1000", "80"}));
    EXPECT_EQ(lines[5], "1");
    const FixedPlanFile file = readFixedPlanLines(lines);
    EXPECT_EQ(file.rows, rows);
    EXPECT_TRUE(file.damage.empty());
    EXPECT_EQ(fixedPlanLines(file.inputs, file.rows), lines);
}

TEST(PlanFiles, StageAndVariableRoundTrips) {
    StagePlanInputs stage;
    stage.days = 85;
    stage.jieduan = 10;
    const std::vector<PlanRow> stageRows = stagePlan(stage);
    const Lines stageLines = stagePlanLines(stage, stageRows);
    EXPECT_EQ(stageLines[5], "10");
    EXPECT_EQ(stageLines.size(), 6u + 85 * 7);
    const StagePlanFile stageFile = readStagePlanLines(stageLines);
    EXPECT_EQ(stageFile.inputs.jieduan, 10);
    EXPECT_EQ(stageFile.rows, stageRows);

    VariablePlanInputs var;
    var.days = 5;
    var.jushu = 50;
    var.inofsin = 77;
    std::vector<VariableRow> varRows;
    for (int64_t b : {8, 8, 20}) {
        var.jushu = b;
        varRows.push_back(nextVariableRow(varRows, var));
    }
    const Lines varLines = variablePlanLines(var, varRows);
    ASSERT_EQ(varLines.size(), 6u + 3 * 8);
    EXPECT_EQ(Lines(varLines.begin(), varLines.begin() + 6), (Lines{"0", "10", "77", "1000", "5", "20"}));
    const VariablePlanFile varFile = readVariablePlanLines(varLines);
    EXPECT_EQ(varFile.rows, varRows);
    EXPECT_EQ(varFile.inputs.inofsin, 77);
    EXPECT_EQ(variablePlanLines(varFile.inputs, varFile.rows), varLines);
}

TEST(PlanFiles, DamagedRowsStopTheReading) {
    PlanInputs in;
    in.days = 4;
    Lines lines = fixedPlanLines(in, fixedPlan(in));
    lines[5 + 2 * 7 + 3] = "12x"; // fourth cell of the third row
    FixedPlanFile file = readFixedPlanLines(lines);
    EXPECT_EQ(file.rows.size(), 2u);
    EXPECT_EQ(file.damage, "'12x' 不是一个有效的整形值");

    // A row cut short at the end of the file.
    lines = fixedPlanLines(in, fixedPlan(in));
    lines.resize(5 + 3 * 7 + 4);
    file = readFixedPlanLines(lines);
    EXPECT_EQ(file.rows.size(), 3u);
    EXPECT_EQ(file.damage, "'' 不是一个有效的整形值");

    // Fewer complete rows than periods is not damage; blank lines at the end do not count.
    lines.resize(5 + 3 * 7);
    lines.push_back("");
    lines.push_back("  ");
    file = readFixedPlanLines(lines);
    EXPECT_EQ(file.rows.size(), 3u);
    EXPECT_TRUE(file.damage.empty());
}

TEST(PlanFiles, RowsBeyondThePeriodCountAreIgnored) {
    PlanInputs in;
    in.days = 10;
    Lines lines = fixedPlanLines(in, fixedPlan(in));
    lines[4] = "3";
    lines.push_back("garbage after the rows");
    const FixedPlanFile file = readFixedPlanLines(lines);
    ASSERT_EQ(file.rows.size(), 3u);
    EXPECT_TRUE(file.damage.empty());
    EXPECT_EQ(file.rows[2][0], 3);

    VariablePlanInputs var;
    var.days = 3;
    std::vector<VariableRow> rows;
    for (int i = 0; i < 3; ++i) rows.push_back(nextVariableRow(rows, var));
    Lines varLines = variablePlanLines(var, rows);
    varLines[4] = "2";
    EXPECT_EQ(readVariablePlanLines(varLines).rows.size(), 2u);
}

TEST(PlanFiles, BadHeadersAreRefused) {
    EXPECT_EQ(failureOf([] { readFixedPlanLines({"0", "10", "16"}); }), incompletePlanFileMessage());
    EXPECT_EQ(failureOf([] { readStagePlanLines({"0", "10", "16", "1000", "80"}); }), incompletePlanFileMessage());
    EXPECT_EQ(failureOf([] { readVariablePlanLines({}); }), incompletePlanFileMessage());
    EXPECT_EQ(failureOf([] { readFixedPlanLines({"0", "ten", "16", "1000", "80"}); }), "'ten' 不是一个有效的整形值");
    EXPECT_EQ(failureOf([] { readFixedPlanLines({"0", "10", "16", "1000", "0"}); }), "投注期数必须大于0！");
    EXPECT_EQ(failureOf([] {
                  readStagePlanLines({"0", "10", "16", "1000", "9999999", "1"});
              }),
              "投注期数不能超过100000！");
    EXPECT_EQ(failureOf([] { readVariablePlanLines({"0", "10", "16", "1000", "-1", "8"}); }), "投注期数必须大于0！");
    // A header alone is a plan without rows.
    EXPECT_TRUE(readVariablePlanLines({"0", "10", "16", "1000", "5", "8"}).rows.empty());
}

} // namespace
} // namespace corvel
