#pragma once
// The worker of the investment mode search: replays every setting combination on a
// snapshot of the hit column and the parameters, away from the window thread. It never
// touches a widget; progress (bar 0: combinations done) and the best combination reach
// the window through queued signals, and the window can only ask it to stop (an atomic
// flag read before every combination). A search that fails sends `failed` instead of
// `searchDone`.

#include "planning/replaysearch.h"

#include "ui/worker.h"

namespace corvel {

class Ttozithread : public ui::Worker {
    Q_OBJECT
public:
    struct Snapshot {
        HitColumn hits;
        ReplayParams params; // R, W and L are replaced by each combination
        SearchSpace space;
    };

    explicit Ttozithread(Snapshot snapshot, QObject *parent = nullptr);
    // The search reads the snapshot: it ends before the snapshot goes.
    ~Ttozithread() override;

    // The combinations of the snapshot (the progress bar's maximum).
    int combinations() const { return static_cast<int>(snapshot_.space.size()); }

signals:
    // The best combination (item indexes of R, W, L) and its surplus.
    void searchDone(int rIndex, int wIndex, int lIndex, qint64 surplus);

private:
    void Execute(const Context &context);

    const Snapshot snapshot_;
};

} // namespace corvel
