#pragma once
// A window's long command on a Worker: shows the window's progress bars, swaps its
// commands for the "停止" button, and when the worker ends shows its failure message and
// calls `done` on the window thread (also after a failure or a stop).

#include "ui/worker.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QProgressBar;
class QPushButton;
class QWidget;

namespace corvel::ui {

class WorkRunner : public QObject {
    Q_OBJECT
public:
    // `bars` are the bars the job's progress numbers; `commands` are disabled while it runs.
    WorkRunner(QWidget *window, QList<QProgressBar *> bars, QPushButton *stopButton, QList<QWidget *> commands);
    ~WorkRunner() override;

    bool busy() const { return !worker_.isNull(); }
    // `maxima` are the bars' maxima in order; 0 (or a missing one) hides a bar.
    void start(Worker::Job job, const QList<int> &maxima, std::function<void(const QString &error)> done);
    void stop();
    // Blocks until the worker has ended (tests, and the window going away).
    void wait();

private:
    void finish();

    QWidget *window_;
    QList<QProgressBar *> bars_;
    QPushButton *stopButton_;
    QList<QWidget *> commands_;
    QPointer<Worker> worker_;
    std::function<void(const QString &)> done_;
};

} // namespace corvel::ui
