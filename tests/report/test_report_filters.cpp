// corvel-report: the deviation and rebound sections of the history report, and the total
// filter run from a condition file, as the built executable.

#include "store/textfile.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

class FilterReport : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file(const QString &name, const QByteArray &bytes) { return test::writeFile(dir.filePath(name), bytes); }
    static QStringList section(const test::ReportRun &run, const QString &header) {
        return test::reportSection(run.lines, header);
    }
};

} // namespace

TEST_F(FilterReport, HistoryReportEndsWithTheTwoSearches) {
    const auto run = test::runReport({file(QStringLiteral("h.txt"), "2007001 123\r\n2007002 456\r\n2007003 123\r\n")});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    const int deviationAt = int(run.lines.indexOf(QStringLiteral("# deviation")));
    const int reboundAt = int(run.lines.indexOf(QStringLiteral("# rebound")));
    ASSERT_GT(deviationAt, int(run.lines.indexOf(QStringLiteral("# tab=19"))));
    ASSERT_EQ(reboundAt, deviationAt + 1431);
    EXPECT_EQ(run.lines.size(), reboundAt + 1431);
    const QStringList deviation = section(run, QStringLiteral("# deviation"));
    const QStringList rebound = section(run, QStringLiteral("# rebound"));
    EXPECT_EQ(deviation[0], QStringLiteral("百位胆0,10,3,0"));
    EXPECT_EQ(deviation[1], QStringLiteral("百位胆1,10,0,0"));
    EXPECT_EQ(deviation[1170], QStringLiteral("奇偶偶偶偶,8,3,0"));
    EXPECT_EQ(rebound[1], QStringLiteral("百位胆1,10,0,2,0"));
    EXPECT_EQ(rebound[1170], QStringLiteral("偶偶偶,8,3,3,0")); // the rebound names the pattern alone
    EXPECT_EQ(rebound[1171], QStringLiteral("偶偶奇,8,3,3,0"));
    EXPECT_EQ(rebound.last(), QStringLiteral("组选奇偶全偶,8,3,3,0"));
}

TEST_F(FilterReport, TotalFilterFromAConditionFile) {
    const QString conditions = file(QStringLiteral("c.txt"), "# sum 10\nchkhe=10\n");
    auto run = test::runReport({QStringLiteral("total"), conditions});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    ASSERT_EQ(run.lines.size(), 64);
    EXPECT_EQ(run.lines.first(), QStringLiteral("019"));
    EXPECT_EQ(run.lines[62], QStringLiteral("910"));
    EXPECT_EQ(run.lines.last(), QStringLiteral("count,63"));

    const QString list = file(QStringLiteral("l.txt"), "019 028, 910\r\n555 ");
    run = test::runReport({QStringLiteral("total"), conditions, QStringLiteral("--list"), list});
    EXPECT_EQ(run.lines, (QStringList{QStringLiteral("019"), QStringLiteral("028"), QStringLiteral("910"),
                                      QStringLiteral("count,3")}));
    run = test::runReport(
        {QStringLiteral("total"), conditions, QStringLiteral("--to-group"), QStringLiteral("--list"), list});
    EXPECT_EQ(run.lines, (QStringList{QStringLiteral("019"), QStringLiteral("028"), QStringLiteral("count,2")}));
    run = test::runReport({QStringLiteral("total"), file(QStringLiteral("none.txt"), "")});
    EXPECT_EQ(run.lines.size(), 1001);
    EXPECT_EQ(run.lines.last(), QStringLiteral("count,1000"));
}

TEST_F(FilterReport, FailuresPrintTheWindowsMessageAlone) {
    auto run = test::runReport({QStringLiteral("total"), file(QStringLiteral("c.txt"), "chkhe=10\nedtnum2=x\n")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_EQ(run.error, QStringLiteral("'x' 不是一个有效的整形值"));

    run = test::runReport({QStringLiteral("total"), file(QStringLiteral("d.txt"), "chkhe=10\nchkhe=11\n")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.error, QStringLiteral("条件文件第2行：条件名“chkhe”重复（第1行已给出）！"));

    // A list with a header line is refused; a GBK character is named as it reads.
    run = test::runReport({QStringLiteral("total"), file(QStringLiteral("e.txt"), ""), QStringLiteral("--list"),
                           file(QStringLiteral("k.txt"), toGbk(QStringLiteral("直选共1注\r\n123 ")))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_EQ(run.error, QStringLiteral("'直' 不是一个有效的整形值"));
    run = test::runReport({QStringLiteral("total"), file(QStringLiteral("e.txt"), ""), QStringLiteral("--list"),
                           file(QStringLiteral("empty.txt"), "")});
    EXPECT_EQ(run.error, QStringLiteral("文件中没有号码！"));
    run = test::runReport({QStringLiteral("total"), file(QStringLiteral("e.txt"), ""), QStringLiteral("--list"),
                           file(QStringLiteral("big.txt"), QByteArray(5 * 1024 * 1024, '1'))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.error, QStringLiteral("文件超过4MB，不是号码列表文件！"));
    EXPECT_EQ(test::runReport({QStringLiteral("total")}).exitCode, 2);
}
