#pragma once

#include "engine/analysis/Combinations.h"
#include "engine/core/GameTables.h"
#include "engine/core/NumberSet.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace qv {

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
    BlockCounter(int k, std::span<const NumberSet> draws);

    // The largest block: the first one.
    std::uint32_t MaxBlockSize() const { return m_blocks.front().size; }

    // The blocks in rank order.
    const std::vector<Block>& Blocks() const { return m_blocks; }

    // Counts the draws of one block into counts (size of the block, zeroed). A cursor belongs to one
    // thread and is given the blocks in rank order: it keeps the draws that hold the first number of
    // the prefix from one block to the next.
    class Cursor {
    public:
        explicit Cursor(const BlockCounter& counter);

        void Count(const Block& block, std::uint32_t* counts);

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
    void MakeBlocks();
    void Filter(const std::vector<Candidate>& from, int n, std::vector<Candidate>& to) const;
    // The candidates hold the block's prefix; each adds its subsets of the numbers after the prefix.
    void CountBlock(const std::vector<Candidate>& candidates, const Block& block, std::uint32_t* counts) const;

    int m_k;
    int m_prefix;
    std::int32_t m_total;
    std::array<std::array<std::int32_t, kNumbersInGame + 1>, kMaxRunSize> m_r{};
    std::vector<DrawNumbers> m_draws;
    std::vector<Block> m_blocks;
};

} // namespace qv
