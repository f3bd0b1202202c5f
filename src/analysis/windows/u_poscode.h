#pragma once
// The per-position digit-group window "各位置号码分析" (tab 1): a group occurs in a draw
// when the draw's digit at the chosen position is one of the group's digits.

#include "analysis/windows/u_groupbase.h"

namespace corvel {

class Tfrmposcode : public GroupWindow {
    Q_OBJECT
public:
    explicit Tfrmposcode(QWidget *parent = nullptr);

    void analysePositions();
    // "第" + position + "位号码组合" + group of the results on screen.
    std::string description() const override;

    QTableView *grdaddposcode = nullptr;
    QTableView *grdposcode = nullptr;
    QTableView *grdposcodesep = nullptr;
    ui::BarChart *chtaddposcode = nullptr;
    ui::BarChart *chtposcodesep = nullptr;

protected:
    void fillPositions() override;
    void positionChosen(int index) override;
    Selection stored() const override;
    void store(int size, int group) override;
    GroupAnalysis compute(const Selection &selection) const override;
};

} // namespace corvel
