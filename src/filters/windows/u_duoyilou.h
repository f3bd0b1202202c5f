#pragma once
// "多重遗漏排除选号超稳大底": filters the 1000 direct numbers by their level-1 and
// level-2 omissions at a prediction issue, and marks every past draw by the same rule.

#include "filters/omission.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace corvel {

namespace ui {
class GridModel;
}

class Tfrmduoyilou : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmduoyilou(QWidget *parent = nullptr);

    void FormCreate();
    void btngencodeClick();
    void btntongjiClick();
    void btnsaveClick();
    void btncopyClick();
    void btncloseClick();
    void comcurqiChange();

    const NumberList &numbers() const { return list_; }
    const std::vector<OmissionRow> &statistics() const { return stats_; }
    OmissionTexts texts() const;

    QComboBox *comcurqi = nullptr;
    QLineEdit *edtsep11 = nullptr, *edtsep12 = nullptr;
    QLineEdit *edtsep21 = nullptr, *edtsep22 = nullptr;
    QLineEdit *edtyongcuo1 = nullptr, *edtyongcuo2 = nullptr;
    QCheckBox *chkyilou1 = nullptr, *chkyilou2 = nullptr;
    QTableView *grdtongji = nullptr;
    QTableView *grdcode = nullptr;
    QLabel *lbljushu = nullptr;
    QLabel *lblkaijiang = nullptr;
    QPushButton *btngencode = nullptr;
    QPushButton *btntongji = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btncopy = nullptr;
    QPushButton *btnclose = nullptr;
    QPushButton *btnhuice = nullptr;
    QPushButton *btnsend = nullptr;

private:
    void showStatistics();

    int ci_ = 0;
    std::vector<OmissionRow> stats_;
    NumberList list_;
    bool produced_ = false; // a run has given the list (it may be empty)
    ui::GridModel *statsModel_ = nullptr;
    ui::GridModel *codeModel_ = nullptr;
};

} // namespace corvel
