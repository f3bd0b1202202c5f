#pragma once
// "转换定位3码15期必中选号": the three-position sibling of the two-digit plan window — the
// next draw's classes are predicted from how each position changed between the two most
// recent draws.

#include "generators/windows/u_reima.h"

namespace corvel {

class Tfrmsanma : public AutoPlanWindow {
    Q_OBJECT
public:
    explicit Tfrmsanma(QWidget *parent = nullptr);
};

} // namespace corvel
