// The chart panel every chart window uses: series check boxes, value marks, the pager,
// and a chart that keeps one set of axes however often it is redrawn.

#include "ui/chartpanel.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QValueAxis>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

QStringList numbered(int count) {
    QStringList labels;
    for (int i = 1; i <= count; ++i) labels << QString::number(i);
    return labels;
}

std::vector<qint64> counting(int count) {
    std::vector<qint64> values;
    for (int i = 1; i <= count; ++i) values.push_back(i);
    return values;
}

ui::ChartPanelSpec searchSpec() {
    ui::ChartPanelSpec spec;
    spec.chartName = QStringLiteral("chtpiantai");
    spec.title = QStringLiteral("偏态倍数图表");
    spec.series = {{QStringLiteral("偏态倍数"), Qt::red}};
    spec.pageSize = 10;
    spec.legend = Qt::AlignTop;
    return spec;
}

ui::ChartPanelSpec statisticsSpec() {
    ui::ChartPanelSpec spec;
    spec.chartName = QStringLiteral("chtadd");
    spec.title = QStringLiteral("统计图表");
    spec.series = {{QStringLiteral("出现次数"), Qt::red, QStringLiteral("chknum"), true},
                   {QStringLiteral("最大间隔"), Qt::green, QStringLiteral("chkmaxsep"), false},
                   {QStringLiteral("目前间隔"), Qt::yellow, QStringLiteral("chkcursep"), false}};
    spec.pageSize = 20;
    return spec;
}

} // namespace

TEST(ChartPanel, PagerStepsThroughTenBarPages) {
    ui::ChartPanel panel(searchSpec());
    ASSERT_NE(panel.firstButton(), nullptr);
    EXPECT_EQ(panel.findChild<QPushButton *>(QStringLiteral("btnfirst"))->text(), QStringLiteral("首页"));
    EXPECT_EQ(panel.findChild<QPushButton *>(QStringLiteral("btnprev"))->text(), QStringLiteral("上一页"));
    EXPECT_EQ(panel.findChild<QPushButton *>(QStringLiteral("btnnext"))->text(), QStringLiteral("下一页"));
    EXPECT_EQ(panel.findChild<QPushButton *>(QStringLiteral("btnlast"))->text(), QStringLiteral("尾页"));
    EXPECT_EQ(panel.findChild<ui::BarChart *>(QStringLiteral("chtpiantai")), panel.chart());
    EXPECT_EQ(panel.chart()->chart()->legend()->alignment(), Qt::AlignTop);

    // Exactly ten bars: one page, nothing to turn.
    panel.setData(numbered(10), {counting(10)});
    EXPECT_EQ(panel.chart()->pageCount(), 1);
    for (QPushButton *b : {panel.firstButton(), panel.previousButton(), panel.nextButton(), panel.lastButton()})
        EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(panel.pageLabel()->text(), QStringLiteral("1/1"));

    // Eleven bars: "尾页" shows page 2 with the eleventh bar alone.
    panel.setData(numbered(11), {counting(11)});
    EXPECT_TRUE(panel.lastButton()->isEnabled());
    panel.lastButton()->click();
    EXPECT_EQ(panel.chart()->page(), 2);
    EXPECT_EQ(panel.chart()->visibleLabels(), QStringList{QStringLiteral("11")});
    EXPECT_EQ(panel.chart()->visibleValues(0), std::vector<qint64>{11});
    EXPECT_FALSE(panel.nextButton()->isEnabled());
    EXPECT_EQ(panel.pageLabel()->text(), QStringLiteral("2/2"));

    // 35 bars: forward, back, first; new data starts again on page 1.
    panel.setData(numbered(35), {counting(35)});
    EXPECT_EQ(panel.chart()->page(), 1);
    panel.nextButton()->click();
    panel.nextButton()->click();
    EXPECT_EQ(panel.chart()->visibleLabels().first(), QStringLiteral("21"));
    panel.previousButton()->click();
    EXPECT_EQ(panel.chart()->page(), 2);
    panel.lastButton()->click();
    EXPECT_EQ(panel.chart()->page(), 4);
    EXPECT_EQ(panel.chart()->visibleLabels().size(), 5);
    panel.firstButton()->click();
    EXPECT_EQ(panel.chart()->page(), 1);
    EXPECT_FALSE(panel.previousButton()->isEnabled());
    EXPECT_TRUE(panel.nextButton()->isEnabled());
}

TEST(ChartPanel, CheckBoxesChooseSeriesAndValueMarks) {
    ui::ChartPanel panel(statisticsSpec());
    ASSERT_NE(panel.seriesBox(2), nullptr);
    EXPECT_EQ(panel.findChild<QCheckBox *>(QStringLiteral("chkmaxsep")), panel.seriesBox(1));
    EXPECT_EQ(panel.seriesBox(1)->text(), QStringLiteral("最大间隔"));
    EXPECT_EQ(panel.valuesBox()->text(), QStringLiteral("显示标注"));
    EXPECT_EQ(panel.box()->objectName(), QStringLiteral("GroupBox1"));
    panel.setData(numbered(3), {{5, 6, 7}, {1, 2, 3}, {9, 9, 9}});
    EXPECT_TRUE(panel.chart()->seriesVisible(0));
    EXPECT_FALSE(panel.chart()->seriesVisible(1));
    EXPECT_FALSE(panel.chart()->seriesVisible(2));
    panel.seriesBox(1)->click();
    panel.seriesBox(0)->click();
    EXPECT_FALSE(panel.chart()->seriesVisible(0));
    EXPECT_TRUE(panel.chart()->seriesVisible(1));
    EXPECT_FALSE(panel.chart()->showValues());
    panel.valuesBox()->click();
    EXPECT_TRUE(panel.chart()->showValues());
    // New data keeps what the boxes say.
    panel.setData(numbered(2), {{1, 1}, {4, 4}, {0, 0}});
    EXPECT_FALSE(panel.chart()->seriesVisible(0));
    EXPECT_TRUE(panel.chart()->seriesVisible(1));
    EXPECT_TRUE(panel.chart()->showValues());
    EXPECT_EQ(panel.chart()->visibleValues(1), (std::vector<qint64>{4, 4}));
}

TEST(ChartPanel, UnpagedChartHasNoPagerAndWindowControlsJoinTheBox) {
    ui::ChartPanelSpec spec = statisticsSpec();
    spec.pageSize = 0;
    ui::ChartPanel panel(spec);
    EXPECT_EQ(panel.firstButton(), nullptr);
    EXPECT_EQ(panel.findChild<QPushButton *>(), nullptr);
    panel.setData(numbered(28), {counting(28), counting(28), counting(28)});
    EXPECT_EQ(panel.chart()->visibleLabels().size(), 28);

    auto *own = new QCheckBox(QStringLiteral("只显示以下倍数以上偏态"));
    panel.addControl(own);
    EXPECT_EQ(own->parentWidget(), panel.box());
}

// Redrawing replaces the bars, not the chart's items: the scene holds as many items after
// a hundred redrawings as after one, so nothing of an earlier drawing stays on screen.
TEST(ChartPanel, RedrawingLeavesNoStaleItems) {
    ui::ChartPanel panel(statisticsSpec());
    panel.resize(600, 400);
    panel.show();
    QGraphicsScene *scene = panel.chart()->chart()->scene();
    ASSERT_NE(scene, nullptr);
    const auto redraw = [&] {
        panel.setData(numbered(25), {counting(25), counting(25), counting(25)});
        panel.nextButton()->click();
        panel.valuesBox()->click();
        panel.valuesBox()->click();
        panel.firstButton()->click();
        QCoreApplication::processEvents();
    };
    redraw();
    const auto axesBefore = panel.chart()->chart()->axes();
    const qsizetype itemsBefore = scene->items().size();
    for (int i = 0; i < 100; ++i) redraw();
    EXPECT_EQ(panel.chart()->chart()->axes(), axesBefore);
    EXPECT_EQ(scene->items().size(), itemsBefore);
    auto *x = qobject_cast<QBarCategoryAxis *>(panel.chart()->chart()->axes(Qt::Horizontal).first());
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->categories(), numbered(20));
}

// Counts start the value axis at 0; a running net below 0 takes it down with it, so no bar
// is drawn off the plot.
TEST(ChartPanel, NegativeValuesExtendTheAxisBelowZero) {
    ui::ChartPanel panel(searchSpec());
    auto *y = qobject_cast<QValueAxis *>(panel.chart()->chart()->axes(Qt::Vertical).first());
    ASSERT_NE(y, nullptr);
    panel.setData(numbered(3), {{4, 8, 2}});
    EXPECT_EQ(y->min(), 0.0);
    EXPECT_GE(y->max(), 8.0);
    panel.setData(numbered(3), {{-2, -600, 40}});
    EXPECT_LE(y->min(), -600.0);
    EXPECT_GE(y->max(), 40.0);
    EXPECT_EQ(panel.chart()->visibleValues(0), (std::vector<qint64>{-2, -600, 40}));
}
