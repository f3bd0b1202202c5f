// The program opens again the lottery that was open when it last closed.

#include "core/u_public.h"
#include "shell/startup.h"
#include "shell/u_main.h"
#include "shellfixture.h"
#include "store/appdir.h"
#include "store/catalogue.h"
#include "testsupport.h"

#include <QSettings>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

class ReopenTest : public test::ShellFixture {
protected:
    void SetUp() override {
        QSettings().remove(QStringLiteral("lottery"));
        dir.createDatabase({{u("中国福彩3D"), test::makeDraws(30)}, {u("中国体彩排列3"), test::makeDraws(20, 3)}});
        addLottery(databasePath(), LotteryOptions{u("重庆时时彩"), 1, 10, 3, u("22:00"), u("135")}, 5);
        startShell();
    }
    void TearDown() override {
        test::ShellFixture::TearDown();
        QSettings().remove(QStringLiteral("lottery"));
    }
    // The program ends and starts again on the same database.
    bool restart() {
        main->close();
        main.reset();
        CloseLotteryState();
        main = std::make_unique<Tfrmmain>();
        main->show();
        return main->reopenLastLottery();
    }
};

} // namespace

TEST_F(ReopenTest, TheLotteryOpenAtTheEndIsOpenAfterTheStart) {
    ASSERT_TRUE(open(u("中国体彩排列3")));
    test::MessageLog log;
    ASSERT_TRUE(restart());
    EXPECT_TRUE(LotteryOpen);
    EXPECT_EQ(LotteryName, "中国体彩排列3");
    EXPECT_EQ(DrawCount, 20);
    EXPECT_EQ(DrawHistory.size(), 20u); // the draw trend window is shown, as after 打开彩票
    EXPECT_EQ(main->windowTitle(), u("Corvel《中国体彩排列3》"));
    EXPECT_TRUE(main->command(QStringLiteral("mnutotalfilt"))->isEnabled());
    EXPECT_TRUE(log.messages.empty());

    // Again, without touching anything: the same lottery.
    ASSERT_TRUE(restart());
    EXPECT_EQ(LotteryName, "中国体彩排列3");
}

TEST_F(ReopenTest, AFiveDigitLotteryKeepsItsWindowChoice) {
    ASSERT_TRUE(open(u("重庆时时彩"), 1)); // 中3位
    ASSERT_EQ(PositionStart, 2);
    ASSERT_TRUE(restart());
    EXPECT_EQ(LotteryName, "重庆时时彩");
    EXPECT_EQ(PositionStart, 2);
}

TEST_F(ReopenTest, NothingIsOpenedWhenNoLotteryWasOpenAtTheEnd) {
    ASSERT_TRUE(open(u("中国体彩排列3")));
    main->mnucloseClick();
    EXPECT_FALSE(restart());
    EXPECT_FALSE(LotteryOpen);
    EXPECT_EQ(main->windowTitle(), u("Corvel"));
    // A first start, with nothing remembered at all, opens nothing either.
    QSettings().remove(QStringLiteral("lottery"));
    EXPECT_FALSE(main->reopenLastLottery());
    EXPECT_FALSE(LotteryOpen);
}

TEST_F(ReopenTest, ARemovedLotteryFallsBackToTheFirstWithoutAMessage) {
    ASSERT_TRUE(open(u("中国体彩排列3")));
    main->close();
    deleteLottery(databasePath(), u("中国体彩排列3"));
    test::MessageLog log;
    ASSERT_TRUE(restart());
    EXPECT_EQ(LotteryName, "中国福彩3D");
    EXPECT_EQ(DrawCount, 30);
    EXPECT_TRUE(log.messages.empty());

    // A database without any lottery: the window starts without one, still silently.
    ASSERT_TRUE(open(u("中国福彩3D")));
    main->close();
    deleteLottery(databasePath(), u("中国福彩3D"));
    deleteLottery(databasePath(), u("重庆时时彩"));
    EXPECT_FALSE(restart());
    EXPECT_FALSE(LotteryOpen);
    EXPECT_TRUE(log.messages.empty());
}

TEST(ReopenOrder, TheRememberedLotteryThenTheFirst) {
    const QStringList all{u("中国福彩3D"), u("中国体彩排列3")};
    EXPECT_EQ(lotteriesToReopen(u("中国体彩排列3"), all), QStringList({u("中国体彩排列3"), u("中国福彩3D")}));
    EXPECT_EQ(lotteriesToReopen(u("中国福彩3D"), all), QStringList({u("中国福彩3D")}));
    EXPECT_EQ(lotteriesToReopen(u("已删除"), all), QStringList({u("中国福彩3D")}));
    EXPECT_TRUE(lotteriesToReopen(QString(), all).isEmpty());
    EXPECT_TRUE(lotteriesToReopen(u("中国福彩3D"), {}).isEmpty());
}
