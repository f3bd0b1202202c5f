#pragma once
// The catalogue window "彩票操作": lists the lotteries of the database file, shows a
// lottery's options and opens it.

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace corvel {

class Tfrmindex : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmindex(QWidget *parent = nullptr);

    void ListLotteries();
    void lstcaipiaoClick();
    void optposClick(int index);
    // Opens the selected lottery; true when it opened (the window is then closed).
    bool btnopenClick();
    void btnextClick();
    void btnaddClick();
    void btndelClick();

    QListWidget *lstcaipiao = nullptr;
    QLineEdit *edtcainame = nullptr;
    QButtonGroup *optcaitype = nullptr;
    QLineEdit *edtcaisum = nullptr;
    QLineEdit *edtcaisel = nullptr;
    QLineEdit *edtcaitime = nullptr;
    QGroupBox *grpweek = nullptr;
    QCheckBox *chkweek[7] = {};
    QButtonGroup *optpos = nullptr;
    QGroupBox *grppos = nullptr;
    QPushButton *btnadd = nullptr;
    QPushButton *btndel = nullptr;
    QPushButton *btnopen = nullptr;
    QPushButton *btnext = nullptr;

private:
    void FormCreate();
    void setOptionsReadOnly(bool readOnly);
    QString weekdaysText() const;
};

} // namespace corvel
