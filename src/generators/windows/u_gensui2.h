#pragma once
// "定位跟随胆码及历史排除选号（直选）": the ordered twin of the group follow selection —
// patterns, follow codes and exclusions digit by digit in draw order, and exclusions that
// accumulate over "过滤" runs until "清空".

#include "generators/windows/u_gensui.h"

namespace corvel {

class Tfrmgensui2 : public FollowWindow {
    Q_OBJECT
public:
    explicit Tfrmgensui2(QWidget *parent = nullptr);
};

} // namespace corvel
