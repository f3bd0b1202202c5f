// The windows 总体过滤, 偏态搜索 and 回补搜索, offscreen: open, run through their buttons,
// the label or message shown.

#include "core/u_public.h"
#include "filters/windows/u_piantai.h"
#include "filters/windows/u_totalfilt.h"
#include "filters/windows/u_yilou.h"
#include "store/textfile.h"
#include "testsupport.h"
#include "ui/barchart.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <random>

using namespace corvel;

namespace {

QString cell(const QTableView *view, int row, int column) {
    return view->model()->index(row, column).data().toString();
}

struct WindowFixture : ::testing::Test {
    test::TempAppDir dir;
    test::MessageLog log;
    QString chosen;
    QString clipboard;

    WindowFixture() {
        ui::dialogHooks().clipboard = [this](const QString &text) { clipboard = text; };
        DirectNumbers = buildDirectNumbers();
        DrawHistory.clear();
        std::mt19937 rng(11);
        for (int i = 0; i < 600; ++i)
            DrawHistory.push_back({2020001 + i, int(rng() % 10), int(rng() % 10), int(rng() % 10)});
        DrawCount = int(DrawHistory.size());
        ui::dialogHooks().openFile = [this](const QString &, const QString &) { return chosen; };
        ui::dialogHooks().saveFile = [this](const QString &, const QString &) { return chosen; };
    }
    ~WindowFixture() override {
        DrawHistory.clear();
        DrawCount = 0;
        DirectNumbers = buildDirectNumbers();
    }
    QString write(const QString &name, const QByteArray &bytes) {
        const QString path = dir.path() + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
};

} // namespace

TEST_F(WindowFixture, TotalFilterRunsLoadsAndConverts) {
    Tfrmtotalfilt w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("总体过滤"));
    EXPECT_EQ(w.lblresult->text(), QStringLiteral("缩水结果："));
    EXPECT_EQ(w.edtnum1->text(), QStringLiteral("0"));
    EXPECT_TRUE(w.btnfilt->isDefault());

    w.chkhe[10]->click();
    w.btnfilt->click();
    EXPECT_EQ(w.lblresult->text(), QStringLiteral("缩水结果：63注  126 元"));
    EXPECT_TRUE(w.memresult->toPlainText().startsWith(QStringLiteral("019 028 037 ")));
    EXPECT_EQ(clipboard, w.memresult->toPlainText());
    EXPECT_EQ(DirectNumbers[0][3], 1);

    // A bad tolerance: the message, and the result stays.
    w.edtnum2->setText(QStringLiteral("x"));
    w.btnfilt->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("'x' 不是一个有效的整形值"));
    EXPECT_EQ(w.lblresult->text(), QStringLiteral("缩水结果：63注  126 元"));
    w.edtnum2->setText(QStringLiteral("0"));

    // A loaded list restricts the next run only.
    chosen = write(QStringLiteral("list.txt"), "007,120  555\r\n019 910 ");
    w.btnload->click();
    EXPECT_EQ(w.lblresult->text(), QStringLiteral("缩水结果：5注  10 元"));
    EXPECT_EQ(w.memresult->toPlainText(), QStringLiteral("007 019 120 555 910 "));
    EXPECT_TRUE(w.loadedListOn());
    EXPECT_EQ(clipboard, w.memresult->toPlainText());
    w.btnfilt->click();
    EXPECT_EQ(w.memresult->toPlainText(), QStringLiteral("019 910 "));
    EXPECT_FALSE(w.loadedListOn());
    w.btnfilt->click();
    EXPECT_EQ(w.lblresult->text(), QStringLiteral("缩水结果：63注  126 元"));
    // A list with a header line is refused; nothing changes.
    chosen = write(QStringLiteral("inv.txt"), "0\r\n2\r\n123\r\n456\r\n");
    w.btnload->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("'' 不是一个有效的整形值"));
    EXPECT_FALSE(w.loadedListOn());
    EXPECT_EQ(w.lblresult->text(), QStringLiteral("缩水结果：63注  126 元"));

    w.memresult->setPlainText(QStringLiteral("123 321 777 "));
    w.btnzhuan->click();
    EXPECT_EQ(w.memresult->toPlainText(), QStringLiteral("123 "));
    EXPECT_EQ(w.lblresult->text(), QStringLiteral("缩水结果：1注  2 元"));

    chosen = dir.path() + QStringLiteral("saved.txt");
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
    EXPECT_EQ(readTextLines(chosen), QStringList{QStringLiteral("123  ")});

    // Tiles toggle and read as the 定位 rows.
    w.tiles[0][1]->click();
    EXPECT_TRUE(w.settings().tiles[0][1]);
    w.findChild<QPushButton *>(QStringLiteral("btnq1"))->click();
    EXPECT_FALSE(w.settings().tiles[0][1]);
    w.findChild<QPushButton *>(QStringLiteral("btns2"))->click();
    EXPECT_TRUE(w.settings().sums[27]);

    w.btncls->click();
    EXPECT_EQ(w.settings(), TotalFilterSettings{});
    EXPECT_EQ(w.lblresult->text(), QStringLiteral("缩水结果："));
    EXPECT_TRUE(w.memresult->toPlainText().isEmpty());
    EXPECT_EQ(DirectNumbers[0][3], 0);
}

TEST_F(WindowFixture, TotalFilterConditionFilesAndBackTest) {
    Tfrmtotalfilt w;
    w.show();
    w.chkhe[10]->click();
    w.findChild<QButtonGroup *>(QStringLiteral("optds2"))->button(1)->click();
    w.edtdan1->setText(QStringLiteral(" 12 "));
    w.chkz[0][2]->click();
    w.edtnum2->setText(QStringLiteral("1"));
    const TotalFilterSettings saved = w.settings();
    EXPECT_EQ(saved.sumKeep, Delete);

    chosen = dir.path() + QStringLiteral("cond.txt");
    w.btnsavetiaojian->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
    w.btncls->click();
    w.btnloadtiaojian->click();
    EXPECT_EQ(w.settings(), saved);

    // A faulty file names its line and changes nothing.
    w.chkzhu6->click();
    const TotalFilterSettings before = w.settings();
    chosen = write(QStringLiteral("bad.txt"), "chkhe=1\nchkxt=27\n");
    w.btnloadtiaojian->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("条件文件第2行：“chkxt”的值“27”不对，应为以空格分隔的0～26之间的序号！"));
    EXPECT_EQ(w.settings(), before);

    w.btncls->click();
    w.chkzhu6->click(); // group six only
    w.edtyanzheng->setText(QStringLiteral("50"));
    w.btnyanzheng->click();
    ASSERT_NE(w.backTestView, nullptr);
    const BackTestResult expected = backTest(DrawHistory, w.settings(), 50);
    EXPECT_EQ(w.backTestView->grdyanzheng->model()->rowCount(), 50);
    EXPECT_EQ(cell(w.backTestView->grdyanzheng, 49, 0), QString::number(DrawHistory.back()[0]));
    EXPECT_EQ(w.backTestView->lblyanzheng->text(), QString::fromStdString(backTestSummary(expected)));
    EXPECT_GT(expected.hits, 0);
    w.edtyanzheng->setText(QStringLiteral("ab"));
    w.btnyanzheng->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("'ab' 不是一个有效的整形值"));
}

TEST_F(WindowFixture, DeviationWindowSearchesAtOnceAndOnDemand) {
    Tfrmpiantai w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("偏态搜索"));
    EXPECT_EQ(log.lastText(), QStringLiteral("以下偏态为系统搜索出的遗漏5周期以上偏态，请重点关注！"));
    EXPECT_EQ(w.compiantai->currentText(), QStringLiteral("5"));
    EXPECT_EQ(w.compiantai->count(), 100);
    EXPECT_TRUE(w.chkpiantai->isChecked());
    EXPECT_FALSE(w.chkbiao->isChecked());
    EXPECT_EQ(w.grdpiantai->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("偏态倍数"));
    for (int r = 0; r < w.listedCount(); ++r) EXPECT_GE(cell(w.grdpiantai, r, 3).toInt(), 5);

    // A typed threshold is the one used and the one quoted.
    w.compiantai->setEditText(QStringLiteral("10"));
    w.btnser->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("以下偏态为系统搜索出的遗漏10周期以上偏态，请重点关注！"));
    for (int r = 0; r < w.listedCount(); ++r) EXPECT_GE(cell(w.grdpiantai, r, 3).toInt(), 10);
    const int listed = w.listedCount();
    w.compiantai->setEditText(QStringLiteral("ten"));
    const size_t messages = log.messages.size();
    w.btnser->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("'ten' 不是一个有效的整形值"));
    EXPECT_EQ(log.messages.size(), messages + 1);
    EXPECT_EQ(w.listedCount(), listed);

    // Unticked: all 1430 items, no message; the chart pages by ten.
    w.chkpiantai->click();
    w.btnser->click();
    EXPECT_EQ(log.messages.size(), messages + 1);
    EXPECT_EQ(w.grdpiantai->model()->rowCount(), 1430);
    EXPECT_EQ(cell(w.grdpiantai, 0, 0), QStringLiteral("百位胆0"));
    EXPECT_EQ(w.findChild<ui::BarChart *>(QStringLiteral("chtpiantai")), w.chtpiantai);
    EXPECT_EQ(w.findChild<QPushButton *>(QStringLiteral("btnlast")), w.btnlast);
    EXPECT_FALSE(w.btnprev->isEnabled());
    w.btnlast->click();
    EXPECT_EQ(w.chtpiantai->page(), 143);
    EXPECT_FALSE(w.btnnext->isEnabled());
    EXPECT_EQ(w.findChild<QLabel *>(QStringLiteral("btnpage"))->text(), QStringLiteral("143/143"));
    EXPECT_EQ(w.chtpiantai->visibleLabels().last(), QStringLiteral("组选奇偶全偶"));
    w.btnprev->click();
    EXPECT_EQ(w.chtpiantai->page(), 142);
    w.btnfirst->click();
    w.btnnext->click();
    EXPECT_EQ(w.chtpiantai->page(), 2);
    w.chkbiao->click();
    EXPECT_TRUE(w.chtpiantai->showValues());
    w.btnclose->click();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(WindowFixture, ReboundWindowListsOnlyItemsSeenAgain) {
    Tfrmyilou w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("回补搜索"));
    EXPECT_EQ(log.lastText(),
              QStringLiteral("以下偏态为系统搜索出的遗漏5周期以上偏态且最近一周期内中出，请重点关注！"));
    ASSERT_EQ(w.grdyilou->model()->columnCount(), 5);
    EXPECT_EQ(w.grdyilou->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("前次遗漏"));
    EXPECT_GT(w.listedCount(), 0);
    for (int r = 0; r < w.listedCount(); ++r) {
        EXPECT_GE(cell(w.grdyilou, r, 4).toInt(), 5);
        EXPECT_LT(cell(w.grdyilou, r, 2).toInt() + cell(w.grdyilou, r, 3).toInt(), DrawCount);
    }
    // Threshold 1 from the list: more items, and no message below 5.
    const int atFive = w.listedCount();
    const size_t before = log.messages.size();
    w.comyilou->setCurrentIndex(0);
    w.btnser->click();
    EXPECT_EQ(log.messages.size(), before);
    EXPECT_GT(w.listedCount(), atFive);
    const size_t messages = log.messages.size();
    w.chkyilou->click();
    w.btnser->click();
    EXPECT_EQ(log.messages.size(), messages);
    EXPECT_EQ(w.listedCount(), 1430);
    EXPECT_EQ(cell(w.grdyilou, 1170, 0), QStringLiteral("偶偶偶"));
}
