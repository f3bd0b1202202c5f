#include "generators/windows/u_dingweipai.h"

#include "core/usererror.h"
#include "ui/buttons.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/intedit.h"
#include "ui/toolwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel {

Tfrmdingweipai::Tfrmdingweipai(QWidget *parent) : QWidget(parent) {
    ui::makeToolWindow(this, QStringLiteral("frmdingweipai"), QStringLiteral("次数提取工具"),
                       ui::TitleButtons::Minimize);

    files_ = new dadi::ListFilesFrame(this, *this);
    edtnum1 = new QLineEdit(this);
    edtnum1->setObjectName(QStringLiteral("edtnum1"));
    edtnum1->setFixedWidth(48);
    edtnum2 = new QLineEdit(this);
    edtnum2->setObjectName(QStringLiteral("edtnum2"));
    edtnum2->setFixedWidth(48);
    auto *range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("中出次数"), this));
    range->addWidget(edtnum1);
    range->addWidget(new QLabel(QStringLiteral("到"), this));
    range->addWidget(edtnum2);
    range->addStretch(1);

    btndaoru = ui::commandButton(this, QStringLiteral("btndaoru"), QStringLiteral("导入大底"));
    btnjiaoqi = ui::commandButton(this, QStringLiteral("btnjiaoqi"), QStringLiteral("提取号码"));
    btnsave = ui::commandButton(this, QStringLiteral("btnsave"), QStringLiteral("保存号码"));
    btncopy = ui::commandButton(this, QStringLiteral("btncopy"), QStringLiteral("复制"));
    btnstop = ui::commandButton(this, QStringLiteral("btnstop"), QStringLiteral("停止"));
    btnclose = ui::commandButton(this, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    btnsend = ui::sendButton(this, edtdadi, [this] {
        return ui::SentList{windowTitle(), ui::boxNumbers(edtdadi), {}};
    });
    auto *commands = new QGridLayout;
    commands->addWidget(btndaoru, 0, 0);
    commands->addWidget(btnjiaoqi, 0, 1);
    commands->addWidget(btnsave, 1, 0);
    commands->addWidget(btncopy, 1, 1);
    commands->addWidget(btnsend, 2, 0);
    commands->addWidget(btnclose, 2, 1);

    auto *middle = new QVBoxLayout;
    middle->addLayout(range);
    middle->addLayout(commands);
    files_->layOut(middle, btnstop);

    connect(btndaoru, &QPushButton::clicked, this, &Tfrmdingweipai::btndaoruClick);
    connect(lstdadi, &QListWidget::itemDoubleClicked, this, &Tfrmdingweipai::lstdadiDblClick);
    connect(btnjiaoqi, &QPushButton::clicked, this, &Tfrmdingweipai::btnjiaoqiClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmdingweipai::btnsaveClick);
    connect(btncopy, &QPushButton::clicked, this, &Tfrmdingweipai::btncopyClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmdingweipai::btncloseClick);

    runner_ = new ui::WorkRunner(this, {prgfile, prgunused}, btnstop,
                                 {btndaoru, btnjiaoqi, btnsave, btncopy, btnclose, lstdadi, edtnum1, edtnum2});
    FormCreate();
    resize(820, 480);
}

void Tfrmdingweipai::FormCreate() {
    ui::companionWindow(QStringLiteral("Tfrmfushi"));
    edtnum1->setText(QStringLiteral("1"));
    edtnum2->setText(QStringLiteral("40"));
    lbldadi->setText(QStringLiteral("最终交集："));
}

void Tfrmdingweipai::btndaoruClick() { files_->importFiles(); }

void Tfrmdingweipai::lstdadiDblClick(QListWidgetItem *item) { files_->preview(item); }

QStringList Tfrmdingweipai::paths() const { return files_->paths(); }

void Tfrmdingweipai::receiveList(const ui::SentList &list) {
    if (runner_->busy()) throw UserError("正在提取号码，请等它结束或停止后再发送！");
    files_->addSentList(list);
}

void Tfrmdingweipai::btnjiaoqiClick() {
    if (!files_->checkImported()) return;
    ui::runCommand(this, [&] {
        const int low = ui::readInt(edtnum1);
        const int high = ui::readInt(edtnum2);
        files_->countAndShow(runner_, [=](const ListCounter &counter) { return extractByCount(counter, low, high); });
    });
}

void Tfrmdingweipai::btnsaveClick() { dadi::saveResultBox(this, edtdadi); }

void Tfrmdingweipai::btncopyClick() { dadi::putOnClipboard(edtdadi->toPlainText()); }

void Tfrmdingweipai::btncloseClick() { close(); }

} // namespace corvel
