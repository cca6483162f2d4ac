#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qv {

// The version-info file on the maker's web site: a sequence of 24-byte records.
//
//   offset 0, 8 bytes   the size of the installer in bytes, unsigned little-endian; 0 = not announced
//                       (older files hold zeros here)
//   offset 8, 16 bytes  the version as a short string: one length byte, then up to 15 single-byte
//                       characters
//
// Only the last complete record counts; a trailing partial record is ignored.
inline constexpr std::size_t kVerInfoRecordSize = 24;
inline constexpr const char* kVerInfoFileName = "verinfos.qvd";
inline constexpr const char* kVerInfoPath = "/downloads/verinfos.qvd";
inline constexpr const char* kInstallerPath = "/downloads/qvdupdate.exe";
inline constexpr const char* kInstallerFileName = "Update.exe";

// The version text of the last complete record, in the file's single-byte characters; nothing when
// the bytes hold no complete record. A length byte above 15 reads the 15 characters there are.
std::optional<std::string> LastVersionRecord(std::span<const std::uint8_t> bytes);

// The installer size the last complete record announces; nothing when it announces none or the bytes
// hold no complete record. An installer of another size is not offered.
std::optional<std::uint64_t> AnnouncedInstallerSize(std::span<const std::uint8_t> bytes);

// The bytes of one record holding version (at most 15 characters are kept) and the installer size
// (0: none announced).
std::array<std::uint8_t, kVerInfoRecordSize> VersionRecord(const std::string& version,
                                                           std::uint64_t installerBytes = 0);

} // namespace qv
