// Test entry: a QApplication on the offscreen platform for every test executable, and one
// message handler that turns every Qt warning during a test into a test failure.

#include "testsupport.h"

#include "ui/translations.h"

#include <QApplication>
#include <QByteArray>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace {

QtMessageHandler defaultHandler = nullptr;

// Warnings that say nothing about the program. Each needs a reason here.
bool harmless(const QString &message) {
    // The offscreen platform has no window manager: it says so when a window is raised or
    // passes its size hints ("This plugin does not support raise()", ...).
    if (message.startsWith(QStringLiteral("This plugin does not support "))) return true;
    return false;
}

void failOnWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    defaultHandler(type, context, message);
    if (type == QtDebugMsg || type == QtInfoMsg || harmless(message)) return;
    if (type == QtWarningMsg && corvel::test::ExpectedWarning::consume(message)) return;
    if (!::testing::UnitTest::GetInstance()->current_test_info()) return;
    ADD_FAILURE() << "Qt " << (type == QtWarningMsg ? "warning" : "error") << ": " << message.toStdString();
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvel"));
    // Settings written by tests never reach the user's own Corvel settings: they live in a
    // folder of their own that ends with the run.
    QApplication::setOrganizationName(QStringLiteral("CorvelTests"));
    const QTemporaryDir settingsDir;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    corvel::ui::installChineseTranslations();
    ::testing::InitGoogleTest(&argc, argv);
    defaultHandler = qInstallMessageHandler(failOnWarnings);
    return RUN_ALL_TESTS();
}
