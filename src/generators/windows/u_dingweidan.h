#pragma once
// "临界选号超稳大底": the union of random 100-number lists whose misses in the last stages
// of the history sit at a critical count, and the batch of such unions on the desktop.

#include "generators/stablebase.h"
#include "generators/windows/listtools.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace corvel {

class Tfrmdingweidan : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmdingweidan(QWidget *parent = nullptr);

    void FormCreate();
    void comcurqiChange();
    void btngencodeClick();
    void btnsaveClick();
    void btncopyClick();
    void btnalldadiClick();
    void btncloseClick();

    int currentIndex() const { return index_; }
    uint32_t seedCounter() const { return counter_; }
    ui::WorkRunner *runner() const { return runner_; }

    QComboBox *comcurqi = nullptr;
    QLabel *lblkaijiang = nullptr;
    QLineEdit *edtdadinum = nullptr;
    QLineEdit *edtjieduannum = nullptr;
    QLineEdit *edtcishu = nullptr;
    QLineEdit *edtallnum = nullptr;
    QPlainTextEdit *memcode = nullptr;
    QLabel *lbljushu = nullptr;
    QProgressBar *prggen = nullptr;
    QProgressBar *prgdadi = nullptr;
    QPushButton *btngencode = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btncopy = nullptr;
    QPushButton *btnalldadi = nullptr;
    QPushButton *btnstop = nullptr;
    QPushButton *btnclose = nullptr;
    QPushButton *btnhuice = nullptr;
    QPushButton *btnsend = nullptr;

private:
    // K, S and M as typed (index 0, unchecked); with the chosen issue and checked.
    StableSettings readCounts() const;
    StableSettings readSettings() const;
    void showUnion(const NumberList &numbers);

    DrawTable draws_;
    int index_ = 0;
    uint32_t counter_ = 1;
    ui::WorkRunner *runner_ = nullptr;
};

} // namespace corvel
