#include "engine/core/SafeFile.h"

#include "engine/core/FileError.h"
#include "engine/core/SafeFileParts.h"

#include <cerrno>
#include <random>
#include <string>

// The parts of the safe save that are the same on every system. What talks to the system is in
// SafeFilePosix.cpp and SafeFileWindows.cpp, one of which the build takes.

namespace qv {
namespace safe_file {
namespace {

std::mt19937& NameRandom() {
    static thread_local std::mt19937 random{std::random_device{}()};
    return random;
}

} // namespace

std::string TemporaryName(const std::string& target) {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::mt19937& random = NameRandom();
    std::string name = target + ".tmp";
    for (std::size_t i = 0; i < kTemporarySuffixLength; ++i) {
        name += kChars[random() % (sizeof kChars - 1)];
    }
    return name;
}

void SeedTemporaryNames(std::uint32_t seed) {
    NameRandom().seed(seed);
}

bool IsTemporaryOfOneOf(const std::string& name, const std::set<std::string>& targets) {
    const std::size_t tmp = name.rfind(".tmp");
    return tmp != std::string::npos && targets.contains(name.substr(0, tmp)) &&
           IsTemporaryNameOf(name, name.substr(0, tmp));
}

FileError FolderNotFile(const std::filesystem::path& path) {
    return FileError(path, Quoted(path) + " ist ein Ordner, keine Datei; es wurde nichts gelesen.");
}

FileError NoRegularFile(const std::filesystem::path& path) {
    return FileError(path, Quoted(path) +
                               " ist keine gewöhnliche Datei (ein Gerät oder eine Pipe); es wurde nichts gelesen.");
}

FileError TooBig(const std::filesystem::path& path, std::uint64_t size, std::uint64_t maxBytes) {
    return FileError(path, "Die Datei " + Quoted(path) + " ist mit " + std::to_string(size) +
                               " Bytes zu groß für dieses Programm (höchstens " + std::to_string(maxBytes) +
                               "); es wurde nichts gelesen.");
}

FileError GrewTooBig(const std::filesystem::path& path) {
    return FileError(path, "Die Datei " + Quoted(path) + " ist zu groß für dieses Programm; es wurde nichts gelesen.");
}

std::string BatchSentence(std::size_t total, std::size_t committed, const std::vector<std::string>& newNames) {
    if (total < 2) {
        return {};
    }
    const std::size_t after = total - committed - 1;
    std::string sentence;
    if (after > 0) {
        sentence = after == 1 ? "Die Datei danach bleibt ebenfalls unverändert"
                              : "Die " + std::to_string(after) + " Dateien danach bleiben ebenfalls unverändert";
        sentence += committed == 0 ? "." : "; ";
    }
    if (committed > 0) {
        std::string names;
        for (std::size_t k = 0; k < newNames.size(); ++k) {
            names += (k == 0 ? "" : ", ") + newNames[k];
        }
        const std::string start = committed == 1 ? "schon neu geschrieben ist " : "schon neu geschrieben sind ";
        sentence += (after > 0 ? start : "S" + start.substr(1)) + names + ".";
    }
    return sentence;
}

} // namespace safe_file

bool IsTemporaryNameOf(const std::string& name, const std::string& target) {
    // Earlier versions of the program used one to six digits; this one uses six letters or digits.
    const std::string prefix = target + ".tmp";
    if (name.size() <= prefix.size() || name.size() > prefix.size() + safe_file::kTemporarySuffixLength ||
        name.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return true;
}

PreparedFiles::PreparedFiles(std::span<const FileContents> files) {
    m_entries.reserve(files.size());
    try {
        WriteTemporaries(files);
    } catch (const FileError& e) {
        RemoveTemporaries();
        if (files.size() < 2) {
            throw;
        }
        throw e.WithSentence("Keine der " + std::to_string(files.size()) + " Dateien wurde verändert.");
    } catch (...) {
        RemoveTemporaries();
        throw;
    }
}

void WriteFilesSafely(std::span<const FileContents> files) {
    PreparedFiles prepared(files);
    prepared.Commit();
}

void WriteFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const FileContents file{path, bytes};
    WriteFilesSafely(std::span(&file, 1));
}

void CopyFileSafely(const std::filesystem::path& source, const std::filesystem::path& target) {
    const auto bytes = ReadWholeFile(source);
    if (!bytes) {
        throw FileError::ReadFailed(source, ENOENT);
    }
    WriteFileSafely(target, *bytes);
}

} // namespace qv
