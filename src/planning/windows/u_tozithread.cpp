#include "planning/windows/u_tozithread.h"

namespace corvel {

Ttozithread::Ttozithread(Snapshot snapshot, QObject *parent)
    : Worker([this](const Context &context) { Execute(context); }, parent), snapshot_(std::move(snapshot)) {}

Ttozithread::~Ttozithread() {
    requestStop();
    wait();
}

void Ttozithread::Execute(const Context &context) {
    // The search reports once a sweep of L (50 combinations): few enough for the event queue.
    const auto progress = [&context](int64_t done) { context.progress(0, static_cast<int>(done)); };
    // (0, 0, 0) unless a combination beats the initial surplus
    const SearchResult best = searchStrategy(snapshot_.hits, snapshot_.params, snapshot_.space, context.stop, progress);
    emit searchDone(best.rIndex, best.wIndex, best.lIndex, best.surplus);
}

} // namespace corvel
