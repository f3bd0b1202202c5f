#include "ui/numbergrid.h"

#include "ui/gridmodel.h"

#include <QTableView>

namespace corvel::ui {

QStringList numberHeadings() {
    return {QStringLiteral("序号"), QStringLiteral("号码1"), QStringLiteral("号码2"), QStringLiteral("号码3")};
}

void showNumbers(GridModel *model, const NumberList &numbers) {
    model->setGrid(static_cast<int>(numbers.size()), numberHeadings(), [numbers](int row, int column) {
        if (column == 0) return QString::number(row + 1);
        return QString::number(numbers[static_cast<size_t>(row)][static_cast<size_t>(column - 1)]);
    });
}

QTableView *numbersGrid(QWidget *parent, GridModel *model, const QString &name, int margin) {
    QTableView *view = makeGrid(parent, model);
    view->setObjectName(name);
    keepColumnsFitted(view, margin);
    model->setGrid(0, numberHeadings(), {});
    return view;
}

} // namespace corvel::ui
