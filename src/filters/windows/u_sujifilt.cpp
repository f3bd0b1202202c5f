#include "filters/windows/u_sujifilt.h"

#include "filters/windows/listcommands.h"
#include "planning/backtesttools.h"
#include "planning/windows/u_huice.h"
#include "store/appdir.h"
#include "store/textfile.h"
#include "ui/betorient.h"
#include "ui/buttons.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"
#include "ui/intedit.h"
#include "ui/listsend.h"
#include "ui/printing.h"
#include "ui/toolwindow.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

using namespace filters2;

namespace {

const char *const KindCaptions[4] = {"直选", "全组选", "组选3", "组选6"};

} // namespace

Tfrmsujifilt::Tfrmsujifilt(QWidget *parent) : QDialog(parent) {
    ui::makeToolDialog(this, QStringLiteral("frmsujifilt"), QStringLiteral("冷码搜索"));

    auto *kinds = new QGroupBox(QStringLiteral("投注方式"), this);
    kinds->setObjectName(QStringLiteral("optzhizhu"));
    optzhizhu = new QButtonGroup(this);
    auto *kindLayout = new QHBoxLayout(kinds);
    for (int k = 0; k < 4; ++k) {
        auto *radio = new QRadioButton(QString::fromUtf8(KindCaptions[k]), kinds);
        optzhizhu->addButton(radio, k);
        kindLayout->addWidget(radio);
    }

    edtjushu = new QLineEdit(this);
    edtjushu->setObjectName(QStringLiteral("edtjushu"));
    edtjushu->setMaxLength(10);
    auto *countLabel = new QLabel(QStringLiteral("注数："), this);
    countLabel->setBuddy(edtjushu);

    model_ = new ui::GridModel(this);
    grdsuijicode = ui::numbersGrid(this, model_, QStringLiteral("grdsuijicode"), 30);
    memsuijifilt = new QPlainTextEdit(this);
    memsuijifilt->setObjectName(QStringLiteral("memsuijifilt"));
    memsuijifilt->setReadOnly(true);
    edtyilou = new QLineEdit(this);
    edtyilou->setObjectName(QStringLiteral("edtyilou"));
    edtyilou->setReadOnly(true);

    btnfilt = ui::commandButton(this, QStringLiteral("btnfilt"), QStringLiteral("开始搜索"));
    btnfilt->setDefault(true);
    btnload = ui::commandButton(this, QStringLiteral("btnload"), QStringLiteral("载入"));
    btnsave = ui::commandButton(this, QStringLiteral("btnsave"), QStringLiteral("保存"));
    btnprint = ui::commandButton(this, QStringLiteral("btnprint"), QStringLiteral("打印"));
    btncopy = ui::commandButton(this, QStringLiteral("btncopy"), QStringLiteral("复制号码"));
    btnclose = ui::commandButton(this, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    btnhuice = backtestButton(this, [this]() -> std::optional<BacktestTool> {
        const BetKind kind = chosenKind();
        const int64_t count = ui::readInt64(edtjushu);
        checkColdCount(kind, count);
        return BacktestTool{QStringLiteral("冷码搜索"), {}, [=](const auto &) { return coldTool(kind, count); }};
    });
    btnsend = ui::sendButton(this, model_, [this] { return ui::SentList{windowTitle(), numbers(), listKind_}; });

    auto *top = new QHBoxLayout;
    top->addWidget(kinds);
    top->addWidget(countLabel);
    top->addWidget(edtjushu);
    top->addStretch(1);

    auto *left = new QVBoxLayout;
    auto *listLabel = new QLabel(QStringLiteral("投注号码："), this);
    left->addWidget(listLabel);
    left->addWidget(grdsuijicode, 1);
    ui::addBetIssueLabel(left, listLabel);
    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("历史间隔："), this));
    right->addWidget(memsuijifilt, 1);
    auto *omission = new QHBoxLayout;
    auto *omissionLabel = new QLabel(QStringLiteral("目前遗漏(期)："), this);
    omissionLabel->setBuddy(edtyilou);
    omission->addWidget(omissionLabel);
    omission->addWidget(edtyilou);
    right->addLayout(omission);
    auto *middle = new QHBoxLayout;
    middle->addLayout(left, 3);
    middle->addLayout(right, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *b : {btnfilt, btnload, btnsave, btnprint, btncopy, btnhuice, btnsend, btnclose})
        buttons->addWidget(b);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    connect(btnfilt, &QPushButton::clicked, this, &Tfrmsujifilt::btnfiltClick);
    connect(btnload, &QPushButton::clicked, this, &Tfrmsujifilt::btnloadClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmsujifilt::btnsaveClick);
    connect(btnprint, &QPushButton::clicked, this, &Tfrmsujifilt::btnprintClick);
    connect(btncopy, &QPushButton::clicked, this, &Tfrmsujifilt::btncopyClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmsujifilt::btncloseClick);

    FormCreate();
    resize(760, 560);
    setMinimumSize(600, 420);
}

void Tfrmsujifilt::FormCreate() {
    optzhizhu->button(0)->setChecked(true);
    edtjushu->setText(QStringLiteral("450"));
    edtyilou->clear();
}

BetKind Tfrmsujifilt::chosenKind() const { return static_cast<BetKind>(std::max(0, optzhizhu->checkedId())); }

void Tfrmsujifilt::btnfiltClick() {
    ui::runCommand(this, [this] {
        const BetKind kind = chosenKind();
        const int64_t count = ui::readInt64(edtjushu);
        checkColdCount(kind, count);
        const ui::BusyCursor busy;
        showResult(kind, coldSearch(DrawHistory, kind, count));
    });
}

void Tfrmsujifilt::showResult(BetKind kind, const NumberList &numbers) {
    replay_ = coldReplay(DrawHistory, kind, numbers);
    produced_ = true;
    listKind_ = kind;
    ui::showNumbers(model_, replay_.numbers);
    // With no draw in the list the omission keeps what it showed before.
    if (replay_.currentOmission) edtyilou->setText(QString::number(*replay_.currentOmission));
    memsuijifilt->setPlainText(toQLines(replay_.memo).join(QLatin1Char('\n')));
}

QString Tfrmsujifilt::proposedName() const {
    return attachmentDir() + q(LotteryName) + q(coldKindCaption(listKind_)) + QStringLiteral("冷码搜索投注号码.txt");
}

void Tfrmsujifilt::btnsaveClick() {
    if (!produced_) return ui::showWarning(this, QStringLiteral("请先生成表格！"));
    const QString path = ui::getSaveFileName(this, proposedName());
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] {
        writeTextLines(path, toQLines(writeColdList(listKind_, numbers())));
        ui::showInformation(this, QStringLiteral("成功保存！"));
    });
}

void Tfrmsujifilt::btnloadClick() {
    const QString path = ui::getOpenFileName(this, attachmentDir() + q(LotteryName) + q(coldKindCaption(chosenKind())) +
                                                       QStringLiteral("冷码搜索投注号码.txt"));
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] {
        const ColdList list = readColdList(toStdLines(readListFile(path)));
        optzhizhu->button(static_cast<int>(list.kind))->setChecked(true);
        edtjushu->setText(QString::number(list.count));
        {
            const ui::BusyCursor busy;
            showResult(list.kind, list.numbers);
        }
        if (!list.shortfall.empty()) ui::showWarning(this, q(list.shortfall));
    });
}

void Tfrmsujifilt::btnprintClick() {
    if (numbers().empty()) return ui::showWarning(this, QStringLiteral("请先生成表格！"));
    const std::string issue = DrawHistory.empty() ? std::string() : std::to_string(DrawHistory.back()[0]);
    const std::string title =
        lotteryTitleName(LotteryName) + "  " + issue + "期" + coldKindCaption(listKind_) + "投注号码";
    ui::printBetList(this, title, numbers());
}

void Tfrmsujifilt::btncopyClick() { copyNumbers(numbers()); }

// The window is kept: closing only hides it, with its list and results.
void Tfrmsujifilt::btncloseClick() { close(); }

} // namespace corvel
