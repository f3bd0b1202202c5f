// The cold-code, exclusion, interval and omission windows, offscreen: each opened,
// run through its buttons and read back from what it shows.

#include "core/u_public.h"
#include "filters/windows/u_duoyilou.h"
#include "filters/windows/u_gujian.h"
#include "filters/windows/u_sujifilt.h"
#include "filters/windows/u_zhongpai.h"
#include "randomhistory.h"
#include "store/textfile.h"
#include "testsupport.h"
#include "ui/gridmodel.h"
#include "ui/printing.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

class Filters2Window : public ::testing::Test {
protected:
    test::TempAppDir app;
    test::MessageLog log;
    std::string oldName = LotteryName;
    QString proposed;
    QString chosen;

    Filters2Window() {
        LotteryName = "中国福彩3D";
        setHistory(test::randomHistory(800, 17));
        ui::dialogHooks().saveFile = [this](const QString &, const QString &initial) {
            proposed = initial;
            return chosen;
        };
        ui::dialogHooks().openFile = [this](const QString &, const QString &initial) {
            proposed = initial;
            return chosen;
        };
    }
    ~Filters2Window() override {
        LotteryName = oldName;
        DrawHistory.clear();
        DrawCount = 0;
    }
    static void setHistory(const DrawTable &draws) {
        DrawHistory = draws;
        DrawCount = static_cast<int32_t>(draws.size());
    }
    static QString cell(QTableView *view, int row, int column) {
        return view->model()->data(view->model()->index(row, column), Qt::DisplayRole).toString();
    }
    static QString gridNumber(QTableView *view, int row) {
        return cell(view, row, 1) + cell(view, row, 2) + cell(view, row, 3);
    }
};

} // namespace

TEST_F(Filters2Window, ColdCodeSearchShowsTheListTheMemoAndSavesItsOwnForm) {
    Tfrmsujifilt w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("冷码搜索"));
    EXPECT_EQ(w.edtjushu->text(), QStringLiteral("450"));
    EXPECT_TRUE(w.edtyilou->text().isEmpty());
    EXPECT_TRUE(w.btnfilt->isDefault());

    w.edtjushu->setText(QStringLiteral("1000"));
    w.btnfilt->click();
    QAbstractItemModelTester tester(w.grdsuijicode->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(w.grdsuijicode->model()->rowCount(), 1000);
    EXPECT_EQ(gridNumber(w.grdsuijicode, 0), QStringLiteral("000"));
    EXPECT_EQ(cell(w.grdsuijicode, 999, 0), QStringLiteral("1000"));
    EXPECT_EQ(w.edtyilou->text(), QStringLiteral("1"));
    const QStringList memo = w.memsuijifilt->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(memo.size(), 8);
    EXPECT_EQ(memo[0], QStringLiteral("中奖期数：800"));
    EXPECT_EQ(memo[6], QStringLiteral("平均间隔：1.0"));

    // A group limit leaves the list as it was.
    w.optzhizhu->button(2)->click();
    w.edtjushu->setText(QStringLiteral("91"));
    w.btnfilt->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("组三注数不能大于90,请输入正确的号码注数！"));
    EXPECT_EQ(w.grdsuijicode->model()->rowCount(), 1000);
    w.edtjushu->setText(QStringLiteral("abc"));
    w.btnfilt->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("'abc' 不是一个有效的整形值"));

    w.edtjushu->setText(QStringLiteral("20"));
    w.btnfilt->click();
    EXPECT_EQ(w.grdsuijicode->model()->rowCount(), 20);
    const NumberList list = w.numbers();
    chosen = app.path() + QStringLiteral("cold.txt");
    w.btnsave->click();
    EXPECT_EQ(proposed, app.path() + QStringLiteral("附属/中国福彩3D组选3冷码搜索投注号码.txt"));
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
    const QStringList saved = readTextLines(chosen);
    EXPECT_EQ(saved[0], QStringLiteral("组选3共20注"));
    EXPECT_EQ(saved.size(), 3);

    w.optzhizhu->button(0)->click();
    w.edtjushu->setText(QStringLiteral("5"));
    w.btnfilt->click();
    w.btnload->click();
    EXPECT_EQ(w.numbers(), list);
    EXPECT_EQ(w.optzhizhu->checkedId(), 2);
    EXPECT_EQ(w.edtjushu->text(), QStringLiteral("20"));

    w.btncopy->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().count(QLatin1Char(' ')), 20);

    ui::printHooks().pdfPath = app.path() + QStringLiteral("cold.pdf");
    w.btnprint->click();
    EXPECT_TRUE(QFile::exists(ui::printHooks().pdfPath));

    // A file that is no list is refused and changes nothing.
    chosen = app.path() + QStringLiteral("garbage.txt");
    writeTextLines(chosen, {QStringLiteral("直选共3注"), QStringLiteral("12x 456")});
    w.btnload->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("'x' 不是一个有效的整形值"));
    EXPECT_EQ(w.numbers(), list);

    w.btnclose->click();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(Filters2Window, ExclusionRunsTheTickedRulesWithTheTolerance) {
    Tfrmzhongpai w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("综合立体全位排杀选号"));
    EXPECT_EQ(w.edtyilou->text(), QStringLiteral("100"));
    EXPECT_EQ(w.edtdanmanum->text(), QStringLiteral("1"));
    EXPECT_EQ(w.edtyongcuo->text(), QStringLiteral("0"));

    w.btnfilt->click();
    EXPECT_EQ(w.lbljushu->text(), QStringLiteral("1000  2000 元"));
    QAbstractItemModelTester tester(w.grdcode->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);

    w.chkbai->click();
    w.edtbai->setText(QStringLiteral("0123456789"));
    w.btnfilt->click();
    EXPECT_EQ(w.lbljushu->text(), QStringLiteral("0  0 元"));
    w.edtyongcuo->setText(QStringLiteral("1"));
    w.btnfilt->click();
    EXPECT_EQ(w.lbljushu->text(), QStringLiteral("1000  2000 元"));

    w.chkdanma->click();
    w.edtdanma->setText(QStringLiteral("58"));
    w.edtdanmanum->setText(QStringLiteral("2"));
    w.edtyongcuo->setText(QStringLiteral("1"));
    w.chkbai->click(); // off
    w.edtyongcuo->setText(QStringLiteral("0"));
    w.btnfilt->click();
    EXPECT_EQ(w.lbljushu->text(), QStringLiteral("54  108 元"));
    EXPECT_EQ(gridNumber(w.grdcode, 0), QStringLiteral("058"));

    // A malformed junk item is refused before the run; the list stays.
    w.chklaji->click();
    w.edtlaji->setText(QStringLiteral("12*3"));
    w.btnfilt->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("列表索引越界 (2)"));
    EXPECT_EQ(w.lbljushu->text(), QStringLiteral("54  108 元"));
    w.chklaji->click();

    chosen = app.path() + QStringLiteral("kept.txt");
    w.btnsave->click();
    EXPECT_EQ(proposed, app.path() + QStringLiteral("附属/中国福彩3D直选投注号码.txt"));
    const QStringList saved = readTextLines(chosen);
    EXPECT_EQ(saved.size(), 6);
    EXPECT_TRUE(saved[0].startsWith(QStringLiteral("058 085 158 ")));

    w.btnclear->click();
    EXPECT_TRUE(w.edtdanma->text().isEmpty());
    EXPECT_EQ(w.edtdanmanum->text(), QStringLiteral("1"));
    EXPECT_TRUE(w.chkdanma->isChecked());
    EXPECT_EQ(w.edtyilou->text(), QStringLiteral("100"));
    EXPECT_EQ(w.grdcode->model()->rowCount(), 0);
}

TEST_F(Filters2Window, OmissionStatisticsAndFilterAtAnyPredictionIssue) {
    Tfrmduoyilou w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("多重遗漏排除选号超稳大底"));
    EXPECT_EQ(w.comcurqi->count(), 801);
    EXPECT_EQ(w.comcurqi->currentText(), QString::number(DrawHistory.back()[0] + 1));
    EXPECT_EQ(w.lblkaijiang->text(), QStringLiteral("目前开奖："));
    ASSERT_EQ(w.grdtongji->model()->rowCount(), 800);
    QAbstractItemModelTester tester(w.grdtongji->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(w.grdtongji->verticalScrollBar()->value(), w.grdtongji->verticalScrollBar()->maximum());

    w.chkyilou1->click();
    w.chkyilou2->click();
    w.btntongji->click();
    for (int r = 0; r < 800; r += 97) EXPECT_EQ(cell(w.grdtongji, r, 4), QStringLiteral("中"));
    w.btngencode->click();
    EXPECT_EQ(w.lbljushu->text(), QStringLiteral("号码注数：1000  2000 元"));
    EXPECT_EQ(QGuiApplication::clipboard()->text().count(QLatin1Char(' ')), 1000);

    w.chkyilou1->click();
    w.chkyilou2->click();
    w.comcurqi->setCurrentIndex(500);
    emit w.comcurqi->activated(500); // chosen by the user
    const DrawRow &d = DrawHistory[500];
    EXPECT_EQ(w.lblkaijiang->text(),
              QStringLiteral("目前开奖：") + QString::fromStdString(numberText({d[1], d[2], d[3]})));
    w.btngencode->click();
    const NumberList expected = omissionFilter(DrawHistory, omissionStatistics(DrawHistory, {}), 500, {});
    EXPECT_EQ(w.numbers(), expected);
    EXPECT_EQ(w.lbljushu->text(), QStringLiteral("号码注数：%1  %2 元").arg(expected.size()).arg(expected.size() * 2));

    w.edtsep12->setText(QStringLiteral("x"));
    w.btngencode->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("'x' 不是一个有效的整形值"));
    EXPECT_EQ(w.numbers(), expected);
}

TEST_F(Filters2Window, IntervalSearchRunsOnTheWorkerAndVerifiesTheStages) {
    Tfrmgujian w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("无穷最优间隔选号"));
    EXPECT_EQ(w.edtjian1->text(), QStringLiteral("500"));
    EXPECT_EQ(w.edtjushu->text(), QStringLiteral("1000"));
    EXPECT_EQ(w.comjieduannum->currentText(), QStringLiteral("200"));
    EXPECT_FALSE(w.comjieduannum->isEnabled());
    EXPECT_EQ(w.startIndex(), 800);
    EXPECT_EQ(w.comindex->count(), 200);
    EXPECT_EQ(w.comindex->itemText(0), QStringLiteral("01:") + QString::number(DrawHistory.back()[0] + 1));
    w.opttype1->button(0)->click();
    EXPECT_TRUE(w.comjieduannum->isEnabled());
    w.opttype1->button(1)->click();
    w.optmode->button(1)->click();
    EXPECT_EQ(w.edtjian1->text(), QStringLiteral("50"));
    w.optmode->button(0)->click();
    EXPECT_EQ(w.edtjian1->text(), QStringLiteral("5000"));

    // The threshold is beyond any interval 800 draws can hold.
    w.btnfilt->click();
    EXPECT_FALSE(w.searching());
    EXPECT_TRUE(log.lastText().startsWith(QStringLiteral("间隔范围不能大于799")));

    // Ten draws back: stages 1 … 10 can be verified.
    w.comcurqi->setCurrentIndex(790);
    emit w.comcurqi->activated(790); // chosen by the user
    EXPECT_EQ(w.startIndex(), 790);
    w.edtjian1->setText(QStringLiteral("100"));
    w.edtjushu->setText(QStringLiteral("300"));
    w.setSeed(12345);
    w.btnfilt->click();
    EXPECT_TRUE(w.searching());
    EXPECT_FALSE(w.btnfilt->isEnabled());
    EXPECT_TRUE(w.btnstop->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.searching(); }, 20000));
    EXPECT_FALSE(w.pb->isVisible());
    ASSERT_TRUE(w.result());
    EXPECT_EQ(w.result()->collected, 300);
    const int shown = static_cast<int>(w.numbers().size());
    EXPECT_GT(shown, 0);
    EXPECT_LE(shown, 300);
    EXPECT_EQ(w.lbljushu->text(), QStringLiteral("号码注数：%1  %2 元").arg(shown).arg(shown * 2));
    EXPECT_EQ(w.grdcode->model()->rowCount(), shown);

    w.btnyanzheng->click();
    EXPECT_EQ(w.pgc->currentIndex(), 1);
    ASSERT_EQ(w.grdyanzheng->model()->rowCount(), 200);
    const DrawRow &d = DrawHistory[790];
    EXPECT_EQ(cell(w.grdyanzheng, 0, 1), QString::fromStdString(numberText({d[1], d[2], d[3]})));
    EXPECT_EQ(cell(w.grdyanzheng, 10, 1), QStringLiteral("未开"));
    EXPECT_TRUE(log.lastText().startsWith(QStringLiteral("中出次数：")));

    w.comindex->setCurrentIndex(15);
    emit w.comindex->activated(15); // chosen by the user
    EXPECT_EQ(w.lblkaijiang->text(), QStringLiteral("目前开奖:"));
    EXPECT_EQ(w.pgc->currentIndex(), 0);

    chosen = app.path() + QStringLiteral("interval.txt");
    w.btnsave->click();
    EXPECT_EQ(proposed, app.path() + QStringLiteral("附属/"));
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));

    // A search that cannot end soon is ended by "停止" with what it has.
    w.edtjian1->setText(QStringLiteral("780"));
    w.edtjushu->setText(QStringLiteral("2000"));
    w.btnfilt->click();
    ASSERT_TRUE(w.searching());
    QTest::qWait(100);
    w.btnstop->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.searching(); }, 20000));
    ASSERT_TRUE(w.result());
    EXPECT_TRUE(w.result()->stopped);
    EXPECT_TRUE(w.btnfilt->isEnabled());

    // The first issue cannot be the start issue.
    w.comcurqi->setCurrentIndex(0);
    emit w.comcurqi->activated(0); // chosen by the user
    EXPECT_EQ(w.startIndex(), 790);
    EXPECT_EQ(w.comcurqi->currentIndex(), 790);

    // The repeated runs go back from the newest draw and can be stopped too.
    w.edtjian1->setText(QStringLiteral("100"));
    w.edtjushu->setText(QStringLiteral("50"));
    // A double click on the window itself, off its controls.
    QPoint bare;
    for (int y = 1; y < w.height() && bare.isNull(); y += 2)
        for (int x = 1; x < w.width() && bare.isNull(); x += 2)
            if (!w.childAt(QPoint(x, y))) bare = QPoint(x, y);
    ASSERT_FALSE(bare.isNull());
    QTest::mouseDClick(&w, Qt::LeftButton, {}, bare);
    ASSERT_TRUE(w.searching());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.runsDone() >= 2; }, 20000));
    w.btnstop->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.searching(); }, 20000));
    EXPECT_LT(w.runsDone(), 200);
    EXPECT_EQ(w.resultStart(), 800 - w.runsDone());
    EXPECT_EQ(w.startIndex(), w.resultStart());
}

TEST_F(Filters2Window, ExclusionConditionsSaveAndLoadBack) {
    Tfrmzhongpai w;
    w.show();
    w.chkrma->click();
    w.edtrma->setText(QStringLiteral("35 11"));
    w.chkyilou->click();
    w.edtyilou->setText(QStringLiteral("5"));
    w.edtyongcuo->setText(QStringLiteral("1"));
    chosen = app.path() + QStringLiteral("cond.txt");
    w.btnsavecond->click();
    EXPECT_EQ(proposed, app.path() + QStringLiteral("附属/中国福彩3D综合排除条件.txt"));
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
    const QByteArray saved = readFileBytes(chosen);
    EXPECT_TRUE(saved.contains("edtrma=35 11\r\n"));

    w.btnclear->click();
    w.chkrma->click();
    w.chkyilou->click();
    w.btnloadcond->click();
    EXPECT_TRUE(w.chkrma->isChecked());
    EXPECT_EQ(w.edtrma->text(), QStringLiteral("35 11"));
    EXPECT_TRUE(w.chkyilou->isChecked());
    EXPECT_EQ(w.edtyilou->text(), QStringLiteral("5"));
    EXPECT_EQ(w.edtyongcuo->text(), QStringLiteral("1"));

    // An unknown key refuses the whole file and changes nothing.
    chosen = app.path() + QStringLiteral("bad.txt");
    writeFileBytes(chosen, QByteArray("chkbai=1\r\nedtbai=5\r\nchkxyz=1\r\n"));
    w.btnloadcond->click();
    EXPECT_TRUE(log.lastText().contains(QStringLiteral("3"))) << log.lastText().toStdString();
    EXPECT_FALSE(w.chkbai->isChecked());
    EXPECT_TRUE(w.edtbai->text().isEmpty());
    // Not UTF-8 text.
    writeFileBytes(chosen, toGbk(QStringLiteral("edtbai=中文\r\n")));
    w.btnloadcond->click();
    EXPECT_TRUE(log.lastText().contains(QStringLiteral("UTF-8")));
    EXPECT_TRUE(w.edtbai->text().isEmpty());
}
