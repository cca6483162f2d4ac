#pragma once

#include "engine/analysis/ComboRun.h"
#include "engine/core/NumberSet.h"

#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <cstdint>
#include <vector>

namespace qv {

// The combination run on a worker thread over its own copy of the period's draws, so the window stays
// usable and nothing else can change what the run counts. Progress reaches the window by queued
// signals; cancelling sets an atomic flag that the run reads at its next progress report. A run
// cancelled after its last report ends cancelled all the same.
class ComboRunTask : public QObject {
    Q_OBJECT

public:
    explicit ComboRunTask(QObject* parent = nullptr);
    // Cancels a run still going and waits for its end.
    ~ComboRunTask() override;

    // Starts a run of size k (2 to 5); nothing while one is going.
    void Start(int k, std::vector<NumberSet> periodSets);
    void Cancel();
    bool Running() const { return m_running; }
    // The lists of the run that just finished (Finished was emitted); empty lists after a cancel.
    const ComboRunResult& Result() const { return m_result; }
    // Why the worker stopped when it failed (its result then counts as cancelled); empty otherwise.
    const QString& Error() const { return m_error; }

signals:
    // How many combinations are done; reports that come faster than the window takes them are merged.
    void Progress(quint64 done);
    void Finished();

private:
    void Report(std::uint64_t done);
    void TakeProgress();
    void WorkerEnded();

    QFutureWatcher<ComboRunResult> m_watcher;
    std::atomic<bool> m_cancel{false};
    std::atomic<std::uint64_t> m_done{0};
    std::atomic<bool> m_reportPending{false};
    ComboRunResult m_result;
    QString m_error;
    bool m_running = false;
};

} // namespace qv
