// corvel-report backtest, as the built executable: the output of a hand-worked history, the
// refusals, and every tool's list for the last draw against the tool's own command run on
// the draws before it.

#include "randomhistory.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

class BacktestReport : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file(const QString &name, const QByteArray &bytes) { return test::writeFile(dir.filePath(name), bytes); }
    QString history() {
        return file(QStringLiteral("h.txt"), "2007001 123\r\n2007002 456\r\n2007003 112\r\n2007004 555\r\n");
    }
};

QStringList args(std::initializer_list<const char *> items) {
    QStringList out;
    for (const char *item : items) out << QString::fromUtf8(item);
    return out;
}

// The size of the list a tool's own command printed: its last "count,N", or for the cold
// search the numbers before "current,".
int listedCount(const test::ReportRun &run) {
    for (qsizetype i = run.lines.size() - 1; i >= 0; --i)
        if (run.lines[i].startsWith(QStringLiteral("count,"))) return run.lines[i].mid(6).toInt();
    for (qsizetype i = 0; i < run.lines.size(); ++i)
        if (run.lines[i].startsWith(QStringLiteral("current,"))) return int(i);
    return -1;
}

} // namespace

TEST_F(BacktestReport, PrintsEveryDrawAndTheSummary) {
    const QString conditions = file(QStringLiteral("c.txt"), "");
    const QString list = file(QStringLiteral("l.txt"), "456 121\r\n");
    const QStringList head = {QStringLiteral("backtest"), history(),
                              QStringLiteral("--draws"),  QStringLiteral("3"),
                              QStringLiteral("--price"),  QStringLiteral("1"),
                              QStringLiteral("--prizes"), QStringLiteral("1000"),
                              QStringLiteral("300"),      QStringLiteral("100")};
    auto run = test::runReport(head + QStringList{QStringLiteral("total"), conditions, QStringLiteral("--list"), list});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    // Two direct numbers: 456 wins 直选; 1 − 0.998³ = 0.005988.
    EXPECT_EQ(run.lines, args({"# backtest", "2007002,456,2,直选,1000", "2007003,112,2,未中,0", "2007004,555,2,未中,0",
                               "# summary", "draws,3", "hits,1", "expected,0.01", "cost,6", "prize,1000", "net,994",
                               "longest_miss,2", "current_miss,2", "p_value,0.0060"}));

    // 直转组: the groups 112 and 456 win 组三 and 组六, the leopard nothing. Each draw's
    // chance is (3 + 6)/1000; two hits or more: 3·0.009²·0.991 + 0.009³ = 0.000242.
    run = test::runReport(head + QStringList{QStringLiteral("total"), conditions, QStringLiteral("--list"), list,
                                             QStringLiteral("--to-group")});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(run.lines, args({"# backtest", "2007002,456,2,组六,100", "2007003,112,2,组三,300", "2007004,555,2,未中,0",
                               "# summary", "draws,3", "hits,2", "expected,0.03", "cost,6", "prize,400", "net,394",
                               "longest_miss,1", "current_miss,1", "p_value,0.0002"}));
}

TEST_F(BacktestReport, OwnOptionsMayFollowTheTool) {
    const QString h = history();
    const auto before = test::runReport(QStringList{QStringLiteral("backtest"), h} +
                                        args({"--draws", "2", "--prizes", "9", "8", "7", "cold", "--count", "500"}));
    ASSERT_EQ(before.exitCode, 0) << before.error.toStdString();
    EXPECT_TRUE(before.lines.contains(QStringLiteral("draws,2")));
    const auto after = test::runReport(QStringList{QStringLiteral("backtest"), h} +
                                       args({"cold", "--count", "500", "--prizes", "9", "8", "7", "--draws", "2"}));
    EXPECT_EQ(after.output, before.output);
}

TEST_F(BacktestReport, RefusalsPrintTheMessageAlone) {
    const QString h = history();
    const auto refused = [&](const QStringList &rest) {
        const auto run = test::runReport(QStringList{QStringLiteral("backtest"), h} + rest);
        EXPECT_TRUE(run.output.isEmpty()) << rest.join(QLatin1Char(' ')).toStdString();
        return std::make_pair(run.exitCode, run.error.toStdString());
    };
    using Refusal = std::pair<int, std::string>;
    EXPECT_EQ(refused(args({"--draws", "0", "cold"})), Refusal(1, "回测期数必须在1到3之间！"));
    EXPECT_EQ(refused(args({"--draws", "4", "cold"})), Refusal(1, "回测期数必须在1到3之间！"));
    EXPECT_EQ(refused(args({"--draws", "x", "cold"})), Refusal(1, "'x' 不是一个有效的整形值"));
    EXPECT_EQ(refused(args({"--draws", "2", "--price", "-2", "cold"})), Refusal(1, "单注价格不能小于0！"));
    EXPECT_EQ(refused(args({"--draws", "2", "--prizes", "1", "y", "3", "cold"})),
              Refusal(1, "'y' 不是一个有效的整形值"));
    EXPECT_EQ(refused(args({"--draws", "2", "cold", "--kind", "2", "--count", "91"})),
              Refusal(1, "组三注数不能大于90,请输入正确的号码注数！"));
    EXPECT_EQ(refused(args({"--draws", "2", "cold", "--kind", "4"})), Refusal(1, "列表索引越界 (4)"));
    EXPECT_EQ(refused(args({"--draws", "1", "stable", "--stages", "1"})),
              Refusal(1, "目前预测期之前只有3期开奖号码，1个阶段至少需要119期！"));
    EXPECT_EQ(refused(args({"--draws", "2", "follow", "--follow", "-1"})), Refusal(1, "跟随期数不能小于0！"));
    // Usage faults: no tool, an unknown one, an option the tool does not take.
    EXPECT_EQ(refused(args({"--draws", "2"})).first, 2);
    EXPECT_EQ(refused(args({"--draws", "2", "interval"})).first, 2);
    EXPECT_EQ(refused(args({"--draws", "2", "omission", "--index", "2"})).first, 2);
    EXPECT_EQ(refused(args({"cold", "--prizes", "1", "2"})), Refusal(1, "选项 --prizes 需要三个取值"));
}

// The list a back-test bets on the last draw is the list the tool's own command gives from
// the draws before it: the same options reach the same tool.
TEST_F(BacktestReport, EveryToolBetsWhatItsOwnCommandLists) {
    const DrawTable draws = test::randomHistory(300, 13);
    const QString full = test::writeHistoryFile(dir.filePath(QStringLiteral("full.txt")), draws);
    const QString before =
        test::writeHistoryFile(dir.filePath(QStringLiteral("before.txt")), DrawTable(draws.begin(), draws.end() - 1));
    const QString exclusion =
        file(QStringLiteral("e.txt"), "chkyilou=1\r\nedtyilou=60\r\nchkkuadu=1\r\nedtkuadu=9\r\n");
    const QString a = file(QStringLiteral("a.txt"), "123 456 789 012 345 678 901\r\n");
    const QString b = file(QStringLiteral("b.txt"), "123 456 111 222 333\r\n");
    const QString sum10 = file(QStringLiteral("s.txt"), "chkhe=10 11\r\n");

    struct Case {
        QStringList tool;
        bool indexed; // the own command takes --index instead of a shorter history
    };
    const std::vector<Case> cases{
        {{QStringLiteral("total"), sum10}, false},
        {args({"cold", "--kind", "1", "--count", "70"}), false},
        {{QStringLiteral("exclude"), exclusion}, false},
        {args({"omission", "--level1", "50", "20000", "--level2", "30", "20000", "--tolerance", "0", "1"}), true},
        {args({"follow", "--width", "2", "--danma", "135"}), false},
        {args({"follow", "--direct", "--exclude", "40"}), false},
        {QStringList{QStringLiteral("intersect"), a, b} + args({"--recent", "5", "--six", "0", "1"}), true},
        {args({"stable", "--stages", "2", "--lists", "3", "--counter", "5"}), true},
    };
    for (const Case &c : cases) {
        const auto run = test::runReport(
            QStringList{QStringLiteral("backtest"), full, QStringLiteral("--draws"), QStringLiteral("1")} + c.tool);
        const std::string name = c.tool.join(QLatin1Char(' ')).toStdString();
        ASSERT_EQ(run.exitCode, 0) << name << ": " << run.error.toStdString();
        ASSERT_EQ(run.lines.size(), 12) << name;
        const QStringList row = run.lines[1].split(QLatin1Char(','));
        ASSERT_EQ(row.size(), 5) << name;
        EXPECT_EQ(row[0], QString::number(draws.back()[0])) << name;

        QStringList own = c.tool;
        if (own.first() == QStringLiteral("total")) {
            // the total filter takes no history
        } else if (c.indexed) {
            own.insert(1, full);
            own << QStringLiteral("--index") << QString::number(draws.size() - 1);
        } else {
            own.insert(1, before);
        }
        const auto listed = test::runReport(own);
        ASSERT_EQ(listed.exitCode, 0) << name << ": " << listed.error.toStdString();
        EXPECT_EQ(row[2].toInt(), listedCount(listed)) << name;
        // The draw wins exactly when the own command lists it (or its group).
        const bool group = c.tool.contains(QStringLiteral("--kind"));
        const DrawRow &d = draws.back();
        int digits[3] = {d[1], d[2], d[3]};
        if (group) std::sort(digits, digits + 3);
        const QString drawn = QString::number(digits[0] * 100 + digits[1] * 10 + digits[2]).rightJustified(3, u'0');
        const bool leopardMiss = group && digits[0] == digits[2];
        QStringList list = test::reportSection(listed.lines, QStringLiteral("# list"));
        if (list.isEmpty()) list = listed.lines;
        EXPECT_EQ(row[3] != QStringLiteral("未中"), list.contains(drawn) && !leopardMiss) << name;
    }
}
