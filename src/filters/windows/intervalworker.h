#pragma once
// The worker of the optimal interval search: runs one search, or the repeated runs over
// a series of start issues, on a snapshot of the history and the settings. It never
// touches a widget; progress and every finished run reach the window through queued
// signals, and the window can only ask it to stop (an atomic flag read before every
// pass). A run whose settings cannot finish fails the worker: no further run starts.

#include "filters/interval.h"

#include "ui/worker.h"

#include <QMetaType>
#include <memory>

namespace corvel {

using IntervalResultPtr = std::shared_ptr<const IntervalResult>;

class Tgujianthread : public ui::Worker {
    Q_OBJECT
public:
    struct Snapshot {
        DrawTable history;
        IntervalSettings settings; // `start` is replaced by each of `starts`
        std::vector<int> starts;   // one run per start index, in order
        uint32_t seed = 0;
    };

    explicit Tgujianthread(Snapshot snapshot, QObject *parent = nullptr);
    // The run reads the snapshot: it ends before the snapshot goes.
    ~Tgujianthread() override;

    // Progress (bar 0) is the value of the run in progress, sent at most every few
    // milliseconds.
signals:
    // Run `index` (0-based in `starts`) finished or was stopped with what it collected.
    void runDone(int index, int start, corvel::IntervalResultPtr result);

private:
    void Execute(const Context &context);

    const Snapshot snapshot_;
};

} // namespace corvel

Q_DECLARE_METATYPE(corvel::IntervalResultPtr)
