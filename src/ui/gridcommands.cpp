#include "ui/gridcommands.h"

#include "ui/dialogs.h"
#include "ui/exportfile.h"
#include "ui/toolwindow.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>

namespace corvel::ui {

namespace {

// The cell's text as the grid shows it: texts as they stand, other values as the cell's
// delegate writes them.
QString shownText(const QTableView *view, const QModelIndex &index) {
    const QVariant value = index.data(Qt::DisplayRole);
    if (!value.isValid()) return {};
    if (value.typeId() != QMetaType::QString)
        if (const auto *delegate = qobject_cast<const QStyledItemDelegate *>(view->itemDelegateForIndex(index)))
            return delegate->displayText(value, view->locale());
    return value.toString();
}

// Logical rows and columns in the order shown, hidden ones left out.
QList<int> shownRows(const QTableView *view) {
    QList<int> rows;
    const int count = view->model() ? view->model()->rowCount() : 0;
    const QHeaderView *header = view->verticalHeader();
    for (int visual = 0; visual < count; ++visual) {
        const int row = header->count() == count ? header->logicalIndex(visual) : visual;
        if (!view->isRowHidden(row)) rows << row;
    }
    return rows;
}

QList<int> shownColumns(const QTableView *view) {
    QList<int> columns;
    const int count = view->model() ? view->model()->columnCount() : 0;
    const QHeaderView *header = view->horizontalHeader();
    for (int visual = 0; visual < count; ++visual) {
        const int column = header->count() == count ? header->logicalIndex(visual) : visual;
        if (!view->isColumnHidden(column)) columns << column;
    }
    return columns;
}

QString clipboardField(const QString &text) {
    if (!text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('"')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

} // namespace

QString csvField(const QString &text) {
    static const QString special = QStringLiteral("\",\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); })) return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString selectedCellsText(const QTableView *view) {
    if (!view->selectionModel() || !view->model()) return {};
    QSet<QPair<int, int>> selected;
    QSet<int> selectedRows, selectedColumns;
    for (const QModelIndex &index : view->selectionModel()->selectedIndexes()) {
        selected.insert({index.row(), index.column()});
        selectedRows.insert(index.row());
        selectedColumns.insert(index.column());
    }
    // The bounding rectangle, from the first to the last selected row and column shown.
    const auto span = [](const QList<int> &shown, const QSet<int> &wanted) {
        qsizetype first = -1, last = -1;
        for (qsizetype i = 0; i < shown.size(); ++i)
            if (wanted.contains(shown[i])) {
                if (first < 0) first = i;
                last = i;
            }
        return first < 0 ? QList<int>() : shown.mid(first, last - first + 1);
    };
    const QList<int> rows = span(shownRows(view), selectedRows);
    const QList<int> columns = span(shownColumns(view), selectedColumns);
    if (rows.isEmpty() || columns.isEmpty()) return {};

    QStringList lines;
    for (int row : rows) {
        QStringList cells;
        for (int column : columns)
            cells << (selected.contains({row, column})
                          ? clipboardField(shownText(view, view->model()->index(row, column)))
                          : QString());
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

QByteArray gridCsv(const QTableView *view) {
    QAbstractItemModel *model = view->model();
    // A model that hands its rows out in portions (a database table) gives them all.
    while (model && model->canFetchMore({})) model->fetchMore({});
    const QList<int> columns = shownColumns(view);
    QString text;
    const auto addRecord = [&](const QStringList &fields) {
        QStringList quoted;
        for (const QString &field : fields) quoted << csvField(field);
        text += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    QStringList headings;
    for (int column : columns)
        headings << (model ? model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() : QString());
    addRecord(headings);
    for (int row : shownRows(view)) {
        QStringList fields;
        for (int column : columns) fields << shownText(view, model->index(row, column));
        addRecord(fields);
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

void exportGridCsv(QTableView *view) {
    QWidget *window = view->window();
    const QString path =
        getSaveFileName(window, proposedExportPath(view, {}, QStringLiteral("csv")), QStringLiteral("CSV 文件 (*.csv)"),
                        QStringLiteral("csv"), QStringLiteral("导出CSV"));
    if (path.isEmpty()) return;
    QByteArray bytes;
    {
        const BusyCursor busy;
        bytes = gridCsv(view);
    }
    saveExport(window, path, bytes);
}

void addGridCommands(QTableView *view) {
    for (const QAction *existing : view->actions())
        if (existing->objectName() == QStringLiteral("mnugridcopy")) return;
    auto *copy = new QAction(QStringLiteral("复制"), view);
    copy->setObjectName(QStringLiteral("mnugridcopy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, view, [view] {
        const QString text = selectedCellsText(view);
        if (!text.isEmpty()) setClipboardText(text);
    });
    auto *csv = new QAction(QStringLiteral("导出CSV…"), view);
    csv->setObjectName(QStringLiteral("mnugridcsv"));
    QObject::connect(csv, &QAction::triggered, view, [view] { exportGridCsv(view); });
    view->addAction(copy);
    view->addAction(csv);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, view, [view, copy, csv](const QPoint &pos) {
        QMenu menu(view);
        copy->setEnabled(view->selectionModel() && view->selectionModel()->hasSelection());
        menu.addAction(copy);
        menu.addSeparator();
        menu.addAction(csv);
        menu.exec(view->viewport()->mapToGlobal(pos));
        copy->setEnabled(true); // Ctrl+C stays usable for the next selection
    });
}

} // namespace corvel::ui
