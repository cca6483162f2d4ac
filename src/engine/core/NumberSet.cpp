#include "engine/core/NumberSet.h"

namespace qv {

std::array<std::uint8_t, NumberSet::kBytes> NumberSet::ToBytes() const {
    std::array<std::uint8_t, kBytes> bytes{};
    for (int b = 0; b < kBytes; ++b) {
        bytes[b] = static_cast<std::uint8_t>(m_words[b / 8] >> (8 * (b % 8)));
    }
    return bytes;
}

NumberSet NumberSet::FromBytes(const std::array<std::uint8_t, kBytes>& bytes) {
    NumberSet set;
    for (int b = 0; b < kBytes; ++b) {
        set.m_words[b / 8] |= std::uint64_t{bytes[b]} << (8 * (b % 8));
    }
    return set;
}

} // namespace qv
