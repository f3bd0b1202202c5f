#pragma once
// Help for the registered windows: the manual page of each window, F1 on it, and the tool
// tips of controls whose caption alone does not say what they do. The tips live in one
// table per window class here rather than in the windows, so a window needs nothing for them.

#include <QList>
#include <QPair>
#include <QString>

class QWidget;

namespace corvel {

struct ToolWindowEntry;

// The manual page of a tool window (its class name: "Tfrmtotalfilt").
QString helpPage(const ToolWindowEntry &entry);
// The manual page of analysis tab 0..19; the indicator tabs share one page, each with its
// own section ("indicators#mnukuadu").
QString analysisHelpPage(int tab);

// F1 in the window opens `page`; the tips of the class's table go onto its controls.
void installWindowHelp(QWidget *window, const QString &className, const QString &page);

// The tips of a class: object name of the control (or a wildcard pattern) → tip.
QList<QPair<QString, QString>> toolTipTable(const QString &className);
// The controls of `window` a name of the table stands for.
QList<QWidget *> tipControls(QWidget *window, const QString &name);

} // namespace corvel
