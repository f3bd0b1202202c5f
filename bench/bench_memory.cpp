// Memory of the program in use: a 12000-draw lottery open, every analysis tab shown once
// and every tool window that lives beside the lottery opened once. Reports the resident
// size at the end (rss_mb) and the largest it reached (peak_mb), from /proc/self/status;
// run it on its own (--benchmark_filter=BM_MemoryTour) so that no other benchmark's memory counts.

#include "benchfolder.h"
#include "core/u_public.h"
#include "shell/startup.h"
#include "shell/u_main.h"
#include "shell/windowregistry.h"
#include "store/u_datamod.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

using namespace corvel;

// A "VmRSS:"-style line of /proc/self/status in megabytes, or -1.
double statusMegabytes(const QByteArray &field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(field.size()).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

void BM_MemoryTour(benchmark::State &state) {
    bench::BenchFolder folder;
    Shell shell = startShell(folder.dir.path());
    Tfrmmain &main = *shell.mainWindow;
    main.resize(1280, 800);
    main.show();
    bench::BenchFolder::chooseLottery();
    // A window that tells something on opening (a search finding nothing) is answered at once.
    ui::dialogHooks().message = [](const ui::Message &) { return false; };
    int toolWindows = 0;
    for (auto _ : state) {
        LoadLottery();
        LotteryOpen = true;
        main.lotteryOpened();
        QApplication::processEvents();
        for (int tab = 0; tab < int(analysisTabs().size()); ++tab) {
            main.showAnalysisTab(tab);
            QApplication::processEvents();
        }
        for (const ToolWindowEntry &entry : toolWindowEntries()) {
            if (entry.modal) continue; // made for one use with the lottery closed, then gone
            if (QWidget *w = main.showToolWindow(entry.className)) {
                w->grab();
                ++toolWindows;
            }
            QApplication::processEvents();
        }
    }
    state.counters["rss_mb"] = statusMegabytes("VmRSS:");
    state.counters["peak_mb"] = statusMegabytes("VmHWM:");
    state.counters["tool_windows"] = toolWindows;
    ui::dialogHooks().message = {};
}
BENCHMARK(BM_MemoryTour)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
