#include "ui/gridmodel.h"

#include "ui/gridcommands.h"
#include "ui/gridheader.h"

#include <QEvent>
#include <QHeaderView>

namespace corvel::ui {

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent) {}

void GridModel::setGrid(int rows, const QStringList &headings, CellText cell) {
    beginResetModel();
    rows_ = rows;
    headings_ = headings;
    cell_ = std::move(cell);
    endResetModel();
}

void GridModel::clear() { setGrid(0, headings_, {}); }

QString GridModel::cellText(int row, int column) const {
    if (!cell_ || row < 0 || row >= rows_ || column < 0 || column >= headings_.size()) return {};
    return cell_(row, column);
}

int GridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : rows_; }
int GridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(headings_.size()); }

QVariant GridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < headings_.size() ? headings_[section] : QVariant();
    return section + 1;
}

QTableView *makeGrid(QWidget *parent, GridModel *model, int rowHeight) {
    auto *view = new QTableView(parent);
    view->setHorizontalHeader(new GridHeader(view));
    view->setModel(model);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->horizontalHeader()->setHighlightSections(false);
    // A block of cells can be selected for "复制".
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    addGridCommands(view);
    return view;
}

namespace {
class ColumnFitter : public QObject {
public:
    ColumnFitter(QTableView *view, int margin) : QObject(view), view_(view), margin_(margin) {
        view->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Resize) fitColumns(view_, margin_);
        return QObject::eventFilter(watched, event);
    }

private:
    QTableView *view_;
    int margin_;
};
} // namespace

void keepColumnsFitted(QTableView *view, int margin) {
    new ColumnFitter(view, margin);
    fitColumns(view, margin);
}

void fitColumns(QTableView *view, int margin) {
    const int columns = view->model() ? view->model()->columnCount() : 0;
    if (columns <= 0) return;
    const int width = std::max(20, (view->viewport()->width() - margin) / columns);
    for (int c = 0; c < columns; ++c) view->setColumnWidth(c, width);
}

} // namespace corvel::ui
