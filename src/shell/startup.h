#pragma once
// Start-up without the splash: folders, default database, data module, main window.

#include <QString>
#include <memory>

namespace corvel {

class Tdatamod;
class Tfrmmain;

struct Shell {
    std::unique_ptr<Tdatamod> datamod;
    std::unique_ptr<Tfrmmain> mainWindow;
    QString startupError; // a database that could not be created; the program still runs
};

// Sets AppDir from `programDir`, creates the default database when it is missing and
// builds the data module and the main window (not yet shown).
Shell startShell(const QString &programDir);

} // namespace corvel
