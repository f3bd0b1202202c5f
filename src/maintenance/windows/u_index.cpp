#include "maintenance/windows/u_index.h"

#include "core/u_public.h"
#include "core/usererror.h"
#include "store/appdir.h"
#include "store/catalogue.h"
#include "store/u_datamod.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/intedit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvel {

namespace {

QButtonGroup *radioGroup(QWidget *parent, QGroupBox *box, const QStringList &items, int columns) {
    auto *group = new QButtonGroup(parent);
    auto *layout = new QGridLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i], box);
        group->addButton(radio, i);
        layout->addWidget(radio, i / columns, i % columns);
    }
    return group;
}

} // namespace

Tfrmindex::Tfrmindex(QWidget *parent) : QDialog(parent) {
    setObjectName("frmindex");
    setWindowTitle(QStringLiteral("彩票操作"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    FormCreate();
}

void Tfrmindex::FormCreate() {
    lstcaipiao = new QListWidget(this);
    lstcaipiao->setObjectName("lstcaipiao");
    edtcainame = new QLineEdit(this);
    edtcainame->setObjectName("edtcainame");
    edtcainame->setMaxLength(20);
    auto *typeBox = new QGroupBox(QStringLiteral("彩票类型："), this);
    optcaitype = radioGroup(this, typeBox, {QStringLiteral("乐透型"), QStringLiteral("数字型")}, 2);
    optcaitype->button(1)->setChecked(true);
    edtcaisum = new QLineEdit(QStringLiteral("10"), this);
    edtcaisel = new QLineEdit(QStringLiteral("3"), this);
    edtcaitime = new QLineEdit(this);
    edtcaitime->setMaxLength(10);
    grpweek = new QGroupBox(QStringLiteral("开奖星期："), this);
    auto *weekLayout = new QGridLayout(grpweek);
    for (int k = 1; k <= 7; ++k) {
        chkweek[k - 1] = new QCheckBox(QString::number(k), grpweek);
        weekLayout->addWidget(chkweek[k - 1], k <= 4 ? 0 : 1, (k - 1) % 4);
    }
    grppos = new QGroupBox(this);
    optpos = radioGroup(this, grppos, {QStringLiteral("左3位"), QStringLiteral("中3位"), QStringLiteral("右3位")}, 3);
    optpos->button(0)->setChecked(true);
    grppos->setEnabled(false);
    btnadd = new QPushButton(QStringLiteral("添加彩票"), this);
    btndel = new QPushButton(QStringLiteral("删除彩票"), this);
    btnopen = new QPushButton(QStringLiteral("打开彩票"), this);
    btnext = new QPushButton(QStringLiteral("退出"), this);
    btnopen->setDefault(true);
    btnadd->setEnabled(false);
    btndel->setEnabled(false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("彩票名称："), edtcainame);
    form->addRow(typeBox);
    form->addRow(QStringLiteral("号码总数："), edtcaisum);
    form->addRow(QStringLiteral("选择号码数："), edtcaisel);
    form->addRow(QStringLiteral("开奖时间："), edtcaitime);
    form->addRow(grpweek);
    form->addRow(grppos);
    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("选择彩票："), this));
    left->addWidget(lstcaipiao);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(form, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {btnadd, btndel, btnopen, btnext}) buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    connect(lstcaipiao, &QListWidget::currentRowChanged, this, [this] { lstcaipiaoClick(); });
    connect(lstcaipiao, &QListWidget::itemDoubleClicked, this, [this] { btnopenClick(); });
    connect(optpos, &QButtonGroup::idClicked, this, &Tfrmindex::optposClick);
    connect(btnopen, &QPushButton::clicked, this, [this] { btnopenClick(); });
    connect(btnext, &QPushButton::clicked, this, &Tfrmindex::btnextClick);
    connect(btnadd, &QPushButton::clicked, this, &Tfrmindex::btnaddClick);
    connect(btndel, &QPushButton::clicked, this, &Tfrmindex::btndelClick);

    setOptionsReadOnly(true);
    ListLotteries();
    setFixedSize(sizeHint().expandedTo(QSize(520, 420)));
}

void Tfrmindex::setOptionsReadOnly(bool readOnly) {
    edtcainame->setReadOnly(readOnly);
    edtcaitime->setReadOnly(readOnly);
    edtcaisum->setReadOnly(true);
    edtcaisel->setReadOnly(true);
    for (QAbstractButton *b : optcaitype->buttons()) {
        b->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    for (QCheckBox *c : chkweek) {
        c->setAttribute(Qt::WA_TransparentForMouseEvents, readOnly);
        c->setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    }
}

void Tfrmindex::ListLotteries() {
    lstcaipiao->clear();
    ui::runCommand(this, [this] { lstcaipiao->addItems(listLotteries(databasePath())); });
}

void Tfrmindex::lstcaipiaoClick() {
    if (!lstcaipiao->currentItem()) return;
    const QString name = lstcaipiao->currentItem()->text();
    // Should the options not be read, none of the previous selection stays behind, so
    // "打开彩票" cannot open it.
    edtcainame->clear();
    edtcaitime->clear();
    for (QCheckBox *c : chkweek) c->setChecked(false);
    ui::runCommand(this, [&] {
        const LotteryOptions o = readOptions(databasePath(), name);
        edtcainame->setText(o.name);
        if (QAbstractButton *b = optcaitype->button(o.kind)) b->setChecked(true);
        edtcaisum->setText(QString::number(o.range));
        edtcaisel->setText(QString::number(o.pick));
        edtcaitime->setText(o.drawTime);
        for (int k = 1; k <= 7; ++k) chkweek[k - 1]->setChecked(o.weekdays.contains(QString::number(k)));
    });
    const bool fixed = isThreeDigitGame(name.toStdString());
    optpos->button(fixed ? 0 : 2)->setChecked(true);
    PositionStart = fixed ? 1 : 3;
    grppos->setEnabled(!fixed);
}

void Tfrmindex::optposClick(int index) { PositionStart = index + 1; }

bool Tfrmindex::btnopenClick() {
    if (edtcainame->text().isEmpty()) {
        ui::showError(this, QStringLiteral("请选择彩票！"), QStringLiteral("错误"));
        return false;
    }
    // A failed open leaves the lottery closed.
    LotteryOpen = false;
    if (!ui::runCommand(this, [this] {
            LotteryName = edtcainame->text().toStdString();
            NumberRange = ui::readInt(edtcaisum);
            PickCount = ui::readInt(edtcaisel);
            LotteryKind = optcaitype->checkedId();
            LoadLottery();
        }))
        return false;
    LotteryOpen = true;
    accept();
    return true;
}

void Tfrmindex::btnextClick() { reject(); }

QString Tfrmindex::weekdaysText() const {
    QString days;
    for (int k = 1; k <= 7; ++k)
        if (chkweek[k - 1]->isChecked()) days += QString::number(k);
    return days;
}

void Tfrmindex::btnaddClick() {
    if (btnadd->text() == QStringLiteral("添加彩票")) {
        btndel->setEnabled(false);
        btnopen->setEnabled(false);
        btnext->setEnabled(false);
        edtcainame->clear();
        edtcaitime->clear();
        for (QCheckBox *c : chkweek) c->setChecked(false);
        setOptionsReadOnly(false);
        btnadd->setText(QStringLiteral("确定添加"));
        return;
    }
    if (!ui::runCommand(this, [this] {
            LotteryOptions o;
            o.name = edtcainame->text();
            o.kind = optcaitype->checkedId();
            o.range = ui::readInt(edtcaisum);
            o.pick = ui::readInt(edtcaisel);
            o.drawTime = edtcaitime->text();
            o.weekdays = weekdaysText();
            addLottery(databasePath(), o, o.pick);
        }))
        return;
    ListLotteries();
    btnadd->setText(QStringLiteral("添加彩票"));
    btndel->setEnabled(true);
    btnopen->setEnabled(true);
    btnext->setEnabled(true);
    setOptionsReadOnly(true);
}

void Tfrmindex::btndelClick() {
    const QString name = edtcainame->text();
    if (name.isEmpty()) {
        ui::showError(this, QStringLiteral("请选择你要删除的彩票名称!"));
        return;
    }
    if (!ui::askYesNo(this, QStringLiteral("警告：删除该彩票将删除删除所有与该彩票相关的文件，是否确定删除?"),
                      QStringLiteral("警告")))
        return;
    ui::runCommand(this, [&] { deleteLottery(databasePath(), name); });
    ListLotteries();
}

} // namespace corvel
