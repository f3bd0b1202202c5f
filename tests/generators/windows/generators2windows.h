#pragma once
// Fixture of the window tests: a temporary program folder and home (so the desktop and
// its batch folders are temporary too), a random draw history as the open lottery's,
// and the dialogs answered.

#include "core/u_public.h"
#include "generators/windows/listtools.h"
#include "randomhistory.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace corvel::test {

class GeneratorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldHome = qgetenv("HOME");
        oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        DrawHistory = randomHistory(300, 21);
        DrawCount = static_cast<int32_t>(DrawHistory.size());
        ui::dialogHooks().saveFile = [this](const QString &, const QString &initial) {
            savedFrom = initial;
            return saveAs;
        };
        ui::dialogHooks().openFiles = [this](const QString &caption, const QString &initial) {
            openCaption = caption;
            openedFrom = initial;
            return toOpen;
        };
    }
    void TearDown() override {
        qputenv("HOME", oldHome);
        if (oldConfig.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", oldConfig);
        DrawHistory.clear();
        DrawCount = 0;
    }

    QString write(const QString &name, const QByteArray &text) {
        QFile f(home.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }
    QByteArray read(const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static bool waitIdle(ui::WorkRunner *runner, int ms = 30000) {
        return QTest::qWaitFor([runner] { return !runner->busy(); }, ms);
    }

    TempAppDir app;
    QTemporaryDir home;
    MessageLog log;
    QByteArray oldHome, oldConfig;
    QString saveAs, savedFrom, openCaption, openedFrom;
    QStringList toOpen;
};

} // namespace corvel::test
