#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <initializer_list>

namespace qv {

// A set of the numbers 0 to 255 in 32 bytes. Every hit count of the game is the member count of the
// intersection of two such sets. As bytes (ToBytes/FromBytes), number n is bit (n mod 8) of byte
// (n div 8), least significant bit first; in memory four 64-bit words hold the same bits, word w
// carrying the numbers 64w to 64w+63.
class NumberSet {
public:
    static constexpr int kBytes = 32;

    constexpr NumberSet() = default;
    constexpr NumberSet(std::initializer_list<int> numbers) {
        for (int n : numbers) {
            Add(n);
        }
    }

    constexpr void Add(int n) { m_words[Word(n)] |= Bit(n); }
    constexpr void Remove(int n) { m_words[Word(n)] &= ~Bit(n); }
    constexpr bool Contains(int n) const { return n >= 0 && n < 256 && (m_words[Word(n)] & Bit(n)) != 0; }
    constexpr void Clear() { m_words = {}; }

    constexpr int Count() const {
        return std::popcount(m_words[0]) + std::popcount(m_words[1]) + std::popcount(m_words[2]) +
               std::popcount(m_words[3]);
    }
    constexpr bool Empty() const { return Count() == 0; }

    constexpr NumberSet operator&(const NumberSet& other) const {
        NumberSet r;
        for (int w = 0; w < 4; ++w) {
            r.m_words[w] = m_words[w] & other.m_words[w];
        }
        return r;
    }
    constexpr NumberSet operator|(const NumberSet& other) const {
        NumberSet r;
        for (int w = 0; w < 4; ++w) {
            r.m_words[w] = m_words[w] | other.m_words[w];
        }
        return r;
    }
    constexpr bool operator==(const NumberSet&) const = default;

    // True when every member of this set is a member of other.
    constexpr bool IsSubsetOf(const NumberSet& other) const { return (*this & other) == *this; }

    std::array<std::uint8_t, kBytes> ToBytes() const;
    static NumberSet FromBytes(const std::array<std::uint8_t, kBytes>& bytes);

    // The 64 members 64w to 64w+63 as bits, for code that works on words.
    constexpr std::uint64_t WordBits(int w) const { return m_words[w]; }

    // Calls f(n) for every member n, ascending.
    template <class F>
    constexpr void ForEach(F&& f) const {
        for (int w = 0; w < 4; ++w) {
            for (std::uint64_t bits = m_words[w]; bits != 0; bits &= bits - 1) {
                f(w * 64 + std::countr_zero(bits));
            }
        }
    }

private:
    static constexpr int Word(int n) { return (n >> 6) & 3; }
    static constexpr std::uint64_t Bit(int n) { return std::uint64_t{1} << (n & 63); }

    std::array<std::uint64_t, 4> m_words{};
};

static_assert(sizeof(NumberSet) == NumberSet::kBytes);

// Member count of the intersection: the hits of a tip against a draw.
constexpr int HitCount(const NumberSet& a, const NumberSet& b) {
    return (a & b).Count();
}

} // namespace qv
