#pragma once
// "冷码搜索": ranks the candidates of a bet kind by how long ago they last came out,
// keeps the coldest N as a bet list and replays the history against it.

#include "filters/coldcode.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace corvel {

namespace ui {
class GridModel;
}

class Tfrmsujifilt : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmsujifilt(QWidget *parent = nullptr);

    void FormCreate();
    void btnfiltClick();
    void btnloadClick();
    void btnsaveClick();
    void btnprintClick();
    void btncopyClick();
    void btncloseClick();

    // The list shown, ascending.
    const NumberList &numbers() const { return replay_.numbers; }
    BetKind chosenKind() const;

    QButtonGroup *optzhizhu = nullptr;
    QLineEdit *edtjushu = nullptr;
    QTableView *grdsuijicode = nullptr;
    QPlainTextEdit *memsuijifilt = nullptr;
    QLineEdit *edtyilou = nullptr;
    QPushButton *btnfilt = nullptr;
    QPushButton *btnload = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btnprint = nullptr;
    QPushButton *btncopy = nullptr;
    QPushButton *btnclose = nullptr;
    QPushButton *btnhuice = nullptr;
    QPushButton *btnsend = nullptr;

private:
    void showResult(BetKind kind, const NumberList &numbers);
    QString proposedName() const;

    ColdReplay replay_;
    BetKind listKind_ = BetKind::Direct;
    bool produced_ = false; // a search or a load has given the list (it may be empty)
    ui::GridModel *model_ = nullptr;
};

} // namespace corvel
