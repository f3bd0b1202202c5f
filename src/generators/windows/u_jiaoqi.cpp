#include "generators/windows/u_jiaoqi.h"

#include "core/usererror.h"
#include "generators/windows/u_fushi.h"
#include "planning/backtesttools.h"
#include "planning/windows/u_huice.h"
#include "store/appdir.h"
#include "ui/buttons.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/intedit.h"
#include "ui/toolwindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvel {

Tfrmjiaoqi::Tfrmjiaoqi(QWidget *parent) : QWidget(parent) {
    ui::makeToolWindow(this, QStringLiteral("frmjiaoqi"), QStringLiteral("多重大底交集"), ui::TitleButtons::Minimize);

    files_ = new dadi::ListFilesFrame(this, *this);

    auto *kindBox = new QGroupBox(this);
    kindBox->setObjectName(QStringLiteral("optzhizhu"));
    auto *kindLayout = new QHBoxLayout(kindBox);
    optzhizhu = new QButtonGroup(this);
    const QStringList kinds{QStringLiteral("直选大底"), QStringLiteral("组选大底")};
    for (int i = 0; i < kinds.size(); ++i) {
        auto *radio = new QRadioButton(kinds[i], kindBox);
        optzhizhu->addButton(radio, i);
        kindLayout->addWidget(radio);
    }

    auto *params = new QGridLayout;
    edtzhu6yongcuo1 = ui::numberEdit(this, "edtzhu6yongcuo1");
    edtzhu6yongcuo2 = ui::numberEdit(this, "edtzhu6yongcuo2");
    edtzhu3yongcuo1 = ui::numberEdit(this, "edtzhu3yongcuo1");
    edtzhu3yongcuo2 = ui::numberEdit(this, "edtzhu3yongcuo2");
    params->addWidget(new QLabel(QStringLiteral("组六容错"), this), 0, 0);
    params->addWidget(edtzhu6yongcuo1, 0, 1);
    params->addWidget(new QLabel(QStringLiteral("到"), this), 0, 2);
    params->addWidget(edtzhu6yongcuo2, 0, 3);
    params->addWidget(new QLabel(QStringLiteral("组三容错"), this), 1, 0);
    params->addWidget(edtzhu3yongcuo1, 1, 1);
    params->addWidget(new QLabel(QStringLiteral("到"), this), 1, 2);
    params->addWidget(edtzhu3yongcuo2, 1, 3);
    chkyilou = new QCheckBox(QStringLiteral("排除最近开奖号码  排除期数："), this);
    chkyilou->setObjectName(QStringLiteral("chkyilou"));
    edtyilou = ui::numberEdit(this, "edtyilou");
    params->addWidget(chkyilou, 2, 0, 1, 3);
    params->addWidget(edtyilou, 2, 3);

    btndaoru = ui::commandButton(this, QStringLiteral("btndaoru"), QStringLiteral("导入大底"));
    btnjiaoqi = ui::commandButton(this, QStringLiteral("btnjiaoqi"), QStringLiteral("大底交集"));
    btnzhuan = ui::commandButton(this, QStringLiteral("btnzhuan"), QStringLiteral("直选转组"));
    btnsave = ui::commandButton(this, QStringLiteral("btnsave"), QStringLiteral("保存号码"));
    btncopy = ui::commandButton(this, QStringLiteral("btncopy"), QStringLiteral("复制"));
    btnstop = ui::commandButton(this, QStringLiteral("btnstop"), QStringLiteral("停止"));
    btnclose = ui::commandButton(this, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    // The imported files are read again by the run (on its worker), the index is each draw's.
    btnhuice = backtestButton(this, [this]() -> std::optional<BacktestTool> {
        if (!files_->checkImported()) return std::nullopt;
        const IntersectSettings s = readSettings(0);
        const QList<BaseList> lists = files_->lists();
        return BacktestTool{QStringLiteral("多重大底交集"), {}, [s, lists](const std::atomic<bool> &stop) {
                                ListCounter counter;
                                if (!countBaseLists(lists, counter, {}, &stop)) return fixedListTool({});
                                return intersectTool(counter, s);
                            }};
    });
    btnsend = ui::sendButton(this, edtdadi, [this] {
        return ui::SentList{windowTitle(), ui::boxNumbers(edtdadi), {}};
    });
    auto *commands = new QGridLayout;
    commands->addWidget(btndaoru, 0, 0);
    commands->addWidget(btnjiaoqi, 0, 1);
    commands->addWidget(btnzhuan, 1, 0);
    commands->addWidget(btnsave, 1, 1);
    commands->addWidget(btncopy, 2, 0);
    commands->addWidget(btnclose, 2, 1);
    commands->addWidget(btnhuice, 3, 0);
    commands->addWidget(btnsend, 3, 1);

    auto *middle = new QVBoxLayout;
    middle->addWidget(kindBox);
    middle->addLayout(params);
    middle->addLayout(commands);
    files_->layOut(middle, btnstop);

    connect(btndaoru, &QPushButton::clicked, this, &Tfrmjiaoqi::btndaoruClick);
    connect(lstdadi, &QListWidget::itemDoubleClicked, this, &Tfrmjiaoqi::lstdadiDblClick);
    connect(btnjiaoqi, &QPushButton::clicked, this, &Tfrmjiaoqi::btnjiaoqiClick);
    connect(btnzhuan, &QPushButton::clicked, this, &Tfrmjiaoqi::btnzhuanClick);
    connect(optzhizhu, &QButtonGroup::idClicked, this, [this](int) { optzhizhuClick(); });
    connect(btnsave, &QPushButton::clicked, this, &Tfrmjiaoqi::btnsaveClick);
    connect(btncopy, &QPushButton::clicked, this, &Tfrmjiaoqi::btncopyClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmjiaoqi::btncloseClick);

    runner_ =
        new ui::WorkRunner(this, {prgfile, prgunused}, btnstop,
                           {kindBox, btndaoru, btnjiaoqi, btnzhuan, btnsave, btncopy, btnclose, btnhuice, lstdadi,
                            chkyilou, edtyilou, edtzhu6yongcuo1, edtzhu6yongcuo2, edtzhu3yongcuo1, edtzhu3yongcuo2});
    FormCreate();
    resize(860, 520);
}

void Tfrmjiaoqi::FormCreate() {
    ui::companionWindow(QStringLiteral("Tfrmfushi"));
    optzhizhu->button(0)->setChecked(true);
    optzhizhuClick();
    setTolerances(0, 0, 0, 0);
    chkyilou->setChecked(false);
    edtyilou->setText(QStringLiteral("100"));
    lbldadi->setText(QStringLiteral("最终交集："));
}

void Tfrmjiaoqi::setTolerances(int sixLow, int sixHigh, int threeLow, int threeHigh) {
    edtzhu6yongcuo1->setText(QString::number(sixLow));
    edtzhu6yongcuo2->setText(QString::number(sixHigh));
    edtzhu3yongcuo1->setText(QString::number(threeLow));
    edtzhu3yongcuo2->setText(QString::number(threeHigh));
}

ListKind Tfrmjiaoqi::kind() const { return optzhizhu->checkedId() == 1 ? ListKind::Group : ListKind::Direct; }

int Tfrmjiaoqi::danmaIndex() const {
    if (auto *fushi = qobject_cast<Tfrmfushi *>(ui::companionWindow(QStringLiteral("Tfrmfushi"))))
        return fushi->currentIndex();
    return static_cast<int>(DrawHistory.size());
}

void Tfrmjiaoqi::btndaoruClick() { files_->importFiles(); }

void Tfrmjiaoqi::lstdadiDblClick(QListWidgetItem *item) { files_->preview(item); }

QStringList Tfrmjiaoqi::paths() const { return files_->paths(); }

void Tfrmjiaoqi::receiveList(const ui::SentList &list) {
    if (runner_->busy()) throw UserError("正在计算交集，请等它结束或停止后再发送！");
    QString note;
    if (list.kind && list.group() != (kind() == ListKind::Group))
        note = list.group() ? QStringLiteral("这是组选号码，当前按直选大底交集")
                            : QStringLiteral("这是直选号码，当前按组选大底交集");
    files_->addSentList(list, note);
}

void Tfrmjiaoqi::btnjiaoqiClick() {
    if (!files_->checkImported()) return;
    ui::runCommand(this, [&] {
        const IntersectSettings s = readSettings(danmaIndex());
        const DrawTable draws = DrawHistory;
        files_->countAndShow(runner_, [=](const ListCounter &counter) { return intersectLists(counter, draws, s); });
    });
}

IntersectSettings Tfrmjiaoqi::readSettings(int index) const {
    IntersectSettings s;
    s.kind = kind();
    s.sixLow = ui::readInt(edtzhu6yongcuo1);
    s.sixHigh = ui::readInt(edtzhu6yongcuo2);
    s.threeLow = ui::readInt(edtzhu3yongcuo1);
    s.threeHigh = ui::readInt(edtzhu3yongcuo2);
    s.excludeRecent = chkyilou->isChecked();
    s.recent = ui::readInt(edtyilou);
    s.index = index;
    if (s.excludeRecent && s.recent < 0) throw UserError("排除期数不能小于0！");
    return s;
}

void Tfrmjiaoqi::btnzhuanClick() {
    const std::string text = edtdadi->toPlainText().toStdString();
    const NumberList converted = kind() == ListKind::Direct ? directToGroup(text) : groupToDirect(text);
    files_->showResult(converted);
}

void Tfrmjiaoqi::optzhizhuClick() {
    btnzhuan->setText(kind() == ListKind::Direct ? QStringLiteral("直选转组") : QStringLiteral("组选转直"));
}

void Tfrmjiaoqi::btnsaveClick() { dadi::saveResultBox(this, edtdadi); }

void Tfrmjiaoqi::btncopyClick() { dadi::putOnClipboard(edtdadi->toPlainText()); }

void Tfrmjiaoqi::btncloseClick() { close(); }

} // namespace corvel
