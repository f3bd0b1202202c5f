// corvel-report intersect and count, run as the built executable. The baselist, danma
// and stable commands are golden cases (tests/data).

#include "testsupport.h"

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
