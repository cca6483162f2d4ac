#include "ui/tips/WheelTask.h"

#include <QtConcurrent/QtConcurrentRun>

namespace qv {

WheelTask::WheelTask(QObject* parent)
    : QObject(parent) {
    connect(&m_watcher, &QFutureWatcher<WheelOutcome>::finished, this, &WheelTask::WorkerEnded);
}

WheelTask::~WheelTask() {
    m_cancel = true;
    m_watcher.waitForFinished();
}

void WheelTask::Start(const WheelRequest& request, const WheelSearchOptions& options, int stake, int draws) {
    if (m_running) {
        return;
    }
    m_running = true;
    m_cancel = false;
    m_reportPending = false;
    m_outcome = {};
    m_error.clear();
    m_watcher.setFuture(QtConcurrent::run([this, request, options, stake, draws] {
        WheelOutcome outcome;
        outcome.request = request;
        outcome.search = FindWheel(request, options, &m_cancel, [this](const WheelProgress& p) { Report(p); });
        const std::vector<int> pool = SortedPool(request.pool);
        const int n = static_cast<int>(pool.size());
        // The proof and the figures run to their end even after "Abbruch": the system kept must be proven.
        outcome.proof = ProveWheel(outcome.search.rows, n, request.ifDrawn, request.hits);
        if (outcome.proof.holds) {
            outcome.figures = FiguresOf(pool, outcome.search.rows, request.kenoType, request.ifDrawn, request.hits,
                                        stake, draws, options.seed);
        }
        return outcome;
    }));
}

void WheelTask::Cancel() {
    if (m_running) {
        m_cancel = true;
    }
}

// On the worker: only one report waits in the window's queue at a time; it reads the newest figures.
void WheelTask::Report(const WheelProgress& progress) {
    m_currentSize = progress.currentSize;
    m_bestSize = progress.bestSize;
    m_bound = progress.bound;
    if (!m_reportPending.exchange(true)) {
        QMetaObject::invokeMethod(this, &WheelTask::TakeProgress, Qt::QueuedConnection);
    }
}

void WheelTask::TakeProgress() {
    m_reportPending = false;
    if (m_running) {
        emit Progress(m_currentSize.load(), m_bestSize.load(), m_bound.load());
    }
}

void WheelTask::WorkerEnded() {
    m_error.clear();
    try {
        m_outcome = m_watcher.result();
    } catch (const std::exception& error) {
        m_outcome = {};
        m_error = QString::fromLocal8Bit(error.what());
    }
    m_running = false;
    emit Finished();
}

} // namespace qv
