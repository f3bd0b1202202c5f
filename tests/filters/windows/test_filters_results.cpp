// What the list windows save and load when a result is empty or a file is of another
// kind: an empty list a run produced is written, a plain list is named as such, a short
// file loads what it holds with a warning.

#include "core/u_public.h"
#include "filters/interval.h"
#include "filters/windows/intervalworker.h"
#include "filters/windows/u_duoyilou.h"
#include "filters/windows/u_gujian.h"
#include "filters/windows/u_sujifilt.h"
#include "filters/windows/u_zhongpai.h"
#include "randomhistory.h"
#include "store/textfile.h"
#include "testsupport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace corvel;

namespace {

class ListResults : public ::testing::Test {
protected:
    test::TempAppDir app;
    test::MessageLog log;
    std::string oldName = LotteryName;
    QString chosen;

    ListResults() {
        LotteryName = "中国福彩3D";
        DrawHistory = test::randomHistory(300, 5);
        DrawCount = static_cast<int32_t>(DrawHistory.size());
        ui::dialogHooks().saveFile = [this](const QString &, const QString &) { return chosen; };
        ui::dialogHooks().openFile = [this](const QString &, const QString &) { return chosen; };
    }
    ~ListResults() override {
        LotteryName = oldName;
        DrawHistory.clear();
        DrawCount = 0;
    }
    QString file(const char *name, const QStringList &lines) {
        const QString path = app.path() + QString::fromLatin1(name);
        writeTextLines(path, lines);
        return path;
    }
};

} // namespace

TEST_F(ListResults, ColdSearchNamesAPlainListAndLoadsWhatAShortFileHolds) {
    Tfrmsujifilt w;
    w.show();
    chosen = app.path() + QStringLiteral("never.txt");
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请先生成表格！"));
    EXPECT_FALSE(QFile::exists(chosen));

    // A plain list as 总体过滤 saves it: no heading.
    chosen = file("plain.txt", {QStringLiteral("001 002 003 004 005 006 007 008 009 010 "), QStringLiteral("011 ")});
    w.btnload->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("文件的第一行不是“直选共N注”这样的标题：这不是冷码搜索保存的号码文件。"));
    EXPECT_EQ(w.grdsuijicode->model()->rowCount(), 0);

    // The heading promises five, the file holds two: both are shown, and the count box
    // says two.
    chosen = file("short.txt", {QStringLiteral("组选6共5注"), QStringLiteral("123 456 ")});
    w.btnload->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("文件中只有2个号码，少于标题写的5注；只载入了文件中的这些号码。"));
    EXPECT_EQ(log.messages.back().kind, ui::MessageKind::Warning);
    EXPECT_EQ(w.grdsuijicode->model()->rowCount(), 2);
    EXPECT_EQ(w.edtjushu->text(), QStringLiteral("2"));
    EXPECT_EQ(w.optzhizhu->checkedId(), 3);

    // An empty list a load produced is saved as it stands.
    chosen = file("none.txt", {QStringLiteral("直选共0注")});
    w.btnload->click();
    EXPECT_EQ(w.grdsuijicode->model()->rowCount(), 0);
    chosen = app.path() + QStringLiteral("saved-empty.txt");
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
    EXPECT_EQ(readTextLines(chosen).value(0), QStringLiteral("直选共0注"));
}

TEST_F(ListResults, ExclusionSavesTheEmptyListARunKeptButNothingBeforeARun) {
    Tfrmzhongpai w;
    w.show();
    chosen = app.path() + QStringLiteral("before.txt");
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请先生成表格！"));
    EXPECT_FALSE(QFile::exists(chosen));

    // Every hundreds digit excluded without tolerance: nothing is kept.
    w.chkbai->click();
    w.edtbai->setText(QStringLiteral("0123456789"));
    w.btnfilt->click();
    ASSERT_EQ(w.lbljushu->text(), QStringLiteral("0  0 元"));
    chosen = app.path() + QStringLiteral("kept-none.txt");
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
    EXPECT_TRUE(QFile::exists(chosen));
    EXPECT_TRUE(readTextLines(chosen).join(QString()).trimmed().isEmpty());

    // "清除" goes back to before any run.
    w.btnclear->click();
    chosen = app.path() + QStringLiteral("after-clear.txt");
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请先生成表格！"));
    EXPECT_FALSE(QFile::exists(chosen));
}

// A run that legitimately keeps nothing is saved as the empty list it is; before any run
// "保存" still refuses. One row per window: how to open it, run it so that it keeps no
// number, and what its saved file then holds.
TEST_F(ListResults, EmptyListsARunKeptAreSavedButNothingBeforeARun) {
    struct Case {
        const char *window;
        std::function<std::unique_ptr<QWidget>()> open;
        std::function<QPushButton *(QWidget &)> save;
        std::function<void(QWidget &)> runKeepingNothing;
        QStringList saved;
    };
    const Case cases[] = {
        {"冷码搜索",
         [] { return std::make_unique<Tfrmsujifilt>(); },
         [](QWidget &w) { return static_cast<Tfrmsujifilt &>(w).btnsave; },
         [](QWidget &w) {
             auto &cold = static_cast<Tfrmsujifilt &>(w);
             cold.edtjushu->setText(QStringLiteral("0"));
             cold.btnfilt->click();
             EXPECT_EQ(cold.grdsuijicode->model()->rowCount(), 0);
         },
         {QStringLiteral("直选共0注")}},
        {"多重遗漏",
         [] { return std::make_unique<Tfrmduoyilou>(); },
         [](QWidget &w) { return static_cast<Tfrmduoyilou &>(w).btnsave; },
         [](QWidget &w) {
             // Two levels give at most two kills: a tolerance of exactly three keeps nothing.
             auto &omission = static_cast<Tfrmduoyilou &>(w);
             omission.edtyongcuo1->setText(QStringLiteral("3"));
             omission.edtyongcuo2->setText(QStringLiteral("3"));
             omission.btngencode->click();
             EXPECT_EQ(omission.lbljushu->text(), QStringLiteral("号码注数：0  0 元"));
         },
         {}},
        {"最优间隔",
         [] {
             // One number drawn 300 times: a transformed history repeats every ten rows, so no
             // interval ever reaches 100 and the search collects nothing until it is stopped.
             DrawHistory.assign(300, DrawRow{});
             for (size_t i = 0; i < DrawHistory.size(); ++i) DrawHistory[i] = {int32_t(2007001 + i), 1, 2, 3};
             DrawCount = static_cast<int32_t>(DrawHistory.size());
             return std::make_unique<Tfrmgujian>();
         },
         [](QWidget &w) { return static_cast<Tfrmgujian &>(w).btnsave; },
         [](QWidget &w) {
             auto &interval = static_cast<Tfrmgujian &>(w);
             interval.edtjian1->setText(QStringLiteral("100"));
             interval.btnfilt->click();
             ASSERT_TRUE(interval.searching());
             // Stopped once passes have run (a stop before the first pass leaves no run at all).
             auto *worker = interval.findChild<Tgujianthread *>();
             ASSERT_TRUE(worker);
             bool passing = false;
             QObject::connect(worker, &Tgujianthread::progressed, &interval, [&] { passing = true; });
             ASSERT_TRUE(QTest::qWaitFor([&] { return passing; }, 20000));
             interval.btnstop->click();
             ASSERT_TRUE(QTest::qWaitFor([&] { return !interval.searching(); }, 20000));
             ASSERT_TRUE(interval.result());
             EXPECT_EQ(interval.result()->collected, 0);
             EXPECT_EQ(interval.lbljushu->text(), QStringLiteral("号码注数：0  0 元  已停止：列表未完成（0/1000 注）"));
         },
         {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.window);
        const std::unique_ptr<QWidget> w = c.open();
        w->show();
        chosen = app.path() + QStringLiteral("before-run.txt");
        c.save(*w)->click();
        EXPECT_EQ(log.lastText(), QStringLiteral("请先生成表格！"));
        EXPECT_FALSE(QFile::exists(chosen));

        c.runKeepingNothing(*w);
        chosen = app.path() + QStringLiteral("kept-none.txt");
        QFile::remove(chosen);
        c.save(*w)->click();
        EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
        ASSERT_TRUE(QFile::exists(chosen));
        EXPECT_EQ(readTextLines(chosen), c.saved);
    }
}

// 最优间隔: only the window's own background starts the repeated runs; a stopped search
// marks its list as unfinished; a new search clears the old verification; closing the
// window stops the search.
TEST_F(ListResults, IntervalSearchStopsOnCloseAndMarksAStoppedList) {
    DrawHistory = test::randomHistory(800, 17);
    DrawCount = static_cast<int32_t>(DrawHistory.size());
    Tfrmgujian w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    // Double clicks on a label and on an untitled group box do nothing.
    QTest::mouseDClick(w.lbljushu, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(w.searching());
    for (QGroupBox *box : w.findChildren<QGroupBox *>()) {
        if (!box->title().isEmpty() || !box->isVisible()) continue;
        QPoint bare;
        for (int y = 1; y < box->height() && bare.isNull(); ++y)
            for (int x = 1; x < box->width() && bare.isNull(); ++x)
                if (!box->childAt(QPoint(x, y))) bare = QPoint(x, y);
        QTest::mouseDClick(box, Qt::LeftButton, {}, bare);
        EXPECT_FALSE(w.searching()) << box->objectName().toStdString();
    }

    // A finished run, verified.
    w.comcurqi->setCurrentIndex(790);
    emit w.comcurqi->activated(790);
    w.edtjian1->setText(QStringLiteral("100"));
    w.edtjushu->setText(QStringLiteral("300"));
    w.setSeed(12345);
    w.btnfilt->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.searching(); }, 20000));
    w.btnyanzheng->click();
    ASSERT_EQ(w.grdyanzheng->model()->rowCount(), 200);

    // A search that cannot end soon: the old verification goes at once; "停止" leaves a
    // list marked as unfinished.
    w.edtjian1->setText(QStringLiteral("780"));
    w.edtjushu->setText(QStringLiteral("1000"));
    w.btnfilt->click();
    ASSERT_TRUE(w.searching());
    EXPECT_EQ(w.grdyanzheng->model()->rowCount(), 0);
    QTest::qWait(100);
    w.btnstop->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.searching(); }, 20000));
    ASSERT_TRUE(w.result());
    ASSERT_TRUE(w.result()->stopped);
    const QString mark = QStringLiteral("已停止：列表未完成（%1/1000 注）").arg(w.result()->collected);
    EXPECT_TRUE(w.lbljushu->text().endsWith(mark)) << w.lbljushu->text().toStdString();

    // Closing during a search stops it.
    w.btnfilt->click();
    ASSERT_TRUE(w.searching());
    w.btnclose->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.searching(); }, 5000));
    ASSERT_TRUE(w.result());
    EXPECT_TRUE(w.result()->stopped);
}
