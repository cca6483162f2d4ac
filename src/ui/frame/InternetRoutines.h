#pragma once

#include <QString>

#include <filesystem>

namespace qv {

class Internet;

// Whether the system has an Internet connection; when it cannot tell, the answer is yes.
bool IsConnected(Internet& internet);

// Fetches url into target. The answer is first written to probeFile; only a successful answer (an
// HTTP status 2xx, a complete transfer and at least 4 bytes) then replaces target, safely. Any other
// outcome returns false and leaves target as it was. Throws FileError when the probe file or the
// target cannot be written.
bool Download(Internet& internet, const QString& url, const std::filesystem::path& target,
              const std::filesystem::path& probeFile);

// Whether text is a complete address with a scheme ("https://host/page", "mailto:name@host").
bool IsValidUrl(const QString& text);

// Deletes a file, or a folder with all it holds, without asking. True when something was there and
// is gone now.
bool DeletePath(const std::filesystem::path& path);

} // namespace qv
