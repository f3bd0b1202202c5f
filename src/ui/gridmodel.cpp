#include "ui/gridmodel.h"

#include "ui/gridcelldelegate.h"
#include "ui/gridcommands.h"
#include "ui/gridheader.h"

#include <QEvent>
#include <QHeaderView>
#include <algorithm>
#include <numeric>
#include <optional>

namespace corvel::ui {

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent) {}

void GridModel::setGrid(int rows, const QStringList &headings, CellText cell) {
    beginResetModel();
    rows_ = rows;
    headings_ = headings;
    cell_ = std::move(cell);
    applySort();
    endResetModel();
}

namespace {

// A cell's value when it reads as a number ("12", "-3", "2010107", "12.5%").
std::optional<double> numberIn(const QString &text) {
    QStringView t = QStringView(text).trimmed();
    if (t.endsWith(QLatin1Char('%'))) t.chop(1);
    if (t.isEmpty()) return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

int compareCells(const QString &a, const QString &b) {
    const std::optional<double> x = numberIn(a), y = numberIn(b);
    if (x && y) return *x < *y ? -1 : *x > *y ? 1 : 0;
    if (x || y) return x ? -1 : 1;
    return a.compare(b);
}

void GridModel::sort(int column, Qt::SortOrder order) {
    emit layoutAboutToBeChanged();
    sortColumn_ = column >= 0 && column < headings_.size() ? column : -1;
    sortOrder_ = order;
    applySort();
    emit layoutChanged();
}

void GridModel::applySort() {
    order_.clear();
    if (sortColumn_ < 0 || sortColumn_ >= headings_.size() || !cell_ || rows_ < 2) return;
    std::vector<QString> keys(static_cast<size_t>(rows_));
    for (int r = 0; r < rows_; ++r) keys[size_t(r)] = cell_(r, sortColumn_);
    order_.resize(size_t(rows_));
    std::iota(order_.begin(), order_.end(), 0);
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        const int c = compareCells(keys[size_t(a)], keys[size_t(b)]);
        return descending ? c > 0 : c < 0;
    });
}

int GridModel::sourceRow(int row) const {
    if (order_.empty() || row < 0 || row >= int(order_.size())) return row;
    return order_[size_t(row)];
}

void GridModel::clear() { setGrid(0, headings_, {}); }

QString GridModel::cellText(int row, int column) const {
    if (!cell_ || row < 0 || row >= rows_ || column < 0 || column >= headings_.size()) return {};
    return cell_(sourceRow(row), column);
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
    view->setItemDelegate(new GridCellDelegate(view));
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
