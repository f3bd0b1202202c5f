// corvel-report HISTORY.txt: the statistics of every analysis tab, run as the built executable.

#include "testsupport.h"

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

// 123 120 555 509 001, worked by hand. A row is label, occurrences, largest spacing (the
// draws up to and including an occurrence), current spacing (draws since the last one).
TEST_F(AnalysisReport, ParityAndResidueSectionsOfFiveDraws) {
    const auto run = test::runReport({history("2007001 123\n2007002 120\n2007003 555\n2007004 509\n2007005 001\n")});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    // Parity by position: 奇偶奇 123 509, 奇偶偶 120, 奇奇奇 555, 偶偶奇 001.
    const QStringList parity = section(run, QStringLiteral("# tab=4"));
    EXPECT_TRUE(parity.contains(QStringLiteral("奇偶奇,2,3,1")));
    EXPECT_TRUE(parity.contains(QStringLiteral("奇偶偶,1,2,3")));
    EXPECT_TRUE(parity.contains(QStringLiteral("奇奇奇,1,3,2")));
    EXPECT_TRUE(parity.contains(QStringLiteral("偶偶奇,1,5,0")));
    EXPECT_TRUE(parity.contains(QStringLiteral("偶偶偶,0,0,5")));
    // Residues mod 3 by position: 120 twice (123, 120), 222, 200, 001.
    const QStringList residues = section(run, QStringLiteral("# tab=11"));
    EXPECT_TRUE(residues.contains(QStringLiteral("120,2,1,3")));
    EXPECT_TRUE(residues.contains(QStringLiteral("222,1,3,2")));
    EXPECT_TRUE(residues.contains(QStringLiteral("200,1,4,1")));
    EXPECT_TRUE(residues.contains(QStringLiteral("001,1,5,0")));
    // The same residues as a group: 一0一1一2 twice, 全2, 两0一2, 两0一1.
    const QStringList groups = section(run, QStringLiteral("# tab=19"));
    EXPECT_TRUE(groups.contains(QStringLiteral("一0一1一2,2,1,3")));
    EXPECT_TRUE(groups.contains(QStringLiteral("全2,1,3,2")));
    EXPECT_TRUE(groups.contains(QStringLiteral("两0一2,1,4,1")));
    EXPECT_TRUE(groups.contains(QStringLiteral("两0一1,1,5,0")));
    EXPECT_TRUE(groups.contains(QStringLiteral("全0,0,0,5")));
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
