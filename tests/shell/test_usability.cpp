// What a user meets first: Chinese standard texts, message boxes and pictures that fit,
// the keyboard (shortcuts, access keys, Escape) and windows that open where they can be
// reached and where they were left.

#include "core/u_public.h"
#include "shell/u_about.h"
#include "shell/u_main.h"
#include "shell/windowregistry.h"
#include "shellfixture.h"
#include "store/appdir.h"
#include "store/u_datamod.h"
#include "testsupport.h"
#include "ui/dialogs.h"
#include "ui/textfit.h"
#include "ui/translations.h"
#include "ui/windowplace.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

class UsabilityTest : public test::ShellFixture {
protected:
    void SetUp() override {
        dir.createDatabase({{u("中国福彩3D"), test::makeDraws(30)}, {u("天津时时彩"), test::makeDraws(25, 7)}});
        startShell();
    }
    // The offscreen platform does not always hand activation on when a window hides.
    static bool activate(QWidget *w) {
        w->activateWindow();
        QApplication::setActiveWindow(w);
        return QTest::qWaitForWindowActive(w) && QApplication::activeWindow() == w;
    }
};

// The kept tool windows (the modal ones close the lottery).
QStringList keptToolWindows() {
    QStringList classes;
    for (const ToolWindowEntry &entry : toolWindowEntries())
        if (!entry.modal) classes << entry.className;
    return classes;
}

} // namespace

TEST(Translations, MessageBoxButtonsSpeakChinese) {
    const bool installed = QFile::exists(ui::translationsPath() + QStringLiteral("/qtbase_zh_CN.qm"));
    ASSERT_TRUE(installed) << "Qt's Chinese translations are missing (scripts/setup.sh installs them)";
    const auto box = ui::makeMessageBox(nullptr, {ui::MessageKind::Information, QString(), u("成功保存！"), QString()});
    ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
    EXPECT_EQ(box->button(QMessageBox::Ok)->text(), u("确定"));
    const auto question =
        ui::makeMessageBox(nullptr, {ui::MessageKind::Question, u("警告"), u("是否确定删除?"), QString()});
    EXPECT_TRUE(question->button(QMessageBox::Yes)->text().startsWith(u("是")));
    EXPECT_TRUE(question->button(QMessageBox::No)->text().startsWith(u("否")));
}

TEST(MessageBoxes, AreAsWideAsTheirTitleNeeds) {
    for (const QString &caption : {u("Corvel"), u("错误"), u("定位跟随胆码及历史排除选号（组选）")}) {
        const auto box = ui::makeMessageBox(nullptr, {ui::MessageKind::Information, caption, u("成功！"), QString()});
        box->show();
        QApplication::processEvents();
        EXPECT_GE(box->width(), ui::titleRoom(caption)) << caption.toStdString();
        EXPECT_GT(ui::titleRoom(caption), QFontMetrics(box->font()).horizontalAdvance(caption));
        box->hide();
    }
}

TEST(AboutBox, ShowsThePictureAtItsNaturalSize) {
    Tfrmabout about;
    about.show();
    QApplication::processEvents();
    const QPixmap picture = about.imgpicture->pixmap();
    ASSERT_FALSE(picture.isNull());
    EXPECT_FALSE(about.imgpicture->hasScaledContents());
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), about.imgpicture->size());
    EXPECT_EQ(about.imgpicture->size(), QSize(Tfrmabout::PictureSize, Tfrmabout::PictureSize));
    // A drawn picture: more than a few colours, and a transparent corner of its rounded tile.
    const QImage image = picture.toImage();
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 8);
}

TEST_F(UsabilityTest, ToolBarCaptionsFitTheirButtons) {
    const auto buttons = main->tlbmain()->findChildren<QToolButton *>();
    int checked = 0;
    for (QToolButton *b : buttons) {
        if (b->toolButtonStyle() != Qt::ToolButtonTextUnderIcon) continue;
        const QSize text = ui::textSize(b->font(), b->text());
        EXPECT_LE(text.width(), b->width()) << b->objectName().toStdString();
        EXPECT_LE(b->iconSize().height() + text.height(), b->height()) << b->objectName().toStdString();
        EXPECT_GE(b->height(), b->sizeHint().height());
        ++checked;
    }
    EXPECT_EQ(checked, 8);
}

TEST_F(UsabilityTest, MenusKeepAccessKeysAndCommonShortcuts) {
    for (QAction *menu : main->menuBar()->actions()) {
        EXPECT_TRUE(menu->text().contains(u("(&"))) << menu->text().toStdString();
        if (menu->text() == u("彩票网站(&W)")) continue; // the web links have none
        for (QAction *item : menu->menu()->actions()) {
            if (item->isSeparator()) continue;
            EXPECT_TRUE(item->text().contains(u("(&"))) << item->text().toStdString();
        }
    }
    EXPECT_EQ(main->command(u("mnuopen"))->shortcut(), QKeySequence(u("Ctrl+O")));
    EXPECT_EQ(main->command(u("mnuclose"))->shortcut(), QKeySequence(u("Ctrl+W")));
    EXPECT_EQ(main->command(u("mnuhelpmanual"))->shortcut(), QKeySequence(Qt::Key_F1));

    ASSERT_TRUE(open(u("中国福彩3D")));
    ASSERT_TRUE(activate(main.get()));
    QTest::keyClick(main.get(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(LotteryOpen);
    // 使用帮助 opens the help file beside the program, which a test folder lacks.
    test::MessageLog log;
    main->command(u("mnuhelpcotent"))->trigger();
    EXPECT_TRUE(log.lastText().contains(u("帮助文件"))) << log.lastText().toStdString();
}

TEST_F(UsabilityTest, AltFOpensTheFileMenuAndItsKeysChooseItems) {
    ASSERT_TRUE(open(u("中国福彩3D")));
    ASSERT_TRUE(activate(main.get()));
    auto openMenu = [] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); };
    QTest::keyClick(main.get(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return openMenu() != nullptr; }, 2000));
    EXPECT_EQ(openMenu()->title(), u("文件(&F)"));
    // Escape closes the menu; nothing was chosen.
    QTest::keyClick(openMenu(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return openMenu() == nullptr; }, 2000));
    EXPECT_TRUE(LotteryOpen);

    // An item's access key in the open menu runs it: 关闭彩票.
    QAction *close = main->command(u("mnuclose"));
    const QChar key = close->text().at(close->text().indexOf(QLatin1Char('&')) + 1);
    QTest::keyClick(main.get(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return openMenu() != nullptr; }, 2000));
    QTest::keyClick(openMenu(), static_cast<Qt::Key>(key.toUpper().unicode()));
    EXPECT_TRUE(QTest::qWaitFor([] { return !LotteryOpen; }, 2000));
    EXPECT_EQ(openMenu(), nullptr);
}

TEST_F(UsabilityTest, EscapeClosesEveryToolWindowButNotWhileItsCloseIsOff) {
    ASSERT_TRUE(open(u("中国福彩3D")));
    test::MessageLog log; // the search windows tell their first result while they are created
    for (const QString &className : keptToolWindows()) {
        const std::string name = className.toStdString();
        QWidget *w = main->showToolWindow(className);
        ASSERT_NE(w, nullptr) << name;
        auto *close = w->findChild<QAbstractButton *>(QStringLiteral("btnclose"));
        ASSERT_NE(close, nullptr) << name;
        // Saving and printing windows answer Ctrl+S and Ctrl+P on their own buttons.
        if (auto *save = w->findChild<QAbstractButton *>(QStringLiteral("btnsave"))) {
            EXPECT_TRUE(save->toolTip().endsWith(u("(Ctrl+S)"))) << name;
        }
        if (auto *print = w->findChild<QAbstractButton *>(QStringLiteral("btnprint"))) {
            EXPECT_TRUE(print->toolTip().endsWith(u("(Ctrl+P)"))) << name;
        }
        ASSERT_TRUE(activate(w)) << name;
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible()) << name;

        main->showToolWindow(className);
        ASSERT_TRUE(activate(w)) << name;
        close->setEnabled(false); // as during a run
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_TRUE(w->isVisible()) << name;
        EXPECT_FALSE(w->close()) << name; // the title bar's close is refused too
        EXPECT_TRUE(w->isVisible()) << name;
        close->setEnabled(true);
        close->click();
        EXPECT_FALSE(w->isVisible()) << name;
    }
}

// Every registered window: the menu item opens the window of its class, laid out with its
// controls inside it, and the window closes again; the tool bar buttons open the same.
TEST_F(UsabilityTest, EveryRegisteredWindowOpensLaysOutAndCloses) {
    ASSERT_TRUE(open(u("中国福彩3D")));
    test::MessageLog log;
    for (const ToolWindowEntry &entry : toolWindowEntries()) {
        const std::string name = entry.className.toStdString();
        QAction *item = main->command(entry.menuName);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->text(), entry.caption);
        EXPECT_TRUE(entry.caption.contains(u("(&"))) << name;
        if (entry.button.slot >= 0) {
            ASSERT_NE(main->command(entry.button.name), nullptr) << name;
            EXPECT_EQ(main->command(entry.button.name)->text(), entry.button.caption);
        }
        if (entry.modal) {
            std::unique_ptr<QWidget> w(entry.factory(main.get()));
            EXPECT_EQ(w->metaObject()->className(), "corvel::" + name);
            EXPECT_NE(qobject_cast<QDialog *>(w.get()), nullptr) << name;
            continue;
        }
        item->trigger();
        QWidget *w = main->toolWindow(entry.className);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->metaObject()->className(), "corvel::" + name);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w)) << name;
        ASSERT_NE(w->layout(), nullptr) << name;
        const QSize least = w->layout()->totalMinimumSize();
        EXPECT_GE(w->width(), least.width()) << name;
        EXPECT_GE(w->height(), least.height()) << name;
        auto *close = w->findChild<QAbstractButton *>(QStringLiteral("btnclose"));
        ASSERT_NE(close, nullptr) << name;
        close->click();
        EXPECT_FALSE(w->isVisible()) << name;
        if (entry.button.slot >= 0) {
            main->command(entry.button.name)->trigger();
            EXPECT_EQ(main->toolWindow(entry.className), w) << name;
            EXPECT_TRUE(w->isVisible()) << name;
            close->click();
        }
    }
}

TEST_F(UsabilityTest, ToolWindowsOpenCentredThenWhereTheyWereLeft) {
    ASSERT_TRUE(open(u("中国福彩3D")));
    // The offscreen screen is small: the main window is centred on it with room to spare.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    main->setGeometry(area.adjusted(0, 20, 0, -20));
    QApplication::processEvents();
    for (const char *name : {"Tfrmtozi", "Tfrmgudingjihua"}) {
        const QString className = QString::fromLatin1(name);
        ui::forgetWindowGeometry(className.mid(1)); // "frmtozi": the object name
        QWidget *w = main->showToolWindow(className);
        ASSERT_NE(w, nullptr);
        QApplication::processEvents();
        const QPoint offset = w->frameGeometry().center() - main->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 4) << name;

        w->move(area.left() + 70, area.top() + 90);
        w->resize(area.width() / 2, area.height() / 2);
        const QRect left = w->geometry();
        w->findChild<QAbstractButton *>(QStringLiteral("btnclose"))->click();
        main->command(QStringLiteral("mnuclose"))->trigger(); // the window is forgotten, its place is not
        ASSERT_TRUE(open(u("中国福彩3D")));
        QWidget *again = main->showToolWindow(className);
        QApplication::processEvents();
        EXPECT_EQ(again->size(), left.size()) << name;
        EXPECT_LE((again->pos() - left.topLeft()).manhattanLength(), 4) << name; // a frame's width at most
    }
}

TEST_F(UsabilityTest, MainWindowComesBackWhereItWasAndKeepsItsTitleBarOnScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    main->showNormal();
    main->setGeometry(QRect(area.left(), area.top() + 20, area.width(), area.height() - 30));
    QApplication::processEvents();
    const QRect left = main->geometry();
    main->close();
    Tfrmmain again;
    again.showAtStart();
    QApplication::processEvents();
    EXPECT_EQ(again.size(), left.size());
    EXPECT_LE((again.pos() - left.topLeft()).manhattanLength(), 4);
    EXPECT_FALSE(again.isMaximized());
    again.close();

    // Back from maximised with a normal size as large as the screen: the title bar stays on it.
    ui::forgetWindowGeometry(QStringLiteral("frmmain"));
    Tfrmmain first;
    first.showAtStart();
    QApplication::processEvents();
    EXPECT_TRUE(first.isMaximized());
    first.showNormal();
    first.setGeometry(area.adjusted(0, -40, 0, 0));
    first.showMaximized();
    first.showNormal();
    QTest::qWait(20);
    EXPECT_GE(first.frameGeometry().top(), area.top());
    EXPECT_LE(first.frameGeometry().bottom(), area.bottom());
    first.close();
}

TEST_F(UsabilityTest, ThreeDigitTableOpensWhateverTheWindowChoice) {
    for (int window : {0, 1, 2}) {
        ASSERT_TRUE(open(u("天津时时彩"), window)) << window;
        EXPECT_EQ(PositionStart, 1);
        ASSERT_EQ(DrawHistory.size(), 25u);
        const QString first = test::makeDraws(1, 7).first().section(QLatin1Char(' '), 1);
        EXPECT_EQ(QString::number(DrawHistory[0][1]) + QString::number(DrawHistory[0][2]) +
                      QString::number(DrawHistory[0][3]),
                  first);
        main->command(QStringLiteral("mnuclose"))->trigger();
    }
}
