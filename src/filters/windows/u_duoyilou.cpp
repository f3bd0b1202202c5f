#include "filters/windows/u_duoyilou.h"

#include "filters/windows/listcommands.h"
#include "planning/backtesttools.h"
#include "planning/windows/u_huice.h"
#include "store/appdir.h"
#include "ui/betorient.h"
#include "ui/buttons.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"
#include "ui/issuebox.h"
#include "ui/listsend.h"
#include "ui/toolwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

using namespace filters2;

Tfrmduoyilou::Tfrmduoyilou(QWidget *parent) : QDialog(parent) {
    ui::makeToolDialog(this, QStringLiteral("frmduoyilou"), QStringLiteral("多重遗漏排除选号超稳大底"));

    const auto edit = [this](const char *name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromUtf8(name));
        e->setMaxLength(10);
        return e;
    };
    comcurqi = new QComboBox(this);
    comcurqi->setObjectName(QStringLiteral("comcurqi"));
    comcurqi->setMaxVisibleItems(20);
    edtsep11 = edit("edtsep11");
    edtsep12 = edit("edtsep12");
    edtsep21 = edit("edtsep21");
    edtsep22 = edit("edtsep22");
    edtyongcuo1 = edit("edtyongcuo1");
    edtyongcuo2 = edit("edtyongcuo2");
    chkyilou1 = new QCheckBox(QStringLiteral("一级遗漏"), this);
    chkyilou1->setObjectName(QStringLiteral("chkyilou1"));
    chkyilou2 = new QCheckBox(QStringLiteral("二级遗漏"), this);
    chkyilou2->setObjectName(QStringLiteral("chkyilou2"));

    auto *settings = new QGridLayout;
    auto *issueLabel = new QLabel(QStringLiteral("目前预测期："), this);
    issueLabel->setBuddy(comcurqi);
    settings->addWidget(issueLabel, 0, 0);
    settings->addWidget(comcurqi, 0, 1, 1, 3);
    const auto range = [&](int row, QWidget *head, QLineEdit *low, QLineEdit *high) {
        settings->addWidget(head, row, 0);
        settings->addWidget(low, row, 1);
        settings->addWidget(new QLabel(QStringLiteral("到"), this), row, 2);
        settings->addWidget(high, row, 3);
    };
    range(1, chkyilou1, edtsep11, edtsep12);
    range(2, chkyilou2, edtsep21, edtsep22);
    auto *toleranceLabel = new QLabel(QStringLiteral("容错"), this);
    toleranceLabel->setBuddy(edtyongcuo1);
    range(3, toleranceLabel, edtyongcuo1, edtyongcuo2);
    lblkaijiang = new QLabel(this);
    lblkaijiang->setObjectName(QStringLiteral("lblkaijiang"));
    settings->addWidget(lblkaijiang, 4, 0, 1, 4);

    statsModel_ = new ui::GridModel(this);
    grdtongji = ui::makeGrid(this, statsModel_);
    grdtongji->setObjectName(QStringLiteral("grdtongji"));
    ui::keepColumnsFitted(grdtongji, 20);
    statsModel_->setGrid(0,
                         {QStringLiteral("记录期号"), QStringLiteral("开奖号码"), QStringLiteral("一级遗漏"),
                          QStringLiteral("二级遗漏"), QStringLiteral("是否中奖")},
                         {});
    codeModel_ = new ui::GridModel(this);
    grdcode = ui::numbersGrid(this, codeModel_, QStringLiteral("grdcode"), 20);
    lbljushu = new QLabel(this);
    lbljushu->setObjectName(QStringLiteral("lbljushu"));

    btngencode = ui::commandButton(this, QStringLiteral("btngencode"), QStringLiteral("过滤"));
    btngencode->setDefault(true);
    btntongji = ui::commandButton(this, QStringLiteral("btntongji"), QStringLiteral("统计"));
    btnsave = ui::commandButton(this, QStringLiteral("btnsave"), QStringLiteral("保存"));
    btncopy = ui::commandButton(this, QStringLiteral("btncopy"), QStringLiteral("复制"));
    btnclose = ui::commandButton(this, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    btnhuice = backtestButton(this, [this]() -> std::optional<BacktestTool> {
        const OmissionSettings s = texts().read();
        return BacktestTool{QStringLiteral("多重遗漏选号"), {}, [s](const auto &) { return omissionTool(s); }};
    });
    btnsend = ui::sendButton(this, codeModel_, [this] { return ui::SentList{windowTitle(), list_, {}}; });

    auto *left = new QVBoxLayout;
    left->addLayout(settings);
    left->addWidget(lbljushu);
    ui::addBetIssueLabel(left, lbljushu);
    left->addWidget(grdcode, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("历史统计："), this));
    right->addWidget(grdtongji, 1);
    auto *body = new QHBoxLayout;
    body->addLayout(left, 2);
    body->addLayout(right, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *b : {btngencode, btntongji, btnsave, btncopy, btnhuice, btnsend, btnclose}) buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connect(btngencode, &QPushButton::clicked, this, &Tfrmduoyilou::btngencodeClick);
    connect(btntongji, &QPushButton::clicked, this, &Tfrmduoyilou::btntongjiClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmduoyilou::btnsaveClick);
    connect(btncopy, &QPushButton::clicked, this, &Tfrmduoyilou::btncopyClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmduoyilou::btncloseClick);
    connect(comcurqi, &QComboBox::activated, this, [this](int) { comcurqiChange(); });

    resize(900, 600);
    setMinimumSize(720, 460);
    FormCreate();
}

void Tfrmduoyilou::FormCreate() {
    edtsep11->setText(QStringLiteral("120"));
    edtsep12->setText(QStringLiteral("20000"));
    edtsep21->setText(QStringLiteral("200"));
    edtsep22->setText(QStringLiteral("20000"));
    edtyongcuo1->setText(QStringLiteral("0"));
    edtyongcuo2->setText(QStringLiteral("0"));
    chkyilou1->setChecked(true);
    chkyilou2->setChecked(true);
    ui::fillIssueBox(comcurqi, DrawHistory);
    comcurqiChange();
    lbljushu->setText(QStringLiteral("号码注数："));
    btntongjiClick();
}

OmissionTexts Tfrmduoyilou::texts() const {
    OmissionTexts t;
    t.level1 = chkyilou1->isChecked();
    t.level2 = chkyilou2->isChecked();
    t.level1Low = s(edtsep11->text());
    t.level1High = s(edtsep12->text());
    t.level2Low = s(edtsep21->text());
    t.level2High = s(edtsep22->text());
    t.toleranceLow = s(edtyongcuo1->text());
    t.toleranceHigh = s(edtyongcuo2->text());
    return t;
}

void Tfrmduoyilou::comcurqiChange() {
    ci_ = std::clamp(comcurqi->currentIndex(), 0, static_cast<int>(DrawHistory.size()));
    QString text = QStringLiteral("目前开奖：");
    if (ci_ < static_cast<int>(DrawHistory.size())) {
        const DrawRow &draw = DrawHistory[static_cast<size_t>(ci_)];
        text += q(numberText({draw[1], draw[2], draw[3]}));
    }
    lblkaijiang->setText(text);
}

void Tfrmduoyilou::btntongjiClick() {
    ui::runCommand(this, [this] {
        const OmissionSettings settings = texts().read();
        const ui::BusyCursor busy;
        stats_ = omissionStatistics(DrawHistory, settings);
        showStatistics();
    });
}

void Tfrmduoyilou::showStatistics() {
    const std::vector<OmissionRow> rows = stats_;
    statsModel_->setGrid(static_cast<int>(rows.size()), statsModel_->headings(), [rows](int row, int column) {
        const OmissionRow &r = rows[static_cast<size_t>(row)];
        switch (column) {
        case 0:
            return QString::number(r.issue);
        case 1:
            return q(numberText(r.number));
        case 2:
            return QString::number(r.l1);
        case 3:
            return QString::number(r.l2);
        default:
            return r.pass ? QStringLiteral("中") : QStringLiteral("X");
        }
    });
    // The newest rows are the ones to read: the last 18 come into view.
    grdtongji->scrollToBottom();
}

void Tfrmduoyilou::btngencodeClick() {
    ui::runCommand(this, [this] {
        const OmissionSettings settings = texts().read();
        const ui::BusyCursor busy;
        list_ = omissionFilter(DrawHistory, stats_, ci_, settings);
        produced_ = true;
        ui::showNumbers(codeModel_, list_);
        ui::showBetCount(lbljushu, QStringLiteral("号码注数：") + QString::number(list_.size()), std::ssize(list_));
        copyNumbers(list_);
    });
}

void Tfrmduoyilou::btnsaveClick() {
    if (!produced_) return ui::showWarning(this, QStringLiteral("请先生成表格！"));
    saveNumbers(this, list_, ShellFolderPath(QStringLiteral("Desktop")));
}

void Tfrmduoyilou::btncopyClick() { copyNumbers(list_); }

void Tfrmduoyilou::btncloseClick() { close(); }

} // namespace corvel
