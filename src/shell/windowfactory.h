#pragma once
// Which window belongs to which tab and command. A window that is not built yet has no
// factory, and its commands stay disabled.

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
    WindowFactory factory;       // empty while the window is not built

    // The tab caption: the menu caption without its access key ("号码大小分析").
    QString caption() const;
};

// The twenty analysis tabs in tab order (tab 0 is the draw trend).
const QList<AnalysisTab> &analysisTabs();

// The analysis child window of tab 0..19, or an empty function.
WindowFactory analysisWindowFactory(int tab);

// Tool and modal windows by class name ("Tfrmgudingjihua", "Tfrmdata", …), or an empty function.
WindowFactory toolWindowFactory(const QString &className);

} // namespace corvel
