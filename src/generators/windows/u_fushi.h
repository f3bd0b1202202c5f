#pragma once
// "无穷跟随反转胆码选号": danma groups from a random search over the transformed history,
// their base list, the batch of base lists on the desktop and the seven preset plans,
// which also set the tolerances of the base list intersection window.

#include "generators/danma.h"
#include "generators/windows/listtools.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
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

class Tfrmfushi : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmfushi(QWidget *parent = nullptr);
    ~Tfrmfushi() override;

    void FormCreate();
    void comfanganChange();
    void comcurqiChange();
    void comyanxunumChange();
    void btngenClick();
    void btnfiltClick();
    void btnsaveClick();
    void btnsave2Click();
    void btncopyClick();
    void btnalldadiClick();
    void btncloseClick();

    // The chosen issue's position (DrawCount for the next issue), read by the intersection.
    int currentIndex() const { return index_; }
    const std::vector<std::string> &groups() const { return groups_; }
    const NumberList &baseList() const { return list_; }
    ui::WorkRunner *runner() const { return runner_; }
    // The seed of the back-test's group searches; 0 takes one from the clock.
    void setSeed(uint32_t seed) { seed_ = seed; }

    QComboBox *comfangan = nullptr;
    QButtonGroup *opttype = nullptr;
    QComboBox *comcodenum = nullptr;
    QLineEdit *edtfushinum = nullptr;
    QComboBox *comyanxunum = nullptr;
    QComboBox *comcurqi = nullptr;
    QLabel *lblkaijiang = nullptr;
    QLineEdit *edtzhuliuyongcuo1 = nullptr;
    QLineEdit *edtzhuliuyongcuo2 = nullptr;
    QLineEdit *edtzhusanyongcuo1 = nullptr;
    QLineEdit *edtzhusanyongcuo2 = nullptr;
    QLineEdit *edtdadinum = nullptr;
    QTableView *grdfushi = nullptr;
    QTabWidget *pgcode = nullptr;
    QTableView *grdcode = nullptr;
    QLabel *lbljushu = nullptr;
    QLabel *lblresult = nullptr;
    QProgressBar *prggen = nullptr;
    QProgressBar *prgdadi = nullptr;
    QPushButton *btngen = nullptr;
    QPushButton *btnfilt = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btnsave2 = nullptr;
    QPushButton *btncopy = nullptr;
    QPushButton *btnalldadi = nullptr;
    QPushButton *btnstop = nullptr;
    QPushButton *btnclose = nullptr;
    QPushButton *btnhuice = nullptr;
    QPushButton *btnsend = nullptr;

private:
    // The settings at `index`, checked for a history of `drawCount` draws.
    DanmaSettings readSettings(int index, size_t drawCount) const;
    DanmaSettings readSettings() const;
    MissRanges readRanges() const;
    void showGroups(const std::vector<std::string> &groups);
    void showList(const NumberList &list);

    DrawTable draws_; // the history at the window's creation, as its issue list shows it
    int index_ = 0;
    std::vector<std::string> groups_;
    NumberList list_;
    bool filtered_ = false;
    uint32_t seed_ = 0;
    ui::GridModel *groupModel_ = nullptr;
    ui::GridModel *codeModel_ = nullptr;
    ui::WorkRunner *runner_ = nullptr;
};

} // namespace corvel
