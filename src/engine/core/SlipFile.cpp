#include "engine/core/SlipFile.h"

#include "engine/core/FileError.h"
#include "engine/core/GameTables.h"
#include "engine/core/PathText.h"
#include "engine/core/SafeFile.h"

#include <algorithm>
#include <cstddef>
#include <system_error>

namespace qv {

namespace {

// The last whole 90-byte record of a file's bytes; the all-zero slip when there is none.
TSchein LastRecord(std::span<const std::uint8_t> bytes) {
    const std::size_t records = bytes.size() / TSchein::kSize;
    if (records == 0) {
        return TSchein{};
    }
    return TSchein::FromBytes(bytes.subspan((records - 1) * TSchein::kSize).first<TSchein::kSize>());
}

} // namespace

std::optional<TSchein> ReadSlipFile(const std::filesystem::path& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    return LastRecord(*bytes);
}

std::optional<std::string> SlipContentProblem(const TSchein& slip) {
    for (int f = 0; f < TSchein::kFields; ++f) {
        const std::string field = "Feld " + std::to_string(f + 1) + ": ";
        const int count = slip.kenotyp[static_cast<std::size_t>(f)];
        if (count > kMaxKenoType) {
            return field + "Keno-Typ " + std::to_string(count) + " gibt es nicht (höchstens 10 Zahlen)";
        }
        NumberSet seen;
        for (const std::uint8_t number : slip.FieldNumbers(f)) {
            if (number < 1 || number > kNumbersInGame) {
                return field + "die Zahl " + std::to_string(number) + " liegt nicht zwischen 1 und 70";
            }
            if (seen.Contains(number)) {
                return field + "die Zahl " + std::to_string(number) + " steht mehrmals darin";
            }
            seen.Add(number);
        }
    }
    if (!StakeEurosAt(slip.einsatz)) {
        return "Einsatz: der Wert " + std::to_string(slip.einsatz) + " steht für keinen Einsatz des Spiels";
    }
    if (!DrawCountAt(slip.Ziehungen)) {
        return "Ziehungen: der Wert " + std::to_string(slip.Ziehungen) + " steht für keine Anzahl von Ziehungen";
    }
    return std::nullopt;
}

std::optional<TSchein> LoadSlip(const std::filesystem::path& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> content(*bytes);
    const TSchein slip =
        content.size() == kOldSlipSize ? SlipFromOldRecord(content.first<kOldSlipSize>()) : LastRecord(content);
    if (const auto problem = SlipContentProblem(slip)) {
        throw SlipContentError(path, "Die Datei " + Quoted(path) + " ist kein gültiger Spielschein (" + *problem +
                                         "); sie wird nicht verwendet.");
    }
    return slip;
}

void WriteSlipFile(const std::filesystem::path& path, const TSchein& slip) {
    std::array<std::uint8_t, TSchein::kSize> bytes{};
    slip.ToBytes(bytes);
    WriteFileSafely(path, bytes);
}

std::string SlipDisplayName(const std::filesystem::path& path) {
    std::string name = PathText(path.filename());
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
        throw FileError(path, "Die Datei " + Quoted(path) +
                                  " ist keine Spielschein-Datei im alten Format; sie bleibt unverändert.");
    }
    const TSchein slip = SlipFromOldRecord(std::span<const std::uint8_t>(*bytes).first<kOldSlipSize>());

    // Keep a copy of the old file first, then replace it: a failure at any step loses nothing.
    const std::filesystem::path oldFolder = dataFolder / "AlteDateien";
    std::error_code ec;
    std::filesystem::create_directories(oldFolder, ec);
    if (ec) {
        throw FileError(oldFolder,
                        "Der Ordner " + Quoted(oldFolder) +
                            " für die alten Dateien kann nicht angelegt werden; der Spielschein bleibt unverändert.",
                        ec.message());
    }
    WriteFileSafely(oldFolder / path.filename(), *bytes);
    WriteSlipFile(path, slip);
    return slip;
}

} // namespace qv
