#include "engine/core/DrawStore.h"

#include "engine/core/FileError.h"
#include "engine/core/SafeFile.h"

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

void SaveDraws(const std::filesystem::path& path, std::span<const TGewZahlen> draws) {
    WriteFileSafely(path, DrawsToBytes(draws));
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
