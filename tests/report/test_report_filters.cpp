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
    QString file(const QString &name, const QByteArray &bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    static QStringList section(const test::ReportRun &run, const QString &header) {
        const int at = int(run.lines.indexOf(header));
        if (at < 0) return {};
        QStringList rows;
        for (int i = at + 1; i < run.lines.size() && !run.lines[i].startsWith('#'); ++i) rows << run.lines[i];
        return rows;
    }
};

} // namespace

TEST_F(FilterReport, HistoryReportEndsWithTheTwoSearches) {
    const auto run = test::runReport({file("h.txt", "2007001 123\r\n2007002 456\r\n2007003 123\r\n")});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    const int deviationAt = int(run.lines.indexOf("# deviation"));
    const int reboundAt = int(run.lines.indexOf("# rebound"));
    ASSERT_GT(deviationAt, int(run.lines.indexOf("# tab=19")));
    ASSERT_EQ(reboundAt, deviationAt + 1431);
    EXPECT_EQ(run.lines.size(), reboundAt + 1431);
    const QStringList deviation = section(run, "# deviation");
    const QStringList rebound = section(run, "# rebound");
    EXPECT_EQ(deviation[0], "百位胆0,10,3,0");
    EXPECT_EQ(deviation[1], "百位胆1,10,0,0");
    EXPECT_EQ(deviation[1170], "奇偶偶偶偶,8,3,0");
    EXPECT_EQ(rebound[1], "百位胆1,10,0,2,0");
    EXPECT_EQ(rebound[1170], "偶偶偶,8,3,3,0"); // the rebound names the pattern alone
    EXPECT_EQ(rebound[1171], "偶偶奇,8,3,3,0");
    EXPECT_EQ(rebound.last(), "组选奇偶全偶,8,3,3,0");
}

TEST_F(FilterReport, TotalFilterFromAConditionFile) {
    const QString conditions = file("c.txt", "# sum 10\nchkhe=10\n");
    auto run = test::runReport({"total", conditions});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    ASSERT_EQ(run.lines.size(), 64);
    EXPECT_EQ(run.lines.first(), "019");
    EXPECT_EQ(run.lines[62], "910");
    EXPECT_EQ(run.lines.last(), "count,63");

    const QString list = file("l.txt", "019 028, 910\r\n555 ");
    run = test::runReport({"total", conditions, "--list", list});
    EXPECT_EQ(run.lines, (QStringList{"019", "028", "910", "count,3"}));
    run = test::runReport({"total", conditions, "--to-group", "--list", list});
    EXPECT_EQ(run.lines, (QStringList{"019", "028", "count,2"}));
    run = test::runReport({"total", file("none.txt", "")});
    EXPECT_EQ(run.lines.size(), 1001);
    EXPECT_EQ(run.lines.last(), "count,1000");
}

TEST_F(FilterReport, FailuresPrintTheWindowsMessageAlone) {
    auto run = test::runReport({"total", file("c.txt", "chkhe=10\nedtnum2=x\n")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_EQ(run.error, QStringLiteral("'x' 不是一个有效的整形值"));

    run = test::runReport({"total", file("d.txt", "chkhe=10\nchkhe=11\n")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.error, QStringLiteral("条件文件第2行：条件名“chkhe”重复（第1行已给出）！"));

    // A list with a header line is refused; a GBK character is named as it reads.
    run = test::runReport(
        {"total", file("e.txt", ""), "--list", file("k.txt", toGbk(QStringLiteral("直选共1注\r\n123 ")))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_EQ(run.error, QStringLiteral("'直' 不是一个有效的整形值"));
    run = test::runReport({"total", file("e.txt", ""), "--list", file("empty.txt", "")});
    EXPECT_EQ(run.error, QStringLiteral("文件中没有号码！"));
    run = test::runReport({"total", file("e.txt", ""), "--list", file("big.txt", QByteArray(5 * 1024 * 1024, '1'))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.error, QStringLiteral("文件超过4MB，不是号码列表文件！"));
    EXPECT_EQ(test::runReport({"total"}).exitCode, 2);
}
