#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

class IniFile;

// The widths a player gave the columns of a grid, kept in the settings file: section "Spaltenbreiten",
// one key per window and grid ("FAnalyse.G1"), the widths in pixels separated by commas ("45,180,45").

inline constexpr const char* kColumnWidthSection = "Spaltenbreiten";
// Widths outside 1 to kMaxColumnWidth, and columns after kMaxKeptColumns, are not kept.
inline constexpr int kMaxColumnWidth = 4000;
inline constexpr int kMaxKeptColumns = 200;

// The widths of a setting's text; 0 for a column whose width is missing or no whole number in range (the
// grid then keeps its own width there). Never longer than kMaxKeptColumns.
std::vector<int> ParseColumnWidths(std::string_view text);
// The setting's text for widths (the inverse of ParseColumnWidths for widths in range).
std::string FormatColumnWidths(const std::vector<int>& widths);

// The widths kept for grid of window, empty when none are (or the settings file cannot be read).
std::vector<int> ReadColumnWidths(const IniFile& settings, const std::string& window, const std::string& grid);
// Keeps widths for grid of window; throws FileError when the settings file cannot be written.
void WriteColumnWidths(const IniFile& settings, const std::string& window, const std::string& grid,
                       const std::vector<int>& widths);

} // namespace qv
