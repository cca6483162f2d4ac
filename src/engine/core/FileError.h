#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace qv {

// A file could not be read or written. what() names the file and gives the system's error text.
class FileError : public std::runtime_error {
public:
    FileError(const std::filesystem::path& path, const std::string& systemText);

    const std::filesystem::path& Path() const { return m_path; }
    const std::string& SystemText() const { return m_systemText; }

    // The error of the last failed system call (errno).
    static FileError FromErrno(const std::filesystem::path& path);

private:
    std::filesystem::path m_path;
    std::string m_systemText;
};

} // namespace qv
