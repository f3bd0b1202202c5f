#include "shell/startup.h"

#include "core/usererror.h"
#include "shell/u_main.h"
#include "store/appdir.h"
#include "store/catalogue.h"
#include "store/u_datamod.h"

namespace corvel {

Shell startShell(const QString &programDir) {
    Shell shell;
    initAppDir(programDir);
    try {
        ensureDefaultDatabase(databasePath());
    } catch (const UserError &e) {
        shell.startupError = QString::fromStdString(e.what());
    }
    shell.datamod = std::make_unique<Tdatamod>();
    shell.mainWindow = std::make_unique<Tfrmmain>();
    return shell;
}

} // namespace corvel
