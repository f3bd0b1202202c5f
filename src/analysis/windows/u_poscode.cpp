#include "analysis/windows/u_poscode.h"

#include "core/u_public.h"

#include <QComboBox>

namespace corvel {

Tfrmposcode::Tfrmposcode(QWidget *parent)
    : GroupWindow({QStringLiteral("poscode"), QStringLiteral("各位置号码分析"),
                   QStringLiteral("当前位置所有号码组合统计图表"),
                   QStringLiteral("当前位置当前号码组合中奖间隔统计图表"), 1},
                  parent) {
    grdaddposcode = grdadd_;
    grdposcode = grd_;
    grdposcodesep = grdsep_;
    chtaddposcode = chtadd_;
    chtposcodesep = chtsep_;
    FormCreate();
}

void Tfrmposcode::fillPositions() {
    compos->clear();
    for (int p = 1; p <= 3; ++p)
        compos->addItem(QString::fromStdString(PositionNames[size_t(p)]) + QStringLiteral("位"));
    compos->setCurrentIndex(std::clamp(Choices.position, 1, 3) - 1);
}

void Tfrmposcode::positionChosen(int index) { Choices.position = index + 1; }

GroupWindow::Selection Tfrmposcode::stored() const {
    return {std::clamp(Choices.position, 1, 3), std::clamp(Choices.posCodeSize, MinGroupSize, MaxGroupSize),
            Choices.posCodeGroup};
}

void Tfrmposcode::store(int size, int group) {
    Choices.posCodeSize = size;
    Choices.posCodeGroup = group;
}

GroupAnalysis Tfrmposcode::compute(const Selection &s) const {
    const int groups = int(makeGroupList(s.size).size());
    return corvel::analysePositions(DrawHistory, DirectNumbers, s.position, s.size,
                                    s.group >= 0 && s.group < groups ? s.group : 0);
}

void Tfrmposcode::analysePositions() { analyse(); }

std::string Tfrmposcode::description() const {
    if (!computed() || analysis().groups.empty()) return {};
    return positionGroupDescription(PositionNames[size_t(computed()->position)], analysis().chosenGroup().label);
}

} // namespace corvel
