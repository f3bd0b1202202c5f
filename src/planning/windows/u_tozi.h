#pragma once
// "投资模式分析": replays a betting strategy for a bet list over the whole draw history
// of the open lottery, and searches the strategy settings with the best surplus on a
// worker thread.

#include "planning/replay.h"
#include "planning/tozifiles.h"
#include "planning/windows/u_tozithread.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QToolButton;

namespace corvel {

namespace ui {
class GridModel;
}

class Tfrmtozi : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmtozi(QWidget *parent = nullptr);
    ~Tfrmtozi() override;

    void FormCreate();
    void btnfiltClick();
    void btnalaClick();
    void btnyouhuaClick();
    void btnclearClick();
    void btncloseClick();
    void chksepmodeClick();
    void optzhuzhiClick();
    void mnucodesaveClick();
    void mnusetsaveClick();
    void mnubothsaveClick();
    void mnucodeloadClick();
    void mnusetloadClick();
    void mnubothloadClick();
    void mnucodeprintClick();
    void mnusetprintClick();

    // State, for the tests.
    const NumberList &betList() const { return list_; }
    const HitColumn &hitColumn() const { return hits_; }
    const ReplayResult &lastReplay() const { return replay_; }
    bool searching() const { return !worker_.isNull(); }
    Ttozithread *worker() const { return worker_.data(); }
    int kindIndex() const;

    // Parameters
    QGroupBox *grpparams = nullptr;
    QGroupBox *grpzhuzhi = nullptr;
    QButtonGroup *optzhuzhi = nullptr;
    QLineEdit *edtjushu = nullptr;
    QLineEdit *edtoutofsin = nullptr;
    QLineEdit *edtlirun = nullptr;
    QLineEdit *edtsinmax = nullptr;
    QLineEdit *edtallmax = nullptr;
    QComboBox *comsepindex = nullptr;
    QComboBox *comsepnum = nullptr;
    QComboBox *comtozisep = nullptr;
    QComboBox *comtozirep = nullptr;
    QCheckBox *chkyuji = nullptr;
    QCheckBox *chksepmode = nullptr;
    QLineEdit *edtallwin = nullptr;
    // Displays
    QTableView *grdcode = nullptr;
    QTableView *grdsep = nullptr;
    QTableView *grdsepmode = nullptr;
    QTableView *grdtozi = nullptr;
    QProgressBar *prgsearch = nullptr;
    QLabel *lblsearch = nullptr; // the outcome of the last search
    // Commands
    QPushButton *btnfilt = nullptr;
    QPushButton *btnala = nullptr;
    QPushButton *btnyouhua = nullptr;
    QPushButton *btnclear = nullptr;
    QPushButton *btnclose = nullptr;
    QPushButton *btnsend = nullptr;
    QToolButton *tlbtnsave = nullptr;
    QToolButton *tlbtnload = nullptr;
    QToolButton *tlbtnprint = nullptr;
    QAction *mnucodesave = nullptr;
    QAction *mnusetsave = nullptr;
    QAction *mnubothsave = nullptr;
    QAction *mnucodeload = nullptr;
    QAction *mnusetload = nullptr;
    QAction *mnubothload = nullptr;
    QAction *mnucodeprint = nullptr;
    QAction *mnusetprint = nullptr;

private:
    QWidget *buildParameters();
    QWidget *buildCommands();
    QWidget *buildGrids();
    QToolButton *menuButton(const QString &name, const QString &caption,
                            const QList<QPair<QAction **, QString>> &items);
    void connectCommands();

    // Steps of a new list: the hit column, its display and the interval statistics.
    void takeList(const NumberList &numbers);
    void showListAndHits();
    void showIntervalStats(const std::vector<IntervalStat> &stats);
    void showRecords();
    void clearRecords();
    bool hasList() const;
    ReplayParams readParams() const;
    // Runs the replay and shows it.
    void replayStrategy();

    ToziSettings currentSettings() const;
    void checkSettingTexts() const;
    void applySettings(const ToziSettings &settings);
    void setKind(int index);
    void applyList(const InvestmentList &list);
    QString proposedName(const QString &suffix) const;
    QString lastIssueText() const;

    void startSearch();
    void searchDone(int rIndex, int wIndex, int lIndex);
    void setSearching(bool on);

    NumberList list_;
    HitColumn hits_;
    ReplayResult replay_;
    QPointer<Ttozithread> worker_;
    int lastKind_ = 0;
    bool stopRequested_ = false;
    ui::GridModel *codeModel_ = nullptr;
    ui::GridModel *sepModel_ = nullptr;
    ui::GridModel *sepModeModel_ = nullptr;
    ui::GridModel *toziModel_ = nullptr;
};

} // namespace corvel
