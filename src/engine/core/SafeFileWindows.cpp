#include "engine/core/SafeFile.h"

#include "engine/core/FileError.h"
#include "engine/core/PathText.h"
#include "engine/core/SafeFileParts.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <set>
#include <string>
#include <utility>

#include <io.h>
#include <windows.h>

// The safe save on Windows, with the promises of the POSIX one:
// - The new contents go to a temporary file beside the target, created with CREATE_NEW (so never
//   through anything placed at its name), flushed to the disk (FlushFileBuffers) and put in place with
//   ReplaceFileW, which keeps the old file's attributes, owner and security; the old file steps aside
//   under a temporary name of its own meanwhile, so that a failure leaves it whole. Where there is no
//   file yet, MoveFileExW(MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) moves the new one in. A
//   folder cannot be synced on Windows; the write-through move stands for it.
// - Read-only files (the attribute, or no right to write) are refused, and so are folders, devices and
//   files with further hard links. Symbolic links and junctions are followed to their target.
// - Paths go to the system as UTF-16; absolute paths longer than the old limit of 260 characters get
//   the \\?\ prefix, which lifts it.
// - Temporary files are removed as on Linux; the folder is the user's own, so there is no owner to
//   compare, but only plain files (no folder, no link) are taken.

namespace qv {
namespace {

using namespace safe_file;

// Paths from this length on are given the \\?\ prefix (MAX_PATH less room for a temporary name).
constexpr std::size_t kLongPath = 240;

std::string Utf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// The system's text for err (a GetLastError() value), in the user's language.
std::string SystemText(DWORD err) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, err, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = buffer != nullptr ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.pop_back();
    }
    return text.empty() ? "Systemfehler " + std::to_string(err) : Utf8(text);
}

std::string LastErrorText() {
    return SystemText(GetLastError());
}

// The path as the system takes it; a long one absolute, with the \\?\ prefix (which takes no '/').
std::wstring SystemPath(const std::filesystem::path& path) {
    const std::wstring& native = path.native();
    if (native.size() < kLongPath || native.starts_with(L"\\\\?\\")) {
        return native;
    }
    std::error_code ec;
    std::wstring full = std::filesystem::absolute(path, ec).lexically_normal().native();
    if (ec) {
        return native;
    }
    std::replace(full.begin(), full.end(), L'/', L'\\');
    return full.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

class Handle {
public:
    explicit Handle(HANDLE handle)
        : m_handle(handle) {}
    ~Handle() {
        if (Valid()) {
            CloseHandle(m_handle);
        }
    }
    Handle(Handle&& other) noexcept
        : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE)) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE Get() const { return m_handle; }
    // Closes now; false (GetLastError() set) when the close reports an error.
    bool Close() { return CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE m_handle;
};

// Opens an existing file or folder, shared with every other reader and writer, following links.
Handle OpenExisting(const std::filesystem::path& path, DWORD access) {
    return Handle(CreateFileW(SystemPath(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

bool WriteAll(const Handle& file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file.Get(), bytes.data(), chunk, &written, nullptr)) {
            return false;
        }
        bytes = bytes.subspan(written);
    }
    return true;
}

// The file a path finally names: symbolic links and junctions followed.
std::filesystem::path FollowLinks(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(SystemPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return path;
    }
    const Handle file = OpenExisting(path, 0);
    if (!file.Valid()) {
        throw FileError::SaveFailed(path, LastErrorText());
    }
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleW(file.Get(), name.data(), static_cast<DWORD>(name.size()),
                                                       FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) {
            throw FileError::SaveFailed(path, LastErrorText());
        }
        if (length < name.size()) {
            name.resize(length);
            return std::filesystem::path(name);
        }
        name.resize(length);
    }
}

// Whether something that is no folder stands where path has a folder: then a file below it cannot be
// missing, it cannot be.
bool FileInTheWay(const std::filesystem::path& path) {
    for (std::filesystem::path folder = path.parent_path(); !folder.empty(); folder = folder.parent_path()) {
        const DWORD attributes = GetFileAttributesW(SystemPath(folder).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
        }
        if (folder == folder.parent_path()) {
            break;
        }
    }
    return false;
}

// Removes temporary files of ours for any of targets (file names) that killed saves left behind in
// folder: one pass over the folder, however many files a batch writes into it.
// (The folder is listed through the system, not std::filesystem, whose listing on Windows stops at
// paths of 260 characters.)
void RemoveStaleTemporaries(const std::filesystem::path& folder, const std::set<std::string>& targets) {
    const std::filesystem::path here = folder.empty() ? std::filesystem::path(".") : folder;
    WIN32_FIND_DATAW entry{};
    const HANDLE search =
        FindFirstFileExW(SystemPath(here / "*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    FILETIME nowTime{};
    GetSystemTimeAsFileTime(&nowTime);
    const auto ticks = [](const FILETIME& time) {
        return std::uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime;
    };
    // File times count 100 ns.
    const std::uint64_t staleAfter = std::chrono::duration_cast<std::chrono::nanoseconds>(kStaleAfter).count() / 100;
    do {
        const std::filesystem::path name(entry.cFileName);
        if ((entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0 ||
            !IsTemporaryOfOneOf(PathText(name), targets)) {
            continue;
        }
        const std::uint64_t written = ticks(entry.ftLastWriteTime);
        if (ticks(nowTime) > written && ticks(nowTime) - written > staleAfter) {
            DeleteFileW(SystemPath(here / name).c_str());
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

// Whether a file exists that the save replaces. Refuses a file that cannot be replaced faithfully: no
// regular file, read-only, or one with further hard links.
bool ReplaceableFile(const std::filesystem::path& path, const std::filesystem::path& target) {
    const DWORD attributes = GetFileAttributesW(SystemPath(target).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD err = GetLastError();
        if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND) {
            return false;
        }
        throw FileError::SaveFailed(path, SystemText(err));
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw FileError::SaveRefused(path, kNoRegularFile);
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        throw FileError::SaveRefused(path, kReadOnly);
    }
    const Handle file = OpenExisting(target, FILE_WRITE_DATA | FILE_READ_ATTRIBUTES);
    if (!file.Valid()) {
        const DWORD err = GetLastError();
        if (err == ERROR_ACCESS_DENIED) {
            throw FileError::SaveRefused(path, kReadOnly);
        }
        throw FileError::SaveFailed(path, SystemText(err));
    }
    if (GetFileType(file.Get()) != FILE_TYPE_DISK) {
        throw FileError::SaveRefused(path, kNoRegularFile);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.Get(), &info)) {
        throw FileError::SaveFailed(path, LastErrorText());
    }
    if (info.nNumberOfLinks > 1) {
        throw FileError::SaveRefused(path, kHardLinked);
    }
    return true;
}

// A new temporary file beside the target, created exclusively under a fresh name (temp).
Handle CreateTemporary(const std::filesystem::path& path, const std::filesystem::path& folder,
                       const std::string& targetName, std::filesystem::path& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = folder / PathFromText(TemporaryName(targetName));
        Handle file(CreateFileW(SystemPath(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
        if (file.Valid()) {
            return file;
        }
        const DWORD err = GetLastError();
        if (err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS) {
            throw FileError::SaveFailed(path, SystemText(err));
        }
    }
    throw FileError::SaveFailed(path, SystemText(ERROR_FILE_EXISTS));
}

// Puts the written temporary file in target's place: ERROR_SUCCESS, or the error with target as it was.
DWORD PutInPlace(const std::filesystem::path& temp, const std::filesystem::path& target) {
    const std::wstring from = SystemPath(temp);
    const std::wstring to = SystemPath(target);
    const DWORD attributes = GetFileAttributesW(to.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                   ? ERROR_SUCCESS
                   : GetLastError();
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return ERROR_ACCESS_DENIED; // a folder is never replaced
    }
    // ReplaceFileW carries the attributes over on Windows itself, but not every implementation of it
    // does (Wine's does not): the new file gets them first.
    constexpr DWORD kKept =
        FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    SetFileAttributesW(from.c_str(), (attributes & kKept) != 0 ? attributes & kKept : FILE_ATTRIBUTE_NORMAL);
    const std::wstring aside =
        SystemPath(target.parent_path() / PathFromText(TemporaryName(PathText(target.filename()))));
    if (ReplaceFileW(to.c_str(), from.c_str(), aside.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        DeleteFileW(aside.c_str());
        return ERROR_SUCCESS;
    }
    const DWORD err = GetLastError();
    if (err == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        // The old file is under the aside name already: back to its own.
        MoveFileExW(aside.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    return err;
}

} // namespace

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
    const Handle file = OpenExisting(path, FILE_READ_ATTRIBUTES);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.Valid() || !GetFileInformationByHandle(file.Get(), &info)) {
        return std::nullopt;
    }
    FILE_BASIC_INFO basic{};
    const std::int64_t changed =
        GetFileInformationByHandleEx(file.Get(), FileBasicInfo, &basic, sizeof basic) ? basic.ChangeTime.QuadPart : 0;
    const auto join = [](DWORD high, DWORD low) { return std::uint64_t{high} << 32 | low; };
    return FileStamp{
        info.dwVolumeSerialNumber, join(info.nFileIndexHigh, info.nFileIndexLow),
        join(info.nFileSizeHigh, info.nFileSizeLow),
        static_cast<std::int64_t>(join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)),
        changed};
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    const Handle file = OpenExisting(path, GENERIC_READ);
    if (!file.Valid()) {
        const DWORD err = GetLastError();
        if (err == ERROR_FILE_NOT_FOUND || (err == ERROR_PATH_NOT_FOUND && !FileInTheWay(path))) {
            return std::nullopt;
        }
        throw FileError::ReadFailed(path, SystemText(err));
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file.Get()) != FILE_TYPE_DISK) {
        throw NoRegularFile(path);
    }
    if (!GetFileInformationByHandle(file.Get(), &info)) {
        throw FileError::ReadFailed(path, LastErrorText());
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw FolderNotFile(path);
    }
    const std::uint64_t size = std::uint64_t{info.nFileSizeHigh} << 32 | info.nFileSizeLow;
    if (size > maxBytes) {
        throw TooBig(path, size, maxBytes);
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            // The file may have grown since it was looked at: read on in blocks, within the bound.
            if (bytes.size() >= maxBytes + 1) {
                throw GrewTooBig(path);
            }
            bytes.resize(std::min<std::uint64_t>(bytes.size() + 65536, maxBytes + 1));
        }
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - got, 1u << 30));
        DWORD n = 0;
        if (!ReadFile(file.Get(), bytes.data() + got, chunk, &n, nullptr)) {
            throw FileError::ReadFailed(path, LastErrorText());
        }
        if (n == 0) {
            break;
        }
        got += n;
    }
    bytes.resize(got);
    return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadStreamToEnd(int fd, std::uint64_t maxBytes,
                                                         const std::filesystem::path& name) {
    const auto stream = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    if (stream == INVALID_HANDLE_VALUE) {
        throw FileError::ReadFailed(name, errno);
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t block[65536];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(stream, block, sizeof block, &n, nullptr)) {
            const DWORD err = GetLastError();
            if (err == ERROR_BROKEN_PIPE) {
                return bytes; // the writer closed its end
            }
            throw FileError::ReadFailed(name, SystemText(err));
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
    std::map<std::filesystem::path, std::set<std::string>> targetsByFolder;
    for (const FileContents& file : files) {
        const std::filesystem::path target = FollowLinks(file.path);
        ReplaceableFile(file.path, target);
        targetsByFolder[target.parent_path()].insert(PathText(target.filename()));
        m_entries.push_back(Entry{file.path, target, {}});
    }
    for (const auto& [folder, targets] : targetsByFolder) {
        RemoveStaleTemporaries(folder, targets);
    }
    for (std::size_t k = 0; k < files.size(); ++k) {
        Entry& entry = m_entries[k];
        Handle file =
            CreateTemporary(entry.path, entry.target.parent_path(), PathText(entry.target.filename()), entry.temp);
        if (!WriteAll(file, files[k].bytes) || !FlushFileBuffers(file.Get()) || !file.Close()) {
            throw FileError::SaveFailed(entry.path, LastErrorText());
        }
    }
}

void PreparedFiles::RemoveTemporaries() {
    for (const Entry& entry : m_entries) {
        if (!entry.temp.empty()) {
            DeleteFileW(SystemPath(entry.temp).c_str());
        }
    }
    m_entries.clear();
}

PreparedFiles::~PreparedFiles() {
    for (std::size_t k = m_committed; k < m_entries.size(); ++k) {
        DeleteFileW(SystemPath(m_entries[k].temp).c_str());
    }
}

void PreparedFiles::Commit() {
    for (; m_committed < m_entries.size(); ++m_committed) {
        const Entry& entry = m_entries[m_committed];
        const DWORD err = PutInPlace(entry.temp, entry.target);
        if (err != ERROR_SUCCESS) {
            std::vector<std::string> newNames;
            newNames.reserve(m_committed);
            for (std::size_t k = 0; k < m_committed; ++k) {
                newNames.push_back(Quoted(m_entries[k].path));
            }
            FileError error = FileError::SaveFailed(entry.path, SystemText(err));
            const std::string sentence = BatchSentence(m_entries.size(), m_committed, newNames);
            throw sentence.empty() ? error : error.WithSentence(sentence);
        }
    }
}

bool WriteNewFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::filesystem::path temp;
    Handle file = CreateTemporary(path, path.parent_path(), PathText(path.filename()), temp);
    const std::wstring from = SystemPath(temp);
    if (!WriteAll(file, bytes) || !FlushFileBuffers(file.Get()) || !file.Close()) {
        const DWORD err = GetLastError();
        DeleteFileW(from.c_str());
        throw FileError::SaveFailed(path, SystemText(err));
    }
    // Without MOVEFILE_REPLACE_EXISTING the move never replaces an existing file (or link), not even
    // one that appeared a moment ago.
    if (MoveFileExW(from.c_str(), SystemPath(path).c_str(), MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    const DWORD err = GetLastError();
    DeleteFileW(from.c_str());
    if (err == ERROR_ALREADY_EXISTS || err == ERROR_FILE_EXISTS) {
        return false;
    }
    throw FileError::SaveFailed(path, SystemText(err));
}

} // namespace qv
