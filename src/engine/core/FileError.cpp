#include "engine/core/FileError.h"

#include "engine/core/PathText.h"

#include <cerrno>
#include <cstring>

namespace qv {
namespace {

std::string Compose(const std::string& message, const std::string& systemText) {
    return systemText.empty() ? message : message + " (Systemmeldung: " + systemText + ")";
}

} // namespace

FileError::FileError(const std::filesystem::path& path, const std::string& message, const std::string& systemText)
    : std::runtime_error(Compose(message, systemText))
    , m_path(path)
    , m_message(message)
    , m_systemText(systemText) {}

FileError FileError::WithSentence(const std::string& sentence) const {
    return FileError(m_path, m_message + " " + sentence, m_systemText);
}

FileError FileError::ReadFailed(const std::filesystem::path& path, int err) {
    return ReadFailed(path, std::string(std::strerror(err)));
}

FileError FileError::ReadFailed(const std::filesystem::path& path, const std::string& systemText) {
    return FileError(path, "Die Datei " + Quoted(path) + " kann nicht gelesen werden; sie bleibt unverändert.",
                     systemText);
}

FileError FileError::SaveFailed(const std::filesystem::path& path, int err) {
    return SaveFailed(path, std::string(std::strerror(err)));
}

FileError FileError::SaveFailed(const std::filesystem::path& path, const std::string& systemText) {
    return FileError(path,
                     "Die Datei " + Quoted(path) + " kann nicht gespeichert werden; die alte Datei bleibt unverändert.",
                     systemText);
}

FileError FileError::SaveRefused(const std::filesystem::path& path, const std::string& reason) {
    return FileError(path, "Die Datei " + Quoted(path) + " wird nicht gespeichert: " + reason +
                               " Die alte Datei bleibt unverändert.");
}

std::string Quoted(const std::filesystem::path& path) {
    return "\xE2\x80\x9E" + PathText(path) + "\xE2\x80\x9C";
}

} // namespace qv
