#include "generators/windows/u_gensui.h"

#include "planning/backtesttools.h"
#include "planning/windows/u_huice.h"
#include "store/appdir.h"
#include "store/textfile.h"
#include "ui/betorient.h"
#include "ui/buttons.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"
#include "ui/issuebox.h"
#include "ui/listsend.h"
#include "ui/numbergrid.h"
#include "ui/qtext.h"
#include "ui/toolwindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

namespace {

constexpr int FollowColumnMargin = 40;
constexpr int CodeColumnMargin = 20;
constexpr int MaxInterval = 100;

QGroupBox *radioGroup(QWidget *parent, QButtonGroup *&group, const char *name, const QStringList &captions,
                      Qt::Orientation orientation) {
    auto *box = new QGroupBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    group = new QButtonGroup(box);
    QBoxLayout *layout = orientation == Qt::Horizontal ? static_cast<QBoxLayout *>(new QHBoxLayout(box))
                                                       : static_cast<QBoxLayout *>(new QVBoxLayout(box));
    layout->setContentsMargins(6, 4, 6, 4);
    for (int i = 0; i < captions.size(); ++i) {
        auto *radio = new QRadioButton(captions[i], box);
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    return box;
}

} // namespace

FollowWindow::FollowWindow(QWidget *parent, FollowKind kind) : QWidget(parent), kind_(kind), selection_(kind) {
    const bool group = kind == FollowKind::Group;
    ui::makeToolWindow(this, group ? QStringLiteral("frmgensui") : QStringLiteral("frmgensui2"),
                       group ? QStringLiteral("定位跟随胆码及历史排除选号（组选）")
                             : QStringLiteral("定位跟随胆码及历史排除选号（直选）"),
                       ui::TitleButtons::MinimizeMaximize);

    followModel_ = new ui::GridModel(this);
    tabhistory = ui::makeGrid(this, followModel_);
    tabhistory->setObjectName(QStringLiteral("tabhistory"));
    ui::keepColumnsFitted(tabhistory, FollowColumnMargin);
    // The newest rows are the ones that matter: the end of the table stays in view while
    // the table is laid out or resized, until the user scrolls it.
    QScrollBar *bar = tabhistory->verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
        if (pinEnd_) bar->setValue(maximum);
    });
    connect(bar, &QScrollBar::actionTriggered, this, [this](int) { pinEnd_ = false; });
    grdcode1 = codeGrid(codeModels_[0], "grdcode1");
    grdcode2 = codeGrid(codeModels_[1], "grdcode2");
    grdcode3 = codeGrid(codeModels_[2], "grdcode3");
    lbljushu1 = new QLabel(this);
    lbljushu1->setObjectName(QStringLiteral("lbljushu1"));
    lbljushu2 = new QLabel(this);
    lbljushu2->setObjectName(QStringLiteral("lbljushu2"));
    lbljushu3 = new QLabel(this);
    lbljushu3->setObjectName(QStringLiteral("lbljushu3"));
    // The two partial lists stay out of sight behind the combined one.
    for (QWidget *hidden : std::initializer_list<QWidget *>{grdcode1, grdcode2, lbljushu1, lbljushu2}) hidden->hide();

    auto *lists = new QVBoxLayout;
    lists->addWidget(grdcode1, 1);
    lists->addWidget(lbljushu1);
    lists->addWidget(grdcode2, 1);
    lists->addWidget(lbljushu2);
    lists->addWidget(grdcode3, 1);
    lists->addWidget(lbljushu3);
    ui::addBetIssueLabel(lists, lbljushu3);

    auto *left = new QVBoxLayout;
    left->addWidget(buildParameters());
    left->addWidget(buildCommands());
    left->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(tabhistory, 5);
    layout->addLayout(lists, 3);

    connectCommands();
    FormCreate();
    resize(1060, 640);
    setMinimumSize(820, 520);
}

QTableView *FollowWindow::codeGrid(ui::GridModel *&model, const char *name) {
    model = new ui::GridModel(this);
    QTableView *view = ui::makeGrid(this, model);
    view->setObjectName(QString::fromUtf8(name));
    ui::keepColumnsFitted(view, CodeColumnMargin);
    return view;
}

QWidget *FollowWindow::buildParameters() {
    const bool group = kind_ == FollowKind::Group;
    auto *box = new QGroupBox(QStringLiteral("统计参数"), this);
    box->setObjectName(QStringLiteral("grpparams"));
    auto *form = new QFormLayout(box);

    const QString word = group ? QStringLiteral("组选") : QStringLiteral("直选");
    grpnum = radioGroup(box, optnum, "optnum",
                        {QStringLiteral("1码") + word, QStringLiteral("2码") + word, QStringLiteral("3码") + word},
                        Qt::Horizontal);
    form->addRow(grpnum);
    composindex = new QComboBox(box);
    composindex->setObjectName(QStringLiteral("composindex"));
    form->addRow(QStringLiteral("统计位置："), composindex);
    grpcixu =
        radioGroup(box, optcixu, "optcixu", {QStringLiteral("分次序"), QStringLiteral("不分次序")}, Qt::Horizontal);
    form->addRow(grpcixu);
    comsepnum = new QComboBox(box);
    comsepnum->setObjectName(QStringLiteral("comsepnum"));
    comsepnum->setMaxVisibleItems(20);
    form->addRow(QStringLiteral("间隔期数："), comsepnum);

    const auto edit = [&](const char *name, const QString &label) {
        auto *e = new QLineEdit(box);
        e->setObjectName(QString::fromUtf8(name));
        form->addRow(label, e);
        return e;
    };
    edtgensuiqishu = edit("edtgensuiqishu", QStringLiteral("跟随期数："));
    auto *sep = radioGroup(box, optsep, "optsep", {QStringLiteral("包括开奖号"), QStringLiteral("不包括开奖号")},
                           Qt::Horizontal);
    form->addRow(sep);
    edtpaichu = edit("edtpaichu", QStringLiteral("排除期数："));
    edtdanma = edit("edtdanma", QStringLiteral("新旧胆码："));

    edtnum1 = new QLineEdit(box);
    edtnum1->setObjectName(QStringLiteral("edtnum1"));
    edtnum2 = new QLineEdit(box);
    edtnum2->setObjectName(QStringLiteral("edtnum2"));
    auto *range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("中"), box));
    range->addWidget(edtnum1);
    range->addWidget(new QLabel(QStringLiteral("到"), box));
    range->addWidget(edtnum2);
    form->addRow(range);

    comcurqi = new QComboBox(box);
    comcurqi->setObjectName(QStringLiteral("comcurqi"));
    comcurqi->hide(); // "目前投注期" is the coming issue and is not offered for a change
    box->setMinimumWidth(250);
    return box;
}

QWidget *FollowWindow::buildCommands() {
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    btntongji = ui::commandButton(box, QStringLiteral("btntongji"), QStringLiteral("统计"));
    btngen3 = ui::commandButton(box, QStringLiteral("btngen3"), QStringLiteral("过滤"));
    btnsave3 = ui::commandButton(box, QStringLiteral("btnsave3"), QStringLiteral("保存"));
    btncopy = ui::commandButton(box, QStringLiteral("btncopy"), QStringLiteral("复制"));
    btnclear = ui::commandButton(box, QStringLiteral("btnclear"), QStringLiteral("清空"));
    btnclose = ui::commandButton(box, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    // The bet list of "统计" then one "过滤" with the controls' settings, for each draw.
    btnhuice = backtestButton(this, [this]() -> std::optional<BacktestTool> {
        const FollowSettings statistics = readStatistics(std::max(0, optnum->checkedId()) + 1);
        const FilterSettings filter = readFilter();
        const FollowKind kind = kind_;
        const QString name =
            kind == FollowKind::Group ? QStringLiteral("组选跟随选号") : QStringLiteral("直选跟随选号");
        return BacktestTool{name, {}, [=](const auto &) { return followTool(kind, statistics, filter); }};
    });
    btnsend = ui::sendButton(this, codeModels_[2], [this] { return ui::SentList{windowTitle(), shown_.combined, {}}; });
    btnsave1 = ui::commandButton(box, QStringLiteral("btnsave1"), QStringLiteral("保存"));
    btnsave2 = ui::commandButton(box, QStringLiteral("btnsave2"), QStringLiteral("保存"));
    btnsave1->hide();
    btnsave2->hide();
    grid->addWidget(btntongji, 0, 0);
    grid->addWidget(btngen3, 0, 1);
    grid->addWidget(btnsave3, 1, 0);
    grid->addWidget(btncopy, 1, 1);
    grid->addWidget(btnclear, 2, 0);
    grid->addWidget(btnclose, 2, 1);
    grid->addWidget(btnhuice, 3, 0);
    grid->addWidget(btnsend, 3, 1);
    return box;
}

void FollowWindow::connectCommands() {
    connect(btntongji, &QPushButton::clicked, this, &FollowWindow::btntongjiClick);
    connect(btngen3, &QPushButton::clicked, this, &FollowWindow::btngen3Click);
    connect(btnsave3, &QPushButton::clicked, this, &FollowWindow::btnsave3Click);
    connect(btnsave1, &QPushButton::clicked, this, &FollowWindow::btnsave1Click);
    connect(btnsave2, &QPushButton::clicked, this, &FollowWindow::btnsave2Click);
    connect(btncopy, &QPushButton::clicked, this, &FollowWindow::btncopyClick);
    connect(btnclear, &QPushButton::clicked, this, &FollowWindow::btnclearClick);
    connect(btnclose, &QPushButton::clicked, this, &FollowWindow::btncloseClick);
    connect(optnum, &QButtonGroup::idClicked, this, [this](int) { optnumClick(); });
    connect(composindex, &QComboBox::currentIndexChanged, this, [this](int) { composindexChange(); });
    connect(comcurqi, &QComboBox::currentIndexChanged, this, [this](int) { comcurqiChange(); });
    connect(comsepnum, &QComboBox::currentIndexChanged, this, [this](int) { comcurqiChange(); });
}

void FollowWindow::FormCreate() {
    ui::fillIssueBox(comcurqi, DrawHistory);
    current_ = static_cast<int>(DrawHistory.size());

    composindex->clear();
    composindex->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    composindex->setCurrentIndex(0);
    position_ = 1;
    comsepnum->clear();
    for (int b = 1; b <= MaxInterval; ++b) comsepnum->addItem(QString::number(b));
    comsepnum->setCurrentIndex(0);

    optnum->button(0)->setChecked(true);
    optcixu->button(1)->setChecked(true);
    optsep->button(1)->setChecked(true);
    optnumClick();
    edtgensuiqishu->setText(QStringLiteral("2"));
    edtpaichu->setText(QStringLiteral("20"));
    edtdanma->clear();
    edtnum1->setText(QStringLiteral("1"));
    edtnum2->setText(QStringLiteral("3"));

    selection_.clear();
    shown_ = {};
    for (ui::GridModel *model : codeModels_) ui::showNumbers(model, {});
    ui::runCommand(this, [this] { followStat(1); });
}

ui::GridModel *FollowWindow::codeModel(int which) const { return codeModels_[std::clamp(which, 1, 3) - 1]; }

// ---- Statistics -------------------------------------------------------------------

void FollowWindow::btntongjiClick() {
    ui::runCommand(this, [this] { followStat(std::max(0, optnum->checkedId()) + 1); });
}

FollowSettings FollowWindow::readStatistics(int width) const {
    FollowSettings s;
    s.width = width;
    s.position = position_;
    s.ordered = optcixu->checkedId() == 0;
    s.interval = comsepnum->currentIndex() + 1;
    s.followCount = readFollowCount(edtgensuiqishu->text().toStdString());
    s.includeDraw = optsep->checkedId() == 0;
    return s;
}

FilterSettings FollowWindow::readFilter() const {
    return readFilterSettings(edtpaichu->text().toStdString(), edtdanma->text().toStdString(),
                              edtnum1->text().toStdString(), edtnum2->text().toStdString(), optsep->checkedId() == 0);
}

void FollowWindow::followStat(int width) {
    selection_.statistics(DrawHistory, current_, readStatistics(width));
    showFollowTable();
}

void FollowWindow::showFollowTable() {
    followModel_->setGrid(
        static_cast<int>(selection_.table().rows.size()), toQLines(followHeadings()),
        [this](int row, int column) { return q(followCell(selection_.table(), static_cast<size_t>(row), column)); });
    ui::fitColumns(tabhistory, FollowColumnMargin);
    pinEnd_ = true;
    tabhistory->scrollToBottom();
}

// ---- Exclusions and lists -----------------------------------------------------------

void FollowWindow::btngen3Click() {
    ui::runCommand(this, [this] {
        selection_.filter(readFilter());
        showCombined();
    });
}

void FollowWindow::showCombined() {
    shown_ = selection_.lists();
    showList(codeModels_[0], lbljushu1, "排除过滤剩余注数：", shown_.history);
    showList(codeModels_[1], lbljushu2, "胆码过滤剩余注数：", shown_.danma);
    showList(codeModels_[2], lbljushu3, "综合过滤剩余注数：", shown_.combined);
}

void FollowWindow::showList(ui::GridModel *model, QLabel *label, const char *caption, const NumberList &numbers) {
    ui::showNumbers(model, numbers);
    ui::showBetCount(label, QString::fromUtf8(caption) + QString::number(numbers.size()), std::ssize(numbers));
}

void FollowWindow::btnclearClick() {
    shown_ = {};
    for (ui::GridModel *model : codeModels_) ui::showNumbers(model, {});
    // The direct window's exclusions accumulate until here; the group window starts
    // every "过滤" from zero and keeps its count on show.
    if (kind_ == FollowKind::Direct) {
        selection_.clear();
        lbljushu3->setText(QStringLiteral("综合过滤剩余注数："));
    }
}

// ---- Output -----------------------------------------------------------------------

QString FollowWindow::issueText() const { return q(LotteryName) + comcurqi->currentText(); }

void FollowWindow::saveList(const QString &proposed, const NumberList &numbers) {
    const QString path = ui::getSaveFileName(this, proposed);
    if (path.isEmpty()) return;
    if (ui::runCommand(this, [&] { writeTextLines(path, toQLines(writeGridList(numbers))); }))
        ui::showInformation(this, QStringLiteral("成功保存！"));
}

void FollowWindow::btnsave3Click() {
    const QString suffix = kind_ == FollowKind::Group ? QStringLiteral("期定位跟随选号组选.txt")
                                                      : QStringLiteral("期定位跟随选号直选.txt");
    saveList(ShellFolderPath(QStringLiteral("Desktop")) + QLatin1Char('/') + issueText() + suffix, shown_.combined);
}

void FollowWindow::btnsave1Click() {
    const QString name =
        kind_ == FollowKind::Group
            ? QString(issueText() + QStringLiteral("期组选历史排除选号.txt"))
            : q(LotteryName) + QStringLiteral("直选") + comcurqi->currentText() + QStringLiteral("期历史排除选号.txt");
    saveList(attachmentDir() + name, shown_.history);
}

void FollowWindow::btnsave2Click() {
    const QString name =
        kind_ == FollowKind::Group
            ? QString(issueText() + QStringLiteral("期组选胆码排除选号.txt"))
            : q(LotteryName) + QStringLiteral("直选") + comcurqi->currentText() + QStringLiteral("期胆码排除选号.txt");
    saveList(attachmentDir() + name, shown_.danma);
}

void FollowWindow::btncopyClick() { ui::setClipboardText(q(clipboardText(shown_.combined))); }

// The window is kept: closing only hides it, with its table and lists.
void FollowWindow::btncloseClick() { close(); }

// ---- Parameters -------------------------------------------------------------------

void FollowWindow::optnumClick() { grpcixu->setEnabled(optnum->checkedId() == 1); }

void FollowWindow::composindexChange() { position_ = std::max(1, composindex->currentText().toInt()); }

void FollowWindow::comcurqiChange() {
    if (comcurqi->currentIndex() >= 0) current_ = comcurqi->currentIndex();
}

Tfrmgensui::Tfrmgensui(QWidget *parent) : FollowWindow(parent, FollowKind::Group) {}

} // namespace corvel
