#include "analysis/windows/u_totalcode.h"

#include "core/u_public.h"

#include <QComboBox>

namespace corvel {

Tfrmtotalcode::Tfrmtotalcode(QWidget *parent)
    : GroupWindow({QStringLiteral("totalcode"), QStringLiteral("总体号码分析"),
                   QStringLiteral("总体位置所有号码组合统计图表"),
                   QStringLiteral("总体位置当前号码组合中奖间隔统计图表"), 2},
                  parent) {
    grdaddtotalcode = grdadd_;
    grdtotalcode = grd_;
    grdtotalcodesep = grdsep_;
    chtaddtotalcode = chtadd_;
    chttotalcodesep = chtsep_;
    FormCreate();
}

void Tfrmtotalcode::fillPositions() {
    compos->clear();
    compos->addItem(QStringLiteral("三位全包"));
    compos->setCurrentIndex(0);
    compos->setEnabled(false);
}

GroupWindow::Selection Tfrmtotalcode::stored() const {
    return {0, std::clamp(Choices.totalCodeSize, MinGroupSize, MaxGroupSize), Choices.totalCodeGroup};
}

void Tfrmtotalcode::store(int size, int group) {
    Choices.totalCodeSize = size;
    Choices.totalCodeGroup = group;
}

GroupAnalysis Tfrmtotalcode::compute(const Selection &s) const {
    const int groups = int(makeGroupList(s.size).size());
    return corvel::analyseOverall(DrawHistory, DirectNumbers, s.size, s.group >= 0 && s.group < groups ? s.group : 0);
}

void Tfrmtotalcode::analyseOverall() { analyse(); }

std::string Tfrmtotalcode::description() const {
    if (!computed() || analysis().groups.empty()) return {};
    return overallGroupDescription(analysis().chosenGroup().label);
}

} // namespace corvel
