#pragma once
// The worker of the optimal interval search: runs one search, or the repeated runs over
// a series of start issues, on a snapshot of the history and the settings. It never
// touches a widget; progress and every finished run reach the window through queued
// signals, and the window can only ask it to stop (an atomic flag read before every
// pass).

#include "filters/interval.h"

#include "ui/stoppablethread.h"

#include <QMetaType>
#include <memory>

namespace corvel {

using IntervalResultPtr = std::shared_ptr<const IntervalResult>;

class Tgujianthread : public ui::StoppableThread {
    Q_OBJECT
public:
    struct Snapshot {
        DrawTable history;
        IntervalSettings settings; // `start` is replaced by each of `starts`
        std::vector<int> starts;   // one run per start index, in order
        uint32_t seed = 0;
    };

    explicit Tgujianthread(Snapshot snapshot, QObject *parent = nullptr);

signals:
    // Progress bar value of the run in progress; sent at most every few milliseconds.
    void progressed(int value);
    // Run `index` (0-based in `starts`) finished or was stopped with what it collected.
    void runDone(int index, int start, corvel::IntervalResultPtr result);
    // A run was refused (its settings cannot finish); no further run starts.
    void runFailed(QString message);

protected:
    void run() override { Execute(); }

private:
    void Execute();

    const Snapshot snapshot_;
};

} // namespace corvel

Q_DECLARE_METATYPE(corvel::IntervalResultPtr)
