// 文件 → 退出 while batches run: every worker is stopped after a question, and the program
// ends instead of running on without a window.

#include "generators/windows/u_dingweidan.h"
#include "generators/windows/u_fushi.h"
#include "shell/u_main.h"
#include "store/u_datamod.h"
#include "ui/stoppablethread.h"

#include "generators2windows.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

using namespace corvel;

namespace {

class QuitDuringBatch : public test::GeneratorWindowTest {};

bool anyRunning(const QObject &root) {
    for (const ui::StoppableThread *thread : root.findChildren<ui::StoppableThread *>())
        if (thread->isRunning()) return true;
    return false;
}

} // namespace

TEST_F(QuitDuringBatch, ExitStopsEveryBatchWaitsAndEndsTheProgram) {
    Tdatamod data;
    Tfrmmain main;
    main.show();
    auto *danma = qobject_cast<Tfrmfushi *>(main.showToolWindow(QStringLiteral("Tfrmfushi")));
    auto *stable = qobject_cast<Tfrmdingweidan *>(main.showToolWindow(QStringLiteral("Tfrmdingweidan")));
    ASSERT_TRUE(danma && stable);
    danma->edtdadinum->setText(QStringLiteral("100000"));
    danma->btnalldadi->click();
    stable->edtallnum->setText(QStringLiteral("100000"));
    stable->btnalldadi->click();
    ASSERT_TRUE(danma->runner()->busy() && stable->runner()->busy());

    // "No" leaves everything running and the program open.
    bool answer = false;
    QStringList asked;
    ui::dialogHooks().message = [&](const ui::Message &m) {
        if (m.kind == ui::MessageKind::Question) asked << m.text;
        return m.kind == ui::MessageKind::Question ? answer : true;
    };
    main.command(QStringLiteral("mnuexit"))->trigger();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains(QStringLiteral("停止"))) << asked[0].toStdString();
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(danma->runner()->busy());

    // "Yes" inside the program's event loop: the loop ends by itself (the guard's 99 means
    // the program would have run on).
    answer = true;
    const QPointer<QWidget> danmaWindow(danma), stableWindow(stable);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(30000);
    QTimer::singleShot(0, &main, [&main] { main.command(QStringLiteral("mnuexit"))->trigger(); });
    EXPECT_EQ(QApplication::exec(), 0);
    guard.stop();
    EXPECT_EQ(asked.size(), 2);
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(danmaWindow.isNull());
    EXPECT_TRUE(stableWindow.isNull());
    EXPECT_FALSE(anyRunning(main));
    for (QWidget *w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    // The batches ended early: their folders hold no completion marker.
    for (const QString &name : {QStringLiteral("无穷胆码选号自动大底"), QStringLiteral("临界选号自动大底")})
        EXPECT_FALSE(QFile::exists(batchMarkerName(home.filePath(name)))) << name.toStdString();
}

TEST_F(QuitDuringBatch, ExitWithNothingRunningAsksNothing) {
    Tdatamod data;
    Tfrmmain main;
    main.show();
    main.showToolWindow(QStringLiteral("Tfrmfushi"));
    main.command(QStringLiteral("mnuexit"))->trigger();
    EXPECT_TRUE(log.messages.empty());
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(main.toolWindow(QStringLiteral("Tfrmfushi")), nullptr);
}
