#include "engine/analysis/BlockCounter.h"

#include "engine/analysis/Combinations.h"
#include "engine/analysis/Processor.h"
#include "engine/core/GameTables.h"

#include <algorithm>
#include <bit>

#if defined(QV_X86_RUNTIME_CHOICE)
#include <immintrin.h>
#endif

namespace qv {
namespace {

// The counting once for any processor and, on x86-64, once with the instructions that count and
// extract bits, chosen when the counter is made.
namespace portable {
inline int Popcount(std::uint64_t x) {
    return std::popcount(x);
}
inline std::uint64_t Pext(std::uint64_t x, std::uint64_t m) {
    std::uint64_t kept = 0;
    for (std::uint64_t bit = 1; m != 0; bit <<= 1, m &= m - 1) {
        kept |= (x & m & (~m + 1)) != 0 ? bit : 0;
    }
    return kept;
}
#include "engine/analysis/BitRowCounting.inc"
} // namespace portable

#if defined(QV_X86_RUNTIME_CHOICE)
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("popcnt,bmi2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("popcnt,bmi2")
#endif
namespace fast {
inline int Popcount(std::uint64_t x) {
    return static_cast<int>(_mm_popcnt_u64(x));
}
inline std::uint64_t Pext(std::uint64_t x, std::uint64_t m) {
    return _pext_u64(x, m);
}
#include "engine/analysis/BitRowCounting.inc"
} // namespace fast
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
#endif

bool HasFastBitInstructions() {
#if defined(QV_X86_RUNTIME_CHOICE)
    return __builtin_cpu_supports("popcnt") && __builtin_cpu_supports("bmi2");
#else
    return false;
#endif
}

} // namespace

BlockCounter::BlockCounter(int k, std::span<const NumberSet> draws, Instructions instructions)
    : m_k(k)
    , m_prefix(k >= 4 ? k - 3 : 0)
    , m_fast(instructions == Instructions::Best && HasFastBitInstructions())
    , m_words(static_cast<int>((draws.size() + 63) / 64)) {
    m_rows.assign(static_cast<std::size_t>(kNumbersInGame + 1) * static_cast<std::size_t>(m_words), 0);
    for (std::size_t d = 0; d < draws.size(); ++d) {
        std::uint64_t* column = m_rows.data() + d / 64;
        const std::uint64_t bit = std::uint64_t{1} << (d % 64);
        draws[d].ForEach([this, column, bit](int n) {
            if (n >= 1 && n <= kNumbersInGame) {
                column[static_cast<std::size_t>(n) * static_cast<std::size_t>(m_words)] |= bit;
            }
        });
    }
    MakeBlocks();
}

int BlockCounter::CompactRows(const std::uint64_t* rows, int words, int c, std::uint64_t* next,
                              std::uint8_t* bits) const {
#if defined(QV_X86_RUNTIME_CHOICE)
    if (m_fast) {
        return fast::CompactRows(rows, words, c, c + 1, next, bits);
    }
#endif
    return portable::CompactRows(rows, words, c, c + 1, next, bits);
}

void BlockCounter::CountRest(const std::uint64_t* rows, int words, const Block& block, std::uint64_t* scratch,
                             std::uint8_t* bits, std::uint32_t* out) const {
    const int left = m_k - m_prefix;
#if defined(QV_X86_RUNTIME_CHOICE)
    if (m_fast) {
        fast::CountRest(rows, words, block.from, block.to, left, scratch, bits, out);
        return;
    }
#endif
    portable::CountRest(rows, words, block.from, block.to, left, scratch, bits, out);
}

BlockCounter::Cursor::Cursor(const BlockCounter& counter)
    : m_counter(counter) {
    // Compacted rows are never longer than the rows of all draws.
    const std::size_t size = counter.m_rows.size();
    if (counter.m_prefix >= 1) {
        m_first.resize(size);
    }
    if (counter.m_prefix >= 2) {
        m_second.resize(size);
    }
    if (counter.m_k >= 3) {
        m_scratch.resize(size);
    }
    m_bits.resize(static_cast<std::size_t>(counter.m_words));
}

void BlockCounter::Cursor::Count(const Block& block, std::uint32_t* counts) {
    const std::uint64_t* rows = m_counter.m_rows.data();
    int words = m_counter.m_words;
    if (block.a1 != 0) {
        if (block.a1 != m_a1) {
            m_firstWords = m_counter.CompactRows(rows, words, block.a1, m_first.data(), m_bits.data());
            m_a1 = block.a1;
            m_a2 = 0;
        }
        rows = m_first.data();
        words = m_firstWords;
    }
    if (block.a2 != 0) {
        if (block.a2 != m_a2) {
            m_secondWords = m_counter.CompactRows(rows, words, block.a2, m_second.data(), m_bits.data());
            m_a2 = block.a2;
        }
        rows = m_second.data();
        words = m_secondWords;
    }
    m_counter.CountRest(rows, words, block, m_scratch.data(), m_bits.data(), counts);
}

void BlockCounter::MakeBlocks() {
    const int q = m_k - m_prefix;
    std::uint32_t start = 0;
    const auto add = [this, &start](int a1, int a2, int from, int to, std::uint32_t size) {
        m_blocks.push_back({static_cast<std::uint8_t>(a1), static_cast<std::uint8_t>(a2),
                            static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to), start, size});
        start += size;
        m_maxBlockSize = std::max(m_maxBlockSize, size);
    };
    // The combinations after a prefix ending in last, cut where a block would grow beyond kBlockTarget.
    const auto addAfter = [q, &add](int a1, int a2, int last) {
        if (q == 2) {
            add(a1, a2, last + 1, last + 1, static_cast<std::uint32_t>(SmallBinomial(kNumbersInGame - last, 2)));
            return;
        }
        int from = last + 1;
        std::uint32_t size = 0;
        for (int c = last + 1; c <= kNumbersInGame - 2; ++c) {
            const auto part = static_cast<std::uint32_t>(SmallBinomial(kNumbersInGame - c, 2));
            if (size != 0 && size + part > kBlockTarget) {
                add(a1, a2, from, c - 1, size);
                from = c;
                size = 0;
            }
            size += part;
        }
        add(a1, a2, from, kNumbersInGame - 2, size);
    };
    if (m_prefix == 0) {
        addAfter(0, 0, 0);
        return;
    }
    for (int a1 = 1; a1 <= kNumbersInGame - m_k + 1; ++a1) {
        if (m_prefix == 1) {
            addAfter(a1, 0, a1);
            continue;
        }
        for (int a2 = a1 + 1; a2 <= kNumbersInGame - q; ++a2) {
            addAfter(a1, a2, a2);
        }
    }
}

} // namespace qv
