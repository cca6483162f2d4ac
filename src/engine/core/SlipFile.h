#pragma once

#include "engine/core/FileError.h"
#include "engine/core/Records.h"

#include <filesystem>
#include <optional>
#include <string>

namespace qv {

// A slip file ("KENO-Schein-Datei", extension kts) is a sequence of 90-byte TSchein records without
// header; every writer writes exactly one. A reader takes the last whole record; an empty file is the
// all-zero slip and a trailing part shorter than a record is never read.
inline constexpr const char* kSlipExtension = "kts";
inline constexpr const char* kSlipFileFilter = "KENO-Schein-Datei|*.kts";

// The slip of the file, or nothing when no file exists at path. Throws FileError when unreadable.
std::optional<TSchein> ReadSlipFile(const std::filesystem::path& path);

// A slip file whose contents no slip of the game can have: a field of more than ten numbers, a number
// outside 1 to 70 or twice in one field, a stake or draw-count index outside its table. The message
// names the file and the first such field.
class SlipContentError : public FileError {
public:
    using FileError::FileError;
};

// The first impossible content of slip as "Feld 3: …", or nothing. A field of one number is no tip of
// the game but a slip the tip-row entry window writes; it is shown and wins nothing.
std::optional<std::string> SlipContentProblem(const TSchein& slip);

// The slip of the file as every reader uses it: an old 96-byte slip taken in the current layout (the
// file itself stays as it is), the contents checked. Nothing when no file exists at path. Throws
// FileError when it cannot be read and SlipContentError when its contents are impossible.
std::optional<TSchein> LoadSlip(const std::filesystem::path& path);

// Replaces the file with the one record of slip (safely: the old file stays whole on failure).
void WriteSlipFile(const std::filesystem::path& path, const TSchein& slip);

// The name shown for a slip: the file name without folder and without the text from its last point.
std::string SlipDisplayName(const std::filesystem::path& path);

// Older versions wrote one 96-byte record: the numbers of fields 1 to 5 in ten-byte blocks from
// offset 0, their counts at offsets 80 to 84 and the stake index at offset 88. A file of exactly 96
// bytes is taken to be such a slip: no writer of the current layout produces that size (a current
// file is a whole number of 90-byte records), so the two cannot be confused.
inline constexpr std::size_t kOldSlipSize = 96;
bool IsOldSlipFile(const std::filesystem::path& path);
TSchein SlipFromOldRecord(std::span<const std::uint8_t, kOldSlipSize> bytes);

// Turns an old slip file into the current layout: moves the old file into the folder "AlteDateien"
// of dataFolder (created when missing, the file keeps its name) and writes the converted slip under
// the old name. Returns the converted slip. Throws FileError when a step fails; the old file is
// moved only after the new record has been written beside it.
TSchein ConvertOldSlipFile(const std::filesystem::path& path, const std::filesystem::path& dataFolder);

} // namespace qv
