#pragma once

#include "engine/analysis/ComboRun.h"

#include <array>
#include <cstdint>
#include <vector>

namespace qv {

// A count with the rank of its combination.
struct Ranked {
    std::uint32_t count;
    std::uint32_t rank;
};

// Offered every combination in rank order, keeps what the shifted lists would hold. The tops list is
// always the best entries by TopsBefore among those with a count above 0, and the flops list the best
// by FlopsBefore among those offered to it: each is a heap with its worst entry on top. The entry
// thresholds only ever move one way (tops up, flops down). Once the flops list is full of count 0 it
// takes nothing but count 0, and every such combination pushes out the earliest one: from then on it
// is a ring of the latest ranks.
class ListKeeper {
public:
    // Reports progress through control every interval combinations and reads its cancel flag there.
    ListKeeper(std::uint64_t interval, const WorkControl& control);

    // The counts of one block, ranks start .. start+size-1; false when cancelled.
    bool Take(const std::uint32_t* counts, std::uint32_t start, std::uint32_t size);

    // The lists as the run returns them, free entries included.
    std::vector<ComboEntry> Tops(int k) const;
    std::vector<ComboEntry> Flops(int k) const;

private:
    void Scan(const std::uint32_t* counts, std::uint32_t start, std::uint32_t from, std::uint32_t to);

    // Offers counts[from .. to-1] to the tops list only; returns the new entry threshold.
    std::uint32_t OfferToTops(const std::uint32_t* counts, std::uint32_t start, std::uint32_t from, std::uint32_t to,
                              std::uint32_t topsMin);
    // Returns the new entry threshold: a count must be above it to enter.
    std::uint32_t EnterTops(std::uint32_t c, std::uint32_t rank);
    // Returns the new entry threshold: a count must be at most it to enter.
    std::uint32_t EnterFlops(std::uint32_t c, std::uint32_t rank);

    std::uint64_t m_interval;
    std::uint64_t m_nextReport;
    const WorkControl& m_control;
    std::vector<Ranked> m_tops;
    std::vector<Ranked> m_flops;
    std::uint32_t m_topsMin = 0;
    std::uint32_t m_flopsMax = kFreeFlopsCount;
    bool m_zeroRing = false;
    // Once the flops list is full of count 0: its ranks at that moment, then the zero masks of the chunks
    // since, the latest 1024 of those with a zero in them (they hold at least the latest 1000 zeros).
    struct ZeroMask {
        std::uint32_t start;
        std::uint64_t zeros;
    };
    static constexpr std::uint64_t kRingMask = 1023;
    std::array<std::uint32_t, kListCapacity> m_zeroSeed{};
    std::array<ZeroMask, kRingMask + 1> m_masks{};
    std::uint64_t m_masksWritten = 0;
};

} // namespace qv
