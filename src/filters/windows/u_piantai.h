#pragma once
// "偏态搜索": how long each of the 1430 catalogue items has been absent, in multiples of
// its expected period; the items at or above the threshold in a table and a bar chart.

#include "filters/windows/u_searchwindow.h"

namespace corvel {

class Tfrmpiantai : public SearchWindow {
    Q_OBJECT
public:
    explicit Tfrmpiantai(QWidget *parent = nullptr);

    QTableView *grdpiantai = nullptr;
    ui::BarChart *chtpiantai = nullptr;
    QComboBox *compiantai = nullptr;
    QCheckBox *chkpiantai = nullptr;

protected:
    Listing search(bool onlyAbove, int threshold, const QString &boxText) const override;
    std::pair<int, int> columnWidths(int clientWidth) const override;
};

} // namespace corvel
