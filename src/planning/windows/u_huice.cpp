#include "planning/windows/u_huice.h"

#include "core/u_public.h"
#include "core/usererror.h"
#include "planning/backtestsheet.h"
#include "store/appdir.h"
#include "store/textfile.h"
#include "ui/buttons.h"
#include "ui/chartpanel.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include "ui/gridmodel.h"
#include "ui/intedit.h"
#include "ui/printing.h"
#include "ui/qtext.h"
#include "ui/shortcuts.h"
#include "ui/toolwindow.h"
#include "ui/windowplace.h"
#include "ui/workrunner.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>

namespace corvel {

namespace {

// Bars a chart page: a page of the cumulative net stays readable.
constexpr int ChartPageSize = 50;

QString settingsGroup(const QString &lottery) {
    return QStringLiteral("backtest/") + QString::fromLatin1(QUrl::toPercentEncoding(lottery));
}

} // namespace

BacktestSettings savedBacktestMoney(const QString &lottery) {
    BacktestSettings s;
    QSettings settings;
    settings.beginGroup(settingsGroup(lottery));
    s.price = settings.value(QStringLiteral("price"), qint64(s.price)).toLongLong();
    s.directPrize = settings.value(QStringLiteral("direct"), qint64(s.directPrize)).toLongLong();
    s.groupThreePrize = settings.value(QStringLiteral("groupThree"), qint64(s.groupThreePrize)).toLongLong();
    s.groupSixPrize = settings.value(QStringLiteral("groupSix"), qint64(s.groupSixPrize)).toLongLong();
    return s;
}

void saveBacktestMoney(const QString &lottery, const BacktestSettings &s) {
    QSettings settings;
    settings.beginGroup(settingsGroup(lottery));
    settings.setValue(QStringLiteral("price"), qint64(s.price));
    settings.setValue(QStringLiteral("direct"), qint64(s.directPrize));
    settings.setValue(QStringLiteral("groupThree"), qint64(s.groupThreePrize));
    settings.setValue(QStringLiteral("groupSix"), qint64(s.groupSixPrize));
}

Tfrmhuice::Tfrmhuice(QWidget *toolWindow, BacktestTool tool) : QWidget(toolWindow), tool_(std::move(tool)) {
    ui::makeToolWindow(this, QStringLiteral("frmhuice"), QString(), ui::TitleButtons::MinimizeMaximize);

    edtqishu = ui::numberEdit(this, "edtqishu", 70);
    edtdanjia = ui::numberEdit(this, "edtdanjia", 70);
    edtzhixuan = ui::numberEdit(this, "edtzhixuan", 70);
    edtzusan = ui::numberEdit(this, "edtzusan", 70);
    edtzuliu = ui::numberEdit(this, "edtzuliu", 70);
    auto *params = new QHBoxLayout;
    const auto field = [&](const QString &caption, QLineEdit *edit, const QString &unit) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(edit);
        params->addWidget(label);
        params->addWidget(edit);
        if (!unit.isEmpty()) params->addWidget(new QLabel(unit, this));
        params->addSpacing(10);
    };
    field(QStringLiteral("回测期数(&N)："), edtqishu, QStringLiteral("期"));
    field(QStringLiteral("单注价格(&P)："), edtdanjia, QStringLiteral("元"));
    field(QStringLiteral("直选奖金："), edtzhixuan, QStringLiteral("元"));
    field(QStringLiteral("组三奖金："), edtzusan, QStringLiteral("元"));
    field(QStringLiteral("组六奖金："), edtzuliu, QStringLiteral("元"));
    params->addStretch(1);

    btnstart = ui::commandButton(this, QStringLiteral("btnstart"), QStringLiteral("开始回测"));
    btnstart->setDefault(true);
    btnstop = ui::commandButton(this, QStringLiteral("btnstop"), QStringLiteral("停止"));
    btnexport = ui::commandButton(this, QStringLiteral("btnexport"), QStringLiteral("导出"));
    btnprint = ui::commandButton(this, QStringLiteral("btnprint"), QStringLiteral("打印"));
    btnclose = ui::commandButton(this, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    prghuice = new QProgressBar(this);
    prghuice->setObjectName(QStringLiteral("prghuice"));
    lblstatus = new QLabel(this);
    lblstatus->setObjectName(QStringLiteral("lblstatus"));
    auto *commands = new QHBoxLayout;
    commands->addWidget(btnstart);
    commands->addWidget(btnstop);
    commands->addWidget(prghuice, 1);
    commands->addWidget(lblstatus, 1);
    for (QPushButton *b : {btnexport, btnprint, btnclose}) commands->addWidget(b);

    model_ = new ui::GridModel(this);
    grdhuice = ui::makeGrid(this, model_);
    grdhuice->setObjectName(QStringLiteral("grdhuice"));
    ui::keepColumnsFitted(grdhuice, 24);
    memsummary = new QPlainTextEdit(this);
    memsummary->setObjectName(QStringLiteral("memsummary"));
    memsummary->setReadOnly(true);

    ui::ChartPanelSpec spec;
    spec.chartName = QStringLiteral("chthuice");
    spec.title = QStringLiteral("累计净收益");
    spec.series = {{QStringLiteral("累计净收益"), Qt::red},
                   {QStringLiteral("注数"), Qt::blue, QStringLiteral("chkzhushu"), true}};
    spec.pageSize = ChartPageSize;
    spec.legend = Qt::AlignTop;
    chartPanel_ = new ui::ChartPanel(spec, this);

    auto *upper = new QSplitter(Qt::Horizontal, this);
    upper->addWidget(grdhuice);
    upper->addWidget(memsummary);
    upper->setStretchFactor(0, 3);
    upper->setStretchFactor(1, 2);
    auto *body = new QSplitter(Qt::Vertical, this);
    body->addWidget(upper);
    body->addWidget(chartPanel_);
    body->setStretchFactor(0, 1);
    body->setStretchFactor(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(params);
    layout->addLayout(commands);
    layout->addWidget(body, 1);

    connect(btnstart, &QPushButton::clicked, this, &Tfrmhuice::btnstartClick);
    connect(btnexport, &QPushButton::clicked, this, &Tfrmhuice::btnexportClick);
    connect(btnprint, &QPushButton::clicked, this, &Tfrmhuice::btnprintClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmhuice::btncloseClick);
    // "关闭" stays enabled during a run: closing the window stops it.
    runner_ = new ui::WorkRunner(this, {prghuice}, btnstop,
                                 {edtqishu, edtdanjia, edtzhixuan, edtzusan, edtzuliu, btnstart, btnexport, btnprint});
    ui::closeWithEscape(this, btnclose);
    ui::addPrintShortcut(btnprint);
    ui::addShortcut(btnstart, QKeySequence(Qt::Key_F5));

    resize(980, 720);
    setMinimumSize(760, 560);
    FormCreate();
    setTool(tool_);
}

// The window goes with its tool window or the lottery: the run is asked to stop and ends
// before anything it uses goes.
Tfrmhuice::~Tfrmhuice() {
    runner_->stop();
    runner_->wait();
}

QString Tfrmhuice::lotteryName() const { return q(LotteryName); }

void Tfrmhuice::FormCreate() {
    const BacktestSettings saved = savedBacktestMoney(lotteryName());
    edtqishu->setText(QString::number(BacktestSettings{}.draws));
    edtdanjia->setText(QString::number(saved.price));
    edtzhixuan->setText(QString::number(saved.directPrize));
    edtzusan->setText(QString::number(saved.groupThreePrize));
    edtzuliu->setText(QString::number(saved.groupSixPrize));
    clearRun();
}

void Tfrmhuice::setTool(BacktestTool tool) {
    if (runner_->busy()) return;
    tool_ = std::move(tool);
    setWindowTitle(QStringLiteral("历史回测：%1《%2》").arg(tool_.name, q(lotteryTitleName(LotteryName))));
    clearRun();
}

void Tfrmhuice::clearRun() {
    run_ = {};
    issues_.clear();
    model_->setGrid(0, toQLines(backtestHeadings()), {});
    memsummary->clear();
    lblstatus->clear();
    chartPanel_->setData({}, {{}, {}});
}

BacktestSettings Tfrmhuice::readSettings(size_t drawCount) const {
    BacktestSettings s;
    s.draws = ui::readInt(edtqishu);
    s.price = ui::readInt64(edtdanjia);
    s.directPrize = ui::readInt64(edtzhixuan);
    s.groupThreePrize = ui::readInt64(edtzusan);
    s.groupSixPrize = ui::readInt64(edtzuliu);
    try {
        checkBacktestSettings(s, drawCount);
    } catch (const UserError &) {
        // The edit the message is about gets the focus.
        QLineEdit *edit = s.draws < 1 || size_t(s.draws) >= drawCount                     ? edtqishu
                          : s.price < 0 || s.price > MaxBacktestMoney                     ? edtdanjia
                          : s.directPrize < 0 || s.directPrize > MaxBacktestMoney         ? edtzhixuan
                          : s.groupThreePrize < 0 || s.groupThreePrize > MaxBacktestMoney ? edtzusan
                                                                                          : edtzuliu;
        ui::markField(edit);
        throw;
    }
    return s;
}

void Tfrmhuice::btnstartClick() {
    if (runner_->busy()) return;
    ui::runCommand(this, [this] {
        const DrawTable history = DrawHistory;
        const BacktestSettings settings = readSettings(history.size());
        if (tool_.check) tool_.check(int(history.size()) - settings.draws);
        saveBacktestMoney(lotteryName(), settings);
        std::vector<int64_t> issues;
        if (DrawIssues.size() == history.size()) issues = DrawIssues;
        auto outcome = std::make_shared<BacktestRun>();
        const auto make = tool_.make;
        const QString status = lblstatus->text();
        lblstatus->setText(QStringLiteral("正在回测…"));
        runner_->start(
            [=](const ui::Worker::Context &context) {
                const ListTool tool = make(context.stop);
                *outcome = runBacktest(
                    history, settings, tool, [&context](int done) { context.progress(0, done); }, &context.stop);
            },
            {settings.draws},
            [this, outcome, settings, issues, status](const QString &error) {
                if (!error.isEmpty()) {
                    lblstatus->setText(status);
                    return; // the message was shown; the last results stay
                }
                showRun(*outcome, settings, issues);
            });
    });
}

void Tfrmhuice::showRun(const BacktestRun &run, const BacktestSettings &settings, std::vector<int64_t> issues) {
    run_ = run;
    runSettings_ = settings;
    issues_ = std::move(issues);
    const auto rows = std::make_shared<const std::vector<BacktestRow>>(run_.rows);
    const std::vector<int64_t> issueList = issues_;
    model_->setGrid(int(rows->size()), toQLines(backtestHeadings()), [rows, issueList](int row, int column) {
        const BacktestRow &r = (*rows)[size_t(row)];
        return q(backtestCells(r, rowIssue(r, issueList))[size_t(column)]);
    });
    grdhuice->scrollToBottom();
    memsummary->setPlainText(toQLines(backtestSummaryLines(run_)).join(QLatin1Char('\n')));
    lblstatus->setText(run_.stopped ? q(stoppedNote(run_))
                                    : QStringLiteral("完成%1期").arg(qsizetype(run_.rows.size())));
    QStringList labels;
    std::vector<qint64> net, counts;
    for (const BacktestRow &r : run_.rows) {
        labels << QString::number(rowIssue(r, issues_));
        net.push_back(r.net);
        counts.push_back(r.count);
    }
    chartPanel_->setData(labels, {net, counts});
}

void Tfrmhuice::btnexportClick() {
    if (run_.rows.empty()) return ui::showWarning(this, QStringLiteral("请先开始回测！"));
    const QString proposed = ShellFolderPath(QStringLiteral("Desktop")) + QLatin1Char('/') +
                             q(lotteryTitleName(LotteryName)) + tool_.name + QStringLiteral("历史回测.csv");
    const QString path = ui::getSaveFileName(this, proposed, QStringLiteral("CSV文件 (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty()) return;
    ui::runCommand(this, [&] {
        // The byte order mark tells spreadsheet programs the text is UTF-8.
        const QByteArray bytes =
            QByteArray("\xEF\xBB\xBF") + QByteArray::fromStdString(backtestCsv(run_, runSettings_, issues_));
        writeFileBytes(path, bytes);
        ui::showInformation(this, QStringLiteral("成功导出！"));
    });
}

void Tfrmhuice::btnprintClick() {
    if (run_.rows.empty()) return ui::showWarning(this, QStringLiteral("请先开始回测！"));
    const std::string title = lotteryTitleName(LotteryName) + "  " + s(tool_.name) + "历史回测";
    const BacktestSettings &st = runSettings_;
    const std::string info = "回测" + std::to_string(run_.planned) + "期  单注价格:" + std::to_string(st.price) +
                             "元  直选:" + std::to_string(st.directPrize) +
                             "元  组三:" + std::to_string(st.groupThreePrize) +
                             "元  组六:" + std::to_string(st.groupSixPrize) + "元  打印日期:" + printDate();
    const BacktestRun run = run_;
    const std::vector<int64_t> issues = issues_;
    ui::printWithMessage(this,
                         [=](const PageGeometry &page) { return layoutBacktestSheet(page, title, info, run, issues); });
}

void Tfrmhuice::btncloseClick() { close(); }

void Tfrmhuice::closeEvent(QCloseEvent *event) {
    runner_->stop(); // the draws done so far are shown when the run has ended
    QWidget::closeEvent(event);
}

Tfrmhuice *openBacktest(QWidget *toolWindow, BacktestTool tool) {
    auto *window = toolWindow->findChild<Tfrmhuice *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new Tfrmhuice(toolWindow, std::move(tool));
        ui::placeToolWindow(window, toolWindow);
    } else if (window->runner()->busy()) {
        ui::showWarning(window, QStringLiteral("历史回测正在进行，停止后才能换用新的设置！"));
    } else {
        window->setTool(std::move(tool));
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QPushButton *backtestButton(QWidget *toolWindow, std::function<std::optional<BacktestTool>()> readTool) {
    QPushButton *button = ui::commandButton(toolWindow, QStringLiteral("btnhuice"), QStringLiteral("历史回测"));
    button->setToolTip(QStringLiteral("用当前设置对最近的开奖号码逐期回测"));
    QObject::connect(button, &QPushButton::clicked, toolWindow, [toolWindow, readTool] {
        std::optional<BacktestTool> tool;
        if (ui::runCommand(toolWindow, [&] { tool = readTool(); }) && tool) openBacktest(toolWindow, std::move(*tool));
    });
    return button;
}

} // namespace corvel
