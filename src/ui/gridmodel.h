#pragma once
// A read-only grid whose cells are formatted on demand: the model holds only a row
// count, a column count, the headings and a function that gives a cell's text. Grids
// of thousands of rows therefore cost nothing until their rows are painted.

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <functional>

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

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int rows_ = 0;
    QStringList headings_;
    CellText cell_;
};

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
