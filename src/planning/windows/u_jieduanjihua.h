#pragma once
// 阶段计划投资: one multiple of a fixed bet list for each stage of consecutive periods.

#include "planning/windows/u_planwindow.h"

namespace corvel {

class Tfrmjieduanjihua : public MultiplePlanWindow {
    Q_OBJECT
public:
    explicit Tfrmjieduanjihua(QWidget *parent = nullptr);

    using MultiplePlanWindow::edtjieduan;
};

} // namespace corvel
