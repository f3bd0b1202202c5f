#pragma once
// "无穷最优间隔选号": the randomised interval search over transformed histories, run
// on a worker thread, with the 200 stage lists, the stage view and the verification
// against the draws already known.

#include "filters/windows/intervalworker.h"

#include <QDialog>
#include <QPointer>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;

namespace corvel {

namespace ui {
class GridModel;
}

class Tfrmgujian : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmgujian(QWidget *parent = nullptr);
    ~Tfrmgujian() override;

    void FormCreate();
    void btnfiltClick();
    void btnstopClick();
    void btnyanzhengClick();
    void btnsaveClick();
    void btncopyClick();
    void btncloseClick();
    void comcurqiChange();
    void comindexChange();
    void opttype1Click();
    void optmodeClick();
    // The repeated runs: start issues DrawCount − 1 down to DrawCount − 200.
    void FormDblClick();

    // State, for the tests.
    int startIndex() const { return start_; }
    bool searching() const { return !worker_.isNull(); }
    Tgujianthread *worker() const { return worker_.data(); }
    const NumberList &numbers() const { return shown_; }
    const IntervalResult *result() const { return result_.get(); }
    int resultStart() const { return resultStart_; }
    int runsDone() const { return runsDone_; }
    // The seed of the next search; 0 takes one from the clock.
    void setSeed(uint32_t seed) { seed_ = seed; }

    QComboBox *comjieduannum = nullptr;
    QLineEdit *edtjian1 = nullptr;
    QComboBox *comcurqi = nullptr;
    QComboBox *comindex = nullptr;
    QLineEdit *edtjushu = nullptr;
    QButtonGroup *opttype1 = nullptr;
    QButtonGroup *opttype2 = nullptr;
    QButtonGroup *opttype3 = nullptr;
    QButtonGroup *opttype4 = nullptr;
    QButtonGroup *optmode = nullptr;
    QGroupBox *grptype1 = nullptr, *grptype2 = nullptr, *grptype3 = nullptr, *grptype4 = nullptr, *grpmode = nullptr;
    QLabel *lbljushu = nullptr;
    QLabel *lblposcode = nullptr;
    QLabel *lblkaijiang = nullptr;
    QProgressBar *pb = nullptr;
    QTabWidget *pgc = nullptr;
    QTableView *grdcode = nullptr;
    QTableView *grdyanzheng = nullptr;
    QPushButton *btnfilt = nullptr;
    QPushButton *btnstop = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btncopy = nullptr;
    QPushButton *btnyanzheng = nullptr;
    QPushButton *btnclose = nullptr;
    QPushButton *btnhuice = nullptr;
    QPushButton *btnsend = nullptr;

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QGroupBox *radioGroup(QButtonGroup *&group, const char *name, const char *first, const char *second);
    IntervalSettings readSettings() const;
    void startWorker(const IntervalSettings &settings, std::vector<int> starts);
    void runDone(int start, const IntervalResultPtr &result);
    void searchFinished();
    void setSearching(bool on);
    void setStart(int start);
    void showStage(int stage);
    void clearVerification();
    void clearResult();

    int start_ = 0;
    int previousStartItem_ = 0;
    IntervalResultPtr result_;
    int resultStart_ = 0;
    bool resultHundreds_ = false;
    int searchTarget_ = 0; // the 号码注数 the running or last search aimed at
    NumberList shown_;
    QPointer<Tgujianthread> worker_;
    uint32_t seed_ = 0;
    int runsDone_ = 0;
    ui::GridModel *codeModel_ = nullptr;
    ui::GridModel *verifyModel_ = nullptr;
};

} // namespace corvel
