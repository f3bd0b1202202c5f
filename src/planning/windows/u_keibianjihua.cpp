#include "planning/windows/u_keibianjihua.h"

#include "core/pagemodel.h"
#include "core/usererror.h"
#include "planning/planfiles.h"
#include "store/textfile.h"
#include "ui/command.h"
#include "ui/intedit.h"
#include "ui/shortcuts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace corvel {

namespace {
const QString NewCaption = QStringLiteral("新建");
const QString DiscardCaption = QStringLiteral("取消保存");
} // namespace

Tfrmkeibianjihua::Tfrmkeibianjihua(QWidget *parent)
    : PlanWindow(parent, QStringLiteral("frmkeibianjihua"), QStringLiteral("可变投资计划")) {
    const VariablePlanInputs d;
    edtprekui = addEdit(QStringLiteral("edtprekui"), QStringLiteral("前期亏损："), d.prekui);
    edtlirun = addEdit(QStringLiteral("edtlirun"), QStringLiteral("预期利润："), d.lirun);
    edtinofsin = addEdit(QStringLiteral("edtinofsin"), QStringLiteral("单倍投入："), d.inofsin);
    edtoutofsin = addEdit(QStringLiteral("edtoutofsin"), QStringLiteral("单注奖金："), d.outofsin);
    edtdays = addEdit(QStringLiteral("edtdays"), QStringLiteral("投注期数："), d.days);
    edtjushu = addEdit(QStringLiteral("edtjushu"), QStringLiteral("本期注数："), d.jushu);

    btnnew = addButton(QStringLiteral("btnnew"), NewCaption);
    btnjisuan = addButton(QStringLiteral("btnjisuan"), QStringLiteral("添加本期计划"));
    btnsave = addButton(QStringLiteral("btnsave"), QStringLiteral("保存"));
    btnload = addButton(QStringLiteral("btnload"), QStringLiteral("载入"));
    btnprint = addButton(QStringLiteral("btnprint"), QStringLiteral("打印"));
    btnclose = addButton(QStringLiteral("btnclose"), QStringLiteral("关闭"));
    btnload->setDefault(true);
    btnjisuan->setEnabled(false);
    ui::addSaveShortcut(btnsave);
    ui::addPrintShortcut(btnprint);
    connect(btnnew, &QPushButton::clicked, this, &Tfrmkeibianjihua::btnnewClick);
    connect(btnjisuan, &QPushButton::clicked, this, &Tfrmkeibianjihua::btnjisuanClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmkeibianjihua::btnsaveClick);
    connect(btnload, &QPushButton::clicked, this, &Tfrmkeibianjihua::btnloadClick);
    connect(btnprint, &QPushButton::clicked, this, &Tfrmkeibianjihua::btnprintClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmkeibianjihua::btncloseClick);
    showRows();
}

VariablePlanInputs Tfrmkeibianjihua::readInputs() const {
    VariablePlanInputs in;
    in.prekui = ui::readInt64(edtprekui);
    in.lirun = ui::readInt64(edtlirun);
    in.inofsin = ui::readInt64(edtinofsin);
    in.outofsin = ui::readInt64(edtoutofsin);
    in.days = ui::readInt64(edtdays);
    in.jushu = ui::readInt64(edtjushu);
    return in;
}

void Tfrmkeibianjihua::setEdits(const VariablePlanInputs &in) {
    edtprekui->setText(QString::number(in.prekui));
    edtlirun->setText(QString::number(in.lirun));
    edtinofsin->setText(QString::number(in.inofsin));
    edtoutofsin->setText(QString::number(in.outofsin));
    edtdays->setText(QString::number(in.days));
    edtjushu->setText(QString::number(in.jushu));
}

void Tfrmkeibianjihua::showRows() {
    showTable(variablePlanHeadings(), static_cast<int>(rows_.size()),
              [this](int r, int c) { return QString::number(rows_[size_t(r)][size_t(c)]); });
}

void Tfrmkeibianjihua::setFileCommandsEnabled(bool enabled) {
    btnload->setEnabled(enabled);
    btnprint->setEnabled(enabled);
    btnclose->setEnabled(enabled);
}

void Tfrmkeibianjihua::startPlan() {
    rows_.clear();
    showRows();
    planning_ = true;
    btnnew->setText(DiscardCaption);
    btnjisuan->setEnabled(true);
    setFileCommandsEnabled(false);
}

void Tfrmkeibianjihua::discardPlan() {
    rows_.clear();
    showRows();
    planning_ = false;
    btnnew->setText(NewCaption);
    btnjisuan->setEnabled(false);
    btnsave->setEnabled(true);
    setFileCommandsEnabled(true);
}

void Tfrmkeibianjihua::btnnewClick() { planning_ ? discardPlan() : startPlan(); }

// Only 投注期数 is needed to tell whether another period fits; the other inputs are read
// after that check. A period without a usable multiple is not added.
void Tfrmkeibianjihua::btnjisuanClick() {
    ui::runCommand(this, [this] {
        VariablePlanInputs in;
        in.days = ui::readInt64(edtdays);
        checkVariableRoom(rows_.size(), in.days);
        in.jushu = ui::readPositiveInt64(edtjushu, betsNotPositiveMessage());
        in.prekui = ui::readInt64(edtprekui);
        in.lirun = ui::readInt64(edtlirun);
        in.outofsin = ui::readInt64(edtoutofsin);
        rows_.push_back(nextVariableRow(rows_, in));
        showRows();
        grdjihua->scrollToBottom();
        informAverage("平均每期净利润为:", averageNet(rows_));
    });
}

void Tfrmkeibianjihua::btnsaveClick() {
    ui::runCommand(this, [this] {
        if (rows_.empty()) return inform(QStringLiteral("请先生成表格！"));
        const VariablePlanInputs in = readInputs();
        if (in.days < static_cast<int64_t>(rows_.size()))
            throw UserError(periodsBelowAddedMessage(static_cast<int64_t>(rows_.size())));
        const QString path = askSaveFile(VariablePlanFileName);
        if (path.isEmpty()) return;
        writeTextLines(path, toQLines(variablePlanLines(in, rows_)));
        planning_ = false;
        btnnew->setText(NewCaption);
        setFileCommandsEnabled(true);
        inform(QStringLiteral("成功保存！"));
    });
}

// A loaded plan can be continued; a damaged file changes nothing.
void Tfrmkeibianjihua::btnloadClick() {
    ui::runCommand(this, [this] {
        const QString path = askOpenFile(VariablePlanFileName);
        if (path.isEmpty()) return;
        VariablePlanFile file = readVariablePlanLines(toStdLines(readTextLines(path)));
        if (!file.damage.empty()) throw UserError(file.damage);
        setEdits(file.inputs);
        rows_ = std::move(file.rows);
        showRows();
        planning_ = true;
        btnnew->setText(DiscardCaption);
        btnjisuan->setEnabled(true);
        informAverage("平均每期净利润为:", averageNet(rows_));
    });
}

void Tfrmkeibianjihua::btnprintClick() {
    ui::runCommand(this, [this] {
        PlanSheet sheet;
        sheet.title = "可变投资计划表";
        sheet.headings = variablePlanHeadings();
        sheet.cells = planCells(rows_);
        if (!rows_.empty()) sheet.info = variablePlanInfo(readInputs(), printDate());
        printSheet(sheet);
    });
}

void Tfrmkeibianjihua::btncloseClick() { hide(); }

} // namespace corvel
