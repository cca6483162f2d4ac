#include "engine/analysis/ListKeeper.h"

#include "engine/analysis/Combinations.h"
#include "engine/analysis/Processor.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <limits>

#if defined(QV_X86_RUNTIME_CHOICE)
#include <immintrin.h>
#elif defined(QV_SSE2)
#include <emmintrin.h>
#endif

namespace qv {
namespace {

// An entry's key: count above, the complement of the rank below. A larger key is a higher count or,
// at the same count, an earlier combination.
std::uint64_t KeyOf(std::uint32_t count, std::uint32_t rank) {
    return std::uint64_t{count} << 32 | (~rank & 0xFFFFFFFFu);
}
std::uint32_t CountOf(std::uint64_t key) {
    return static_cast<std::uint32_t>(key >> 32);
}
std::uint32_t RankOf(std::uint64_t key) {
    return ~static_cast<std::uint32_t>(key);
}

// Adds an entry to a list of at most kListCapacity entries kept as a heap with its worst entry on top:
// the smallest key for the tops (Worse = std::less), the largest for the flops (std::greater). When the
// list is full, the new entry takes the place of the worst one.
template <class Worse>
void EnterHeap(std::vector<std::uint64_t>& heap, std::uint64_t entry, Worse worse) {
    // std::push_heap puts the largest by its comparison on top: compare by "better".
    const auto better = [worse](std::uint64_t a, std::uint64_t b) { return worse(b, a); };
    if (heap.size() < kListCapacity) {
        heap.push_back(entry);
        std::push_heap(heap.begin(), heap.end(), better);
        return;
    }
    // Sift the new entry down from the top.
    std::uint64_t* h = heap.data();
    std::size_t hole = 0;
    while (true) {
        std::size_t child = 2 * hole + 1;
        if (child >= kListCapacity) {
            break;
        }
        if (child + 1 < kListCapacity && worse(h[child + 1], h[child])) {
            ++child;
        }
        if (!worse(h[child], entry)) {
            break;
        }
        h[hole] = h[child];
        hole = child;
    }
    h[hole] = entry;
}

// Counts are looked at in chunks: a chunk none of whose counts can enter either list is passed over
// as a whole. Before the flops list is full of count 0 a chunk is that small, since entries are
// frequent then; afterwards a chunk is a 64-bit mask of its zero counts.
constexpr std::uint32_t kSkipChunk = 16;
constexpr std::uint32_t kZeroChunk = 64;

// The bits from bit n (0 to 64) up.
std::uint64_t BitsFrom(std::uint32_t n) {
    return n >= 64 ? 0 : ~std::uint64_t{0} << n;
}

// Bit j set when c[j] (j < n <= 64) is 0; in above, when c[j] is above topsMin.
std::uint64_t ZeroMaskShort(const std::uint32_t* c, std::uint32_t n, std::uint32_t topsMin, std::uint64_t& above) {
    std::uint64_t mask = 0;
    above = 0;
    for (std::uint32_t j = 0; j < n; ++j) {
        mask |= static_cast<std::uint64_t>(c[j] == 0 ? 1 : 0) << j;
        above |= static_cast<std::uint64_t>(c[j] > topsMin ? 1 : 0) << j;
    }
    return mask;
}

// Bit j set when c[j] (j < kSkipChunk) is above topsMin or at most flopsMax: a count that may enter
// one of the lists.
std::uint32_t OutsideMask(const std::uint32_t* c, std::uint32_t topsMin, std::uint32_t flopsMax) {
#if defined(QV_SSE2)
    // Unsigned comparisons as signed ones on values shifted by 2^31.
    const __m128i bias = _mm_set1_epi32(std::numeric_limits<std::int32_t>::min());
    const __m128i top = _mm_xor_si128(_mm_set1_epi32(static_cast<std::int32_t>(topsMin)), bias);
    const __m128i flop = _mm_xor_si128(_mm_set1_epi32(static_cast<std::int32_t>(flopsMax)), bias);
    std::uint32_t mask = 0;
#pragma GCC unroll 4
    for (std::uint32_t j = 0; j < kSkipChunk; j += 4) {
        const __m128i v = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(c + j)), bias);
        // A count can enter neither list when flopsMax < c <= topsMin.
        const __m128i inside = _mm_andnot_si128(_mm_cmpgt_epi32(v, top), _mm_cmpgt_epi32(v, flop));
        mask |= static_cast<std::uint32_t>(_mm_movemask_ps(_mm_castsi128_ps(inside))) << j;
    }
    return ~mask & ((1u << kSkipChunk) - 1);
#else
    std::uint32_t mask = 0;
    for (std::uint32_t j = 0; j < kSkipChunk; ++j) {
        mask |= static_cast<std::uint32_t>(c[j] > topsMin || c[j] <= flopsMax ? 1 : 0) << j;
    }
    return mask;
#endif
}

// ZeroMaskShort for 64 counts.
std::uint64_t ZeroMask64Sse2(const std::uint32_t* c, std::uint32_t topsMin, std::uint64_t& above) {
#if defined(QV_SSE2)
    const __m128i bias = _mm_set1_epi32(std::numeric_limits<std::int32_t>::min());
    const __m128i top = _mm_xor_si128(_mm_set1_epi32(static_cast<std::int32_t>(topsMin)), bias);
    const __m128i zero = _mm_setzero_si128();
    // Lanes that hold -1 for a yes and 0 for a no, packed to one byte per count (packing keeps them
    // apart), as 16 bits.
    const auto bits = [](__m128i y0, __m128i y1, __m128i y2, __m128i y3) {
        const __m128i packed = _mm_packs_epi16(_mm_packs_epi32(y0, y1), _mm_packs_epi32(y2, y3));
        return static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(packed)));
    };
    const auto over = [&](__m128i v) { return _mm_cmpgt_epi32(_mm_xor_si128(v, bias), top); };
    std::uint64_t mask = 0;
    above = 0;
#pragma GCC unroll 4
    for (std::uint32_t j = 0; j < kZeroChunk; j += 16) {
        const auto* p = reinterpret_cast<const __m128i*>(c + j);
        const __m128i v0 = _mm_loadu_si128(p);
        const __m128i v1 = _mm_loadu_si128(p + 1);
        const __m128i v2 = _mm_loadu_si128(p + 2);
        const __m128i v3 = _mm_loadu_si128(p + 3);
        mask |= bits(_mm_cmpeq_epi32(v0, zero), _mm_cmpeq_epi32(v1, zero), _mm_cmpeq_epi32(v2, zero),
                     _mm_cmpeq_epi32(v3, zero))
                << j;
        above |= bits(over(v0), over(v1), over(v2), over(v3)) << j;
    }
    return mask;
#else
    return ZeroMaskShort(c, kZeroChunk, topsMin, above);
#endif
}

bool HasAvx2() {
#if defined(QV_X86_RUNTIME_CHOICE)
    return __builtin_cpu_supports("avx2") != 0;
#else
    return false;
#endif
}

#if defined(QV_X86_RUNTIME_CHOICE)
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif
// 32 counts from p on as bytes, in order, each saturated at 255.
inline __m256i SaturatedBytes(const __m256i* p) {
    const __m256i most = _mm256_set1_epi32(255);
    const __m256i v0 = _mm256_min_epu32(_mm256_loadu_si256(p), most);
    const __m256i v1 = _mm256_min_epu32(_mm256_loadu_si256(p + 1), most);
    const __m256i v2 = _mm256_min_epu32(_mm256_loadu_si256(p + 2), most);
    const __m256i v3 = _mm256_min_epu32(_mm256_loadu_si256(p + 3), most);
    // Packing works within each half of a register: the bytes come out in the order of 4-byte groups
    // 0, 4, 1, 5, ..., which the permutation puts back.
    const __m256i packed = _mm256_packus_epi16(_mm256_packus_epi32(v0, v1), _mm256_packus_epi32(v2, v3));
    return _mm256_permutevar8x32_epi32(packed, _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7));
}

// ZeroMaskShort for 64 counts, on the counts saturated to bytes: exact for a zero, and against a topsMin
// below 255.
std::uint64_t ZeroMask64Bytes(const std::uint32_t* c, std::uint32_t topsMin, std::uint64_t& above) {
    const auto* p = reinterpret_cast<const __m256i*>(c);
    const __m256i low = SaturatedBytes(p);
    const __m256i high = SaturatedBytes(p + 4);
    const __m256i zero = _mm256_setzero_si256();
    const auto zerosLow = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, zero)));
    const auto zerosHigh = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, zero)));
    // A count is above topsMin where subtracting topsMin leaves more than 0.
    const __m256i top = _mm256_set1_epi8(static_cast<char>(topsMin));
    const auto notLow =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(_mm256_subs_epu8(low, top), zero)));
    const auto notHigh =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(_mm256_subs_epu8(high, top), zero)));
    above = ~(std::uint64_t{notHigh} << 32 | notLow);
    return std::uint64_t{zerosHigh} << 32 | zerosLow;
}
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
#endif

// ZeroMaskShort, 64 counts at once where the chunk is whole. bytes: the processor has the instructions
// ZeroMask64Bytes needs.
std::uint64_t ChunkMask(const std::uint32_t* c, std::uint32_t n, std::uint32_t topsMin, bool bytes,
                        std::uint64_t& above) {
    if (n < kZeroChunk) {
        return ZeroMaskShort(c, n, topsMin, above);
    }
#if defined(QV_X86_RUNTIME_CHOICE)
    if (bytes && topsMin < 255) {
        return ZeroMask64Bytes(c, topsMin, above);
    }
#else
    (void)bytes;
#endif
    return ZeroMask64Sse2(c, topsMin, above);
}

} // namespace

ListKeeper::ListKeeper(std::uint64_t interval, const WorkControl& control, bool zerosOnly)
    : m_interval(interval)
    , m_nextReport(interval)
    , m_control(control)
    , m_byteScan(HasAvx2())
    , m_zerosOnly(zerosOnly) {
    m_tops.reserve(kListCapacity);
    m_flops.reserve(kListCapacity);
    if (zerosOnly) {
        m_flopsMax = 0;
        m_zeroRing = true;
    }
}

std::uint32_t ListKeeper::MarkSize(std::uint32_t size) {
    return (size + kZeroChunk - 1) / kZeroChunk;
}

bool ListKeeper::FlopsComplete() const {
    return !m_zeroRing || m_zeroSeedSize + m_zerosSeen >= kListCapacity;
}

bool ListKeeper::Take(const std::uint32_t* counts, std::uint32_t start, std::uint32_t size, const ChunkMarks* marks) {
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
        Scan(counts, marks, start, i, end);
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
    std::vector<std::uint64_t> sorted = m_tops;
    if (m_topsQueued) {
        sorted = m_topsOver;
        for (std::uint32_t i = 0; i < kQueueCounts; ++i) {
            for (const std::uint32_t rank : m_topsQueue[i]) {
                sorted.push_back(KeyOf(m_topsBase + i, rank));
            }
        }
    }
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    std::vector<ComboEntry> list;
    list.reserve(kListCapacity);
    for (const std::uint64_t key : sorted) {
        list.push_back({CombinationAt(k, RankOf(key)), static_cast<std::int32_t>(CountOf(key))});
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
        for (std::size_t i = m_zeroSeedSize; i > 0 && list.size() < kListCapacity; --i) {
            list.push_back({CombinationAt(k, m_zeroSeed[i - 1]), 0});
        }
        return list;
    }
    if (m_flopsQueued) {
        // Lower count first, later rank first.
        for (std::uint32_t c = 0; c <= m_queueTop; ++c) {
            const std::vector<std::uint32_t>& ranks = m_queue[c];
            for (std::size_t i = ranks.size(); i > m_queueHead[c]; --i) {
                list.push_back({CombinationAt(k, ranks[i - 1]), static_cast<std::int32_t>(c)});
            }
        }
        return list;
    }
    std::vector<std::uint64_t> sorted = m_flops;
    std::sort(sorted.begin(), sorted.end());
    for (const std::uint64_t key : sorted) {
        list.push_back({CombinationAt(k, RankOf(key)), static_cast<std::int32_t>(CountOf(key))});
    }
    list.resize(kListCapacity, ComboEntry{{}, kFreeFlopsCount});
    return list;
}

void ListKeeper::Scan(const std::uint32_t* counts, const ChunkMarks* marks, std::uint32_t start, std::uint32_t from,
                      std::uint32_t to) {
    std::uint32_t i = from;
    if (!m_zeroRing) {
        i = ScanOffering(counts, start, i, to);
    }
    if (marks != nullptr) {
        ScanMarked(counts, marks, start, i, to);
    } else {
        ScanZeros(counts, start, i, to);
    }
    m_markingTopsMin.store(m_topsMin, std::memory_order_relaxed);
}

// Before the flops list is full of count 0: the counts that may enter a list are picked out of each
// chunk at once, then tried one by one against the thresholds as they stand (which only narrow).
std::uint32_t ListKeeper::ScanOffering(const std::uint32_t* counts, std::uint32_t start, std::uint32_t from,
                                       std::uint32_t to) {
    std::uint32_t topsMin = m_topsMin;
    std::uint32_t flopsMax = m_flopsMax;
    std::uint32_t i = from;
    while (i < to && !m_zeroRing) {
        if (to - i < kSkipChunk) {
            for (; i < to && !m_zeroRing; ++i) {
                Offer(counts[i], start + i, topsMin, flopsMax);
            }
            break;
        }
        const std::uint32_t chunk = i;
        i += kSkipChunk;
        for (std::uint32_t mask = OutsideMask(counts + chunk, topsMin, flopsMax); mask != 0; mask &= mask - 1) {
            const std::uint32_t j = chunk + static_cast<std::uint32_t>(std::countr_zero(mask));
            Offer(counts[j], start + j, topsMin, flopsMax);
            if (m_zeroRing) {
                i = j + 1;
                break;
            }
        }
    }
    m_topsMin = topsMin;
    m_flopsMax = flopsMax;
    return i;
}

// Only count 0 reaches the flops: every chunk's zero mask is written to the ring, and only a mask with a
// zero in it keeps its place (moves on). The zeros are tallied until there are enough to fill the list.
void ListKeeper::ScanZeros(const std::uint32_t* counts, std::uint32_t start, std::uint32_t from, std::uint32_t to) {
    std::uint32_t topsMin = m_topsMin;
    std::uint64_t written = m_masksWritten;
    std::uint64_t zerosSeen = m_zerosSeen;
    for (std::uint32_t i = from; i < to;) {
        const std::uint32_t n = std::min(to - i, kZeroChunk);
        std::uint64_t above = 0;
        const std::uint64_t zeros = ChunkMask(counts + i, n, topsMin, m_byteScan, above);
        m_masks[written & kRingMask] = {start + i, zeros};
        written += zeros != 0 ? 1 : 0;
        if (zerosSeen < kListCapacity) [[unlikely]] {
            zerosSeen += static_cast<std::uint64_t>(std::popcount(zeros));
        }
        if (above != 0) [[unlikely]] {
            topsMin = OfferToTops(counts, start, i, above, topsMin);
        }
        i += n;
    }
    m_masksWritten = written;
    m_zerosSeen = zerosSeen;
    m_topsMin = topsMin;
}

// ScanZeros from the marks: the chunks are the block's own, from its first count on, each cut to the
// counts from `from` to `to`.
void ListKeeper::ScanMarked(const std::uint32_t* counts, const ChunkMarks* marks, std::uint32_t start,
                            std::uint32_t from, std::uint32_t to) {
    std::uint32_t topsMin = m_topsMin;
    std::uint64_t written = m_masksWritten;
    std::uint64_t zerosSeen = m_zerosSeen;
    for (std::uint32_t i = from; i < to;) {
        const std::uint32_t chunk = i / kZeroChunk * kZeroChunk;
        const std::uint32_t end = std::min(to, chunk + kZeroChunk);
        const std::uint64_t wanted = BitsFrom(i - chunk) & ~BitsFrom(end - chunk);
        const ChunkMarks& mark = marks[chunk / kZeroChunk];
        const std::uint64_t zeros = mark.zeros & wanted;
        m_masks[written & kRingMask] = {start + chunk, zeros};
        written += zeros != 0 ? 1 : 0;
        if (zerosSeen < kListCapacity) [[unlikely]] {
            zerosSeen += static_cast<std::uint64_t>(std::popcount(zeros));
        }
        if ((mark.above & wanted) != 0) [[unlikely]] {
            // Marked against an older threshold, early in the run most counts may be: what is above
            // the threshold now is picked out afresh.
            std::uint64_t above = 0;
            ChunkMask(counts + chunk, end - chunk, topsMin, m_byteScan, above);
            topsMin = OfferToTops(counts, start, chunk, above & wanted, topsMin);
        }
        i = end;
    }
    m_masksWritten = written;
    m_zerosSeen = zerosSeen;
    m_topsMin = topsMin;
}

void ListKeeper::Mark(const std::uint32_t* counts, std::uint32_t size, ChunkMarks* marks) const {
    // The threshold may have risen since: the marks then name a few counts too many, which the lists
    // try against the threshold as it stands.
    const std::uint32_t topsMin = m_markingTopsMin.load(std::memory_order_relaxed);
    for (std::uint32_t i = 0; i < size; i += kZeroChunk) {
        ChunkMarks& mark = marks[i / kZeroChunk];
        mark.zeros = ChunkMask(counts + i, std::min(size - i, kZeroChunk), topsMin, m_byteScan, mark.above);
    }
}

std::uint32_t ListKeeper::OfferToTops(const std::uint32_t* counts, std::uint32_t start, std::uint32_t from,
                                      std::uint64_t above, std::uint32_t topsMin) {
    for (; above != 0; above &= above - 1) {
        // The threshold rises with every entry: a count above the old one may no longer be above it.
        const std::uint32_t j = from + static_cast<std::uint32_t>(std::countr_zero(above));
        if (counts[j] > topsMin) {
            topsMin = EnterTops(counts[j], start + j);
        }
    }
    return topsMin;
}

void ListKeeper::Offer(std::uint32_t c, std::uint32_t rank, std::uint32_t& topsMin, std::uint32_t& flopsMax) {
    if (c > topsMin) {
        topsMin = EnterTops(c, rank);
    } else if (c <= flopsMax) {
        flopsMax = EnterFlops(c, rank);
    }
}

std::uint32_t ListKeeper::EnterTops(std::uint32_t c, std::uint32_t rank) {
    if (m_topsQueued) {
        return EnterTopsQueue(c, rank);
    }
    EnterHeap(m_tops, KeyOf(c, rank), std::less<>());
    if (m_tops.size() < kListCapacity) {
        return 0;
    }
    // Full: into one stack of ranks per count from the worst count on (ranks ascending, so the latest,
    // the worst of its count, on top), counts beyond those in m_topsOver.
    m_topsQueued = true;
    m_topsBase = CountOf(m_tops.front());
    m_topsLow = 0;
    m_topsOver.clear();
    Requeue(m_tops);
    return m_topsBase;
}

// Every entry is above the threshold, so it is never the one that drops out: that is the latest rank of
// the lowest count.
std::uint32_t ListKeeper::EnterTopsQueue(std::uint32_t c, std::uint32_t rank) {
    if (c - m_topsBase < kQueueCounts) {
        m_topsQueue[c - m_topsBase].push_back(rank);
    } else {
        m_topsOver.push_back(KeyOf(c, rank));
    }
    std::vector<std::uint32_t>& lowest = m_topsQueue[m_topsLow];
    lowest.pop_back();
    if (lowest.empty()) {
        while (m_topsLow < kQueueCounts && m_topsQueue[m_topsLow].empty()) {
            ++m_topsLow;
        }
        if (m_topsLow == kQueueCounts) {
            // Every entry is beyond the stacks: they start again at the lowest count.
            std::vector<std::uint64_t> over;
            over.swap(m_topsOver);
            m_topsBase = CountOf(*std::min_element(over.begin(), over.end()));
            m_topsLow = 0;
            Requeue(over);
        }
    }
    return m_topsBase + m_topsLow;
}

// Puts entries (any order) into the stacks by rank, or into m_topsOver beyond them.
void ListKeeper::Requeue(std::vector<std::uint64_t>& entries) {
    std::sort(entries.begin(), entries.end(), [](std::uint64_t a, std::uint64_t b) { return RankOf(a) < RankOf(b); });
    for (const std::uint64_t key : entries) {
        const std::uint32_t c = CountOf(key);
        if (c - m_topsBase < kQueueCounts) {
            m_topsQueue[c - m_topsBase].push_back(RankOf(key));
        } else {
            m_topsOver.push_back(key);
        }
    }
}

std::uint32_t ListKeeper::EnterFlops(std::uint32_t c, std::uint32_t rank) {
    if (m_flopsQueued) {
        return EnterFlopsQueue(c, rank);
    }
    EnterHeap(m_flops, KeyOf(c, rank), std::greater<>());
    if (m_flops.size() < kListCapacity) {
        return kFreeFlopsCount;
    }
    const std::uint32_t worst = CountOf(m_flops.front());
    if (worst < kQueueCounts) {
        // Into one queue per count, each in rank order: the latest rank is the best of its count.
        std::vector<std::uint64_t> sorted = m_flops;
        std::sort(sorted.begin(), sorted.end(), [](std::uint64_t a, std::uint64_t b) {
            return CountOf(a) != CountOf(b) ? CountOf(a) < CountOf(b) : RankOf(a) < RankOf(b);
        });
        for (const std::uint64_t key : sorted) {
            m_queue[CountOf(key)].push_back(RankOf(key));
        }
        m_queueTop = worst;
        m_flopsQueued = true;
        if (worst == 0) {
            StartZeroRing();
        }
    }
    return worst;
}

// The worst entry is the earliest rank of the highest count; a new entry is the latest of its count.
std::uint32_t ListKeeper::EnterFlopsQueue(std::uint32_t c, std::uint32_t rank) {
    m_queue[c].push_back(rank);
    std::vector<std::uint32_t>& worst = m_queue[m_queueTop];
    std::uint32_t& head = m_queueHead[m_queueTop];
    if (++head == worst.size()) {
        worst.clear();
        head = 0;
        while (m_queue[m_queueTop].empty()) {
            --m_queueTop;
        }
    } else if (head >= 2 * kListCapacity) {
        // Keep a queue of one count from growing with every entry it passes on.
        worst.erase(worst.begin(), worst.begin() + head);
        head = 0;
    }
    if (m_queueTop == 0) {
        StartZeroRing();
    }
    return m_queueTop;
}

// The flops list holds nothing but count 0 (in its queue, ranks ascending).
void ListKeeper::StartZeroRing() {
    const std::vector<std::uint32_t>& zeros = m_queue[0];
    std::copy(zeros.begin() + m_queueHead[0], zeros.end(), m_zeroSeed.begin());
    m_zeroSeedSize = kListCapacity;
    m_masksWritten = 0;
    m_zerosSeen = 0;
    m_zeroRing = true;
}

} // namespace qv
