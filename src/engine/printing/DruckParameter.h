#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv {

// A place on the paper slip in 0.1 mm from the sheet's top left corner, X to the right, Y down.
struct PaperPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const PaperPoint&) const = default;
};

// The print-parameter set: where every mark lands on the paper slip. The program holds one set; a
// print-parameter file (".qvpd") holds exactly one, 4600 bytes, no header, every value a signed 32-bit
// little-endian integer:
//
//   offset    0  reserved (kept as read)      offset   16  reserved
//   offset    4  abstandHori (number 1 → 61)  offset   20  scheinNrX
//   offset    8  abstandVerti (number 1 → 10) offset   24  scheinNrY
//   offset   12  reserved                     offset   28  reserved
//   offset   32  feldPos: 8 fields × 70 numbers × (X, Y)           4480 bytes
//   offset 4512  einsatzPos: stake boxes 1, 2, 3, 4, 5, 10 € (X, Y)   48 bytes
//   offset 4560  ziehungenPos: draw boxes 1, 2, 4, 7, 14 (X, Y)       40 bytes
//
// A scale correction other than 1000 per mille follows the record as an extension that readers of the
// plain 4600 bytes never see:
//   offset 4600  "QVSK"                        offset 4604  scaleX      offset 4608  scaleY
// A file without it, or with anything else after the record, reads as 1000 per mille in both
// directions; a set without a correction is written as the plain 4600 bytes.
struct TDruckParameter {
    static constexpr std::size_t kSize = 4600;
    static constexpr std::size_t kScaleExtensionSize = 12;
    static constexpr int kFields = 8;
    static constexpr int kNumbers = 70;
    // Scale corrections in per mille: 1000 prints the positions as they stand.
    static constexpr std::int32_t kNeutralScale = 1000;
    static constexpr std::int32_t kMinScale = 800;
    static constexpr std::int32_t kMaxScale = 1200;

    std::int32_t reserved0 = 0;
    std::int32_t abstandHori = 0;
    std::int32_t abstandVerti = 0;
    std::int32_t reserved12 = 0;
    std::int32_t reserved16 = 0;
    std::int32_t scheinNrX = 0;
    std::int32_t scheinNrY = 0;
    std::int32_t reserved28 = 0;
    std::array<std::array<PaperPoint, kNumbers>, kFields> feldPos{};
    std::array<PaperPoint, 6> einsatzPos{};
    std::array<PaperPoint, 5> ziehungenPos{};
    // A printer that stretches or shrinks the print a little is corrected by scaling every position
    // about the paper's corner before the print window's shift: X · scaleX / 1000, Y · scaleY / 1000.
    std::int32_t scaleX = kNeutralScale;
    std::int32_t scaleY = kNeutralScale;

    static bool IsAllowedScale(std::int32_t scale) { return scale >= kMinScale && scale <= kMaxScale; }

    // Number n (1 to 70) of tip field f (1 to 8).
    const PaperPoint& Number(int field, int n) const {
        return feldPos[static_cast<std::size_t>(field - 1)][static_cast<std::size_t>(n - 1)];
    }

    bool operator==(const TDruckParameter&) const = default;
};

// The record from its bytes; nothing when fewer than 4600 bytes are given. Bytes after the record count
// only when they are the scale extension with both scales allowed.
std::optional<TDruckParameter> DecodePrintParameters(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> EncodePrintParameters(const TDruckParameter& set);

// The message of a file too short for a whole set.
inline constexpr const char* kShortParameterFileText = "Versuch hinter dem Dateiende zu lesen";

// A print-parameter file that cannot be used: too short. (Read and write errors are FileError.)
class ParameterFileTooShort : public std::runtime_error {
public:
    ParameterFileTooShort()
        : std::runtime_error(kShortParameterFileText) {}
};

// Reads the first 4600 bytes of the file. Nothing when no file exists; ParameterFileTooShort for a
// shorter one; FileError when it cannot be read.
std::optional<TDruckParameter> ReadPrintParameterFile(const std::filesystem::path& path);
// Replaces the file through the safe save.
void WritePrintParameterFile(const std::filesystem::path& path, const TDruckParameter& set);

// What the editor shows: number 1 of each field, the two distances, the boxes and the slip number.
struct EditorValues {
    std::int32_t abstandHori = 0;
    std::int32_t abstandVerti = 0;
    std::array<PaperPoint, TDruckParameter::kFields> firstNumbers{};
    std::array<PaperPoint, 6> einsatzPos{};
    std::array<PaperPoint, 5> ziehungenPos{};
    std::int32_t scheinNrX = 0;
    std::int32_t scheinNrY = 0;
    std::int32_t scaleX = TDruckParameter::kNeutralScale;
    std::int32_t scaleY = TDruckParameter::kNeutralScale;
};

EditorValues EditorValuesOf(const TDruckParameter& set);

// The set with the editor's values and all 70 positions of every field derived from number 1: the
// numbers stand in 7 columns of 10 (1–10 down the first column), so number 10·c + r lies at
// X₁ + c·(abstandHori / 6), Y₁ + (r − 1)·(abstandVerti / 9), both steps truncated towards zero.
// The reserved words are kept from set.
TDruckParameter WithEditorValues(const TDruckParameter& set, const EditorValues& values);

// Where a mark for position at lands on the paper: the position scaled by the set's correction, then
// shifted hori to the right and vert down. A set read from any file may hold any value: the result
// wraps like the 32-bit fields, never overflows.
PaperPoint PlaceMark(const TDruckParameter& set, PaperPoint at, int hori, int vert);

// An integer as the editor reads a cell: optional leading blanks, an optional sign, decimal digits,
// within 32 bits. Nothing for anything else, the empty text included.
std::optional<std::int32_t> ParseEditorInteger(const std::string& text);

} // namespace qv
