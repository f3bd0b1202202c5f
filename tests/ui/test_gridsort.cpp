// Sorting the program's grids by clicking their headings.

#include "ui/gridheader.h"
#include "ui/gridmodel.h"

#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

QStringList column(const ui::GridModel &model, int c) {
    QStringList cells;
    for (int r = 0; r < model.rowCount(); ++r) cells << model.data(model.index(r, c), Qt::DisplayRole).toString();
    return cells;
}

void clickHeading(QTableView *view, int section) {
    QHeaderView *header = view->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace

TEST(GridSort, NumbersByValueTextsAfterThemAndTheThirdClickGivesTheOrderBack) {
    const QStringList issues{u("2010107"), u("2009001"), u("2010099"), u("2010100")};
    const QStringList counts{u("9"), u("100"), u("10"), u("-3")};
    const QStringList marks{u("1+2"), u("12.5%"), u(""), u("3")};
    ui::GridModel model;
    model.setGrid(4, {u("期号"), u("倍数"), u("中出")}, [&](int r, int c) {
        return (c == 0 ? issues : c == 1 ? counts : marks)[r];
    });
    std::unique_ptr<QTableView> view(ui::makeGrid(nullptr, &model));
    view->resize(400, 200);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));

    clickHeading(view.get(), 1);
    EXPECT_EQ(column(model, 1), QStringList({u("-3"), u("9"), u("10"), u("100")}));
    // Whole rows move: the issue of 100 comes along.
    EXPECT_EQ(column(model, 0), QStringList({u("2010100"), u("2010107"), u("2010099"), u("2009001")}));
    EXPECT_EQ(model.cellText(3, 0), u("2009001"));
    EXPECT_TRUE(view->horizontalHeader()->isSortIndicatorShown());
    clickHeading(view.get(), 1);
    EXPECT_EQ(column(model, 1), QStringList({u("100"), u("10"), u("9"), u("-3")}));
    EXPECT_EQ(view->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    clickHeading(view.get(), 1);
    EXPECT_EQ(column(model, 1), counts);
    EXPECT_FALSE(view->horizontalHeader()->isSortIndicatorShown());

    clickHeading(view.get(), 0);
    EXPECT_EQ(column(model, 0), QStringList({u("2009001"), u("2010099"), u("2010100"), u("2010107")}));
    // Another column starts ascending again; numbers and percentages before other texts.
    clickHeading(view.get(), 2);
    EXPECT_EQ(column(model, 2), QStringList({u("3"), u("12.5%"), u(""), u("1+2")}));

    // A new content keeps the chosen order.
    model.setGrid(3, {u("期号"), u("倍数"), u("中出")},
                  [](int r, int c) { return QString::number(c == 2 ? 5 - r : r); });
    EXPECT_EQ(column(model, 2), QStringList({u("3"), u("4"), u("5")}));
    EXPECT_EQ(column(model, 0), QStringList({u("2"), u("1"), u("0")}));
}

TEST(GridSort, EqualCellsKeepTheirOrder) {
    ui::GridModel model;
    model.setGrid(5, {u("a"), u("b")},
                  [](int r, int c) { return c == 0 ? QString::number(r % 2) : QString::number(r); });
    model.sort(0, Qt::AscendingOrder);
    EXPECT_EQ(column(model, 1), QStringList({u("0"), u("2"), u("4"), u("1"), u("3")}));
    model.sort(0, Qt::DescendingOrder);
    EXPECT_EQ(column(model, 1), QStringList({u("1"), u("3"), u("0"), u("2"), u("4")}));
    model.sort(-1);
    EXPECT_EQ(column(model, 1), QStringList({u("0"), u("1"), u("2"), u("3"), u("4")}));
}
