#include "ui/analysis/ComboRunTask.h"

#include <QtConcurrent/QtConcurrentRun>

namespace qv {

ComboRunTask::ComboRunTask(QObject* parent)
    : QObject(parent) {
    connect(&m_watcher, &QFutureWatcher<ComboRunResult>::finished, this, &ComboRunTask::WorkerEnded);
}

ComboRunTask::~ComboRunTask() {
    m_cancel = true;
    m_watcher.waitForFinished();
}

void ComboRunTask::Start(int k, std::vector<NumberSet> periodSets) {
    if (m_running) {
        return;
    }
    m_running = true;
    m_cancel = false;
    m_done = 0;
    m_reportPending = false;
    m_result = {};
    m_error.clear();
    m_watcher.setFuture(QtConcurrent::run([this, k, sets = std::move(periodSets)]() mutable {
        WorkControl control;
        control.progress = [this](std::uint64_t done) { Report(done); };
        control.cancel = &m_cancel;
        return RunCombinations(k, std::move(sets), control);
    }));
}

void ComboRunTask::Cancel() {
    if (m_running) {
        m_cancel = true;
    }
}

// On the worker: only one report waits in the window's queue at a time; it reads the newest count.
void ComboRunTask::Report(std::uint64_t done) {
    m_done.store(done, std::memory_order_relaxed);
    if (!m_reportPending.exchange(true)) {
        QMetaObject::invokeMethod(this, &ComboRunTask::TakeProgress, Qt::QueuedConnection);
    }
}

void ComboRunTask::TakeProgress() {
    m_reportPending = false;
    if (m_running) {
        emit Progress(m_done.load(std::memory_order_relaxed));
    }
}

void ComboRunTask::WorkerEnded() {
    m_error.clear();
    try {
        m_result = m_watcher.result();
    } catch (const std::exception& error) {
        // Out of memory, say: the run ends like a cancelled one and the window reports why.
        m_result = ComboRunResult{true, {}, {}};
        m_error = QString::fromLocal8Bit(error.what());
    }
    if (m_cancel && !m_result.cancelled) {
        // "Abbruch" was pressed after the run's last look at the flag: the player asked for no lists,
        // and the window said so already.
        m_result = ComboRunResult{true, {}, {}};
    }
    m_running = false;
    emit Finished();
}

} // namespace qv
