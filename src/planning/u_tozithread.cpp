#include "planning/u_tozithread.h"

namespace corvel {

namespace {
// Progress is sent in steps of this many combinations, so a fast search does not flood
// the window thread's event queue.
constexpr int64_t ProgressStep = 25;
} // namespace

Ttozithread::Ttozithread(Snapshot snapshot, QObject *parent)
    : StoppableThread(parent), snapshot_(std::move(snapshot)) {}

void Ttozithread::Execute() {
    const int64_t total = snapshot_.space.size();
    const auto progress = [this, total](int64_t done) {
        if (done % ProgressStep == 0 || done == total) emit progressed(static_cast<int>(done));
    };
    SearchResult best; // (0, 0, 0) unless a combination beats the initial surplus
    try {
        best = searchStrategy(snapshot_.hits, snapshot_.params, snapshot_.space, stopFlag(), progress);
    } catch (const std::exception &) {
        // Parameters are checked by the window before the start; should the search still
        // fail, the window replays the first combination and shows why.
    }
    emit searchDone(best.rIndex, best.wIndex, best.lIndex, best.surplus);
}

} // namespace corvel
