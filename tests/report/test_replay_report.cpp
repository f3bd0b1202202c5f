// corvel-report replay | search, run as the built executable, and the history text
// reader behind them. The search's best combinations are golden cases (tests/data/search).

#include "core/historytext.h"
#include "core/usererror.h"

#include "testsupport.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

using namespace corvel;

namespace {

using test::ReportRun;
ReportRun report(const QStringList &args) { return test::runReport(args); }

class ReplayReport : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString write(const QString &name, const QByteArray &text) { return test::writeFile(dir.filePath(name), text); }
    // Twelve draws; 123 comes out at rows 2, 3, 7, 8 and 12.
    QString sampleHistory() {
        QByteArray text;
        const std::set<int> wins{2, 3, 7, 8, 12};
        for (int r = 1; r <= 12; ++r)
            text += QByteArray::number(2024000 + r) + (wins.count(r) ? " 123\r\n" : " 456\r\n");
        return write(QStringLiteral("history.txt"), text);
    }
};

} // namespace

TEST_F(ReplayReport, ReplayPrintsEveryRunAndTheSurplus) {
    const QString list = write(QStringLiteral("list.txt"), "0\r\n1\r\n123\r\n");
    const ReportRun run =
        report({QStringLiteral("replay"), sampleHistory(), list, QStringLiteral("--W"), QStringLiteral("1")});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(run.lines, (QStringList{QStringLiteral("1,1,2,2,1000,-2,49900,0"),
                                      QStringLiteral("1,1,2,4,1000,-4,24900,0"), QStringLiteral("surplus,-4")}));

    const ReportRun plain = report({QStringLiteral("replay"), sampleHistory(), list, QStringLiteral("--W"),
                                    QStringLiteral("1"), QStringLiteral("--no-carry")});
    EXPECT_EQ(plain.lines, (QStringList{QStringLiteral("1,1,2,2,1000,-2,49900,0"),
                                        QStringLiteral("1,1,2,2,1000,-2,49900,0"), QStringLiteral("surplus,-4")}));

    // A prize that never pays: the message goes to the error stream, nothing is recorded.
    const ReportRun small =
        report({QStringLiteral("replay"), sampleHistory(), list, QStringLiteral("--prize"), QStringLiteral("1")});
    EXPECT_EQ(small.exitCode, 0);
    EXPECT_EQ(small.lines, QStringList{QStringLiteral("surplus,0")});
    EXPECT_EQ(small.error, QStringLiteral("所需倍数太大，无法投注！"));
}

TEST_F(ReplayReport, KindOptionAndGroupWins) {
    // As 直选 the list 321 never wins; as 全组选 it wins every 123.
    const QString list = write(QStringLiteral("list.txt"), "0\r\n1\r\n321\r\n");
    EXPECT_EQ(report({QStringLiteral("replay"), sampleHistory(), list}).lines,
              QStringList{QStringLiteral("surplus,0")});
    const ReportRun group =
        report({QStringLiteral("replay"), sampleHistory(), list, QStringLiteral("--kind"), QStringLiteral("1")});
    EXPECT_EQ(group.lines, (QStringList{QStringLiteral("1,1,2,2,1000,998,49900,0"),
                                        QStringLiteral("1,1,2,2,1000,998,49900,0"), QStringLiteral("surplus,1996")}));
}

TEST_F(ReplayReport, BadInputStopsWithAMessage) {
    const QString list = write(QStringLiteral("list.txt"), "0\r\n1\r\n123\r\n");
    const QString bad = write(QStringLiteral("bad.txt"), "2024001 123\r\n2024002 12x\r\n");
    const ReportRun run = report({QStringLiteral("replay"), bad, list});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.error.startsWith(QStringLiteral("第2行"))) << run.error.toStdString();

    EXPECT_EQ(
        report({QStringLiteral("replay"), sampleHistory(), list, QStringLiteral("--L"), QStringLiteral("51")}).exitCode,
        1);
    EXPECT_EQ(
        report({QStringLiteral("replay"), sampleHistory(), write(QStringLiteral("big.txt"), "3\r\n121\r\n")}).error,
        QStringLiteral("请请输入1到120的组选6注数！"));
    EXPECT_EQ(report({QStringLiteral("replay"), sampleHistory()}).exitCode, 2);
    EXPECT_EQ(report({QStringLiteral("search"), dir.filePath(QStringLiteral("missing.txt")), list}).exitCode, 1);
}

TEST_F(ReplayReport, ListsReadAsTheWindowReadsThem) {
    // CR alone ends a line here as in the window.
    const ReportRun cr =
        report({QStringLiteral("replay"), sampleHistory(), write(QStringLiteral("cr.txt"), "0\r1\r123\r"),
                QStringLiteral("--W"), QStringLiteral("1")});
    EXPECT_EQ(cr.exitCode, 0) << cr.error.toStdString();
    EXPECT_EQ(cr.lines.last(), QStringLiteral("surplus,-4"));

    // A count line larger than the numbers: the numbers present, and the user is told.
    const ReportRun shortList =
        report({QStringLiteral("replay"), sampleHistory(), write(QStringLiteral("short.txt"), "0\r\n3\r\n123\r\n")});
    EXPECT_EQ(shortList.exitCode, 0) << shortList.error.toStdString();
    EXPECT_TRUE(shortList.error.contains(QStringLiteral("只有1个号码"))) << shortList.error.toStdString();

    // Inputs have a size cap: a huge file is refused before it is read.
    QFile huge(dir.filePath(QStringLiteral("huge.txt")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write("0\r\n1\r\n123\r\n");
    ASSERT_TRUE(huge.resize(9 * 1024 * 1024));
    huge.close();
    const ReportRun big = report({QStringLiteral("replay"), sampleHistory(), huge.fileName()});
    EXPECT_EQ(big.exitCode, 1);
    EXPECT_TRUE(big.error.contains(QStringLiteral("太大"))) << big.error.toStdString();
}

TEST(HistoryText, IssuesDigitsAndPositionStart) {
    const HistoryText h = readHistoryText("\xEF\xBB\xBF"
                                          "2024001 12345\r\n\r\n  20240101002 67890  \n",
                                          2);
    ASSERT_EQ(h.draws.size(), 2u);
    EXPECT_EQ(h.issues, (std::vector<int64_t>{2024001, 20240101002}));
    EXPECT_EQ(h.draws[0], (DrawRow{2024001, 2, 3, 4}));
    EXPECT_EQ(h.draws[1][1], 7);
    EXPECT_EQ(h.draws[1][3], 9);
    EXPECT_EQ(readHistoryText("2024001 12345", 3).draws[0], (DrawRow{2024001, 3, 4, 5}));
    // Three-digit draws keep their digits whatever the position start.
    EXPECT_EQ(readHistoryText("2024001 123", 3).draws[0], (DrawRow{2024001, 1, 2, 3}));

    const auto error = [](std::string_view text) {
        try {
            readHistoryText(text);
        } catch (const UserError &e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(error("2024001 123\n2024002 1234\n"), "第2行“2024002 1234”的开奖号码不是三位或五位数字！");
    EXPECT_EQ(error("2024001 123\n\nabc 123\n"), "第3行“abc 123”的期号不是有效的数字！");
    EXPECT_EQ(error("2024001\n"), "第1行“2024001”不是“期号 号码”的格式！");
    EXPECT_THROW(readHistoryText("1 123", 4), UserError);
}
