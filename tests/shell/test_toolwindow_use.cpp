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
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
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

namespace {

// The controls of a window a player reads or presses (their inner parts excluded).
QList<QWidget *> controlsOf(QWidget *window) {
    QList<QWidget *> controls;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window)) continue;
        const bool control = qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w) ||
                             qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
                             qobject_cast<QTableView *>(w) || qobject_cast<QLabel *>(w);
        if (!control) continue;
        // Parts of a compound control (a combo box's edit, a table's corner button).
        QWidget *parent = w->parentWidget();
        if (qobject_cast<QComboBox *>(parent) || qobject_cast<QAbstractSpinBox *>(parent) ||
            qobject_cast<QAbstractScrollArea *>(parent) ||
            (parent && qobject_cast<QAbstractScrollArea *>(parent->parentWidget())))
            continue;
        controls << w;
    }
    return controls;
}

} // namespace

// Every tool window shrunk as far as it goes: every control lies whole inside the window,
// none narrower or lower than it needs; grown again, its grids take the room.
TEST_F(ToolWindowUseTest, ShrunkWindowsCutNothingAndTheirGridsStretch) {
    test::MessageLog log;
    for (const ToolWindowEntry &entry : toolWindowEntries()) {
        if (entry.modal) continue;
        const std::string name = entry.className.toStdString();
        QWidget *w = main->showToolWindow(entry.className);
        ASSERT_NE(w, nullptr) << name;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w)) << name;
        w->resize(1, 1);
        QApplication::processEvents();
        const QSize least = w->size();
        EXPECT_EQ(least, w->minimumSize()) << name;
        for (QWidget *c : controlsOf(w)) {
            const std::string control = name + " " + c->objectName().toStdString() + " (" +
                                        c->metaObject()->className() + " " +
                                        c->property("text").toString().toStdString() + ")";
            const QRect inWindow(c->mapTo(w, QPoint(0, 0)), c->size());
            EXPECT_TRUE(w->rect().contains(inWindow)) << control;
            // What a layout grants a control at least (a fixed size where it has one).
            const QSize need =
                c->minimumSize().isNull() ? c->minimumSizeHint().boundedTo(c->maximumSize()) : c->minimumSize();
            if (need.isValid()) {
                EXPECT_GE(c->width(), need.width()) << control;
                EXPECT_GE(c->height(), need.height()) << control;
            }
        }
        QList<QPair<QTableView *, QSize>> grids;
        for (QTableView *grid : w->findChildren<QTableView *>())
            if (grid->isVisibleTo(w)) grids.append({grid, grid->size()});
        w->resize(least + QSize(200, 200));
        QApplication::processEvents();
        for (const auto &[grid, before] : grids) {
            const std::string control = name + " " + grid->objectName().toStdString();
            EXPECT_GT(grid->width(), before.width()) << control;
            EXPECT_GT(grid->height(), before.height()) << control;
        }
        w->close();
    }
}

// Players sort the 偏态 table by 目前遗漏 first: numbers by value, the third click gives
// the search's order back. Every grid of every tool window answers its headings.
TEST_F(ToolWindowUseTest, GridsSortByTheirHeadings) {
    test::MessageLog log;
    QWidget *w = main->showToolWindow(QStringLiteral("Tfrmpiantai"));
    ASSERT_NE(w, nullptr);
    auto *grid = w->findChild<QTableView *>(QStringLiteral("grdpiantai"));
    ASSERT_NE(grid, nullptr);
    auto *onlyAbove = w->findChild<QAbstractButton *>(QStringLiteral("chkpiantai"));
    onlyAbove->setChecked(false); // every item, so the column has many values
    w->findChild<QAbstractButton *>(QStringLiteral("btnser"))->click();
    QAbstractItemModel *model = grid->model();
    ASSERT_GT(model->rowCount(), 5);
    const auto columnOf = [model](int c) {
        QStringList cells;
        for (int r = 0; r < model->rowCount(); ++r) cells << model->index(r, c).data().toString();
        return cells;
    };
    const QStringList searched = columnOf(2);
    QHeaderView *header = grid->horizontalHeader();
    const auto click = [header](int section) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
    };
    click(2);
    QStringList ascending = columnOf(2);
    for (int r = 1; r < ascending.size(); ++r) EXPECT_LE(ascending[r - 1].toInt(), ascending[r].toInt()) << r;
    click(2);
    const QStringList descending = columnOf(2);
    EXPECT_GE(descending.first().toInt(), descending.last().toInt());
    EXPECT_NE(descending.first(), ascending.first());
    click(2);
    EXPECT_EQ(columnOf(2), searched);
    w->close();

    for (const ToolWindowEntry &entry : toolWindowEntries()) {
        if (entry.modal) continue;
        QWidget *tool = main->showToolWindow(entry.className);
        for (QTableView *view : tool->findChildren<QTableView *>()) {
            EXPECT_TRUE(view->horizontalHeader()->sectionsClickable())
                << entry.className.toStdString() << " " << view->objectName().toStdString();
            EXPECT_TRUE(view->horizontalHeader()->inherits("corvel::ui::GridHeader"))
                << entry.className.toStdString() << " " << view->objectName().toStdString();
        }
        tool->close();
    }
}
