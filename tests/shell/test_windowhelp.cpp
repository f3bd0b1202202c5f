// The built-in manual as the windows reach it: every registered window has its page, F1
// opens it, and the tips the shell adds land on controls that exist.

#include "shell/u_main.h"
#include "shell/windowhelp.h"
#include "shell/windowregistry.h"
#include "shellfixture.h"
#include "testsupport.h"
#include "ui/helpviewer.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

QString pageHtml(const QString &page) {
    QFile file(ui::helpPagePath(page));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString plainText(const QString &html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

// A window's page: it exists, is titled with the window's caption and has the four parts
// every page has, each with some text in it.
void expectWindowPage(const QString &page, const QString &caption) {
    const std::string name = page.toStdString();
    ASSERT_TRUE(ui::helpPageExists(page)) << name;
    const QString html = pageHtml(page);
    EXPECT_TRUE(html.contains(QStringLiteral("<title>") + caption)) << name;
    const QStringList parts{QStringLiteral("what"), QStringLiteral("controls"), QStringLiteral("example"),
                            QStringLiteral("limits")};
    for (const QString &part : parts)
        EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(part))) << name << " " << part.toStdString();
    EXPECT_GE(plainText(html).size(), 300) << name;
}

QString captionWithoutKey(const QString &caption) { return caption.section(QStringLiteral("(&"), 0, 0); }

class WindowHelpTest : public test::ShellFixture {
protected:
    void SetUp() override {
        dir.createDatabase({{u("中国福彩3D"), test::makeDraws(40)}});
        startShell();
    }
    static bool activate(QWidget *w) {
        w->activateWindow();
        QApplication::setActiveWindow(w);
        return QTest::qWaitForWindowActive(w) && QApplication::activeWindow() == w;
    }
};

} // namespace

TEST(WindowHelp, EveryRegisteredWindowHasItsPage) {
    for (const ToolWindowEntry &entry : toolWindowEntries())
        expectWindowPage(helpPage(entry), captionWithoutKey(entry.caption));
    // The draw trend and the two group windows have pages of their own; the seventeen
    // indicator tabs share one, with a section each.
    for (int tab = 0; tab < 3; ++tab) expectWindowPage(analysisHelpPage(tab), analysisTabs()[tab].caption());
    const QString indicators = analysisHelpPage(3).section(QLatin1Char('#'), 0, 0);
    expectWindowPage(indicators, u("指标走势分析"));
    for (int tab = 3; tab < analysisTabs().size(); ++tab) {
        const QString page = analysisHelpPage(tab);
        ASSERT_TRUE(page.startsWith(indicators + QLatin1Char('#'))) << tab;
        const QString anchor = page.section(QLatin1Char('#'), 1);
        const QString html = pageHtml(indicators);
        const qsizetype at = html.indexOf(QStringLiteral("id=\"%1\"").arg(anchor));
        ASSERT_GE(at, 0) << anchor.toStdString();
        // The section is headed with the tab's caption.
        EXPECT_TRUE(html.mid(at, 200).contains(analysisTabs()[tab].caption())) << anchor.toStdString();
    }
    EXPECT_TRUE(analysisHelpPage(-1).isEmpty());
    EXPECT_TRUE(analysisHelpPage(analysisTabs().size()).isEmpty());
}

// Each page of a window is listed in the index, so the list of the help window reaches it.
TEST(WindowHelp, TheIndexListsEveryWindowPage) {
    QStringList listed;
    for (const auto &entry : ui::helpContents()) listed << entry.first;
    for (const ToolWindowEntry &entry : toolWindowEntries())
        EXPECT_TRUE(listed.contains(helpPage(entry))) << entry.className.toStdString();
    for (int tab = 0; tab < analysisTabs().size(); ++tab)
        EXPECT_TRUE(listed.contains(analysisHelpPage(tab).section(QLatin1Char('#'), 0, 0))) << tab;
}

TEST_F(WindowHelpTest, ToolTipTablesNameControlsTheWindowsHave) {
    ASSERT_TRUE(open(u("中国福彩3D")));
    test::MessageLog log;
    int tips = 0;
    for (const ToolWindowEntry &entry : toolWindowEntries()) {
        const auto table = toolTipTable(entry.className);
        if (table.isEmpty()) continue;
        std::unique_ptr<QWidget> modal;
        QWidget *w = nullptr;
        if (entry.modal) {
            modal.reset(entry.factory(main.get()));
            installWindowHelp(modal.get(), entry.className, helpPage(entry));
            w = modal.get();
        } else {
            w = main->ensureToolWindow(entry.className);
        }
        ASSERT_NE(w, nullptr);
        for (const auto &[name, tip] : table) {
            const QList<QWidget *> controls = tipControls(w, name);
            EXPECT_FALSE(controls.isEmpty()) << entry.className.toStdString() << " " << name.toStdString();
            for (QWidget *control : controls) EXPECT_TRUE(control->toolTip().startsWith(tip)) << name.toStdString();
            ++tips;
        }
    }
    EXPECT_GE(tips, 20);
}

TEST_F(WindowHelpTest, F1OpensTheWindowsPageAndTheMainWindowsIndex) {
    ASSERT_TRUE(activate(main.get()));
    QTest::keyClick(main.get(), Qt::Key_F1);
    ui::HelpViewer *viewer = ui::helpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->currentPage(), ui::HelpIndexPage);
    viewer->close();

    ASSERT_TRUE(open(u("中国福彩3D")));
    test::MessageLog log;
    for (const ToolWindowEntry &entry : toolWindowEntries()) {
        if (entry.modal) continue;
        QWidget *w = main->showToolWindow(entry.className);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(activate(w)) << entry.className.toStdString();
        QTest::keyClick(w, Qt::Key_F1);
        ASSERT_NE(ui::helpViewer(), nullptr) << entry.className.toStdString();
        EXPECT_EQ(ui::helpViewer()->currentPage(), entry.className);
        // The manual outlives the tool window that opened it.
        w->hide();
        EXPECT_NE(ui::helpViewer(), nullptr);
        ui::helpViewer()->hide();
    }
}

// The modal windows (the lottery closes for them) answer F1 too, with the manual in front
// of the dialog rather than blocked behind it.
TEST_F(WindowHelpTest, F1InAModalWindowOpensItsPageAboveIt) {
    for (const ToolWindowEntry &entry : toolWindowEntries()) {
        if (!entry.modal) continue;
        QString shown;
        bool ownedByDialog = false;
        QTimer::singleShot(0, main.get(), [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            activate(dialog);
            QTest::keyClick(dialog, Qt::Key_F1);
            if (ui::HelpViewer *viewer = ui::helpViewer()) {
                shown = viewer->currentPage();
                ownedByDialog = viewer->parentWidget() == dialog;
            }
            static_cast<QDialog *>(dialog)->reject();
        });
        main->command(entry.menuName)->trigger();
        EXPECT_EQ(shown, entry.className);
        EXPECT_TRUE(ownedByDialog) << entry.className.toStdString();
        EXPECT_EQ(ui::helpViewer(), nullptr); // it went with the dialog
    }
}
