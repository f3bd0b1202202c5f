#pragma once
// "转换定位2码七期必中选号": a betting plan run issue by issue on two digit positions.
// AutoPlanWindow holds what it shares with the three-digit plan window (u_sanma).

#include "generators/autoplan.h"

#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace corvel {

namespace ui {
class GridModel;
}

class AutoPlanWindow : public QWidget {
    Q_OBJECT
public:
    void FormCreate();
    void btngencodeClick();
    void btnnewjihuaClick();
    void btncopyClick();
    void btnsavejihuaClick();
    void btnloadjihuaClick();
    void btncloseClick();

    // State, for the tests.
    const AutoPlan &plan() const { return plan_; }
    const NumberList &betList() const { return list_; }
    ui::GridModel *planModel() const { return planModel_; }
    ui::GridModel *codeModel() const { return codeModel_; }
    PlanMode mode() const;

    QButtonGroup *optmode = nullptr; // 0 "奇偶模式", 1 "大小模式"
    QGroupBox *grpmode = nullptr;
    QLineEdit *edtzuijingcode1 = nullptr; // "次新开奖", the three-digit plan only
    QLineEdit *edtzuijingcode2 = nullptr; // "最新开奖"
    QPushButton *btngencode = nullptr;
    QPushButton *btnnewjihua = nullptr;
    QPushButton *btncopy = nullptr;
    QPushButton *btnsavejihua = nullptr;
    QPushButton *btnloadjihua = nullptr;
    QPushButton *btnclose = nullptr;
    QTabWidget *pagjihua = nullptr;
    QTableView *grdjihua = nullptr;
    QTableView *grdcode = nullptr;
    QLabel *lbljushu = nullptr;

protected:
    AutoPlanWindow(QWidget *parent, PlanKind kind);

private:
    bool threeDigits() const { return kind_ == PlanKind::ThreeDigit; }
    QString caption() const;
    QString planFileName() const;
    void showPlan();
    void showState();
    void readyForNextDraw();

    PlanKind kind_;
    AutoPlan plan_;
    NumberList list_; // the bet list on show
    ui::GridModel *planModel_ = nullptr;
    ui::GridModel *codeModel_ = nullptr;
};

class Tfrmreima : public AutoPlanWindow {
    Q_OBJECT
public:
    explicit Tfrmreima(QWidget *parent = nullptr);
};

} // namespace corvel
