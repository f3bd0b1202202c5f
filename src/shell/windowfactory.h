#pragma once
// Which window belongs to which tab and command. A window that is not built yet has no
// factory, and its commands stay disabled.

#include <QString>
#include <functional>

class QWidget;

namespace corvel {

using WindowFactory = std::function<QWidget *(QWidget *parent)>;

// The analysis child window of tab 0..19, or an empty function.
WindowFactory analysisWindowFactory(int tab);

// Tool and modal windows by class name ("Tfrmgudingjihua", "Tfrmdata", …), or an empty function.
WindowFactory toolWindowFactory(const QString &className);

} // namespace corvel
