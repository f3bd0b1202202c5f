// Showing each of the twenty analysis tabs of the main window with a 12000-draw lottery
// open, as a click on the tab does: the previous tab's window closes, the new one is made
// (its analysis, grids and charts), shown maximised and painted once by the event loop.

#include "benchfolder.h"
#include "core/u_public.h"
#include "shell/startup.h"
#include "shell/u_main.h"
#include "shell/windowregistry.h"
#include "store/u_datamod.h"

#include <QApplication>
#include <QEvent>
#include <benchmark/benchmark.h>

namespace {

using namespace corvel;

// Counts the paint events the widgets of one window get.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *window) : window_(window) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == window_)
            ++paints;
        return false;
    }

private:
    QWidget *window_;
};

void BM_ShowTab12000(benchmark::State &state) {
    const int tab = int(state.range(0));
    bench::BenchFolder folder;
    Shell shell = startShell(folder.dir.path());
    Tfrmmain &main = *shell.mainWindow;
    main.resize(1280, 800);
    main.show();
    bench::BenchFolder::chooseLottery();
    LoadLottery();
    LotteryOpen = true;
    main.lotteryOpened();
    QApplication::processEvents();
    // The event loop paints the new tab once, as on a click; grabbing it besides would
    // paint it twice.
    PaintCounter counter(&main);
    for (auto _ : state) {
        main.showAnalysisTab(tab);
        QApplication::processEvents();
    }
    if (counter.paints < int(state.iterations())) state.SkipWithError("the tab was not painted");
    if (DrawCount != MaxDraws || int(DrawHistory.size()) != MaxDraws) state.SkipWithError("lottery not open");
    state.SetLabel(analysisTabs()[tab].caption().toStdString());
}
BENCHMARK(BM_ShowTab12000)->DenseRange(0, 19)->Unit(benchmark::kMillisecond);

} // namespace
