#pragma once

#include "engine/systems/WheelFigures.h"
#include "engine/systems/WheelProof.h"
#include "engine/systems/WheelSearch.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <atomic>

namespace qv {

// What one calculation of the systems window gives: the system found, its proof and its figures.
struct WheelOutcome {
    WheelRequest request;
    WheelSearchResult search;
    WheelProof proof;
    WheelFigures figures;
};

// The search for a system on a worker thread, then its proof and figures, so the window stays usable.
// Progress reaches the window by queued signals; "Abbruch" sets an atomic flag that ends the search,
// which keeps the best system found so far; that one is still proven and priced.
class WheelTask : public QObject {
    Q_OBJECT

public:
    explicit WheelTask(QObject* parent = nullptr);
    // Cancels a calculation still going and waits for its end.
    ~WheelTask() override;

    // Starts a calculation of a valid request; nothing while one is going.
    void Start(const WheelRequest& request, const WheelSearchOptions& options, int stake, int draws);
    void Cancel();
    bool Running() const { return m_running; }
    // The outcome of the calculation that just finished (Finished was emitted).
    const WheelOutcome& Outcome() const { return m_outcome; }
    // Why the worker stopped when it failed; empty otherwise.
    const QString& Error() const { return m_error; }

signals:
    // Reports that come faster than the window takes them are merged.
    void Progress(int currentSize, int bestSize, int bound);
    void Finished();

private:
    void Report(const WheelProgress& progress);
    void TakeProgress();
    void WorkerEnded();

    QFutureWatcher<WheelOutcome> m_watcher;
    std::atomic<bool> m_cancel{false};
    std::atomic<int> m_currentSize{0};
    std::atomic<int> m_bestSize{0};
    std::atomic<int> m_bound{0};
    std::atomic<bool> m_reportPending{false};
    WheelOutcome m_outcome;
    QString m_error;
    bool m_running = false;
};

} // namespace qv
