#include "engine/analysis/ComboRun.h"

#include "engine/analysis/Combinations.h"
#include "engine/core/GameTables.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <thread>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qv {
namespace {

void CheckSize(int k) {
    if (k < kMinRunSize || k > kMaxRunSize) {
        throw std::invalid_argument("combination run: size outside 2 to 5");
    }
}

void CheckLength(int k, std::span<const std::uint32_t> counts) {
    if (counts.size() > CombinationsOf70(k)) {
        throw std::invalid_argument("combination lists: more counts than combinations");
    }
}

// ---- The literal method -------------------------------------------------------------------------

using LiteralList = std::array<ComboEntry, kListCapacity>;

// Inserts at position capacity - m, where m counts the entries from the end that pass the test; the
// entries from there move one place down and the last one drops out.
template <class Passes>
bool InsertByShifting(LiteralList& list, const NumberSet& set, std::int32_t count, Passes passes) {
    int m = 0;
    while (m < kListCapacity && passes(list[kListCapacity - 1 - m].count)) {
        ++m;
    }
    if (m == 0) {
        return false;
    }
    const int pos = kListCapacity - m;
    for (int i = kListCapacity - 1; i > pos; --i) {
        list[i] = list[i - 1];
    }
    list[pos] = {set, count};
    return true;
}

// Offers a combination to the tops list and, only if it does not enter there, to the flops list.
void OfferLiteral(LiteralList& tops, LiteralList& flops, const NumberSet& set, std::int32_t count) {
    if (!InsertByShifting(tops, set, count, [count](std::int32_t e) { return e < count; })) {
        InsertByShifting(flops, set, count, [count](std::int32_t e) { return e >= count; });
    }
}

void ClearLiteral(LiteralList& tops, LiteralList& flops) {
    tops.fill({{}, 0});
    flops.fill({{}, kFreeFlopsCount});
}

// ---- The program's method: counts block by block ------------------------------------------------

// A draw as the counting needs it: its numbers 1 to 70 ascending, a bit mask of them, and for every
// position of a combination (level) the table value R[level][number] of each of its numbers.
// Only the first count entries of num and r (and position of the members) are ever written or read, so they are left
// uninitialised (a period of 10000 draws would otherwise clear 15 MB first).
struct DrawNumbers {
    DrawNumbers() {} // NOLINT: leaves num, r and position uninitialised on purpose
    std::array<std::uint8_t, kNumbersInGame> num;
    int count = 0;
    std::uint64_t low = 0;  // numbers 1 to 63
    std::uint64_t high = 0; // numbers 64 to 70
    std::array<std::array<std::int32_t, kNumbersInGame>, kMaxRunSize> r;

    bool Has(int n) const { return n < 64 ? ((low >> n) & 1) != 0 : ((high >> (n - 64)) & 1) != 0; }
    // The position of a member n among the draw's numbers.
    int PositionOf(int n) const { return position[n]; }
    std::array<std::uint8_t, kNumbersInGame + 1> position; // of the members only
};

// A draw that holds the prefix of the current block, and the position of the prefix's last number.
struct Candidate {
    std::uint32_t draw;
    int pos;
};

// A block: the combinations that start with the same first numbers (the prefix: a1, or a1 and a2, or
// none), ranks start .. start+size-1.
struct Block {
    std::uint8_t a1 = 0; // 0 = no prefix
    std::uint8_t a2 = 0; // 0 = a prefix of one number at most
    std::int32_t prefixR = 0;
    std::uint32_t start = 0;
    std::uint32_t size = 0;
};

// rank(a1 < ... < ak) = C(70, k) - 1 - sum of R[j][aj] with R[j][a] = C(70 - a, k - j) (0-based j).
// All combinations with the same first numbers (the block's prefix) have consecutive ranks, and the
// blocks in lexicographic order of their prefixes cover the ranks in order. A block holds at most
// C(69, 3) = 52394 counts, so it stays in the processor's cache while the draws are counted into it.
class BlockCounter {
public:
    BlockCounter(int k, std::span<const NumberSet> draws)
        : m_k(k)
        , m_prefix(k >= 4 ? k - 3 : 0)
        , m_total(static_cast<std::int32_t>(CombinationsOf70(k))) {
        for (int j = 0; j < k; ++j) {
            for (int a = 0; a <= kNumbersInGame; ++a) {
                m_r[j][a] = static_cast<std::int32_t>(SmallBinomial(kNumbersInGame - a, k - j));
            }
        }
        m_draws.resize(draws.size());
        for (std::size_t d = 0; d < draws.size(); ++d) {
            DrawNumbers& dn = m_draws[d];
            draws[d].ForEach([&dn](int n) {
                if (n >= 1 && n <= kNumbersInGame) {
                    dn.position[n] = static_cast<std::uint8_t>(dn.count);
                    dn.num[dn.count++] = static_cast<std::uint8_t>(n);
                    (n < 64 ? dn.low : dn.high) |= std::uint64_t{1} << (n & 63);
                }
            });
            for (int j = 0; j < k; ++j) {
                for (int i = 0; i < dn.count; ++i) {
                    dn.r[j][i] = m_r[j][dn.num[i]];
                }
            }
        }
        MakeBlocks();
    }

    // The largest block: the first one.
    std::uint32_t MaxBlockSize() const { return m_blocks.front().size; }

    // The blocks in rank order.
    const std::vector<Block>& Blocks() const { return m_blocks; }

    std::size_t DrawCount() const { return m_draws.size(); }

    // Counts the draws of one block into counts (size of the block, zeroed). A cursor belongs to one
    // thread and is given the blocks in rank order: it keeps the draws that hold the first number of
    // the prefix from one block to the next.
    class Cursor {
    public:
        explicit Cursor(const BlockCounter& counter)
            : m_counter(counter) {
            const std::size_t n = counter.m_draws.size();
            m_all.reserve(n);
            m_first.reserve(n);
            m_second.reserve(n);
            for (std::uint32_t d = 0; d < n; ++d) {
                m_all.push_back({d, -1});
            }
        }

        void Count(const Block& block, std::uint32_t* counts) {
            if (block.a1 == 0) {
                m_counter.CountBlock(m_all, block, counts);
                return;
            }
            if (block.a1 != m_a1) {
                m_counter.Filter(m_all, block.a1, m_first);
                m_a1 = block.a1;
            }
            if (block.a2 == 0) {
                m_counter.CountBlock(m_first, block, counts);
                return;
            }
            m_counter.Filter(m_first, block.a2, m_second);
            m_counter.CountBlock(m_second, block, counts);
        }

    private:
        const BlockCounter& m_counter;
        std::vector<Candidate> m_all;
        std::vector<Candidate> m_first;
        std::vector<Candidate> m_second;
        int m_a1 = 0;
    };

    // For every block in rank order: counts = target(start, size) (zeroed, size counts), then the draws
    // are counted into it and visit(start, counts, size) sees it; visit returns false to stop.
    template <class Target, class Visit>
    bool Run(Target&& target, Visit&& visit) const {
        Cursor cursor(*this);
        for (const Block& block : m_blocks) {
            std::uint32_t* counts = target(block.start, block.size);
            cursor.Count(block, counts);
            if (!visit(block.start, static_cast<const std::uint32_t*>(counts), block.size)) {
                return false;
            }
        }
        return true;
    }

private:
    void MakeBlocks() {
        const int q = m_k - m_prefix;
        const auto add = [this, q](int a1, int a2, int last, std::int32_t prefixR) {
            // The block starts with the prefix followed by last+1, last+2, ...
            std::int32_t startR = prefixR;
            for (int j = 0; j < q; ++j) {
                startR += m_r[m_prefix + j][last + 1 + j];
            }
            m_blocks.push_back({static_cast<std::uint8_t>(a1), static_cast<std::uint8_t>(a2), prefixR,
                                static_cast<std::uint32_t>(m_total - 1 - startR),
                                static_cast<std::uint32_t>(SmallBinomial(kNumbersInGame - last, q))});
        };
        if (m_prefix == 0) {
            add(0, 0, 0, 0);
            return;
        }
        for (int a1 = 1; a1 <= kNumbersInGame - m_k + 1; ++a1) {
            if (m_prefix == 1) {
                add(a1, 0, a1, m_r[0][a1]);
                continue;
            }
            for (int a2 = a1 + 1; a2 <= kNumbersInGame - q; ++a2) {
                add(a1, a2, a2, m_r[0][a1] + m_r[1][a2]);
            }
        }
    }

    void Filter(const std::vector<Candidate>& from, int n, std::vector<Candidate>& to) const {
        to.clear();
        for (const Candidate& c : from) {
            const DrawNumbers& dn = m_draws[c.draw];
            if (dn.Has(n)) {
                to.push_back({c.draw, dn.PositionOf(n)});
            }
        }
    }

    // The candidates hold the block's prefix; each adds its subsets of the numbers after the prefix.
    void CountBlock(const std::vector<Candidate>& candidates, const Block& block, std::uint32_t* counts) const {
        const int q = m_k - m_prefix;
        // local index = rank - start = startR - prefixR - (R values of the numbers after the prefix)
        const std::int32_t base = m_total - 1 - static_cast<std::int32_t>(block.start) - block.prefixR;
        const int l0 = m_prefix;
        for (const Candidate& c : candidates) {
            const DrawNumbers& dn = m_draws[c.draw];
            const int m = dn.count;
            const std::int32_t* r0 = dn.r[l0].data();
            const std::int32_t* r1 = dn.r[l0 + 1].data();
            if (q == 2) {
                for (int i = c.pos + 1; i < m - 1; ++i) {
                    const std::int32_t bi = base - r0[i];
                    for (int j = i + 1; j < m; ++j) {
                        ++counts[bi - r1[j]];
                    }
                }
            } else {
                const std::int32_t* r2 = dn.r[l0 + 2].data();
                for (int i = c.pos + 1; i < m - 2; ++i) {
                    const std::int32_t bi = base - r0[i];
                    for (int j = i + 1; j < m - 1; ++j) {
                        const std::int32_t bj = bi - r1[j];
                        for (int l = j + 1; l < m; ++l) {
                            ++counts[bj - r2[l]];
                        }
                    }
                }
            }
        }
    }

    int m_k;
    int m_prefix;
    std::int32_t m_total;
    std::array<std::array<std::int32_t, kNumbersInGame + 1>, kMaxRunSize> m_r{};
    std::vector<DrawNumbers> m_draws;
    std::vector<Block> m_blocks;
};

// ---- The program's method: the two lists ---------------------------------------------------------

struct Ranked {
    std::uint32_t count;
    std::uint32_t rank;
};

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

// Offered every combination in rank order, keeps what the shifted lists would hold. The tops list is
// always the best entries by TopsBefore among those with a count above 0, and the flops list the best
// by FlopsBefore among those offered to it: each is a heap with its worst entry on top. The entry
// thresholds only ever move one way (tops up, flops down). Once the flops list is full of count 0 it
// takes nothing but count 0, and every such combination pushes out the earliest one: from then on it
// is a ring of the latest ranks.
class ListKeeper {
public:
    ListKeeper(std::uint64_t interval, const WorkControl& control)
        : m_interval(interval)
        , m_nextReport(interval)
        , m_control(control) {
        m_tops.reserve(kListCapacity);
        m_flops.reserve(kListCapacity);
    }

    // The counts of one block, ranks start .. start+size-1; false when cancelled.
    bool Take(const std::uint32_t* counts, std::uint32_t start, std::uint32_t size) {
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

    std::vector<ComboEntry> Tops(int k) const {
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

    std::vector<ComboEntry> Flops(int k) const {
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

private:
    // Counts are looked at in chunks: a chunk none of whose counts can enter either list is passed over
    // as a whole. Before the flops list is full of count 0 a chunk is that small, since entries are
    // frequent then; afterwards a chunk is a 64-bit mask of its zero counts.
    static constexpr std::uint32_t kSkipChunk = 16;
    static constexpr std::uint32_t kZeroChunk = 64;

    void Scan(const std::uint32_t* counts, std::uint32_t start, std::uint32_t from, std::uint32_t to) {
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
                for (std::uint32_t j = i; j < i + n; ++j) {
                    if (counts[j] > topsMin) {
                        topsMin = EnterTops(counts[j], start + j);
                    }
                }
            }
            i += n;
        }
        m_masksWritten = written;
        m_topsMin = topsMin;
        m_flopsMax = flopsMax;
    }

    // Whether one of kSkipChunk counts is above topsMin or at most flopsMax.
    static bool AnyOutside(const std::uint32_t* c, std::uint32_t topsMin, std::uint32_t flopsMax) {
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
    static std::uint64_t ZeroMask64(const std::uint32_t* c, std::uint32_t topsMin, bool& above) {
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
            const __m128i a01 = _mm_or_si128(_mm_cmpgt_epi32(_mm_xor_si128(v0, bias), top),
                                             _mm_cmpgt_epi32(_mm_xor_si128(v1, bias), top));
            const __m128i a23 = _mm_or_si128(_mm_cmpgt_epi32(_mm_xor_si128(v2, bias), top),
                                             _mm_cmpgt_epi32(_mm_xor_si128(v3, bias), top));
            hit = _mm_or_si128(hit, _mm_or_si128(a01, a23));
        }
        above = _mm_movemask_epi8(hit) != 0;
        return mask;
#else
        return ZeroMaskShort(c, kZeroChunk, topsMin, above);
#endif
    }

    static std::uint64_t ZeroMaskShort(const std::uint32_t* c, std::uint32_t n, std::uint32_t topsMin, bool& above) {
        std::uint64_t mask = 0;
        above = false;
        for (std::uint32_t j = 0; j < n; ++j) {
            mask |= static_cast<std::uint64_t>(c[j] == 0 ? 1 : 0) << j;
            above |= c[j] > topsMin;
        }
        return mask;
    }

    // Returns the new entry threshold: a count must be above it to enter.
    std::uint32_t EnterTops(std::uint32_t c, std::uint32_t rank) {
        EnterHeap(m_tops, {c, rank}, TopsBefore{});
        return m_tops.size() == kListCapacity ? m_tops.front().count : 0;
    }

    // Returns the new entry threshold: a count must be at most it to enter.
    std::uint32_t EnterFlops(std::uint32_t c, std::uint32_t rank) {
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

// ---- The program's method: two threads --------------------------------------------------------

// Counting the blocks takes most of a run of four or five numbers, so a second thread counts blocks too.
// Blocks are counted into a ring of buffers, each by whichever thread claims it next; the calling
// thread alone hands them to the lists, in rank order, and so alone reports progress and reads the
// cancel flag. While its next block is not counted yet, the calling thread counts a later one itself.
// A block b may be claimed once block b - kSlots has been handed over, which frees its buffer.
class TwoThreadRun {
public:
    TwoThreadRun(const BlockCounter& counter, ListKeeper& lists)
        : m_counter(counter)
        , m_blocks(counter.Blocks())
        , m_lists(lists)
        , m_helperCursor(counter) {
        for (auto& buffer : m_buffers) {
            // Left uninitialised: a block clears only the part it uses.
            buffer = std::make_unique_for_overwrite<std::uint32_t[]>(counter.MaxBlockSize());
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
                    ready.wait(seen, std::memory_order_acquire);
                }
            }
            const Block& block = m_blocks[b];
            const bool going = m_lists.Take(m_buffers[b % kSlots].get(), block.start, block.size);
            m_handed.store(b + 1, std::memory_order_release);
            m_handed.notify_one();
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
                m_handed.wait(handed, std::memory_order_acquire);
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
        std::memset(counts, 0, block.size * sizeof(std::uint32_t));
        cursor.Count(block, counts);
        std::atomic<std::uint32_t>& ready = m_ready[b % kSlots];
        ready.store(b, std::memory_order_release);
        ready.notify_one();
        return true;
    }

    void Stop() {
        m_stop.store(true, std::memory_order_release);
        // Wakes the helper if it waits for a buffer.
        m_handed.store(kNone - kSlots, std::memory_order_release);
        m_handed.notify_one();
    }

    const BlockCounter& m_counter;
    const std::vector<Block>& m_blocks;
    ListKeeper& m_lists;
    BlockCounter::Cursor m_helperCursor; // made here, so that the helper allocates nothing
    std::array<std::unique_ptr<std::uint32_t[]>, kSlots> m_buffers;
    std::array<std::atomic<std::uint32_t>, kSlots> m_ready{}; // the block counted into each buffer
    std::atomic<std::uint32_t> m_claimed{0};                  // blocks claimed for counting
    std::atomic<std::uint32_t> m_handed{0};                   // blocks handed to the lists
    std::atomic<bool> m_stop{false};
    std::jthread m_helper; // last: joined before the rest goes
};

// A second thread pays off where the counting is heavy: runs of four and five numbers over more than a
// handful of draws, on a machine with a second core.
bool UseTwoThreads(int k, std::size_t draws) {
    return k >= 4 && draws >= 8 && std::thread::hardware_concurrency() >= 2;
}

} // namespace

std::uint64_t RunProgressInterval(int k) {
    return k <= 2 ? 1 : k == 3 ? 100 : 2000;
}

ComboRunResult RunCombinationsLiteral(int k, std::vector<NumberSet> periodSets, const WorkControl& control) {
    CheckSize(k);
    auto topsList = std::make_unique<LiteralList>();
    auto flopsList = std::make_unique<LiteralList>();
    LiteralList& tops = *topsList;
    LiteralList& flops = *flopsList;
    ClearLiteral(tops, flops);
    const std::uint64_t interval = RunProgressInterval(k);
    std::uint64_t counter = 0;

    std::array<int, kMaxRunSize> a{};
    for (int j = 0; j < k; ++j) {
        a[j] = j + 1;
    }
    while (true) {
        ++counter;
        if (counter % interval == 0 && control.progress) {
            control.progress(counter);
        }
        NumberSet combination;
        for (int j = 0; j < k; ++j) {
            combination.Add(a[j]);
        }
        std::int32_t count = 0;
        for (const NumberSet& draw : periodSets) {
            if ((combination & draw) == combination) {
                ++count;
            }
        }
        if (control.Cancelled()) {
            return {true, {}, {}};
        }
        OfferLiteral(tops, flops, combination, count);

        int j = k - 1;
        while (j >= 0 && a[j] == kNumbersInGame - k + 1 + j) {
            --j;
        }
        if (j < 0) {
            break;
        }
        ++a[j];
        for (int i = j + 1; i < k; ++i) {
            a[i] = a[i - 1] + 1;
        }
    }
    return {false, {tops.begin(), tops.end()}, {flops.begin(), flops.end()}};
}

ComboRunResult RunCombinations(int k, std::vector<NumberSet> periodSets, const WorkControl& control) {
    CheckSize(k);
    const BlockCounter counter(k, periodSets);
    ListKeeper lists(RunProgressInterval(k), control);
    bool done = false;
    if (UseTwoThreads(k, periodSets.size())) {
        TwoThreadRun run(counter, lists);
        done = run.Run();
    } else {
        std::vector<std::uint32_t> block(counter.MaxBlockSize());
        done = counter.Run(
            [&block](std::uint32_t, std::uint32_t size) {
                std::memset(block.data(), 0, size * sizeof(std::uint32_t));
                return block.data();
            },
            [&lists](std::uint32_t start, const std::uint32_t* counts, std::uint32_t size) {
                return lists.Take(counts, start, size);
            });
    }
    if (!done) {
        return {true, {}, {}};
    }
    return {false, lists.Tops(k), lists.Flops(k)};
}

ComboRunResult KeepListsLiteral(int k, std::span<const std::uint32_t> counts) {
    CheckSize(k);
    CheckLength(k, counts);
    auto tops = std::make_unique<LiteralList>();
    auto flops = std::make_unique<LiteralList>();
    ClearLiteral(*tops, *flops);
    for (std::size_t r = 0; r < counts.size(); ++r) {
        OfferLiteral(*tops, *flops, CombinationAt(k, r), static_cast<std::int32_t>(counts[r]));
    }
    return {false, {tops->begin(), tops->end()}, {flops->begin(), flops->end()}};
}

ComboRunResult KeepLists(int k, std::span<const std::uint32_t> counts) {
    CheckSize(k);
    CheckLength(k, counts);
    const WorkControl none;
    ListKeeper lists(RunProgressInterval(k), none);
    lists.Take(counts.data(), 0, static_cast<std::uint32_t>(counts.size()));
    return {false, lists.Tops(k), lists.Flops(k)};
}

std::vector<std::uint32_t> CountAllCombinations(int k, std::span<const NumberSet> draws) {
    CheckSize(k);
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

std::string DurationText(std::uint32_t elapsedMs) {
    const std::uint32_t h = elapsedMs / 3600000;
    const std::uint32_t m = (elapsedMs % 3600000) / 60000;
    const std::uint32_t s = (elapsedMs % 60000) / 1000;
    const std::uint32_t t = (elapsedMs % 1000) / 100;
    const auto twoDigits = [](std::uint32_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return "Dauer: " + std::to_string(h) + ":" + twoDigits(m) + ":" + twoDigits(s) + "," + std::to_string(t);
}

} // namespace qv
