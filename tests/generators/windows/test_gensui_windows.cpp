// The group and direct follow selection windows, offscreen: statistics, "过滤", "清空",
// save, copy and bad input, all through their buttons.

#include "generators/windows/u_gensui.h"
#include "generators/windows/u_gensui2.h"
#include "store/appdir.h"
#include "store/textfile.h"
#include "testsupport.h"
#include "ui/gridmodel.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <gtest/gtest.h>

namespace corvel {
namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// 99 filler draws, then the chain of draws that all hold a 1; issues from 2010001.
void setHistory(const std::vector<std::string> &draws) {
    DrawHistory.clear();
    const auto add = [](const std::string &d) {
        DrawHistory.push_back({2010001 + int(DrawHistory.size()), d[0] - '0', d[1] - '0', d[2] - '0'});
    };
    for (int i = 0; i < 99; ++i) add("000");
    for (const std::string &d : draws) add(d);
    DrawCount = int(DrawHistory.size());
}

class FollowWindows : public ::testing::Test {
protected:
    test::TempAppDir app;
    test::MessageLog log;
    QString clipboard;
    QString proposed;
    QString answer;

    void SetUp() override {
        LotteryName = "中国福彩3D";
        setHistory({"100", "112", "211", "145", "154", "451", "199"});
        ui::dialogHooks().clipboard = [this](const QString &text) { clipboard = text; };
        ui::dialogHooks().saveFile = [this](const QString &, const QString &initial) {
            proposed = initial;
            return answer;
        };
    }
    void TearDown() override { DrawHistory.clear(); }

    static QStringList row(const ui::GridModel *m, int r) {
        QStringList cells;
        for (int c = 0; c < m->columnCount(); ++c) cells << m->cellText(r, c);
        return cells;
    }
};

TEST_F(FollowWindows, GroupWindowStatisticsFilterSaveCopyAndClear) {
    Tfrmgensui w;
    QAbstractItemModelTester tester(w.followModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(w.windowTitle(), u("定位跟随胆码及历史排除选号（组选）"));
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    // Defaults, and the one-digit statistics of the creation.
    EXPECT_EQ(w.optnum->checkedButton()->text(), u("1码组选"));
    EXPECT_EQ(w.optcixu->checkedButton()->text(), u("不分次序"));
    EXPECT_FALSE(w.grpcixu->isEnabled());
    EXPECT_EQ(w.optsep->checkedButton()->text(), u("不包括开奖号"));
    EXPECT_EQ(w.edtgensuiqishu->text(), u("2"));
    EXPECT_EQ(w.edtpaichu->text(), u("20"));
    EXPECT_EQ(w.edtnum1->text(), u("1"));
    EXPECT_EQ(w.edtnum2->text(), u("3"));
    EXPECT_EQ(w.comsepnum->count(), 100);
    EXPECT_EQ(w.comcurqi->currentText(), u("2010107"));
    EXPECT_TRUE(w.comcurqi->isHidden());
    const ui::GridModel *follow = w.followModel();
    EXPECT_EQ(follow->headings(),
              QStringList({u("开奖号"), u("跟随码"), u("旧码"), u("新码"), u("中出个数"), u("排除期数")}));
    ASSERT_EQ(follow->rowCount(), 7);
    EXPECT_EQ(row(follow, 6), QStringList({u("199"), u("下期开???"), u("1459"), u("023678"), u("???"), u("???")}));

    // Two digits, position 3, by position: the pattern 19 of 199 stands at its start.
    w.optnum->button(1)->click();
    EXPECT_TRUE(w.grpcixu->isEnabled());
    w.composindex->setCurrentIndex(2);
    w.optcixu->button(0)->click();
    w.btntongji->click();
    // Every other draw lacks 19 or holds it elsewhere: only the reference is left.
    ASSERT_EQ(follow->rowCount(), 1);
    EXPECT_EQ(row(follow, 0)[1], u("开奖号???"));
    // One digit at position 3 is the 9 of 199; back at position 1 all seven draws match.
    w.optnum->button(0)->click();
    w.btntongji->click();
    EXPECT_EQ(follow->rowCount(), 1);
    w.composindex->setCurrentIndex(0);
    w.btntongji->click();
    ASSERT_EQ(follow->rowCount(), 7);

    // "过滤": the follow groups 112, 145, 199 go; danma 1 keeps the groups holding a 1,
    // the leopard 111 among them (the other leopards hold no 1 and go).
    w.edtdanma->setText(u("1"));
    w.btngen3->click();
    const int combined = 271 - 3 - 6 - 3;
    EXPECT_EQ(w.codeModel(3)->rowCount(), combined);
    EXPECT_EQ(w.lbljushu3->text(), u("综合过滤剩余注数：%1  %2 元").arg(combined).arg(combined * 2));
    EXPECT_EQ(w.lbljushu1->text(), u("排除过滤剩余注数：988  1976 元"));
    EXPECT_EQ(w.lbljushu2->text(), u("胆码过滤剩余注数：271  542 元"));
    EXPECT_TRUE(w.grdcode1->isHidden());
    EXPECT_TRUE(w.grdcode2->isHidden());
    EXPECT_EQ(row(w.codeModel(3), 0), QStringList({u("1"), u("0"), u("0"), u("1")}));
    // Each "过滤" starts from zero: without danma the list is the history result alone.
    w.edtdanma->clear();
    w.btngen3->click();
    EXPECT_EQ(w.codeModel(3)->rowCount(), 988);
    w.edtdanma->setText(u("1"));
    w.btngen3->click();

    // Copy and save the combined list.
    w.btncopy->click();
    EXPECT_TRUE(clipboard.startsWith(u("001 010 011 012 013 014 015 016 017 018 \r\n")));
    answer = app.path() + u("附属/组选.txt");
    w.btnsave3->click();
    EXPECT_EQ(log.lastText(), u("成功保存！"));
    EXPECT_EQ(proposed, ShellFolderPath(u("Desktop")) + u("/中国福彩3D2010107期定位跟随选号组选.txt"));
    const QStringList saved = readTextLines(answer);
    EXPECT_EQ(saved.size(), (combined + 9) / 10);
    EXPECT_EQ(saved.first(), u("001 010 011 012 013 014 015 016 017 018 "));
    w.btnsave1->click();
    EXPECT_EQ(proposed, app.path() + u("附属/中国福彩3D2010107期组选历史排除选号.txt"));
    EXPECT_EQ(readTextLines(answer).join(QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), 988);

    // Bad input stops with the message and changes nothing.
    for (const char *bad : {"abc", "-2", "99999999999"}) {
        w.edtgensuiqishu->setText(u(bad));
        w.btntongji->click();
        EXPECT_TRUE(log.lastText().contains(u(bad)) || log.lastText() == u("跟随期数不能小于0！")) << bad;
        EXPECT_EQ(follow->rowCount(), 7);
    }
    w.edtnum2->setText(u("x"));
    w.btngen3->click();
    EXPECT_EQ(log.lastText(), u("'x' 不是一个有效的整形值"));
    EXPECT_EQ(w.codeModel(3)->rowCount(), combined);

    // "清空" empties the lists; the follow table, the count and the parameters stay.
    w.btnclear->click();
    EXPECT_EQ(w.codeModel(3)->rowCount(), 0);
    EXPECT_EQ(w.codeModel(1)->rowCount(), 0);
    EXPECT_EQ(w.lbljushu3->text(), u("综合过滤剩余注数：%1  %2 元").arg(combined).arg(combined * 2));
    EXPECT_EQ(follow->rowCount(), 7);
    EXPECT_EQ(w.edtdanma->text(), u("1"));
}

TEST_F(FollowWindows, FollowTableKeepsItsNewestRowsInView) {
    std::vector<std::string> many(300, "123");
    setHistory(many);
    Tfrmgensui w;
    w.show();
    QApplication::processEvents();
    ASSERT_EQ(w.followModel()->rowCount(), 300);
    QScrollBar *bar = w.tabhistory->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(FollowWindows, DirectWindowAccumulatesUntilClear) {
    Tfrmgensui2 w;
    EXPECT_EQ(w.windowTitle(), u("定位跟随胆码及历史排除选号（直选）"));
    EXPECT_EQ(w.optnum->button(2)->text(), u("3码直选"));
    // 百 of 199 is 1: 100, 112, 145, 154 and 199 itself.
    EXPECT_EQ(w.followModel()->rowCount(), 5);

    w.edtpaichu->setText(u("0"));
    w.edtdanma->setText(u("1"));
    w.btngen3->click();
    EXPECT_EQ(w.codeModel(3)->rowCount(), 271);
    w.edtdanma->setText(u("2"));
    w.btngen3->click();
    EXPECT_EQ(w.codeModel(3)->rowCount(), 54); // both 1 and 2
    w.btnclear->click();
    EXPECT_EQ(w.codeModel(3)->rowCount(), 0);
    EXPECT_EQ(w.lbljushu3->text(), u("综合过滤剩余注数："));
    w.btngen3->click();
    EXPECT_EQ(w.codeModel(3)->rowCount(), 271);

    answer = app.path() + u("附属/直选.txt");
    w.btnsave2->click();
    EXPECT_EQ(proposed, app.path() + u("附属/中国福彩3D直选2010107期胆码排除选号.txt"));
    w.btnsave3->click();
    EXPECT_EQ(proposed, ShellFolderPath(u("Desktop")) + u("/中国福彩3D2010107期定位跟随选号直选.txt"));
    // Cancelling the dialog writes nothing.
    QFile::remove(answer);
    answer.clear();
    w.btnsave3->click();
    EXPECT_FALSE(QFile::exists(app.path() + u("附属/直选.txt")));
}

} // namespace
} // namespace corvel
