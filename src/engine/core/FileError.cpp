#include "engine/core/FileError.h"

#include <cerrno>
#include <cstring>

namespace qv {

FileError::FileError(const std::filesystem::path& path, const std::string& systemText)
    : std::runtime_error(path.string() + ": " + systemText)
    , m_path(path)
    , m_systemText(systemText) {}

FileError FileError::FromErrno(const std::filesystem::path& path) {
    return FileError(path, std::strerror(errno));
}

} // namespace qv
