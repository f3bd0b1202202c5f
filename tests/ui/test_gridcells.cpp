// The grids draw their cells as the standard item drawing does, only faster.

#include "ui/gridmodel.h"

#include <QImage>
#include <QItemSelectionModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

struct TwoGrids {
    ui::GridModel model;
    std::unique_ptr<QTableView> fast, standard;

    explicit TwoGrids(const QStringList &cells) {
        model.setGrid(int(cells.size()), {u("期号"), u("号码")},
                      [cells](int r, int c) { return c == 0 ? QString::number(2010001 + r) : cells[r]; });
        fast.reset(ui::makeGrid(nullptr, &model));
        standard.reset(ui::makeGrid(nullptr, &model));
        standard->setItemDelegate(new QStyledItemDelegate(standard.get()));
        for (QTableView *view : {fast.get(), standard.get()}) {
            view->resize(300, 240);
            view->setColumnWidth(0, 90);
            view->setColumnWidth(1, 60);
        }
    }
    void select(int row, int column) {
        for (QTableView *view : {fast.get(), standard.get()})
            view->selectionModel()->select(model.index(row, column), QItemSelectionModel::Select);
    }
    static QImage cells(QTableView *view) { return view->viewport()->grab().toImage(); }
};

// Where the dark pixels of a cell's text are, as a box; empty when the cell shows none.
QRect inkBox(const QImage &image, const QRect &cell) {
    QRect box;
    const QColor background = image.pixelColor(cell.left() + 1, cell.top() + 1);
    for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
        for (int x = cell.left() + 2; x < cell.right() - 1; ++x)
            if (qAbs(qGray(image.pixel(x, y)) - qGray(background.rgb())) > 80) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(GridCells, TextsSitWhereTheStandardDrawingPutsThemSelectedOrNot) {
    TwoGrids grids({u("7"), u("12"), u("大小"), u("热"), u("123456789012"), QString()});
    grids.select(1, 1);
    grids.select(2, 0);
    const QImage fast = TwoGrids::cells(grids.fast.get()), standard = TwoGrids::cells(grids.standard.get());
    ASSERT_EQ(fast.size(), standard.size());
    for (int r = 0; r < grids.model.rowCount(); ++r)
        for (int c = 0; c < 2; ++c) {
            const QRect cell = grids.fast->visualRect(grids.model.index(r, c));
            const QRect a = inkBox(fast, cell), b = inkBox(standard, cell);
            SCOPED_TRACE(grids.model.cellText(r, c).toStdString());
            EXPECT_EQ(a.isEmpty(), b.isEmpty());
            // Centred alike, to the pixel (glyph edges may round either way).
            EXPECT_LE(qAbs(a.center().x() - b.center().x()), 1);
            EXPECT_LE(qAbs(a.center().y() - b.center().y()), 1);
            EXPECT_LE(qAbs(a.width() - b.width()), 2);
            // The selection's colours are the standard ones.
            EXPECT_EQ(fast.pixelColor(cell.left() + 1, cell.top() + 1),
                      standard.pixelColor(cell.left() + 1, cell.top() + 1));
        }
}

TEST(GridCells, TooWideATextIsShortenedAsEverywhere) {
    TwoGrids grids({u("123456789012"), u("一二三四五六七八")});
    const QImage fast = TwoGrids::cells(grids.fast.get()), standard = TwoGrids::cells(grids.standard.get());
    for (int r = 0; r < 2; ++r) {
        const QRect cell = grids.fast->visualRect(grids.model.index(r, 1));
        EXPECT_EQ(fast.copy(cell), standard.copy(cell)) << r;
    }
}
