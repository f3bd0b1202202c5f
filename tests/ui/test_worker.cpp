// The one worker pattern: a job's progress and posted steps reach the window thread in
// order, a stop request reaches the job, and whatever the job throws becomes one failure
// message.

#include "core/usererror.h"
#include "testsupport.h"
#include "ui/worker.h"
#include "ui/workrunner.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

using namespace corvel;

namespace {

bool finishes(ui::Worker &worker) {
    return QTest::qWaitFor([&] { return worker.isFinished(); }, 5000);
}

} // namespace

TEST(Worker, ProgressAndPostedStepsArriveOnTheWindowThreadInOrder) {
    QStringList seen;
    ui::Worker worker([&](const ui::Worker::Context &context) {
        for (int i = 1; i <= 3; ++i) {
            context.progress(0, i);
            context.post([&seen, i] { seen << QStringLiteral("step %1").arg(i); });
        }
    });
    QObject::connect(&worker, &ui::Worker::progressed, &worker,
                     [&](int bar, int value) { seen << QStringLiteral("bar %1 at %2").arg(bar).arg(value); });
    QSignalSpy failed(&worker, &ui::Worker::failed);
    worker.start();
    ASSERT_TRUE(finishes(worker));
    QTest::qWait(20);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("bar 0 at 1"), QStringLiteral("step 1"), QStringLiteral("bar 0 at 2"),
                                 QStringLiteral("step 2"), QStringLiteral("bar 0 at 3"), QStringLiteral("step 3")}));
    EXPECT_EQ(failed.count(), 0);
    EXPECT_TRUE(worker.errorText().isEmpty());
}

TEST(Worker, EveryExceptionBecomesOneFailureMessage) {
    const auto failureOf = [](std::function<void()> thrower) {
        ui::Worker worker([thrower](const ui::Worker::Context &) { thrower(); });
        QSignalSpy failed(&worker, &ui::Worker::failed);
        worker.start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return worker.isFinished() && failed.count() > 0; }, 5000));
        EXPECT_EQ(failed.count(), 1);
        EXPECT_EQ(failed.value(0).value(0).toString(), worker.errorText());
        return worker.errorText();
    };
    EXPECT_EQ(failureOf([] { throw UserError("请先导入大底文件！"); }), QStringLiteral("请先导入大底文件！"));
    EXPECT_EQ(failureOf([] { throw std::runtime_error("bad_alloc"); }), QStringLiteral("内部错误：bad_alloc"));
    EXPECT_TRUE(failureOf([] { throw 42; }).startsWith(QStringLiteral("内部错误：")));
}

TEST(Worker, StopRequestReachesTheJobAndAGoingWorkerWaitsForIt) {
    std::atomic<int> steps{0};
    auto worker = std::make_unique<ui::Worker>([&](const ui::Worker::Context &context) {
        while (!context.stop.load()) {
            ++steps;
            QThread::usleep(100);
        }
    });
    worker->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return steps.load() > 0; }, 5000));
    worker.reset(); // asks it to stop and waits
    const int after = steps.load();
    QThread::msleep(5);
    EXPECT_EQ(steps.load(), after);
}

TEST(WorkRunner, DisablesCommandsShowsBarsAndReportsTheFailure) {
    QWidget window;
    auto *bar = new QProgressBar(&window);
    auto *stop = new QPushButton(&window);
    auto *command = new QPushButton(&window);
    window.show();
    ui::WorkRunner runner(&window, {bar}, stop, {command});
    EXPECT_TRUE(bar->isHidden());
    EXPECT_TRUE(stop->isHidden());

    std::atomic<bool> release{false};
    QString error = QStringLiteral("not called");
    runner.start(
        [&](const ui::Worker::Context &context) {
            context.progress(0, 7);
            while (!release.load()) QThread::usleep(100);
            throw UserError("写入文件出错");
        },
        {10}, [&](const QString &message) { error = message; });
    EXPECT_TRUE(runner.busy());
    EXPECT_FALSE(command->isEnabled());
    EXPECT_TRUE(stop->isVisible());
    EXPECT_EQ(bar->maximum(), 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->value() == 7; }, 5000));

    test::MessageLog log;
    release = true;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !runner.busy(); }, 5000));
    EXPECT_EQ(error, QStringLiteral("写入文件出错"));
    EXPECT_EQ(log.lastText(), QStringLiteral("写入文件出错"));
    EXPECT_TRUE(command->isEnabled());
    EXPECT_TRUE(bar->isHidden());
    EXPECT_TRUE(stop->isHidden());
}
