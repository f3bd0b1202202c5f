#pragma once
// "定位跟随胆码及历史排除选号（组选）": follow statistics of a reference draw's digit pattern,
// old and new digits, and a bet list cut by the recent follow codes and by danma digits.
// FollowWindow holds everything the group window and its direct twin (u_gensui2) share.

#include "generators/follow.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace corvel {

namespace ui {
class GridModel;
}

class FollowWindow : public QWidget {
    Q_OBJECT
public:
    void FormCreate();
    void btntongjiClick();
    void btngen3Click();
    void btnsave3Click();
    void btnsave1Click(); // the history-exclusion list; the layout keeps this command hidden
    void btnsave2Click(); // the danma-exclusion list; hidden likewise
    void btncopyClick();
    void btnclearClick();
    void btncloseClick();
    void optnumClick();
    void composindexChange();
    void comcurqiChange();

    // State, for the tests.
    const FollowSelection &selection() const { return selection_; }
    ui::GridModel *followModel() const { return followModel_; }
    ui::GridModel *codeModel(int which) const; // 1, 2, 3 as grdcode1..3

    QButtonGroup *optnum = nullptr; // 0..2: one, two, three digits
    QGroupBox *grpnum = nullptr;
    QComboBox *composindex = nullptr;
    QButtonGroup *optcixu = nullptr; // 0 "分次序", 1 "不分次序"
    QGroupBox *grpcixu = nullptr;
    QComboBox *comsepnum = nullptr;
    QLineEdit *edtgensuiqishu = nullptr;
    QButtonGroup *optsep = nullptr; // 0 "包括开奖号", 1 "不包括开奖号"
    QLineEdit *edtpaichu = nullptr;
    QLineEdit *edtdanma = nullptr;
    QLineEdit *edtnum1 = nullptr;
    QLineEdit *edtnum2 = nullptr;
    QComboBox *comcurqi = nullptr; // hidden: the betting issue
    QPushButton *btntongji = nullptr;
    QPushButton *btngen3 = nullptr;
    QPushButton *btnsave3 = nullptr;
    QPushButton *btnsave1 = nullptr;
    QPushButton *btnsave2 = nullptr;
    QPushButton *btncopy = nullptr;
    QPushButton *btnclear = nullptr;
    QPushButton *btnclose = nullptr;
    QPushButton *btnhuice = nullptr;
    QPushButton *btnsend = nullptr;
    QTableView *tabhistory = nullptr;
    QTableView *grdcode1 = nullptr; // hidden behind the combined list
    QTableView *grdcode2 = nullptr; // hidden likewise
    QTableView *grdcode3 = nullptr;
    QLabel *lbljushu1 = nullptr;
    QLabel *lbljushu2 = nullptr;
    QLabel *lbljushu3 = nullptr;

protected:
    FollowWindow(QWidget *parent, FollowKind kind);

private:
    QWidget *buildParameters();
    QWidget *buildCommands();
    void connectCommands();
    QTableView *codeGrid(ui::GridModel *&model, const char *name);

    // What "统计" (for `width` digits) and "过滤" read from the controls.
    FollowSettings readStatistics(int width) const;
    FilterSettings readFilter() const;
    // Steps 1–4 for the chosen width, and the table on show.
    void followStat(int width);
    void showFollowTable();
    void showCombined();
    void showList(ui::GridModel *model, QLabel *label, const char *caption, const NumberList &numbers);
    void saveList(const QString &proposed, const NumberList &numbers);
    QString issueText() const;

    FollowKind kind_;
    FollowSelection selection_;
    FollowLists shown_; // the three lists on show
    int position_ = 1;
    int current_ = 0;
    bool pinEnd_ = true; // the follow table's end stays in view until the user scrolls
    ui::GridModel *followModel_ = nullptr;
    ui::GridModel *codeModels_[3] = {};
};

class Tfrmgensui : public FollowWindow {
    Q_OBJECT
public:
    explicit Tfrmgensui(QWidget *parent = nullptr);
};

} // namespace corvel
