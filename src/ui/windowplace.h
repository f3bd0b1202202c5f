#pragma once
// Where windows open: tool windows centred over the main window the first time and where
// the user left them afterwards (also in later runs), and never with their title bar off
// the screen. Positions are kept in the application's QSettings under "geometry/<object name>".

class QString;
class QWidget;

namespace corvel::ui {

// Restores the window's remembered geometry, or centres it over `over` when there is none;
// from then on its geometry is remembered whenever it is hidden or closed.
void placeToolWindow(QWidget *window, QWidget *over);

// The remembered geometry of windows by object name.
bool restoreWindowGeometry(QWidget *window);
void saveWindowGeometry(const QWidget *window);
void forgetWindowGeometry(const QString &objectName);

// Centres the window (its frame) over `over`, or over its screen's free area without one.
void centreOver(QWidget *window, const QWidget *over);
// Moves and, if need be, shrinks a top-level window so that its frame, title bar first,
// lies inside the free area of its screen.
void keepOnScreen(QWidget *window);

} // namespace corvel::ui
