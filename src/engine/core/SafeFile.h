#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace qv {

// Reads a whole file. Nothing when no file exists at path; FileError when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path);

// Replaces the file at path with bytes: they are written to a temporary file beside it, flushed to
// disk and renamed over the target. When any step fails the temporary file is removed, the old file
// stays whole and FileError is thrown.
void WriteFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace qv
