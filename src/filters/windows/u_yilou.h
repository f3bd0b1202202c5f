#pragma once
// "回补搜索": for each of the 1430 catalogue items the last completed absence, in multiples
// of its expected period; the items at or above the threshold that have come out again in
// a table and a bar chart.

#include "filters/windows/u_searchwindow.h"

namespace corvel {

class Tfrmyilou : public SearchWindow {
    Q_OBJECT
public:
    explicit Tfrmyilou(QWidget *parent = nullptr);

    QTableView *grdyilou = nullptr;
    ui::BarChart *chtyilou = nullptr;
    QComboBox *comyilou = nullptr;
    QCheckBox *chkyilou = nullptr;

protected:
    Listing search(bool onlyAbove, int threshold, const QString &boxText) const override;
    std::pair<int, int> columnWidths(int clientWidth) const override;
};

} // namespace corvel
