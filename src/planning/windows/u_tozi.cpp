#include "planning/windows/u_tozi.h"

#include "core/usererror.h"
#include "planning/replaysearch.h"
#include "planning/windows/u_tozithread.h"
#include "store/appdir.h"
#include "store/textfile.h"
#include "ui/betorient.h"
#include "ui/buttons.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"
#include "ui/intedit.h"
#include "ui/listsend.h"
#include "ui/numbergrid.h"
#include "ui/printing.h"
#include "ui/qtext.h"
#include "ui/shortcuts.h"
#include "ui/toolwindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvel {

namespace {

const char *const KindCaptions[4] = {"直选", "全组选", "组选3", "组选6"};

QTableView *gridView(QWidget *parent, ui::GridModel *model, const char *name) {
    QTableView *view = ui::makeGrid(parent, model);
    view->setObjectName(name);
    ui::keepColumnsFitted(view, 4);
    return view;
}

QWidget *labelled(const QString &caption, QWidget *content) {
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(caption, box));
    layout->addWidget(content, 1);
    return box;
}

} // namespace

Tfrmtozi::Tfrmtozi(QWidget *parent) : QWidget(parent) {
    ui::makeToolWindow(this, QStringLiteral("frmtozi"), QStringLiteral("投资模式分析"),
                       ui::TitleButtons::MinimizeMaximize);
    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    codeModel_ = new ui::GridModel(this); // the list's grid; "发送到" watches it
    left->addWidget(buildParameters());
    left->addWidget(buildCommands());
    left->addStretch(1);
    layout->addLayout(left);
    layout->addWidget(buildGrids(), 1);
    connectCommands();
    FormCreate();
    resize(1080, 700);
}

Tfrmtozi::~Tfrmtozi() {
    if (worker_) {
        worker_->requestStop();
        worker_->wait();
    }
}

QWidget *Tfrmtozi::buildParameters() {
    grpparams = new QGroupBox(QStringLiteral("参数设置"), this);
    grpparams->setObjectName("grpparams");
    auto *form = new QFormLayout(grpparams);

    grpzhuzhi = new QGroupBox(QStringLiteral("投注方式"), grpparams);
    grpzhuzhi->setObjectName("optzhuzhi");
    optzhuzhi = new QButtonGroup(this);
    auto *kinds = new QGridLayout(grpzhuzhi);
    for (int k = 0; k < 4; ++k) {
        auto *radio = new QRadioButton(QString::fromUtf8(KindCaptions[k]), grpzhuzhi);
        optzhuzhi->addButton(radio, k);
        kinds->addWidget(radio, k / 2, k % 2);
    }
    form->addRow(grpzhuzhi);

    const auto edit = [&](const char *name, const char *label) {
        auto *e = new QLineEdit(grpparams);
        e->setObjectName(name);
        form->addRow(QString::fromUtf8(label), e);
        return e;
    };
    const auto list = [&](const char *name, const char *label) {
        auto *box = new QComboBox(grpparams);
        box->setObjectName(name);
        form->addRow(QString::fromUtf8(label), box);
        return box;
    };
    edtjushu = edit("edtjushu", "单倍注数：");
    edtoutofsin = edit("edtoutofsin", "单注奖金：");
    edtlirun = edit("edtlirun", "预期利润(%)：");
    edtsinmax = edit("edtsinmax", "单期最大投入：");
    edtallmax = edit("edtallmax", "累计最大投入：");
    comsepindex = list("comsepindex", "观察间隔数：");
    comsepnum = list("comsepnum", "观察间隔连续次数：");
    comtozisep = list("comtozisep", "中出后间隔期数：");
    comtozirep = list("comtozirep", "连续投入期数：");
    chkyuji = new QCheckBox(QStringLiteral("预计亏损："), grpparams);
    chkyuji->setObjectName("chkyuji");
    chksepmode = new QCheckBox(QStringLiteral("间隔模式："), grpparams);
    chksepmode->setObjectName("chksepmode");
    auto *checks = new QHBoxLayout;
    checks->addWidget(chkyuji);
    checks->addWidget(chksepmode);
    form->addRow(checks);
    edtallwin = new QLineEdit(grpparams);
    edtallwin->setObjectName("edtallwin");
    edtallwin->setReadOnly(true);
    form->addRow(QStringLiteral("总体赢余："), edtallwin);
    return grpparams;
}

QToolButton *Tfrmtozi::menuButton(const QString &name, const QString &caption,
                                  const QList<QPair<QAction **, QString>> &items) {
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto *menu = new QMenu(button);
    for (const auto &[action, text] : items) *action = menu->addAction(text);
    button->setMenu(menu);
    return button;
}

QWidget *Tfrmtozi::buildCommands() {
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    tlbtnsave = menuButton(QStringLiteral("tlbtnsave"), QStringLiteral("保存"),
                           {{&mnucodesave, QStringLiteral("保存号码(&C)")},
                            {&mnusetsave, QStringLiteral("保存设置(&S)")},
                            {&mnubothsave, QStringLiteral("保存号码和设置(&B)")}});
    tlbtnload = menuButton(QStringLiteral("tlbtnload"), QStringLiteral("载入"),
                           {{&mnucodeload, QStringLiteral("载入号码(&C)")},
                            {&mnusetload, QStringLiteral("载入设置(&S)")},
                            {&mnubothload, QStringLiteral("载入号码和设置(&B)")}});
    tlbtnprint =
        menuButton(QStringLiteral("tlbtnprint"), QStringLiteral("打印"),
                   {{&mnucodeprint, QStringLiteral("打印号码(&C)")}, {&mnusetprint, QStringLiteral("打印设置(&S)")}});
    btnfilt = ui::commandButton(box, QStringLiteral("btnfilt"), QStringLiteral("随机生成"));
    btnala = ui::commandButton(box, QStringLiteral("btnala"), QStringLiteral("分析"));
    btnyouhua = ui::commandButton(box, QStringLiteral("btnyouhua"), QStringLiteral("搜索"));
    btnclear = ui::commandButton(box, QStringLiteral("btnclear"), QStringLiteral("清空"));
    btnclose = ui::commandButton(box, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    btnsend = ui::sendButton(this, codeModel_, [this] {
        return ui::SentList{windowTitle(), list_, betKindFromIndex(kindIndex())};
    });
    grid->addWidget(tlbtnsave, 0, 0);
    grid->addWidget(tlbtnload, 0, 1);
    grid->addWidget(tlbtnprint, 0, 2);
    grid->addWidget(btnfilt, 1, 0);
    grid->addWidget(btnala, 1, 1);
    grid->addWidget(btnyouhua, 1, 2);
    grid->addWidget(btnclear, 2, 0);
    grid->addWidget(btnsend, 2, 1);
    grid->addWidget(btnclose, 2, 2);
    prgsearch = new QProgressBar(box);
    prgsearch->setObjectName("prgsearch");
    prgsearch->hide();
    grid->addWidget(prgsearch, 3, 0, 1, 3);
    lblsearch = new QLabel(box);
    lblsearch->setObjectName(QStringLiteral("lblsearch"));
    lblsearch->setWordWrap(true);
    grid->addWidget(lblsearch, 4, 0, 1, 3);
    ui::addSaveShortcut(tlbtnsave);
    ui::addPrintShortcut(tlbtnprint);
    return box;
}

QWidget *Tfrmtozi::buildGrids() {
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    sepModel_ = new ui::GridModel(this);
    sepModeModel_ = new ui::GridModel(this);
    toziModel_ = new ui::GridModel(this);
    grdcode = gridView(box, codeModel_, "grdcode");
    grdsep = gridView(box, sepModel_, "grdsep");
    grdsepmode = gridView(box, sepModeModel_, "grdsepmode");
    grdtozi = gridView(box, toziModel_, "grdtozi");
    QWidget *codeBox = labelled(QStringLiteral("投注号码："), grdcode);
    grid->addWidget(codeBox, 0, 0);
    ui::addBetIssueLabel(codeBox->layout(), codeBox->findChild<QLabel *>(QString(), Qt::FindDirectChildrenOnly));
    grid->addWidget(labelled(QStringLiteral("历史中奖："), grdsep), 0, 1);
    grid->addWidget(labelled(QStringLiteral("间隔统计："), grdsepmode), 0, 2);
    grid->addWidget(labelled(QStringLiteral("投资和赢亏："), grdtozi), 1, 0, 1, 3);
    grid->setColumnStretch(0, 4);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 3);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);
    return box;
}

void Tfrmtozi::connectCommands() {
    connect(btnfilt, &QPushButton::clicked, this, &Tfrmtozi::btnfiltClick);
    connect(btnala, &QPushButton::clicked, this, &Tfrmtozi::btnalaClick);
    connect(btnyouhua, &QPushButton::clicked, this, &Tfrmtozi::btnyouhuaClick);
    connect(btnclear, &QPushButton::clicked, this, &Tfrmtozi::btnclearClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmtozi::btncloseClick);
    connect(chksepmode, &QCheckBox::clicked, this, &Tfrmtozi::chksepmodeClick);
    connect(optzhuzhi, &QButtonGroup::idClicked, this, [this](int) { optzhuzhiClick(); });
    connect(mnucodesave, &QAction::triggered, this, &Tfrmtozi::mnucodesaveClick);
    connect(mnusetsave, &QAction::triggered, this, &Tfrmtozi::mnusetsaveClick);
    connect(mnubothsave, &QAction::triggered, this, &Tfrmtozi::mnubothsaveClick);
    connect(mnucodeload, &QAction::triggered, this, &Tfrmtozi::mnucodeloadClick);
    connect(mnusetload, &QAction::triggered, this, &Tfrmtozi::mnusetloadClick);
    connect(mnubothload, &QAction::triggered, this, &Tfrmtozi::mnubothloadClick);
    connect(mnucodeprint, &QAction::triggered, this, &Tfrmtozi::mnucodeprintClick);
    connect(mnusetprint, &QAction::triggered, this, &Tfrmtozi::mnusetprintClick);
}

void Tfrmtozi::FormCreate() {
    const auto fill = [](QComboBox *box, int first, int last) {
        box->clear();
        for (int v = first; v <= last; ++v) box->addItem(QString::number(v));
        box->setCurrentIndex(0);
    };
    fill(comsepindex, 1, 100);
    fill(comsepnum, 1, 10);
    fill(comtozisep, 0, 50);
    fill(comtozirep, 1, 50);
    optzhuzhi->button(0)->setChecked(true);
    lastKind_ = 0;
    edtjushu->setText(QStringLiteral("100"));
    edtoutofsin->setText(QStringLiteral("1000"));
    edtlirun->setText(QStringLiteral("10"));
    edtsinmax->setText(QStringLiteral("1000000"));
    edtallmax->setText(QStringLiteral("1000000"));
    chkyuji->setChecked(true);
    chksepmode->setChecked(true);
    ui::showNumbers(codeModel_, {});
    sepModel_->setGrid(0, {QStringLiteral("记录期号"), QStringLiteral("中奖间隔")}, {});
    sepModeModel_->setGrid(0, {QStringLiteral("间隔"), QStringLiteral("连续"), QStringLiteral("次数")}, {});
    clearRecords();
}

// ---- The list, its hits and statistics ----------------------------------------------

int Tfrmtozi::kindIndex() const { return std::max(0, optzhuzhi->checkedId()); }

bool Tfrmtozi::hasList() const { return !hits_.empty() && !list_.empty(); }

void Tfrmtozi::btnfiltClick() {
    ui::runCommand(this, [&] {
        const BetKind kind = betKindFromIndex(kindIndex());
        const int64_t count = ui::readInt64(edtjushu);
        checkBetCount(kind, count);
        Lcg random(clockSeed());
        takeList(makeRandomList(kind, count, random));
    });
}

void Tfrmtozi::takeList(const NumberList &numbers) {
    list_ = numbers;
    // The stored issues, whole, when they belong to this history; the history's own otherwise.
    const bool issuesLoaded = DrawIssues.size() == DrawHistory.size();
    hits_ = buildHitColumn(DrawHistory, issuesLoaded ? DrawIssues : std::vector<int64_t>{},
                           betKindFromIndex(kindIndex()), list_);
    showListAndHits();
    // A new list makes the statistics and the replay of the old one meaningless.
    showIntervalStats(intervalStats(hits_));
    clearRecords();
}

void Tfrmtozi::showListAndHits() {
    ui::showNumbers(codeModel_, list_);
    sepModel_->setGrid(static_cast<int>(hits_.size()), sepModel_->headings(), [this](int row, int column) {
        const HitRow &hit = hits_[static_cast<size_t>(row)];
        if (column == 0) return QString::number(hit.issue);
        return hit.omission == 0 ? QStringLiteral("●") : QString::number(hit.omission);
    });
    if (!hits_.empty()) grdsep->scrollToBottom();
}

void Tfrmtozi::showIntervalStats(const std::vector<IntervalStat> &stats) {
    sepModeModel_->setGrid(static_cast<int>(stats.size()), sepModeModel_->headings(), [stats](int row, int column) {
        const IntervalStat &st = stats[static_cast<size_t>(row)];
        return QString::number(column == 0 ? st.interval : column == 1 ? st.run : st.count);
    });
}

// ---- Replay -----------------------------------------------------------------------

ReplayParams Tfrmtozi::readParams() const {
    ReplayParams p;
    p.betCount = ui::readInt64(edtjushu);
    checkBetCount(betKindFromIndex(kindIndex()), p.betCount);
    p.prize = ui::readInt64(edtoutofsin);
    p.profitRate = ui::readInt64(edtlirun);
    p.singleMax = ui::readInt64(edtsinmax);
    p.totalMax = ui::readInt64(edtallmax);
    p.observeGap = comsepindex->currentIndex() + 1;
    p.observeRuns = comsepnum->currentIndex() + 1;
    p.waitDraws = comtozisep->currentIndex();
    p.betDraws = comtozirep->currentIndex() + 1;
    p.carryLoss = chkyuji->isChecked();
    return p;
}

void Tfrmtozi::btnalaClick() { replayStrategy(); }

void Tfrmtozi::replayStrategy() {
    if (!hasList()) {
        ui::showWarning(this, QStringLiteral("请生成号码！"));
        return;
    }
    if (!ui::runCommand(this, [this] { replay_ = ReplayTrack(hits_).replay(readParams()); })) return;
    showRecords();
    // An abort is reported even before the first run is recorded: an empty table with
    // no reason given would pass for a history that never gave a chance to bet.
    if (replay_.abort != ReplayAbort::None) ui::showWarning(this, q(replayAbortMessage(replay_.abort)));
}

void Tfrmtozi::clearRecords() {
    replay_ = {};
    toziModel_->setGrid(0,
                        {QStringLiteral("投注时间"), QStringLiteral("投注倍数"), QStringLiteral("当期投注"),
                         QStringLiteral("当期总投入"), QStringLiteral("当期中奖"), QStringLiteral("当期净利润"),
                         QStringLiteral("当期利润率(%)")},
                        {});
    edtallwin->clear();
    lblsearch->clear();
}

void Tfrmtozi::showRecords() {
    toziModel_->setGrid(static_cast<int>(replay_.records.size()), toziModel_->headings(), [this](int row, int column) {
        const PlanStep &v = replay_.records[static_cast<size_t>(row)].values;
        const int64_t values[7] = {v.step, v.multiple, v.stake, v.total, v.prize, v.net, v.rate};
        return QString::number(values[column]);
    });
    ui::fitColumns(grdtozi, 4);
    edtallwin->setText(QString::number(replay_.surplus));
}

// ---- Parameters -------------------------------------------------------------------

void Tfrmtozi::btnclearClick() {
    for (QComboBox *box : {comsepindex, comsepnum, comtozisep, comtozirep}) box->setCurrentIndex(0);
    edtsinmax->setText(QStringLiteral("10000"));
    edtallmax->setText(QStringLiteral("100000"));
    edtjushu->setText(QStringLiteral("100"));
    edtoutofsin->setText(QStringLiteral("1000"));
    edtlirun->setText(QStringLiteral("10"));
    chkyuji->setChecked(true);
    chksepmode->setChecked(true);
    chksepmodeClick();
    lblsearch->clear(); // the settings it named are gone
}

void Tfrmtozi::chksepmodeClick() {
    const bool on = chksepmode->isChecked();
    if (!on) {
        comsepindex->setCurrentIndex(0);
        comsepnum->setCurrentIndex(0);
    }
    comsepindex->setEnabled(on);
    comsepnum->setEnabled(on);
}

void Tfrmtozi::optzhuzhiClick() {
    lastKind_ = kindIndex();
    clearRecords();
}

void Tfrmtozi::setKind(int index) {
    optzhuzhi->button(index)->setChecked(true);
    if (index != lastKind_) optzhuzhiClick();
}

// The window is kept: closing only hides it, with its list and results.
void Tfrmtozi::btncloseClick() { close(); }

// ---- Files ------------------------------------------------------------------------

// The settings file keeps the edit texts as typed, and loading refuses a text that is not
// an integer; such a text is refused here, before it makes a file that cannot be loaded.
void Tfrmtozi::checkSettingTexts() const {
    for (QLineEdit *edit : {edtsinmax, edtallmax, edtjushu, edtoutofsin, edtlirun}) ui::readInt64(edit);
}

ToziSettings Tfrmtozi::currentSettings() const {
    ToziSettings st;
    st.kind = kindIndex();
    st.waitIndex = comtozisep->currentIndex();
    st.betIndex = comtozirep->currentIndex();
    st.gapIndex = comsepindex->currentIndex();
    st.runIndex = comsepnum->currentIndex();
    st.singleMax = s(edtsinmax->text());
    st.totalMax = s(edtallmax->text());
    st.betCount = s(edtjushu->text());
    st.prize = s(edtoutofsin->text());
    st.profitRate = s(edtlirun->text());
    st.carryLoss = chkyuji->isChecked();
    st.intervalMode = chksepmode->isChecked();
    return st;
}

void Tfrmtozi::applySettings(const ToziSettings &st) {
    setKind(st.kind);
    comtozisep->setCurrentIndex(st.waitIndex);
    comtozirep->setCurrentIndex(st.betIndex);
    comsepindex->setCurrentIndex(st.gapIndex);
    comsepnum->setCurrentIndex(st.runIndex);
    edtsinmax->setText(q(st.singleMax));
    edtallmax->setText(q(st.totalMax));
    edtjushu->setText(q(st.betCount));
    edtoutofsin->setText(q(st.prize));
    edtlirun->setText(q(st.profitRate));
    chkyuji->setChecked(st.carryLoss);
    chksepmode->setChecked(st.intervalMode);
    chksepmodeClick(); // without the interval mode T and R go back to their first items
}

void Tfrmtozi::applyList(const InvestmentList &list) {
    setKind(list.kind);
    edtjushu->setText(QString::number(list.count));
    takeList(list.numbers);
    if (!list.shortfall.empty()) ui::showWarning(this, q(list.shortfall));
}

QString Tfrmtozi::proposedName(const QString &suffix) const {
    return attachmentDir() + q(LotteryName) + QString::fromUtf8(KindCaptions[kindIndex()]) + suffix;
}

void Tfrmtozi::mnucodesaveClick() {
    if (list_.empty()) return ui::showWarning(this, QStringLiteral("请生成号码！"));
    const QString path = ui::getSaveFileName(this, proposedName(QStringLiteral("投资模式投注号码.txt")));
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] {
        writeTextLines(path, toQLines(writeInvestmentList(kindIndex(), list_)));
        ui::showInformation(this, QStringLiteral("成功保存！"));
    });
}

void Tfrmtozi::mnusetsaveClick() {
    ui::runCommand(this, [&] {
        checkSettingTexts();
        const QString path = ui::getSaveFileName(this, proposedName(QStringLiteral("投资模式设置.txt")));
        if (path.isEmpty()) return;
        writeTextLines(path, toQLines(writeToziSettings(currentSettings())));
        ui::showInformation(this, QStringLiteral("成功保存！"));
    });
}

void Tfrmtozi::mnubothsaveClick() {
    if (list_.empty()) return ui::showWarning(this, QStringLiteral("请生成号码！"));
    ui::runCommand(this, [&] {
        checkSettingTexts();
        const QString path = ui::getSaveFileName(this, proposedName(QStringLiteral("投资模式投注号码和设置.txt")));
        if (path.isEmpty()) return;
        writeTextLines(path, toQLines(writeToziBoth(currentSettings(), list_)));
        ui::showInformation(this, QStringLiteral("成功保存！"));
    });
}

void Tfrmtozi::mnucodeloadClick() {
    const QString path = ui::getOpenFileName(this, proposedName(QStringLiteral("投资模式投注号码.txt")));
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] { applyList(readToziList(toStdLines(readTextLines(path)))); });
}

void Tfrmtozi::mnusetloadClick() {
    const QString path = ui::getOpenFileName(this, proposedName(QStringLiteral("投资模式设置.txt")));
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] { applySettings(readToziSettings(toStdLines(readTextLines(path)))); });
}

void Tfrmtozi::mnubothloadClick() {
    const QString path = ui::getOpenFileName(this, proposedName(QStringLiteral("投资模式投注号码和设置.txt")));
    if (path.isEmpty()) return;
    bool loaded = false;
    ui::runCommand(this, [&] {
        const ToziBoth both = readToziBoth(toStdLines(readTextLines(path)));
        applySettings(both.settings);
        applyList(both.list);
        loaded = true;
    });
    if (loaded) btnalaClick();
}

// ---- Printing ---------------------------------------------------------------------

QString Tfrmtozi::lastIssueText() const {
    return DrawHistory.empty() ? QString() : QString::number(DrawHistory.back()[0]);
}

void Tfrmtozi::mnucodeprintClick() {
    if (list_.empty()) return ui::showWarning(this, QStringLiteral("请先生成表格！"));
    const std::string title =
        lotteryTitleName(LotteryName) + "  " + s(lastIssueText()) + "期" + KindCaptions[kindIndex()] + "投注号码";
    ui::printBetList(this, title, list_);
}

void Tfrmtozi::mnusetprintClick() {
    const std::string title = lotteryTitleName(LotteryName) + "  " + s(lastIssueText()) + "期" + "投资模式设置";
    const ToziSettings settings = currentSettings();
    const std::string surplus = s(edtallwin->text());
    ui::printWithMessage(this, [=](const PageGeometry &page) {
        return layoutToziSettings(page, title, printDate(), settings, surplus);
    });
}

// ---- Search -----------------------------------------------------------------------

void Tfrmtozi::btnyouhuaClick() {
    if (worker_) {
        stopRequested_ = true;
        worker_->requestStop();
        return;
    }
    startSearch();
}

void Tfrmtozi::startSearch() {
    btnyouhua->setText(QStringLiteral("停止搜索"));
    if (!hasList()) {
        ui::showWarning(this, QStringLiteral("请生成号码！"));
        btnyouhua->setText(QStringLiteral("搜索"));
        return;
    }
    Ttozithread::Snapshot snapshot;
    if (!ui::runCommand(this, [&] { snapshot.params = readParams(); })) {
        btnyouhua->setText(QStringLiteral("搜索"));
        return;
    }
    snapshot.hits = hits_;
    snapshot.space = searchSpace(chksepmode->isChecked());
    ui::fitColumns(grdtozi, 4);
    setSearching(true);
    prgsearch->setRange(0, static_cast<int>(snapshot.space.size()));
    prgsearch->setValue(0);
    prgsearch->show();
    stopRequested_ = false;
    lblsearch->setText(QStringLiteral("正在搜索…"));

    worker_ = new Ttozithread(std::move(snapshot), this);
    connect(worker_, &Ttozithread::progressed, this,
            [this](int, int done) { prgsearch->setValue(std::max(prgsearch->value(), done)); });
    connect(worker_, &Ttozithread::searchDone, this, [this](int r, int w, int l, qint64) { searchDone(r, w, l); });
    // Parameters are checked before the start; should the search still fail, the first
    // combination is replayed and the message says why.
    connect(worker_, &Ttozithread::failed, this, [this](const QString &message) {
        searchDone(0, 0, 0);
        ui::showError(this, message);
    });
    connect(worker_, &QThread::finished, worker_, &QObject::deleteLater);
    worker_->start();
}

void Tfrmtozi::searchDone(int rIndex, int wIndex, int lIndex) {
    worker_ = nullptr; // it frees itself once its thread has ended
    comsepnum->setCurrentIndex(rIndex);
    comtozisep->setCurrentIndex(wIndex);
    comtozirep->setCurrentIndex(lIndex);
    replayStrategy();
    setSearching(false);
    prgsearch->hide();
    btnyouhua->setText(QStringLiteral("搜索"));
    // The settings boxes changed: say to what, and what they give.
    lblsearch->setText(
        (stopRequested_ ? QStringLiteral("搜索已停止，目前最佳：") : QStringLiteral("搜索完成，最佳：")) +
        QStringLiteral("观察间隔连续次数 %1，中出后间隔期数 %2，连续投入期数 %3；总体赢余 %4")
            .arg(comsepnum->currentText(), comtozisep->currentText(), comtozirep->currentText(), edtallwin->text()));
}

void Tfrmtozi::setSearching(bool on) {
    for (QWidget *w : std::initializer_list<QWidget *>{btnala, btnfilt, btnclear, btnclose, tlbtnsave, tlbtnload,
                                                       tlbtnprint, grpparams})
        w->setEnabled(!on);
}

} // namespace corvel
