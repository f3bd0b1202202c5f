#pragma once
// The one way work leaves the window thread. A job runs on its own thread on what it was
// given (a snapshot, never a widget); it reports progress on numbered bars and hands its
// results to the window thread with `post`; the window can only ask it to stop. Whatever
// the job throws ends it, and the message reaches the window once, as `failed`: a
// UserError's own text, anything else as an internal error. A window makes its workers its
// children and stops and waits for them when it goes, so nothing posted outlives it.

#include "ui/stoppablethread.h"

#include <QString>
#include <atomic>
#include <functional>

namespace corvel::ui {

class Worker : public StoppableThread {
    Q_OBJECT
public:
    struct Context {
        const std::atomic<bool> &stop;
        // Progress of bar `bar` (0 unless a window shows several), sent as a queued signal.
        std::function<void(int bar, int value)> progress;
        // Runs `step` on the window thread, after every progress sent before it.
        std::function<void(std::function<void()> step)> post;
    };
    using Job = std::function<void(const Context &context)>;

    explicit Worker(Job job, QObject *parent = nullptr);
    ~Worker() override;

    // The message of a failure, empty while the job runs, when it completed or was stopped.
    QString errorText() const { return error_; }

    // The message of an exception that is not the user's error.
    static QString internalErrorText(const char *what);

signals:
    void progressed(int bar, int value);
    // The job ended with an exception; sent before `finished`.
    void failed(const QString &message);

protected:
    void run() override;

private:
    Job job_;
    QString error_;
};

} // namespace corvel::ui
