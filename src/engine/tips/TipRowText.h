#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qv {

// A text file of tip rows, one row per line: the numbers separated by a single space, comma or
// semicolon (or a run of tabs), as spreadsheets and other programs write them. The tip-row entry
// window, the print window and the command-line tool read it the same way: ParseTipRows(DecodeTextFile).

// The cells of one tip-row grid row: column 0 the row number, 1 the draw count, 2 the stake in euros,
// 3 to 12 the numbers. All text (UTF-8).
inline constexpr int kTipRowColumns = 13;
inline constexpr int kFirstNumberColumn = 3;
using TipRowCells = std::array<std::string, kTipRowColumns>;

// The largest text file of tip rows the program reads (every reader: the tip-row entry window, the
// print window, the command-line tool): one megabyte holds some 30000 rows, far more than anyone
// plays; a larger file is most likely not a list of tip rows at all.
inline constexpr std::size_t kMaxTipRowFileBytes = std::size_t{1024} * 1024;
// The most rows such a file may give. Each row takes some 400 bytes in memory, so a megabyte of
// one-number lines would otherwise take some 200 MB.
inline constexpr std::size_t kMaxTipRows = 50000;

// Reads a text file of tip rows the one way every reader does: at most kMaxTipRowFileBytes bytes,
// decoded (DecodeTextFile), split into rows (ParseTipRows), at most kMaxTipRows of them, and the rows
// at the end without any number dropped (DropTrailingEmptyRows). Nothing when there is no file;
// throws FileError, naming the file, when it cannot be read or is too large.
std::optional<std::vector<TipRowCells>> ReadTipRowFile(const std::filesystem::path& path);
// The same for the file's bytes, read already from path (named in the messages).
std::vector<TipRowCells> TipRowsFromBytes(std::span<const std::uint8_t> bytes, const std::filesystem::path& path);

// The file's text as UTF-8: a byte-order mark (UTF-8, UTF-16 little- or big-endian) names the
// encoding and is dropped; otherwise the bytes are taken as UTF-8 when they are valid UTF-8 and as
// Windows-1252 when they are not.
std::string DecodeTextFile(std::span<const std::uint8_t> bytes);

// The lines of a text, split at CR LF, LF or CR.
std::vector<std::string> SplitLines(const std::string& text);

// The grid rows of a text of tip rows. Every line is trimmed; when the text holds a space, every space
// counts as a comma, then every semicolon does too. Each non-empty line gives one row: its items from
// column 3 on (an empty item, between two separators in a row or after a separator at the end, is a
// single space; a control character such as a tab ends an item; a double quote starts an item that
// runs to the next one, two quotes in a row standing for one, and what follows the closing quote is
// the next item; items beyond column 12 are dropped). Columns 0 to 2 hold a single space.
std::vector<TipRowCells> ParseTipRows(const std::string& text);

// Drops the rows at the end whose number cells (columns 3 to 12) are all empty or blank: they belong
// to no slip. Row 1 is kept.
void DropTrailingEmptyRows(std::vector<TipRowCells>& rows);

} // namespace qv
