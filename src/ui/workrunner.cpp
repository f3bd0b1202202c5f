#include "ui/workrunner.h"

#include "ui/dialogs.h"

#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

namespace corvel::ui {

WorkRunner::WorkRunner(QWidget *window, QList<QProgressBar *> bars, QPushButton *stopButton, QList<QWidget *> commands)
    : QObject(window), window_(window), bars_(std::move(bars)), stopButton_(stopButton),
      commands_(std::move(commands)) {
    for (QProgressBar *bar : bars_) bar->hide();
    stopButton_->hide();
    connect(stopButton_, &QPushButton::clicked, this, &WorkRunner::stop);
}

WorkRunner::~WorkRunner() {
    if (worker_) {
        worker_->requestStop();
        worker_->wait();
    }
}

void WorkRunner::start(Worker::Job job, const QList<int> &maxima, std::function<void(const QString &)> done) {
    if (worker_) return;
    done_ = std::move(done);
    for (QWidget *w : commands_) w->setEnabled(false);
    for (qsizetype i = 0; i < bars_.size(); ++i) {
        const int maximum = i < maxima.size() ? maxima[i] : 0;
        bars_[i]->setRange(0, std::max(1, maximum));
        bars_[i]->setValue(0);
        bars_[i]->setVisible(maximum > 0);
    }
    stopButton_->setEnabled(true);
    stopButton_->show();
    worker_ = new Worker(std::move(job), this);
    connect(worker_, &Worker::progressed, this, [this](int bar, int value) {
        if (bar < 0 || bar >= bars_.size()) return;
        bars_[bar]->setValue(std::min(value, bars_[bar]->maximum()));
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
    Worker *worker = worker_.data();
    if (!worker) return;
    worker_ = nullptr;
    const QString error = worker->errorText();
    worker->deleteLater();
    for (QProgressBar *bar : bars_) bar->hide();
    stopButton_->hide();
    for (QWidget *w : commands_) w->setEnabled(true);
    const auto done = std::move(done_);
    done_ = nullptr;
    if (!error.isEmpty()) showError(window_, error);
    if (done) done(error);
}

} // namespace corvel::ui
