#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace qv {

// A file could not be read or written. what() is a German sentence of the program's own that names the
// file, says what failed and what was kept, followed by the system's detail when there is one:
//   Die Datei „/daten/x.tpp“ kann nicht gespeichert werden; die alte Datei bleibt unverändert.
//   (Systemmeldung: No space left on device)
class FileError : public std::runtime_error {
public:
    // A message of the program's own about path; systemText is the system's detail, if any.
    FileError(const std::filesystem::path& path, const std::string& message, const std::string& systemText = {});

    const std::filesystem::path& Path() const { return m_path; }
    const std::string& SystemText() const { return m_systemText; }
    // The same error with one more sentence of the program's own after the message (before the
    // system's detail).
    FileError WithSentence(const std::string& sentence) const;

    // Reading path failed with the system error err (an errno value), or with the system's text.
    static FileError ReadFailed(const std::filesystem::path& path, int err);
    static FileError ReadFailed(const std::filesystem::path& path, const std::string& systemText);
    // Saving path failed with the system error err (an errno value), or with the system's text; the
    // old file is unchanged.
    static FileError SaveFailed(const std::filesystem::path& path, int err);
    static FileError SaveFailed(const std::filesystem::path& path, const std::string& systemText);
    // Saving path was refused for a reason of the program's own (reason ends with a full stop).
    static FileError SaveRefused(const std::filesystem::path& path, const std::string& reason);

private:
    std::filesystem::path m_path;
    std::string m_message;
    std::string m_systemText;
};

// "„path“" with German quotation marks, for messages.
std::string Quoted(const std::filesystem::path& path);

} // namespace qv
