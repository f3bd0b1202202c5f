#pragma once
// The main window on a database of the test's own: SetUp makes the database, then calls
// startShell(); lotteries open through 打开彩票 as a user opens them.

#include "core/u_public.h"
#include "shell/u_main.h"
#include "store/u_datamod.h"
#include "testsupport.h"

#include <gtest/gtest.h>
#include <memory>

namespace corvel::test {

class ShellFixture : public ::testing::Test {
protected:
    void startShell() {
        datamod = std::make_unique<Tdatamod>();
        main = std::make_unique<Tfrmmain>();
        main->show();
        CloseLotteryState();
    }
    void TearDown() override {
        main.reset();
        datamod.reset();
        CloseLotteryState();
    }
    bool open(const QString &name, int window = -1) { return openThroughCatalogue(*main, name, window); }

    TempAppDir dir;
    std::unique_ptr<Tdatamod> datamod;
    std::unique_ptr<Tfrmmain> main;
};

} // namespace corvel::test
