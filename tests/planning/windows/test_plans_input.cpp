// The plan windows refuse inputs that make no plan, show which field was wrong, answer
// the common shortcuts, and print headings that stay inside their columns.

#include "planning/windows/u_gudingjihua.h"
#include "planning/windows/u_jieduanjihua.h"
#include "planning/windows/u_keibianjihua.h"
#include "testsupport.h"
#include "ui/gridmodel.h"
#include "ui/printing.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace corvel {
namespace {

using test::MessageLog;
using test::TempAppDir;

QString u(const char *text) { return QString::fromUtf8(text); }

// The edit box the window would give the keyboard to, with the text it selected.
void expectMarked(const QWidget &window, const QLineEdit *edit, const QString &text) {
    EXPECT_EQ(window.focusWidget(), edit) << edit->objectName().toStdString();
    EXPECT_EQ(edit->selectedText(), text);
}

TEST(PlanInputs, StakesOfNothingOrLessAreRefusedAndTheFieldMarked) {
    TempAppDir dir;
    MessageLog log;
    Tfrmgudingjihua fixed;
    fixed.show();
    fixed.btnala->click();
    const int rows = fixed.gridModel()->rowCount();
    for (const char *cost : {"-16", "0"}) {
        fixed.edtprekui->setFocus();
        fixed.edtinofsin->setText(u(cost));
        fixed.btnala->click();
        EXPECT_EQ(log.lastText(), u("单倍投入必须大于0！")) << cost;
        expectMarked(fixed, fixed.edtinofsin, u(cost));
        EXPECT_EQ(fixed.gridModel()->rowCount(), rows);
        EXPECT_EQ(fixed.gridModel()->cellText(0, 2), QStringLiteral("16")); // the plan on show stays
    }

    Tfrmjieduanjihua stage;
    stage.show();
    stage.edtjieduan->setText(u("0"));
    stage.btnala->click();
    EXPECT_EQ(log.lastText(), u("阶段次数必须大于0！"));
    expectMarked(stage, stage.edtjieduan, u("0"));

    Tfrmkeibianjihua variable;
    variable.show();
    variable.btnnew->click();
    variable.btnjisuan->click();
    for (const char *bets : {"0", "-5"}) {
        variable.edtjushu->setText(u(bets));
        variable.btnjisuan->click();
        EXPECT_EQ(log.lastText(), u("本期注数必须大于0！")) << bets;
        expectMarked(variable, variable.edtjushu, u(bets));
        EXPECT_EQ(variable.planRows().size(), 1u);
    }
}

TEST(PlanInputs, AConversionErrorMarksTheFieldItCameFrom) {
    TempAppDir dir;
    MessageLog log;
    Tfrmgudingjihua fixed;
    fixed.show();
    fixed.edtlirun->setText(u("abc"));
    fixed.btnala->click();
    EXPECT_EQ(log.lastText(), u("'abc' 不是一个有效的整形值"));
    expectMarked(fixed, fixed.edtlirun, u("abc"));

    Tfrmkeibianjihua variable;
    variable.show();
    variable.btnnew->click();
    variable.edtoutofsin->setText(u(" 1e3"));
    variable.btnjisuan->click();
    EXPECT_EQ(log.lastText(), u("' 1e3' 不是一个有效的整形值"));
    expectMarked(variable, variable.edtoutofsin, u(" 1e3"));
}

TEST(PlanInputs, CtrlSSavesAndCtrlPPrintsOnlyWhileTheButtonsWork) {
    TempAppDir dir;
    MessageLog log;
    const QString pdf = dir.path() + QStringLiteral("plan.pdf");
    ui::printHooks().pdfPath = pdf;
    int saveDialogs = 0;
    ui::dialogHooks().saveFile = [&](const QString &, const QString &) {
        ++saveDialogs;
        return QString();
    };
    Tfrmgudingjihua fixed;
    fixed.show();
    fixed.activateWindow();
    QApplication::setActiveWindow(&fixed);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fixed));
    fixed.btnala->click();
    QTest::keyClick(&fixed, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saveDialogs, 1);
    QTest::keyClick(&fixed, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(fixed.btnsave->toolTip().contains(u("Ctrl+S")));
    fixed.hide();

    // While a variable plan is under way 打印 is switched off, and so is Ctrl+P.
    QFile::remove(pdf);
    Tfrmkeibianjihua variable;
    variable.show();
    variable.activateWindow();
    QApplication::setActiveWindow(&variable);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&variable));
    variable.btnnew->click();
    variable.btnjisuan->click();
    ASSERT_FALSE(variable.btnprint->isEnabled());
    QTest::keyClick(&variable, Qt::Key_P, Qt::ControlModifier);
    EXPECT_FALSE(QFile::exists(pdf));
    QTest::keyClick(&variable, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saveDialogs, 2);
}

// Printed with the printer's own fonts, every heading lies between its column's rules.
TEST(PlanInputs, PrintedHeadingsStayInsideTheirColumns) {
    TempAppDir dir;
    MessageLog log;
    ui::printHooks().pdfPath = dir.path() + QStringLiteral("plan.pdf");
    int inspected = 0;
    ui::printHooks().inspect = [&](const PrintDocument &doc, const PageGeometry &geo) {
        ASSERT_FALSE(doc.empty());
        const Page &page = doc.front();
        std::vector<int> rules;
        for (const PageLine &l : page.lines)
            if (l.x1 == l.x2) rules.push_back(l.x1);
        std::sort(rules.begin(), rules.end());
        const int headingTop = page.lines.front().y1, headingBottom = headingTop + geo.height / 29;
        for (const PageText &t : page.texts) {
            if (t.y < headingTop || t.y >= headingBottom) continue; // not a heading
            const auto right = std::upper_bound(rules.begin(), rules.end(), t.x);
            ASSERT_NE(right, rules.end()) << t.text;
            ASSERT_NE(right, rules.begin()) << t.text;
            EXPECT_LE(t.x + geo.textWidth(t.font, t.text), *right) << t.text;
            ++inspected;
        }
    };
    Tfrmgudingjihua fixed;
    fixed.btnala->click();
    fixed.btnprint->click();
    EXPECT_EQ(inspected, 7);
    ui::dialogHooks().saveFile = [&](const QString &, const QString &) -> QString {
        return dir.path() + u("可变.txt");
    };
    Tfrmkeibianjihua variable;
    variable.btnnew->click();
    variable.btnjisuan->click();
    variable.btnsave->click(); // saved: 打印 works again
    variable.btnprint->click();
    EXPECT_GE(inspected, 7 + 8); // the rate's heading may take two lines
    ui::printHooks() = {};
}

} // namespace
} // namespace corvel
