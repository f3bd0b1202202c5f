#pragma once
// The worker thread of the long searches: it works on a snapshot away from the window
// thread, never touches a widget, and the window can only ask it to stop, through an
// atomic flag the work reads between its steps. Subclasses add their snapshot and signals.

#include <QThread>
#include <atomic>

namespace corvel::ui {

class StoppableThread : public QThread {
    Q_OBJECT
public:
    using QThread::QThread;

    // Window thread: end the work at its next step.
    void requestStop() { stop_.store(true); }
    bool stopRequested() const { return stop_.load(); }

protected:
    // The flag the work reads (passed to the engine's searches).
    const std::atomic<bool> &stopFlag() const { return stop_; }

private:
    std::atomic<bool> stop_{false};
};

} // namespace corvel::ui
