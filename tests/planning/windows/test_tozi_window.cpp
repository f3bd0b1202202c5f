// The investment mode analysis window, offscreen: lists, replay, files, printing and the
// search on its worker thread.

#include "core/u_public.h"
#include "planning/replaysearch.h"
#include "planning/windows/u_tozi.h"
#include "shell/windowregistry.h"
#include "store/textfile.h"
#include "testsupport.h"
#include "ui/gridmodel.h"
#include "ui/printing.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <random>

using namespace corvel;

namespace {

class ToziWindow : public ::testing::Test {
protected:
    test::TempAppDir app;
    test::MessageLog log;
    std::unique_ptr<Tfrmtozi> w;

    void SetUp() override {
        LotteryName = "中国福彩3D";
        setHistory(600);
        w = std::make_unique<Tfrmtozi>();
    }
    void TearDown() override {
        w.reset();
        DrawHistory.clear();
        DrawIssues.clear();
    }
    static void setHistory(int n, unsigned seed = 4) {
        std::mt19937 rng(seed);
        DrawHistory.clear();
        for (int i = 0; i < n; ++i)
            DrawHistory.push_back({2020001 + i, int(rng() % 10), int(rng() % 10), int(rng() % 10)});
        DrawCount = n;
    }
    QAbstractItemModel *model(QTableView *view) const { return view->model(); }
    QString cell(QTableView *view, int row, int column) const {
        return model(view)->data(model(view)->index(row, column), Qt::DisplayRole).toString();
    }
    void generate(int count, int kind = 0) {
        w->optzhuzhi->button(kind)->click();
        w->edtjushu->setText(QString::number(count));
        w->btnfilt->click();
    }
    ReplayParams windowParams() const {
        ReplayParams p;
        p.betCount = w->edtjushu->text().toLongLong();
        p.prize = w->edtoutofsin->text().toLongLong();
        p.profitRate = w->edtlirun->text().toLongLong();
        p.singleMax = w->edtsinmax->text().toLongLong();
        p.totalMax = w->edtallmax->text().toLongLong();
        p.observeGap = w->comsepindex->currentText().toInt();
        p.observeRuns = w->comsepnum->currentText().toInt();
        p.waitDraws = w->comtozisep->currentText().toInt();
        p.betDraws = w->comtozirep->currentText().toInt();
        p.carryLoss = w->chkyuji->isChecked();
        return p;
    }
    // Answers the next save or open dialog with `path` and records the proposed name.
    QString proposed;
    void answerSave(const QString &path) {
        ui::dialogHooks().saveFile = [this, path](const QString &, const QString &initial) {
            proposed = initial;
            return path;
        };
    }
    void answerOpen(const QString &path) {
        ui::dialogHooks().openFile = [this, path](const QString &, const QString &initial) {
            proposed = initial;
            return path;
        };
    }
    bool waitIdle(int ms = 30000) {
        return QTest::qWaitFor([&] { return w->btnyouhua->text() == QStringLiteral("搜索") && !w->searching(); }, ms);
    }
};

} // namespace

TEST_F(ToziWindow, StartsWithItsListsAndDefaults) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("投资模式分析"));
    EXPECT_EQ(w->comsepindex->count(), 100);
    EXPECT_EQ(w->comsepnum->count(), 10);
    EXPECT_EQ(w->comtozisep->count(), 51);
    EXPECT_EQ(w->comtozirep->count(), 50);
    EXPECT_EQ(w->comtozisep->itemText(0), QStringLiteral("0"));
    EXPECT_EQ(w->comtozirep->itemText(49), QStringLiteral("50"));
    for (QComboBox *box : {w->comsepindex, w->comsepnum, w->comtozisep, w->comtozirep})
        EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(w->kindIndex(), 0);
    EXPECT_EQ(w->edtjushu->text(), QStringLiteral("100"));
    EXPECT_EQ(w->edtsinmax->text(), QStringLiteral("1000000"));
    EXPECT_TRUE(w->chkyuji->isChecked());
    EXPECT_TRUE(w->chksepmode->isChecked());
    EXPECT_EQ(model(w->grdtozi)->columnCount(), 7);
    EXPECT_EQ(model(w->grdtozi)->headerData(0, Qt::Horizontal).toString(), QStringLiteral("投注时间"));
    EXPECT_EQ(model(w->grdsep)->headerData(1, Qt::Horizontal).toString(), QStringLiteral("中奖间隔"));
    std::unique_ptr<QWidget> made(toolWindowFactory(QStringLiteral("Tfrmtozi"))(nullptr));
    EXPECT_NE(qobject_cast<Tfrmtozi *>(made.get()), nullptr);
}

TEST_F(ToziWindow, RandomListFillsTheGrids) {
    for (QTableView *view : {w->grdcode, w->grdsep, w->grdsepmode, w->grdtozi})
        new QAbstractItemModelTester(model(view), QAbstractItemModelTester::FailureReportingMode::Fatal, w.get());
    generate(50);
    ASSERT_EQ(w->betList().size(), 50u);
    ASSERT_EQ(model(w->grdcode)->rowCount(), 50);
    EXPECT_EQ(cell(w->grdcode, 0, 0), QStringLiteral("1"));
    EXPECT_EQ(cell(w->grdcode, 49, 0), QStringLiteral("50"));
    const Number &n = w->betList()[7];
    EXPECT_EQ(cell(w->grdcode, 7, 1) + cell(w->grdcode, 7, 2) + cell(w->grdcode, 7, 3),
              QString::fromStdString(numberText(n)));

    ASSERT_EQ(model(w->grdsep)->rowCount(), 600);
    const HitColumn hits = buildHitColumn(DrawHistory, {}, BetKind::Direct, w->betList());
    for (int r = 0; r < 600; ++r) {
        EXPECT_EQ(cell(w->grdsep, r, 0), QString::number(DrawHistory[size_t(r)][0]));
        const QString expected =
            hits[size_t(r)].omission == 0 ? QStringLiteral("●") : QString::number(hits[size_t(r)].omission);
        ASSERT_EQ(cell(w->grdsep, r, 1), expected) << r;
    }
    EXPECT_EQ(model(w->grdsepmode)->rowCount(), int(intervalStats(hits).size()));
    EXPECT_GT(model(w->grdsepmode)->rowCount(), 0);

    // Group lists hold ascending digits of their form.
    generate(90, 2);
    for (const Number &g : w->betList()) EXPECT_TRUE(g[0] <= g[1] && g[1] <= g[2]);
}

TEST_F(ToziWindow, HitsShowTheLoadedIssuesWhole) {
    // Issues of 11 digits, as the loader keeps them beside the 32-bit history.
    DrawIssues.clear();
    for (const DrawRow &d : DrawHistory) DrawIssues.push_back(int64_t{20240000000} + d[0]);
    generate(30);
    ASSERT_EQ(model(w->grdsep)->rowCount(), 600);
    EXPECT_EQ(cell(w->grdsep, 0, 0), QStringLiteral("20242020001"));
    EXPECT_EQ(cell(w->grdsep, 599, 0), QString::number(int64_t{20240000000} + DrawHistory[599][0]));

    // Issues that belong to another history are not used.
    DrawIssues.pop_back();
    generate(30);
    EXPECT_EQ(cell(w->grdsep, 0, 0), QStringLiteral("2020001"));
    DrawIssues.clear();
}

TEST_F(ToziWindow, BadCountsAreRefusedAndKeepTheList) {
    generate(20);
    const NumberList before = w->betList();
    generate(1001);
    EXPECT_EQ(log.lastText(), QStringLiteral("请请输入1到1000的直选注数！"));
    generate(121, 3);
    EXPECT_EQ(log.lastText(), QStringLiteral("请请输入1到120的组选6注数！"));
    w->edtjushu->setText(QStringLiteral("abc"));
    w->btnfilt->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("'abc' 不是一个有效的整形值"));
    EXPECT_EQ(w->betList(), before);
}

TEST_F(ToziWindow, AnalysisShowsTheReplayOfTheCurrentParameters) {
    w->btnala->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请生成号码！"));

    generate(100);
    w->comtozisep->setCurrentIndex(2);
    w->comtozirep->setCurrentIndex(4);
    w->btnala->click();
    const ReplayResult expected = replayStrategy(w->hitColumn(), windowParams());
    ASSERT_FALSE(expected.records.empty());
    ASSERT_EQ(model(w->grdtozi)->rowCount(), int(expected.records.size()));
    EXPECT_EQ(cell(w->grdtozi, 0, 1), QString::number(expected.records[0].values.multiple));
    EXPECT_EQ(cell(w->grdtozi, 0, 5), QString::number(expected.records[0].values.net));
    EXPECT_EQ(w->edtallwin->text(), QString::number(expected.surplus));

    // Choosing another kind empties the run records.
    w->optzhuzhi->button(1)->click();
    EXPECT_EQ(model(w->grdtozi)->rowCount(), 0);
    EXPECT_TRUE(w->edtallwin->text().isEmpty());
}

TEST_F(ToziWindow, AbortMessagesAndBadNumbers) {
    generate(100);
    w->edtoutofsin->setText(QStringLiteral("1"));
    w->btnala->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("所需倍数太大，无法投注！"));
    EXPECT_EQ(model(w->grdtozi)->rowCount(), 0);
    EXPECT_EQ(w->edtallwin->text(), QStringLiteral("0"));

    w->edtoutofsin->setText(QStringLiteral("1000"));
    w->edtsinmax->setText(QStringLiteral("100")); // one multiple stakes 200
    w->btnala->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("第一天投入已经超出中奖金额，无法投注！"));

    w->edtlirun->setText(QStringLiteral("1o"));
    w->btnala->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("'1o' 不是一个有效的整形值"));
}

TEST_F(ToziWindow, IntervalModeAndClear) {
    w->comsepindex->setCurrentIndex(5);
    w->comsepnum->setCurrentIndex(3);
    w->chksepmode->click();
    EXPECT_EQ(w->comsepindex->currentIndex(), 0);
    EXPECT_EQ(w->comsepnum->currentIndex(), 0);
    EXPECT_FALSE(w->comsepindex->isEnabled());
    EXPECT_FALSE(w->comsepnum->isEnabled());
    w->chksepmode->click();
    EXPECT_TRUE(w->comsepindex->isEnabled());

    w->comtozirep->setCurrentIndex(9);
    w->chkyuji->setChecked(false);
    w->chksepmode->click();
    w->edtjushu->setText(QStringLiteral("7"));
    w->btnclear->click();
    EXPECT_EQ(w->comtozirep->currentIndex(), 0);
    EXPECT_EQ(w->edtsinmax->text(), QStringLiteral("10000"));
    EXPECT_EQ(w->edtallmax->text(), QStringLiteral("100000"));
    EXPECT_EQ(w->edtjushu->text(), QStringLiteral("100"));
    EXPECT_TRUE(w->chkyuji->isChecked());
    EXPECT_TRUE(w->chksepmode->isChecked());
    EXPECT_TRUE(w->comsepnum->isEnabled());
}

TEST_F(ToziWindow, ListSettingsAndCombinedFilesRoundTrip) {
    generate(60, 1);
    w->comtozisep->setCurrentIndex(3);
    w->comtozirep->setCurrentIndex(7);
    w->comsepindex->setCurrentIndex(2);
    w->comsepnum->setCurrentIndex(1);
    w->edtlirun->setText(QStringLiteral("15"));
    w->chkyuji->setChecked(false);

    const QString listPath = app.path() + QStringLiteral("list.txt"), setPath = app.path() + QStringLiteral("set.txt"),
                  bothPath = app.path() + QStringLiteral("both.txt");
    answerSave(listPath);
    w->mnucodesave->trigger();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
    EXPECT_EQ(proposed, app.path() + QStringLiteral("附属/中国福彩3D全组选投资模式投注号码.txt"));
    const QStringList listLines = readTextLines(listPath);
    EXPECT_EQ(listLines.mid(0, 2), (QStringList{QStringLiteral("1"), QStringLiteral("60")}));
    answerSave(setPath);
    w->mnusetsave->trigger();
    EXPECT_EQ(proposed, app.path() + QStringLiteral("附属/中国福彩3D全组选投资模式设置.txt"));
    EXPECT_EQ(readTextLines(setPath),
              (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("2"),
                           QStringLiteral("1"), QStringLiteral("1000000"), QStringLiteral("1000000"),
                           QStringLiteral("60"), QStringLiteral("1000"), QStringLiteral("15"), QStringLiteral("0"),
                           QStringLiteral("1"), QStringLiteral("1")}));
    answerSave(bothPath);
    w->mnubothsave->trigger();
    EXPECT_EQ(readTextLines(bothPath).size(), 13 + 1 + 60);

    // A fresh window reads them back.
    Tfrmtozi other;
    answerOpen(listPath);
    other.mnucodeload->trigger();
    EXPECT_EQ(proposed, app.path() + QStringLiteral("附属/中国福彩3D直选投资模式投注号码.txt"));
    EXPECT_EQ(other.betList(), w->betList());
    EXPECT_EQ(other.kindIndex(), 1);
    EXPECT_EQ(other.edtjushu->text(), QStringLiteral("60"));
    EXPECT_EQ(other.hitColumn().size(), 600u);

    Tfrmtozi third;
    answerOpen(bothPath);
    third.mnubothload->trigger();
    EXPECT_EQ(proposed, app.path() + QStringLiteral("附属/中国福彩3D直选投资模式投注号码和设置.txt"));
    EXPECT_EQ(third.betList(), w->betList());
    EXPECT_EQ(third.comtozisep->currentIndex(), 3);
    EXPECT_EQ(third.comtozirep->currentIndex(), 7);
    EXPECT_EQ(third.comsepindex->currentIndex(), 2);
    EXPECT_EQ(third.comsepnum->currentIndex(), 1);
    EXPECT_FALSE(third.chkyuji->isChecked());
    EXPECT_EQ(third.edtlirun->text(), QStringLiteral("15"));
    // Loading both runs the replay.
    const ReplayResult replay = replayStrategy(third.hitColumn(), windowParams());
    EXPECT_EQ(third.edtallwin->text(), QString::number(replay.surplus));
    EXPECT_EQ(third.lastReplay().records.size(), replay.records.size());
}

TEST_F(ToziWindow, SettingsFileStoresItemIndexes) {
    const QString path = app.path() + QStringLiteral("set.txt");
    writeTextLines(path, {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("4"),
                          QStringLiteral("2"), QStringLiteral("5000"), QStringLiteral("60000"), QStringLiteral("100"),
                          QStringLiteral("1000"), QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("0"),
                          QStringLiteral("3")});
    answerOpen(path);
    w->mnusetload->trigger();
    EXPECT_EQ(w->comtozisep->currentText(), QStringLiteral("0")); // stored 0 → W = 0
    EXPECT_EQ(w->comtozirep->currentText(), QStringLiteral("1")); // stored 0 → L = 1
    // Without the interval mode T and R fall back to their first items.
    EXPECT_EQ(w->comsepindex->currentText(), QStringLiteral("1"));
    EXPECT_EQ(w->comsepnum->currentText(), QStringLiteral("1"));
    EXPECT_FALSE(w->comsepindex->isEnabled());
    EXPECT_EQ(w->kindIndex(), 3); // the last line
    EXPECT_EQ(w->edtallmax->text(), QStringLiteral("60000"));

    writeTextLines(path, {QStringLiteral("0"), QStringLiteral("51"), QStringLiteral("0"), QStringLiteral("4"),
                          QStringLiteral("2"), QStringLiteral("5000"), QStringLiteral("60000"), QStringLiteral("100"),
                          QStringLiteral("1000"), QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("1"),
                          QStringLiteral("0")});
    w->mnusetload->trigger();
    EXPECT_EQ(log.lastText(), QStringLiteral("列表索引越界 (51)"));
    EXPECT_EQ(w->edtallmax->text(), QStringLiteral("60000")); // nothing applied

    // A text the loader would refuse is not saved either.
    const QString typo = app.path() + QStringLiteral("typo.txt");
    generate(20);
    w->edtallmax->setText(QStringLiteral("6OOOO"));
    answerSave(typo);
    for (QAction *save : {w->mnusetsave, w->mnubothsave}) {
        log.messages.clear();
        save->trigger();
        EXPECT_EQ(log.lastText(), QStringLiteral("'6OOOO' 不是一个有效的整形值"));
        EXPECT_FALSE(QFile::exists(typo));
    }
}

TEST_F(ToziWindow, EmptyListIsNeitherSavedNorPrinted) {
    answerSave(app.path() + QStringLiteral("x.txt"));
    w->mnucodesave->trigger();
    EXPECT_EQ(log.lastText(), QStringLiteral("请生成号码！"));
    w->mnubothsave->trigger();
    EXPECT_EQ(log.lastText(), QStringLiteral("请生成号码！"));
    EXPECT_FALSE(QFile::exists(app.path() + QStringLiteral("x.txt")));
    ui::printHooks().pdfPath = app.path() + QStringLiteral("x.pdf");
    w->mnucodeprint->trigger();
    EXPECT_EQ(log.lastText(), QStringLiteral("请先生成表格！"));
    EXPECT_FALSE(QFile::exists(app.path() + QStringLiteral("x.pdf")));
}

TEST_F(ToziWindow, PrintsTheListOnTwoPagesAndTheSettingsOnOne) {
    generate(80);
    ui::printHooks().pdfPath = app.path() + QStringLiteral("list.pdf");
    w->mnucodeprint->trigger();
    EXPECT_EQ(test::pdfPageCount(app.path() + QStringLiteral("list.pdf")), 2);
    ui::printHooks().pdfPath = app.path() + QStringLiteral("settings.pdf");
    w->mnusetprint->trigger();
    EXPECT_EQ(test::pdfPageCount(app.path() + QStringLiteral("settings.pdf")), 1);
    EXPECT_FALSE(log.contains(QStringLiteral("请安装打印机！")));
}

TEST_F(ToziWindow, SearchRunsOnTheWorkerAndShowsTheBest) {
    w->btnyouhua->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请生成号码！"));
    EXPECT_EQ(w->btnyouhua->text(), QStringLiteral("搜索"));

    generate(100);
    w->comsepindex->setCurrentIndex(1);
    const ReplayParams params = windowParams();
    const std::atomic<bool> go{false};
    const SearchResult expected = searchStrategy(w->hitColumn(), params, searchSpace(true), go);

    w->btnyouhua->click();
    EXPECT_EQ(w->btnyouhua->text(), QStringLiteral("停止搜索"));
    EXPECT_TRUE(w->searching());
    EXPECT_FALSE(w->btnala->isEnabled());
    EXPECT_FALSE(w->grpparams->isEnabled());
    EXPECT_FALSE(w->tlbtnsave->isEnabled());
    EXPECT_EQ(w->prgsearch->maximum(), 25500);
    EXPECT_FALSE(w->prgsearch->isHidden());
    ASSERT_TRUE(waitIdle());

    EXPECT_EQ(w->comsepnum->currentIndex(), expected.rIndex);
    EXPECT_EQ(w->comtozisep->currentIndex(), expected.wIndex);
    EXPECT_EQ(w->comtozirep->currentIndex(), expected.lIndex);
    EXPECT_EQ(w->comsepindex->currentIndex(), 1); // T is never searched
    const ReplayResult best = replayStrategy(w->hitColumn(), windowParams());
    EXPECT_EQ(w->edtallwin->text(), QString::number(best.surplus));
    EXPECT_EQ(model(w->grdtozi)->rowCount(), int(best.records.size()));
    EXPECT_TRUE(w->btnala->isEnabled());
    EXPECT_TRUE(w->grpparams->isEnabled());
    EXPECT_TRUE(w->prgsearch->isHidden());
    // The settings boxes changed: a status line says to what and what they give.
    EXPECT_EQ(w->lblsearch->text(),
              QStringLiteral("搜索完成，最佳：观察间隔连续次数 %1，中出后间隔期数 %2，连续投入期数 %3；"
                             "总体赢余 %4")
                  .arg(w->comsepnum->currentText(), w->comtozisep->currentText(), w->comtozirep->currentText(),
                       QString::number(best.surplus)));
    w->btnclear->click();
    EXPECT_TRUE(w->lblsearch->text().isEmpty());
}

TEST_F(ToziWindow, SearchWithoutIntervalModeAndStopping) {
    setHistory(12000, 9);
    generate(100);
    w->chksepmode->click();
    w->btnyouhua->click();
    EXPECT_EQ(w->prgsearch->maximum(), 2550);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(w->comsepnum->currentIndex(), 0);

    w->chksepmode->click();
    w->btnyouhua->click();
    EXPECT_EQ(w->lblsearch->text(), QStringLiteral("正在搜索…"));
    w->btnyouhua->click(); // 停止搜索
    ASSERT_TRUE(waitIdle());
    EXPECT_TRUE(w->lblsearch->text().startsWith(QStringLiteral("搜索已停止，目前最佳：")));
    EXPECT_TRUE(w->btnfilt->isEnabled());
    EXPECT_FALSE(w->edtallwin->text().isEmpty());
}

TEST_F(ToziWindow, ClosingOnlyHidesAndAWindowGoingAwayStopsItsSearch) {
    w->show();
    generate(30);
    w->btnclose->click();
    EXPECT_TRUE(w->isHidden());
    EXPECT_EQ(w->betList().size(), 30u);

    setHistory(12000, 3);
    generate(100);
    w->btnyouhua->click();
    const QPointer<Ttozithread> worker = w->worker();
    ASSERT_FALSE(worker.isNull());
    ASSERT_TRUE(worker->isRunning());
    w.reset(); // stops the worker and waits for it
    ASSERT_TRUE(worker.isNull() || worker->isFinished());
    EXPECT_TRUE(QTest::qWaitFor([&] { return worker.isNull(); }, 5000)); // and it frees itself
}
