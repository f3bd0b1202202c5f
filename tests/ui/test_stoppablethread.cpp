// The worker-thread pattern: the window's stop request reaches the work through its flag.

#include "ui/stoppablethread.h"

#include <gtest/gtest.h>

using namespace corvel;

namespace {

// Counts until it is asked to stop.
class Counter : public ui::StoppableThread {
public:
    int steps = 0;

protected:
    void run() override {
        const std::atomic<bool> &stop = stopFlag();
        while (!stop.load()) {
            ++steps;
            QThread::usleep(100);
        }
    }
};

} // namespace

TEST(StoppableThread, StopRequestEndsTheWork) {
    Counter counter;
    EXPECT_FALSE(counter.stopRequested());
    counter.start();
    QThread::msleep(20);
    EXPECT_TRUE(counter.isRunning());
    counter.requestStop();
    EXPECT_TRUE(counter.stopRequested());
    ASSERT_TRUE(counter.wait(5000));
    EXPECT_GT(counter.steps, 0);
}
