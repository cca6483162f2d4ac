#pragma once

#include "engine/core/SafeFile.h"
#include "platform/Internet.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <optional>

namespace qv {

class Internet;

// How long a server has to answer when the system cannot tell whether there is a connection.
inline constexpr int kConnectionProbeMs = 3000;

// Whether url can be reached: as the system knows it, or, when the system cannot tell, whether its
// server answers a short request within kConnectionProbeMs.
bool IsConnected(Internet& internet, const QString& url);

// Fetches url into target. The answer is first written to a new file of a unique name beside probeFile
// (probeFile's name and six more characters, created exclusively, removed afterwards; a file at
// probeFile itself is never touched); only a successful answer (an HTTP status 2xx, a complete transfer
// and at least 4 bytes) then replaces target, safely. Any other outcome returns false and leaves target
// as it was. Throws FileError when the probe file or the target cannot be written.
// received, when given, hears the count of bytes received so far after every block.
bool Download(Internet& internet, const QString& url, const std::filesystem::path& target,
              const std::filesystem::path& probeFile, const std::function<void(qint64 received)>& received = {});

// What a download may take and what it must be.
struct DownloadLimits {
    qint64 maxBytes = static_cast<qint64>(kMaxFileBytes); // a longer answer is stopped while it arrives
    std::optional<qint64> expectedBytes;                  // the size announced for the file, if any
    Internet::FetchOptions fetch;                         // time limit, cancel check, user input
};
enum class DownloadOutcome { Done, Failed, Cancelled, TimedOut, WrongSize };

// Download with limits: the target is replaced only on Done; every other outcome leaves it as it was.
DownloadOutcome DownloadWithLimits(Internet& internet, const QString& url, const std::filesystem::path& target,
                                   const std::filesystem::path& probeFile, const DownloadLimits& limits,
                                   const std::function<void(qint64 received)>& received = {});

// Whether text is a complete address with a scheme ("https://host/page", "mailto:name@host").
bool IsValidUrl(const QString& text);

// Deletes a file, or a folder with all it holds, without asking. True when something was there and
// is gone now.
bool DeletePath(const std::filesystem::path& path);

} // namespace qv
