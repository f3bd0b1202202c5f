// Export, copy and print preview reach every window: every grid of every registered window
// carries "复制" and "导出CSV…", every chart "导出图片…", and 文件 ▸ 打印预览 previews the
// printout of the tool window in use.

#include "core/u_public.h"
#include "shell/u_main.h"
#include "shell/windowregistry.h"
#include "shellfixture.h"
#include "testsupport.h"
#include "ui/barchart.h"
#include "ui/printing.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

class ExportEverywhereTest : public test::ShellFixture {
protected:
    void SetUp() override {
        dir.createDatabase({{u("中国福彩3D"), test::makeDraws(40)}});
        startShell();
    }
};

QStringList actionNames(const QWidget *w) {
    QStringList names;
    for (const QAction *a : w->actions()) names << a->objectName();
    return names;
}

// The grids of `window` that lack a grid command and the charts that lack the image export,
// named "window/grid"; counts what it checked.
QStringList missingCommands(const QString &name, const QWidget *window, int &grids, int &charts) {
    QStringList missing;
    for (const QTableView *grid : window->findChildren<QTableView *>()) {
        ++grids;
        const QStringList names = actionNames(grid);
        if (!names.contains(QStringLiteral("mnugridcopy")) || !names.contains(QStringLiteral("mnugridcsv")) ||
            grid->contextMenuPolicy() != Qt::CustomContextMenu)
            missing << name + QLatin1Char('/') + grid->objectName();
    }
    for (const ui::BarChart *chart : window->findChildren<ui::BarChart *>()) {
        ++charts;
        if (!actionNames(chart).contains(QStringLiteral("mnuchartimage")) ||
            chart->contextMenuPolicy() != Qt::ActionsContextMenu)
            missing << name + QLatin1Char('/') + chart->objectName();
    }
    return missing;
}

} // namespace

// Every window of the registry: the twenty analysis tabs and every tool window.
TEST_F(ExportEverywhereTest, EveryGridAndChartOfEveryWindowCarriesItsExport) {
    ASSERT_TRUE(open(u("中国福彩3D")));
    test::MessageLog log;
    QStringList missing;
    int grids = 0, charts = 0;
    for (int tab = 0; tab < analysisTabs().size(); ++tab) {
        main->showAnalysisTab(tab);
        QWidget *window = main->activeAnalysisWindow();
        ASSERT_NE(window, nullptr) << tab;
        const int before = grids;
        missing << missingCommands(analysisTabs()[tab].caption(), window, grids, charts);
        EXPECT_GT(grids, before) << analysisTabs()[tab].caption().toStdString() << " has no grid";
    }
    for (const ToolWindowEntry &entry : toolWindowEntries()) {
        std::unique_ptr<QWidget> own;
        QWidget *window = nullptr;
        if (entry.modal) {
            own.reset(entry.factory(main.get()));
            window = own.get();
        } else {
            window = main->ensureToolWindow(entry.className);
        }
        ASSERT_NE(window, nullptr) << entry.className.toStdString();
        missing << missingCommands(entry.className, window, grids, charts);
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QStringLiteral(", ")).toStdString();
    EXPECT_GT(grids, 60);
    EXPECT_GT(charts, 30);
}

// 文件 ▸ 打印预览: off while no shown tool window can print; then the preview of the tool
// window used last, with the pages its "打印" prints.
TEST_F(ExportEverywhereTest, PrintPreviewOfTheFileMenuPreviewsTheToolWindowInUse) {
    QAction *preview = main->command(QStringLiteral("mnuprintpreview"));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->text(), u("打印预览(&V)"));
    auto *file = qobject_cast<QMenu *>(main->command(QStringLiteral("mnuopen"))->associatedObjects().value(0));
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->actions().contains(preview));
    emit file->aboutToShow();
    EXPECT_FALSE(preview->isEnabled());

    ASSERT_TRUE(open(u("中国福彩3D")));
    test::MessageLog log;
    QWidget *plan = main->showToolWindow(QStringLiteral("Tfrmgudingjihua"));
    ASSERT_NE(plan, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(plan));
    plan->findChild<QAbstractButton *>(QStringLiteral("btnala"))->click();
    emit file->aboutToShow();
    EXPECT_TRUE(preview->isEnabled());

    int pages = -1;
    QString title;
    ui::printHooks().preview = [&](QPrintPreviewDialog &dialog) {
        pages = dialog.findChild<QPrintPreviewWidget *>()->pageCount();
        title = dialog.windowTitle();
        return false;
    };
    preview->trigger();
    EXPECT_EQ(title, u("打印预览"));
    EXPECT_EQ(pages, 4); // the plan's four pages, as its "打印" prints them

    // A hidden tool window is not previewed.
    plan->findChild<QAbstractButton *>(QStringLiteral("btnclose"))->click();
    emit file->aboutToShow();
    EXPECT_FALSE(preview->isEnabled());

    // A print button that is a menu (what to print) opens that menu.
    QWidget *tozi = main->showToolWindow(QStringLiteral("Tfrmtozi"));
    ASSERT_NE(tozi, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tozi));
    emit file->aboutToShow();
    ASSERT_TRUE(preview->isEnabled());
    QStringList offered;
    QTimer::singleShot(0, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *a : menu->actions()) offered << a->text();
            menu->close();
        }
    });
    preview->trigger();
    EXPECT_EQ(offered, (QStringList{u("打印号码(&C)"), u("打印设置(&S)")}));
}
