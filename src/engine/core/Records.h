#pragma once

#include "engine/core/NumberSet.h"

#include <array>
#include <cstdint>
#include <span>

namespace qv {

// A day as the program stores it: days since 30 December 1899 (day 0); draw dates are whole numbers.
using TDate = double;

// One draw, 32 bytes in the draw file:
//   offset 0, 8 bytes  datum   the draw date, IEEE-754 double, little-endian
//   offset 8, 20 bytes GZ 1-20 the 20 winning numbers, one unsigned byte each
//   offset 28, 4 bytes GZ 21-24 reserved, zero in every draw the program creates, carried along unchanged
// GZ[0] is position 1. A draw added but not yet saved has the date 0 and 20 zero numbers.
struct TGewZahlen {
    static constexpr std::size_t kSize = 32;

    TDate datum = 0;
    std::array<std::uint8_t, 24> GZ{};

    // The set of positions 1 to 20; a number stored twice counts once.
    NumberSet Numbers() const;
    // True when all 20 numbers lie within 1 to 70.
    bool IsComplete() const;

    static TGewZahlen FromBytes(std::span<const std::uint8_t, kSize> bytes);
    void ToBytes(std::span<std::uint8_t, kSize> bytes) const;

    bool operator==(const TGewZahlen&) const = default;
};

// The numbers of one draw in ascending order (at most 20; unused positions 0).
struct TGZsort {
    std::array<std::uint8_t, 20> GZ{};
};

// One slip, 90 bytes in a slip file:
//   offset 0, 80 bytes  Z          eight fields of ten bytes; field f's p-th number at 10*(f-1) + p-1
//   offset 80, 1 byte   einsatz    stake index into StakeEuros
//   offset 81, 1 byte   Ziehungen  draw-count index into DrawCounts
//   offset 82, 8 bytes  kenotyp    count of numbers per field, 0 = empty field
// Fields are indexed from 0 here: Z[0] and kenotyp[0] belong to field 1.
struct TSchein {
    static constexpr std::size_t kSize = 90;
    static constexpr int kFields = 8;
    static constexpr int kFieldWidth = 10;

    std::array<std::array<std::uint8_t, kFieldWidth>, kFields> Z{};
    std::uint8_t einsatz = 0;
    std::uint8_t Ziehungen = 0;
    std::array<std::uint8_t, kFields> kenotyp{};

    // The numbers a field counts with: its first kenotyp numbers, never more than the ten bytes it has.
    std::span<const std::uint8_t> FieldNumbers(int field) const;
    NumberSet FieldSet(int field) const;
    bool FieldUsed(int field) const { return kenotyp[field] != 0; }

    static TSchein FromBytes(std::span<const std::uint8_t, kSize> bytes);
    void ToBytes(std::span<std::uint8_t, kSize> bytes) const;

    bool operator==(const TSchein&) const = default;
};

// One slip as it is being edited in the slip entry window, 656 bytes:
//   offset 0, 560 bytes  Z        eight fields of 70 booleans; field f, number n at (f-1)*70 + n-1
//   offset 560, 8 x 4    Anz      per field, count of marked numbers (signed 32-bit, little-endian)
//   offset 592, 8 x 4    typ      per field, the Keno type it is saved with
//   offset 624, 8 x 4    Einsatz  per field, a stake value
struct TScheinBool {
    static constexpr std::size_t kSize = 656;

    std::array<std::array<bool, 70>, 8> Z{};
    std::array<std::int32_t, 8> Anz{};
    std::array<std::int32_t, 8> typ{};
    std::array<std::int32_t, 8> Einsatz{};

    // A field is complete when at least two numbers are marked.
    bool FieldComplete(int field) const { return Anz[field] >= 2; }

    static TScheinBool FromBytes(std::span<const std::uint8_t, kSize> bytes);
    void ToBytes(std::span<std::uint8_t, kSize> bytes) const;

    bool operator==(const TScheinBool&) const = default;
};

} // namespace qv
