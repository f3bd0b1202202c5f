#include "ui/command.h"

#include "core/usererror.h"
#include "ui/dialogs.h"

#include <QString>

namespace corvel::ui {

bool runCommand(QWidget *parent, const std::function<void()> &command) {
    try {
        command();
        return true;
    } catch (const UserError &e) {
        showError(parent, QString::fromStdString(e.what()));
        return false;
    }
}

} // namespace corvel::ui
