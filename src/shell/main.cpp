#include "shell/startup.h"
#include "shell/u_flash.h"
#include "shell/u_main.h"
#include "store/u_datamod.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QScreen>
#include <QThread>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvel"));
    QApplication::setOrganizationName(QStringLiteral("Corvel"));
    corvel::Shell shell = corvel::startShell(QApplication::applicationDirPath());
    {
        corvel::Tfrmflash splash;
        splash.show();
        splash.repaint();
        QThread::msleep(100);
        splash.exec();
    }
    // Without a window manager a maximise request does nothing: fill the screen first.
    if (QScreen *screen = QGuiApplication::primaryScreen()) shell.mainWindow->setGeometry(screen->availableGeometry());
    shell.mainWindow->showMaximized();
    if (!shell.startupError.isEmpty()) corvel::ui::showError(shell.mainWindow.get(), shell.startupError);
    return app.exec();
}
