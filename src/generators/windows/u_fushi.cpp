#include "generators/windows/u_fushi.h"

#include "core/random.h"
#include "core/usererror.h"
#include "generators/windows/u_jiaoqi.h"
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
#include "ui/issuebox.h"
#include "ui/listsend.h"
#include "ui/numbergrid.h"
#include "ui/toolwindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

namespace {

const QString BatchFolderName = QStringLiteral("无穷胆码选号自动大底");

} // namespace

Tfrmfushi::Tfrmfushi(QWidget *parent) : QWidget(parent) {
    ui::makeToolWindow(this, QStringLiteral("frmfushi"), QStringLiteral("无穷跟随反转胆码选号"),
                       ui::TitleButtons::Minimize);

    auto *params = new QGroupBox(QStringLiteral("参数设置"), this);
    auto *grid = new QGridLayout(params);
    comfangan = new QComboBox(params);
    comfangan->setObjectName(QStringLiteral("comfangan"));
    grid->addWidget(new QLabel(QStringLiteral("选择方案："), params), 0, 0);
    grid->addWidget(comfangan, 0, 1, 1, 4);

    auto *typeBox = new QGroupBox(params);
    typeBox->setObjectName(QStringLiteral("opttype"));
    auto *typeLayout = new QHBoxLayout(typeBox);
    opttype = new QButtonGroup(this);
    const QStringList types{QStringLiteral("正向连续"), QStringLiteral("反向连续")};
    for (int i = 0; i < types.size(); ++i) {
        auto *radio = new QRadioButton(types[i], typeBox);
        opttype->addButton(radio, i);
        typeLayout->addWidget(radio);
    }
    grid->addWidget(typeBox, 1, 0, 1, 5);

    comcodenum = new QComboBox(params);
    comcodenum->setObjectName(QStringLiteral("comcodenum"));
    edtfushinum = ui::numberEdit(params, "edtfushinum");
    comyanxunum = new QComboBox(params);
    comyanxunum->setObjectName(QStringLiteral("comyanxunum"));
    comcurqi = new QComboBox(params);
    comcurqi->setObjectName(QStringLiteral("comcurqi"));
    comcurqi->setMinimumContentsLength(10);
    lblkaijiang = new QLabel(params);
    lblkaijiang->setObjectName(QStringLiteral("lblkaijiang"));
    grid->addWidget(new QLabel(QStringLiteral("胆码个数："), params), 2, 0);
    grid->addWidget(comcodenum, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("胆码组数："), params), 2, 2);
    grid->addWidget(edtfushinum, 2, 3);
    grid->addWidget(new QLabel(QStringLiteral("连续期数："), params), 3, 0);
    grid->addWidget(comyanxunum, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("目前投注期："), params), 4, 0);
    grid->addWidget(comcurqi, 4, 1, 1, 2);
    grid->addWidget(lblkaijiang, 4, 3, 1, 2);

    edtzhuliuyongcuo1 = ui::numberEdit(params, "edtzhuliuyongcuo1");
    edtzhuliuyongcuo2 = ui::numberEdit(params, "edtzhuliuyongcuo2");
    edtzhusanyongcuo1 = ui::numberEdit(params, "edtzhusanyongcuo1");
    edtzhusanyongcuo2 = ui::numberEdit(params, "edtzhusanyongcuo2");
    grid->addWidget(new QLabel(QStringLiteral("组六容错"), params), 5, 0);
    grid->addWidget(edtzhuliuyongcuo1, 5, 1);
    grid->addWidget(new QLabel(QStringLiteral("到"), params), 5, 2);
    grid->addWidget(edtzhuliuyongcuo2, 5, 3);
    grid->addWidget(new QLabel(QStringLiteral("组三容错"), params), 6, 0);
    grid->addWidget(edtzhusanyongcuo1, 6, 1);
    grid->addWidget(new QLabel(QStringLiteral("到"), params), 6, 2);
    grid->addWidget(edtzhusanyongcuo2, 6, 3);

    btngen = ui::commandButton(this, QStringLiteral("btngen"), QStringLiteral("生成胆码"));
    btnfilt = ui::commandButton(this, QStringLiteral("btnfilt"), QStringLiteral("过滤"));
    btnsave = ui::commandButton(this, QStringLiteral("btnsave"), QStringLiteral("保存胆码"));
    btnsave2 = ui::commandButton(this, QStringLiteral("btnsave2"), QStringLiteral("保存号码"));
    btncopy = ui::commandButton(this, QStringLiteral("btncopy"), QStringLiteral("复制"));
    btnalldadi = ui::commandButton(this, QStringLiteral("btnalldadi"), QStringLiteral("一键全部大底"));
    btnstop = ui::commandButton(this, QStringLiteral("btnstop"), QStringLiteral("停止"));
    btnclose = ui::commandButton(this, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    codeModel_ = new ui::GridModel(this);
    // The base list of the groups generated for each tested draw, then "过滤" with the ranges.
    btnhuice = backtestButton(this, [this]() -> std::optional<BacktestTool> {
        const DanmaSettings s = readSettings(static_cast<int>(draws_.size()), draws_.size());
        const MissRanges ranges = readRanges();
        const auto check = [s](int first) {
            DanmaSettings at = s;
            at.index = first;
            checkDanmaSettings(at, size_t(first));
        };
        const uint32_t seed = seed_ != 0 ? seed_ : clockSeed();
        return BacktestTool{QStringLiteral("无穷胆码选号"), check, [s, ranges, seed](const std::atomic<bool> &stop) {
                                return danmaBaseTool(s, ranges, std::make_shared<Lcg>(seed), &stop);
                            }};
    });
    btnsend = ui::sendButton(this, codeModel_, [this] { return ui::SentList{windowTitle(), list_, {}}; });
    edtdadinum = ui::numberEdit(this, "edtdadinum", 60);
    auto *commands = new QGridLayout;
    commands->addWidget(btngen, 0, 0);
    commands->addWidget(btnfilt, 0, 1);
    commands->addWidget(btnsave, 1, 0);
    commands->addWidget(btnsave2, 1, 1);
    commands->addWidget(btncopy, 2, 0);
    commands->addWidget(btnclose, 2, 1);
    commands->addWidget(btnalldadi, 3, 0);
    commands->addWidget(edtdadinum, 3, 1);
    commands->addWidget(btnhuice, 4, 0);
    commands->addWidget(btnsend, 4, 1);

    lblresult = new QLabel(this);
    lblresult->setObjectName(QStringLiteral("lblresult"));
    prggen = new QProgressBar(this);
    prggen->setObjectName(QStringLiteral("prggen"));
    prgdadi = new QProgressBar(this);
    prgdadi->setObjectName(QStringLiteral("prgdadi"));

    auto *left = new QVBoxLayout;
    left->addWidget(params);
    left->addLayout(commands);
    left->addWidget(lblresult);
    left->addWidget(prggen);
    left->addWidget(prgdadi);
    left->addWidget(btnstop);
    left->addStretch(1);

    groupModel_ = new ui::GridModel(this);
    grdfushi = ui::makeGrid(this, groupModel_);
    grdfushi->setObjectName(QStringLiteral("grdfushi"));
    ui::keepColumnsFitted(grdfushi, 4);
    grdfushi->setMinimumWidth(180);
    pgcode = new QTabWidget(this);
    auto *page = new QWidget(pgcode);
    auto *pageLayout = new QVBoxLayout(page);
    grdcode = ui::makeGrid(page, codeModel_);
    grdcode->setObjectName(QStringLiteral("grdcode"));
    ui::keepColumnsFitted(grdcode, 4);
    lbljushu = new QLabel(page);
    lbljushu->setObjectName(QStringLiteral("lbljushu"));
    pageLayout->addWidget(grdcode, 1);
    pageLayout->addWidget(lbljushu);
    ui::addBetIssueLabel(pageLayout, lbljushu);
    pgcode->addTab(page, QStringLiteral("投注号码"));

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(grdfushi);
    layout->addWidget(pgcode, 1);

    connect(comfangan, &QComboBox::activated, this, [this] { comfanganChange(); });
    connect(comcurqi, &QComboBox::currentIndexChanged, this, [this] { comcurqiChange(); });
    connect(comyanxunum, &QComboBox::currentIndexChanged, this, [this] { comyanxunumChange(); });
    connect(btngen, &QPushButton::clicked, this, &Tfrmfushi::btngenClick);
    connect(btnfilt, &QPushButton::clicked, this, &Tfrmfushi::btnfiltClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmfushi::btnsaveClick);
    connect(btnsave2, &QPushButton::clicked, this, &Tfrmfushi::btnsave2Click);
    connect(btncopy, &QPushButton::clicked, this, &Tfrmfushi::btncopyClick);
    connect(btnalldadi, &QPushButton::clicked, this, &Tfrmfushi::btnalldadiClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmfushi::btncloseClick);

    runner_ = new ui::WorkRunner(
        this, {prggen, prgdadi}, btnstop,
        {params, btngen, btnfilt, btnsave, btnsave2, btncopy, btnalldadi, edtdadinum, btnclose, btnhuice});
    FormCreate();
    resize(900, 560);
}

Tfrmfushi::~Tfrmfushi() = default;

void Tfrmfushi::FormCreate() {
    draws_ = DrawHistory;
    for (const DanmaPlan &plan : danmaPlans()) comfangan->addItem(QString::fromUtf8(plan.caption));
    comfangan->setCurrentIndex(0);
    for (int n = 1; n <= MaxDanmaDigits; ++n) comcodenum->addItem(QString::number(n));
    comcodenum->setCurrentIndex(2);
    for (int y = 1; y <= MaxDanmaDraws; ++y) comyanxunum->addItem(QString::number(y));
    comyanxunum->setCurrentIndex(0);
    {
        const QSignalBlocker block(comcurqi);
        ui::fillIssueBox(comcurqi, draws_);
    }
    comcurqiChange();
    edtfushinum->setText(QStringLiteral("10"));
    edtdadinum->setText(QStringLiteral("1000"));
    groupModel_->setGrid(0, {QStringLiteral("序号"), QStringLiteral("复式号码")}, {});
    ui::showNumbers(codeModel_, {});
    lblresult->setText(QStringLiteral("中出情况："));
    lbljushu->setText(QStringLiteral("号码注数："));
    comfanganChange();
}

void Tfrmfushi::comfanganChange() {
    const int index = comfangan->currentIndex();
    if (index < 0 || size_t(index) >= danmaPlans().size()) return;
    const DanmaPlan &plan = danmaPlans()[size_t(index)];
    opttype->button(0)->setChecked(true);
    edtdadinum->setText(QString::number(plan.baseLists));
    comcodenum->setCurrentIndex(plan.digits - 1);
    edtfushinum->setText(QString::number(plan.groups));
    comyanxunum->setCurrentIndex(plan.draws - 1);
    edtzhuliuyongcuo1->setText(QString::number(plan.ranges.sixLow));
    edtzhuliuyongcuo2->setText(QString::number(plan.ranges.sixHigh));
    edtzhusanyongcuo1->setText(QString::number(plan.ranges.threeLow));
    edtzhusanyongcuo2->setText(QString::number(plan.ranges.threeHigh));
    // The intersection window is created (hidden) for its tolerances; while it is being
    // created itself it still holds the defaults every plan but 2 and 3 sets.
    if (auto *jiaoqi = qobject_cast<Tfrmjiaoqi *>(ui::companionWindow(QStringLiteral("Tfrmjiaoqi"))))
        jiaoqi->setTolerances(plan.intersectSixLow, plan.intersectSixHigh, plan.intersectThreeLow,
                              plan.intersectThreeHigh);
}

void Tfrmfushi::comcurqiChange() {
    index_ = std::max(0, comcurqi->currentIndex());
    lblkaijiang->setText(dadi::drawnLabel(draws_, index_));
}

// The count in use is always the one shown; it is read when a run starts.
void Tfrmfushi::comyanxunumChange() {}

DanmaSettings Tfrmfushi::readSettings() const { return readSettings(index_, draws_.size()); }

DanmaSettings Tfrmfushi::readSettings(int index, size_t drawCount) const {
    DanmaSettings s;
    s.groups = ui::readInt(edtfushinum);
    s.digits = comcodenum->currentIndex() + 1;
    s.draws = ui::toInt(comyanxunum->currentText());
    s.reverse = opttype->checkedId() == 1;
    s.index = index;
    checkDanmaSettings(s, drawCount);
    return s;
}

MissRanges Tfrmfushi::readRanges() const {
    MissRanges r;
    r.sixLow = ui::readInt(edtzhuliuyongcuo1);
    r.sixHigh = ui::readInt(edtzhuliuyongcuo2);
    r.threeLow = ui::readInt(edtzhusanyongcuo1);
    r.threeHigh = ui::readInt(edtzhusanyongcuo2);
    return r;
}

void Tfrmfushi::showGroups(const std::vector<std::string> &groups) {
    groups_ = groups;
    groupModel_->setGrid(static_cast<int>(groups_.size()), groupModel_->headings(), [this](int row, int column) {
        return column == 0 ? QString::number(row + 1) : QString::fromStdString(groups_[size_t(row)]);
    });
}

void Tfrmfushi::showList(const NumberList &list) {
    list_ = list;
    filtered_ = true;
    ui::showNumbers(codeModel_, list_);
    ui::showBetCount(lbljushu, QStringLiteral("号码注数：%1注").arg(list_.size()), std::ssize(list_));
}

void Tfrmfushi::btngenClick() {
    ui::runCommand(this, [&] {
        const DanmaSettings s = readSettings();
        const QString countText = edtfushinum->text();
        auto result = std::make_shared<DanmaResult>();
        const DrawTable draws = draws_;
        runner_->start(batchJob([result, draws, s](const std::atomic<bool> &stop, const BatchProgress &progress) {
                           Lcg random(clockSeed());
                           *result = generateDanma(draws, s, random, progress.group, &stop);
                       }),
                       {s.groups, 0}, [this, result, countText](const QString &error) {
                           if (!error.isEmpty()) return;
                           showGroups(result->groups);
                           lblresult->setText(QString::fromStdString(
                               danmaHitText(draws_, index_, countText.toStdString(), result->groups)));
                       });
    });
}

void Tfrmfushi::btnfiltClick() {
    ui::runCommand(this, [&] { showList(danmaBaseList(groups_, readRanges())); });
}

void Tfrmfushi::btnsaveClick() {
    if (groups_.empty()) return ui::showWarning(this, QStringLiteral("请先生成胆码！"));
    const QString path = ui::getSaveFileName(this, ShellFolderPath(QStringLiteral("Desktop")));
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] {
        writeTextLines(path, toQLines(writeDanmaFile(groups_)));
        ui::showInformation(this, QStringLiteral("成功保存！"));
    });
}

void Tfrmfushi::btnsave2Click() {
    if (!filtered_) return ui::showWarning(this, QStringLiteral("请先过滤号码！"));
    const QString path = ui::getSaveFileName(this, ShellFolderPath(QStringLiteral("Desktop")));
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] {
        writeTextLines(path, toQLines(writeGridList(list_)));
        ui::showInformation(this, QStringLiteral("成功保存！"));
    });
}

void Tfrmfushi::btncopyClick() { dadi::putOnClipboard(QString::fromStdString(clipboardText(list_))); }

void Tfrmfushi::btnalldadiClick() {
    ui::runCommand(this, [&] {
        const int count = ui::readInt(edtdadinum);
        if (count < 1) throw UserError("大底数必须大于0！");
        const DanmaSettings s = readSettings();
        const MissRanges ranges = readRanges();
        const QString folder = ShellFolderPath(QStringLiteral("Desktop")) + QLatin1Char('/') + BatchFolderName;
        if (!dadi::confirmBatchFolder(this, folder)) return;
        struct Last {
            std::vector<std::string> groups;
            NumberList list;
            int written = 0;
        };
        auto last = std::make_shared<Last>();
        const DrawTable draws = draws_;
        runner_->start(batchJob([=](const std::atomic<bool> &stop, const BatchProgress &progress) {
                           Lcg random(clockSeed());
                           last->written = runDanmaBatch(folder, draws, s, ranges, count, random, progress, &stop,
                                                         &last->groups, &last->list);
                       }),
                       {s.groups, count}, [this, last, folder, countText = edtfushinum->text()](const QString &) {
                           if (last->written == 0) return;
                           showGroups(last->groups);
                           lblresult->setText(QString::fromStdString(
                               danmaHitText(draws_, index_, countText.toStdString(), last->groups)));
                           showList(last->list);
                           dadi::reportBatch(this, folder, last->written);
                       });
    });
}

void Tfrmfushi::btncloseClick() { close(); }

} // namespace corvel
