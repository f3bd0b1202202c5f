#include "generators/windows/u_dingweidan.h"

#include "core/usererror.h"
#include "planning/backtesttools.h"
#include "planning/windows/u_huice.h"
#include "store/appdir.h"
#include "ui/betorient.h"
#include "ui/buttons.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/intedit.h"
#include "ui/issuebox.h"
#include "ui/listsend.h"
#include "ui/toolwindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvel {

namespace {

const QString BatchFolderName = QStringLiteral("临界选号自动大底");

} // namespace

Tfrmdingweidan::Tfrmdingweidan(QWidget *parent) : QWidget(parent) {
    ui::makeToolWindow(this, QStringLiteral("frmdingweidan"), QStringLiteral("临界选号超稳大底"),
                       ui::TitleButtons::Minimize);

    comcurqi = new QComboBox(this);
    comcurqi->setObjectName(QStringLiteral("comcurqi"));
    comcurqi->setMinimumContentsLength(10);
    lblkaijiang = new QLabel(this);
    lblkaijiang->setObjectName(QStringLiteral("lblkaijiang"));
    edtdadinum = ui::numberEdit(this, "edtdadinum", 60);
    edtjieduannum = ui::numberEdit(this, "edtjieduannum", 60);
    edtcishu = ui::numberEdit(this, "edtcishu", 60);
    edtallnum = ui::numberEdit(this, "edtallnum", 60);
    auto *params = new QGridLayout;
    params->addWidget(new QLabel(QStringLiteral("目前预测期："), this), 0, 0);
    params->addWidget(comcurqi, 0, 1);
    params->addWidget(lblkaijiang, 1, 0, 1, 2);
    params->addWidget(new QLabel(QStringLiteral("大底数："), this), 2, 0);
    params->addWidget(edtdadinum, 2, 1);
    params->addWidget(new QLabel(QStringLiteral("阶段数："), this), 3, 0);
    params->addWidget(edtjieduannum, 3, 1);
    params->addWidget(new QLabel(QStringLiteral("每阶段次数："), this), 4, 0);
    params->addWidget(edtcishu, 4, 1);

    btngencode = ui::commandButton(this, QStringLiteral("btngencode"), QStringLiteral("过滤"));
    btnsave = ui::commandButton(this, QStringLiteral("btnsave"), QStringLiteral("保存"));
    btncopy = ui::commandButton(this, QStringLiteral("btncopy"), QStringLiteral("复制"));
    btnalldadi = ui::commandButton(this, QStringLiteral("btnalldadi"), QStringLiteral("批量大底"));
    btnstop = ui::commandButton(this, QStringLiteral("btnstop"), QStringLiteral("停止"));
    btnclose = ui::commandButton(this, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    memcode = new QPlainTextEdit(this);
    memcode->setObjectName(QStringLiteral("memcode"));
    // Each tested draw is the issue; the seed counter chains from the window's.
    btnhuice = backtestButton(this, [this]() -> std::optional<BacktestTool> {
        const StableSettings s = readCounts();
        const uint32_t counter = counter_;
        const auto check = [s](int first) {
            StableSettings at = s;
            at.index = first;
            checkStableSettings(at, size_t(first));
        };
        check(int(draws_.size())); // what no issue can mend is refused at once
        return BacktestTool{QStringLiteral("临界选号超稳大底"), check, [s, counter](const std::atomic<bool> &stop) {
                                return stableTool(s, std::make_shared<uint32_t>(counter), &stop);
                            }};
    });
    btnsend = ui::sendButton(this, memcode, [this] {
        return ui::SentList{windowTitle(), ui::boxNumbers(memcode), {}};
    });
    auto *commands = new QGridLayout;
    commands->addWidget(btngencode, 0, 0);
    commands->addWidget(btnsave, 0, 1);
    commands->addWidget(btncopy, 1, 0);
    commands->addWidget(btnclose, 1, 1);
    commands->addWidget(btnhuice, 3, 0);
    commands->addWidget(btnsend, 3, 1);
    commands->addWidget(btnalldadi, 2, 0);
    commands->addWidget(edtallnum, 2, 1);

    lbljushu = new QLabel(this);
    lbljushu->setObjectName(QStringLiteral("lbljushu"));
    prggen = new QProgressBar(this);
    prggen->setObjectName(QStringLiteral("prggen"));
    prgdadi = new QProgressBar(this);
    prgdadi->setObjectName(QStringLiteral("prgdadi"));

    auto *left = new QVBoxLayout;
    left->addLayout(params);
    left->addLayout(commands);
    left->addWidget(prggen);
    left->addWidget(prgdadi);
    left->addWidget(btnstop);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(memcode, 1);
    right->addWidget(lbljushu);
    ui::addBetIssueLabel(right, lbljushu);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connect(comcurqi, &QComboBox::currentIndexChanged, this, [this] { comcurqiChange(); });
    connect(btngencode, &QPushButton::clicked, this, &Tfrmdingweidan::btngencodeClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmdingweidan::btnsaveClick);
    connect(btncopy, &QPushButton::clicked, this, &Tfrmdingweidan::btncopyClick);
    connect(btnalldadi, &QPushButton::clicked, this, &Tfrmdingweidan::btnalldadiClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmdingweidan::btncloseClick);

    runner_ = new ui::WorkRunner(this, {prggen, prgdadi}, btnstop,
                                 {comcurqi, edtdadinum, edtjieduannum, edtcishu, edtallnum, btngencode, btnsave,
                                  btncopy, btnalldadi, btnclose, btnhuice});
    FormCreate();
    resize(760, 460);
}

void Tfrmdingweidan::FormCreate() {
    draws_ = DrawHistory;
    {
        const QSignalBlocker block(comcurqi);
        ui::fillIssueBox(comcurqi, draws_);
    }
    comcurqiChange();
    counter_ = 1;
    edtdadinum->setText(QStringLiteral("4"));
    edtjieduannum->setText(QStringLiteral("2"));
    edtcishu->setText(QStringLiteral("109"));
    edtallnum->setText(QStringLiteral("100"));
    lbljushu->setText(QStringLiteral("号码注数："));
}

void Tfrmdingweidan::comcurqiChange() {
    index_ = std::max(0, comcurqi->currentIndex());
    lblkaijiang->setText(dadi::drawnLabel(draws_, index_));
}

StableSettings Tfrmdingweidan::readCounts() const {
    StableSettings s;
    s.lists = ui::readInt(edtdadinum);
    s.stages = ui::readInt(edtjieduannum);
    s.misses = ui::readInt(edtcishu);
    s.index = 0;
    return s;
}

StableSettings Tfrmdingweidan::readSettings() const {
    StableSettings s = readCounts();
    s.index = index_;
    checkStableSettings(s, draws_.size());
    return s;
}

void Tfrmdingweidan::showUnion(const NumberList &numbers) {
    memcode->setPlainText(dadi::numbersLine(numbers));
    ui::showBetCount(lbljushu, QStringLiteral("号码注数：%1").arg(numbers.size()), std::ssize(numbers));
    dadi::putOnClipboard(memcode->toPlainText());
}

void Tfrmdingweidan::btngencodeClick() {
    ui::runCommand(this, [&] {
        const StableSettings s = readSettings();
        struct Outcome {
            uint32_t counter = 1;
            StableResult result;
        };
        auto outcome = std::make_shared<Outcome>();
        outcome->counter = counter_;
        const DrawTable draws = draws_;
        runner_->start(batchJob([=](const std::atomic<bool> &stop, const BatchProgress &progress) {
                           outcome->result = stableBaseList(draws, s, outcome->counter, progress.group, &stop);
                       }),
                       {s.lists, 0}, [this, outcome](const QString &error) {
                           counter_ = outcome->counter; // the attempts made count, whatever the outcome
                           if (error.isEmpty() && !outcome->result.lists.empty()) showUnion(outcome->result.unionList);
                       });
    });
}

void Tfrmdingweidan::btnsaveClick() { dadi::saveResultBox(this, memcode); }

void Tfrmdingweidan::btncopyClick() { dadi::putOnClipboard(memcode->toPlainText()); }

void Tfrmdingweidan::btnalldadiClick() {
    ui::runCommand(this, [&] {
        const int count = ui::readInt(edtallnum);
        if (count < 1) throw UserError("批量大底数必须大于0！");
        const StableSettings s = readSettings();
        const QString folder = ShellFolderPath(QStringLiteral("Desktop")) + QLatin1Char('/') + BatchFolderName;
        if (!dadi::confirmBatchFolder(this, folder)) return;
        struct Outcome {
            uint32_t counter = 1;
            NumberList last;
            int written = 0;
        };
        auto outcome = std::make_shared<Outcome>();
        outcome->counter = counter_;
        const DrawTable draws = draws_;
        runner_->start(batchJob([=](const std::atomic<bool> &stop, const BatchProgress &progress) {
                           outcome->written = runStableBatch(folder, draws, s, outcome->counter, count, progress, &stop,
                                                             &outcome->last);
                       }),
                       {s.lists, count}, [this, outcome, folder](const QString &) {
                           counter_ = outcome->counter;
                           if (outcome->written > 0) showUnion(outcome->last);
                           if (outcome->written > 0) dadi::reportBatch(this, folder, outcome->written);
                       });
    });
}

void Tfrmdingweidan::btncloseClick() { close(); }

} // namespace corvel
