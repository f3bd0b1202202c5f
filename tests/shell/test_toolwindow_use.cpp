// Tool windows as a player uses them side by side: messages and file dialogs in front of
// the windows that stay on top, Enter on the default button, the standard dialogs in
// Chinese, sizes at which nothing is cut, and grids sorted by their headings.

#include "core/u_public.h"
#include "shell/u_main.h"
#include "shell/windowregistry.h"
#include "shellfixture.h"
#include "testsupport.h"
#include "ui/dialogs.h"
#include "ui/shortcuts.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// What a modal dialog looked like when it came up.
struct SeenDialog {
    QString className;
    QString parentClass; // class of the window it belongs to
    bool onTop = false;
    bool modal = false;
    bool visible = false;
    QStringList buttons; // texts of its push buttons
};

// Closes every modal dialog that comes up while it lives, after noting how it looked.
class DialogWatcher {
public:
    DialogWatcher() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }
    std::vector<SeenDialog> seen;

private:
    void look() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        SeenDialog d;
        d.className = QString::fromLatin1(modal->metaObject()->className());
        d.parentClass =
            modal->parentWidget() ? QString::fromLatin1(modal->parentWidget()->metaObject()->className()) : QString();
        d.onTop = modal->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        d.modal = modal->isModal();
        d.visible = modal->isVisible();
        for (const QPushButton *b : modal->findChildren<QPushButton *>())
            if (b->isVisible()) d.buttons << b->text();
        seen.push_back(d);
        if (auto *dialog = qobject_cast<QDialog *>(modal)) dialog->reject();
    }
    QTimer timer_;
};

class ToolWindowUseTest : public test::ShellFixture {
protected:
    void SetUp() override {
        dir.createDatabase({{u("中国福彩3D"), test::makeDraws(60)}});
        startShell();
        ASSERT_TRUE(open(u("中国福彩3D")));
    }
};

} // namespace

// The player's evening: 偏态搜索 open (it stays on top), then 回补搜索 tells its first result
// and a file is opened from a third window; nothing opens behind the windows on top.
TEST_F(ToolWindowUseTest, MessagesAndFileDialogsOpenInFrontOfOnTopWindows) {
    QWidget *piantai = nullptr;
    {
        test::MessageLog log;
        piantai = main->showToolWindow(QStringLiteral("Tfrmpiantai"));
    }
    ASSERT_NE(piantai, nullptr);
    ASSERT_TRUE(piantai->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    {
        DialogWatcher watcher;
        QWidget *yilou = main->showToolWindow(QStringLiteral("Tfrmyilou"));
        ASSERT_NE(yilou, nullptr);
        ASSERT_EQ(watcher.seen.size(), 1u);
        const SeenDialog &box = watcher.seen.front();
        EXPECT_EQ(box.className, QStringLiteral("QMessageBox"));
        EXPECT_EQ(box.parentClass, QStringLiteral("corvel::Tfrmyilou"));
        EXPECT_TRUE(box.onTop);
        EXPECT_TRUE(box.modal);
        EXPECT_TRUE(box.visible);
    }
    ASSERT_TRUE(piantai->isVisible());
    {
        QWidget *cold = main->showToolWindow(QStringLiteral("Tfrmsujifilt"));
        ASSERT_NE(cold, nullptr);
        auto *load = cold->findChild<QAbstractButton *>(QStringLiteral("btnload"));
        ASSERT_NE(load, nullptr);
        DialogWatcher watcher;
        load->click();
        ASSERT_EQ(watcher.seen.size(), 1u);
        const SeenDialog &dialog = watcher.seen.front();
        EXPECT_EQ(dialog.className, QStringLiteral("QFileDialog"));
        EXPECT_EQ(dialog.parentClass, QStringLiteral("corvel::Tfrmsujifilt"));
        EXPECT_TRUE(dialog.onTop);
        EXPECT_TRUE(dialog.modal);
    }
    // A question asked for a widget deep inside a window belongs to that window.
    DialogWatcher watcher;
    EXPECT_FALSE(ui::askYesNo(piantai->findChild<QAbstractButton *>(QStringLiteral("btnser")), u("继续？")));
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen.front().parentClass, QStringLiteral("corvel::Tfrmpiantai"));
    EXPECT_TRUE(watcher.seen.front().onTop);
}

// Under the C locale the file dialogs still speak Chinese: the program's own dialog with
// the translated buttons, not the system's.
TEST_F(ToolWindowUseTest, FileDialogsSpeakChineseUnderTheCLocale) {
    const QByteArray lang = qgetenv("LANG"), all = qgetenv("LC_ALL");
    const QLocale before;
    qputenv("LANG", "C");
    qputenv("LC_ALL", "C");
    QLocale::setDefault(QLocale::c());
    std::vector<SeenDialog> seen;
    {
        DialogWatcher watcher;
        EXPECT_TRUE(ui::getOpenFileName(main.get(), dir.path()).isEmpty());
        EXPECT_TRUE(ui::getSaveFileName(main.get(), dir.path() + QStringLiteral("a.txt")).isEmpty());
        seen = watcher.seen;
    }
    QLocale::setDefault(before);
    qputenv("LANG", lang);
    qputenv("LC_ALL", all);
    ASSERT_EQ(seen.size(), 2u);
    const auto hasButton = [](const SeenDialog &d, const QString &text) {
        return std::any_of(d.buttons.begin(), d.buttons.end(), [&](const QString &b) { return b.startsWith(text); });
    };
    EXPECT_TRUE(hasButton(seen[0], u("打开"))) << seen[0].buttons.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(hasButton(seen[0], u("取消"))) << seen[0].buttons.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(hasButton(seen[1], u("保存"))) << seen[1].buttons.join(QLatin1Char('|')).toStdString();
    for (const SeenDialog &d : seen) EXPECT_FALSE(hasButton(d, QStringLiteral("Cancel")));
}

// Every tool window with a default button: Enter in one of its edit boxes presses it.
TEST_F(ToolWindowUseTest, EnterInAnEditBoxPressesTheDefaultButton) {
    test::MessageLog log;
    DialogWatcher fileDialogs; // a default "载入" asks for a file
    int windows = 0;
    for (const ToolWindowEntry &entry : toolWindowEntries()) {
        if (entry.modal) continue;
        const std::string name = entry.className.toStdString();
        QWidget *w = main->showToolWindow(entry.className);
        ASSERT_NE(w, nullptr) << name;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w)) << name;
        QPushButton *button = ui::defaultButton(w);
        if (!button) {
            w->close();
            continue;
        }
        // An edit box the player types into: a line edit of its own, of a spin box or of
        // an editable combo box.
        QLineEdit *edit = nullptr;
        for (QLineEdit *e : w->findChildren<QLineEdit *>())
            if (e->isVisible() && e->isEnabled() && !e->isReadOnly()) {
                edit = e;
                break;
            }
        ASSERT_NE(edit, nullptr) << name << " has no edit box";
        ++windows;
        int presses = 0;
        const QMetaObject::Connection counted =
            QObject::connect(button, &QPushButton::clicked, w, [&presses] { ++presses; });
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::qWait(20);
        EXPECT_EQ(presses, 1) << name;
        QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::qWait(20);
        EXPECT_EQ(presses, 2) << name;
        QObject::disconnect(counted);
        // Let a run the key started end before the window closes.
        EXPECT_TRUE(QTest::qWaitFor([w] {
            auto *close = w->findChild<QAbstractButton *>(QStringLiteral("btnclose"));
            return !close || close->isEnabled();
        })) << name;
        w->close();
    }
    EXPECT_GE(windows, 8);
}
