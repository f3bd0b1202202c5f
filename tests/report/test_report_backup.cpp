// corvel-report backup | check, run as the built executable.

#include "store/appdir.h"
#include "store/backup.h"
#include "testsupport.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace corvel;

TEST(BackupReport, BacksUpThroughSqliteEvenAfterACrash) {
    test::TempAppDir dir;
    dir.createDatabase({{QStringLiteral("中国福彩3D"), test::makeDraws(2500)},
                        {QStringLiteral("中国体彩排列3"), test::makeDraws(20, 3)}});
    const QString crashed =
        test::leaveCrashedCopy(databasePath(), QStringLiteral("中国福彩3D"), dir.path() + QStringLiteral("crash"));
    ASSERT_TRUE(QFile::exists(crashed + QStringLiteral("-journal")));
    const QString target = dir.path() + QStringLiteral("nightly.db");
    const test::ReportRun run = test::runReport({QStringLiteral("backup"), crashed, target});
    EXPECT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(run.lines, (QStringList{QStringLiteral("ok"), QStringLiteral("中国体彩排列3,20"),
                                      QStringLiteral("中国福彩3D,2500")}));
    EXPECT_TRUE(integrityProblems(target).isEmpty());

    const test::ReportRun refused =
        test::runReport({QStringLiteral("backup"), dir.path() + QStringLiteral("missing.db"), target});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.error.startsWith(QStringLiteral("备份失败"))) << refused.error.toStdString();
    EXPECT_EQ(test::runReport({QStringLiteral("backup"), crashed}).exitCode, 2);
}

TEST(BackupReport, CheckSaysOkOrNamesTheProblems) {
    test::TempAppDir dir;
    dir.createDatabase({{QStringLiteral("中国福彩3D"), test::makeDraws(2500)}});
    const test::ReportRun good = test::runReport({QStringLiteral("check"), databasePath()});
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_EQ(good.lines, (QStringList{QStringLiteral("integrity,ok"), QStringLiteral("catalogue,ok"),
                                       QStringLiteral("中国福彩3D,2500"), QStringLiteral("ok")}));

    // The raw file a crash leaves without its journal is broken.
    const QString raw = dir.path() + QStringLiteral("raw.db");
    ASSERT_TRUE(QFile::copy(
        test::leaveCrashedCopy(databasePath(), QStringLiteral("中国福彩3D"), dir.path() + QStringLiteral("crash")),
        raw));
    const test::ReportRun broken = test::runReport({QStringLiteral("check"), raw});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_FALSE(broken.lines.isEmpty());
    EXPECT_NE(broken.lines.value(0), QStringLiteral("integrity,ok"));
    EXPECT_EQ(broken.lines.last(), QStringLiteral("damaged"));

    // An empty file is a sound SQLite file but no lottery database.
    const QString empty = test::writeFile(dir.path() + QStringLiteral("zero.db"), "");
    const test::ReportRun none = test::runReport({QStringLiteral("check"), empty});
    EXPECT_EQ(none.exitCode, 1);
    ASSERT_EQ(none.lines.size(), 3);
    EXPECT_EQ(none.lines[0], QStringLiteral("integrity,ok"));
    EXPECT_TRUE(none.lines[1].startsWith(QStringLiteral("catalogue,"))) << none.lines[1].toStdString();
    EXPECT_EQ(none.lines[2], QStringLiteral("damaged"));
}

TEST(BackupReport, AForeignSourceOrASmallerDatabaseNeverReplacesAGoodBackup) {
    test::TempAppDir dir;
    dir.createDatabase({{QStringLiteral("中国福彩3D"), test::makeDraws(300)}});
    const QString good = dir.path() + QStringLiteral("good.db");
    ASSERT_EQ(test::runReport({QStringLiteral("backup"), databasePath(), good}).exitCode, 0);
    const QString empty = test::writeFile(dir.path() + QStringLiteral("zero.db"), "");
    const test::ReportRun foreign = test::runReport({QStringLiteral("backup"), empty, good, QStringLiteral("--force")});
    EXPECT_EQ(foreign.exitCode, 1);
    EXPECT_TRUE(foreign.lines.isEmpty());
    EXPECT_TRUE(foreign.error.contains(QStringLiteral("不是本程序的彩票数据库"))) << foreign.error.toStdString();
    EXPECT_EQ(summaryText(databaseSummary(good)), QStringLiteral("中国福彩3D 300期"));

    test::TempAppDir other;
    other.createDatabase({{QStringLiteral("中国福彩3D"), test::makeDraws(100)}});
    const test::ReportRun smaller = test::runReport({QStringLiteral("backup"), databasePath(), good});
    EXPECT_EQ(smaller.exitCode, 1);
    EXPECT_TRUE(smaller.error.contains(QStringLiteral("--force"))) << smaller.error.toStdString();
    EXPECT_EQ(summaryText(databaseSummary(good)), QStringLiteral("中国福彩3D 300期"));
    const test::ReportRun forced =
        test::runReport({QStringLiteral("backup"), databasePath(), good, QStringLiteral("--force")});
    EXPECT_EQ(forced.exitCode, 0) << forced.error.toStdString();
    EXPECT_EQ(summaryText(databaseSummary(good)), QStringLiteral("中国福彩3D 100期"));
}
