// "历史回测" through the windows: the button of every list tool window opens the back-test
// window with the window's current settings, and its run shows what the engine's run of the
// same tool gives; 停止 and closing keep the draws done; bad input runs nothing; the CSV
// file and the printout hold the table and the summary.

#include "core/usererror.h"
#include "filters/coldcode.h"
#include "filters/exclusion.h"
#include "filters/totalfilter.h"
#include "filters/windows/u_duoyilou.h"
#include "filters/windows/u_gujian.h"
#include "filters/windows/u_sujifilt.h"
#include "filters/windows/u_totalfilt.h"
#include "filters/windows/u_zhongpai.h"
#include "generators/windows/batchwork.h"
#include "generators/windows/u_dingweidan.h"
#include "generators/windows/u_fushi.h"
#include "generators/windows/u_gensui.h"
#include "generators/windows/u_gensui2.h"
#include "generators/windows/u_jiaoqi.h"
#include "planning/backtestsheet.h"
#include "planning/backtesttools.h"
#include "planning/windows/u_huice.h"
#include "store/textfile.h"
#include "ui/chartpanel.h"
#include "ui/gridmodel.h"
#include "ui/printing.h"
#include "ui/qtext.h"

#include "generators/windows/generators2windows.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QThread>
#include <algorithm>

using namespace corvel;

namespace {

class BacktestWindow : public test::GeneratorWindowTest {
protected:
    void SetUp() override {
        GeneratorWindowTest::SetUp();
        LotteryName = "中国福彩3D";
        DirectNumbers = buildDirectNumbers();
        DrawIssues.clear();
        QSettings().remove(QStringLiteral("backtest"));
    }
    void TearDown() override {
        LotteryName.clear();
        DirectNumbers = buildDirectNumbers();
        ui::printHooks() = {};
        GeneratorWindowTest::TearDown();
    }

    // Presses "历史回测" in the tool window: its back-test window, or null.
    static Tfrmhuice *pressBacktest(QWidget *toolWindow) {
        auto *button = toolWindow->findChild<QPushButton *>(QStringLiteral("btnhuice"));
        EXPECT_NE(button, nullptr);
        if (!button) return nullptr;
        EXPECT_EQ(button->text(), QStringLiteral("历史回测"));
        button->click();
        return toolWindow->findChild<Tfrmhuice *>(QString(), Qt::FindDirectChildrenOnly);
    }

    // "开始回测" over the newest `draws` draws, waited for.
    static const BacktestRun &start(Tfrmhuice *w, int draws) {
        w->edtqishu->setText(QString::number(draws));
        w->btnstart->click();
        EXPECT_TRUE(waitIdle(w->runner()));
        return w->run();
    }

    // The window shows the engine's run: every row, the summary and the chart.
    static void expectShows(const Tfrmhuice *w, const BacktestRun &expected) {
        const BacktestRun &shown = w->run();
        ASSERT_EQ(shown.rows.size(), expected.rows.size());
        for (size_t i = 0; i < expected.rows.size(); ++i) {
            const BacktestRow &a = shown.rows[i], &b = expected.rows[i];
            EXPECT_EQ(a.position, b.position);
            EXPECT_EQ(a.count, b.count) << "row " << i;
            EXPECT_EQ(a.outcome, b.outcome) << "row " << i;
            EXPECT_EQ(a.net, b.net) << "row " << i;
            EXPECT_EQ(a.winningDraws, b.winningDraws) << "row " << i;
        }
        EXPECT_FALSE(shown.stopped);
        EXPECT_EQ(w->memsummary->toPlainText(), toQLines(backtestSummaryLines(expected)).join(QLatin1Char('\n')));
        ASSERT_EQ(w->model()->rowCount(), int(expected.rows.size()));
        const BacktestRow &last = expected.rows.back();
        EXPECT_EQ(w->model()->cellText(int(expected.rows.size()) - 1, 5), QString::number(last.net));
        EXPECT_EQ(w->chartPanel()->chart()->barCount(), int(expected.rows.size()));
    }

    static BacktestRun engineRun(int draws, const ListTool &tool) {
        BacktestSettings s;
        s.draws = draws;
        return runBacktest(DrawHistory, s, tool);
    }
};

} // namespace

TEST_F(BacktestWindow, ColdSearchBetsItsKindAndCount) {
    Tfrmsujifilt w;
    w.show();
    w.optzhizhu->button(3)->click(); // 组选6
    w.edtjushu->setText(QStringLiteral("40"));
    Tfrmhuice *b = pressBacktest(&w);
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(b->windowTitle(), QStringLiteral("历史回测：冷码搜索《中国福彩3D》"));
    EXPECT_EQ(b->edtqishu->text(), QStringLiteral("100"));
    EXPECT_EQ(b->edtdanjia->text(), QStringLiteral("2"));
    EXPECT_EQ(b->edtzhixuan->text(), QStringLiteral("1040"));
    EXPECT_EQ(b->edtzusan->text(), QStringLiteral("346"));
    EXPECT_EQ(b->edtzuliu->text(), QStringLiteral("173"));
    start(b, 100);
    expectShows(b, engineRun(100, coldTool(BetKind::Group6, 40)));
    EXPECT_EQ(b->lblstatus->text(), QStringLiteral("完成100期"));

    // Pressed again after a change: the same window, the new settings, the old results gone.
    w.optzhizhu->button(0)->click();
    EXPECT_EQ(pressBacktest(&w), b);
    EXPECT_TRUE(b->run().rows.empty());
    EXPECT_EQ(b->model()->rowCount(), 0);
    start(b, 60);
    expectShows(b, engineRun(60, coldTool(BetKind::Direct, 40)));
    EXPECT_EQ(w.findChildren<Tfrmhuice *>().size(), 1);
}

TEST_F(BacktestWindow, ExclusionOmissionAndBothFollowWindows) {
    {
        Tfrmzhongpai w;
        w.chkyilou->click();
        w.edtyilou->setText(QStringLiteral("10"));
        Tfrmhuice *b = pressBacktest(&w);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->windowTitle(), QStringLiteral("历史回测：综合立体全位排杀《中国福彩3D》"));
        start(b, 120);
        expectShows(b, engineRun(120, exclusionTool(w.settings(), ToolPath::Literal)));
    }
    {
        Tfrmduoyilou w;
        w.edtsep11->setText(QStringLiteral("5"));
        w.edtsep21->setText(QStringLiteral("10"));
        Tfrmhuice *b = pressBacktest(&w);
        ASSERT_NE(b, nullptr);
        start(b, 100);
        expectShows(b, engineRun(100, omissionTool(w.texts().read(), ToolPath::Literal)));
    }
    for (const FollowKind kind : {FollowKind::Group, FollowKind::Direct}) {
        std::unique_ptr<FollowWindow> w;
        if (kind == FollowKind::Group)
            w = std::make_unique<Tfrmgensui>();
        else
            w = std::make_unique<Tfrmgensui2>();
        w->optnum->button(1)->click(); // two digits
        w->edtpaichu->setText(QStringLiteral("15"));
        Tfrmhuice *b = pressBacktest(w.get());
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->tool().name,
                  kind == FollowKind::Group ? QStringLiteral("组选跟随选号") : QStringLiteral("直选跟随选号"));
        start(b, 50);
        FollowSettings statistics;
        statistics.width = 2;
        FilterSettings filter;
        filter.excludeCount = 15;
        expectShows(b, engineRun(50, followTool(kind, statistics, filter, ToolPath::Literal)));
    }
}

TEST_F(BacktestWindow, TotalFilterBetsItsListAsShownAndAsGroups) {
    Tfrmtotalfilt w;
    w.chkhe[10]->click();
    w.btnfilt->click();
    Tfrmhuice *b = pressBacktest(&w);
    ASSERT_NE(b, nullptr);
    start(b, 200);
    DirectNumberTable numbers = buildDirectNumbers();
    const std::vector<int> kept = runTotalFilter(numbers, w.settings(), false);
    ASSERT_EQ(kept.size(), 63u);
    ToolList direct;
    for (int n : kept) direct.numbers.push_back(numberFromValue(n));
    expectShows(b, engineRun(200, fixedListTool(direct)));
    EXPECT_EQ(b->run().rows.front().count, 63);

    // After "直转组" the groups of the result are bet.
    w.btnzhuan->click();
    pressBacktest(&w);
    start(b, 200);
    const ToolList groups{directToGroup(resultText(kept)), ListForm::Group};
    expectShows(b, engineRun(200, fixedListTool(groups)));
    EXPECT_EQ(b->run().rows.front().winningDraws, 63); // the 63 numbers of sum 10, as groups
}

TEST_F(BacktestWindow, IntersectionReadsItsFilesAtEachDraw) {
    toOpen = {write(QStringLiteral("a.txt"), "123 455 777 012 389 \r\n046 567 \r\n"),
              write(QStringLiteral("b.txt"), "123 012 046 999 \r\n"),
              write(QStringLiteral("c.txt"), "455 046 890\r\n")};
    Tfrmjiaoqi w;
    // No file yet: the window's warning, no back-test window.
    EXPECT_EQ(pressBacktest(&w), nullptr);
    EXPECT_EQ(log.lastText(), QStringLiteral("请先导入大底文件！"));
    w.btndaoru->click();
    w.optzhizhu->button(1)->click(); // 组选大底
    w.edtzhu6yongcuo2->setText(QStringLiteral("1"));
    w.chkyilou->click();
    w.edtyilou->setText(QStringLiteral("30"));
    Tfrmhuice *b = pressBacktest(&w);
    ASSERT_NE(b, nullptr);
    start(b, 80);
    ListCounter counter;
    ASSERT_TRUE(countListFiles(toOpen, counter));
    IntersectSettings s;
    s.kind = ListKind::Group;
    s.sixHigh = 1;
    s.excludeRecent = true;
    s.recent = 30;
    expectShows(b, engineRun(80, intersectTool(counter, s)));
}

TEST_F(BacktestWindow, StableBaseChainsFromTheWindowsCounterAndLeavesIt) {
    Tfrmdingweidan w;
    w.edtdadinum->setText(QStringLiteral("2"));
    w.btngencode->click();
    ASSERT_TRUE(waitIdle(w.runner()));
    const uint32_t counter = w.seedCounter();
    ASSERT_NE(counter, 1u);
    Tfrmhuice *b = pressBacktest(&w);
    ASSERT_NE(b, nullptr);
    start(b, 6);
    StableSettings s;
    s.lists = 2;
    expectShows(b, engineRun(6, stableTool(s, std::make_shared<uint32_t>(counter))));
    EXPECT_EQ(w.seedCounter(), counter);
    // A second run starts from the window's counter again: the same lists.
    const BacktestRun first = b->run();
    start(b, 6);
    expectShows(b, first);
}

TEST_F(BacktestWindow, SeededIntervalAndDanmaWindows) {
    {
        Tfrmgujian w;
        w.edtjian1->setText(QStringLiteral("100"));
        w.edtjushu->setText(QStringLiteral("300"));
        w.setSeed(4321);
        Tfrmhuice *b = pressBacktest(&w);
        ASSERT_NE(b, nullptr);
        start(b, 3);
        IntervalSettings st;
        st.target = 300;
        st.threshold = 100;
        expectShows(b, engineRun(3, intervalTool(st, std::make_shared<Lcg>(4321))));
    }
    {
        Tfrmfushi w;
        w.setSeed(99);
        Tfrmhuice *b = pressBacktest(&w);
        ASSERT_NE(b, nullptr);
        start(b, 3);
        DanmaSettings s;
        s.groups = w.edtfushinum->text().toInt();
        s.digits = w.comcodenum->currentIndex() + 1;
        s.draws = w.comyanxunum->currentText().toInt();
        s.reverse = w.opttype->checkedId() == 1;
        MissRanges r;
        r.sixLow = w.edtzhuliuyongcuo1->text().toInt();
        r.sixHigh = w.edtzhuliuyongcuo2->text().toInt();
        r.threeLow = w.edtzhusanyongcuo1->text().toInt();
        r.threeHigh = w.edtzhusanyongcuo2->text().toInt();
        expectShows(b, engineRun(3, danmaBaseTool(s, r, std::make_shared<Lcg>(99))));
    }
}

namespace {

// A tool that takes its time over every draw, so a run can be stopped half-way.
BacktestTool slowTool() {
    return {QStringLiteral("慢工具"), {}, [](const std::atomic<bool> &) -> ListTool {
                return [](const DrawTable &, int) {
                    QThread::msleep(15);
                    return ToolList{{{1, 2, 3}, {4, 5, 6}}, ListForm::Group};
                };
            }};
}

} // namespace

TEST_F(BacktestWindow, StopAndClosingKeepTheDrawsDone) {
    QWidget toolWindow;
    Tfrmhuice *b = openBacktest(&toolWindow, slowTool());
    EXPECT_EQ(b->windowTitle(), QStringLiteral("历史回测：慢工具《中国福彩3D》"));
    b->edtqishu->setText(QStringLiteral("250"));
    b->btnstart->click();
    ASSERT_TRUE(b->runner()->busy());
    EXPECT_TRUE(b->btnstop->isVisible());
    EXPECT_FALSE(b->btnstart->isEnabled());
    EXPECT_TRUE(b->btnclose->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return b->prghuice->value() >= 5; }, 10000));
    b->btnstop->click();
    ASSERT_TRUE(waitIdle(b->runner()));
    const BacktestRun &run = b->run();
    ASSERT_TRUE(run.stopped);
    const size_t done = run.rows.size();
    EXPECT_GE(done, 5u);
    EXPECT_LT(done, 250u);
    EXPECT_EQ(run.planned, 250);
    const QString note = QStringLiteral("已停止：完成%1/250期，汇总只含已完成的期数").arg(done);
    EXPECT_EQ(b->lblstatus->text(), note);
    EXPECT_TRUE(b->memsummary->toPlainText().startsWith(note + QLatin1Char('\n')));
    EXPECT_EQ(run.summary.draws, int(done));
    EXPECT_EQ(b->model()->rowCount(), int(done));
    // The draws done are the oldest of the range, each bet as in a whole run.
    EXPECT_EQ(run.rows.front().position, 50);
    EXPECT_EQ(run.summary.cost, int64_t(done) * 2 * 2);
    EXPECT_TRUE(b->btnstart->isEnabled());

    // Closing the window while it runs stops the run; what was done is there on return.
    b->btnstart->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return b->prghuice->value() >= 2; }, 10000));
    b->btnclose->click();
    EXPECT_FALSE(b->isVisible());
    ASSERT_TRUE(waitIdle(b->runner(), 5000));
    EXPECT_TRUE(b->run().stopped);
    EXPECT_LT(b->run().rows.size(), 250u);

    // The tool window going (the lottery closing) while a run is in progress ends it.
    auto *other = new QWidget;
    Tfrmhuice *c = openBacktest(other, slowTool());
    c->edtqishu->setText(QStringLiteral("250"));
    c->btnstart->click();
    ASSERT_TRUE(c->runner()->busy());
    QElapsedTimer timer;
    timer.start();
    delete other;
    EXPECT_LT(timer.elapsed(), 2000);
}

TEST_F(BacktestWindow, BadInputRunsNothing) {
    Tfrmsujifilt w;
    // The tool's own refusal: the window's message, no back-test window.
    w.optzhizhu->button(2)->click(); // 组选3
    w.edtjushu->setText(QStringLiteral("91"));
    EXPECT_EQ(pressBacktest(&w), nullptr);
    QString refusal;
    try {
        checkColdCount(BetKind::Group3, 91);
    } catch (const UserError &e) {
        refusal = QString::fromStdString(e.what());
    }
    ASSERT_FALSE(refusal.isEmpty());
    EXPECT_EQ(log.lastText(), refusal);

    w.edtjushu->setText(QStringLiteral("20"));
    Tfrmhuice *b = pressBacktest(&w);
    ASSERT_NE(b, nullptr);
    const auto refused = [&](QLineEdit *edit, const QString &text, const QString &message) {
        const QString old = edit->text();
        edit->setText(text);
        const size_t before = log.messages.size();
        b->btnstart->click();
        EXPECT_FALSE(b->runner()->busy()) << text.toStdString();
        EXPECT_EQ(log.messages.size(), before + 1) << text.toStdString();
        EXPECT_EQ(log.lastText(), message);
        EXPECT_TRUE(b->run().rows.empty());
        EXPECT_EQ(b->model()->rowCount(), 0);
        edit->setText(old);
    };
    refused(b->edtqishu, QStringLiteral("0"), QStringLiteral("回测期数必须在1到299之间！"));
    refused(b->edtqishu, QStringLiteral("300"), QStringLiteral("回测期数必须在1到299之间！"));
    refused(b->edtqishu, QStringLiteral("十"), QStringLiteral("'十' 不是一个有效的整形值"));
    refused(b->edtdanjia, QStringLiteral("-1"), QStringLiteral("单注价格不能小于0！"));
    refused(b->edtdanjia, QStringLiteral("2.5"), QStringLiteral("'2.5' 不是一个有效的整形值"));
    refused(b->edtzusan, QStringLiteral("-346"), QStringLiteral("组三奖金不能小于0！"));
    refused(b->edtzuliu, QStringLiteral("abc"), QStringLiteral("'abc' 不是一个有效的整形值"));
    // Nothing refused was remembered.
    EXPECT_EQ(savedBacktestMoney(QStringLiteral("中国福彩3D")).price, 2);

    // The largest N runs; the money typed is remembered for this lottery only.
    b->edtdanjia->setText(QStringLiteral("3"));
    b->edtzhixuan->setText(QStringLiteral("1000"));
    start(b, 299);
    EXPECT_EQ(b->run().rows.size(), 299u);
    EXPECT_EQ(b->run().summary.cost, 299 * 20 * 3);
    Tfrmzhongpai other;
    Tfrmhuice *c = pressBacktest(&other);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->edtdanjia->text(), QStringLiteral("3"));
    EXPECT_EQ(c->edtzhixuan->text(), QStringLiteral("1000"));
    EXPECT_EQ(savedBacktestMoney(QStringLiteral("中国体彩排列3")).price, 2);

    // A history too short for the tool at the first draw tested: its message at the start.
    Tfrmdingweidan stable;
    Tfrmhuice *d = pressBacktest(&stable);
    ASSERT_NE(d, nullptr);
    d->edtqishu->setText(QStringLiteral("100"));
    d->btnstart->click();
    EXPECT_FALSE(d->runner()->busy());
    EXPECT_EQ(log.lastText(), QStringLiteral("目前预测期之前只有200期开奖号码，2个阶段至少需要239期！"));
    EXPECT_TRUE(d->run().rows.empty());
}

TEST_F(BacktestWindow, ExportWritesTheTableAndSummaryAsUtf8Csv) {
    QWidget toolWindow;
    const ToolList list{{{0, 0, 7}, {1, 2, 3}, {4, 5, 5}}, ListForm::Direct};
    Tfrmhuice *b =
        openBacktest(&toolWindow, {QStringLiteral("固定"), {}, [list](const auto &) { return fixedListTool(list); }});
    // Nothing to export or print before a run.
    b->btnexport->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请先开始回测！"));
    start(b, 30);
    ASSERT_EQ(b->run().rows.size(), 30u);

    saveAs = home.filePath(QStringLiteral("回测.csv"));
    b->btnexport->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功导出！"));
    EXPECT_TRUE(savedFrom.endsWith(QStringLiteral("中国福彩3D固定历史回测.csv")));
    const QByteArray bytes = read(saveAs);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[0], QStringLiteral("期号,开奖号,注数,结果,奖金,累计净收益"));
    const BacktestRow &first = b->run().rows.front();
    const DrawRow &d = DrawHistory[270];
    EXPECT_EQ(lines[1], QStringLiteral("%1,%2%3%4,3,%5,%6,%7")
                            .arg(d[0])
                            .arg(d[1])
                            .arg(d[2])
                            .arg(d[3])
                            .arg(q(outcomeName(first.outcome)))
                            .arg(first.prize)
                            .arg(first.net));
    EXPECT_TRUE(lines[31].isEmpty());
    EXPECT_EQ(lines[32], QStringLiteral("汇总"));
    EXPECT_TRUE(lines.contains(QStringLiteral("投入,180")));
    EXPECT_TRUE(lines.contains(QStringLiteral("中出期数,%1").arg(b->run().summary.hits)));

    // A folder that cannot be written: the message says so and nothing is left behind.
    saveAs = home.filePath(QStringLiteral("没有这个文件夹/回测.csv"));
    b->btnexport->click();
    EXPECT_TRUE(log.lastText().startsWith(QStringLiteral("无法创建文件"))) << log.lastText().toStdString();
    EXPECT_FALSE(QFile::exists(saveAs));

    // The printout: the table over its pages and the summary.
    std::vector<std::string> printed;
    ui::printHooks().pdfPath = home.filePath(QStringLiteral("回测.pdf"));
    ui::printHooks().inspect = [&](const PrintDocument &doc, const PageGeometry &) {
        for (const Page &page : doc)
            for (const PageText &t : page.texts) printed.push_back(t.text);
    };
    b->btnprint->click();
    // 30 rows leave no room for the summary on the first page.
    EXPECT_EQ(test::pdfPageCount(ui::printHooks().pdfPath), 2);
    EXPECT_NE(std::find(printed.begin(), printed.end(), "投入 180 元"), printed.end());
    EXPECT_NE(std::find(printed.begin(), printed.end(), std::to_string(first.net)), printed.end());
}
