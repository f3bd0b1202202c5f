#include "ui/tooldialog.h"

#include <QApplication>
#include <QDialog>

namespace corvel::ui {

void makeToolDialog(QDialog *dialog, const QString &objectName, const QString &caption) {
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint |
                           Qt::WindowMinMaxButtonsHint);
    dialog->setModal(false);
    dialog->setSizeGripEnabled(true);
}

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

} // namespace corvel::ui
