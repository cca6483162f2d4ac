#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace qv {

// The tip centre's presets for its games 1 to 6: entries of the Keno-type list ("--" = 0, "2" = 1, ...,
// "10" = 9) and of the method list (0 to 3); 255 where no entry was chosen.
struct GeneratorPresets {
    static constexpr int kGames = 6;
    static constexpr std::uint8_t kNoEntry = 255;
    std::array<std::uint8_t, kGames> kenoTypes{};
    std::array<std::uint8_t, kGames> methods{};
    bool operator==(const GeneratorPresets&) const = default;
};

// What the program settings window keeps: the slip files to open at program start and the tip
// centre's presets for its games 1 to 6. Stored in a file of its own in the data folder, 3152 bytes:
//   offset 0,    12 x 256  StartSlipList  slot s at 256*s: a length byte, then that many bytes of the
//                                         path (UTF-8); length 0 = empty slot. The window uses slots 0
//                                         to 9, filled from slot 0 without gaps
//   offset 3072, 20        reserved, carried along unchanged
//   offset 3092, 6         Keno-type presets of games 1 to 6: the entry of the type list ("--" = 0,
//                          "2" = 1, ..., "10" = 9); 255 = none chosen
//   offset 3098, 6         method presets of games 1 to 6: the entry of the method list (0 to 3); 255 =
//                          none chosen
//   offset 3104, 48        reserved, carried along unchanged
// A record never saved holds zeros everywhere: no files, and "--" with the first method for every game.
struct SettingsRecord {
    static constexpr std::size_t kSize = 3152;
    static constexpr int kSlots = 12;
    static constexpr int kListSlots = 10;
    static constexpr std::size_t kSlotChars = 255;

    std::array<std::string, kSlots> StartSlipList;
    std::array<std::uint8_t, 20> reserved1{};
    GeneratorPresets presets;
    std::array<std::uint8_t, 48> reserved2{};

    static SettingsRecord FromBytes(std::span<const std::uint8_t, kSize> bytes);
    void ToBytes(std::span<std::uint8_t, kSize> bytes) const;

    bool operator==(const SettingsRecord&) const = default;
};

inline constexpr const char* kSettingsRecordFileName = "Programmstart.qvr";

// The record of the file, or nothing when there is no file. Throws FileError when the file cannot be
// read or is not a record (another size).
std::optional<SettingsRecord> LoadSettingsRecord(const std::filesystem::path& path);
// Replaces the file safely: a failed write leaves the old one whole and throws FileError.
void SaveSettingsRecord(const std::filesystem::path& path, const SettingsRecord& record);

// The number of slots of the start list in use (slots 0 to n-1).
int StartSlipCount(const SettingsRecord& record);

enum class AddSlipOutcome { Added, ListFull, PathTooLong };
// Puts path into the first empty slot of 0 to 9. A path longer than a slot holds is refused rather
// than cut: a cut path would name another file or none.
AddSlipOutcome AddStartSlip(SettingsRecord& record, const std::string& path);
// Empties slot i (0 to 9) and moves the slots after it down by one.
void RemoveStartSlip(SettingsRecord& record, int i);
// Keeps the filled slots of 0 to 9 for which exists is true, moved together from slot 0.
template <typename Exists>
void KeepExistingStartSlips(SettingsRecord& record, Exists&& exists) {
    int to = 0;
    for (int s = 0; s < SettingsRecord::kListSlots; ++s) {
        std::string path = std::move(record.StartSlipList[static_cast<std::size_t>(s)]);
        record.StartSlipList[static_cast<std::size_t>(s)].clear();
        if (!path.empty() && exists(path)) {
            record.StartSlipList[static_cast<std::size_t>(to++)] = std::move(path);
        }
    }
}

} // namespace qv
