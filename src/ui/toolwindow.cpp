#include "ui/toolwindow.h"

#include <QApplication>
#include <QDialog>

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
