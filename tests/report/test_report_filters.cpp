// corvel-report: the deviation and rebound sections of the history report, and the size
// limit of the total filter's list file, as the built executable.

#include "testsupport.h"

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

// The other refusals of the total filter are golden cases (tests/data/total); a list file
// over the size limit is made here rather than stored.
TEST_F(FilterReport, AListOverFourMegabytesIsRefused) {
    const auto run =
        test::runReport({QStringLiteral("total"), file(QStringLiteral("e.txt"), ""), QStringLiteral("--list"),
                         file(QStringLiteral("big.txt"), QByteArray(5 * 1024 * 1024, '1'))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_EQ(run.error, QStringLiteral("文件超过4MB，不是号码列表文件！"));
}
