// corvel-report intersect, count, baselist, danma and stable, run as the built executable.

#include "generators/danma.h"
#include "generators/stablebase.h"

#include "generators2support.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

class Generators2Report : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString write(const QString &name, const QByteArray &text) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }
    QString historyFile(const DrawTable &draws) {
        QByteArray text;
        for (const DrawRow &d : draws)
            text += QByteArray::number(d[0]) + ' ' + QByteArray::number(d[1]) + QByteArray::number(d[2]) +
                    QByteArray::number(d[3]) + "\r\n";
        return write("history.txt", text);
    }
    static QStringList numbers(const NumberList &list) {
        QStringList out;
        for (const Number &n : list) out << QString::fromStdString(numberText(n));
        out << QStringLiteral("count,%1").arg(list.size());
        return out;
    }
};

} // namespace

TEST_F(Generators2Report, IntersectAndCount) {
    const QString history = historyFile(test::history({{1, 1, 2, 3}, {2, 4, 5, 5}, {3, 7, 7, 7}}));
    const QString a = write("a.txt", "123 455 777 012 \r\n");
    const QString b = write("b.txt", "1234 455 777\r\n888 ");
    const QString c = write("c.txt", "777 123 455 002 ");

    test::ReportRun run = test::runReport({"intersect", history, a, b, c});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(run.lines, (QStringList{"123", "455", "777", "count,3"}));
    run = test::runReport({"intersect", history, a, b, c, "--three", "0", "2", "--recent", "2"});
    EXPECT_EQ(run.lines, (QStringList{"002", "123", "888", "count,3"})); // 455 and 777 drawn within 2
    run = test::runReport({"intersect", history, a, b, c, "--three", "0", "2", "--recent", "2", "--index", "2"});
    EXPECT_EQ(run.lines, (QStringList{"002", "777", "888", "count,3"})); // 123 and 455 drawn before issue 2
    run = test::runReport({"intersect", history, a, b, c, "--group", "--six", "0", "2"});
    EXPECT_EQ(run.lines, (QStringList{"012", "123", "234", "455", "count,4"}));
    run = test::runReport({"intersect", history, a, "--six", "x", "1"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.error, QStringLiteral("'x' 不是一个有效的整形值"));
    run = test::runReport({"intersect", history});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.error, QStringLiteral("请先导入大底文件！"));
    run = test::runReport({"intersect", history, a, "--index", "4"});
    EXPECT_EQ(run.exitCode, 1);

    run = test::runReport({"count", a, b, c});
    EXPECT_EQ(run.lines, (QStringList{"002", "012", "123", "234", "455", "777", "888", "count,7"}));
    run = test::runReport({"count", a, b, c, "--range", "3", "3"});
    EXPECT_EQ(run.lines, (QStringList{"123", "455", "777", "count,3"}));
    run = test::runReport({"count", a, dir.filePath("missing.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.error.contains(QStringLiteral("missing.txt")));
}

TEST_F(Generators2Report, BaseListFromADanmaFile) {
    const QString groups = write("groups.txt", "1=1-3\r\n2=1-3\r\n3=1-3\r\n");
    test::ReportRun run = test::runReport({"baselist", groups, "--six", "0", "0", "--three", "3", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(run.lines, numbers(danmaBaseList({"1", "2", "3"}, {0, 0, 3, 3})));
    EXPECT_EQ(run.lines.last(), QStringLiteral("count,139"));
    run = test::runReport({"baselist", groups});
    EXPECT_EQ(run.lines, numbers(danmaBaseList({"1", "2", "3"}, MissRanges{})));
    run = test::runReport({"baselist", write("bad.txt", "037=1-3\r\nabc\r\n")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.error, QStringLiteral("第2行“abc”不是胆码（如037=1-3）！"));
}

TEST_F(Generators2Report, DanmaRepeatsWithTheSeedAndReportsHits) {
    const DrawTable draws = test::randomHistory(100);
    const QString history = historyFile(draws);
    const QStringList args{"danma", history, "--index", "80", "--seed", "42", "--groups", "6", "--draws", "3"};
    const test::ReportRun first = test::runReport(args);
    ASSERT_EQ(first.exitCode, 0) << first.error.toStdString();
    EXPECT_EQ(test::runReport(args).lines, first.lines);
    DanmaSettings s;
    s.index = 80;
    s.groups = 6;
    s.draws = 3;
    Lcg random(42);
    const DanmaResult expected = generateDanma(draws, s, random);
    QStringList lines;
    for (const std::string &g : expected.groups) lines << QString::fromStdString(g);
    lines << QStringLiteral("hits,%1").arg(danmaHits(draws, 80, expected.groups));
    EXPECT_EQ(first.lines, lines);
    // The next issue: no hits line.
    const test::ReportRun next = test::runReport({"danma", history, "--seed", "1"});
    EXPECT_EQ(next.lines.size(), 10);
    const test::ReportRun bad = test::runReport({"danma", history, "--groups", "121", "--digits", "3"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.error, QStringLiteral("胆码组数必须在1到100之间！"));
}

TEST_F(Generators2Report, StableUnionAndCounter) {
    const DrawTable draws = test::randomHistory(300);
    const QString history = historyFile(draws);
    const test::ReportRun run = test::runReport({"stable", history});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    uint32_t counter = 1;
    StableSettings s;
    s.index = 300;
    const StableResult expected = stableBaseList(draws, s, counter);
    QStringList lines = numbers(expected.unionList);
    lines << QStringLiteral("counter,%1").arg(counter);
    EXPECT_EQ(run.lines, lines);
    EXPECT_EQ(test::runReport({"stable", history}).lines, lines);
    const test::ReportRun bad = test::runReport({"stable", history, "--stages", "3"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.error, QStringLiteral("目前预测期之前只有300期开奖号码，3个阶段至少需要359期！"));
}
