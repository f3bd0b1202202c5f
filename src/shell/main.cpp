#include "shell/startup.h"
#include "shell/u_about.h"
#include "shell/u_flash.h"
#include "shell/u_main.h"
#include "store/u_datamod.h"
#include "ui/dialogs.h"
#include "ui/translations.h"

#include <QApplication>
#include <QThread>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvel"));
    QApplication::setOrganizationName(QStringLiteral("Corvel"));
    QApplication::setWindowIcon(corvel::programIcon());
    // Desktops match the windows to the installed desktop entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvel.Corvel"));
    corvel::ui::installChineseTranslations();
    corvel::Shell shell = corvel::startShell(QApplication::applicationDirPath());
    {
        corvel::Tfrmflash splash;
        splash.show();
        splash.repaint();
        QThread::msleep(100);
        splash.exec();
    }
    shell.mainWindow->showAtStart();
    if (!shell.startupError.isEmpty())
        corvel::ui::showError(shell.mainWindow.get(), shell.startupError);
    else
        shell.mainWindow->reopenLastLottery();
    return app.exec();
}
