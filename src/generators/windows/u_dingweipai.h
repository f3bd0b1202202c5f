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

class Tfrmdingweipai : public QWidget, public dadi::ListFileControls {
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

    const QStringList &paths() const;
    ui::WorkRunner *runner() const { return runner_; }

    QLineEdit *edtnum1 = nullptr;
    QLineEdit *edtnum2 = nullptr;
    QPushButton *btndaoru = nullptr;
    QPushButton *btnjiaoqi = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btncopy = nullptr;
    QPushButton *btnstop = nullptr;
    QPushButton *btnclose = nullptr;

private:
    dadi::ListFilesFrame *files_ = nullptr;
    ui::WorkRunner *runner_ = nullptr;
};

} // namespace corvel
