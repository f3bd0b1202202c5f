#pragma once
// "历史回测": a list tool's current settings bet on the newest draws of the open lottery,
// each draw with the list the tool gives from the draws before it. One window per tool
// window (its child, so it goes with it): the number of draws, the price and the prizes
// (remembered per lottery), the run on a worker thread that can be stopped, the table of
// the draws tested, the summary with the comparison against random numbers, the chart of
// the running net, and the CSV export and printout of both.

#include "planning/backtest.h"

#include <QString>
#include <QWidget>
#include <atomic>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace corvel {

namespace ui {
class ChartPanel;
class GridModel;
class WorkRunner;
} // namespace ui

// A tool window's tool with its settings as they were when "历史回测" was pressed.
struct BacktestTool {
    QString name; // the tool as the title names it ("冷码搜索")
    // Refuses, before anything runs, what depends on the first draw position tested (a
    // history too short for the settings), with the tool window's own message. Optional.
    std::function<void(int first)> check;
    // Makes the tool on the worker thread (it may read files); `stop` is the run's stop
    // flag, for the tools that can give up half-way.
    std::function<ListTool(const std::atomic<bool> &stop)> make;
};

// The price and the prizes remembered for a lottery (the engine's defaults until a run
// with other values starts), and storing them.
BacktestSettings savedBacktestMoney(const QString &lottery);
void saveBacktestMoney(const QString &lottery, const BacktestSettings &settings);

class Tfrmhuice : public QWidget {
    Q_OBJECT
public:
    Tfrmhuice(QWidget *toolWindow, BacktestTool tool);
    ~Tfrmhuice() override;

    // A new tool (the tool window's settings changed): the title follows it and the last
    // run's results go. Ignored while a run is in progress.
    void setTool(BacktestTool tool);
    const BacktestTool &tool() const { return tool_; }

    void FormCreate();
    void btnstartClick();
    void btnexportClick();
    void btnprintClick();
    void btncloseClick();

    // The last run shown (empty before the first).
    const BacktestRun &run() const { return run_; }
    const BacktestSettings &runSettings() const { return runSettings_; }
    ui::WorkRunner *runner() const { return runner_; }
    ui::ChartPanel *chartPanel() const { return chartPanel_; }
    ui::GridModel *model() const { return model_; }

    QLineEdit *edtqishu = nullptr;   // 回测期数
    QLineEdit *edtdanjia = nullptr;  // 单注价格
    QLineEdit *edtzhixuan = nullptr; // 直选奖金
    QLineEdit *edtzusan = nullptr;   // 组三奖金
    QLineEdit *edtzuliu = nullptr;   // 组六奖金
    QLabel *lblstatus = nullptr;
    QProgressBar *prghuice = nullptr;
    QTableView *grdhuice = nullptr;
    QPlainTextEdit *memsummary = nullptr;
    QPushButton *btnstart = nullptr;
    QPushButton *btnstop = nullptr;
    QPushButton *btnexport = nullptr;
    QPushButton *btnprint = nullptr;
    QPushButton *btnclose = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    BacktestSettings readSettings(size_t drawCount) const;
    void showRun(const BacktestRun &run, const BacktestSettings &settings, std::vector<int64_t> issues);
    void clearRun();
    QString lotteryName() const;

    BacktestTool tool_;
    BacktestRun run_;
    BacktestSettings runSettings_;
    std::vector<int64_t> issues_; // the issues of the history the run tested, by position
    ui::GridModel *model_ = nullptr;
    ui::ChartPanel *chartPanel_ = nullptr;
    ui::WorkRunner *runner_ = nullptr;
};

// The back-test window of `toolWindow` (created the first time) with `tool`, shown.
Tfrmhuice *openBacktest(QWidget *toolWindow, BacktestTool tool);

// The "历史回测" button of a tool window: pressed, it reads the tool with `readTool` and
// opens the back-test window. `readTool` refuses bad settings with the window's own
// messages (a UserError, shown as the window's commands show it), or returns nothing when
// it has said why itself.
QPushButton *backtestButton(QWidget *toolWindow, std::function<std::optional<BacktestTool>()> readTool);

} // namespace corvel
