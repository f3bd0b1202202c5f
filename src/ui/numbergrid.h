#pragma once
// The numbered grid of a number list: "序号" from 1, then one digit per column.

#include "core/numberlist.h"

#include <QString>
#include <QStringList>

class QTableView;
class QWidget;

namespace corvel::ui {

class GridModel;

// The headings "序号", "号码1", "号码2", "号码3".
QStringList numberHeadings();
// Fills a numbers grid with `numbers` (the grid keeps its own copy).
void showNumbers(GridModel *model, const NumberList &numbers);
// An empty numbers grid named `name` whose columns keep (width − margin) / 4.
QTableView *numbersGrid(QWidget *parent, GridModel *model, const QString &name, int margin);

} // namespace corvel::ui
