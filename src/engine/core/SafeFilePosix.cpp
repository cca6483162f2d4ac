#include "engine/core/SafeFile.h"

#include "engine/core/FileError.h"
#include "engine/core/SafeFileParts.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <set>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The safe save on Linux and other POSIX systems.

namespace qv {
namespace {

using namespace safe_file;

constexpr int kMaxLinkDepth = 40;

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return m_fd; }
    // Closes now; false (errno set) when the close reports an error.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a path finally names: symbolic links followed (relative ones from their own folder).
std::filesystem::path FollowLinks(const std::filesystem::path& path) {
    std::filesystem::path current = path;
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        std::error_code ec;
        const auto status = std::filesystem::symlink_status(current, ec);
        if (ec || !std::filesystem::is_symlink(status)) {
            return current;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(current, ec);
        if (ec) {
            return current;
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    throw FileError::SaveFailed(path, ELOOP);
}

// Removes temporary files of ours for any of targets (file names) that killed saves left behind in
// folder: one pass over the folder, however many files a batch writes into it.
void RemoveStaleTemporaries(const std::filesystem::path& folder, const std::set<std::string>& targets) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec);
    const auto now = std::filesystem::file_time_type::clock::now();
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (!IsTemporaryOfOneOf(it->path().filename().string(), targets)) {
            continue;
        }
        struct stat st {};
        if (::lstat(it->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
            continue;
        }
        std::error_code timeError;
        const auto written = std::filesystem::last_write_time(it->path(), timeError);
        if (!timeError && now - written > kStaleAfter) {
            ::unlink(it->path().c_str());
        }
    }
}

void SyncFolder(const std::filesystem::path& folder) {
    Descriptor dir(OpenRetrying(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) {
        // The new file is already in place; a folder that cannot be synced leaves nothing to undo.
        ::fsync(dir.Get());
    }
}

// The status of the file that a save replaces, nothing when there is none yet. Refuses a file that
// cannot be replaced faithfully: no regular file, read-only, or one with further hard links.
std::optional<struct stat> ReplaceableFile(const std::filesystem::path& path, const std::filesystem::path& target) {
    struct stat old {};
    if (::lstat(target.c_str(), &old) != 0) {
        if (errno != ENOENT) {
            throw FileError::SaveFailed(path, errno);
        }
        return std::nullopt;
    }
    if (!S_ISREG(old.st_mode)) {
        throw FileError::SaveRefused(path, kNoRegularFile);
    }
    // The write bits count even for the administrator, whom access() would let through.
    if ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
        throw FileError::SaveRefused(path, kReadOnly);
    }
    if (old.st_nlink > 1) {
        throw FileError::SaveRefused(path, kHardLinked);
    }
    return old;
}

// A new temporary file beside the target, created exclusively under a fresh name (temp), never
// through a link placed at that name. Private until its mode is set when it replaces a file.
Descriptor CreateTemporary(const std::filesystem::path& path, const std::filesystem::path& folder,
                           const std::string& targetName, bool replaces, std::filesystem::path& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = folder / TemporaryName(targetName);
        const int fd = OpenRetrying(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                    replaces ? S_IRUSR | S_IWUSR : 0666);
        if (fd >= 0) {
            return Descriptor(fd);
        }
        if (errno != EEXIST) {
            throw FileError::SaveFailed(path, errno);
        }
    }
    throw FileError::SaveFailed(path, EEXIST);
}

// Gives the temporary file the owner, group and mode of the file it replaces; removes it on failure.
void KeepOwnerAndMode(const std::filesystem::path& path, const Descriptor& file, const std::filesystem::path& temp,
                      const struct stat& old) {
    // Owner first: changing it clears the set-id bits that the mode then sets again.
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(file.Get(), old.st_uid, old.st_gid) != 0) {
        ::unlink(temp.c_str());
        throw FileError::SaveRefused(path, kOwnerNotKept);
    }
    if (::fchmod(file.Get(), old.st_mode & 07777) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        throw FileError::SaveFailed(path, err);
    }
}

} // namespace

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    const auto nanoseconds = [](const timespec& time) {
        return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
    };
    return FileStamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                     static_cast<std::uint64_t>(st.st_size), nanoseconds(st.st_mtim), nanoseconds(st.st_ctim)};
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    // Non-blocking, so that opening a pipe without a writer does not wait; only regular files are read.
    Descriptor file(OpenRetrying(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        throw FileError::ReadFailed(path, errno);
    }
    struct stat st {};
    if (::fstat(file.Get(), &st) != 0) {
        throw FileError::ReadFailed(path, errno);
    }
    if (S_ISDIR(st.st_mode)) {
        throw FolderNotFile(path);
    }
    if (!S_ISREG(st.st_mode)) {
        throw NoRegularFile(path);
    }
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        throw TooBig(path, static_cast<std::uint64_t>(st.st_size), maxBytes);
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            // The file may have grown since fstat: read on in blocks, within the bound.
            if (bytes.size() >= maxBytes + 1) {
                throw GrewTooBig(path);
            }
            bytes.resize(std::min<std::uint64_t>(bytes.size() + 65536, maxBytes + 1));
        }
        const ssize_t n = ::read(file.Get(), bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError::ReadFailed(path, errno);
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadStreamToEnd(int fd, std::uint64_t maxBytes,
                                                         const std::filesystem::path& name) {
    std::vector<std::uint8_t> bytes;
    std::uint8_t block[65536];
    for (;;) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError::ReadFailed(name, errno);
        }
        if (n == 0) {
            return bytes;
        }
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            return std::nullopt;
        }
        bytes.insert(bytes.end(), block, block + n);
    }
}

void PreparedFiles::WriteTemporaries(std::span<const FileContents> files) {
    std::vector<std::optional<struct stat>> olds;
    std::map<std::filesystem::path, std::set<std::string>> targetsByFolder;
    for (const FileContents& file : files) {
        const std::filesystem::path target = FollowLinks(file.path);
        olds.push_back(ReplaceableFile(file.path, target));
        targetsByFolder[target.parent_path()].insert(target.filename().string());
        m_entries.push_back(Entry{file.path, target, {}});
    }
    for (const auto& [folder, targets] : targetsByFolder) {
        RemoveStaleTemporaries(folder, targets);
    }
    for (std::size_t k = 0; k < files.size(); ++k) {
        Entry& entry = m_entries[k];
        const std::filesystem::path folder = entry.target.parent_path();
        Descriptor file =
            CreateTemporary(entry.path, folder, entry.target.filename().string(), olds[k].has_value(), entry.temp);
        if (const std::optional<struct stat>& old = olds[k]; old.has_value()) {
            KeepOwnerAndMode(entry.path, file, entry.temp, *old);
        }
        if (!WriteAll(file.Get(), files[k].bytes) || ::fsync(file.Get()) != 0 || !file.Close()) {
            throw FileError::SaveFailed(entry.path, errno);
        }
    }
}

void PreparedFiles::RemoveTemporaries() {
    for (const Entry& entry : m_entries) {
        if (!entry.temp.empty()) {
            ::unlink(entry.temp.c_str());
        }
    }
    m_entries.clear();
}

PreparedFiles::~PreparedFiles() {
    for (std::size_t k = m_committed; k < m_entries.size(); ++k) {
        ::unlink(m_entries[k].temp.c_str());
    }
}

void PreparedFiles::Commit() {
    std::set<std::filesystem::path> folders;
    for (; m_committed < m_entries.size(); ++m_committed) {
        const Entry& entry = m_entries[m_committed];
        if (::rename(entry.temp.c_str(), entry.target.c_str()) != 0) {
            const int err = errno;
            for (const auto& folder : folders) {
                SyncFolder(folder);
            }
            std::vector<std::string> newNames;
            newNames.reserve(m_committed);
            for (std::size_t k = 0; k < m_committed; ++k) {
                newNames.push_back(Quoted(m_entries[k].path));
            }
            FileError error = FileError::SaveFailed(entry.path, err);
            const std::string sentence = BatchSentence(m_entries.size(), m_committed, newNames);
            throw sentence.empty() ? error : error.WithSentence(sentence);
        }
        folders.insert(entry.target.parent_path());
    }
    for (const auto& folder : folders) {
        SyncFolder(folder);
    }
}

bool WriteNewFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path folder = path.parent_path();
    std::filesystem::path temp;
    Descriptor file = CreateTemporary(path, folder, path.filename().string(), false, temp);
    if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0 || !file.Close()) {
        const int err = errno;
        ::unlink(temp.c_str());
        throw FileError::SaveFailed(path, err);
    }
    // A hard link never replaces an existing file, not even one that appeared a moment ago.
    const bool made = ::link(temp.c_str(), path.c_str()) == 0;
    const int err = errno;
    ::unlink(temp.c_str());
    if (!made && err != EEXIST) {
        throw FileError::SaveFailed(path, err);
    }
    if (made) {
        SyncFolder(folder);
    }
    return made;
}

} // namespace qv
