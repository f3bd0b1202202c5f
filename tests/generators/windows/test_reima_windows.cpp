// The automatic two- and three-digit plan windows, offscreen: steps through "生成二码" and
// "生成三码", the end of a plan, a new plan, copy, and the plan file.

#include "generators/windows/u_reima.h"
#include "generators/windows/u_sanma.h"
#include "store/textfile.h"
#include "testsupport.h"
#include "ui/gridmodel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace corvel {
namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

class PlanWindows : public ::testing::Test {
protected:
    test::TempAppDir app;
    test::MessageLog log;
    QString clipboard;
    QString proposed;
    QString answer;

    void SetUp() override {
        ui::dialogHooks().clipboard = [this](const QString &text) { clipboard = text; };
        ui::dialogHooks().saveFile = [this](const QString &, const QString &initial) {
            proposed = initial;
            return answer;
        };
        ui::dialogHooks().openFile = ui::dialogHooks().saveFile;
    }

    static QStringList row(const ui::GridModel *m, int r) {
        QStringList cells;
        for (int c = 0; c < m->columnCount(); ++c) cells << m->cellText(r, c);
        return cells;
    }
    static void type(AutoPlanWindow &w, const char *draw) {
        w.edtzuijingcode2->setText(u(draw));
        w.btngencode->click();
    }
};

TEST_F(PlanWindows, TwoDigitPlanRunsUntilTheBetWins) {
    Tfrmreima w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(w.windowTitle(), u("转换定位2码七期必中选号（未开始）"));
    EXPECT_FALSE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w.optmode->checkedButton()->text(), u("奇偶模式"));
    EXPECT_EQ(w.btngencode->text(), u("生成二码"));
    EXPECT_TRUE(w.edtzuijingcode1->isHidden());
    EXPECT_EQ(w.pagjihua->tabText(0), u("位置号码"));
    EXPECT_EQ(w.pagjihua->tabText(1), u("直选号码"));

    type(w, "12a");
    EXPECT_EQ(log.lastText(), u("请输入三位数字"));
    EXPECT_EQ(w.planModel()->rowCount(), 0);
    EXPECT_EQ(w.edtzuijingcode2->text(), u("12a"));

    type(w, "135");
    EXPECT_EQ(w.planModel()->headings(), QStringList({u("投注期数"), u("最新开奖"), u("下期投注")}));
    EXPECT_EQ(row(w.planModel(), 0), QStringList({u("第1期"), u("135"), u("百十位奇奇")}));
    EXPECT_EQ(w.codeModel()->rowCount(), 250);
    EXPECT_EQ(row(w.codeModel(), 0), QStringList({u("  1"), u("1"), u("1"), u("0")}));
    EXPECT_EQ(w.codeModel()->cellText(249, 0), u("250"));
    EXPECT_EQ(w.lbljushu->text(), u("共：250注  500 元"));
    EXPECT_TRUE(w.edtzuijingcode2->text().isEmpty());
    EXPECT_TRUE(w.edtzuijingcode2->hasFocus());
    EXPECT_EQ(w.windowTitle(), u("转换定位2码七期必中选号（进行中）"));

    // Enter in the draw field runs the step.
    w.edtzuijingcode2->setText(u("246"));
    QTest::keyClick(w.edtzuijingcode2, Qt::Key_Return);
    EXPECT_EQ(row(w.planModel(), 1), QStringList({u("第2期"), u("246"), u("百十位偶偶")}));

    w.btncopy->click();
    EXPECT_TRUE(clipboard.startsWith(u("000 001 002 003 004 005 006 007 008 009 \r\n020 ")));

    // Save the running plan, end it with a win, then load the saved one back.
    answer = app.path() + u("附属/二码计划.txt");
    w.btnsavejihua->click();
    EXPECT_EQ(proposed, app.path() + u("附属/转换定位2码七期必中选号计划.txt"));
    EXPECT_EQ(log.lastText(), u("成功保存！"));

    type(w, "481");
    EXPECT_EQ(log.lastText(), u("号码已中出，计划结束"));
    EXPECT_FALSE(w.btngencode->isEnabled());
    EXPECT_EQ(w.planModel()->rowCount(), 2);
    EXPECT_EQ(w.codeModel()->rowCount(), 250);
    EXPECT_EQ(w.edtzuijingcode2->text(), u("481"));
    EXPECT_EQ(w.windowTitle(), u("转换定位2码七期必中选号（已结束）"));

    w.optmode->button(1)->click();
    w.btnloadjihua->click();
    EXPECT_EQ(w.planModel()->rowCount(), 2);
    EXPECT_TRUE(w.btngencode->isEnabled());
    EXPECT_EQ(w.optmode->checkedId(), 0);
    EXPECT_EQ(w.windowTitle(), u("转换定位2码七期必中选号（进行中）"));
    type(w, "357");
    EXPECT_EQ(row(w.planModel(), 2), QStringList({u("第3期"), u("357"), u("百十位奇奇")}));

    // A damaged plan file is refused naming its line; the plan on show stays.
    QStringList lines = readTextLines(answer);
    lines[4] = u("第2期,2x6,百十位偶偶");
    writeTextLines(answer, lines);
    w.btnloadjihua->click();
    EXPECT_EQ(log.lastText(), u("计划文件第5行有误：开奖号“2x6”不是三位数字，计划未载入！"));
    EXPECT_EQ(w.planModel()->rowCount(), 3);

    w.btnnewjihua->click();
    EXPECT_EQ(w.planModel()->rowCount(), 0);
    EXPECT_EQ(w.codeModel()->rowCount(), 0);
    EXPECT_EQ(w.windowTitle(), u("转换定位2码七期必中选号（未开始）"));
}

TEST_F(PlanWindows, ThreeDigitPlanMovesTheLatestDraw) {
    Tfrmsanma w;
    EXPECT_EQ(w.btngencode->text(), u("生成三码"));
    EXPECT_FALSE(w.edtzuijingcode1->isHidden());
    w.edtzuijingcode1->setText(u("123"));
    type(w, "456");
    EXPECT_EQ(row(w.planModel(), 0), QStringList({u("第1期"), u("456"), u("百十个位奇偶奇")}));
    EXPECT_EQ(w.lbljushu->text(), u("共：125注  250 元"));
    EXPECT_EQ(w.edtzuijingcode1->text(), u("456"));
    EXPECT_TRUE(w.edtzuijingcode2->text().isEmpty());

    w.optmode->button(1)->click();
    w.edtzuijingcode1->setText(u("135"));
    type(w, "579");
    EXPECT_EQ(row(w.planModel(), 1)[2], u("百十个位小小大"));

    w.edtzuijingcode1->setText(u("１２３"));
    type(w, "111");
    EXPECT_EQ(log.lastText(), u("请输入三位数字"));
    EXPECT_EQ(w.planModel()->rowCount(), 2);

    // The latest draw fits the last bet: the plan ends and the fields keep their text.
    w.edtzuijingcode1->setText(u("999"));
    type(w, "029");
    EXPECT_EQ(log.lastText(), u("号码已中出，计划结束"));
    EXPECT_EQ(w.edtzuijingcode1->text(), u("999"));
    EXPECT_EQ(w.edtzuijingcode2->text(), u("029"));
    EXPECT_FALSE(w.btngencode->isEnabled());

    // A new plan: the latest draw becomes the second-latest.
    w.btnnewjihua->click();
    EXPECT_TRUE(w.btngencode->isEnabled());
    EXPECT_EQ(w.edtzuijingcode1->text(), u("029"));
    EXPECT_TRUE(w.edtzuijingcode2->text().isEmpty());
    EXPECT_EQ(w.lbljushu->text(), u("共：0注  0 元"));
    // With the latest field empty the second-latest draw is kept, not wiped.
    w.btnnewjihua->click();
    EXPECT_EQ(w.edtzuijingcode1->text(), u("029"));

    // A two-digit plan file is no three-digit plan.
    answer = app.path() + u("附属/错.txt");
    writeTextLines(answer, {u("转换定位2码七期必中选号计划"), u("模式：奇偶模式"), u("状态：未开始")});
    w.btnloadjihua->click();
    EXPECT_EQ(log.lastText(), u("计划文件第1行有误：不是“转换定位3码15期必中选号计划”的计划文件，计划未载入！"));
}

} // namespace
} // namespace corvel
