#include "ui/worker.h"

#include "core/usererror.h"

#include <QMetaObject>
#include <exception>

namespace corvel::ui {

Worker::Worker(Job job, QObject *parent) : StoppableThread(parent), job_(std::move(job)) {}

// A window that goes while its worker runs has asked it to stop; the thread must end
// before the object it runs in.
Worker::~Worker() {
    requestStop();
    wait();
}

QString Worker::internalErrorText(const char *what) {
    return QStringLiteral("内部错误：%1").arg(QString::fromUtf8(what));
}

void Worker::run() {
    const Context context{
        stopFlag(),
        [this](int bar, int value) { emit progressed(bar, value); },
        [this](std::function<void()> step) { QMetaObject::invokeMethod(this, std::move(step), Qt::QueuedConnection); },
    };
    try {
        job_(context);
        return;
    } catch (const UserError &e) {
        error_ = QString::fromStdString(e.what());
    } catch (const std::exception &e) {
        error_ = internalErrorText(e.what());
    } catch (...) {
        error_ = internalErrorText("unknown exception");
    }
    emit failed(error_);
}

} // namespace corvel::ui
