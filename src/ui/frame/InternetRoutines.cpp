#include "ui/frame/InternetRoutines.h"

#include "engine/core/FileError.h"
#include "engine/core/SafeFile.h"
#include "platform/Internet.h"

#include <QUrl>

#include <fstream>
#include <optional>
#include <system_error>

namespace qv {

namespace {

constexpr qsizetype kMinimumAnswerBytes = 4;

// Writes the answer of url to path block by block; the result of the fetch.
Internet::Result FetchToFile(Internet& internet, const QString& url, const std::filesystem::path& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        throw FileError::FromErrno(path);
    }
    const Internet::Result result = internet.Fetch(
        url, [&](QByteArrayView block) { file.write(block.data(), static_cast<std::streamsize>(block.size())); });
    file.close();
    if (!file) {
        throw FileError::FromErrno(path);
    }
    return result;
}

} // namespace

bool IsConnected(Internet& internet) {
    return internet.IsConnected();
}

bool Download(Internet& internet, const QString& url, const std::filesystem::path& target,
              const std::filesystem::path& probeFile) {
    std::error_code ignored;
    if (std::filesystem::exists(probeFile, ignored)) {
        DeletePath(probeFile);
    }
    const Internet::Result result = FetchToFile(internet, url, probeFile);
    const bool good = result.opened && result.complete && result.status >= 200 && result.status < 300;
    std::optional<std::vector<std::uint8_t>> bytes;
    if (good) {
        bytes = ReadWholeFile(probeFile);
    }
    DeletePath(probeFile);
    if (!bytes || static_cast<qsizetype>(bytes->size()) < kMinimumAnswerBytes) {
        return false;
    }
    // The target gets exactly the answer that was checked, never a second, possibly different one.
    WriteFileSafely(target, *bytes);
    return true;
}

bool IsValidUrl(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    // A single letter before the colon is a drive ("C:\..."), not a scheme.
    if (!url.isValid() || url.scheme().size() < 2) {
        return false;
    }
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https") ||
        url.scheme() == QLatin1String("ftp")) {
        return !url.host().isEmpty();
    }
    return !url.path().isEmpty() || !url.host().isEmpty();
}

bool DeletePath(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (error || !std::filesystem::exists(status)) {
        return false;
    }
    std::filesystem::remove_all(path, error);
    return !error;
}

} // namespace qv
