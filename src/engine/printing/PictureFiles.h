#pragma once

#include <filesystem>
#include <string>

namespace qv {

// Pictures of grids are always JPEG files: whatever extension the user typed is replaced by ".jpg"
// ("Muster.png" becomes "Muster.jpg", "Muster" becomes "Muster.jpg").
std::filesystem::path JpegPathFor(const std::filesystem::path& chosen);

// The folder "shots" in the data folder, where saving pictures starts.
inline constexpr const char* kShotsFolderName = "shots";

// The lowest and highest JPEG quality the picture window offers.
inline constexpr int kMinJpegQuality = 36;
inline constexpr int kMaxJpegQuality = 100;

} // namespace qv
