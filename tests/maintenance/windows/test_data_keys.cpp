// The data window by keyboard: Tab leaves the grid, the buttons have access keys and
// Escape closes the window except while an addition is under way.

#include "maintenance/windows/u_data.h"
#include "store/appdir.h"
#include "testsupport.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace corvel {
namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

struct KeyedDataWindow {
    test::TempAppDir dir;
    test::MessageLog log;
    std::unique_ptr<Tfrmdata> window;

    KeyedDataWindow() {
        dir.createDatabase({{u("中国福彩3D"), test::makeDraws(40, 2)}});
        window = std::make_unique<Tfrmdata>();
        window->show();
        window->lstcaipiao->setCurrentRow(0);
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
    }
};

TEST(DataWindowKeys, TabLeavesTheGridAndTheButtonsHaveAccessKeys) {
    KeyedDataWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    w.window->grdcaipiao->setFocus();
    ASSERT_TRUE(w.window->grdcaipiao->hasFocus());
    const QModelIndex before = w.window->grdcaipiao->currentIndex();
    QTest::keyClick(w.window->grdcaipiao, Qt::Key_Tab);
    EXPECT_FALSE(w.window->grdcaipiao->hasFocus());
    EXPECT_EQ(w.window->grdcaipiao->currentIndex(), before); // the grid's cell did not move
}

TEST(DataWindowKeys, AccessKeysPressTheirButtons) {
    KeyedDataWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    int saveAsked = 0, openAsked = 0;
    ui::dialogHooks().saveFile = [&](const QString &, const QString &) {
        ++saveAsked;
        return QString(); // cancelled
    };
    ui::dialogHooks().openFile = [&](const QString &, const QString &) {
        ++openAsked;
        return QString();
    };

    // A button's access key presses it the way a click does (shown briefly pressed first).
    auto press = [&](Qt::Key key, const std::function<bool()> &done, int waitMs = 2000) {
        QTest::keyClick(w.window.get(), key, Qt::AltModifier);
        return QTest::qWaitFor(done, waitMs);
    };
    EXPECT_TRUE(press(Qt::Key_S, [&] { return saveAsked == 1; }));      // 保存开奖
    EXPECT_TRUE(press(Qt::Key_I, [&] { return openAsked == 1; }));      // 导入开奖
    EXPECT_TRUE(press(Qt::Key_A, [&] { return w.window->editing(); })); // 开始添加
    // 关闭 is off while adding: its access key does nothing.
    EXPECT_FALSE(press(
        Qt::Key_C, [&] { return !w.window->isVisible(); }, 400));
    EXPECT_TRUE(press(Qt::Key_A, [&] { return !w.window->editing(); }));   // 完成添加
    EXPECT_TRUE(press(Qt::Key_C, [&] { return !w.window->isVisible(); })); // 关闭
    EXPECT_EQ(saveAsked + openAsked, 2);
    EXPECT_TRUE(w.log.messages.empty()) << w.log.lastText().toStdString();
}

TEST(DataWindowKeys, EscapeClosesButNotWhileAddingDraws) {
    KeyedDataWindow w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    w.window->btnedit->click(); // 开始添加: 关闭 is off
    ASSERT_FALSE(w.window->btnext->isEnabled());
    QTest::keyClick(w.window.get(), Qt::Key_Escape);
    EXPECT_TRUE(w.window->isVisible());
    w.window->btnedit->click(); // 完成添加
    ASSERT_TRUE(w.window->btnext->isEnabled());
    QTest::keyClick(w.window.get(), Qt::Key_Escape);
    EXPECT_FALSE(w.window->isVisible());
}

} // namespace
} // namespace corvel
