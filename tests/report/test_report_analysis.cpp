// corvel-report HISTORY.txt: the statistics of every analysis tab, run as the built executable.

#include "analysis/indicatoranalysis.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

class AnalysisReport : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString history(const QByteArray &text) {
        return test::writeFile(dir.filePath(QStringLiteral("history.txt")), text);
    }
    // The rows of one section, without its header line.
    static QStringList section(const test::ReportRun &run, const QString &header) {
        return test::reportSection(run.lines, header);
    }
};

} // namespace

TEST_F(AnalysisReport, EveryTabAndChoiceHasItsSection) {
    const auto run = test::runReport({history("2007001 123\r\n2007002 456\r\n2007003 789\r\n")});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    int headers = 0;
    for (const QString &line : run.lines) headers += line.startsWith(QStringLiteral("# tab="));
    EXPECT_EQ(headers, 15 + 5 + 14 + 3 * 3);
    EXPECT_EQ(section(run, QStringLiteral("# tab=1 position=2 size=5")).size(), 252);
    EXPECT_EQ(section(run, QStringLiteral("# tab=2 size=3")).size(), 120);
    EXPECT_EQ(section(run, QStringLiteral("# tab=5")).size(), 28);
    EXPECT_EQ(section(run, QStringLiteral("# tab=8 pair=3")).size(), 19);
    EXPECT_EQ(section(run, QStringLiteral("# tab=14 position=1")).size(), 6);
    EXPECT_EQ(section(run, QStringLiteral("# tab=15")).size(), 5);
}

TEST_F(AnalysisReport, OneDrawHistory) {
    const auto run = test::runReport({history("2007001 555\n")});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    const QStringList bigSmall = section(run, QStringLiteral("# tab=3"));
    ASSERT_EQ(bigSmall.size(), 8);
    EXPECT_EQ(bigSmall[0], QStringLiteral("大大大,1,1,0"));
    EXPECT_EQ(bigSmall[7], QStringLiteral("小小小,0,0,1"));
    EXPECT_EQ(section(run, QStringLiteral("# tab=5"))[15], QStringLiteral("15,1,1,0"));
    const QStringList hundreds = section(run, QStringLiteral("# tab=1 position=1 size=1"));
    EXPECT_EQ(hundreds[5], QStringLiteral("5,1,1,1"));
    EXPECT_EQ(hundreds[0], QStringLiteral("0,0,0,2"));
    EXPECT_EQ(section(run, QStringLiteral("# tab=2 size=1"))[5], QStringLiteral("5,1,1,1"));
}

TEST_F(AnalysisReport, SectionsMatchTheWindowsTables) {
    const QString path = history("2007001 123\n2007002 120\n2007003 555\n2007004 509\n2007005 001\n");
    const auto run = test::runReport({path});
    ASSERT_EQ(run.exitCode, 0);
    const DrawTable draws{
        {2007001, 1, 2, 3}, {2007002, 1, 2, 0}, {2007003, 5, 5, 5}, {2007004, 5, 0, 9}, {2007005, 0, 0, 1}};
    for (int tab : {4, 11, 12, 13, 15, 19}) {
        const auto table = indicatorStatisticsTable(tab, draws);
        QStringList expected;
        for (size_t i = 1; i < table.size(); ++i)
            expected << QString::fromStdString(table[i][0] + "," + table[i][1] + "," + table[i][2] + "," + table[i][3]);
        EXPECT_EQ(section(run, QStringLiteral("# tab=%1").arg(tab)), expected) << tab;
    }
}

TEST_F(AnalysisReport, FiveDigitDrawsUseTheChosenWindow) {
    const auto right =
        test::runReport({history("2007010112 12345\n"), QStringLiteral("--position-start"), QStringLiteral("3")});
    ASSERT_EQ(right.exitCode, 0) << right.error.toStdString();
    EXPECT_EQ(section(right, QStringLiteral("# tab=5"))[12], QStringLiteral("12,1,1,0")); // 3 + 4 + 5
    const auto left = test::runReport({history("2007010112 12345\n")});
    EXPECT_EQ(section(left, QStringLiteral("# tab=5"))[6], QStringLiteral("6,1,1,0")); // 1 + 2 + 3
}

TEST_F(AnalysisReport, ABadFileNamesItsLine) {
    const auto run = test::runReport({history("2007001 123\n2007002 1x3\n")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.error.contains(QStringLiteral("第2行"))) << run.error.toStdString();
    EXPECT_TRUE(run.lines.isEmpty());
    EXPECT_EQ(test::runReport({dir.filePath(QStringLiteral("missing.txt"))}).exitCode, 1);
}
