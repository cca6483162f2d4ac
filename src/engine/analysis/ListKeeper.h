#pragma once

#include "engine/analysis/ComboRun.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

namespace qv {

// Offered every combination in rank order, keeps what the shifted lists would hold. The tops list is
// always the best entries (higher count first, earlier combination first) among those with a count above
// 0, and the flops list the best (lower count first, later combination first) among those offered to it:
// each is a heap with its worst entry on top. An entry is one 64-bit key, count above, the rank's
// complement below: the tops' best entry has the largest key, the flops' best the smallest. The entry
// thresholds only ever move one way (tops up, flops down). Once the flops list is full of count 0 it
// takes nothing but count 0, and every such combination pushes out the earliest one: from then on it
// is a ring of the latest ranks.
class ListKeeper {
public:
    // Reports progress through control every interval combinations and reads its cancel flag there.
    // zerosOnly: the flops list takes nothing but count 0 from the start, which gives the right list
    // when at least 1000 counts are 0 (it skips the flops' settling, where most of the offers are);
    // FlopsComplete tells afterwards whether they were.
    ListKeeper(std::uint64_t interval, const WorkControl& control, bool zerosOnly = false);

    // False only when the flops took nothing but count 0 from the start and fewer than 1000 counts
    // were 0: the flops list is then not the one offering every count gives.
    bool FlopsComplete() const;

    // What the lists need of a chunk of 64 counts once the flops take only count 0: bit j of zeros set
    // when count j of the chunk is 0, of above when it is above the tops' threshold (or was lately).
    struct ChunkMarks {
        std::uint64_t zeros;
        std::uint64_t above;
    };

    // Whether Take can be given the chunks' marks (the flops take only count 0 from the start), and how
    // many chunks a block of size counts has.
    bool ZerosOnly() const { return m_zerosOnly; }
    static std::uint32_t MarkSize(std::uint32_t size);

    // The marks of a block's chunks (MarkSize(size) of them), from its first count on. Any thread may
    // mark a block while the lists take others: the thread that counted it finds it in its cache.
    void Mark(const std::uint32_t* counts, std::uint32_t size, ChunkMarks* marks) const;

    // The counts of one block, ranks start .. start+size-1, and their marks if ZerosOnly(); false when
    // cancelled.
    bool Take(const std::uint32_t* counts, std::uint32_t start, std::uint32_t size, const ChunkMarks* marks = nullptr);

    // The lists as the run returns them, free entries included.
    std::vector<ComboEntry> Tops(int k) const;
    std::vector<ComboEntry> Flops(int k) const;

private:
    // Offers the counts from `from` to `to` (block positions) to the lists; marks may be null.
    void Scan(const std::uint32_t* counts, const ChunkMarks* marks, std::uint32_t start, std::uint32_t from,
              std::uint32_t to);
    // The three ways Scan goes: the first until the flops take only count 0 (returns where it stopped),
    // then one of the others.
    std::uint32_t ScanOffering(const std::uint32_t* counts, std::uint32_t start, std::uint32_t from, std::uint32_t to);
    void ScanZeros(const std::uint32_t* counts, std::uint32_t start, std::uint32_t from, std::uint32_t to);
    void ScanMarked(const std::uint32_t* counts, const ChunkMarks* marks, std::uint32_t start, std::uint32_t from,
                    std::uint32_t to);

    // Offers counts[from + j] to the tops list only, for each bit j set in above (at most 64); returns
    // the new entry threshold.
    std::uint32_t OfferToTops(const std::uint32_t* counts, std::uint32_t start, std::uint32_t from, std::uint64_t above,
                              std::uint32_t topsMin);
    // Offers one count to the tops, else to the flops, and moves the thresholds.
    void Offer(std::uint32_t c, std::uint32_t rank, std::uint32_t& topsMin, std::uint32_t& flopsMax);
    // Returns the new entry threshold: a count must be above it to enter.
    std::uint32_t EnterTops(std::uint32_t c, std::uint32_t rank);
    // Returns the new entry threshold: a count must be at most it to enter.
    std::uint32_t EnterFlops(std::uint32_t c, std::uint32_t rank);
    std::uint32_t EnterFlopsQueue(std::uint32_t c, std::uint32_t rank);
    std::uint32_t EnterTopsQueue(std::uint32_t c, std::uint32_t rank);
    void Requeue(std::vector<std::uint64_t>& entries);
    void StartZeroRing();

    std::uint64_t m_interval;
    std::uint64_t m_nextReport;
    const WorkControl& m_control;
    bool m_byteScan; // counts are looked at 32 at a time, as bytes, where the processor can
    bool m_zerosOnly;
    std::atomic<std::uint32_t> m_markingTopsMin{0}; // m_topsMin for Mark on other threads
    std::vector<std::uint64_t> m_tops;
    std::vector<std::uint64_t> m_flops;
    std::uint32_t m_topsMin = 0;
    std::uint32_t m_flopsMax = kFreeFlopsCount;
    static constexpr std::uint32_t kQueueCounts = 64;
    // Once the tops list is full: a stack of ranks per count m_topsBase + i (i < kQueueCounts), the
    // entries of higher counts in m_topsOver, m_topsLow the lowest stack in use.
    bool m_topsQueued = false;
    std::uint32_t m_topsBase = 0;
    std::uint32_t m_topsLow = 0;
    std::array<std::vector<std::uint32_t>, kQueueCounts> m_topsQueue;
    std::vector<std::uint64_t> m_topsOver;
    // Once the flops list is full and its worst count is below kQueueCounts: a queue of ranks per count
    // instead of the heap (m_queue[c] from m_queueHead[c] on), m_queueTop the highest count held.
    bool m_flopsQueued = false;
    std::array<std::vector<std::uint32_t>, kQueueCounts> m_queue;
    std::array<std::uint32_t, kQueueCounts> m_queueHead{};
    std::uint32_t m_queueTop = 0;
    bool m_zeroRing = false;
    // Once the flops list is full of count 0: its ranks at that moment (none when it took only count 0
    // from the start), then the zero masks of the chunks since, the latest 1024 of those with a zero in
    // them (they hold at least the latest 1000 zeros).
    struct ZeroMask {
        std::uint32_t start;
        std::uint64_t zeros;
    };
    static constexpr std::uint64_t kRingMask = 1023;
    std::array<std::uint32_t, kListCapacity> m_zeroSeed{};
    std::size_t m_zeroSeedSize = 0;
    std::array<ZeroMask, kRingMask + 1> m_masks{};
    std::uint64_t m_masksWritten = 0;
    std::uint64_t m_zerosSeen = 0; // in the masks, counted until there are 1000
};

} // namespace qv
