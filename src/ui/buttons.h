#pragma once
// A window's command buttons: named for tests and lookups, and never "auto default", so
// Enter in an edit box presses only the window's default button.

#include <QString>

class QPushButton;
class QWidget;

namespace corvel::ui {

// A push button with object name `name` and caption `caption`, not auto default.
QPushButton *commandButton(QWidget *parent, const QString &name, const QString &caption);

} // namespace corvel::ui
