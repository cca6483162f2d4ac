#pragma once

// What the safe save does alike on every system: the names of temporary files, the messages, the
// sentence about a batch. Only SafeFile*.cpp include this.

#include "engine/core/FileError.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace qv::safe_file {

// A temporary file younger than this may belong to a save running in another process right now.
inline constexpr auto kStaleAfter = std::chrono::minutes(5);
inline constexpr std::size_t kTemporarySuffixLength = 6;

// A fresh name for a temporary file of the file called target: target's name, ".tmp" and six random
// letters or digits.
std::string TemporaryName(const std::string& target);
// Starts the random part of the names afresh from seed (on this thread), so that a test knows the
// next name.
void SeedTemporaryNames(std::uint32_t seed);

// Whether a folder entry called name is a temporary file of ours for one of targets (file names).
bool IsTemporaryOfOneOf(const std::string& name, const std::set<std::string>& targets);

// The refusals of a read, the same on every system.
FileError FolderNotFile(const std::filesystem::path& path);
FileError NoRegularFile(const std::filesystem::path& path);
FileError TooBig(const std::filesystem::path& path, std::uint64_t size, std::uint64_t maxBytes);
FileError GrewTooBig(const std::filesystem::path& path);

// The refusals of a save.
inline constexpr const char* kNoRegularFile = "Sie ist keine gewöhnliche Datei.";
inline constexpr const char* kReadOnly = "Sie ist schreibgeschützt.";
inline constexpr const char* kHardLinked = "Sie hat weitere harte Verknüpfungen, die beim Ersetzen getrennt würden.";
inline constexpr const char* kOwnerNotKept = "Ihr Eigentümer und ihre Gruppe können nicht beibehalten werden.";

// What a failed rename in a batch of `total` files means for the others: `committed` files before it are
// new already (newNames, quoted), the ones after it are unchanged. Empty for a batch of one.
std::string BatchSentence(std::size_t total, std::size_t committed, const std::vector<std::string>& newNames);

} // namespace qv::safe_file
