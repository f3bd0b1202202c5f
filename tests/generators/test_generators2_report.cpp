// corvel-report intersect, count, baselist, danma and stable, run as the built executable.

#include "generators/danma.h"
#include "generators/stablebase.h"

#include "randomhistory.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

class Generators2Report : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString write(const QString &name, const QByteArray &text) { return test::writeFile(dir.filePath(name), text); }
    QString historyFile(const DrawTable &draws) {
        return test::writeHistoryFile(dir.filePath(QStringLiteral("history.txt")), draws);
    }
    static QStringList numbers(const NumberList &list) { return test::reportNumberLines(list); }
};

} // namespace

TEST_F(Generators2Report, IntersectAndCount) {
    const QString history = historyFile(test::history({{1, 1, 2, 3}, {2, 4, 5, 5}, {3, 7, 7, 7}}));
    const QString a = write(QStringLiteral("a.txt"), "123 455 777 012 \r\n");
    const QString b = write(QStringLiteral("b.txt"), "1234 455 777\r\n888 ");
    const QString c = write(QStringLiteral("c.txt"), "777 123 455 002 ");

    test::ReportRun run = test::runReport({QStringLiteral("intersect"), history, a, b, c});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(run.lines, (QStringList{QStringLiteral("123"), QStringLiteral("455"), QStringLiteral("777"),
                                      QStringLiteral("count,3")}));
    run = test::runReport({QStringLiteral("intersect"), history, a, b, c, QStringLiteral("--three"),
                           QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("--recent"), QStringLiteral("2")});
    EXPECT_EQ(run.lines, (QStringList{QStringLiteral("002"), QStringLiteral("123"), QStringLiteral("888"),
                                      QStringLiteral("count,3")})); // 455 and 777 drawn within 2
    run = test::runReport({QStringLiteral("intersect"), history, a, b, c, QStringLiteral("--three"),
                           QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("--recent"), QStringLiteral("2"),
                           QStringLiteral("--index"), QStringLiteral("2")});
    EXPECT_EQ(run.lines, (QStringList{QStringLiteral("002"), QStringLiteral("777"), QStringLiteral("888"),
                                      QStringLiteral("count,3")})); // 123 and 455 drawn before issue 2
    run = test::runReport({QStringLiteral("intersect"), history, a, b, c, QStringLiteral("--group"),
                           QStringLiteral("--six"), QStringLiteral("0"), QStringLiteral("2")});
    EXPECT_EQ(run.lines, (QStringList{QStringLiteral("012"), QStringLiteral("123"), QStringLiteral("234"),
                                      QStringLiteral("455"), QStringLiteral("count,4")}));
    run = test::runReport(
        {QStringLiteral("intersect"), history, a, QStringLiteral("--six"), QStringLiteral("x"), QStringLiteral("1")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.error, QStringLiteral("'x' 不是一个有效的整形值"));
    run = test::runReport({QStringLiteral("intersect"), history});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.error, QStringLiteral("请先导入大底文件！"));
    run = test::runReport({QStringLiteral("intersect"), history, a, QStringLiteral("--index"), QStringLiteral("4")});
    EXPECT_EQ(run.exitCode, 1);

    run = test::runReport({QStringLiteral("count"), a, b, c});
    EXPECT_EQ(run.lines, (QStringList{QStringLiteral("002"), QStringLiteral("012"), QStringLiteral("123"),
                                      QStringLiteral("234"), QStringLiteral("455"), QStringLiteral("777"),
                                      QStringLiteral("888"), QStringLiteral("count,7")}));
    run = test::runReport(
        {QStringLiteral("count"), a, b, c, QStringLiteral("--range"), QStringLiteral("3"), QStringLiteral("3")});
    EXPECT_EQ(run.lines, (QStringList{QStringLiteral("123"), QStringLiteral("455"), QStringLiteral("777"),
                                      QStringLiteral("count,3")}));
    run = test::runReport({QStringLiteral("count"), a, dir.filePath(QStringLiteral("missing.txt"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.error.contains(QStringLiteral("missing.txt")));
}

TEST_F(Generators2Report, BaseListFromADanmaFile) {
    const QString groups = write(QStringLiteral("groups.txt"), "1=1-3\r\n2=1-3\r\n3=1-3\r\n");
    test::ReportRun run =
        test::runReport({QStringLiteral("baselist"), groups, QStringLiteral("--six"), QStringLiteral("0"),
                         QStringLiteral("0"), QStringLiteral("--three"), QStringLiteral("3"), QStringLiteral("3")});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(run.lines, numbers(danmaBaseList({"1", "2", "3"}, {0, 0, 3, 3})));
    EXPECT_EQ(run.lines.last(), QStringLiteral("count,139"));
    run = test::runReport({QStringLiteral("baselist"), groups});
    EXPECT_EQ(run.lines, numbers(danmaBaseList({"1", "2", "3"}, MissRanges{})));
    run = test::runReport({QStringLiteral("baselist"), write(QStringLiteral("bad.txt"), "037=1-3\r\nabc\r\n")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.error, QStringLiteral("第2行“abc”不是胆码（如037=1-3）！"));
}

TEST_F(Generators2Report, DanmaRepeatsWithTheSeedAndReportsHits) {
    const DrawTable draws = test::randomHistory(100);
    const QString history = historyFile(draws);
    const QStringList args{QStringLiteral("danma"),    history,
                           QStringLiteral("--index"),  QStringLiteral("80"),
                           QStringLiteral("--seed"),   QStringLiteral("42"),
                           QStringLiteral("--groups"), QStringLiteral("6"),
                           QStringLiteral("--draws"),  QStringLiteral("3")};
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
    const test::ReportRun next =
        test::runReport({QStringLiteral("danma"), history, QStringLiteral("--seed"), QStringLiteral("1")});
    EXPECT_EQ(next.lines.size(), 10);
    const test::ReportRun bad =
        test::runReport({QStringLiteral("danma"), history, QStringLiteral("--groups"), QStringLiteral("121"),
                         QStringLiteral("--digits"), QStringLiteral("3")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.error, QStringLiteral("胆码组数必须在1到100之间！"));
}

TEST_F(Generators2Report, StableUnionAndCounter) {
    const DrawTable draws = test::randomHistory(300);
    const QString history = historyFile(draws);
    const test::ReportRun run = test::runReport({QStringLiteral("stable"), history});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    uint32_t counter = 1;
    StableSettings s;
    s.index = 300;
    const StableResult expected = stableBaseList(draws, s, counter);
    QStringList lines = numbers(expected.unionList);
    lines << QStringLiteral("counter,%1").arg(counter);
    EXPECT_EQ(run.lines, lines);
    EXPECT_EQ(test::runReport({QStringLiteral("stable"), history}).lines, lines);
    const test::ReportRun bad =
        test::runReport({QStringLiteral("stable"), history, QStringLiteral("--stages"), QStringLiteral("3")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.error, QStringLiteral("目前预测期之前只有300期开奖号码，3个阶段至少需要359期！"));
}
