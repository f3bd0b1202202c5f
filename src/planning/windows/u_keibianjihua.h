#pragma once
// 可变投资计划: a betting plan built one period at a time for a bet list whose size
// changes from period to period (2 yuan a bet).

#include "planning/windows/u_planwindow.h"

namespace corvel {

class Tfrmkeibianjihua : public PlanWindow {
    Q_OBJECT
public:
    explicit Tfrmkeibianjihua(QWidget *parent = nullptr);

    QLineEdit *edtprekui = nullptr;
    QLineEdit *edtlirun = nullptr;
    QLineEdit *edtinofsin = nullptr;
    QLineEdit *edtoutofsin = nullptr;
    QLineEdit *edtdays = nullptr;
    QLineEdit *edtjushu = nullptr;
    QPushButton *btnnew = nullptr; // "新建" / "取消保存"
    QPushButton *btnjisuan = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btnload = nullptr;
    QPushButton *btnprint = nullptr;
    QPushButton *btnclose = nullptr;

    void btnnewClick();
    void btnjisuanClick();
    void btnsaveClick();
    void btnloadClick();
    void btnprintClick();
    void btncloseClick();

    const std::vector<VariableRow> &planRows() const { return rows_; }

private:
    void startPlan();
    void discardPlan();
    void setFileCommandsEnabled(bool enabled);
    VariablePlanInputs readInputs() const;
    void setEdits(const VariablePlanInputs &in);
    void showRows();

    bool planning_ = false; // btnnew reads "取消保存"
    std::vector<VariableRow> rows_;
};

} // namespace corvel
