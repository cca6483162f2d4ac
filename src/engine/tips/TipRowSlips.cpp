#include "engine/tips/TipRowSlips.h"

#include "engine/core/GameTables.h"
#include "engine/core/PathText.h"
#include "engine/core/SafeFile.h"
#include "engine/core/SlipFile.h"

#include <algorithm>
#include <charconv>

namespace qv {

namespace {

constexpr const char* kAbort = "\r\rIch breche erst einmal ab.";
constexpr int kRowsPerSlip = 8;

bool IsControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string Trimmed(const std::string& text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsControlOrBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsControlOrBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

// A whole number written with an optional sign and decimal digits, nothing for anything else.
std::optional<long long> WholeNumber(const std::string& text) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 12) {
        return std::nullopt;
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string NotAnInteger(const std::string& text) {
    return "'" + text + "' ist kein gültiger Integerwert";
}

std::optional<std::string> CheckValue(std::string& cell, int row, const char* name, const NumberSet& allowed) {
    cell = Trimmed(cell);
    if (cell.empty()) {
        return "Es fehlt eine Angabe für " + std::string(name) + " für Feld " + std::to_string(row) + "." + kAbort;
    }
    const std::optional<long long> value = WholeNumber(cell);
    if (!value) {
        return NotAnInteger(cell);
    }
    if (*value < 0 || *value > 255 || !allowed.Contains(static_cast<int>(*value))) {
        return cell + " für Feld " + std::to_string(row) + " ist kein zulässiger Wert für " + name + "." + kAbort;
    }
    return std::nullopt;
}

// The number cells of a row a save takes: from column 3 up to the first empty cell, at most ten.
std::vector<std::string> NumberCells(const TipRowCells& cells) {
    std::vector<std::string> taken;
    for (int column = kFirstNumberColumn; column < kTipRowColumns && !cells[column].empty(); ++column) {
        taken.push_back(cells[column]);
    }
    return taken;
}

int CellNumber(const std::string& cell) {
    return static_cast<int>(WholeNumber(Trimmed(cell)).value_or(0));
}

} // namespace

std::optional<std::string> ValidateRowGroups(std::vector<TipRowCells>& rows) {
    if (rows.empty()) {
        TipRowCells none;
        return CheckValue(none[1], 1, "die Anzahl der Ziehungen", AllowedDrawCounts);
    }
    for (std::size_t first = 0; first < rows.size(); first += kRowsPerSlip) {
        const int row = static_cast<int>(first) + 1;
        if (auto refusal = CheckValue(rows[first][1], row, "die Anzahl der Ziehungen", AllowedDrawCounts)) {
            return refusal;
        }
        if (auto refusal = CheckValue(rows[first][2], row, "den Einsatz", AllowedStakes)) {
            return refusal;
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckRowNumbers(const std::vector<TipRowCells>& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string row = std::to_string(r + 1);
        NumberSet seen;
        for (const std::string& cell : NumberCells(rows[r])) {
            const std::optional<long long> value = WholeNumber(Trimmed(cell));
            if (!value || *value < 1 || *value > kNumbersInGame) {
                std::string message = "'";
                message.append(cell).append("' in Feld ").append(row).append(" ist keine Zahl von 1 bis 70.");
                message.append(kAbort);
                return message;
            }
            const int number = static_cast<int>(*value);
            if (seen.Contains(number)) {
                return "Die Zahl " + std::to_string(number) + " steht in Feld " + row + " mehrmals." + kAbort;
            }
            seen.Add(number);
        }
    }
    return std::nullopt;
}

std::vector<TSchein> SlipsFromRows(const std::vector<TipRowCells>& rows) {
    std::vector<TSchein> slips;
    for (std::size_t first = 0; first < rows.size(); first += kRowsPerSlip) {
        TSchein slip;
        slip.einsatz = static_cast<std::uint8_t>(std::max(StakeIndexOf(CellNumber(rows[first][2])), 0));
        slip.Ziehungen = static_cast<std::uint8_t>(std::max(DrawCountIndexOf(CellNumber(rows[first][1])), 0));
        for (std::size_t i = 0; i < kRowsPerSlip && first + i < rows.size(); ++i) {
            const std::vector<std::string> cells = NumberCells(rows[first + i]);
            for (std::size_t p = 0; p < cells.size(); ++p) {
                slip.Z[i][p] = static_cast<std::uint8_t>(CellNumber(cells[p]));
            }
            slip.kenotyp[i] = static_cast<std::uint8_t>(cells.size());
        }
        slips.push_back(slip);
    }
    return slips;
}

std::filesystem::path NumberedSlipPath(const std::filesystem::path& chosen, int k) {
    std::filesystem::path numbered = chosen;
    numbered.replace_filename(
        PathFromText(PathText(chosen.stem()) + "-" + std::to_string(k) + PathText(chosen.extension())));
    return numbered;
}

std::string SavedFilesName(const std::filesystem::path& chosen, int count) {
    return PathText(chosen.stem()) + "1-" + std::to_string(count) + PathText(chosen.extension());
}

std::string SavedFilesCount(int count) {
    return count == 1 ? std::string("Eine Dateie gespeichert") : std::to_string(count) + " Dateien gespeichert";
}

RowsSaved SaveRowsAsSlips(std::vector<TipRowCells>& rows, const std::filesystem::path& chosen) {
    RowsSaved saved;
    saved.refusal = ValidateRowGroups(rows);
    if (!saved.refusal) {
        saved.refusal = CheckRowNumbers(rows);
    }
    if (saved.refusal) {
        return saved;
    }
    const std::vector<TSchein> slips = SlipsFromRows(rows);
    std::vector<std::array<std::uint8_t, TSchein::kSize>> bytes(slips.size());
    std::vector<FileContents> files;
    files.reserve(slips.size());
    for (std::size_t k = 0; k < slips.size(); ++k) {
        slips[k].ToBytes(bytes[k]);
        files.push_back(FileContents{NumberedSlipPath(chosen, static_cast<int>(k) + 1), bytes[k]});
    }
    // All of them or none: a failure part-way must not leave old and new slips mixed.
    WriteFilesSafely(files);
    for (const FileContents& file : files) {
        saved.files.push_back(file.path);
    }
    return saved;
}

} // namespace qv
