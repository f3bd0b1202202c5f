#include "filters/windows/u_zhongpai.h"

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
#include "ui/listsend.h"
#include "ui/toolwindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

using namespace filters2;

Tfrmzhongpai::Tfrmzhongpai(QWidget *parent) : QDialog(parent) {
    ui::makeToolDialog(this, QStringLiteral("frmzhongpai"), QStringLiteral("综合立体全位排杀选号"));

    auto *rules = new QGridLayout;
    int row = 0;
    const auto rule = [&](QCheckBox *&box, QLineEdit *&edit, const char *boxName, const char *caption,
                          const char *editName) {
        box = new QCheckBox(QString::fromUtf8(caption), this);
        box->setObjectName(QString::fromUtf8(boxName));
        edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf8(editName));
        edit->setMaxLength(200);
        rules->addWidget(box, row, 0);
        rules->addWidget(edit, row, 1, 1, 3);
        ++row;
    };
    rule(chkkuadu, edtkuadu, "chkkuadu", "过滤跨度", "edtkuadu");
    rule(chkheiwei, edtheiwei, "chkheiwei", "过滤和尾", "edtheiwei");
    rule(chkbai, edtbai, "chkbai", "过滤百位", "edtbai");
    rule(chkshi, edtshi, "chkshi", "过滤十位", "edtshi");
    rule(chkgei, edtgei, "chkgei", "过滤个位", "edtgei");
    rule(chkrma, edtrma, "chkrma", "过滤2码", "edtrma");
    rule(chk012, edt012, "chk012", "过滤012", "edt012");
    rule(chklaji, edtlaji, "chklaji", "过滤垃圾", "edtlaji");
    rule(chkhei, edthei, "chkhei", "过滤和值", "edthei");
    rule(chkdanma, edtdanma, "chkdanma", "过滤胆码(选择)", "edtdanma");
    // The danma rule's minimum sits beside its groups.
    rules->removeWidget(edtdanma);
    rules->addWidget(edtdanma, row - 1, 1);
    edtdanmanum = new QLineEdit(this);
    edtdanmanum->setObjectName(QStringLiteral("edtdanmanum"));
    edtdanmanum->setMaxLength(10);
    auto *danmaLabel = new QLabel(QStringLiteral("最少出号个数："), this);
    danmaLabel->setBuddy(edtdanmanum);
    rules->addWidget(danmaLabel, row - 1, 2);
    rules->addWidget(edtdanmanum, row - 1, 3);
    rule(chkyilou, edtyilou, "chkyilou", "过滤最近开奖号码  过滤期数：", "edtyilou");
    edtyongcuo = new QLineEdit(this);
    edtyongcuo->setObjectName(QStringLiteral("edtyongcuo"));
    edtyongcuo->setMaxLength(10);
    auto *toleranceLabel = new QLabel(QStringLiteral("容错个数："), this);
    toleranceLabel->setBuddy(edtyongcuo);
    rules->addWidget(toleranceLabel, row, 0);
    rules->addWidget(edtyongcuo, row, 1);
    rules->setColumnStretch(1, 3);
    rules->setColumnStretch(3, 1);

    model_ = new ui::GridModel(this);
    grdcode = ui::numbersGrid(this, model_, QStringLiteral("grdcode"), 40);
    lbljushu = new QLabel(this);
    lbljushu->setObjectName(QStringLiteral("lbljushu"));
    auto *listHead = new QHBoxLayout;
    listHead->addWidget(new QLabel(QStringLiteral("投注号码："), this));
    listHead->addStretch(1);
    listHead->addWidget(lbljushu);
    ui::addBetIssueLabel(listHead, lbljushu);
    auto *list = new QVBoxLayout;
    list->addLayout(listHead);
    list->addWidget(grdcode, 1);

    btnfilt = ui::commandButton(this, QStringLiteral("btnfilt"), QStringLiteral("过滤"));
    btnfilt->setDefault(true);
    btnclear = ui::commandButton(this, QStringLiteral("btnclear"), QStringLiteral("清除"));
    btnsave = ui::commandButton(this, QStringLiteral("btnsave"), QStringLiteral("保存"));
    btncopy = ui::commandButton(this, QStringLiteral("btncopy"), QStringLiteral("复制号码"));
    btnclose = ui::commandButton(this, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    btnhuice = backtestButton(this, [this]() -> std::optional<BacktestTool> {
        const ExclusionSettings s = settings();
        runExclusion({}, s); // every text checked as "过滤" checks it
        return BacktestTool{QStringLiteral("综合立体全位排杀"), {}, [s](const auto &) { return exclusionTool(s); }};
    });
    btnsend = ui::sendButton(this, model_, [this] { return ui::SentList{windowTitle(), list_, {}}; });
    btnsavecond = ui::commandButton(this, QStringLiteral("btnsavecond"), QStringLiteral("保存条件"));
    btnloadcond = ui::commandButton(this, QStringLiteral("btnloadcond"), QStringLiteral("载入条件"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnsavecond);
    buttons->addWidget(btnloadcond);
    buttons->addStretch(1);
    for (QPushButton *b : {btnfilt, btnclear, btnsave, btncopy, btnhuice, btnsend, btnclose}) buttons->addWidget(b);

    auto *body = new QHBoxLayout;
    body->addLayout(rules, 3);
    body->addLayout(list, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connect(btnfilt, &QPushButton::clicked, this, &Tfrmzhongpai::btnfiltClick);
    connect(btnclear, &QPushButton::clicked, this, &Tfrmzhongpai::btnclearClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmzhongpai::btnsaveClick);
    connect(btncopy, &QPushButton::clicked, this, &Tfrmzhongpai::btncopyClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmzhongpai::btncloseClick);
    connect(btnsavecond, &QPushButton::clicked, this, &Tfrmzhongpai::btnsavecondClick);
    connect(btnloadcond, &QPushButton::clicked, this, &Tfrmzhongpai::btnloadcondClick);

    FormCreate();
    resize(860, 520);
    setMinimumSize(700, 420);
}

void Tfrmzhongpai::FormCreate() {
    for (QCheckBox *box : boxes()) box->setChecked(false);
    for (QLineEdit *edit : edits()) edit->clear();
    edtyilou->setText(QStringLiteral("100"));
    edtdanmanum->setText(QStringLiteral("1"));
    edtyongcuo->setText(QStringLiteral("0"));
    lbljushu->clear();
}

std::array<QCheckBox *, ExclusionRuleCount> Tfrmzhongpai::boxes() const {
    return {chkkuadu, chkheiwei, chkbai, chkshi, chkgei, chkrma, chk012, chklaji, chkhei, chkdanma, chkyilou};
}

std::array<QLineEdit *, ExclusionRuleCount> Tfrmzhongpai::edits() const {
    return {edtkuadu, edtheiwei, edtbai, edtshi, edtgei, edtrma, edt012, edtlaji, edthei, edtdanma, edtyilou};
}

ExclusionSettings Tfrmzhongpai::settings() const {
    ExclusionSettings st;
    const auto b = boxes();
    const auto e = edits();
    for (size_t r = 0; r < b.size(); ++r) {
        st.ticked[r] = b[r]->isChecked();
        st.texts[r] = s(e[r]->text());
    }
    st.danmaMinimum = s(edtdanmanum->text());
    st.tolerance = s(edtyongcuo->text());
    return st;
}

void Tfrmzhongpai::applySettings(const ExclusionSettings &st) {
    const auto b = boxes();
    const auto e = edits();
    for (size_t r = 0; r < b.size(); ++r) {
        b[r]->setChecked(st.ticked[r]);
        e[r]->setText(q(st.texts[r]));
    }
    edtdanmanum->setText(q(st.danmaMinimum));
    edtyongcuo->setText(q(st.tolerance));
}

void Tfrmzhongpai::btnfiltClick() {
    ui::runCommand(this, [this] {
        list_ = runExclusion(DrawHistory, settings()).kept;
        produced_ = true;
        ui::showNumbers(model_, list_);
        ui::showBetCount(lbljushu, QString::number(list_.size()), std::ssize(list_));
    });
}

void Tfrmzhongpai::btnclearClick() {
    list_.clear();
    produced_ = false;
    ui::showNumbers(model_, list_);
    lbljushu->clear();
    for (QLineEdit *edit : edits())
        if (edit != edtyilou) edit->clear();
    edtdanmanum->setText(QStringLiteral("1"));
    edtyongcuo->setText(QStringLiteral("0"));
}

void Tfrmzhongpai::btnsaveClick() {
    if (!produced_) return ui::showWarning(this, QStringLiteral("请先生成表格！"));
    saveNumbers(this, list_, attachmentDir() + q(LotteryName) + QStringLiteral("直选投注号码.txt"));
}

// ---- Condition files -----------------------------------------------------------------

QString Tfrmzhongpai::conditionPath() const {
    return attachmentDir() + q(LotteryName) + QStringLiteral("综合排除条件.txt");
}

void Tfrmzhongpai::btnsavecondClick() {
    ui::runCommand(this, [this] {
        // Checked before the dialog: a text the file cannot hold is refused up front.
        const std::string text = writeExclusionConditions(settings());
        const QString path = ui::getSaveFileName(this, conditionPath());
        if (path.isEmpty()) return;
        writeFileBytes(path, QByteArray::fromStdString(text));
        ui::showInformation(this, QStringLiteral("成功保存！"));
    });
}

// The whole file is read and checked before any control changes.
void Tfrmzhongpai::btnloadcondClick() {
    const QString path = ui::getOpenFileName(this, conditionPath());
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] { applySettings(readExclusionConditions(readConditionText(path), ExclusionSettings{})); });
}

void Tfrmzhongpai::btncopyClick() { copyNumbers(list_); }

void Tfrmzhongpai::btncloseClick() { close(); }

} // namespace corvel
