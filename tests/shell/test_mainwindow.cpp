#include "core/u_public.h"
#include "maintenance/windows/u_index.h"
#include "shell/startup.h"
#include "shell/u_about.h"
#include "shell/u_main.h"
#include "shell/windowregistry.h"
#include "shellfixture.h"
#include "store/appdir.h"
#include "store/backup.h"
#include "store/catalogue.h"
#include "store/database.h"
#include "store/u_datamod.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

class MainWindowTest : public test::ShellFixture {
protected:
    void SetUp() override {
        dir.createDatabase({{QStringLiteral("中国福彩3D"), test::makeDraws(30)},
                            {QStringLiteral("中国体彩排列3"), test::makeDraws(20, 3)}});
        {
            LotteryOptions o{QStringLiteral("重庆时时彩"), 1, 10, 3, QStringLiteral("22:00"), QStringLiteral("135")};
            addLottery(databasePath(), o, 5);
            LotteryOptions w{QStringLiteral("北京时时彩"), 1, 10, 3, QStringLiteral("22:00"), QStringLiteral("246")};
            addLottery(databasePath(), w, 5);
        }
        startShell();
    }

    bool enabled(const char *name) { return main->command(QString::fromLatin1(name))->isEnabled(); }
};

} // namespace

TEST_F(MainWindowTest, CommandStatesFollowTheOpenLottery) {
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Corvel"));
    for (const char *always :
         {"mnuopen", "mnuclose", "mnuexit", "mnumoddata", "mnudownload", "mnucheckdata", "mnubackupdata",
          "mnustoredata", "mnuhelpcotent", "mnuhelpabout", "mnuweb2", "tlbopen", "tlbexit"})
        EXPECT_TRUE(enabled(always)) << always;
    for (const char *needsLottery : {"mnucode", "mnuzhusan", "mnutotalfilt", "mnutozi", "tlbala", "tlbgudingjihua"})
        EXPECT_FALSE(enabled(needsLottery)) << needsLottery;
    EXPECT_FALSE(main->tabmain()->isVisibleTo(main.get()));

    ASSERT_TRUE(open(QStringLiteral("中国福彩3D")));
    EXPECT_TRUE(LotteryOpen);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Corvel《中国福彩3D》"));
    QApplication::processEvents();
    EXPECT_TRUE(main->tabmain()->isVisibleTo(main.get()));
    EXPECT_EQ(main->tabmain()->currentIndex(), 0);
    EXPECT_EQ(DrawCount, 30);
    for (const QSize size : {QSize(1100, 700), QSize(900, 600)}) {
        main->resize(size);
        QApplication::processEvents();
        const QRect tabs(main->tabmain()->mapTo(main->tlbmain(), QPoint(0, 0)), main->tabmain()->size());
        EXPECT_EQ(main->tlbmain()->width(), main->width());
        EXPECT_EQ(tabs.right() + 1, main->tlbmain()->width() - 10) << size.width();
    }

    main->command(QStringLiteral("mnuclose"))->trigger();
    EXPECT_FALSE(LotteryOpen);
    EXPECT_TRUE(DrawHistory.empty());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Corvel"));
    EXPECT_FALSE(enabled("mnucode"));
    QApplication::processEvents();
    EXPECT_FALSE(main->tabmain()->isVisibleTo(main.get()));
    EXPECT_TRUE(main->mdiArea()->subWindowList().isEmpty());
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsAndTheTabStripItsTwentyTabs) {
    EXPECT_EQ(main->command(QStringLiteral("mnuopen"))->text(), QStringLiteral("打开彩票(&O)"));
    EXPECT_EQ(main->command(QStringLiteral("mnustoredata"))->text(), QStringLiteral("数据恢复(&C)"));
    EXPECT_EQ(main->command(QStringLiteral("mnuzhusan"))->text(), QStringLiteral("组选除三分析(&X)"));
    EXPECT_EQ(main->command(QStringLiteral("mnutozi"))->text(), QStringLiteral("投资模式分析(&Z)"));
    EXPECT_EQ(main->command(QStringLiteral("tlbexit"))->toolTip(), QStringLiteral("退出系统"));
    EXPECT_EQ(main->tabmain()->count(), 20);
    EXPECT_EQ(main->tabmain()->tabText(5), QStringLiteral("号码和值分析"));
    // Menu items and tabs come from one table: item n opens tab n, whose caption is the
    // item's caption without its access key; separators follow 总体 and 重码.
    ASSERT_EQ(analysisTabs().size(), 20);
    QMenu *menu = main->command(QStringLiteral("mnucode"))->associatedObjects().isEmpty()
                      ? nullptr
                      : qobject_cast<QMenu *>(main->command(QStringLiteral("mnucode"))->associatedObjects().first());
    ASSERT_NE(menu, nullptr);
    QStringList shown;
    for (QAction *a : menu->actions()) shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(shown.indexOf(QStringLiteral("-")), 3);
    EXPECT_EQ(shown.lastIndexOf(QStringLiteral("-")), 17);
    EXPECT_EQ(shown.count(QStringLiteral("-")), 2);
    shown.removeAll(QStringLiteral("-"));
    for (int tab = 0; tab < 20; ++tab) {
        EXPECT_EQ(shown[tab], analysisTabs()[tab].menuCaption);
        EXPECT_EQ(main->tabmain()->tabText(tab), analysisTabs()[tab].caption());
        EXPECT_FALSE(analysisTabs()[tab].caption().contains(QLatin1Char('&'))) << tab;
        EXPECT_EQ(main->command(analysisTabs()[tab].menuName)->text(), shown[tab]);
    }
    EXPECT_EQ(analysisTabs()[13].caption(), QStringLiteral("复隔中码分析"));
}

TEST_F(MainWindowTest, CatalogueShowsOptionsAndTheWindowChoice) {
    Tfrmindex index(main.get());
    EXPECT_EQ(index.lstcaipiao->count(), 4);
    EXPECT_FALSE(index.btnadd->isEnabled());
    EXPECT_FALSE(index.btndel->isEnabled());

    test::MessageLog log;
    index.btnopen->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请选择彩票！"));
    EXPECT_FALSE(LotteryOpen);
    EXPECT_EQ(index.result(), QDialog::Rejected);
    EXPECT_EQ(log.messages.back().caption, QStringLiteral("错误"));

    index.lstcaipiao->setCurrentItem(
        index.lstcaipiao->findItems(QStringLiteral("重庆时时彩"), Qt::MatchExactly).first());
    EXPECT_EQ(index.edtcainame->text(), QStringLiteral("重庆时时彩"));
    EXPECT_EQ(PositionStart, 3);
    EXPECT_TRUE(index.grppos->isEnabled());
    EXPECT_TRUE(index.chkweek[0]->isChecked());
    EXPECT_FALSE(index.chkweek[1]->isChecked());
    index.optpos->button(1)->click();
    EXPECT_EQ(PositionStart, 2);

    index.lstcaipiao->setCurrentItem(
        index.lstcaipiao->findItems(QStringLiteral("北京时时彩"), Qt::MatchExactly).first());
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(index.chkweek[k - 1]->isChecked(), k % 2 == 0) << k;

    index.lstcaipiao->setCurrentItem(
        index.lstcaipiao->findItems(QStringLiteral("中国福彩3D"), Qt::MatchExactly).first());
    EXPECT_EQ(PositionStart, 1);
    EXPECT_FALSE(index.grppos->isEnabled());
    EXPECT_EQ(index.optpos->checkedId(), 0);
}

TEST_F(MainWindowTest, CatalogueForgetsTheOptionsOfAnUnreadableLottery) {
    {
        Connection con(databasePath());
        con.exec(QStringLiteral("drop table \"北京时时彩彩票选项表\""));
    }
    Tfrmindex index(main.get());
    test::MessageLog log;
    index.lstcaipiao->setCurrentItem(
        index.lstcaipiao->findItems(QStringLiteral("中国福彩3D"), Qt::MatchExactly).first());
    index.lstcaipiao->setCurrentItem(
        index.lstcaipiao->findItems(QStringLiteral("北京时时彩"), Qt::MatchExactly).first());
    EXPECT_FALSE(log.messages.empty());
    EXPECT_TRUE(index.edtcainame->text().isEmpty());
    index.btnopen->click(); // the lottery selected before is not opened instead
    EXPECT_EQ(log.lastText(), QStringLiteral("请选择彩票！"));
    EXPECT_FALSE(LotteryOpen);
    EXPECT_EQ(index.result(), QDialog::Rejected);
}

TEST_F(MainWindowTest, FiveDigitLotteryOpensOnItsChosenWindow) {
    ASSERT_TRUE(open(QStringLiteral("重庆时时彩"))); // empty five-digit table, 右3位
    EXPECT_EQ(PositionStart, 3);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Corvel《重庆时时彩》"));
}

TEST_F(MainWindowTest, CatalogueAddAndDelete) {
    Tfrmindex index(main.get());
    test::MessageLog log(true);
    // Nothing in the window enables 添加彩票 (it opens existing lotteries only): the test
    // enables it to reach the addition through the button.
    ASSERT_FALSE(index.btnadd->isEnabled());
    index.btnadd->setEnabled(true);
    index.btnadd->click();
    EXPECT_EQ(index.btnadd->text(), QStringLiteral("确定添加"));
    EXPECT_FALSE(index.btnopen->isEnabled());
    EXPECT_FALSE(index.edtcainame->isReadOnly());
    EXPECT_TRUE(index.edtcaisum->isReadOnly());
    index.edtcainame->setText(QStringLiteral("上海时时彩"));
    index.chkweek[2]->setChecked(true);
    index.chkweek[4]->setChecked(true);
    index.btnadd->click();
    EXPECT_EQ(index.btnadd->text(), QStringLiteral("添加彩票"));
    EXPECT_TRUE(index.btndel->isEnabled());
    EXPECT_EQ(readOptions(databasePath(), QStringLiteral("上海时时彩")).weekdays, QStringLiteral("35"));

    index.lstcaipiao->setCurrentItem(
        index.lstcaipiao->findItems(QStringLiteral("上海时时彩"), Qt::MatchExactly).first());
    index.btndel->click();
    EXPECT_TRUE(log.contains(QStringLiteral("警告：删除该彩票将删除删除所有与该彩票相关的文件，是否确定删除?")));
    EXPECT_FALSE(listLotteries(databasePath()).contains(QStringLiteral("上海时时彩")));

    index.edtcainame->clear();
    index.btndel->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请选择你要删除的彩票名称!"));
}

TEST_F(MainWindowTest, FailedOpenLeavesTheLotteryClosed) {
    {
        // A lotto table of six columns, made outside the catalogue (which makes 3 to 5).
        Connection con(databasePath());
        con.exec(createDrawTableSql(QStringLiteral("双色球"), 6));
        con.exec(createOptionsTableSql(QStringLiteral("双色球")));
        con.exec(QStringLiteral("insert into \"双色球彩票选项表\" values ('双色球', 0, 33, 6, '21:30', '247')"));
    }
    test::MessageLog log;
    EXPECT_FALSE(open(QStringLiteral("双色球")));
    EXPECT_FALSE(LotteryOpen);
    EXPECT_TRUE(log.lastText().contains(QStringLiteral("无法打开")));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Corvel"));
    EXPECT_FALSE(enabled("mnucode"));
}

TEST_F(MainWindowTest, BackupKeepsTheLotteryOpenAndRestoreRoundTrips) {
    ASSERT_TRUE(open(QStringLiteral("中国福彩3D")));
    test::MessageLog log;
    const QString backup = dir.path() + QStringLiteral("备份.db");
    ui::dialogHooks().saveFile = [&](const QString &, const QString &) { return backup; };
    main->command(QStringLiteral("mnubackupdata"))->trigger();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功备份！"));
    EXPECT_TRUE(LotteryOpen);
    EXPECT_TRUE(databaseRefusal(backup).isEmpty());

    deleteLottery(databasePath(), QStringLiteral("中国体彩排列3"));
    ui::dialogHooks().openFile = [&](const QString &, const QString &) { return backup; };
    main->command(QStringLiteral("mnustoredata"))->trigger();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功恢复！"));
    EXPECT_FALSE(LotteryOpen);
    EXPECT_TRUE(listLotteries(databasePath()).contains(QStringLiteral("中国体彩排列3")));
    EXPECT_TRUE(open(QStringLiteral("中国福彩3D")));
}

TEST_F(MainWindowTest, BackupOfADatabaseLeftByACrashIsWhole) {
    const QString crashed =
        test::leaveCrashedCopy(databasePath(), QStringLiteral("中国福彩3D"), dir.path() + QStringLiteral("crash"));
    ASSERT_TRUE(QFile::exists(crashed + QStringLiteral("-journal")));
    for (const QString &suffix : {QString(), QStringLiteral("-journal")}) {
        QFile::remove(databasePath() + suffix);
        ASSERT_TRUE(QFile::copy(crashed + suffix, databasePath() + suffix));
    }
    test::MessageLog log;
    const QString backup = dir.path() + QStringLiteral("备份.db");
    ui::dialogHooks().saveFile = [&](const QString &, const QString &) { return backup; };
    main->command(QStringLiteral("mnubackupdata"))->trigger();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功备份！"));
    EXPECT_TRUE(integrityProblems(backup).isEmpty());
    EXPECT_EQ(summaryText(databaseSummary(backup)),
              QStringLiteral("中国体彩排列3 20期，中国福彩3D 30期，北京时时彩 0期，重庆时时彩 0期"));
}

TEST_F(MainWindowTest, DataCheckLooksAtEveryLotteryWithoutOpeningOne) {
    test::MessageLog log;
    main->command(QStringLiteral("mnucheckdata"))->trigger();
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].kind, ui::MessageKind::Information);
    EXPECT_TRUE(log.lastText().contains(QStringLiteral("中国福彩3D：共30期，没有发现问题。")))
        << log.lastText().toStdString();
    EXPECT_TRUE(log.lastText().contains(QStringLiteral("中国体彩排列3：")));
    EXPECT_FALSE(LotteryOpen);
}

TEST_F(MainWindowTest, BackupAsksBeforeAFullerBackupIsReplaced) {
    const QString backup = dir.path() + QStringLiteral("备份.db");
    backupDatabase(databasePath(), backup);
    deleteLottery(databasePath(), QStringLiteral("中国体彩排列3"));
    bool answer = false;
    std::vector<ui::Message> shown;
    ui::dialogHooks().message = [&](const ui::Message &m) {
        shown.push_back(m);
        return m.kind == ui::MessageKind::Question ? answer : true;
    };
    ui::dialogHooks().saveFile = [&](const QString &, const QString &) { return backup; };
    main->command(QStringLiteral("mnubackupdata"))->trigger();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, ui::MessageKind::Question);
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("中国体彩排列3"))) << shown[0].text.toStdString();
    EXPECT_TRUE(listLotteries(backup).contains(QStringLiteral("中国体彩排列3")));

    answer = true;
    main->command(QStringLiteral("mnubackupdata"))->trigger();
    EXPECT_EQ(shown.back().text, QStringLiteral("成功备份！"));
    EXPECT_FALSE(listLotteries(backup).contains(QStringLiteral("中国体彩排列3")));
}

TEST_F(MainWindowTest, RestoreAsksWithBothDatabasesAndNoKeepsTheCurrentOne) {
    const QString backup = dir.path() + QStringLiteral("备份.db");
    backupDatabase(databasePath(), backup);
    deleteLottery(databasePath(), QStringLiteral("中国体彩排列3"));
    bool answer = false;
    ui::Message asked{};
    std::vector<ui::Message> shown;
    ui::dialogHooks().message = [&](const ui::Message &m) {
        shown.push_back(m);
        if (m.kind == ui::MessageKind::Question) asked = m;
        return m.kind == ui::MessageKind::Question ? answer : true;
    };
    ui::dialogHooks().openFile = [&](const QString &, const QString &) { return backup; };
    main->command(QStringLiteral("mnustoredata"))->trigger();
    EXPECT_TRUE(asked.text.contains(QStringLiteral("当前数据库：中国福彩3D 30期，北京时时彩 0期，重庆时时彩 0期")))
        << asked.text.toStdString();
    EXPECT_TRUE(asked.text.contains(QStringLiteral("中国体彩排列3 20期")));
    EXPECT_TRUE(asked.text.contains(QStringLiteral("安全副本")));
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_FALSE(listLotteries(databasePath()).contains(QStringLiteral("中国体彩排列3")));

    answer = true;
    main->command(QStringLiteral("mnustoredata"))->trigger();
    EXPECT_EQ(shown.back().text, QStringLiteral("成功恢复！"));
    EXPECT_TRUE(listLotteries(databasePath()).contains(QStringLiteral("中国体彩排列3")));
    ASSERT_EQ(safetyCopies(databasePath()).size(), 1);
    EXPECT_FALSE(listLotteries(safetyCopies(databasePath())[0]).contains(QStringLiteral("中国体彩排列3")));
}

TEST_F(MainWindowTest, RestoreRefusesAPictureAndKeepsTheOldData) {
    const QString picture = dir.path() + QStringLiteral("picture.db");
    QFile::copy(QStringLiteral(":/图片/flash.jpg"), picture);
    test::MessageLog log;
    ui::dialogHooks().openFile = [&](const QString &, const QString &) { return picture; };
    main->command(QStringLiteral("mnustoredata"))->trigger();
    EXPECT_TRUE(log.lastText().contains(QStringLiteral("不是本程序的彩票数据库")));
    EXPECT_EQ(listLotteries(databasePath()).size(), 4);
    EXPECT_TRUE(open(QStringLiteral("中国福彩3D")));

    // A cancelled dialog still leaves the lottery closed.
    ui::dialogHooks().openFile = [](const QString &, const QString &) { return QString(); };
    main->command(QStringLiteral("mnustoredata"))->trigger();
    EXPECT_FALSE(LotteryOpen);
}

TEST_F(MainWindowTest, BackupToAnUnwritableFolderIsReported) {
    test::MessageLog log;
    ui::dialogHooks().saveFile = [&](const QString &, const QString &) -> QString {
        return dir.path() + QStringLiteral("no/such/folder/x.db");
    };
    main->command(QStringLiteral("mnubackupdata"))->trigger();
    EXPECT_TRUE(log.lastText().startsWith(QStringLiteral("备份失败")));

    // Without a database file the message names the missing database, not the target.
    ui::dialogHooks().saveFile = [&](const QString &, const QString &) -> QString {
        return dir.path() + QStringLiteral("copy.db");
    };
    ASSERT_TRUE(QFile::remove(databasePath()));
    main->command(QStringLiteral("mnubackupdata"))->trigger();
    EXPECT_TRUE(log.lastText().contains(QStringLiteral("不存在"))) << log.lastText().toStdString();
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("copy.db")));
}

TEST_F(MainWindowTest, BackgroundPictureIsStretchedOverTheClientArea) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(":/图片/back.bmp"), pictureDir() + QStringLiteral("back.bmp")));
    Tfrmmain framed;
    framed.resize(1000, 700);
    framed.show();
    QApplication::processEvents();
    QMdiArea *area = framed.mdiArea();
    EXPECT_EQ(area->background().texture().size(), area->viewport()->size());
    framed.resize(900, 600);
    QApplication::processEvents();
    EXPECT_EQ(area->background().texture().size(), area->viewport()->size());
}

TEST(AboutBox, ShowsTheVersion) {
    Tfrmabout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("关于本程序"));
    bool found = false;
    for (QLabel *l : about.findChildren<QLabel *>()) found |= l->text() == QStringLiteral("Corvel12.0版");
    EXPECT_TRUE(found);
}

TEST(Startup, FirstStartCreatesTheDefaultDatabaseAndInstallsThePictures) {
    QTemporaryDir folder;
    Shell shell = startShell(folder.path());
    EXPECT_TRUE(shell.startupError.isEmpty()) << shell.startupError.toStdString();
    EXPECT_EQ(listLotteries(databasePath()).size(), 2);
    for (const char *picture : {"back.bmp", "flash.jpg", "left.bmp", "right.bmp"})
        EXPECT_TRUE(QFile::exists(pictureDir() + QString::fromLatin1(picture))) << picture;
    EXPECT_TRUE(QFile::exists(appDir() + QStringLiteral("帮助/Corvel帮助.html")));
    EXPECT_EQ(shell.mainWindow->windowTitle(), QStringLiteral("Corvel"));
}

TEST(Startup, AJournalLeftByACrashIsRolledBackAtOnce) {
    QTemporaryDir folder;
    const QString dbFolder = folder.path() + QStringLiteral("/数据库");
    {
        test::TempAppDir user;
        user.createDatabase({{QStringLiteral("中国福彩3D"), test::makeDraws(400)}});
        test::leaveCrashedCopy(databasePath(), QStringLiteral("中国福彩3D"), dbFolder);
    }
    const QString db = dbFolder + QStringLiteral("/彩票数据.db");
    ASSERT_TRUE(QFile::exists(db + QStringLiteral("-journal")));
    Shell shell = startShell(folder.path());
    EXPECT_TRUE(shell.startupError.isEmpty()) << shell.startupError.toStdString();
    EXPECT_FALSE(QFile::exists(db + QStringLiteral("-journal")));
    EXPECT_EQ(summaryText(databaseSummary(db)), QStringLiteral("中国福彩3D 400期"));
}

TEST(Startup, AnInterruptedRestoreNeverHidesTheUsersDatabase) {
    QTemporaryDir folder;
    const QString dbFolder = folder.path() + QStringLiteral("/数据库");
    ASSERT_TRUE(QDir().mkpath(dbFolder));
    const QString db = dbFolder + QStringLiteral("/彩票数据.db");
    {
        test::TempAppDir user;
        user.createDatabase({{QStringLiteral("重庆福彩"), test::makeDraws(12)}});
        // A restore moved the database aside and stopped before the new one was in place.
        ASSERT_TRUE(QFile::copy(databasePath(), db + QStringLiteral(".old")));
        // Another left its copy beside the database.
        ASSERT_TRUE(QFile::copy(databasePath(), db + QStringLiteral(".restore")));
    }
    Shell shell = startShell(folder.path());
    EXPECT_TRUE(shell.startupError.contains(QStringLiteral("放回原处"))) << shell.startupError.toStdString();
    EXPECT_TRUE(shell.startupError.contains(QStringLiteral("未完成的恢复")));
    EXPECT_EQ(listLotteries(databasePath()), QStringList{QStringLiteral("重庆福彩")}); // not a new default database
    EXPECT_FALSE(QFile::exists(db + QStringLiteral(".restore")));
}

TEST_F(MainWindowTest, ToolWindowsAreKeptUntilTheLotteryCloses) {
    ASSERT_TRUE(open(QStringLiteral("中国福彩3D")));
    ASSERT_TRUE(enabled("mnugudingjihua"));
    // The total filter: the menu item and the tool button "总体过滤" show one window.
    ASSERT_TRUE(enabled("mnutotalfilt"));
    main->command(QStringLiteral("mnutotalfilt"))->trigger();
    QWidget *filter = main->toolWindow(QStringLiteral("Tfrmtotalfilt"));
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(filter->windowTitle(), QStringLiteral("总体过滤"));
    main->command(QStringLiteral("tlbala"))->trigger();
    EXPECT_EQ(main->toolWindow(QStringLiteral("Tfrmtotalfilt")), filter);
    EXPECT_TRUE(enabled("mnupiantai"));
    EXPECT_TRUE(enabled("mnuyilou"));
    QPointer<QWidget> filterWatch(filter);
    QWidget *plan = main->showToolWindow(QStringLiteral("Tfrmgudingjihua"));
    ASSERT_NE(plan, nullptr);
    auto *days = plan->findChild<QLineEdit *>(QStringLiteral("edtdays"));
    ASSERT_NE(days, nullptr);
    days->setText(QStringLiteral("12"));
    main->command(QStringLiteral("tlbgudingjihua"))->trigger(); // the tool button shows the same window
    EXPECT_EQ(main->toolWindow(QStringLiteral("Tfrmgudingjihua")), plan);

    QPointer<QWidget> watch(plan);
    main->command(QStringLiteral("mnuclose"))->trigger();
    EXPECT_TRUE(watch.isNull());
    EXPECT_TRUE(filterWatch.isNull());
    EXPECT_EQ(main->toolWindow(QStringLiteral("Tfrmgudingjihua")), nullptr);

    ASSERT_TRUE(open(QStringLiteral("中国福彩3D")));
    QWidget *fresh = main->showToolWindow(QStringLiteral("Tfrmgudingjihua"));
    EXPECT_EQ(fresh->findChild<QLineEdit *>(QStringLiteral("edtdays"))->text(), QStringLiteral("80"));
}

TEST_F(MainWindowTest, EverySelectionOfATabRecreatesItsWindow) {
    ASSERT_TRUE(open(QStringLiteral("中国福彩3D")));
    QPointer<QWidget> trend(main->activeAnalysisWindow());
    ASSERT_FALSE(trend.isNull());
    main->command(QStringLiteral("mnuhei"))->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(trend.isNull());
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(main->tabmain()->currentIndex(), 5);
    QPointer<QWidget> sum(main->activeAnalysisWindow());
    main->command(QStringLiteral("mnuhei"))->trigger(); // the tab already selected
    QApplication::processEvents();
    EXPECT_TRUE(sum.isNull());
    EXPECT_NE(main->activeAnalysisWindow(), nullptr);

    // Tab 0 reads the draw history again from the draw table.
    DrawHistory.clear();
    main->tabmain()->setCurrentIndex(0);
    QApplication::processEvents();
    EXPECT_EQ(DrawHistory.size(), 30u);
}
