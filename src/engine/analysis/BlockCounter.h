#pragma once

#include "engine/core/NumberSet.h"

#include <cstdint>
#include <span>
#include <vector>

namespace qv {

// A block: the combinations that start with the same first numbers (the prefix: a1, or a1 and a2, or
// none) and whose last three numbers vary, the first of those from `from` to `to` (for k = 2 the last
// two numbers vary over all pairs); ranks start .. start+size-1.
struct Block {
    std::uint8_t a1 = 0; // 0 = no prefix
    std::uint8_t a2 = 0; // 0 = a prefix of one number at most
    std::uint8_t from = 0;
    std::uint8_t to = 0;
    std::uint32_t start = 0;
    std::uint32_t size = 0;
};

// Counts every combination of size k against the draws, block by block in rank order. Each number has
// a row of bits, one per draw; the draws that hold a combination's first numbers are found by
// compacting the rows of the later numbers to the bits of each fixed number in turn, and the last two
// numbers are counted by the bits their rows share. All rows but the first stay in the processor's
// first- or second-level cache; a block holds at most kBlockTarget counts unless one value of its first
// varying number alone has more (C(68, 2) = 2278 at most), and at most C(70, 2) = 2415 for k = 2.
class BlockCounter {
public:
    // Best: the processor's instructions that count and extract bits where it has them; Portable: plain
    // operations only (what a processor without them runs).
    enum class Instructions { Best, Portable };

    BlockCounter(int k, std::span<const NumberSet> draws, Instructions instructions = Instructions::Best);

    static constexpr std::uint32_t kBlockTarget = 16384;

    // The largest block.
    std::uint32_t MaxBlockSize() const { return m_maxBlockSize; }

    // The blocks in rank order.
    const std::vector<Block>& Blocks() const { return m_blocks; }

    // Counts the draws of one block into counts (size of the block; every entry is written). A cursor
    // belongs to one thread and is given the blocks in rank order: it keeps the rows for the prefix
    // from one block to the next.
    class Cursor {
    public:
        explicit Cursor(const BlockCounter& counter);

        void Count(const Block& block, std::uint32_t* counts);

    private:
        const BlockCounter& m_counter;
        std::vector<std::uint64_t> m_first;   // the rows after the prefix's first number
        std::vector<std::uint64_t> m_second;  // the rows after its second number
        std::vector<std::uint64_t> m_scratch; // the rows after the block's first varying number
        std::vector<std::uint8_t> m_bits;
        int m_firstWords = 0;
        int m_secondWords = 0;
        int m_a1 = 0;
        int m_a2 = 0;
    };

    // For every block in rank order: counts = target(start, size) (size counts, each written), then the
    // draws are counted into it and visit(start, counts, size) sees it; visit returns false to stop.
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
    void MakeBlocks();
    int CompactRows(const std::uint64_t* rows, int words, int c, std::uint64_t* next, std::uint8_t* bits) const;
    void CountRest(const std::uint64_t* rows, int words, const Block& block, std::uint64_t* scratch, std::uint8_t* bits,
                   std::uint32_t* out) const;

    int m_k;
    int m_prefix;
    bool m_fast;                       // the processor counts bits and extracts them in one instruction each
    int m_words;                       // per row of all draws
    std::vector<std::uint64_t> m_rows; // row n at n * m_words, bit d set when draw d holds n
    std::vector<Block> m_blocks;
    std::uint32_t m_maxBlockSize = 0;
};

} // namespace qv
