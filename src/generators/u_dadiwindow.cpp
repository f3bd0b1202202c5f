#include "generators/u_dadiwindow.h"

#include "shell/u_main.h"
#include "store/appdir.h"
#include "store/textfile.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

namespace corvel::dadi {

QStringList issueItems(const DrawTable &draws) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(draws.size()) + 1);
    for (const DrawRow &d : draws) items << QString::number(d[0]);
    items << QString::number(draws.empty() ? 1 : static_cast<int64_t>(draws.back()[0]) + 1);
    return items;
}

QString drawnLabel(const DrawTable &draws, int index) {
    QString text = QStringLiteral("目前开奖：");
    if (index >= 0 && size_t(index) < draws.size())
        for (int k = 1; k <= 3; ++k) text += QString::number(draws[size_t(index)][size_t(k)]);
    return text;
}

QString numbersLine(const NumberList &numbers) {
    QString line;
    line.reserve(static_cast<qsizetype>(numbers.size()) * 4);
    for (const Number &n : numbers) line += QString::fromStdString(numberText(n)) + QLatin1Char(' ');
    return line;
}

void putOnClipboard(const QString &text) { ui::setClipboardText(text); }

void saveResultBox(QWidget *parent, const QPlainTextEdit *box) {
    const QString path = ui::getSaveFileName(parent, ShellFolderPath(QStringLiteral("Desktop")));
    if (path.isEmpty()) return;
    ui::runCommand(parent, [&] {
        QStringList lines;
        for (const QString &line : box->toPlainText().split(QLatin1Char('\n'))) {
            QString numbers = line;
            while (!numbers.isEmpty() && numbers.back().isSpace()) numbers.chop(1);
            if (!numbers.isEmpty()) lines << numbers + QLatin1Char(' ');
        }
        writeTextLines(path, lines);
        ui::showInformation(parent, QStringLiteral("成功保存！"));
    });
}

QWidget *companionWindow(const QString &className) {
    Tfrmmain *main = Tfrmmain::instance();
    return main ? main->ensureToolWindow(className) : nullptr;
}

WorkRunner::WorkRunner(QWidget *window, QProgressBar *stepBar, QProgressBar *listBar, QPushButton *stopButton,
                       QList<QWidget *> commands)
    : QObject(window), window_(window), stepBar_(stepBar), listBar_(listBar), stopButton_(stopButton),
      commands_(std::move(commands)) {
    stepBar_->hide();
    listBar_->hide();
    stopButton_->hide();
    connect(stopButton_, &QPushButton::clicked, this, &WorkRunner::stop);
}

WorkRunner::~WorkRunner() {
    if (worker_) {
        worker_->requestStop();
        worker_->wait();
    }
}

void WorkRunner::start(Tdadiworker::Job job, int steps, int lists, std::function<void(const QString &)> done) {
    if (worker_) return;
    done_ = std::move(done);
    for (QWidget *w : commands_) w->setEnabled(false);
    const auto setUp = [](QProgressBar *bar, int maximum) {
        bar->setRange(0, std::max(1, maximum));
        bar->setValue(0);
        bar->setVisible(maximum > 0);
    };
    setUp(stepBar_, steps);
    setUp(listBar_, lists);
    stopButton_->setEnabled(true);
    stopButton_->show();
    worker_ = new Tdadiworker(std::move(job));
    connect(worker_, &Tdadiworker::progressed, this, [this](int bar, int value) {
        QProgressBar *target = bar == 0 ? stepBar_ : listBar_;
        target->setValue(std::min(value, target->maximum()));
    });
    connect(worker_, &QThread::finished, this, &WorkRunner::finish);
    worker_->start();
}

void WorkRunner::stop() {
    if (!worker_) return;
    worker_->requestStop();
    stopButton_->setEnabled(false);
}

void WorkRunner::wait() {
    if (worker_) worker_->wait();
}

void WorkRunner::finish() {
    Tdadiworker *worker = worker_.data();
    if (!worker) return;
    worker_ = nullptr;
    const QString error = worker->errorText();
    worker->deleteLater();
    stepBar_->hide();
    listBar_->hide();
    stopButton_->hide();
    for (QWidget *w : commands_) w->setEnabled(true);
    const auto done = std::move(done_);
    done_ = nullptr;
    if (!error.isEmpty()) ui::showError(window_, error);
    if (done) done(error);
}

} // namespace corvel::dadi
