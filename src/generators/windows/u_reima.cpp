#include "generators/windows/u_reima.h"

#include "store/appdir.h"
#include "store/textfile.h"
#include "ui/betorient.h"
#include "ui/buttons.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"
#include "ui/qtext.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

namespace {

constexpr int PlanColumnMargin = 20;
constexpr int CodeColumnMargin = 20;

} // namespace

AutoPlanWindow::AutoPlanWindow(QWidget *parent, PlanKind kind) : QWidget(parent), kind_(kind), plan_(kind) {
    setObjectName(threeDigits() ? QStringLiteral("frmsanma") : QStringLiteral("frmreima"));
    // An ordinary modeless window: it does not stay on top of the main window.
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);

    grpmode = new QGroupBox(QStringLiteral("选号模式"), this);
    grpmode->setObjectName(QStringLiteral("optmode"));
    optmode = new QButtonGroup(grpmode);
    auto *modes = new QHBoxLayout(grpmode);
    for (PlanMode m : {PlanMode::Parity, PlanMode::Size}) {
        auto *radio = new QRadioButton(q(planModeName(m)), grpmode);
        optmode->addButton(radio, static_cast<int>(m));
        modes->addWidget(radio);
    }

    auto *draws = new QFormLayout;
    edtzuijingcode1 = new QLineEdit(this);
    edtzuijingcode1->setObjectName(QStringLiteral("edtzuijingcode1"));
    edtzuijingcode2 = new QLineEdit(this);
    edtzuijingcode2->setObjectName(QStringLiteral("edtzuijingcode2"));
    for (QLineEdit *edit : {edtzuijingcode1, edtzuijingcode2}) edit->setMaximumWidth(120);
    if (threeDigits())
        draws->addRow(QStringLiteral("次新开奖(３位）："), edtzuijingcode1);
    else
        edtzuijingcode1->hide();
    draws->addRow(QStringLiteral("最新开奖(３位）："), edtzuijingcode2);

    btngencode = ui::commandButton(this, QStringLiteral("btngencode"),
                                   threeDigits() ? QStringLiteral("生成三码") : QStringLiteral("生成二码"));
    btnnewjihua = ui::commandButton(this, QStringLiteral("btnnewjihua"), QStringLiteral("开始新计划"));
    btncopy = ui::commandButton(this, QStringLiteral("btncopy"), QStringLiteral("复制号码"));
    btnsavejihua = ui::commandButton(this, QStringLiteral("btnsavejihua"), QStringLiteral("保存计划"));
    btnloadjihua = ui::commandButton(this, QStringLiteral("btnloadjihua"), QStringLiteral("载入计划"));
    btnclose = ui::commandButton(this, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {btngencode, btnnewjihua, btncopy, btnsavejihua, btnloadjihua, btnclose})
        buttons->addWidget(b);

    planModel_ = new ui::GridModel(this);
    grdjihua = ui::makeGrid(this, planModel_);
    grdjihua->setObjectName(QStringLiteral("grdjihua"));
    ui::keepColumnsFitted(grdjihua, PlanColumnMargin);
    codeModel_ = new ui::GridModel(this);
    grdcode = ui::makeGrid(this, codeModel_);
    grdcode->setObjectName(QStringLiteral("grdcode"));
    ui::keepColumnsFitted(grdcode, CodeColumnMargin);
    lbljushu = new QLabel(this);
    lbljushu->setObjectName(QStringLiteral("lbljushu"));
    auto *codePage = new QWidget(this);
    auto *codeLayout = new QVBoxLayout(codePage);
    codeLayout->addWidget(grdcode, 1);
    codeLayout->addWidget(lbljushu);
    ui::addBetIssueLabel(codeLayout, lbljushu);
    pagjihua = new QTabWidget(this);
    pagjihua->setObjectName(QStringLiteral("pagjihua"));
    pagjihua->addTab(grdjihua, QStringLiteral("位置号码"));
    pagjihua->addTab(codePage, QStringLiteral("直选号码"));

    auto *top = new QHBoxLayout;
    top->addWidget(grpmode);
    top->addLayout(draws);
    top->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->addWidget(pagjihua, 1);

    connect(btngencode, &QPushButton::clicked, this, &AutoPlanWindow::btngencodeClick);
    connect(btnnewjihua, &QPushButton::clicked, this, &AutoPlanWindow::btnnewjihuaClick);
    connect(btncopy, &QPushButton::clicked, this, &AutoPlanWindow::btncopyClick);
    connect(btnsavejihua, &QPushButton::clicked, this, &AutoPlanWindow::btnsavejihuaClick);
    connect(btnloadjihua, &QPushButton::clicked, this, &AutoPlanWindow::btnloadjihuaClick);
    connect(btnclose, &QPushButton::clicked, this, &AutoPlanWindow::btncloseClick);
    // Typing a draw and pressing Enter runs the step; in the second-latest field it moves on.
    connect(edtzuijingcode2, &QLineEdit::returnPressed, btngencode, &QPushButton::click);
    connect(edtzuijingcode1, &QLineEdit::returnPressed, edtzuijingcode2, [this] { edtzuijingcode2->setFocus(); });

    FormCreate();
    resize(600, 560);
    setMinimumSize(520, 420);
}

QString AutoPlanWindow::caption() const {
    return threeDigits() ? QStringLiteral("转换定位3码15期必中选号") : QStringLiteral("转换定位2码七期必中选号");
}

QString AutoPlanWindow::planFileName() const { return attachmentDir() + caption() + QStringLiteral("计划.txt"); }

PlanMode AutoPlanWindow::mode() const { return optmode->checkedId() == 1 ? PlanMode::Size : PlanMode::Parity; }

void AutoPlanWindow::FormCreate() {
    optmode->button(0)->setChecked(true);
    plan_.restart();
    showPlan();
    showState();
    setFocusProxy(threeDigits() ? edtzuijingcode1 : edtzuijingcode2);
}

void AutoPlanWindow::showPlan() {
    planModel_->setGrid(static_cast<int>(plan_.rows().size()),
                        {QStringLiteral("投注期数"), QStringLiteral("最新开奖"), QStringLiteral("下期投注")},
                        [this](int row, int column) {
                            const AutoPlanRow &r = plan_.rows()[static_cast<size_t>(row)];
                            if (column == 0) return q(planIssueText(static_cast<size_t>(row) + 1));
                            return q(column == 1 ? r.draw : r.bet);
                        });
    grdjihua->scrollToBottom();
    list_ = plan_.betList();
    codeModel_->setGrid(
        static_cast<int>(list_.size()),
        {QStringLiteral("记录期号"), QStringLiteral("号码1"), QStringLiteral("号码2"), QStringLiteral("号码3")},
        [this](int row, int column) {
            if (column == 0) return QStringLiteral("%1").arg(row + 1, 3); // "%3d"
            return QString::number(list_[static_cast<size_t>(row)][static_cast<size_t>(column - 1)]);
        });
    ui::showBetCount(lbljushu, QStringLiteral("共：%1注").arg(list_.size()), std::ssize(list_));
}

void AutoPlanWindow::showState() {
    setWindowTitle(caption() + QStringLiteral("（") + q(planStateName(plan_.state())) + QStringLiteral("）"));
    btngencode->setEnabled(plan_.state() != PlanState::Ended);
}

void AutoPlanWindow::readyForNextDraw() {
    if (threeDigits()) edtzuijingcode1->setText(edtzuijingcode2->text());
    edtzuijingcode2->clear();
    edtzuijingcode2->setFocus();
}

void AutoPlanWindow::btngencodeClick() {
    ui::runCommand(this, [this] {
        const StepOutcome outcome =
            plan_.step(mode(), edtzuijingcode2->text().toStdString(), edtzuijingcode1->text().toStdString());
        if (outcome == StepOutcome::Won) {
            showState();
            ui::showInformation(this, QStringLiteral("号码已中出，计划结束"));
            return;
        }
        showPlan();
        showState();
        readyForNextDraw();
    });
}

void AutoPlanWindow::btnnewjihuaClick() {
    plan_.restart();
    showPlan();
    showState();
    // The latest draw becomes the second-latest of the new plan; an empty latest field
    // (after a step it is always empty) leaves the second-latest draw where it is.
    if (threeDigits() && !edtzuijingcode2->text().isEmpty()) edtzuijingcode1->setText(edtzuijingcode2->text());
    edtzuijingcode2->clear();
    edtzuijingcode2->setFocus();
}

void AutoPlanWindow::btncopyClick() { ui::setClipboardText(q(clipboardText(list_))); }

void AutoPlanWindow::btnsavejihuaClick() {
    const QString path = ui::getSaveFileName(this, planFileName());
    if (path.isEmpty()) return;
    if (ui::runCommand(this, [&] { writeTextLines(path, toQLines(plan_.write(mode()))); }))
        ui::showInformation(this, QStringLiteral("成功保存！"));
}

void AutoPlanWindow::btnloadjihuaClick() {
    const QString path = ui::getOpenFileName(this, planFileName());
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] {
        AutoPlan::Loaded loaded = AutoPlan::read(kind_, toStdLines(readTextLines(path))); // a damaged file stops here
        plan_ = std::move(loaded.plan);
        optmode->button(static_cast<int>(loaded.mode))->setChecked(true);
        showPlan();
        showState();
        // The next step compares with the last draw of the plan, as if it had just been typed.
        if (threeDigits() && !plan_.rows().empty()) edtzuijingcode1->setText(q(plan_.rows().back().draw));
        edtzuijingcode2->clear();
        edtzuijingcode2->setFocus();
    });
}

// The window is kept: closing only hides it, with its plan.
void AutoPlanWindow::btncloseClick() { close(); }

Tfrmreima::Tfrmreima(QWidget *parent) : AutoPlanWindow(parent, PlanKind::TwoDigit) {}

} // namespace corvel
