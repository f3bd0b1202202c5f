// Backup, restore and safety copies: a crash never turns into a broken copy, and every
// replace can be undone.

#include "core/usererror.h"
#include "store/appdir.h"
#include "store/backup.h"
#include "store/catalogue.h"
#include "store/database.h"
#include "store/drawio.h"
#include "store/drawtable.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace corvel;

namespace {

const QString Fc3d = QStringLiteral("中国福彩3D");
const QString Pl3 = QStringLiteral("中国体彩排列3");

int drawsOf(const QString &path, const QString &lottery) {
    Connection con(path);
    return drawTableCount(con.db(), lottery);
}

class BackupTest : public ::testing::Test {
protected:
    void SetUp() override { dir.createDatabase({{Fc3d, test::makeDraws(2500)}, {Pl3, test::makeDraws(40, 7)}}); }
    QString crashed() { return test::leaveCrashedCopy(databasePath(), Fc3d, dir.path() + QStringLiteral("crash")); }
    test::TempAppDir dir;
};

} // namespace

TEST_F(BackupTest, CrashedImportIsRolledBackBeforeTheCopy) {
    const QString db = crashed();
    ASSERT_TRUE(QFile::exists(db + QStringLiteral("-journal"))) << "the crash left no journal";
    // The raw file without its journal is what a file copy used to give: broken.
    const QString raw = dir.path() + QStringLiteral("raw.db");
    ASSERT_TRUE(QFile::copy(db, raw));
    EXPECT_FALSE(integrityProblems(raw).isEmpty());

    const QString target = dir.path() + QStringLiteral("备份.db");
    const DatabaseSummary copied = backupDatabase(db, target);
    EXPECT_TRUE(integrityProblems(target).isEmpty());
    EXPECT_EQ(summaryText(copied), QStringLiteral("中国体彩排列3 40期，中国福彩3D 2500期"));
    EXPECT_EQ(drawsOf(target, Fc3d), 2500);
    EXPECT_FALSE(QFile::exists(db + QStringLiteral("-journal"))); // rolled back, not left for later
    EXPECT_FALSE(QFile::exists(target + QStringLiteral(".part")));
}

TEST_F(BackupTest, StartUpOpeningRollsTheJournalBack) {
    const QString db = crashed();
    recoverDatabase(db);
    EXPECT_FALSE(QFile::exists(db + QStringLiteral("-journal")));
    EXPECT_TRUE(integrityProblems(db).isEmpty());
    EXPECT_EQ(drawsOf(db, Fc3d), 2500);
}

TEST_F(BackupTest, BackupRefusesItselfAMissingDatabaseAndAMissingFolder) {
    EXPECT_EQ(test::userErrorOf([&] { backupDatabase(databasePath(), databasePath()); }),
              "不能把数据库备份到它自己上面！");
    EXPECT_EQ(test::userErrorOf([&] {
                  backupDatabase(databasePath(), dir.path() + QStringLiteral("no/such/x.db"));
              }).rfind("备份失败：", 0),
              0u);
    EXPECT_EQ(drawsOf(databasePath(), Fc3d), 2500);
    // A failed backup leaves an older backup of that name as it was.
    const QString target = dir.path() + QStringLiteral("old.db");
    backupDatabase(databasePath(), target);
    QFile::remove(databasePath());
    EXPECT_NE(test::userErrorOf([&] { backupDatabase(databasePath(), target); }).find("不存在"), std::string::npos);
    EXPECT_EQ(drawsOf(target, Fc3d), 2500);
}

TEST_F(BackupTest, FullDiskIsSaidInPlainWords) {
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full here";
    Connection con(databasePath());
    const std::string message =
        test::userErrorOf([&] { vacuumInto(con.db(), QStringLiteral("/dev/full"), QStringLiteral("x.db")); });
    EXPECT_NE(message.find("磁盘已满"), std::string::npos) << message;
}

TEST_F(BackupTest, RestoreRefusesABrokenFileAndKeepsTheDatabase) {
    const QString raw = dir.path() + QStringLiteral("raw.db");
    ASSERT_TRUE(QFile::copy(crashed(), raw)); // without its journal
    ASSERT_TRUE(databaseRefusal(raw).isEmpty()) << "the old check let this file through";
    const std::string message = test::userErrorOf([&] { restoreDatabase(raw, databasePath()); });
    EXPECT_NE(message.find("已损坏"), std::string::npos) << message;
    EXPECT_TRUE(integrityProblems(databasePath()).isEmpty());
    EXPECT_EQ(drawsOf(databasePath(), Fc3d), 2500);
    EXPECT_TRUE(safetyCopies(databasePath()).isEmpty()); // nothing was replaced
    EXPECT_FALSE(QFile::exists(databasePath() + QStringLiteral(".restore")));

    EXPECT_FALSE(test::userErrorOf([&] { restoreDatabase(databasePath(), databasePath()); }).empty());
}

TEST_F(BackupTest, RestoreKeepsASafetyCopyOfWhatItReplaces) {
    const QString backup = dir.path() + QStringLiteral("备份.db");
    backupDatabase(databasePath(), backup);
    deleteLottery(databasePath(), Pl3);

    const DatabaseSummary restored = restoreDatabase(backup, databasePath());
    EXPECT_EQ(restored.size(), 2);
    EXPECT_TRUE(listLotteries(databasePath()).contains(Pl3));
    const QStringList copies = safetyCopies(databasePath());
    ASSERT_EQ(copies.size(), 1);
    EXPECT_FALSE(listLotteries(copies[0]).contains(Pl3)); // the state before the restore

    // The undo: restoring the safety copy gives the replaced database back.
    restoreDatabase(copies[0], databasePath());
    EXPECT_FALSE(listLotteries(databasePath()).contains(Pl3));
    EXPECT_FALSE(QFile::exists(databasePath() + QStringLiteral(".restore")));
}

TEST_F(BackupTest, ImportAndTrimKeepASafetyCopyAndOnlyTheNewestFew) {
    const QString file = dir.path() + QStringLiteral("two.txt");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("2007001 123\r\n2007002 456\r\n");
    }
    {
        Connection con(databasePath());
        EXPECT_EQ(importHistory(con.db(), Fc3d, file), 2);
    }
    QStringList copies = safetyCopies(databasePath());
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(drawsOf(copies[0], Fc3d), 2500);
    EXPECT_EQ(drawsOf(databasePath(), Fc3d), 2);

    {
        Connection con(databasePath());
        EXPECT_EQ(trimDrawTable(con.db(), Pl3, 30), 10);
        EXPECT_EQ(trimDrawTable(con.db(), Pl3, 30), 0); // nothing to trim: no copy
    }
    copies = safetyCopies(databasePath());
    ASSERT_EQ(copies.size(), 2);
    EXPECT_EQ(drawsOf(copies[0], Pl3), 40);

    for (int i = 0; i < SafetyCopiesKept + 2; ++i) {
        QThread::msleep(2);
        makeSafetyCopy(databasePath());
    }
    copies = safetyCopies(databasePath());
    EXPECT_EQ(copies.size(), SafetyCopiesKept);
    EXPECT_EQ(drawsOf(copies.last(), Fc3d), 2); // the oldest ones went
}

TEST_F(BackupTest, LeftoverOfAnInterruptedRestoreIsKeptAndSaid) {
    EXPECT_TRUE(keepInterruptedRestore(databasePath()).isEmpty());

    // Crash before the rename: the copy waits beside the untouched database.
    ASSERT_TRUE(QFile::copy(databasePath(), databasePath() + QStringLiteral(".restore")));
    const QString said = keepInterruptedRestore(databasePath());
    EXPECT_TRUE(said.contains(QStringLiteral("没有完成"))) << said.toStdString();
    EXPECT_FALSE(QFile::exists(databasePath() + QStringLiteral(".restore")));
    EXPECT_EQ(drawsOf(databasePath(), Fc3d), 2500);
    const QStringList kept = QDir(dir.path() + QStringLiteral("数据库")).entryList({QStringLiteral("*未完成的恢复*")});
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(said.contains(kept[0]));

    // An older restore moved the database aside and never put the new one in place.
    ASSERT_TRUE(QFile::rename(databasePath(), databasePath() + QStringLiteral(".old")));
    EXPECT_TRUE(keepInterruptedRestore(databasePath()).contains(QStringLiteral("放回原处")));
    EXPECT_EQ(drawsOf(databasePath(), Fc3d), 2500);
}

TEST_F(BackupTest, BackupRefusesAForeignSourceAndNeverShrinksAnOlderBackupUnasked) {
    const QString good = dir.path() + QStringLiteral("good.db");
    backupDatabase(databasePath(), good);
    // An empty file and an SQLite file of another program are no source.
    const QString empty = dir.path() + QStringLiteral("zero.db");
    QFile(empty).open(QIODevice::WriteOnly);
    const QString foreign = dir.path() + QStringLiteral("foreign.db");
    QFile(foreign).open(QIODevice::WriteOnly);
    {
        Connection con(foreign);
        QSqlQuery(con.db()).exec(QStringLiteral("create table notes(x text)"));
    }
    for (const QString &source : {empty, foreign}) {
        const std::string message = test::userErrorOf([&] { backupDatabase(source, good, true); });
        EXPECT_NE(message.find("不是本程序的彩票数据库"), std::string::npos) << message;
        EXPECT_EQ(drawsOf(good, Fc3d), 2500);
    }
    // A database with fewer draws (or without a lottery) does not replace a fuller backup unasked.
    const QString smaller = dir.path() + QStringLiteral("smaller.db");
    backupDatabase(databasePath(), smaller);
    deleteLottery(smaller, Pl3);
    const QString loss = backupLoss(smaller, good);
    EXPECT_TRUE(loss.contains(Pl3)) << loss.toStdString();
    EXPECT_NE(test::userErrorOf([&] { backupDatabase(smaller, good); }).rfind("备份失败：", 0), std::string::npos);
    EXPECT_EQ(drawsOf(good, Pl3), 40);
    backupDatabase(smaller, good, true);
    EXPECT_FALSE(listLotteries(good).contains(Pl3));
    // The same or more draws replace it without a question, and so does an empty file.
    EXPECT_TRUE(backupLoss(databasePath(), good).isEmpty());
    EXPECT_TRUE(backupLoss(databasePath(), empty).isEmpty());
    // Any other file is a loss to be confirmed.
    const QString notes = test::writeFile(dir.path() + QStringLiteral("notes.db"), "my notes");
    EXPECT_FALSE(backupLoss(databasePath(), notes).isEmpty());
}

TEST_F(BackupTest, BackupTargetMustBeAPlainFileOrAbsent) {
    const QString fifo = dir.path() + QStringLiteral("pipe.db");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = dir.path() + QStringLiteral("folder.db");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString &target : {fifo, folder}) {
        const std::string message = test::userErrorOf([&] { backupDatabase(databasePath(), target, true); });
        EXPECT_EQ(message.rfind("备份失败：", 0), 0u) << message;
    }
    EXPECT_FALSE(QFileInfo(fifo).isFile()); // still the pipe, not replaced by a plain file
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(BackupTest, CheckLooksAtIntegrityAndTheCatalogue) {
    const DatabaseCheck sound = checkDatabase(databasePath());
    EXPECT_TRUE(sound.ok());
    EXPECT_EQ(summaryText(sound.lotteries), summaryText(databaseSummary(databasePath())));
    {
        Connection con(databasePath());
        QSqlQuery(con.db()).exec(QStringLiteral("drop table \"中国体彩排列3彩票选项表\""));
    }
    const DatabaseCheck missing = checkDatabase(databasePath());
    EXPECT_TRUE(missing.integrity.isEmpty());
    ASSERT_EQ(missing.catalogue.size(), 1);
    EXPECT_TRUE(missing.catalogue[0].contains(Pl3));
    const QString empty = dir.path() + QStringLiteral("zero.db");
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_FALSE(checkDatabase(empty).ok());
}
