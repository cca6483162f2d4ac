#include "engine/tips/SettingsRecord.h"

#include "engine/core/FileError.h"
#include "engine/core/SafeFile.h"

#include <algorithm>
#include <vector>

namespace qv {

namespace {

constexpr std::size_t kSlotWidth = 256;
constexpr std::size_t kReserved1 = 3072;
constexpr std::size_t kKenoTypes = 3092;
constexpr std::size_t kMethods = 3098;
constexpr std::size_t kReserved2 = 3104;

template <std::size_t N>
void CopyIn(std::array<std::uint8_t, N>& to, std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), N, to.begin());
}

template <std::size_t N>
void CopyOut(const std::array<std::uint8_t, N>& from, std::span<std::uint8_t> bytes, std::size_t offset) {
    std::copy(from.begin(), from.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

} // namespace

SettingsRecord SettingsRecord::FromBytes(std::span<const std::uint8_t, kSize> bytes) {
    SettingsRecord record;
    for (std::size_t s = 0; s < kSlots; ++s) {
        const std::size_t at = s * kSlotWidth;
        const std::size_t length = bytes[at];
        record.StartSlipList[s].assign(reinterpret_cast<const char*>(bytes.data() + at + 1), length);
    }
    CopyIn(record.reserved1, bytes, kReserved1);
    CopyIn(record.presets.kenoTypes, bytes, kKenoTypes);
    CopyIn(record.presets.methods, bytes, kMethods);
    CopyIn(record.reserved2, bytes, kReserved2);
    return record;
}

void SettingsRecord::ToBytes(std::span<std::uint8_t, kSize> bytes) const {
    std::fill(bytes.begin(), bytes.end(), std::uint8_t{0});
    for (std::size_t s = 0; s < kSlots; ++s) {
        const std::string& path = StartSlipList[s];
        const std::size_t length = std::min(path.size(), kSlotChars);
        const std::size_t at = s * kSlotWidth;
        bytes[at] = static_cast<std::uint8_t>(length);
        std::copy_n(path.begin(), length, bytes.begin() + static_cast<std::ptrdiff_t>(at + 1));
    }
    CopyOut(reserved1, bytes, kReserved1);
    CopyOut(presets.kenoTypes, bytes, kKenoTypes);
    CopyOut(presets.methods, bytes, kMethods);
    CopyOut(reserved2, bytes, kReserved2);
}

std::optional<SettingsRecord> LoadSettingsRecord(const std::filesystem::path& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    if (bytes->size() != SettingsRecord::kSize) {
        throw FileError(path, "Die Datei " + Quoted(path) + " ist keine Datei der Programmeinstellungen (" +
                                  std::to_string(bytes->size()) + " statt " + std::to_string(SettingsRecord::kSize) +
                                  " Bytes); sie wird nicht gelesen.");
    }
    return SettingsRecord::FromBytes(
        std::span<const std::uint8_t, SettingsRecord::kSize>(bytes->data(), bytes->size()));
}

void SaveSettingsRecord(const std::filesystem::path& path, const SettingsRecord& record) {
    std::vector<std::uint8_t> bytes(SettingsRecord::kSize);
    record.ToBytes(std::span<std::uint8_t, SettingsRecord::kSize>(bytes.data(), bytes.size()));
    WriteFileSafely(path, bytes);
}

int StartSlipCount(const SettingsRecord& record) {
    int count = 0;
    while (count < SettingsRecord::kListSlots && !record.StartSlipList[static_cast<std::size_t>(count)].empty()) {
        ++count;
    }
    return count;
}

AddSlipOutcome AddStartSlip(SettingsRecord& record, const std::string& path) {
    const int slot = StartSlipCount(record);
    if (slot >= SettingsRecord::kListSlots) {
        return AddSlipOutcome::ListFull;
    }
    if (path.size() > SettingsRecord::kSlotChars) {
        return AddSlipOutcome::PathTooLong;
    }
    record.StartSlipList[static_cast<std::size_t>(slot)] = path;
    return AddSlipOutcome::Added;
}

void RemoveStartSlip(SettingsRecord& record, int i) {
    if (i < 0 || i >= SettingsRecord::kListSlots) {
        return;
    }
    auto& slots = record.StartSlipList;
    for (int s = i; s + 1 < SettingsRecord::kListSlots; ++s) {
        slots[static_cast<std::size_t>(s)] = std::move(slots[static_cast<std::size_t>(s) + 1]);
    }
    slots[SettingsRecord::kListSlots - 1].clear();
}

} // namespace qv
