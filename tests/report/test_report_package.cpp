// What the installed package relies on: the default database written by corvel-report, the
// per-user data folder of an installed program, and a manual page that names every command.

#include "core/u_public.h"
#include "store/appdir.h"
#include "store/catalogue.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

TEST(PackageReport, DefaultDatabaseHoldsTheBundledHistoriesAndKeepsAnExistingFile) {
    const QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("彩票数据.db"));
    const test::ReportRun made = test::runReport({QStringLiteral("default-database"), target});
    ASSERT_EQ(made.exitCode, 0) << made.error.toStdString();
    EXPECT_EQ(made.lines, QStringList{QStringLiteral("ok")});
    EXPECT_EQ(test::runReport({QStringLiteral("check"), target}).lines.last(), QStringLiteral("ok"));
    // The same file the program's first start creates.
    const QString first = dir.filePath(QStringLiteral("first.db"));
    ASSERT_TRUE(ensureDefaultDatabase(first));
    EXPECT_EQ(test::tableLinesOf(target, QStringLiteral("中国福彩3D")),
              test::tableLinesOf(first, QStringLiteral("中国福彩3D")));
    EXPECT_GT(test::tableLinesOf(target, QStringLiteral("中国体彩排列3")).size(), 5000);

    QFile::resize(target, 10);
    const test::ReportRun refused = test::runReport({QStringLiteral("default-database"), target});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.error.startsWith(QStringLiteral("目标文件已存在"))) << refused.error.toStdString();
    EXPECT_EQ(QFileInfo(target).size(), 10);
    EXPECT_EQ(test::runReport({QStringLiteral("default-database")}).exitCode, 2);
}

TEST(PackageReport, AnInstalledProgramKeepsItsDataInThePerUserFolder) {
    const std::string savedAppDir = AppDir;
    const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
    const QTemporaryDir root;
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("home-data")).toUtf8());
    const QString prefix = root.filePath(QStringLiteral("usr"));
    QDir().mkpath(prefix + QStringLiteral("/bin"));
    QDir().mkpath(prefix + QStringLiteral("/share/applications"));

    // Without the desktop entry the writable program folder is used (portable use).
    initAppDir(prefix + QStringLiteral("/bin"));
    EXPECT_EQ(appDir(), prefix + QStringLiteral("/bin/"));
    EXPECT_FALSE(installedProgram(prefix + QStringLiteral("/bin")));

    QFile entry(prefix + QStringLiteral("/share/applications/") + QString::fromUtf8(DesktopId));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.close();
    initAppDir(prefix + QStringLiteral("/bin"));
    EXPECT_TRUE(installedProgram(prefix + QStringLiteral("/bin")));
    EXPECT_TRUE(appDir().startsWith(root.filePath(QStringLiteral("home-data")))) << appDir().toStdString();
    EXPECT_TRUE(QDir(appDir() + QStringLiteral("数据库")).exists());

    AppDir = savedAppDir;
    if (savedDataHome.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedDataHome);
}

TEST(PackageReport, TheManualPageNamesEveryCommand) {
    QFile page(QStringLiteral(CORVEL_SOURCE_DIR "/packaging/corvel-report.1"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(page.readAll());
    const test::ReportRun usage = test::runReport({});
    const QRegularExpression command(QStringLiteral("^  corvel-report ([a-z0-9-]+) "));
    int commands = 0;
    for (const QString &line : usage.error.split(QLatin1Char('\n'))) {
        const auto match = command.match(line);
        if (!match.hasMatch()) continue;
        ++commands;
        QString name = match.captured(1);
        name.replace(QLatin1Char('-'), QStringLiteral("\\-"));
        EXPECT_TRUE(manual.contains(QStringLiteral(".BI \"") + name + QLatin1Char(' ')))
            << "the manual page lacks " << name.toStdString();
    }
    EXPECT_GE(commands, 20);
}
