#pragma once
// Start-up without the splash: folders, default database, data module, main window.

#include <QString>
#include <QStringList>
#include <memory>

namespace corvel {

class Tdatamod;
class Tfrmmain;

struct Shell {
    std::unique_ptr<Tdatamod> datamod;
    std::unique_ptr<Tfrmmain> mainWindow;
    // What the user is told at start-up: a database that could not be created or opened, or
    // the leftover of an interrupted restore. The program still runs.
    QString startupError;
};

// Sets AppDir from `programDir`, keeps what an interrupted restore left, creates the
// default database when it is missing, opens it (rolling back a crashed write) and builds the data module and the main
// window (not yet shown).
Shell startShell(const QString &programDir);

// The lotteries to try, in order, when the program reopens the lottery of its last run:
// `remembered` when the database still has it, then the database's first lottery as the
// default. None when no lottery was open at the end of the last run.
QStringList lotteriesToReopen(const QString &remembered, const QStringList &lotteries);

} // namespace corvel
