#include "core/u_public.h"
#include "shell/startup.h"
#include "shell/u_about.h"
#include "shell/u_main.h"
#include "store/appdir.h"
#include "store/catalogue.h"
#include "store/database.h"
#include "store/u_datamod.h"
#include "store/u_index.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.createDatabase({{"中国福彩3D", test::makeDraws(30)}, {"中国体彩排列3", test::makeDraws(20, 3)}});
        {
            LotteryOptions o{"重庆时时彩", 1, 10, 3, "22:00", "135"};
            addLottery(databasePath(), o, 5);
            LotteryOptions w{"北京时时彩", 1, 10, 3, "22:00", "246"};
            addLottery(databasePath(), w, 5);
        }
        datamod = std::make_unique<Tdatamod>();
        main = std::make_unique<Tfrmmain>();
        main->show();
        CloseLotteryState();
    }
    void TearDown() override {
        main.reset();
        datamod.reset();
        CloseLotteryState();
    }

    // Opens a lottery through the catalogue window as a user would.
    bool open(const QString &name) {
        Tfrmindex index(main.get());
        const auto items = index.lstcaipiao->findItems(name, Qt::MatchExactly);
        if (items.isEmpty()) return false;
        index.lstcaipiao->setCurrentItem(items.first());
        return index.btnopenClick();
    }

    bool enabled(const char *name) { return main->command(name)->isEnabled(); }

    test::TempAppDir dir;
    std::unique_ptr<Tdatamod> datamod;
    std::unique_ptr<Tfrmmain> main;
};

} // namespace

TEST_F(MainWindowTest, CommandStatesFollowTheOpenLottery) {
    EXPECT_EQ(main->windowTitle(), "Corvel");
    for (const char *always : {"mnuopen", "mnuclose", "mnuexit", "mnumoddata", "mnudownload", "mnubackupdata",
                               "mnustoredata", "mnuhelpcotent", "mnuhelpabout", "mnuweb2", "tlbopen", "tlbexit"})
        EXPECT_TRUE(enabled(always)) << always;
    for (const char *needsLottery : {"mnucode", "mnuzhusan", "mnutotalfilt", "mnutozi", "tlbala", "tlbgudingjihua"})
        EXPECT_FALSE(enabled(needsLottery)) << needsLottery;
    EXPECT_FALSE(main->tabmain()->isVisibleTo(main.get()));

    ASSERT_TRUE(open("中国福彩3D"));
    EXPECT_TRUE(LotteryOpen);
    EXPECT_EQ(main->windowTitle(), "Corvel《中国福彩3D》");
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

    main->mnucloseClick();
    EXPECT_FALSE(LotteryOpen);
    EXPECT_TRUE(DrawHistory.empty());
    EXPECT_EQ(main->windowTitle(), "Corvel");
    EXPECT_FALSE(enabled("mnucode"));
    QApplication::processEvents();
    EXPECT_FALSE(main->tabmain()->isVisibleTo(main.get()));
    EXPECT_TRUE(main->mdiArea()->subWindowList().isEmpty());
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsAndTheTabStripItsTwentyTabs) {
    EXPECT_EQ(main->command("mnuopen")->text(), "打开彩票(&O)");
    EXPECT_EQ(main->command("mnustoredata")->text(), "数据恢复(&C)");
    EXPECT_EQ(main->command("mnuzhusan")->text(), "组选除三分析(&X)");
    EXPECT_EQ(main->command("mnutozi")->text(), "投资模式分析(&Z)");
    EXPECT_EQ(main->command("tlbexit")->toolTip(), "退出系统");
    EXPECT_EQ(main->tabmain()->count(), 20);
    EXPECT_EQ(main->tabmain()->tabText(5), "号码和值分析");
    EXPECT_EQ(analysisTabCaptions().size(), 20);
}

TEST_F(MainWindowTest, CatalogueShowsOptionsAndTheWindowChoice) {
    Tfrmindex index(main.get());
    EXPECT_EQ(index.lstcaipiao->count(), 4);
    EXPECT_FALSE(index.btnadd->isEnabled());
    EXPECT_FALSE(index.btndel->isEnabled());

    test::MessageLog log;
    EXPECT_FALSE(index.btnopenClick());
    EXPECT_EQ(log.lastText(), "请选择彩票！");
    EXPECT_EQ(log.messages.back().caption, "错误");

    index.lstcaipiao->setCurrentItem(index.lstcaipiao->findItems("重庆时时彩", Qt::MatchExactly).first());
    EXPECT_EQ(index.edtcainame->text(), "重庆时时彩");
    EXPECT_EQ(PositionStart, 3);
    EXPECT_TRUE(index.grppos->isEnabled());
    EXPECT_TRUE(index.chkweek[0]->isChecked());
    EXPECT_FALSE(index.chkweek[1]->isChecked());
    index.optposClick(1);
    EXPECT_EQ(PositionStart, 2);

    index.lstcaipiao->setCurrentItem(index.lstcaipiao->findItems("北京时时彩", Qt::MatchExactly).first());
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(index.chkweek[k - 1]->isChecked(), k % 2 == 0) << k;

    index.lstcaipiao->setCurrentItem(index.lstcaipiao->findItems("中国福彩3D", Qt::MatchExactly).first());
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
    index.lstcaipiao->setCurrentItem(index.lstcaipiao->findItems("中国福彩3D", Qt::MatchExactly).first());
    index.lstcaipiao->setCurrentItem(index.lstcaipiao->findItems("北京时时彩", Qt::MatchExactly).first());
    EXPECT_FALSE(log.messages.empty());
    EXPECT_TRUE(index.edtcainame->text().isEmpty());
    EXPECT_FALSE(index.btnopenClick()); // the lottery selected before is not opened instead
    EXPECT_EQ(log.lastText(), "请选择彩票！");
    EXPECT_FALSE(LotteryOpen);
}

TEST_F(MainWindowTest, FiveDigitLotteryOpensOnItsChosenWindow) {
    ASSERT_TRUE(open("重庆时时彩")); // empty five-digit table, 右3位
    EXPECT_EQ(PositionStart, 3);
    EXPECT_EQ(main->windowTitle(), "Corvel《重庆时时彩》");
}

TEST_F(MainWindowTest, CatalogueAddAndDelete) {
    Tfrmindex index(main.get());
    test::MessageLog log(true);
    index.btnaddClick();
    EXPECT_EQ(index.btnadd->text(), "确定添加");
    EXPECT_FALSE(index.btnopen->isEnabled());
    EXPECT_FALSE(index.edtcainame->isReadOnly());
    EXPECT_TRUE(index.edtcaisum->isReadOnly());
    index.edtcainame->setText("上海时时彩");
    index.chkweek[2]->setChecked(true);
    index.chkweek[4]->setChecked(true);
    index.btnaddClick();
    EXPECT_EQ(index.btnadd->text(), "添加彩票");
    EXPECT_TRUE(index.btndel->isEnabled());
    EXPECT_EQ(readOptions(databasePath(), "上海时时彩").weekdays, "35");

    index.lstcaipiao->setCurrentItem(index.lstcaipiao->findItems("上海时时彩", Qt::MatchExactly).first());
    index.btndelClick();
    EXPECT_TRUE(log.contains("警告：删除该彩票将删除删除所有与该彩票相关的文件，是否确定删除?"));
    EXPECT_FALSE(listLotteries(databasePath()).contains("上海时时彩"));

    index.edtcainame->clear();
    index.btndelClick();
    EXPECT_EQ(log.lastText(), "请选择你要删除的彩票名称!");
}

TEST_F(MainWindowTest, FailedOpenLeavesTheLotteryClosed) {
    {
        LotteryOptions lotto{"双色球", 0, 33, 6, "21:30", "247"};
        addLottery(databasePath(), lotto, 6);
    }
    test::MessageLog log;
    EXPECT_FALSE(open("双色球"));
    EXPECT_FALSE(LotteryOpen);
    EXPECT_TRUE(log.lastText().contains("无法打开"));
    EXPECT_EQ(main->windowTitle(), "Corvel");
    EXPECT_FALSE(enabled("mnucode"));
}

TEST_F(MainWindowTest, BackupKeepsTheLotteryOpenAndRestoreRoundTrips) {
    ASSERT_TRUE(open("中国福彩3D"));
    test::MessageLog log;
    const QString backup = dir.path() + "备份.db";
    ui::dialogHooks().saveFile = [&](const QString &, const QString &) { return backup; };
    main->mnubackupdataClick();
    EXPECT_EQ(log.lastText(), "成功备份！");
    EXPECT_TRUE(LotteryOpen);
    EXPECT_TRUE(databaseRefusal(backup).isEmpty());

    deleteLottery(databasePath(), "中国体彩排列3");
    ui::dialogHooks().openFile = [&](const QString &, const QString &) { return backup; };
    main->mnustoredataClick();
    EXPECT_EQ(log.lastText(), "成功恢复！");
    EXPECT_FALSE(LotteryOpen);
    EXPECT_TRUE(listLotteries(databasePath()).contains("中国体彩排列3"));
    EXPECT_TRUE(open("中国福彩3D"));
}

TEST_F(MainWindowTest, RestoreRefusesAPictureAndKeepsTheOldData) {
    const QString picture = dir.path() + "picture.db";
    QFile::copy(":/图片/flash.jpg", picture);
    test::MessageLog log;
    ui::dialogHooks().openFile = [&](const QString &, const QString &) { return picture; };
    main->mnustoredataClick();
    EXPECT_TRUE(log.lastText().contains("不是本程序的彩票数据库"));
    EXPECT_EQ(listLotteries(databasePath()).size(), 4);
    EXPECT_TRUE(open("中国福彩3D"));

    // A cancelled dialog still leaves the lottery closed.
    ui::dialogHooks().openFile = [](const QString &, const QString &) { return QString(); };
    main->mnustoredataClick();
    EXPECT_FALSE(LotteryOpen);
}

TEST_F(MainWindowTest, BackupToAnUnwritableFolderIsReported) {
    test::MessageLog log;
    ui::dialogHooks().saveFile = [&](const QString &, const QString &) { return dir.path() + "no/such/folder/x.db"; };
    main->mnubackupdataClick();
    EXPECT_TRUE(log.lastText().startsWith("备份失败"));

    // Without a database file the message names the missing database, not the target.
    ui::dialogHooks().saveFile = [&](const QString &, const QString &) { return dir.path() + "copy.db"; };
    ASSERT_TRUE(QFile::remove(databasePath()));
    main->mnubackupdataClick();
    EXPECT_TRUE(log.lastText().contains("不存在")) << log.lastText().toStdString();
    EXPECT_FALSE(QFile::exists(dir.path() + "copy.db"));
}

TEST_F(MainWindowTest, BackgroundPictureIsStretchedOverTheClientArea) {
    ASSERT_TRUE(QFile::copy(":/图片/back.bmp", pictureDir() + "back.bmp"));
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
    EXPECT_EQ(about.windowTitle(), "关于本程序");
    bool found = false;
    for (QLabel *l : about.findChildren<QLabel *>()) found |= l->text() == "Corvel12.0版";
    EXPECT_TRUE(found);
}

TEST(Startup, FirstStartCreatesTheDefaultDatabaseAndInstallsThePictures) {
    QTemporaryDir folder;
    Shell shell = startShell(folder.path());
    EXPECT_TRUE(shell.startupError.isEmpty()) << shell.startupError.toStdString();
    EXPECT_EQ(listLotteries(databasePath()).size(), 2);
    for (const char *picture : {"back.bmp", "flash.jpg", "left.bmp", "right.bmp"})
        EXPECT_TRUE(QFile::exists(pictureDir() + picture)) << picture;
    EXPECT_TRUE(QFile::exists(appDir() + "帮助/Corvel帮助.html"));
    EXPECT_EQ(shell.mainWindow->windowTitle(), "Corvel");
}

TEST_F(MainWindowTest, ToolWindowsAreKeptUntilTheLotteryCloses) {
    ASSERT_TRUE(open("中国福彩3D"));
    ASSERT_TRUE(enabled("mnugudingjihua"));
    // The total filter: the menu item and the tool button "总体过滤" show one window.
    ASSERT_TRUE(enabled("mnutotalfilt"));
    main->command("mnutotalfilt")->trigger();
    QWidget *filter = main->toolWindow("Tfrmtotalfilt");
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(filter->windowTitle(), "总体过滤");
    main->command("tlbala")->trigger();
    EXPECT_EQ(main->toolWindow("Tfrmtotalfilt"), filter);
    EXPECT_TRUE(enabled("mnupiantai"));
    EXPECT_TRUE(enabled("mnuyilou"));
    QPointer<QWidget> filterWatch(filter);
    QWidget *plan = main->showToolWindow("Tfrmgudingjihua");
    ASSERT_NE(plan, nullptr);
    auto *days = plan->findChild<QLineEdit *>("edtdays");
    ASSERT_NE(days, nullptr);
    days->setText("12");
    main->command("tlbgudingjihua")->trigger(); // the tool button shows the same window
    EXPECT_EQ(main->toolWindow("Tfrmgudingjihua"), plan);

    QPointer<QWidget> watch(plan);
    main->mnucloseClick();
    EXPECT_TRUE(watch.isNull());
    EXPECT_TRUE(filterWatch.isNull());
    EXPECT_EQ(main->toolWindow("Tfrmgudingjihua"), nullptr);

    ASSERT_TRUE(open("中国福彩3D"));
    QWidget *fresh = main->showToolWindow("Tfrmgudingjihua");
    EXPECT_EQ(fresh->findChild<QLineEdit *>("edtdays")->text(), "80");
}

TEST_F(MainWindowTest, EverySelectionOfATabRecreatesItsWindow) {
    ASSERT_TRUE(open("中国福彩3D"));
    QPointer<QWidget> trend(main->activeAnalysisWindow());
    ASSERT_FALSE(trend.isNull());
    main->command("mnuhei")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(trend.isNull());
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(main->tabmain()->currentIndex(), 5);
    QPointer<QWidget> sum(main->activeAnalysisWindow());
    main->command("mnuhei")->trigger(); // the tab already selected
    QApplication::processEvents();
    EXPECT_TRUE(sum.isNull());
    EXPECT_NE(main->activeAnalysisWindow(), nullptr);

    // Tab 0 reads the draw history again from the draw table.
    DrawHistory.clear();
    main->tabmain()->setCurrentIndex(0);
    QApplication::processEvents();
    EXPECT_EQ(DrawHistory.size(), 30u);
}
