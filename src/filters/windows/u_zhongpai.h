#pragma once
// "综合立体全位排杀选号": eleven exclusion rules typed as short texts kill direct
// numbers; numbers whose kill count does not exceed the tolerance make the list.

#include "filters/exclusion.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace corvel {

namespace ui {
class GridModel;
}

class Tfrmzhongpai : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmzhongpai(QWidget *parent = nullptr);

    void FormCreate();
    void btnfiltClick();
    void btnclearClick();
    void btnsaveClick();
    void btncopyClick();
    void btncloseClick();
    void btnsavecondClick();
    void btnloadcondClick();

    // The settings as the controls hold them.
    ExclusionSettings settings() const;
    void applySettings(const ExclusionSettings &settings);
    const NumberList &numbers() const { return list_; }

    // Rule i's check box and edit, in the order a run evaluates them.
    QCheckBox *chkkuadu = nullptr, *chkheiwei = nullptr, *chkbai = nullptr, *chkshi = nullptr, *chkgei = nullptr,
              *chkrma = nullptr, *chk012 = nullptr, *chklaji = nullptr, *chkhei = nullptr, *chkdanma = nullptr,
              *chkyilou = nullptr;
    QLineEdit *edtkuadu = nullptr, *edtheiwei = nullptr, *edtbai = nullptr, *edtshi = nullptr, *edtgei = nullptr,
              *edtrma = nullptr, *edt012 = nullptr, *edtlaji = nullptr, *edthei = nullptr, *edtdanma = nullptr,
              *edtyilou = nullptr;
    QLineEdit *edtdanmanum = nullptr;
    QLineEdit *edtyongcuo = nullptr;
    QTableView *grdcode = nullptr;
    QLabel *lbljushu = nullptr;
    QPushButton *btnfilt = nullptr;
    QPushButton *btnclear = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btncopy = nullptr;
    QPushButton *btnclose = nullptr;
    QPushButton *btnsavecond = nullptr;
    QPushButton *btnloadcond = nullptr;
    QPushButton *btnhuice = nullptr;
    QPushButton *btnsend = nullptr;

private:
    std::array<QCheckBox *, ExclusionRuleCount> boxes() const;
    std::array<QLineEdit *, ExclusionRuleCount> edits() const;

    QString conditionPath() const;

    NumberList list_;
    bool produced_ = false; // a run has given the list (it may be empty)
    ui::GridModel *model_ = nullptr;
};

} // namespace corvel
