#pragma once
// 固定计划投资: the smallest multiple of a fixed bet list for every coming period.

#include "planning/windows/u_planwindow.h"

namespace corvel {

class Tfrmgudingjihua : public MultiplePlanWindow {
    Q_OBJECT
public:
    explicit Tfrmgudingjihua(QWidget *parent = nullptr);
};

} // namespace corvel
