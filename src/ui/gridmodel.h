#pragma once
// A read-only grid whose cells are formatted on demand: the model holds only a row
// count, a column count, the headings and a function that gives a cell's text. Grids
// of thousands of rows therefore cost nothing until their rows are painted.
//
// The grid can be shown sorted by a column (the heading's clicks, see GridHeader): rows
// are then shown in that order, cells that read as numbers (issues, counts, "12.5%")
// by value before the other texts, equal cells in their own order. Row numbers given to
// cellText and data() are the rows as shown.

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <functional>
#include <vector>

namespace corvel::ui {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using CellText = std::function<QString(int row, int column)>;

    explicit GridModel(QObject *parent = nullptr);

    // Replaces the whole content (a model reset).
    void setGrid(int rows, const QStringList &headings, CellText cell);
    void clear();
    QString cellText(int row, int column) const;
    const QStringList &headings() const { return headings_; }

    // Shows the rows ordered by `column`; a column of −1 gives back their own order. A new
    // content (setGrid) is shown in the same order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }
    // The row of the content shown at `row`.
    int sourceRow(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void applySort();

    int rows_ = 0;
    QStringList headings_;
    CellText cell_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    std::vector<int> order_; // shown row → content row; empty in the content's own order
};

// How two cells of a column compare when the grid is sorted: numbers by value and before
// texts, texts by their characters. Negative, zero or positive.
int compareCells(const QString &a, const QString &b);

// A table view set up as the program's grids: headings as the fixed row, no row
// header, cells selected singly or in blocks, rows of `rowHeight` pixels, cells centred,
// and the grid commands "复制" and "导出CSV…" (ui/gridcommands.h).
QTableView *makeGrid(QWidget *parent, GridModel *model, int rowHeight = 20);

// Gives every column of the view the same width: (client width − margin) / columns.
void fitColumns(QTableView *view, int margin);
// Keeps the columns fitted whenever the view's visible area changes size (the window
// resizing, a scroll bar coming or going).
void keepColumnsFitted(QTableView *view, int margin);

} // namespace corvel::ui
