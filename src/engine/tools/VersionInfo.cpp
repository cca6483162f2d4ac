#include "engine/tools/VersionInfo.h"

#include "engine/core/ByteOrder.h"

#include <algorithm>

namespace qv {

namespace {

constexpr std::size_t kVersionOffset = 8;
constexpr std::size_t kVersionCapacity = 15;

} // namespace

std::optional<std::string> LastVersionRecord(std::span<const std::uint8_t> bytes) {
    const std::size_t records = bytes.size() / kVerInfoRecordSize;
    if (records == 0) {
        return std::nullopt;
    }
    const auto record = bytes.subspan((records - 1) * kVerInfoRecordSize, kVerInfoRecordSize);
    const std::size_t length = std::min<std::size_t>(record[kVersionOffset], kVersionCapacity);
    const auto text = record.subspan(kVersionOffset + 1, length);
    return std::string(text.begin(), text.end());
}

std::optional<std::uint64_t> AnnouncedInstallerSize(std::span<const std::uint8_t> bytes) {
    const std::size_t records = bytes.size() / kVerInfoRecordSize;
    if (records == 0) {
        return std::nullopt;
    }
    const std::uint64_t size = ReadU64LE(bytes.subspan((records - 1) * kVerInfoRecordSize, kVerInfoRecordSize), 0);
    return size == 0 ? std::nullopt : std::optional<std::uint64_t>(size);
}

std::array<std::uint8_t, kVerInfoRecordSize> VersionRecord(const std::string& version, std::uint64_t installerBytes) {
    std::array<std::uint8_t, kVerInfoRecordSize> record{};
    WriteU64LE(record, 0, installerBytes);
    const std::size_t length = std::min(version.size(), kVersionCapacity);
    record[kVersionOffset] = static_cast<std::uint8_t>(length);
    std::copy_n(version.begin(), length, record.begin() + kVersionOffset + 1);
    return record;
}

} // namespace qv
