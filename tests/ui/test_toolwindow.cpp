// The shared shape of the tool dialogs and the busy cursor of long commands.

#include "ui/buttons.h"
#include "ui/toolwindow.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace corvel;

TEST(ToolDialog, IsModelessOnTopWithTheWindowButtons) {
    QDialog dialog;
    ui::makeToolDialog(&dialog, QStringLiteral("frmtest"), QStringLiteral("测试窗口"));
    EXPECT_EQ(dialog.objectName(), QStringLiteral("frmtest"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("测试窗口"));
    EXPECT_FALSE(dialog.isModal());
    EXPECT_TRUE(dialog.isSizeGripEnabled());
    const Qt::WindowFlags flags = dialog.windowFlags();
    for (Qt::WindowType flag : {Qt::WindowStaysOnTopHint, Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                Qt::WindowMaximizeButtonHint})
        EXPECT_TRUE(flags.testFlag(flag)) << flag;
    EXPECT_EQ(dialog.windowType(), Qt::Dialog);
}

TEST(ToolWindow, StaysOnTopWithItsTitleButtons) {
    QWidget small, large;
    ui::makeToolWindow(&small, QStringLiteral("frmsmall"), QStringLiteral("小窗口"), ui::TitleButtons::Minimize);
    ui::makeToolWindow(&large, QStringLiteral("frmlarge"), QStringLiteral("大窗口"),
                       ui::TitleButtons::MinimizeMaximize);
    EXPECT_EQ(small.objectName(), QStringLiteral("frmsmall"));
    EXPECT_EQ(large.windowTitle(), QStringLiteral("大窗口"));
    for (const QWidget *w : {&small, &large}) {
        EXPECT_EQ(w->windowType(), Qt::Window);
        EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    }
    EXPECT_FALSE(small.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(large.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

// In a dialog Enter in an edit box presses the default button, never the command button
// that last had the focus.
TEST(ToolDialog, CommandButtonsAreNeverAutoDefault) {
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *edit = new QLineEdit(&dialog);
    QPushButton *search = ui::commandButton(&dialog, QStringLiteral("btnser"), QStringLiteral("搜索"));
    QPushButton *close = ui::commandButton(&dialog, QStringLiteral("btnclose"), QStringLiteral("关闭"));
    for (QWidget *w : {static_cast<QWidget *>(edit), static_cast<QWidget *>(search), static_cast<QWidget *>(close)})
        layout->addWidget(w);
    EXPECT_EQ(close->objectName(), QStringLiteral("btnclose"));
    EXPECT_EQ(close->text(), QStringLiteral("关闭"));
    EXPECT_FALSE(search->autoDefault());
    EXPECT_FALSE(close->autoDefault());
    search->setDefault(true);
    int searches = 0, closes = 0;
    QObject::connect(search, &QPushButton::clicked, &dialog, [&] { ++searches; });
    QObject::connect(close, &QPushButton::clicked, &dialog, [&] { ++closes; });
    dialog.show();
    close->setFocus();
    edit->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    EXPECT_EQ(searches, 1);
    EXPECT_EQ(closes, 0);
}

TEST(BusyCursor, ShowsTheWaitCursorUntilTheCommandEnds) {
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        const ui::BusyCursor busy;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    try {
        const ui::BusyCursor busy;
        throw std::runtime_error("stopped");
    } catch (const std::runtime_error &) {
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
