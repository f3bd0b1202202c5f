#include "shell/windowfactory.h"

#include <QMap>

// Windows, one include each.
#include "analysis/u_code.h"
#include "analysis/u_poscode.h"
#include "analysis/u_totalcode.h"
#include "planning/u_tozi.h"

namespace corvel {

namespace {

template <class W> WindowFactory make() {
    return [](QWidget *parent) -> QWidget * { return new W(parent); };
}

const QMap<int, WindowFactory> &analysisWindows() {
    static const QMap<int, WindowFactory> windows{
        // {tab, make<Tfrmcode>()},
        {0, make<Tfrmcode>()},
        {1, make<Tfrmposcode>()},
        {2, make<Tfrmtotalcode>()},
    };
    return windows;
}

const QMap<QString, WindowFactory> &toolWindows() {
    static const QMap<QString, WindowFactory> windows{
        // {"Tfrmgudingjihua", make<Tfrmgudingjihua>()},
        {"Tfrmtozi", make<Tfrmtozi>()},
    };
    return windows;
}

} // namespace

WindowFactory analysisWindowFactory(int tab) { return analysisWindows().value(tab); }
WindowFactory toolWindowFactory(const QString &className) { return toolWindows().value(className); }

} // namespace corvel
