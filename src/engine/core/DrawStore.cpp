#include "engine/core/DrawStore.h"

#include "engine/core/FileError.h"
#include "engine/core/PathText.h"
#include "engine/core/SafeFile.h"

#include <cerrno>
#include <stdexcept>
#include <string>
#include <system_error>

namespace qv {

std::vector<TGewZahlen> DrawsFromBytes(std::span<const std::uint8_t> bytes) {
    std::vector<TGewZahlen> draws;
    const std::size_t count = bytes.size() / TGewZahlen::kSize;
    draws.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        draws.push_back(TGewZahlen::FromBytes(bytes.subspan(i * TGewZahlen::kSize).first<TGewZahlen::kSize>()));
    }
    return draws;
}

std::vector<std::uint8_t> DrawsToBytes(std::span<const TGewZahlen> draws) {
    std::vector<std::uint8_t> bytes(draws.size() * TGewZahlen::kSize);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        draws[i].ToBytes(std::span(bytes).subspan(i * TGewZahlen::kSize).first<TGewZahlen::kSize>());
    }
    return bytes;
}

std::vector<TGewZahlen> LoadDraws(const std::filesystem::path& path) {
    constexpr std::uint64_t kMaxBytes = kMaxDraws * TGewZahlen::kSize + (TGewZahlen::kSize - 1);
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxBytes) {
        throw FileError(path, "Die Ziehungsdatei " + Quoted(path) + " hält mehr als " + std::to_string(kMaxDraws) +
                                  " Ziehungen und wird nicht gelesen; sie bleibt unverändert.");
    }
    const auto bytes = ReadWholeFile(path, kMaxBytes);
    return bytes ? DrawsFromBytes(*bytes) : std::vector<TGewZahlen>{};
}

void CheckDrawCountForSave(const std::filesystem::path& path, std::size_t count) {
    if (count > kMaxDraws) {
        throw FileError(path, "Die Ziehungsdatei " + Quoted(path) + " würde mit " + std::to_string(count) +
                                  " Ziehungen mehr als " + std::to_string(kMaxDraws) +
                                  " halten und könnte nicht mehr gelesen werden; sie wird nicht gespeichert und "
                                  "bleibt unverändert.");
    }
}

void SaveDraws(const std::filesystem::path& path, std::span<const TGewZahlen> draws) {
    CheckDrawCountForSave(path, draws.size());
    WriteFileSafely(path, DrawsToBytes(draws));
}

std::size_t DrawCountOfFile(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? 0 : static_cast<std::size_t>(size / TGewZahlen::kSize);
}

std::filesystem::path KeepDrawFileBackup(const std::filesystem::path& path, int year, int month, int day) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        throw FileError::ReadFailed(path, ENOENT);
    }
    const auto twoDigits = [](int value) { return (value < 10 ? "0" : "") + std::to_string(value); };
    const std::string stem =
        PathText(path.stem()) + "-" + std::to_string(year) + "-" + twoDigits(month) + "-" + twoDigits(day);
    for (int n = 1;; ++n) {
        std::filesystem::path backup = path;
        backup.replace_filename(
            PathFromText(stem + (n == 1 ? std::string() : "-" + std::to_string(n)) + PathText(path.extension())));
        if (WriteNewFileSafely(backup, *bytes)) {
            return backup;
        }
    }
}

void SaveDraws(const std::filesystem::path& path, std::vector<TGewZahlen>& draws, std::span<const TDate> dates) {
    if (dates.size() != draws.size()) {
        throw std::invalid_argument("SaveDraws: one date per draw expected");
    }
    for (std::size_t j = 0; j < draws.size(); ++j) {
        draws[j].datum = dates[j];
    }
    SaveDraws(path, std::span<const TGewZahlen>(draws));
}

} // namespace qv
