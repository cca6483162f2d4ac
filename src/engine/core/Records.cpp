#include "engine/core/Records.h"

#include "engine/core/ByteOrder.h"

#include <algorithm>
#include <cstddef>

namespace qv {

NumberSet TGewZahlen::Numbers() const {
    NumberSet set;
    for (int p = 0; p < 20; ++p) {
        set.Add(GZ[p]);
    }
    return set;
}

bool TGewZahlen::IsComplete() const {
    return std::all_of(GZ.begin(), GZ.begin() + 20, [](std::uint8_t n) { return n >= 1 && n <= 70; });
}

TGewZahlen TGewZahlen::FromBytes(std::span<const std::uint8_t, kSize> bytes) {
    TGewZahlen draw;
    draw.datum = ReadDoubleLE(bytes, 0);
    std::copy_n(bytes.begin() + 8, 24, draw.GZ.begin());
    return draw;
}

void TGewZahlen::ToBytes(std::span<std::uint8_t, kSize> bytes) const {
    WriteDoubleLE(bytes, 0, datum);
    std::copy(GZ.begin(), GZ.end(), bytes.begin() + 8);
}

std::span<const std::uint8_t> TSchein::FieldNumbers(int field) const {
    const std::size_t count = std::min<std::size_t>(kenotyp[field], kFieldWidth);
    return std::span<const std::uint8_t>(Z[field]).first(count);
}

NumberSet TSchein::FieldSet(int field) const {
    NumberSet set;
    for (std::uint8_t n : FieldNumbers(field)) {
        set.Add(n);
    }
    return set;
}

TSchein TSchein::FromBytes(std::span<const std::uint8_t, kSize> bytes) {
    TSchein slip;
    for (int f = 0; f < kFields; ++f) {
        std::copy_n(bytes.begin() + std::ptrdiff_t{f} * kFieldWidth, kFieldWidth, slip.Z[f].begin());
    }
    slip.einsatz = bytes[80];
    slip.Ziehungen = bytes[81];
    std::copy_n(bytes.begin() + 82, kFields, slip.kenotyp.begin());
    return slip;
}

void TSchein::ToBytes(std::span<std::uint8_t, kSize> bytes) const {
    for (int f = 0; f < kFields; ++f) {
        std::copy(Z[f].begin(), Z[f].end(), bytes.begin() + std::ptrdiff_t{f} * kFieldWidth);
    }
    bytes[80] = einsatz;
    bytes[81] = Ziehungen;
    std::copy(kenotyp.begin(), kenotyp.end(), bytes.begin() + 82);
}

TScheinBool TScheinBool::FromBytes(std::span<const std::uint8_t, kSize> bytes) {
    TScheinBool slip;
    for (std::size_t f = 0; f < 8; ++f) {
        for (std::size_t n = 0; n < 70; ++n) {
            slip.Z[f][n] = bytes[f * 70 + n] != 0;
        }
        slip.Anz[f] = ReadI32LE(bytes, 560 + 4 * f);
        slip.typ[f] = ReadI32LE(bytes, 592 + 4 * f);
        slip.Einsatz[f] = ReadI32LE(bytes, 624 + 4 * f);
    }
    return slip;
}

void TScheinBool::ToBytes(std::span<std::uint8_t, kSize> bytes) const {
    for (std::size_t f = 0; f < 8; ++f) {
        for (std::size_t n = 0; n < 70; ++n) {
            bytes[f * 70 + n] = Z[f][n] ? 1 : 0;
        }
        WriteI32LE(bytes, 560 + 4 * f, Anz[f]);
        WriteI32LE(bytes, 592 + 4 * f, typ[f]);
        WriteI32LE(bytes, 624 + 4 * f, Einsatz[f]);
    }
}

} // namespace qv
