#include "engine/analysis/ComboRun.h"

#include "engine/analysis/BlockCounter.h"
#include "engine/analysis/Combinations.h"
#include "engine/analysis/ListKeeper.h"

#include <atomic>
#include <cmath>
#include <condition_variable>
#include <limits>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace qv {
namespace {

// Lets a thread sleep until another has changed a value it watches. std::atomic's own wait is not used:
// where the system offers no futex (mingw-w64's libstdc++ 12 on Windows) it reads the value outside the
// lock it then sleeps under, while the notifying thread never takes that lock, so a wake-up sent in
// between is lost and both threads sleep for good.
class Wakeup {
public:
    // Returns once changed() holds; changed() is checked under the lock.
    template <class Changed>
    void Await(Changed changed) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, changed);
    }

    // Call after storing the change. A thread that has checked and is about to sleep holds the lock, so
    // taking it here waits until that thread sleeps and will be woken.
    void Notify() {
        { const std::lock_guard lock(m_mutex); }
        m_changed.notify_one();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

// Counting the blocks takes most of a run of four or five numbers, so a second thread counts blocks too.
// Blocks are counted into a ring of buffers, each by whichever thread claims it next; the calling
// thread alone hands them to the lists, in rank order, and so alone reports progress and reads the
// cancel flag. While its next block is not counted yet, the calling thread counts a later one itself.
// A block b may be claimed once block b - kSlots has been handed over, which frees its buffer. Once the
// flops take only count 0, the thread that counted a block also marks its chunks for the lists, while
// the counts are in its cache: the calling thread then reads the marks, not the counts, and the buffers'
// memory stays with the thread that writes it.
class TwoThreadRun {
public:
    TwoThreadRun(const BlockCounter& counter, ListKeeper& lists)
        : m_counter(counter)
        , m_blocks(counter.Blocks())
        , m_lists(lists)
        , m_helperCursor(counter) {
        for (auto& buffer : m_buffers) {
            // Left uninitialised: counting a block writes every count of it.
            buffer = std::make_unique_for_overwrite<std::uint32_t[]>(counter.MaxBlockSize());
        }
        if (lists.ZerosOnly()) {
            for (auto& marks : m_marks) {
                marks = std::make_unique_for_overwrite<ListKeeper::ChunkMarks[]>(
                    ListKeeper::MarkSize(counter.MaxBlockSize()));
            }
        }
        for (auto& ready : m_ready) {
            ready.store(kNone, std::memory_order_relaxed);
        }
    }

    TwoThreadRun(const TwoThreadRun&) = delete;
    TwoThreadRun& operator=(const TwoThreadRun&) = delete;

    // Stops the helper (also when the lists step threw); the thread is joined when m_helper goes.
    ~TwoThreadRun() { Stop(); }

    // False when cancelled.
    bool Run() {
        try {
            m_helper = std::jthread([this] { Help(); });
        } catch (const std::system_error&) {
            // No second thread to be had: the calling thread counts every block itself.
        }
        BlockCounter::Cursor cursor(m_counter);
        const auto count = static_cast<std::uint32_t>(m_blocks.size());
        for (std::uint32_t b = 0; b < count; ++b) {
            std::atomic<std::uint32_t>& ready = m_ready[b % kSlots];
            for (std::uint32_t seen = ready.load(std::memory_order_acquire); seen != b;
                 seen = ready.load(std::memory_order_acquire)) {
                if (!CountNext(cursor)) {
                    m_countedWakeup.Await([&ready, seen] { return ready.load(std::memory_order_acquire) != seen; });
                }
            }
            const Block& block = m_blocks[b];
            const bool going =
                m_lists.Take(m_buffers[b % kSlots].get(), block.start, block.size, m_marks[b % kSlots].get());
            m_handed.store(b + 1, std::memory_order_release);
            m_handedWakeup.Notify();
            if (!going) {
                return false;
            }
        }
        return true;
    }

private:
    static constexpr std::uint32_t kSlots = 8;
    static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

    // The helper thread: counts blocks while there are buffers free, until all are claimed or the
    // run stops.
    void Help() {
        while (!m_stop.load(std::memory_order_acquire)) {
            const std::uint32_t handed = m_handed.load(std::memory_order_acquire);
            if (!CountNext(m_helperCursor)) {
                if (m_claimed.load(std::memory_order_acquire) >= m_blocks.size()) {
                    return;
                }
                m_handedWakeup.Await([this, handed] { return m_handed.load(std::memory_order_acquire) != handed; });
            }
        }
    }

    // Claims the next block if its buffer is free and counts it; false when there was none to claim.
    bool CountNext(BlockCounter::Cursor& cursor) {
        std::uint32_t b = m_claimed.load(std::memory_order_acquire);
        do {
            if (b >= m_blocks.size() || b >= m_handed.load(std::memory_order_acquire) + kSlots) {
                return false;
            }
        } while (!m_claimed.compare_exchange_weak(b, b + 1, std::memory_order_acq_rel, std::memory_order_acquire));
        const Block& block = m_blocks[b];
        std::uint32_t* counts = m_buffers[b % kSlots].get();
        cursor.Count(block, counts);
        if (ListKeeper::ChunkMarks* marks = m_marks[b % kSlots].get()) {
            m_lists.Mark(counts, block.size, marks);
        }
        std::atomic<std::uint32_t>& ready = m_ready[b % kSlots];
        ready.store(b, std::memory_order_release);
        m_countedWakeup.Notify();
        return true;
    }

    void Stop() {
        m_stop.store(true, std::memory_order_release);
        // Wakes the helper if it waits for a buffer.
        m_handed.store(kNone - kSlots, std::memory_order_release);
        m_handedWakeup.Notify();
    }

    const BlockCounter& m_counter;
    const std::vector<Block>& m_blocks;
    ListKeeper& m_lists;
    BlockCounter::Cursor m_helperCursor; // made here, so that the helper allocates nothing
    std::array<std::unique_ptr<std::uint32_t[]>, kSlots> m_buffers;
    std::array<std::unique_ptr<ListKeeper::ChunkMarks[]>, kSlots> m_marks; // none unless the lists take them
    std::array<std::atomic<std::uint32_t>, kSlots> m_ready{};              // the block counted into each buffer
    std::atomic<std::uint32_t> m_claimed{0};                               // blocks claimed for counting
    std::atomic<std::uint32_t> m_handed{0};                                // blocks handed to the lists
    std::atomic<bool> m_stop{false};
    Wakeup m_countedWakeup; // the calling thread waits here for its next block to be counted
    Wakeup m_handedWakeup;  // the helper waits here for a buffer to be handed over and freed
    std::jthread m_helper;  // last: joined before the rest goes
};

// A second thread pays off where the counting is heavy: runs of four and five numbers over more than a
// handful of draws, on a machine with a second core. The work control may fix the number of threads.
bool UseTwoThreads(int k, std::size_t draws, const WorkControl& control) {
    if (control.threads != 0) {
        return control.threads >= 2;
    }
    return k >= 4 && draws >= 8 && std::thread::hardware_concurrency() >= 2;
}

// Whether so many combinations can be expected never to have been drawn that the flops list will hold
// nothing but count 0: C(70, k) (1 - p)^b of them over b draws, p = C(20, k) / C(70, k) the chance that
// one draw holds a given combination, at least three times the 1000 it takes. For k = 4 that is up to
// about 1080 draws, for k = 5 about 6480.
bool ManyZerosExpected(int k, std::size_t draws) {
    const auto all = static_cast<double>(CombinationsOf70(k));
    const double p = static_cast<double>(CombinationsOf20(k)) / all;
    return all * std::exp(static_cast<double>(draws) * std::log1p(-p)) >= 3.0 * kListCapacity;
}

// Counts every block and hands it to the lists; false when cancelled.
bool CountInto(const BlockCounter& counter, ListKeeper& lists, bool twoThreads) {
    if (twoThreads) {
        TwoThreadRun run(counter, lists);
        return run.Run();
    }
    std::vector<std::uint32_t> block(counter.MaxBlockSize());
    return counter.Run([&block](std::uint32_t, std::uint32_t) { return block.data(); },
                       [&lists](std::uint32_t start, const std::uint32_t* counts, std::uint32_t size) {
                           return lists.Take(counts, start, size);
                       });
}

} // namespace

std::uint64_t RunProgressInterval(int k) {
    return k <= 2 ? 1 : k == 3 ? 100 : 2000;
}

ComboRunResult RunCombinations(int k, std::vector<NumberSet> periodSets, const WorkControl& control) {
    CheckRunSize(k);
    const BlockCounter counter(k, periodSets);
    const bool twoThreads = UseTwoThreads(k, periodSets.size(), control);
    ListKeeper lists(RunProgressInterval(k), control, ManyZerosExpected(k, periodSets.size()));
    if (!CountInto(counter, lists, twoThreads)) {
        return {true, {}, {}};
    }
    if (!lists.FlopsComplete()) {
        // Fewer combinations were never drawn than the odds promised (draws chosen to cover them):
        // once more with the flops list kept in full. Progress was reported to the end already.
        WorkControl quiet = control;
        quiet.progress = nullptr;
        ListKeeper full(RunProgressInterval(k), quiet);
        if (!CountInto(counter, full, twoThreads)) {
            return {true, {}, {}};
        }
        return {false, full.Tops(k), full.Flops(k)};
    }
    return {false, lists.Tops(k), lists.Flops(k)};
}

ComboRunResult KeepLists(int k, std::span<const std::uint32_t> counts) {
    CheckRunSize(k);
    CheckCountsLength(k, counts);
    const WorkControl none;
    ListKeeper lists(RunProgressInterval(k), none);
    lists.Take(counts.data(), 0, static_cast<std::uint32_t>(counts.size()));
    return {false, lists.Tops(k), lists.Flops(k)};
}

std::vector<std::uint32_t> CountAllCombinations(int k, std::span<const NumberSet> draws) {
    CheckRunSize(k);
    std::vector<std::uint32_t> counts(CombinationsOf70(k));
    BlockCounter counter(k, draws);
    counter.Run([&counts](std::uint32_t start, std::uint32_t) { return counts.data() + start; },
                [](std::uint32_t, const std::uint32_t*, std::uint32_t) { return true; });
    return counts;
}

double ExpectedCount(int k, std::uint64_t b) {
    return static_cast<double>(b * CombinationsOf20(k)) / static_cast<double>(CombinationsOf70(k));
}

std::uint64_t CheckCount(int k, std::uint64_t b) {
    return CombinationsOf70(k) * b;
}

} // namespace qv
