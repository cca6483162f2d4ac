#include "engine/core/DrawStore.h"

#include "engine/core/SafeFile.h"

#include <stdexcept>

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
    const auto bytes = ReadWholeFile(path);
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
