#include "ui/toolwindow.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLayout>

namespace corvel::ui {

void makeToolWindow(QWidget *window, const QString &objectName, const QString &caption, TitleButtons buttons) {
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    window->setWindowFlags(
        Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint |
        (buttons == TitleButtons::Minimize ? Qt::WindowMinimizeButtonHint : Qt::WindowMinMaxButtonsHint));
}

void makeToolDialog(QDialog *dialog, const QString &objectName, const QString &caption) {
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint |
                           Qt::WindowMinMaxButtonsHint);
    dialog->setModal(false);
    dialog->setSizeGripEnabled(true);
}

namespace {

class ControlsWhole : public QObject {
public:
    explicit ControlsWhole(QWidget *window) : QObject(window), window_(window), own_(window->minimumSize()) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == window_ && (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest)) fit();
        return QObject::eventFilter(watched, event);
    }

private:
    void fit() {
        QLayout *layout = window_->layout();
        if (!layout) return;
        const QSize least = own_.expandedTo(layout->totalMinimumSize());
        if (least != window_->minimumSize()) window_->setMinimumSize(least);
    }

    QWidget *window_;
    QSize own_;
};

} // namespace

void keepControlsWhole(QWidget *window) {
    static const char *const mark = "corvelControlsWhole";
    if (window->property(mark).toBool()) return;
    window->setProperty(mark, true);
    window->installEventFilter(new ControlsWhole(window));
}

namespace {
ToolWindowSource &toolWindowSource() {
    static ToolWindowSource source;
    return source;
}
} // namespace

void setToolWindowSource(ToolWindowSource source) { toolWindowSource() = std::move(source); }

QWidget *companionWindow(const QString &className) {
    const ToolWindowSource &source = toolWindowSource();
    return source ? source(className) : nullptr;
}

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

} // namespace corvel::ui
