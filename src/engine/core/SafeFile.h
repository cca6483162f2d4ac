#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qv {

// The program's only file routines that talk to the operating system directly: one implementation
// per system (SafeFilePosix.cpp, SafeFileWindows.cpp) with the same promises and messages.

// No file of ours is anywhere near this; a bigger one is refused rather than read into memory.
inline constexpr std::uint64_t kMaxFileBytes = std::uint64_t{64} * 1024 * 1024;
// A text to import or filter: a results page or a whole draw history as CSV is far below this.
inline constexpr std::uint64_t kMaxTextFileBytes = std::uint64_t{16} * 1024 * 1024;

// Reads a whole file. Nothing when no file exists at path. Throws FileError when it cannot be read
// (the message says why: no permission, a folder, a device or pipe, more than maxBytes bytes).
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path,
                                                       std::uint64_t maxBytes = kMaxFileBytes);

// What tells one version of a file from the next without reading it: which file it is (device and
// file number), its size and its times of last change, in the system's own units. Nothing when no
// file can be looked at under path.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    std::int64_t changed = 0;
    bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

// The one safe save: replaces the file at path with bytes so that a failure or a killed process at
// any moment leaves either the old or the new file, never a mix.
// - A symbolic link is followed: its target gets the new bytes and the link stays a link.
// - The new file is created exclusively beside the target (never through a link placed at its name),
//   gets the old file's mode and owner, is synced to disk and renamed over the target; then the folder
//   is synced.
// - A read-only file, a file with further hard links (replacing it would split them) and anything
//   that is not a regular file are refused; nothing changes.
// - Temporary files of an earlier save that was killed are removed.
// On any failure the temporary file is removed, the old file stays whole and FileError is thrown.
void WriteFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Reads a stream (a pipe, a terminal, a file; fd as the C library numbers it) to its end. Nothing when it holds more
// than maxBytes bytes; what was read is then dropped. Throws FileError about name when reading fails.
std::optional<std::vector<std::uint8_t>> ReadStreamToEnd(int fd, std::uint64_t maxBytes,
                                                         const std::filesystem::path& name);

// Saves a batch of files so that it lands whole or not at all: every new file is first written and
// synced under a temporary name beside its target (as the single save does: links followed, mode and
// owner kept, the same refusals), and only then are the temporary files renamed over their targets.
// Temporary files of earlier killed saves are looked for once per folder and batch.
struct FileContents {
    std::filesystem::path path;
    std::span<const std::uint8_t> bytes;
};

class PreparedFiles {
public:
    // Writes every temporary file. On any failure all of them are removed, nothing else has changed
    // and FileError names the file that failed (and says that none of the batch was changed).
    explicit PreparedFiles(std::span<const FileContents> files);
    // Removes the temporary files that were not renamed.
    ~PreparedFiles();
    PreparedFiles(const PreparedFiles&) = delete;
    PreparedFiles& operator=(const PreparedFiles&) = delete;

    // Renames the temporary files over their targets, in order, then syncs the folders. When a rename
    // fails, the files after it stay unchanged and FileError names the files that are already new.
    void Commit();

private:
    // The part of the constructor each system does its own way: every file checked, stale temporaries
    // of the targets removed, each temporary file written and flushed. Throws on the first failure.
    void WriteTemporaries(std::span<const FileContents> files);
    void RemoveTemporaries();

    struct Entry {
        std::filesystem::path path;   // as the caller named it, for messages
        std::filesystem::path target; // the file a link at path points to
        std::filesystem::path temp;
    };
    std::vector<Entry> m_entries;
    std::size_t m_committed = 0;
};

// PreparedFiles(files).Commit().
void WriteFilesSafely(std::span<const FileContents> files);

// Writes a new file at path (not followed if it is a link) the same safe way, but never replaces
// anything: false, nothing changed, when a file (or link) of that name exists already.
bool WriteNewFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Copies the file source to target through the safe save (a short copy never replaces target).
void CopyFileSafely(const std::filesystem::path& source, const std::filesystem::path& target);

// Whether name is the name of one of our temporary files for the file called target: target's name,
// ".tmp" and one to six letters or digits.
bool IsTemporaryNameOf(const std::string& name, const std::string& target);

} // namespace qv
