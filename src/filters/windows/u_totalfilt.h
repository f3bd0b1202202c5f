#pragma once
// "总体过滤": sixteen conditions on the digits cut the 1000 direct numbers down to a bet
// list, with an error tolerance; a loaded list restricts one run. Also saves and loads the
// conditions as a condition file and checks them against the newest draws ("历史验证").

#include "filters/totalfilter.h"
#include "ui/listsend.h"

#include <QDialog>
#include <QWidget>
#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace corvel {

namespace ui {
class GridModel;
}

// The back-test's result: one row per draw, the issue, the number and 保留 / 淘汰.
class BackTestView : public QDialog {
    Q_OBJECT
public:
    explicit BackTestView(QWidget *parent);
    void showResult(const BackTestResult &result);

    QTableView *grdyanzheng = nullptr;
    QLabel *lblyanzheng = nullptr;

private:
    ui::GridModel *model_ = nullptr;
    BackTestResult result_;
};

class Tfrmtotalfilt : public QWidget, public ui::ListReceiver {
    Q_OBJECT
public:
    explicit Tfrmtotalfilt(QWidget *parent = nullptr);

    void FormCreate();
    void btnfiltClick();
    void btnsaveClick();
    void btnloadClick();
    void btnclsClick();
    void btncopyClick();
    void btnzhuanClick();
    void btncloseClick();
    void btnsavetiaojianClick();
    void btnloadtiaojianClick();
    void btnyanzhengClick();

    // The controls as a settings value, and back.
    TotalFilterSettings settings() const;
    void applySettings(const TotalFilterSettings &settings);
    bool loadedListOn() const { return loadedList_; }
    // "发送到" from another window: the loaded list of the next run, as "载入" loads a file.
    void receiveList(const ui::SentList &list) override;

    // 定位: tiles chkb0..9, chks0..9, chkg0..9 (checkable buttons painted red when selected).
    std::array<std::array<QPushButton *, 10>, 3> tiles{};
    std::vector<QCheckBox *> chkhe, chkka, chkdx, chkjo, chkhw, chkxt;
    std::array<std::array<QCheckBox *, 4>, 2> chkz{}; // chkz10..13, chkz20..23
    QCheckBox *chkzhu6 = nullptr;
    QCheckBox *chkzhu3 = nullptr;
    QCheckBox *chkbao = nullptr;
    // Radio groups by their names: optds1..6, optds8..12, opt7, opt9..12.
    QButtonGroup *optds1 = nullptr, *optds2 = nullptr, *optds3 = nullptr, *optds4 = nullptr, *optds5 = nullptr,
                 *optds6 = nullptr, *optds8 = nullptr, *opt7 = nullptr;
    std::array<QButtonGroup *, 4> opttwo{};   // opt9..opt12
    std::array<QButtonGroup *, 4> optdstwo{}; // optds9..optds12
    QLineEdit *edtdan1 = nullptr;
    QLineEdit *edtdan2 = nullptr;
    std::array<QLineEdit *, 4> edtreima{};
    QLineEdit *edtnum1 = nullptr;
    QLineEdit *edtnum2 = nullptr;
    QLineEdit *edtyanzheng = nullptr;
    QLabel *lblresult = nullptr;
    QPlainTextEdit *memresult = nullptr;
    QPushButton *btnfilt = nullptr, *btnsave = nullptr, *btnload = nullptr, *btncls = nullptr, *btncopy = nullptr,
                *btnzhuan = nullptr, *btnclose = nullptr, *btnsavetiaojian = nullptr, *btnloadtiaojian = nullptr,
                *btnyanzheng = nullptr, *btnhuice = nullptr, *btnsend = nullptr;
    BackTestView *backTestView = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildPositions();
    QWidget *buildBoxGroup(const QString &title, const char *prefix, const QStringList &captions, int columns,
                           std::vector<QCheckBox *> &boxes, QButtonGroup *&keep, const char *keepName, int groupIndex);
    QWidget *buildDanma();
    QWidget *buildTwoCodes();
    QWidget *buildTypeAndTolerance();
    QWidget *buildCommands();
    QWidget *buildResult();
    QButtonGroup *radioGroup(QWidget *parent, const char *name, const QStringList &items, QLayout *layout);
    void setResult(const QString &text, const QString &label);
    // "载入" of a list file's lines; `origin` follows the count in the label.
    void loadLines(const std::vector<std::string> &lines, const QString &origin = {});

    bool loadedList_ = false;
    bool grouped_ = false; // the result box holds the groups of "直转组"
    bool centred_ = false;
};

} // namespace corvel
