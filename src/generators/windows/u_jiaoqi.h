#pragma once
// "多重大底交集": the intersection of many base list files with tolerances by digit form,
// the omissions measured from the danma window's issue, and the two conversions.

#include "generators/intersect.h"
#include "generators/windows/listtools.h"

#include <QStringList>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace corvel {

class Tfrmjiaoqi : public QWidget, public dadi::ListFileControls, public ui::ListReceiver {
    Q_OBJECT
public:
    explicit Tfrmjiaoqi(QWidget *parent = nullptr);

    void FormCreate();
    void btndaoruClick();
    void lstdadiDblClick(QListWidgetItem *item);
    void btnjiaoqiClick();
    void btnzhuanClick();
    void optzhizhuClick();
    void btnsaveClick();
    void btncopyClick();
    void btncloseClick();

    // The preset plans of the danma window write these.
    void setTolerances(int sixLow, int sixHigh, int threeLow, int threeHigh);
    // The imported files (the lists sent from other windows are not files).
    QStringList paths() const;
    // "发送到" from another window: one more base list, as if imported from a file.
    void receiveList(const ui::SentList &list) override;
    // The danma window's issue (the next issue without that window).
    int danmaIndex() const;
    ui::WorkRunner *runner() const { return runner_; }

    QButtonGroup *optzhizhu = nullptr;
    QLineEdit *edtzhu6yongcuo1 = nullptr;
    QLineEdit *edtzhu6yongcuo2 = nullptr;
    QLineEdit *edtzhu3yongcuo1 = nullptr;
    QLineEdit *edtzhu3yongcuo2 = nullptr;
    QCheckBox *chkyilou = nullptr;
    QLineEdit *edtyilou = nullptr;
    QPushButton *btndaoru = nullptr;
    QPushButton *btnjiaoqi = nullptr;
    QPushButton *btnzhuan = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btncopy = nullptr;
    QPushButton *btnstop = nullptr;
    QPushButton *btnclose = nullptr;
    QPushButton *btnhuice = nullptr;
    QPushButton *btnsend = nullptr;

private:
    ListKind kind() const;
    // The settings of "大底交集" at `index`, checked as it checks them.
    IntersectSettings readSettings(int index) const;

    dadi::ListFilesFrame *files_ = nullptr;
    ui::WorkRunner *runner_ = nullptr;
};

} // namespace corvel
