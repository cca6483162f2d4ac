#include "engine/core/SlipFile.h"

#include "engine/core/FileError.h"
#include "engine/core/SafeFile.h"

#include <algorithm>
#include <cstddef>
#include <system_error>

namespace qv {

std::optional<TSchein> ReadSlipFile(const std::filesystem::path& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    const std::size_t records = bytes->size() / TSchein::kSize;
    if (records == 0) {
        return TSchein{};
    }
    return TSchein::FromBytes(
        std::span<const std::uint8_t>(*bytes).subspan((records - 1) * TSchein::kSize).first<TSchein::kSize>());
}

void WriteSlipFile(const std::filesystem::path& path, const TSchein& slip) {
    std::array<std::uint8_t, TSchein::kSize> bytes{};
    slip.ToBytes(bytes);
    WriteFileSafely(path, bytes);
}

std::string SlipDisplayName(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    const auto point = name.rfind('.');
    if (point != std::string::npos) {
        name.erase(point);
    }
    return name;
}

bool IsOldSlipFile(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return !ec && size == kOldSlipSize;
}

TSchein SlipFromOldRecord(std::span<const std::uint8_t, kOldSlipSize> bytes) {
    TSchein slip;
    for (int f = 0; f < 5; ++f) {
        std::copy_n(bytes.begin() + std::ptrdiff_t{f} * TSchein::kFieldWidth, TSchein::kFieldWidth, slip.Z[f].begin());
        slip.kenotyp[f] = bytes[80 + static_cast<std::size_t>(f)];
    }
    slip.einsatz = bytes[88];
    return slip;
}

TSchein ConvertOldSlipFile(const std::filesystem::path& path, const std::filesystem::path& dataFolder) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes || bytes->size() != kOldSlipSize) {
        throw FileError(path, "keine Spielschein-Datei im alten Format");
    }
    const TSchein slip = SlipFromOldRecord(std::span<const std::uint8_t>(*bytes).first<kOldSlipSize>());

    // Keep a copy of the old file first, then replace it: a failure at any step loses nothing.
    const std::filesystem::path oldFolder = dataFolder / "AlteDateien";
    std::error_code ec;
    std::filesystem::create_directories(oldFolder, ec);
    if (ec) {
        throw FileError(oldFolder, ec.message());
    }
    WriteFileSafely(oldFolder / path.filename(), *bytes);
    WriteSlipFile(path, slip);
    return slip;
}

} // namespace qv
