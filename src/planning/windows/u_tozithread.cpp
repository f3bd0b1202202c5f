#include "planning/windows/u_tozithread.h"

namespace corvel {

namespace {
// Progress is sent in steps of this many combinations, so a fast search does not flood
// the window thread's event queue.
constexpr int64_t ProgressStep = 25;
} // namespace

Ttozithread::Ttozithread(Snapshot snapshot, QObject *parent)
    : Worker([this](const Context &context) { Execute(context); }, parent), snapshot_(std::move(snapshot)) {}

Ttozithread::~Ttozithread() {
    requestStop();
    wait();
}

void Ttozithread::Execute(const Context &context) {
    const int64_t total = snapshot_.space.size();
    const auto progress = [&context, total](int64_t done) {
        if (done % ProgressStep == 0 || done == total) context.progress(0, static_cast<int>(done));
    };
    // (0, 0, 0) unless a combination beats the initial surplus
    const SearchResult best = searchStrategy(snapshot_.hits, snapshot_.params, snapshot_.space, context.stop, progress);
    emit searchDone(best.rIndex, best.wIndex, best.lIndex, best.surplus);
}

} // namespace corvel
