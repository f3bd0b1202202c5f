// The two digit-group windows: selectors and remembered choices, grids, paged charts,
// activation and "查看".

#include "analysis/windows/u_poscode.h"
#include "analysis/windows/u_totalcode.h"
#include "filters/windows/u_filtcode.h"
#include "testsupport.h"
#include "ui/barchart.h"
#include "ui/gridmodel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>
#include <random>

using namespace corvel;

namespace {

class GroupWindows : public ::testing::Test {
protected:
    void SetUp() override {
        std::mt19937 rng(42);
        DrawHistory.clear();
        for (int i = 0; i < 500; ++i)
            DrawHistory.push_back({2007001 + i, int(rng() % 10), int(rng() % 10), int(rng() % 10)});
        DrawCount = int(DrawHistory.size());
        DirectNumbers = buildDirectNumbers();
        NumberCount = 1000;
        Choices = WindowChoices{};
    }
    void TearDown() override {
        DrawHistory.clear();
        DrawCount = 0;
        Choices = WindowChoices{};
    }
    test::TempAppDir dir_;
};

void checkModels(GroupWindow &w) {
    for (ui::GridModel *m : {w.statisticsModel(), w.occurrenceModel(), w.spacingModel()})
        QAbstractItemModelTester tester(m, QAbstractItemModelTester::FailureReportingMode::Fatal);
}

// Runs "查看" and returns what the filtered-code view showed.
QString viewLabel(GroupWindow &w, int *count) {
    QString label;
    QTimer::singleShot(0, [&] {
        auto *view = qobject_cast<Tfrmfiltcode *>(QApplication::activeModalWidget());
        if (!view) return;
        label = view->labelText();
        *count = int(view->numbers().size());
        view->reject();
    });
    w.btnshow->click();
    return label;
}

} // namespace

TEST_F(GroupWindows, PositionWindowBuildsAndAnalysesOnFirstShow) {
    Tfrmposcode w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("各位置号码分析"));
    EXPECT_EQ(w.findChild<QTableView *>(QStringLiteral("grdaddposcode")), w.grdaddposcode);
    EXPECT_EQ(w.findChild<QTableView *>(QStringLiteral("grdposcodesep")), w.grdposcodesep);
    EXPECT_EQ(w.compos->count(), 3);
    EXPECT_EQ(w.compos->itemText(1), QStringLiteral("十位"));
    EXPECT_EQ(w.comnum->count(), 5);
    EXPECT_EQ(w.comzuheiindex->count(), 10);
    EXPECT_EQ(w.Label2->text(), QStringLiteral("号码组合数："));
    EXPECT_FALSE(w.analysed());
    w.show();
    ASSERT_TRUE(w.analysed());
    checkModels(w);
    EXPECT_EQ(w.statisticsModel()->rowCount(), 10);
    EXPECT_EQ(w.statisticsModel()->headings(), (QStringList{QStringLiteral("号码组合"), QStringLiteral("出现期数"),
                                                            QStringLiteral("最大间隔"), QStringLiteral("目前间隔")}));
    EXPECT_EQ(w.occurrenceModel()->rowCount(), 500);
    EXPECT_EQ(w.occurrenceModel()->cellText(0, 0), QStringLiteral("2007001"));
    // Group "0" at position 百: the column marks exactly the draws with hundreds digit 0.
    for (int i = 0; i < 500; ++i)
        ASSERT_EQ(w.occurrenceModel()->cellText(i, 1) == QStringLiteral("●"), DrawHistory[size_t(i)][1] == 0) << i;
    int total = 0;
    for (int r = 0; r < 10; ++r) total += w.statisticsModel()->cellText(r, 1).toInt();
    EXPECT_EQ(total, 500);
    EXPECT_EQ(w.spacingModel()->rowCount(), w.statisticsModel()->cellText(0, 2).toInt());
    EXPECT_EQ(w.chtaddposcode->barCount(), 10);
    EXPECT_EQ(w.chtposcodesep->barCount(), w.spacingModel()->rowCount());
}

TEST_F(GroupWindows, ChoicesSurviveRecreatingTheWindow) {
    {
        Tfrmposcode w;
        w.show();
        w.compos->setCurrentIndex(1);
        w.comnum->setCurrentIndex(1); // size 2
        EXPECT_EQ(w.comzuheiindex->count(), 45);
        w.comzuheiindex->setCurrentIndex(5);
    }
    EXPECT_EQ(Choices.position, 2);
    EXPECT_EQ(Choices.posCodeSize, 2);
    EXPECT_EQ(Choices.posCodeGroup, 5);
    Tfrmposcode again;
    EXPECT_EQ(again.compos->currentIndex(), 1);
    EXPECT_EQ(again.comnum->currentText(), QStringLiteral("2"));
    EXPECT_EQ(again.comzuheiindex->count(), 45);
    EXPECT_EQ(again.comzuheiindex->currentIndex(), 5);
    again.show();
    EXPECT_EQ(again.analysis().chosenGroup().label, "06");
    // The overall window keeps its own size and group but not the position.
    Tfrmtotalcode total;
    EXPECT_EQ(total.comnum->currentText(), QStringLiteral("1"));
    EXPECT_EQ(total.comzuheiindex->currentIndex(), 0);
    EXPECT_EQ(total.compos->count(), 1);
    EXPECT_EQ(total.compos->currentText(), QStringLiteral("三位全包"));
    EXPECT_FALSE(total.compos->isEnabled());
    total.comnum->setCurrentIndex(2);
    EXPECT_EQ(Choices.totalCodeSize, 3);
    EXPECT_EQ(Choices.posCodeSize, 2);
    EXPECT_EQ(Choices.position, 2);
}

TEST_F(GroupWindows, SizeChangeResetsGroupAndWaitsForAnalysis) {
    Tfrmposcode w;
    w.show();
    w.comnum->setCurrentIndex(2); // size 3
    w.comzuheiindex->setCurrentIndex(100);
    EXPECT_EQ(Choices.posCodeGroup, 100);
    w.comnum->setCurrentIndex(0); // size 1
    EXPECT_EQ(w.comzuheiindex->count(), 10);
    EXPECT_EQ(w.comzuheiindex->currentText(), QStringLiteral("0"));
    EXPECT_EQ(Choices.posCodeGroup, 0);
    EXPECT_EQ(Choices.posCodeSize, 1);
    // Nothing is recomputed until an analysis.
    w.comnum->setCurrentIndex(4);
    EXPECT_EQ(w.statisticsModel()->rowCount(), 10);
    w.btnala->click();
    EXPECT_EQ(w.statisticsModel()->rowCount(), 252);
    checkModels(w);
}

TEST_F(GroupWindows, ActivationAppliesAPendingSelectionOnly) {
    Tfrmposcode w;
    w.show();
    w.btnlast->click();
    ASSERT_EQ(w.chtaddposcode->page(), 1); // ten groups fit on one page
    w.comnum->setCurrentIndex(4);
    w.btnala->click();
    w.btnlast->click();
    ASSERT_EQ(w.chtaddposcode->page(), 13);
    // Re-activation with the same selection leaves the results (and the page) alone.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &activate);
    EXPECT_EQ(w.chtaddposcode->page(), 13);
    // A changed selection is applied by the next activation.
    w.compos->setCurrentIndex(2);
    QApplication::sendEvent(&w, &activate);
    EXPECT_EQ(w.chtaddposcode->page(), 1);
    EXPECT_EQ(w.description(), "第个位号码组合01234");
}

TEST_F(GroupWindows, ChartPagingAndSeries) {
    Choices.posCodeSize = 5;
    Tfrmposcode w;
    w.show();
    ui::BarChart *chart = w.chtaddposcode;
    EXPECT_EQ(chart->barCount(), 252);
    EXPECT_EQ(chart->pageCount(), 13);
    EXPECT_FALSE(w.btnprev->isEnabled());
    w.btnlast->click();
    EXPECT_EQ(chart->page(), 13);
    EXPECT_EQ(chart->visibleLabels().size(), 12);
    EXPECT_EQ(chart->visibleLabels().back(), QStringLiteral("56789"));
    EXPECT_FALSE(w.btnnext->isEnabled());
    w.btnprev->click();
    EXPECT_EQ(chart->page(), 12);
    w.btnfirst->click();
    EXPECT_EQ(chart->page(), 1);
    EXPECT_EQ(chart->visibleLabels().front(), QStringLiteral("01234"));
    EXPECT_TRUE(chart->seriesVisible(0));
    EXPECT_FALSE(chart->seriesVisible(1));
    w.chkmaxsep->click();
    w.chknum->click();
    EXPECT_TRUE(chart->seriesVisible(1));
    EXPECT_FALSE(chart->seriesVisible(0));
    w.chkbiao->click();
    EXPECT_TRUE(chart->showValues());
    w.chksepbiao->click();
    EXPECT_TRUE(w.chtposcodesep->showValues());
    // The statistics chart shows the grid's numbers.
    const auto largest = chart->visibleValues(1);
    for (int i = 0; i < int(largest.size()); ++i)
        EXPECT_EQ(largest[size_t(i)], w.statisticsModel()->cellText(i, 2).toLongLong());
}

TEST_F(GroupWindows, ShowListsTensGroup37) {
    Choices.position = 2;
    Choices.posCodeSize = 2;
    const auto labels = groupLabels(2);
    Choices.posCodeGroup = int(std::find(labels.begin(), labels.end(), "37") - labels.begin());
    Tfrmposcode w;
    w.show();
    ASSERT_EQ(w.comzuheiindex->currentText(), QStringLiteral("37"));
    int count = 0;
    const QString label = viewLabel(w, &count);
    EXPECT_EQ(count, 200);
    EXPECT_TRUE(label.startsWith(QStringLiteral("第十位号码组合37"))) << label.toStdString();
}

TEST_F(GroupWindows, OverallWindowShowsAllDigitNumbers) {
    Choices.totalCodeSize = 5;
    Tfrmtotalcode w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("总体号码分析"));
    EXPECT_EQ(w.findChild<ui::BarChart *>(QStringLiteral("chttotalcodesep")), w.chttotalcodesep);
    EXPECT_EQ(w.statisticsModel()->rowCount(), 252);
    checkModels(w);
    int count = 0;
    const QString label = viewLabel(w, &count);
    EXPECT_EQ(count, 125);
    EXPECT_TRUE(label.startsWith(QStringLiteral("总体位置号码组合01234"))) << label.toStdString();
}

TEST_F(GroupWindows, AnalysesOnceInsideTheMdiArea) {
    QMdiArea area;
    area.resize(1200, 800);
    area.show();
    auto *w = new Tfrmtotalcode;
    QMdiSubWindow *sub = area.addSubWindow(w, Qt::FramelessWindowHint);
    sub->showMaximized();
    QApplication::processEvents();
    EXPECT_TRUE(w->analysed());
    EXPECT_GT(w->grdaddtotalcode->width(), 50);
    EXPECT_LE(w->btnshow->mapTo(w, QPoint(w->btnshow->width(), 0)).x(), w->width());
    EXPECT_LE(w->btnshow->mapTo(w, QPoint(0, w->btnshow->height())).y(), w->height());
}
