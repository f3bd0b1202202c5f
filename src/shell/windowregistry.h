#pragma once
// The one list of the main window's windows: the twenty analysis tabs and every tool
// window with its menu item, caption, class, factory and tool button. The menus, the tool
// bar, the tab strip and the tests are all built from these lists, so a new tool window
// needs its class and one entry here.

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace corvel {

using WindowFactory = std::function<QWidget *(QWidget *parent)>;

// One analysis tab: its 数据分析 menu item, its tab and its child window.
struct AnalysisTab {
    QString menuName;            // "mnudaxiao"
    QString menuCaption;         // "号码大小分析(&R)"
    bool separatorAfter = false; // a menu separator follows the item
    WindowFactory factory;

    // The tab caption: the menu caption without its access key ("号码大小分析").
    QString caption() const;
};

// The twenty analysis tabs in tab order (tab 0 is the draw trend).
const QList<AnalysisTab> &analysisTabs();

// The analysis child window of tab 0..19, or an empty function.
WindowFactory analysisWindowFactory(int tab);

enum class ToolMenu { Data, Filters, Plans };

// A tool window's button on the main tool bar.
struct ToolBarButton {
    int slot = -1;   // left to right among the tool windows' buttons; -1 for none
    QString name;    // "tlbala"
    QString caption; // "总体过滤", also its hint
    QString icon;    // ":/icons/<icon>.png"
};

// One tool window: the menu item that opens it and how it lives.
struct ToolWindowEntry {
    ToolMenu menu;
    QString menuName;  // "mnutotalfilt"
    QString caption;   // "总体号码过滤(&T)"
    QString className; // "Tfrmtotalfilt"
    WindowFactory factory;
    // A modal window is created for each use with the lottery closed (it writes the
    // database); the others are kept and shown again, and need an open lottery.
    bool modal = false;
    ToolBarButton button;
};

// Every tool window, in menu order.
const QList<ToolWindowEntry> &toolWindowEntries();

// The entry of a class ("Tfrmgudingjihua", …), or null.
const ToolWindowEntry *toolWindowEntry(const QString &className);

// The factory of a tool window by class name, or an empty function.
WindowFactory toolWindowFactory(const QString &className);

} // namespace corvel
