#pragma once
// The shape the tool windows share: a window that stays on top of the main window with a
// close and a minimise (and maybe a maximise) button in its title bar; the modeless tool
// dialogs add a size grip. And the busy cursor a window shows while a long command runs.

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace corvel::ui {

enum class TitleButtons { Minimize, MinimizeMaximize };

// Names, titles and sets the window flags of a tool window.
void makeToolWindow(QWidget *window, const QString &objectName, const QString &caption, TitleButtons buttons);
// Names, titles and sets the window flags of a modeless tool dialog.
void makeToolDialog(QDialog *dialog, const QString &objectName, const QString &caption);

// Keeps the window from shrinking below the room its layout needs, so no control is cut
// (a window's own minimum size is kept when larger). The main window calls it for every
// tool window; the room is measured again whenever the layout changes.
void keepControlsWhole(QWidget *window);

// Windows that fill or read another tool window (the danma window hands its groups to the
// intersection window) reach it through this seam: the main window installs the source of
// tool windows, a test a source of its own.
using ToolWindowSource = std::function<QWidget *(const QString &className)>;
void setToolWindowSource(ToolWindowSource source);
// The tool window of a class, created hidden when it does not exist yet; null without a
// source, for a class without a window, or while that window is itself being created.
QWidget *companionWindow(const QString &className);

// Shows the wait cursor while it lives (also when the command stops with an exception).
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace corvel::ui
