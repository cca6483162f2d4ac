#include "engine/analysis/ListKeeper.h"

#include "engine/analysis/Combinations.h"

#include <algorithm>
#include <bit>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qv {
namespace {

// Higher count first, earlier combination first.
struct TopsBefore {
    bool operator()(const Ranked& a, const Ranked& b) const {
        return a.count > b.count || (a.count == b.count && a.rank < b.rank);
    }
};

// Lower count first, later combination first.
struct FlopsBefore {
    bool operator()(const Ranked& a, const Ranked& b) const {
        return a.count < b.count || (a.count == b.count && a.rank > b.rank);
    }
};

// Adds an entry to a list of at most kListCapacity entries kept as a heap with its worst entry on top
// (the entry Before puts last); when the list is full, the new entry takes the place of that one.
template <class Before>
void EnterHeap(std::vector<Ranked>& heap, Ranked entry, Before before) {
    if (heap.size() < kListCapacity) {
        heap.push_back(entry);
        std::push_heap(heap.begin(), heap.end(), before);
        return;
    }
    // Sift the new entry down from the top.
    const std::size_t size = heap.size();
    std::size_t hole = 0;
    while (true) {
        std::size_t child = 2 * hole + 1;
        if (child >= size) {
            break;
        }
        if (child + 1 < size && before(heap[child], heap[child + 1])) {
            ++child;
        }
        if (!before(entry, heap[child])) {
            break;
        }
        heap[hole] = heap[child];
        hole = child;
    }
    heap[hole] = entry;
}

// Counts are looked at in chunks: a chunk none of whose counts can enter either list is passed over
// as a whole. Before the flops list is full of count 0 a chunk is that small, since entries are
// frequent then; afterwards a chunk is a 64-bit mask of its zero counts.
constexpr std::uint32_t kSkipChunk = 16;
constexpr std::uint32_t kZeroChunk = 64;

std::uint64_t ZeroMaskShort(const std::uint32_t* c, std::uint32_t n, std::uint32_t topsMin, bool& above) {
    std::uint64_t mask = 0;
    above = false;
    for (std::uint32_t j = 0; j < n; ++j) {
        mask |= static_cast<std::uint64_t>(c[j] == 0 ? 1 : 0) << j;
        above |= c[j] > topsMin;
    }
    return mask;
}

// Whether one of kSkipChunk counts is above topsMin or at most flopsMax.
bool AnyOutside(const std::uint32_t* c, std::uint32_t topsMin, std::uint32_t flopsMax) {
#if defined(__SSE2__)
    // Unsigned comparisons as signed ones on values shifted by 2^31.
    const __m128i bias = _mm_set1_epi32(std::numeric_limits<std::int32_t>::min());
    const __m128i top = _mm_xor_si128(_mm_set1_epi32(static_cast<std::int32_t>(topsMin)), bias);
    const __m128i flop = _mm_xor_si128(_mm_set1_epi32(static_cast<std::int32_t>(flopsMax)), bias);
    // A count can enter neither list when flopsMax < c <= topsMin.
    __m128i inside = _mm_set1_epi32(-1);
    for (std::uint32_t j = 0; j < kSkipChunk; j += 4) {
        const __m128i v = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(c + j)), bias);
        inside = _mm_and_si128(inside, _mm_andnot_si128(_mm_cmpgt_epi32(v, top), _mm_cmpgt_epi32(v, flop)));
    }
    return _mm_movemask_epi8(inside) != 0xFFFF;
#else
    bool hit = false;
    for (std::uint32_t j = 0; j < kSkipChunk; ++j) {
        hit |= c[j] > topsMin || c[j] <= flopsMax;
    }
    return hit;
#endif
}

// Bit j set when c[j] is 0; above tells whether one of them is above topsMin.
std::uint64_t ZeroMask64(const std::uint32_t* c, std::uint32_t topsMin, bool& above) {
#if defined(__SSE2__)
    const __m128i bias = _mm_set1_epi32(std::numeric_limits<std::int32_t>::min());
    const __m128i top = _mm_xor_si128(_mm_set1_epi32(static_cast<std::int32_t>(topsMin)), bias);
    const __m128i zero = _mm_setzero_si128();
    __m128i hit = _mm_setzero_si128();
    std::uint64_t mask = 0;
    for (std::uint32_t j = 0; j < kZeroChunk; j += 16) {
        const auto* p = reinterpret_cast<const __m128i*>(c + j);
        const __m128i v0 = _mm_loadu_si128(p);
        const __m128i v1 = _mm_loadu_si128(p + 1);
        const __m128i v2 = _mm_loadu_si128(p + 2);
        const __m128i v3 = _mm_loadu_si128(p + 3);
        // Zero lanes become -1; packing keeps -1 and 0 apart, one byte per count.
        const __m128i z01 = _mm_packs_epi32(_mm_cmpeq_epi32(v0, zero), _mm_cmpeq_epi32(v1, zero));
        const __m128i z23 = _mm_packs_epi32(_mm_cmpeq_epi32(v2, zero), _mm_cmpeq_epi32(v3, zero));
        mask |= static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_packs_epi16(z01, z23))))
                << j;
        const __m128i a01 =
            _mm_or_si128(_mm_cmpgt_epi32(_mm_xor_si128(v0, bias), top), _mm_cmpgt_epi32(_mm_xor_si128(v1, bias), top));
        const __m128i a23 =
            _mm_or_si128(_mm_cmpgt_epi32(_mm_xor_si128(v2, bias), top), _mm_cmpgt_epi32(_mm_xor_si128(v3, bias), top));
        hit = _mm_or_si128(hit, _mm_or_si128(a01, a23));
    }
    above = _mm_movemask_epi8(hit) != 0;
    return mask;
#else
    return ZeroMaskShort(c, kZeroChunk, topsMin, above);
#endif
}

} // namespace

ListKeeper::ListKeeper(std::uint64_t interval, const WorkControl& control)
    : m_interval(interval)
    , m_nextReport(interval)
    , m_control(control) {
    m_tops.reserve(kListCapacity);
    m_flops.reserve(kListCapacity);
}

bool ListKeeper::Take(const std::uint32_t* counts, std::uint32_t start, std::uint32_t size) {
    if (m_control.Cancelled()) {
        return false;
    }
    std::uint32_t i = 0;
    while (i < size) {
        // The combination of rank r is number r + 1 of the run; the report for number n comes
        // before that combination is recorded.
        const std::uint64_t reportRank = m_nextReport - 1;
        const std::uint32_t end =
            reportRank < std::uint64_t{start} + size ? static_cast<std::uint32_t>(reportRank - start) : size;
        Scan(counts, start, i, end);
        i = end;
        if (i < size) {
            if (m_control.progress) {
                m_control.progress(m_nextReport);
            }
            m_nextReport += m_interval;
            if (m_control.Cancelled()) {
                return false;
            }
        }
    }
    return true;
}

std::vector<ComboEntry> ListKeeper::Tops(int k) const {
    std::vector<Ranked> sorted = m_tops;
    std::sort(sorted.begin(), sorted.end(), TopsBefore{});
    std::vector<ComboEntry> list;
    list.reserve(kListCapacity);
    for (const Ranked& r : sorted) {
        list.push_back({CombinationAt(k, r.rank), static_cast<std::int32_t>(r.count)});
    }
    list.resize(kListCapacity, ComboEntry{{}, 0});
    return list;
}

std::vector<ComboEntry> ListKeeper::Flops(int k) const {
    std::vector<ComboEntry> list;
    list.reserve(kListCapacity);
    if (m_zeroRing) {
        // The latest 1000 ranks of count 0: from the zero masks, latest first, then from the ranks the
        // list held when it filled with count 0.
        const std::uint64_t kept = std::min<std::uint64_t>(m_masksWritten, kRingMask + 1);
        for (std::uint64_t t = 1; t <= kept && list.size() < kListCapacity; ++t) {
            const ZeroMask& m = m_masks[(m_masksWritten - t) & kRingMask];
            for (std::uint64_t bits = m.zeros; bits != 0 && list.size() < kListCapacity;) {
                const int bit = 63 - std::countl_zero(bits);
                bits &= ~(std::uint64_t{1} << bit);
                list.push_back({CombinationAt(k, m.start + static_cast<std::uint32_t>(bit)), 0});
            }
        }
        for (auto r = m_zeroSeed.rbegin(); r != m_zeroSeed.rend() && list.size() < kListCapacity; ++r) {
            list.push_back({CombinationAt(k, *r), 0});
        }
        return list;
    }
    std::vector<Ranked> sorted = m_flops;
    std::sort(sorted.begin(), sorted.end(), FlopsBefore{});
    for (const Ranked& r : sorted) {
        list.push_back({CombinationAt(k, r.rank), static_cast<std::int32_t>(r.count)});
    }
    list.resize(kListCapacity, ComboEntry{{}, kFreeFlopsCount});
    return list;
}

void ListKeeper::Scan(const std::uint32_t* counts, std::uint32_t start, std::uint32_t from, std::uint32_t to) {
    std::uint32_t topsMin = m_topsMin;
    std::uint32_t flopsMax = m_flopsMax;
    std::uint32_t i = from;
    while (i < to && !m_zeroRing) {
        if (to - i >= kSkipChunk && !AnyOutside(counts + i, topsMin, flopsMax)) {
            i += kSkipChunk;
            continue;
        }
        const std::uint32_t end = std::min(to, i + kSkipChunk);
        for (; i < end && !m_zeroRing; ++i) {
            const std::uint32_t c = counts[i];
            if (c > topsMin) {
                topsMin = EnterTops(c, start + i);
            } else if (c <= flopsMax) {
                flopsMax = EnterFlops(c, start + i);
            }
        }
    }
    // Only count 0 reaches the flops now: every chunk's zero mask is written to the ring, and only
    // a mask with a zero in it keeps its place (moves on).
    std::uint64_t written = m_masksWritten;
    while (i < to) {
        const std::uint32_t n = std::min(to - i, kZeroChunk);
        bool above = false;
        const std::uint64_t zeros =
            n == kZeroChunk ? ZeroMask64(counts + i, topsMin, above) : ZeroMaskShort(counts + i, n, topsMin, above);
        m_masks[written & kRingMask] = {start + i, zeros};
        written += zeros != 0 ? 1 : 0;
        if (above) [[unlikely]] {
            topsMin = OfferToTops(counts, start, i, i + n, topsMin);
        }
        i += n;
    }
    m_masksWritten = written;
    m_topsMin = topsMin;
    m_flopsMax = flopsMax;
}

std::uint32_t ListKeeper::OfferToTops(const std::uint32_t* counts, std::uint32_t start, std::uint32_t from,
                                      std::uint32_t to, std::uint32_t topsMin) {
    for (std::uint32_t j = from; j < to; ++j) {
        if (counts[j] > topsMin) {
            topsMin = EnterTops(counts[j], start + j);
        }
    }
    return topsMin;
}

std::uint32_t ListKeeper::EnterTops(std::uint32_t c, std::uint32_t rank) {
    EnterHeap(m_tops, {c, rank}, TopsBefore{});
    return m_tops.size() == kListCapacity ? m_tops.front().count : 0;
}

std::uint32_t ListKeeper::EnterFlops(std::uint32_t c, std::uint32_t rank) {
    EnterHeap(m_flops, {c, rank}, FlopsBefore{});
    if (m_flops.size() < kListCapacity) {
        return kFreeFlopsCount;
    }
    const std::uint32_t worst = m_flops.front().count;
    if (worst == 0) {
        for (int t = 0; t < kListCapacity; ++t) {
            m_zeroSeed[t] = m_flops[t].rank;
        }
        std::sort(m_zeroSeed.begin(), m_zeroSeed.end());
        m_masksWritten = 0;
        m_zeroRing = true;
    }
    return worst;
}

} // namespace qv
