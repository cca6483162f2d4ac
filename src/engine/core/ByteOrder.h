#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

namespace qv {

// Little-endian reads and writes at explicit offsets. The record layouts of the program's files are
// defined byte by byte; these helpers keep that independent of the machine's own byte order.

inline std::uint64_t ReadU64LE(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) {
        v = (v << 8) | bytes[offset + static_cast<std::size_t>(i)];
    }
    return v;
}

inline void WriteU64LE(std::span<std::uint8_t> bytes, std::size_t offset, std::uint64_t v) {
    for (std::size_t i = 0; i < 8; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

inline std::int32_t ReadI32LE(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | bytes[offset + static_cast<std::size_t>(i)];
    }
    return static_cast<std::int32_t>(v);
}

inline void WriteI32LE(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

inline double ReadDoubleLE(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return std::bit_cast<double>(ReadU64LE(bytes, offset));
}

inline void WriteDoubleLE(std::span<std::uint8_t> bytes, std::size_t offset, double value) {
    WriteU64LE(bytes, offset, std::bit_cast<std::uint64_t>(value));
}

} // namespace qv
