#pragma once
// Keyboard use shared by every window: standard shortcuts on a window's own buttons and the
// Escape key of tool windows.
//
// Usage, in a window's constructor after its buttons exist:
//
//     ui::addSaveShortcut(btnsave);   // Ctrl+S clicks "保存"
//     ui::addPrintShortcut(btnprint); // Ctrl+P clicks "打印"
//     ui::addShortcut(btnfilt, QKeySequence(Qt::Key_F5));
//
// A shortcut clicks its button only while the button is enabled and shown, so it never runs
// a command the window has switched off, and the button's tool tip names the key. Adding
// the same key to the same button twice is harmless.
//
// Tool windows registered in src/shell/windowregistry.cpp need nothing of this: the main
// window calls addStandardKeys on each when it creates it, so a window whose buttons are
// named "btnclose", "btnsave" and "btnprint" gets Escape, Ctrl+S and Ctrl+P by itself, and
// Enter presses its default button.
// Buttons named otherwise (a menu button "tlbtnsave", say) call the functions above.

#include <QKeySequence>

class QAbstractButton;
class QPushButton;
class QWidget;

namespace corvel::ui {

// `keys` pressed anywhere in the button's window clicks the button (when enabled and shown).
void addShortcut(QAbstractButton *button, const QKeySequence &keys);
// Ctrl+S on a window's "保存" button, Ctrl+P on its "打印" button.
void addSaveShortcut(QAbstractButton *button);
void addPrintShortcut(QAbstractButton *button);

// Escape clicks `closeButton`, so it closes the window exactly as "关闭" does; while the
// button is disabled (a run in progress) neither Escape nor the title bar's close button
// closes the window.
void closeWithEscape(QWidget *window, QAbstractButton *closeButton);

// Enter or Return pressed in an edit box of the window (the key unused by the box) clicks
// the window's default button, when one is shown and enabled, as it does in a dialog.
// Dialogs do this themselves; tool windows that are plain windows need it.
void pressDefaultWithEnter(QWidget *window);
// The window's shown default button, or null.
QPushButton *defaultButton(const QWidget *window);

// Escape on the window's "btnclose", Ctrl+S on its "btnsave", Ctrl+P on its "btnprint"
// (for each of them the window has), and Enter on its default button.
void addStandardKeys(QWidget *window);

} // namespace corvel::ui
