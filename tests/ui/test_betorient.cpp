// The bet-issue label finds its place beside any control of a window's layout, and the
// count labels carry the price.

#include "core/u_public.h"
#include "store/u_datamod.h"
#include "ui/betorient.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Whether `label` stands to the right of `beside`, on its row, once the window is laid out.
bool standsBeside(QWidget *window, QWidget *beside, QLabel *label) {
    window->resize(600, 400);
    window->show();
    const QRect b(beside->mapTo(window, QPoint(0, 0)), beside->size());
    const QRect l(label->mapTo(window, QPoint(0, 0)), label->size());
    return label->isVisible() && l.left() >= b.right() && l.top() < b.bottom() && l.bottom() > b.top();
}

class BetIssueLayout : public ::testing::Test {
protected:
    BetIssueLayout() { DrawHistory = {{2026001, 1, 2, 3}, {2026002, 4, 5, 6}}; }
    ~BetIssueLayout() override { CloseLotteryState(); }
};

} // namespace

TEST_F(BetIssueLayout, ARowAColumnAndAGridCell) {
    {
        QWidget w;
        auto *row = new QHBoxLayout(&w);
        auto *count = new QLabel(u("号码注数：3"), &w);
        row->addWidget(new QLabel(u("投注号码："), &w));
        row->addWidget(count);
        row->addStretch(1);
        QLabel *label = ui::addBetIssueLabel(row, count);
        EXPECT_EQ(row->indexOf(label), row->indexOf(count) + 2); // after a gap
        EXPECT_EQ(label->text(), u("投注期号：2026003"));
        EXPECT_TRUE(standsBeside(&w, count, label));
    }
    {
        // A column not yet installed on its window, the control in a nested layout.
        QWidget w;
        auto *column = new QVBoxLayout;
        auto *inner = new QVBoxLayout;
        auto *grid = new QTableView(&w);
        auto *count = new QLabel(u("共：250注"), &w);
        inner->addWidget(grid, 1);
        inner->addWidget(count);
        column->addLayout(inner);
        QLabel *label = ui::addBetIssueLabel(column, count);
        w.setLayout(column);
        EXPECT_TRUE(standsBeside(&w, count, label));
        EXPECT_GT(count->mapTo(&w, QPoint(0, 0)).y(), grid->mapTo(&w, QPoint(0, 0)).y()); // still below the list
    }
    {
        QWidget w;
        auto *grid = new QGridLayout(&w);
        auto *count = new QLabel(u("最终交集：3注"), &w);
        auto *other = new QLabel(u("其他"), &w);
        grid->addWidget(count, 0, 0);
        grid->addWidget(other, 1, 0);
        QLabel *label = ui::addBetIssueLabel(grid, count);
        EXPECT_TRUE(standsBeside(&w, count, label));
        EXPECT_LT(count->mapTo(&w, QPoint(0, 0)).y(), other->mapTo(&w, QPoint(0, 0)).y()); // its cell kept
    }
}

TEST_F(BetIssueLayout, TheCountLabelKeepsItsTextAndAddsThePrice) {
    QLabel count;
    ui::showBetCount(&count, u("最终交集：3注"), 3);
    EXPECT_EQ(count.text(), u("最终交集：3注  6 元"));
    ui::showBetCount(&count, u("号码注数：0"), 0);
    EXPECT_EQ(count.text(), u("号码注数：0  0 元"));
    EXPECT_EQ(ui::withBetCost(u("缩水结果：120注"), 120), u("缩水结果：120注  240 元"));
}
