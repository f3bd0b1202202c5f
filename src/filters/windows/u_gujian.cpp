#include "filters/windows/u_gujian.h"

#include "core/usererror.h"
#include "filters/windows/listcommands.h"
#include "planning/backtesttools.h"
#include "planning/windows/u_huice.h"
#include "store/appdir.h"
#include "ui/betorient.h"
#include "ui/buttons.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"
#include "ui/intedit.h"
#include "ui/issuebox.h"
#include "ui/listsend.h"
#include "ui/toolwindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

using namespace filters2;

namespace {
QString drawText(const DrawRow &draw) { return q(numberText({draw[1], draw[2], draw[3]})); }
} // namespace

Tfrmgujian::Tfrmgujian(QWidget *parent) : QDialog(parent) {
    ui::makeToolDialog(this, QStringLiteral("frmgujian"), QStringLiteral("无穷最优间隔选号"));

    const auto combo = [this](const char *name) {
        auto *box = new QComboBox(this);
        box->setObjectName(QString::fromUtf8(name));
        box->setMaxVisibleItems(20);
        return box;
    };
    comjieduannum = combo("comjieduannum");
    comcurqi = combo("comcurqi");
    comindex = combo("comindex");
    edtjian1 = new QLineEdit(this);
    edtjian1->setObjectName(QStringLiteral("edtjian1"));
    edtjian1->setMaxLength(10);
    edtjushu = new QLineEdit(this);
    edtjushu->setObjectName(QStringLiteral("edtjushu"));
    edtjushu->setMaxLength(10);

    auto *form = new QGridLayout;
    const auto labelled = [&](int row, const char *caption, QWidget *w) {
        auto *label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(w);
        form->addWidget(label, row, 0);
        form->addWidget(w, row, 1, 1, 2);
    };
    labelled(0, "开始追号期：", comcurqi);
    labelled(1, "目前追号期：", comindex);
    labelled(2, "号码注数：", edtjushu);
    auto *thresholdLabel = new QLabel(QStringLiteral("间隔范围："), this);
    thresholdLabel->setBuddy(edtjian1);
    form->addWidget(thresholdLabel, 3, 0);
    form->addWidget(new QLabel(QStringLiteral(">="), this), 3, 1);
    form->addWidget(edtjian1, 3, 2);
    labelled(4, "阶段期数：", comjieduannum);
    form->setColumnStretch(2, 1);

    grptype1 = radioGroup(opttype1, "opttype1", "排名模式", "排列模式");
    grptype2 = radioGroup(opttype2, "opttype2", "次数模式", "间隔模式");
    grptype3 = radioGroup(opttype3, "opttype3", "固定阶段", "随机阶段");
    grptype4 = radioGroup(opttype4, "opttype4", "有限阶段期数", "最大阶段期数");
    grpmode = radioGroup(optmode, "optmode", "常规直选", "百位直选");

    lbljushu = new QLabel(this);
    lbljushu->setObjectName(QStringLiteral("lbljushu"));
    lblposcode = new QLabel(this);
    lblposcode->setObjectName(QStringLiteral("lblposcode"));
    lblkaijiang = new QLabel(this);
    lblkaijiang->setObjectName(QStringLiteral("lblkaijiang"));
    pb = new QProgressBar(this);
    pb->setObjectName(QStringLiteral("pb"));
    pb->hide();

    btnfilt = ui::commandButton(this, QStringLiteral("btnfilt"), QStringLiteral("开始过滤"));
    btnfilt->setDefault(true);
    btnstop = ui::commandButton(this, QStringLiteral("btnstop"), QStringLiteral("停止"));
    btnstop->setEnabled(false);
    btnsave = ui::commandButton(this, QStringLiteral("btnsave"), QStringLiteral("保存"));
    btncopy = ui::commandButton(this, QStringLiteral("btncopy"), QStringLiteral("复制"));
    btnyanzheng = ui::commandButton(this, QStringLiteral("btnyanzheng"), QStringLiteral("验证"));
    btnclose = ui::commandButton(this, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    codeModel_ = new ui::GridModel(this);
    // Stage 1's list of a search started at each tested draw; one seed for the whole run.
    btnhuice = backtestButton(this, [this]() -> std::optional<BacktestTool> {
        const IntervalSettings st = readSettings();
        const auto check = [st](int first) {
            IntervalSettings at = st;
            at.start = first;
            checkIntervalSettings(first, at);
        };
        check(static_cast<int>(DrawHistory.size())); // what no start issue can mend is refused at once
        const uint32_t seed = seed_ != 0 ? seed_ : clockSeed();
        return BacktestTool{QStringLiteral("最优间隔选号"), check, [st, seed](const std::atomic<bool> &stop) {
                                return intervalTool(st, std::make_shared<Lcg>(seed), &stop);
                            }};
    });
    btnsend = ui::sendButton(this, codeModel_, [this] { return ui::SentList{windowTitle(), shown_, {}}; });

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    for (QGroupBox *g : {grptype1, grptype2, grptype3, grptype4, grpmode}) left->addWidget(g);
    left->addWidget(lbljushu);
    ui::addBetIssueLabel(left, lbljushu);
    left->addWidget(lblposcode);
    left->addWidget(lblkaijiang);
    left->addStretch(1);
    auto *commands = new QGridLayout;
    commands->addWidget(btnfilt, 0, 0);
    commands->addWidget(btnstop, 0, 1);
    commands->addWidget(btnyanzheng, 0, 2);
    commands->addWidget(btnsave, 1, 0);
    commands->addWidget(btncopy, 1, 1);
    commands->addWidget(btnclose, 1, 2);
    commands->addWidget(btnhuice, 2, 0, 1, 2);
    commands->addWidget(btnsend, 2, 2);
    left->addLayout(commands);
    left->addWidget(pb);

    grdcode = ui::numbersGrid(this, codeModel_, QStringLiteral("grdcode"), 30);
    verifyModel_ = new ui::GridModel(this);
    grdyanzheng = ui::makeGrid(this, verifyModel_);
    grdyanzheng->setObjectName(QStringLiteral("grdyanzheng"));
    grdyanzheng->horizontalHeader()->setStretchLastSection(true);
    pgc = new QTabWidget(this);
    pgc->setObjectName(QStringLiteral("pgc"));
    pgc->addTab(grdcode, QStringLiteral("投注号码"));
    pgc->addTab(grdyanzheng, QStringLiteral("中奖验证"));

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(pgc, 1);

    connect(btnfilt, &QPushButton::clicked, this, &Tfrmgujian::btnfiltClick);
    connect(btnstop, &QPushButton::clicked, this, &Tfrmgujian::btnstopClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmgujian::btnsaveClick);
    connect(btncopy, &QPushButton::clicked, this, &Tfrmgujian::btncopyClick);
    connect(btnyanzheng, &QPushButton::clicked, this, &Tfrmgujian::btnyanzhengClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmgujian::btncloseClick);
    connect(comcurqi, &QComboBox::activated, this, [this](int) { comcurqiChange(); });
    connect(comjieduannum, &QComboBox::activated, this, [this](int) { comcurqiChange(); });
    connect(comindex, &QComboBox::activated, this, [this](int) { comindexChange(); });
    connect(opttype1, &QButtonGroup::idClicked, this, [this](int) { opttype1Click(); });
    connect(optmode, &QButtonGroup::idClicked, this, [this](int) { optmodeClick(); });

    FormCreate();
    resize(900, 640);
    setMinimumSize(760, 560);
}

Tfrmgujian::~Tfrmgujian() {
    if (worker_) {
        worker_->requestStop();
        worker_->wait();
    }
}

QGroupBox *Tfrmgujian::radioGroup(QButtonGroup *&group, const char *name, const char *first, const char *second) {
    auto *box = new QGroupBox(this);
    box->setObjectName(QString::fromUtf8(name));
    group = new QButtonGroup(this);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(6, 2, 6, 2);
    int id = 0;
    for (const char *caption : {first, second}) {
        auto *radio = new QRadioButton(QString::fromUtf8(caption), box);
        group->addButton(radio, id++);
        row->addWidget(radio);
    }
    return box;
}

void Tfrmgujian::FormCreate() {
    edtjian1->setText(QString::number(defaultIntervalThreshold(LotteryName)));
    ui::fillIssueBox(comcurqi, DrawHistory);
    comjieduannum->clear();
    QStringList lengths;
    for (int v = 1; v <= 1000; ++v) lengths << QString::number(v);
    comjieduannum->addItems(lengths);
    comjieduannum->setCurrentIndex(199);
    edtjushu->setText(QStringLiteral("1000"));
    opttype1->button(1)->setChecked(true);
    opttype2->button(0)->setChecked(true);
    opttype3->button(0)->setChecked(true);
    opttype4->button(0)->setChecked(true);
    optmode->button(0)->setChecked(true);
    opttype1Click();
    lbljushu->setText(QStringLiteral("号码注数："));
    lblposcode->clear();
    clearResult();
    setStart(comcurqi->currentIndex());
}

void Tfrmgujian::opttype1Click() {
    const bool ranking = opttype1->checkedId() == 0;
    for (QWidget *w : std::initializer_list<QWidget *>{grptype2, grptype3, grptype4, comjieduannum})
        w->setEnabled(ranking);
}

void Tfrmgujian::optmodeClick() {
    edtjian1->setText(optmode->checkedId() == 1 ? QStringLiteral("50") : QStringLiteral("5000"));
}

// ---- Start issue and stages ------------------------------------------------------

void Tfrmgujian::setStart(int start) {
    start_ = start;
    previousStartItem_ = start;
    comindex->clear();
    for (const std::string &item : intervalStageItems(DrawHistory, start_)) comindex->addItem(q(item));
    comindex->setCurrentIndex(0);
    QString text = QStringLiteral("目前开奖：");
    if (start_ < static_cast<int>(DrawHistory.size())) text += drawText(DrawHistory[static_cast<size_t>(start_)]);
    lblkaijiang->setText(text);
}

void Tfrmgujian::comcurqiChange() {
    const int chosen = comcurqi->currentIndex();
    // The stages are labelled from the issue before the start issue, and the search needs
    // draws before it: the first issue cannot be the start.
    if (chosen == 0 && !DrawHistory.empty()) {
        comcurqi->setCurrentIndex(previousStartItem_);
        ui::showWarning(this, QStringLiteral("开始追号期之前没有开奖号码，请选择以后的期号！"));
        return;
    }
    // A list found for another start issue belongs to other stages.
    if (result_ && chosen != resultStart_) clearResult();
    setStart(chosen);
}

void Tfrmgujian::comindexChange() { showStage(comindex->currentIndex() + 1); }

void Tfrmgujian::showStage(int stage) {
    const int64_t j = int64_t{start_} + stage - 1;
    if (j >= 0 && j < static_cast<int64_t>(DrawHistory.size()))
        lblkaijiang->setText(QStringLiteral("目前开奖：") + drawText(DrawHistory[static_cast<size_t>(j)]));
    else
        lblkaijiang->setText(QStringLiteral("目前开奖:"));
    if (!result_) return;
    shown_ = intervalStageList(*result_, stage);
    QString count = ui::withBetCost(QStringLiteral("号码注数：") + QString::number(shown_.size()), std::ssize(shown_));
    if (result_->stopped && result_->collected < searchTarget_)
        count += QStringLiteral("  已停止：列表未完成（%1/%2 注）").arg(result_->collected).arg(searchTarget_);
    lbljushu->setText(count);
    ui::showNumbers(codeModel_, shown_);
    lblposcode->setText(resultHundreds_ ? QStringLiteral("百位号码：") + q(hundredsDigits(shown_)) : QString());
    pgc->setCurrentIndex(0);
}

void Tfrmgujian::clearVerification() {
    verifyModel_->setGrid(0, {QStringLiteral("记录期号"), QStringLiteral("开奖号码"), QStringLiteral("是否中奖")}, {});
    grdyanzheng->setColumnWidth(0, 100);
}

void Tfrmgujian::clearResult() {
    result_.reset();
    shown_.clear();
    ui::showNumbers(codeModel_, shown_);
    lbljushu->setText(QStringLiteral("号码注数："));
    lblposcode->clear();
    clearVerification();
}

// ---- Search -------------------------------------------------------------------------

IntervalSettings Tfrmgujian::readSettings() const {
    IntervalSettings st;
    st.start = start_;
    st.target = ui::readInt(edtjushu);
    st.threshold = ui::readInt(edtjian1);
    st.windowLength = ui::toInt(comjieduannum->currentText());
    st.ranking = opttype1->checkedId() == 0;
    st.byInterval = opttype2->checkedId() == 1;
    st.randomWindow = opttype3->checkedId() == 1;
    st.maxWindow = opttype4->checkedId() == 1;
    st.hundreds = optmode->checkedId() == 1;
    return st;
}

void Tfrmgujian::btnfiltClick() {
    if (worker_) return;
    ui::runCommand(this, [this] {
        const IntervalSettings st = readSettings();
        checkIntervalSettings(static_cast<int>(DrawHistory.size()), st);
        startWorker(st, {st.start});
    });
}

void Tfrmgujian::FormDblClick() {
    if (worker_) return;
    ui::runCommand(this, [this] {
        const IntervalSettings st = readSettings();
        std::vector<int> starts = repeatedRunStarts(static_cast<int>(DrawHistory.size()), st);
        startWorker(st, std::move(starts));
    });
}

// Only the window's own background starts the repeated runs: a double click on a label or
// a group box reaches the window too, and is ignored.
void Tfrmgujian::mouseDoubleClickEvent(QMouseEvent *event) {
    QDialog::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint())) FormDblClick();
}

// Closing the window (关闭, Escape, the title bar) stops a running search: nobody is left
// to see its result.
void Tfrmgujian::hideEvent(QHideEvent *event) {
    if (worker_) worker_->requestStop();
    QDialog::hideEvent(event);
}

void Tfrmgujian::startWorker(const IntervalSettings &settings, std::vector<int> starts) {
    Tgujianthread::Snapshot snapshot;
    snapshot.history = DrawHistory;
    snapshot.settings = settings;
    snapshot.starts = std::move(starts);
    snapshot.seed = seed_ != 0 ? seed_ : clockSeed();
    runsDone_ = 0;
    searchTarget_ = settings.target;
    clearVerification();
    pb->setRange(0, std::max(1, intervalProgressMaximum(settings)));
    pb->setValue(0);
    pb->show();
    setSearching(true);

    worker_ = new Tgujianthread(std::move(snapshot), this);
    connect(worker_, &Tgujianthread::progressed, this,
            [this](int, int value) { pb->setValue(std::min(value, pb->maximum())); });
    connect(worker_, &Tgujianthread::runDone, this,
            [this](int, int start, const IntervalResultPtr &result) { runDone(start, result); });
    connect(worker_, &Tgujianthread::failed, this, [this](const QString &message) { ui::showError(this, message); });
    connect(worker_, &QThread::finished, this, &Tfrmgujian::searchFinished);
    connect(worker_, &QThread::finished, worker_, &QObject::deleteLater);
    worker_->start();
}

void Tfrmgujian::runDone(int start, const IntervalResultPtr &result) {
    ++runsDone_;
    if (start != start_) {
        comcurqi->setCurrentIndex(start);
        setStart(start);
    }
    result_ = result;
    resultStart_ = start;
    resultHundreds_ = optmode->checkedId() == 1;
    pb->setValue(0);
    comindex->setCurrentIndex(0);
    showStage(1);
    clearVerification();
}

void Tfrmgujian::searchFinished() {
    worker_ = nullptr; // it frees itself once its thread has ended
    pb->hide();
    setSearching(false);
}

void Tfrmgujian::btnstopClick() {
    if (worker_) worker_->requestStop();
}

void Tfrmgujian::setSearching(bool on) {
    for (QWidget *w : std::initializer_list<QWidget *>{btnfilt, btnsave, btncopy, btnyanzheng, btnhuice, comcurqi,
                                                       comindex, edtjushu, edtjian1, grptype1, grpmode})
        w->setEnabled(!on);
    const bool ranking = opttype1->checkedId() == 0;
    for (QWidget *w : std::initializer_list<QWidget *>{grptype2, grptype3, grptype4, comjieduannum})
        w->setEnabled(!on && ranking);
    btnstop->setEnabled(on);
}

// ---- Verification and files ----------------------------------------------------------

void Tfrmgujian::btnyanzhengClick() {
    if (!result_) return;
    const IntervalVerification v = verifyIntervals(DrawHistory, resultStart_, *result_);
    const std::vector<IntervalVerifyRow> rows = v.rows;
    verifyModel_->setGrid(static_cast<int>(rows.size()), verifyModel_->headings(), [rows](int row, int column) {
        const IntervalVerifyRow &r = rows[static_cast<size_t>(row)];
        return q(column == 0 ? r.stage : column == 1 ? r.drawn : r.result);
    });
    grdyanzheng->setColumnWidth(0, 100);
    comindex->setCurrentIndex(0);
    showStage(1);
    pgc->setCurrentIndex(1);
    ui::showInformation(this, q(v.message));
}

void Tfrmgujian::btnsaveClick() {
    if (!result_) return ui::showWarning(this, QStringLiteral("请先生成表格！"));
    saveNumbers(this, shown_, attachmentDir());
}

void Tfrmgujian::btncopyClick() { copyNumbers(shown_); }

void Tfrmgujian::btncloseClick() { close(); }

} // namespace corvel
