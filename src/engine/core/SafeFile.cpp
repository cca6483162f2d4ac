#include "engine/core/SafeFile.h"

#include "engine/core/FileError.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace qv {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::filesystem::path TemporaryNameBeside(const std::filesystem::path& path) {
    static thread_local std::mt19937 random{std::random_device{}()};
    std::filesystem::path temp = path;
    temp += ".tmp" + std::to_string(random() % 1000000);
    return temp;
}

bool FlushToDisk(std::FILE* f) {
    if (std::fflush(f) != 0) {
        return false;
    }
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

} // namespace

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return std::nullopt;
    }
    FilePtr f(std::fopen(path.string().c_str(), "rb"));
    if (!f) {
        throw FileError::FromErrno(path);
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t block[65536];
    for (;;) {
        const std::size_t got = std::fread(block, 1, sizeof block, f.get());
        bytes.insert(bytes.end(), block, block + got);
        if (got < sizeof block) {
            if (std::ferror(f.get())) {
                throw FileError::FromErrno(path);
            }
            break;
        }
    }
    return bytes;
}

void WriteFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path temp = TemporaryNameBeside(path);
    FilePtr f(std::fopen(temp.string().c_str(), "wb"));
    if (!f) {
        throw FileError::FromErrno(path);
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size() && FlushToDisk(f.get());
    const int writeErrno = errno;
    const bool closed = std::fclose(f.release()) == 0;
    if (!written || !closed) {
        const int err = !written ? writeErrno : errno;
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        errno = err;
        throw FileError::FromErrno(path);
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        throw FileError(path, ec.message());
    }
}

} // namespace qv
