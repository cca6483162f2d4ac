#pragma once

#include "engine/core/Records.h"

#include <filesystem>
#include <span>
#include <vector>

namespace qv {

// The draw history file "BelgienKenoZahlen.tpp": 32-byte TGewZahlen records one after another, oldest
// first, no header. The record count is the file size divided by 32, rounded down; a trailing part
// shorter than a record is never read. Nothing is validated, sorted or merged: the file order, dates,
// duplicates and the reserved bytes stand as they are.
inline constexpr const char* kDrawFileName = "BelgienKenoZahlen.tpp";

// No real history comes near this (one draw a day for some 270 years); a bigger file is refused.
inline constexpr std::size_t kMaxDraws = 100000;

// The draws of the file; an empty list when no file exists. Throws FileError when it cannot be read or
// holds more than kMaxDraws draws.
std::vector<TGewZahlen> LoadDraws(const std::filesystem::path& path);

// Writes every draw, in order, replacing the file safely (the old file stays whole on failure).
void SaveDraws(const std::filesystem::path& path, std::span<const TGewZahlen> draws);

// Sets the date of draw j to dates[j], then saves: the date list of the main window is the authority
// for the dates of draws added while the program runs. dates must have one entry per draw.
void SaveDraws(const std::filesystem::path& path, std::vector<TGewZahlen>& draws, std::span<const TDate> dates);

std::vector<TGewZahlen> DrawsFromBytes(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> DrawsToBytes(std::span<const TGewZahlen> draws);

} // namespace qv
