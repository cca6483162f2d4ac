#pragma once

#include "engine/core/Records.h"
#include "engine/tips/TipRowText.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qv {

// Tip rows become slips in groups of eight: row r (from 1) is field (r - 1) mod 8 + 1 of slip
// (r - 1) div 8 + 1, and the first row of each slip (1, 9, 17, ...) carries its draw count (column 1)
// and stake in euros (column 2). rows[0] is row 1. Refusals are the program's German messages (UTF-8).

// Checks the draw count and stake of every slip's first row (row 1 even when there is none), column 1
// before column 2; each checked cell is trimmed in place. Nothing when all pass, else the message.
std::optional<std::string> ValidateRowGroups(std::vector<TipRowCells>& rows);

// Checks every number a save would write: the cells from column 3 up to the first empty one (at most
// ten) must each hold a whole number of 1 to 70, none twice in a row. Nothing when all pass.
std::optional<std::string> CheckRowNumbers(const std::vector<TipRowCells>& rows);

// The slips of rows that passed both checks, one per group of eight rows.
std::vector<TSchein> SlipsFromRows(const std::vector<TipRowCells>& rows);

// File k of a save under the chosen name: C:\Tipps\Woche.kts gives C:\Tipps\Woche-1.kts, Woche-2.kts, ...
std::filesystem::path NumberedSlipPath(const std::filesystem::path& chosen, int k);
// The files written, as the window names them: "Woche1-3.kts" for three files from Woche.kts.
std::string SavedFilesName(const std::filesystem::path& chosen, int count);
// "Eine Dateie gespeichert" or the count followed by " Dateien gespeichert".
std::string SavedFilesCount(int count);

struct RowsSaved {
    std::optional<std::string> refusal; // the message when nothing was written
    std::vector<std::filesystem::path> files;
};
// Checks all rows, then writes one slip file per group of eight rows next to the chosen name (the
// chosen name itself is not written; existing files are replaced). Nothing is written when a check
// fails. The files are saved as one batch: throws FileError when they cannot be written, which then
// says which of them, if any, are new already.
RowsSaved SaveRowsAsSlips(std::vector<TipRowCells>& rows, const std::filesystem::path& chosen);

} // namespace qv
