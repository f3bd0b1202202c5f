// The indicator trend windows on the offscreen platform.

#include "analysis/windows/u_indicatorwindow.h"
#include "core/u_public.h"
#include "filters/windows/u_filtcode.h"
#include "randomhistory.h"
#include "shell/u_main.h"
#include "shell/windowregistry.h"
#include "store/appdir.h"
#include "testsupport.h"
#include "ui/barchart.h"
#include "ui/chartpanel.h"
#include "ui/gridmodel.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QValueAxis>
#include <cmath>
#include <memory>
#include <random>

using namespace corvel;
using test::randomHistory;

namespace {

struct WindowFixture : ::testing::Test {
    test::TempAppDir dir;
    DrawTable oldHistory = DrawHistory;
    int oldCount = DrawCount;

    WindowFixture() { useHistory(randomHistory(300, 5)); }
    ~WindowFixture() override {
        DrawHistory = oldHistory;
        DrawCount = oldCount;
        Choices = WindowChoices();
    }
    static void useHistory(DrawTable h) {
        DrawHistory = std::move(h);
        DrawCount = int(DrawHistory.size());
        DirectNumbers = buildDirectNumbers();
        NumberCount = 1000;
        Choices = WindowChoices();
    }
    static std::unique_ptr<IndicatorWindow> open(int tab) {
        std::unique_ptr<IndicatorWindow> w(qobject_cast<IndicatorWindow *>(analysisWindowFactory(tab)(nullptr)));
        w->resize(1200, 760);
        w->show();
        QApplication::processEvents();
        return w;
    }
};

// What "查看" shows: the listed numbers and the label, read from the modal view.
struct ShownView {
    NumberList numbers;
    QString label;
};
ShownView pressShow(IndicatorWindow &w) {
    ShownView shown;
    QTimer::singleShot(0, [&shown] {
        auto *view = qobject_cast<Tfrmfiltcode *>(QApplication::activeModalWidget());
        if (!view) return;
        shown = {view->numbers(), view->labelText()};
        view->reject();
    });
    w.btnshow->click();
    return shown;
}

TEST_F(WindowFixture, EveryTabShowsItsGridsAndCharts) {
    for (int tab = 3; tab <= 19; ++tab) {
        const IndicatorWindowSpec &spec = *indicatorWindowSpec(tab);
        const WindowFactory factory = analysisWindowFactory(tab);
        ASSERT_TRUE(factory) << tab;
        std::unique_ptr<QWidget> made(factory(nullptr));
        EXPECT_EQ(QString::fromLatin1(made->metaObject()->className()),
                  QStringLiteral("corvel::") + QString::fromLatin1(spec.className));
        made.reset();

        auto w = open(tab);
        const QString stem = QString::fromLatin1(spec.stem);
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(spec.caption));
        EXPECT_EQ(w->grd, w->findChild<QTableView *>(QStringLiteral("grd") + stem));
        EXPECT_EQ(w->grdadd, w->findChild<QTableView *>(QStringLiteral("grdadd") + stem));
        EXPECT_EQ(w->grdsep, w->findChild<QTableView *>(QStringLiteral("grd") + stem + QStringLiteral("sep")));
        EXPECT_EQ(w->chtadd, w->findChild<ui::BarChart *>(QStringLiteral("chtadd") + stem));
        EXPECT_EQ(w->chtsep, w->findChild<ui::BarChart *>(QStringLiteral("cht") + stem + QStringLiteral("sep")));
        EXPECT_EQ(w->com, w->findChild<QComboBox *>(QStringLiteral("com") + stem));
        EXPECT_EQ(w->compos != nullptr, tab == 8 || tab == 9 || tab == 14);
        EXPECT_EQ(w->btnsize != nullptr, spec.enlargeButton);

        const int k = categoryCount(spec.indicator);
        ui::GridModel *trend = w->trendModel();
        ASSERT_EQ(trend->rowCount(), 300);
        ASSERT_EQ(trend->columnCount(), k + 1);
        EXPECT_EQ(trend->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("记录期号"));
        EXPECT_EQ(trend->cellText(299, 0), QStringLiteral("2007300"));
        int hits = 0;
        for (int c = 1; c <= k; ++c) hits += trend->cellText(299, c) == QStringLiteral("●");
        EXPECT_GE(hits, tab == 15 ? 0 : 1);
        EXPECT_EQ(w->statisticsModel()->rowCount(), k);
        EXPECT_EQ(w->statisticsModel()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                  QString::fromUtf8(spec.statsWord) + QStringLiteral("组合"));
        EXPECT_EQ(w->chtadd->barCount(), k);
        EXPECT_EQ(w->com->count(), k);
        EXPECT_TRUE(w->grd->isVisible());
        EXPECT_LE(w->grd->geometry().right(), w->grdadd->geometry().left());
        EXPECT_LE(w->grd->geometry().bottom(), w->btnala->geometry().top());
        const QFontMetrics head(w->grdsep->horizontalHeader()->font());
        EXPECT_GT(w->grdsep->columnWidth(1), head.horizontalAdvance(QStringLiteral("出现次数"))) << tab;
    }
}

TEST_F(WindowFixture, ModelsPassTheModelTester) {
    auto w = open(10);
    QAbstractItemModelTester trend(w->trendModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester stats(w->statisticsModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester sep(w->spacingModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    w->com->setCurrentIndex(26);
    w->btnala->click();
    for (int r = 0; r < 20; ++r) EXPECT_EQ(w->trendModel()->cellText(r, 5), QStringLiteral("0"));
    EXPECT_EQ(w->trendModel()->data(w->trendModel()->index(0, 1), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
}

TEST_F(WindowFixture, OneDrawHistoryInTheBigSmallWindow) {
    useHistory({{2009001, 5, 0, 9}});
    auto w = open(3);
    ui::GridModel *trend = w->trendModel();
    ASSERT_EQ(trend->rowCount(), 1);
    for (int c = 1; c <= 8; ++c)
        EXPECT_EQ(trend->cellText(0, c), c == 3 ? QStringLiteral("●") : QStringLiteral("1")) << c;
    ui::GridModel *stats = w->statisticsModel();
    EXPECT_EQ(stats->cellText(2, 0), QStringLiteral("大小大"));
    EXPECT_EQ(stats->cellText(2, 1), QStringLiteral("1"));
    EXPECT_EQ(stats->cellText(2, 2), QStringLiteral("1"));
    EXPECT_EQ(stats->cellText(2, 3), QStringLiteral("0"));
    EXPECT_EQ(stats->cellText(0, 1), QStringLiteral("0"));
    EXPECT_EQ(stats->cellText(0, 3), QStringLiteral("1"));
    EXPECT_EQ(w->chtadd->visibleValues(0)[2], 1);
    EXPECT_EQ(w->spacingModel()->rowCount(), 0); // category 1 never occurred
    EXPECT_EQ(w->chtsep->barCount(), 0);
}

TEST_F(WindowFixture, SelectorsStoreButOnlyAnalysisApplies) {
    auto w = open(5);
    const CandidateList before = w->analysis().candidates;
    const int spacingRows = w->spacingModel()->rowCount();
    w->com->setCurrentIndex(10); // sum 10
    EXPECT_EQ(Choices.indicatorCategory[2], 11);
    EXPECT_EQ(w->analysedSelection().category, 1);
    EXPECT_EQ(w->analysis().candidates, before);
    EXPECT_EQ(w->spacingModel()->rowCount(), spacingRows);
    w->btnala->click();
    EXPECT_EQ(w->analysedSelection().category, 11);
    int passing = 0;
    for (const auto &row : w->analysis().candidates) {
        EXPECT_EQ(row[3] == 0, row[0] + row[1] + row[2] == 10);
        passing += row[3] == 0;
    }
    EXPECT_EQ(passing, 63);
    EXPECT_EQ(w->description(), "和值组合10");
}

TEST_F(WindowFixture, ChoicesSurviveRecreationAndResetWithTheLottery) {
    {
        auto w = open(4);
        w->com->setCurrentIndex(2);
    }
    {
        auto w = open(4);
        EXPECT_EQ(w->com->currentIndex(), 2);
        EXPECT_EQ(w->analysedSelection().category, 3);
        EXPECT_EQ(w->description(), "奇偶组合奇偶奇");
    }
    {
        auto w = open(8);
        w->compos->setCurrentIndex(2);
        w->com->setCurrentIndex(18);
    }
    auto w8 = open(8);
    EXPECT_EQ(w8->compos->currentIndex(), 2);
    EXPECT_EQ(w8->description(), "百个位18");
    Choices = WindowChoices(); // what opening a lottery does
    auto again = open(4);
    EXPECT_EQ(again->com->currentIndex(), 0);
    // A remembered choice outside the selector falls back to the first category.
    Choices.indicatorCategory[0] = 99;
    EXPECT_EQ(open(3)->com->currentIndex(), 0);
}

TEST_F(WindowFixture, ShowListsTheCandidatesOfTheNewSelection) {
    auto w = open(9);
    w->compos->setCurrentIndex(1); // 十个位
    w->com->setCurrentIndex(9);    // difference 9
    const ShownView shown = pressShow(*w);
    ASSERT_EQ(shown.numbers.size(), 20u);
    for (const Number &n : shown.numbers) EXPECT_EQ(std::abs(n[1] - n[2]), 9);
    EXPECT_TRUE(shown.label.startsWith(QStringLiteral("十个位9")));
    EXPECT_TRUE(shown.label.contains(QStringLiteral("20")));
}

TEST_F(WindowFixture, ShowWithTooShortAHistoryListsNothing) {
    useHistory(randomHistory(10, 1));
    auto w = open(18);
    EXPECT_TRUE(pressShow(*w).numbers.empty());
    for (int c = 1; c <= 10; ++c) EXPECT_EQ(w->statisticsModel()->cellText(c - 1, 3), QStringLiteral("0"));
}

TEST_F(WindowFixture, CheckBoxesChooseSeriesAndValueMarks) {
    auto w = open(7);
    EXPECT_TRUE(w->chtadd->seriesVisible(0));
    EXPECT_FALSE(w->chtadd->seriesVisible(1));
    EXPECT_FALSE(w->chtadd->seriesVisible(2));
    w->chkmaxsep->click();
    w->chkcursep->click();
    w->chknum->click();
    EXPECT_FALSE(w->chtadd->seriesVisible(0));
    EXPECT_TRUE(w->chtadd->seriesVisible(1));
    EXPECT_TRUE(w->chtadd->seriesVisible(2));
    EXPECT_FALSE(w->chtadd->showValues());
    w->chkbiao->click();
    EXPECT_TRUE(w->chtadd->showValues());
    EXPECT_FALSE(w->chtsep->showValues());
    w->chksepbiao->click();
    EXPECT_TRUE(w->chtsep->showValues());
    // The charts show the statistics of the grid.
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(QString::number(w->chtadd->visibleValues(1)[size_t(k)]), w->statisticsModel()->cellText(k, 2));
        EXPECT_EQ(QString::number(w->chtadd->visibleValues(2)[size_t(k)]), w->statisticsModel()->cellText(k, 3));
    }
    // An analysis keeps the chosen series.
    w->btnala->click();
    EXPECT_FALSE(w->chtadd->seriesVisible(0));
    EXPECT_TRUE(w->chtadd->showValues());
}

// Crowded labels (27 patterns of three characters) are broken into lines rather than being
// cut short; few short labels stay on one line. Value ticks are whole numbers.
TEST_F(WindowFixture, ChartLabelsStayWhole) {
    const auto axisOf = [](ui::BarChart *chart, Qt::Orientation o) { return chart->chart()->axes(o).first(); };
    auto crowded = open(10);
    crowded->resize(1280, 620);
    QApplication::processEvents();
    auto *categories = qobject_cast<QBarCategoryAxis *>(axisOf(crowded->chtadd, Qt::Horizontal));
    ASSERT_NE(categories, nullptr);
    EXPECT_FALSE(categories->truncateLabels());
    EXPECT_EQ(categories->count(), 27);
    EXPECT_TRUE(categories->categories().first().contains(QStringLiteral("<br>")));
    EXPECT_EQ(categories->labelsAngle(), 0);
    EXPECT_EQ(crowded->chtadd->visibleLabels().first(), QStringLiteral("热热热")); // the labels themselves stay
    auto sparse = open(16);
    EXPECT_EQ(axisOf(sparse->chtadd, Qt::Horizontal)->labelsAngle(), 0);
    auto *y = qobject_cast<QValueAxis *>(axisOf(sparse->chtsep, Qt::Vertical));
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(y->tickType(), QValueAxis::TicksDynamic);
    EXPECT_GE(y->tickInterval(), 1.0);
    EXPECT_EQ(y->tickInterval(), std::floor(y->tickInterval()));
}

TEST_F(WindowFixture, LongSpacingTablesArePaged) {
    useHistory(randomHistory(3000, 9));
    auto w = open(5); // sum 0: about one draw in a thousand
    ASSERT_GT(w->spacingModel()->rowCount(), 20);
    EXPECT_GT(w->chtsep->pageCount(), 1);
    // The same pager as the digit-group windows.
    ui::ChartPanel *panel = w->spacingPanel;
    EXPECT_EQ(panel->firstButton(), w->findChild<QPushButton *>(QStringLiteral("btnrepfirst")));
    EXPECT_EQ(panel->lastButton()->text(), QStringLiteral("尾页"));
    EXPECT_FALSE(panel->previousButton()->isEnabled());
    EXPECT_TRUE(panel->nextButton()->isEnabled());
    panel->nextButton()->click();
    EXPECT_EQ(w->chtsep->page(), 2);
    EXPECT_EQ(w->chtsep->visibleLabels().first(), QStringLiteral("21"));
    EXPECT_TRUE(panel->previousButton()->isEnabled());
    EXPECT_EQ(panel->pageLabel()->text(), QString(QStringLiteral("2/%1")).arg(w->chtsep->pageCount()));
    panel->lastButton()->click();
    EXPECT_EQ(w->chtsep->page(), w->chtsep->pageCount());
    EXPECT_FALSE(panel->nextButton()->isEnabled());
    // The statistics chart shows every category on one page and has no pager.
    EXPECT_EQ(w->statPanel->firstButton(), nullptr);
}

TEST_F(WindowFixture, EnlargeButtonTogglesTwice) {
    for (const char *name : {"right.bmp", "left.bmp"})
        QFile::copy(QString::fromUtf8(CORVEL_SOURCE_DIR "/resources/图片/") + QString::fromLatin1(name),
                    pictureDir() + QString::fromLatin1(name));
    auto w = open(13);
    ASSERT_NE(w->btnsize, nullptr);
    EXPECT_EQ(w->btnsize->toolTip(), QStringLiteral("放大"));
    EXPECT_FALSE(w->btnsize->icon().isNull());
    const int halfWidth = w->grd->width();
    const QList<QWidget *> hidden{w->grdsep, w->chtadd, w->chtsep, w->GroupBox1, w->GroupBox2, w->btnala, w->btnshow};

    w->btnsize->click();
    EXPECT_EQ(w->btnsize->toolTip(), QStringLiteral("缩小"));
    EXPECT_TRUE(w->enlarged());
    EXPECT_GT(w->grd->width(), halfWidth + 400);
    EXPECT_LE(w->btnsize->geometry().right(), w->width());
    for (QWidget *c : hidden) EXPECT_FALSE(c->isVisible()) << c->objectName().toStdString();
    EXPECT_TRUE(w->com->isVisible());
    w->resize(1000, 700); // stays enlarged on resize
    EXPECT_GT(w->grd->width(), 900);

    w->btnsize->click();
    EXPECT_EQ(w->btnsize->toolTip(), QStringLiteral("放大"));
    EXPECT_LT(w->grd->width(), 520);
    for (QWidget *c : hidden) EXPECT_TRUE(c->isVisible()) << c->objectName().toStdString();
}

TEST_F(WindowFixture, EnlargeButtonWithoutPicturesStillShowsItsDirection) {
    auto w = open(5);
    EXPECT_EQ(w->btnsize->arrowType(), Qt::RightArrow);
    w->btnsize->click();
    EXPECT_EQ(w->btnsize->arrowType(), Qt::LeftArrow);
}

TEST_F(WindowFixture, TrendColumnsStayReadable) {
    useHistory(randomHistory(3000, 9));
    auto w = open(5);
    const QFontMetrics fm(w->grd->font());
    int widest = 0;
    for (int r = 0; r < 3000; ++r)
        for (int c = 1; c <= 28; ++c) widest = std::max(widest, fm.horizontalAdvance(w->trendModel()->cellText(r, c)));
    for (int c = 1; c <= 28; ++c) EXPECT_GT(w->grd->columnWidth(c), widest);
    EXPECT_GT(w->grd->columnWidth(0), fm.horizontalAdvance(QStringLiteral("2007001")));
}

// As the main window shows them: one child window at a time, maximised, and a new one
// for every tab change, which starts from the remembered category.
TEST_F(WindowFixture, TabsReplaceTheChildWindowInTheMainWindow) {
    Tfrmmain main;
    main.resize(1300, 900);
    main.show();
    main.showAnalysisTab(10);
    QPointer<QWidget> first = main.activeAnalysisWindow();
    auto *hotCold = qobject_cast<Tfrmlenrei *>(first.data());
    ASSERT_NE(hotCold, nullptr);
    EXPECT_TRUE(main.mdiArea()->subWindowList().first()->isMaximized());
    hotCold->com->setCurrentIndex(4);

    main.showAnalysisTab(5);
    QApplication::processEvents();
    EXPECT_TRUE(first.isNull());
    ASSERT_EQ(main.mdiArea()->subWindowList().size(), 1);
    EXPECT_NE(qobject_cast<Tfrmhei *>(main.activeAnalysisWindow()), nullptr);

    main.showAnalysisTab(10);
    QApplication::processEvents();
    auto *again = qobject_cast<Tfrmlenrei *>(main.activeAnalysisWindow());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->analysedSelection().category, 5);
    EXPECT_EQ(again->description(), "冷热组合温温热");
}

} // namespace
