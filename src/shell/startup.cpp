#include "shell/startup.h"

#include "core/usererror.h"
#include "shell/u_main.h"
#include "store/appdir.h"
#include "store/backup.h"
#include "store/catalogue.h"
#include "store/u_datamod.h"

namespace corvel {

Shell startShell(const QString &programDir) {
    Shell shell;
    initAppDir(programDir);
    QStringList said;
    // Before the database is opened or created: what an interrupted restore left is kept.
    const QString leftover = keepInterruptedRestore(databasePath());
    if (!leftover.isEmpty()) said << leftover;
    try {
        ensureDefaultDatabase(databasePath());
        // Opening the file first lets SQLite roll back what a crash left half written.
        recoverDatabase(databasePath());
    } catch (const UserError &e) {
        said << QString::fromStdString(e.what());
    }
    shell.startupError = said.join(QStringLiteral("\n\n"));
    shell.datamod = std::make_unique<Tdatamod>();
    shell.mainWindow = std::make_unique<Tfrmmain>();
    return shell;
}

QStringList lotteriesToReopen(const QString &remembered, const QStringList &lotteries) {
    QStringList order;
    if (remembered.isEmpty()) return order;
    if (lotteries.contains(remembered)) order << remembered;
    if (!lotteries.isEmpty() && lotteries.first() != remembered) order << lotteries.first();
    return order;
}

} // namespace corvel
