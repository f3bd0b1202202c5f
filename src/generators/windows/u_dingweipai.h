#pragma once
// "次数提取工具": the direct numbers that occur in a chosen range of many base list files.

#include "generators/countextract.h"
#include "generators/windows/listtools.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace corvel {

class Tfrmdingweipai : public QWidget, public dadi::ListFileControls, public ui::ListReceiver {
    Q_OBJECT
public:
    explicit Tfrmdingweipai(QWidget *parent = nullptr);

    void FormCreate();
    void btndaoruClick();
    void lstdadiDblClick(QListWidgetItem *item);
    void btnjiaoqiClick();
    void btnsaveClick();
    void btncopyClick();
    void btncloseClick();

    // The imported files (the lists sent from other windows are not files).
    QStringList paths() const;
    // "发送到" from another window: one more base list, as if imported from a file.
    void receiveList(const ui::SentList &list) override;
    ui::WorkRunner *runner() const { return runner_; }

    QLineEdit *edtnum1 = nullptr;
    QLineEdit *edtnum2 = nullptr;
    QPushButton *btndaoru = nullptr;
    QPushButton *btnjiaoqi = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btncopy = nullptr;
    QPushButton *btnstop = nullptr;
    QPushButton *btnclose = nullptr;
    QPushButton *btnsend = nullptr;

private:
    dadi::ListFilesFrame *files_ = nullptr;
    ui::WorkRunner *runner_ = nullptr;
};

} // namespace corvel
