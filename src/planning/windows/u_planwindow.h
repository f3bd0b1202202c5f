#pragma once
// What the three plan windows have in common: labelled edit boxes over the plan grid
// `grdjihua`, a row of buttons, the plan-file dialogs, messages and printing. The fixed
// and stage plan windows are twins and share all their commands (MultiplePlanWindow).

#include "planning/planprint.h"
#include "planning/plans.h"

#include <QDialog>
#include <functional>

class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTableView;

namespace corvel {

namespace ui {
class GridModel;
}

class PlanWindow : public QDialog {
    Q_OBJECT
public:
    QTableView *grdjihua = nullptr;
    ui::GridModel *gridModel() const { return model_; }

protected:
    PlanWindow(QWidget *parent, const QString &objectName, const QString &caption);

    QLineEdit *addEdit(const QString &name, const QString &label, int64_t value);
    QPushButton *addButton(const QString &name, const QString &caption);

    void inform(const QString &text);
    void informAverage(const char *label, int64_t average);

    // File dialogs proposing AppDir + "附属/" + fileName; empty for cancel.
    QString askSaveFile(const char *fileName);
    QString askOpenFile(const char *fileName);

    // Grid of `rows` rows under the headings; `cell` gives the texts.
    void showTable(const std::vector<std::string> &headings, int rows, std::function<QString(int, int)> cell);
    // Prints through the print dialog; "请先生成表格！" when the sheet has no rows.
    void printSheet(const PlanSheet &sheet);
    bool hasTable() const;

private:
    QGridLayout *edits_ = nullptr;
    QHBoxLayout *buttons_ = nullptr;
    ui::GridModel *model_ = nullptr;
};

// The fixed plan and the stage plan: one multiple per period, or per stage of periods.
class MultiplePlanWindow : public PlanWindow {
    Q_OBJECT
public:
    QLineEdit *edtprekui = nullptr;
    QLineEdit *edtlirun = nullptr;
    QLineEdit *edtinofsin = nullptr;
    QLineEdit *edtoutofsin = nullptr;
    QLineEdit *edtdays = nullptr;
    QPushButton *btnala = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btnload = nullptr;
    QPushButton *btnprint = nullptr;
    QPushButton *btnclose = nullptr;

    void btnalaClick();
    void btnsaveClick();
    void btnloadClick();
    void btnprintClick();
    void btncloseClick();

    // The plan on show (rows of a damaged file that were not read are missing).
    const std::vector<PlanRow> &planRows() const { return rows_; }

protected:
    enum class Kind { Fixed, Stage };
    MultiplePlanWindow(QWidget *parent, Kind kind);

    QLineEdit *edtjieduan = nullptr; // the stage plan's 阶段次数

private:
    bool staged() const { return kind_ == Kind::Stage; }
    const char *fileName() const;
    StagePlanInputs readInputs() const;
    void setEdits(const StagePlanInputs &in);
    void setPlan(const StagePlanInputs &in, std::vector<PlanRow> rows, const std::string &firstHeading);
    void loadFile(const QString &path);

    Kind kind_;
    StagePlanInputs inputs_; // the inputs the plan on show was made with
    std::vector<PlanRow> rows_;
    std::vector<std::string> headings_;
};

} // namespace corvel
