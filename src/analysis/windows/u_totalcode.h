#pragma once
// The overall digit-group window "总体号码分析" (tab 2): a draw is covered by a group
// when all of its digits are digits of the group.

#include "analysis/windows/u_groupbase.h"

namespace corvel {

class Tfrmtotalcode : public GroupWindow {
    Q_OBJECT
public:
    explicit Tfrmtotalcode(QWidget *parent = nullptr);

    void analyseOverall();
    // "总体位置号码组合" + group of the results on screen.
    std::string description() const override;

    QTableView *grdaddtotalcode = nullptr;
    QTableView *grdtotalcode = nullptr;
    QTableView *grdtotalcodesep = nullptr;
    ui::BarChart *chtaddtotalcode = nullptr;
    ui::BarChart *chttotalcodesep = nullptr;

protected:
    void fillPositions() override;
    void positionChosen(int) override {}
    Selection stored() const override;
    void store(int size, int group) override;
    GroupAnalysis compute(const Selection &selection) const override;
};

} // namespace corvel
