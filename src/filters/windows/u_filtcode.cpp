#include "filters/windows/u_filtcode.h"

#include "core/usererror.h"
#include "store/appdir.h"
#include "store/textfile.h"
#include "ui/betorient.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"
#include "ui/listsend.h"
#include "ui/numbergrid.h"
#include "ui/printing.h"
#include "ui/shortcuts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace corvel {

namespace {

// Tabs after this one (号码重码分析 and the four 组选 analyses) save their lists as 全组选.
constexpr int LastDirectTab = 14;
constexpr int ColumnMargin = 30;

// A description may hold characters a file name cannot; they become '_' in the
// proposed name.
QString fileNamePart(const std::string &text) {
    QString part = QString::fromStdString(text);
    for (QChar &c : part)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c < QLatin1Char(' ')) c = QLatin1Char('_');
    return part;
}

NumberList passingNumbers(const CandidateList &candidates) {
    NumberList numbers;
    for (const CandidateRow &row : candidates)
        if (row[3] == 0) numbers.push_back({row[0], row[1], row[2]});
    return numbers;
}

} // namespace

Tfrmfiltcode::Tfrmfiltcode(FiltCodeSource source, QWidget *parent) : QDialog(parent), source_(std::move(source)) {
    setObjectName("frmfiltcode");
    setWindowTitle(QStringLiteral("过滤号码"));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    model_ = new ui::GridModel(this);
    grdfiltcode = ui::makeGrid(this, model_);
    grdfiltcode->setObjectName("grdfiltcode");
    ui::keepColumnsFitted(grdfiltcode, ColumnMargin);
    lbljushu = new QLabel(this);
    lbljushu->setObjectName("lbljushu");
    lbljushu->setWordWrap(true);
    btnprint = new QPushButton(QStringLiteral("打印"), this);
    btnprint->setObjectName("btnprint");
    btnsave = new QPushButton(QStringLiteral("保存"), this);
    btnsave->setObjectName("btnsave");
    btnclose = new QPushButton(QStringLiteral("关闭"), this);
    btnclose->setObjectName("btnclose");
    btnclose->setDefault(true);
    btnsend = ui::sendButton(this, model_, [this] {
        return ui::SentList{windowTitle(), numbers_, source_.tab > LastDirectTab ? BetKind::AllGroup : BetKind::Direct};
    });
    ui::addSaveShortcut(btnsave);
    ui::addPrintShortcut(btnprint);
    connect(btnprint, &QPushButton::clicked, this, &Tfrmfiltcode::btnprintClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmfiltcode::btnsaveClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmfiltcode::btncloseClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnprint);
    buttons->addWidget(btnsave);
    buttons->addWidget(btnsend);
    buttons->addWidget(btnclose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grdfiltcode, 1);
    layout->addWidget(lbljushu);
    ui::addBetIssueLabel(layout, lbljushu);
    layout->addLayout(buttons);
    resize(420, 540);
    setMinimumSize(320, 300);
}

void Tfrmfiltcode::FormActivate() {
    numbers_ = passingNumbers(source_.candidates ? source_.candidates() : CandidateList{});
    description_ = source_.description ? source_.description() : std::string();
    ui::showNumbers(model_, numbers_);
    ui::showBetCount(lbljushu, labelText(), std::ssize(numbers_));
    ui::fitColumns(grdfiltcode, ColumnMargin);
}

QString Tfrmfiltcode::labelText() const {
    return QString::fromStdString(description_) + QStringLiteral("共 ") + QString::number(numbers_.size()) +
           QStringLiteral(" 注");
}

void Tfrmfiltcode::btnprintClick() {
    if (numbers_.empty()) {
        ui::showWarning(this, QStringLiteral("请先生成表格！"));
        return;
    }
    const std::string title = lotteryTitleName(LotteryName) + description_ + "号码";
    ui::printBetList(this, title, numbers_);
}

void Tfrmfiltcode::btnsaveClick() {
    const QString proposed =
        attachmentDir() + fileNamePart(lotteryTitleName(LotteryName) + description_) + QStringLiteral("投注号码.txt");
    const QString path = ui::getSaveFileName(this, proposed);
    if (path.isEmpty()) return;
    if (ui::runCommand(this, [&] {
            writeTextLines(path, toQLines(writeInvestmentList(source_.tab > LastDirectTab ? 1 : 0, numbers_)));
        }))
        ui::showInformation(this, QStringLiteral("成功保存！"));
}

void Tfrmfiltcode::btncloseClick() { accept(); }

void Tfrmfiltcode::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    FormActivate();
}

void Tfrmfiltcode::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    ui::fitColumns(grdfiltcode, ColumnMargin);
}

void showFilteredCodes(QWidget *parent, FiltCodeSource source) {
    Tfrmfiltcode view(std::move(source), ui::ownerOf(parent));
    ui::keepInFront(&view);
    view.exec();
}

} // namespace corvel
