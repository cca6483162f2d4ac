#include "ui/frame/InternetRoutines.h"

#include "engine/core/FileError.h"
#include "engine/core/SafeFile.h"
#include "platform/Internet.h"

#include "text/DataFolder.h"

#include <QTemporaryFile>
#include <QUrl>

#include <fstream>
#include <functional>
#include <optional>
#include <system_error>

namespace qv {

namespace {

constexpr qsizetype kMinimumAnswerBytes = 4;

// Writes the answer of url into a new file of a unique name beginning with probeFile's name, created
// exclusively (never through a link or over a file that is there already) and removed again by the
// caller's QTemporaryFile. The result of the fetch; received hears the count of bytes so far.
Internet::Result FetchToProbe(Internet& internet, const QString& url, QTemporaryFile& probe,
                              const DownloadLimits& limits, const std::function<void(qint64)>& received) {
    if (!probe.open()) {
        throw FileError(ToPath(probe.fileTemplate()),
                        "Die Hilfsdatei für den Download kann nicht angelegt werden; die Zieldatei bleibt unverändert.",
                        probe.errorString().toStdString());
    }
    bool written = true;
    qint64 total = 0;
    const Internet::Result result = internet.Fetch(
        url,
        [&](QByteArrayView block) {
            total += block.size();
            if (total > limits.maxBytes) {
                return false; // stopped here: more than any file of ours, never written to the end
            }
            written = written && probe.write(block.data(), block.size()) == block.size();
            if (received) {
                received(total);
            }
            return true;
        },
        limits.fetch);
    if (!written || !probe.flush()) {
        throw FileError(ToPath(probe.fileName()),
                        "Die Hilfsdatei für den Download kann nicht geschrieben werden; die Zieldatei bleibt "
                        "unverändert.",
                        probe.errorString().toStdString());
    }
    return result;
}

} // namespace

bool IsConnected(Internet& internet, const QString& url) {
    switch (internet.ConnectionState()) {
    case Internet::Connection::Online:
        return true;
    case Internet::Connection::Offline:
        return false;
    case Internet::Connection::Unknown:
        break;
    }
    return internet.Answers(url, kConnectionProbeMs);
}

bool Download(Internet& internet, const QString& url, const std::filesystem::path& target,
              const std::filesystem::path& probeFile, const std::function<void(qint64 received)>& received) {
    return DownloadWithLimits(internet, url, target, probeFile, DownloadLimits{}, received) == DownloadOutcome::Done;
}

DownloadOutcome DownloadWithLimits(Internet& internet, const QString& url, const std::filesystem::path& target,
                                   const std::filesystem::path& probeFile, const DownloadLimits& limits,
                                   const std::function<void(qint64 received)>& received) {
    QTemporaryFile probe(FromPath(probeFile) + QStringLiteral(".XXXXXX"));
    const Internet::Result result = FetchToProbe(internet, url, probe, limits, received);
    if (result.cancelled) {
        return DownloadOutcome::Cancelled;
    }
    if (result.timedOut) {
        return DownloadOutcome::TimedOut;
    }
    const bool good = result.opened && result.complete && result.status >= 200 && result.status < 300;
    std::optional<std::vector<std::uint8_t>> bytes;
    if (good) {
        bytes = ReadWholeFile(ToPath(probe.fileName()), static_cast<std::uint64_t>(limits.maxBytes));
    }
    probe.remove();
    if (!bytes || static_cast<qsizetype>(bytes->size()) < kMinimumAnswerBytes) {
        return DownloadOutcome::Failed;
    }
    if (limits.expectedBytes && static_cast<qint64>(bytes->size()) != *limits.expectedBytes) {
        return DownloadOutcome::WrongSize;
    }
    // The target gets exactly the answer that was checked, never a second, possibly different one.
    WriteFileSafely(target, *bytes);
    return DownloadOutcome::Done;
}

bool IsValidUrl(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    // A single letter before the colon is a drive ("C:\..."), not a scheme.
    if (!url.isValid() || url.scheme().size() < 2) {
        return false;
    }
    // Names reserved for examples and tests never lead to a real page.
    const QString host = url.host().toLower();
    for (const char* reserved : {".example", ".invalid", ".test"}) {
        if (host.endsWith(QLatin1String(reserved)) || host == QLatin1String(reserved + 1)) {
            return false;
        }
    }
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https") ||
        url.scheme() == QLatin1String("ftp")) {
        return !host.isEmpty();
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
