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

// Throws FileError (nothing written) when a draw file of count draws could not be read again: more
// than kMaxDraws.
void CheckDrawCountForSave(const std::filesystem::path& path, std::size_t count);

// Writes every draw, in order, replacing the file safely (the old file stays whole on failure). More
// than kMaxDraws draws are refused (CheckDrawCountForSave).
void SaveDraws(const std::filesystem::path& path, std::span<const TGewZahlen> draws);

// Sets the date of draw j to dates[j], then saves: the date list of the main window is the authority
// for the dates of draws added while the program runs. dates must have one entry per draw.
void SaveDraws(const std::filesystem::path& path, std::vector<TGewZahlen>& draws, std::span<const TDate> dates);

// The number of whole records in the file at path; 0 when there is no file.
std::size_t DrawCountOfFile(const std::filesystem::path& path);

// Copies the draw file at path, byte for byte, to a new file beside it named after the day given:
// BelgienKenoZahlen-2026-12-11.tpp, then -2, -3, ... when that name is taken (an existing file is
// never replaced). Returns the backup's path; throws FileError when it cannot be written.
std::filesystem::path KeepDrawFileBackup(const std::filesystem::path& path, int year, int month, int day);

std::vector<TGewZahlen> DrawsFromBytes(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> DrawsToBytes(std::span<const TGewZahlen> draws);

} // namespace qv
