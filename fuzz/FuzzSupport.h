#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace qv::fuzz {

// A folder of this fuzzing process's own for the readers that take a path; removed at exit.
inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        std::string name = (std::filesystem::temp_directory_path() / "qv-fuzz-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr) {
            std::abort();
        }
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchFolder(), ignored);
        });
        return std::filesystem::path(name);
    }();
    return folder;
}

// Puts data into a file of the scratch folder (replacing what was there) and returns its path.
inline std::filesystem::path Scratch(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path path = ScratchFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

// A broken promise of a reader: stop with a crash the fuzzer reports.
inline void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace qv::fuzz
