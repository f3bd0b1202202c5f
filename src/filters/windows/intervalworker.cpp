#include "filters/windows/intervalworker.h"

#include <chrono>

namespace corvel {

namespace {
// Progress is sent at most this often, so fast passes do not flood the window thread.
constexpr auto ProgressInterval = std::chrono::milliseconds(40);
} // namespace

Tgujianthread::Tgujianthread(Snapshot snapshot, QObject *parent)
    : Worker([this](const Context &context) { Execute(context); }, parent), snapshot_(std::move(snapshot)) {
    qRegisterMetaType<IntervalResultPtr>();
}

Tgujianthread::~Tgujianthread() {
    requestStop();
    wait();
}

void Tgujianthread::Execute(const Context &context) {
    Lcg random(snapshot_.seed);
    for (size_t i = 0; i < snapshot_.starts.size(); ++i) {
        if (stopRequested()) return; // no further run starts
        IntervalSettings settings = snapshot_.settings;
        settings.start = snapshot_.starts[i];
        auto last = std::chrono::steady_clock::now();
        const auto progress = [&](int value) {
            const auto now = std::chrono::steady_clock::now();
            if (now - last < ProgressInterval) return;
            last = now;
            context.progress(0, value);
        };
        auto result = std::make_shared<IntervalResult>(
            searchIntervals(snapshot_.history, settings, random, context.stop, progress));
        context.progress(0, settings.hundreds ? result->collected / 100 : result->collected);
        emit runDone(static_cast<int>(i), settings.start, std::move(result));
    }
}

} // namespace corvel
