#pragma once
// The shape the tool dialogs share: a modeless dialog that stays on top of the main window,
// with close, minimise and maximise buttons and a size grip; and the busy cursor a window
// shows while a long command runs.

#include <QString>

class QDialog;

namespace corvel::ui {

// Names, titles and sets the window flags of a modeless tool dialog.
void makeToolDialog(QDialog *dialog, const QString &objectName, const QString &caption);

// Shows the wait cursor while it lives (also when the command stops with an exception).
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace corvel::ui
