#pragma once
// The one way a window runs a command: a corvel::UserError thrown anywhere below stops the
// command and is shown as an error message box; whatever the command showed before stays.

#include <functional>

class QWidget;

namespace corvel::ui {

// Runs `command`; returns false when it stopped with a UserError (the message was shown).
bool runCommand(QWidget *parent, const std::function<void()> &command);

} // namespace corvel::ui
