#include "planning/windows/u_planwindow.h"

#include "core/pagemodel.h"
#include "core/usererror.h"
#include "planning/planfiles.h"
#include "store/appdir.h"
#include "store/textfile.h"
#include "ui/betorient.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"
#include "ui/intedit.h"
#include "ui/printing.h"
#include "ui/shortcuts.h"
#include "ui/toolwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

namespace {
constexpr int EditsPerRow = 3;
constexpr int GridMargin = 20;
} // namespace

// ---------------------------------------------------------------- PlanWindow

PlanWindow::PlanWindow(QWidget *parent, const QString &objectName, const QString &caption) : QDialog(parent) {
    ui::makeToolDialog(this, objectName, caption);
    resize(840, 580);
    setMinimumSize(640, 400);

    edits_ = new QGridLayout;
    edits_->setHorizontalSpacing(8);
    model_ = new ui::GridModel(this);
    grdjihua = ui::makeGrid(this, model_);
    ui::keepColumnsFitted(grdjihua, GridMargin);
    grdjihua->setObjectName(QStringLiteral("grdjihua"));
    buttons_ = new QHBoxLayout;
    buttons_->addWidget(new ui::BetIssueLabel(this)); // the plan's first period
    buttons_->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(edits_);
    layout->addWidget(grdjihua, 1);
    layout->addLayout(buttons_);
}

QLineEdit *PlanWindow::addEdit(const QString &name, const QString &label, int64_t value) {
    const int index = edits_->count() / 2;
    auto *edit = new QLineEdit(QString::number(value), this);
    edit->setObjectName(name);
    edit->setMaxLength(20);
    auto *caption = new QLabel(label, this);
    caption->setBuddy(edit);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edits_->addWidget(caption, index / EditsPerRow, (index % EditsPerRow) * 2);
    edits_->addWidget(edit, index / EditsPerRow, (index % EditsPerRow) * 2 + 1);
    return edit;
}

QPushButton *PlanWindow::addButton(const QString &name, const QString &caption) {
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    buttons_->addWidget(button);
    return button;
}

void PlanWindow::inform(const QString &text) { ui::showInformation(this, text); }

void PlanWindow::informAverage(const char *label, int64_t average) {
    inform(QString::fromUtf8(label) + QString::number(average));
}

QString PlanWindow::askSaveFile(const char *fileName) {
    return ui::getSaveFileName(this, attachmentDir() + QString::fromUtf8(fileName));
}

QString PlanWindow::askOpenFile(const char *fileName) {
    return ui::getOpenFileName(this, attachmentDir() + QString::fromUtf8(fileName));
}

void PlanWindow::showTable(const std::vector<std::string> &headings, int rows, std::function<QString(int, int)> cell) {
    model_->setGrid(rows, toQLines(headings), std::move(cell));
    ui::fitColumns(grdjihua, GridMargin);
}

bool PlanWindow::hasTable() const { return model_->rowCount() > 0 && !model_->cellText(0, 1).isEmpty(); }

void PlanWindow::printSheet(const PlanSheet &sheet) {
    if (sheet.cells.empty() || !hasTable()) {
        inform(QStringLiteral("请先生成表格！"));
        return;
    }
    ui::printWithMessage(this, [sheet](const PageGeometry &page) { return layoutPlanSheet(sheet, page); });
}

// ---------------------------------------------------------------- MultiplePlanWindow

MultiplePlanWindow::MultiplePlanWindow(QWidget *parent, Kind kind)
    : PlanWindow(parent, kind == Kind::Stage ? QStringLiteral("frmjieduanjihua") : QStringLiteral("frmgudingjihua"),
                 kind == Kind::Stage ? QStringLiteral("阶段计划投资") : QStringLiteral("固定计划投资")),
      kind_(kind), headings_(planHeadings()) {
    const StagePlanInputs d;
    edtprekui = addEdit(QStringLiteral("edtprekui"), QStringLiteral("前期亏损："), d.prekui);
    edtlirun = addEdit(QStringLiteral("edtlirun"), QStringLiteral("预期利润："), d.lirun);
    edtinofsin = addEdit(QStringLiteral("edtinofsin"), QStringLiteral("单倍投入："), d.inofsin);
    edtoutofsin = addEdit(QStringLiteral("edtoutofsin"), QStringLiteral("单注奖金："), d.outofsin);
    edtdays = addEdit(QStringLiteral("edtdays"), QStringLiteral("投注期数："), d.days);
    if (staged()) edtjieduan = addEdit(QStringLiteral("edtjieduan"), QStringLiteral("阶段次数："), d.jieduan);

    btnala = addButton(QStringLiteral("btnala"), QStringLiteral("生成计划"));
    btnsave = addButton(QStringLiteral("btnsave"), QStringLiteral("保存"));
    btnload = addButton(QStringLiteral("btnload"), QStringLiteral("载入"));
    btnprint = addButton(QStringLiteral("btnprint"), QStringLiteral("打印"));
    btnclose = addButton(QStringLiteral("btnclose"), QStringLiteral("关闭"));
    btnala->setDefault(true);
    ui::addSaveShortcut(btnsave);
    ui::addPrintShortcut(btnprint);
    connect(btnala, &QPushButton::clicked, this, &MultiplePlanWindow::btnalaClick);
    connect(btnsave, &QPushButton::clicked, this, &MultiplePlanWindow::btnsaveClick);
    connect(btnload, &QPushButton::clicked, this, &MultiplePlanWindow::btnloadClick);
    connect(btnprint, &QPushButton::clicked, this, &MultiplePlanWindow::btnprintClick);
    connect(btnclose, &QPushButton::clicked, this, &MultiplePlanWindow::btncloseClick);
    showTable(headings_, 0, {});
}

const char *MultiplePlanWindow::fileName() const { return staged() ? StagePlanFileName : FixedPlanFileName; }

StagePlanInputs MultiplePlanWindow::readInputs() const {
    StagePlanInputs in;
    in.days = ui::readPositiveInt64(edtdays, periodsNotPositiveMessage());
    in.prekui = ui::readInt64(edtprekui);
    in.lirun = ui::readInt64(edtlirun);
    in.inofsin = ui::readPositiveInt64(edtinofsin, unitCostNotPositiveMessage());
    in.outofsin = ui::readInt64(edtoutofsin);
    if (staged()) in.jieduan = ui::readPositiveInt64(edtjieduan, stagesNotPositiveMessage());
    return in;
}

void MultiplePlanWindow::setEdits(const StagePlanInputs &in) {
    edtprekui->setText(QString::number(in.prekui));
    edtlirun->setText(QString::number(in.lirun));
    edtinofsin->setText(QString::number(in.inofsin));
    edtoutofsin->setText(QString::number(in.outofsin));
    edtdays->setText(QString::number(in.days));
    if (edtjieduan) edtjieduan->setText(QString::number(in.jieduan));
}

void MultiplePlanWindow::setPlan(const StagePlanInputs &in, std::vector<PlanRow> rows,
                                 const std::string &firstHeading) {
    inputs_ = in;
    rows_ = std::move(rows);
    headings_ = planHeadings();
    headings_[0] = firstHeading;
    showTable(headings_, static_cast<int>(in.days), [this](int r, int c) {
        return r < static_cast<int>(rows_.size()) ? QString::number(rows_[size_t(r)][size_t(c)]) : QString();
    });
}

void MultiplePlanWindow::btnalaClick() {
    ui::runCommand(this, [this] {
        const StagePlanInputs in = readInputs();
        std::vector<PlanRow> rows = staged() ? stagePlan(in) : fixedPlan(in);
        setPlan(in, std::move(rows), planHeadings()[0]);
        informAverage("平均每期净利润为:", averageNet(rows_, in.days));
    });
}

void MultiplePlanWindow::btnsaveClick() {
    ui::runCommand(this, [this] {
        if (rows_.empty()) return inform(QStringLiteral("请先生成表格！"));
        const QString path = askSaveFile(fileName());
        if (path.isEmpty()) return;
        writeTextLines(path, toQLines(staged() ? stagePlanLines(inputs_, rows_) : fixedPlanLines(inputs_, rows_)));
        inform(QStringLiteral("成功保存！"));
    });
}

void MultiplePlanWindow::btnloadClick() {
    ui::runCommand(this, [this] {
        const QString path = askOpenFile(fileName());
        if (!path.isEmpty()) loadFile(path);
    });
}

// The whole file is checked before anything on screen changes. A fixed plan keeps the
// rows read before a damaged line and tells how many there were; a stage plan refuses a
// damaged file with the conversion message.
void MultiplePlanWindow::loadFile(const QString &path) {
    const std::vector<std::string> lines = toStdLines(readTextLines(path));
    if (staged()) {
        StagePlanFile file = readStagePlanLines(lines);
        if (!file.damage.empty()) throw UserError(file.damage);
        setEdits(file.inputs);
        setPlan(file.inputs, std::move(file.rows), planHeadings()[0]);
    } else {
        FixedPlanFile file = readFixedPlanLines(lines);
        StagePlanInputs in = inputs_;
        static_cast<PlanInputs &>(in) = file.inputs;
        setEdits(in);
        setPlan(in, std::move(file.rows), LoadedPeriodHeading);
        if (!file.damage.empty()) inform(QString::number(rows_.size()));
    }
    informAverage("平均每期中奖金额为:", averageNet(rows_, inputs_.days));
}

void MultiplePlanWindow::btnprintClick() {
    ui::runCommand(this, [this] {
        PlanSheet sheet;
        sheet.title = staged() ? "阶段投资计划表" : "固定投资计划表";
        sheet.info = staged() ? stagePlanInfo(inputs_, printDate()) : fixedPlanInfo(inputs_, printDate());
        sheet.headings = headings_;
        if (!rows_.empty()) sheet.cells = planCells(rows_, inputs_.days);
        printSheet(sheet);
    });
}

void MultiplePlanWindow::btncloseClick() { hide(); }

} // namespace corvel
