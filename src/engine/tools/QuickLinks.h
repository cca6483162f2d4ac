#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The quick-links file in the data folder: two text lines ended by CR LF, line 1 for link 1 and
// line 2 for link 2; an unset link is an empty line. The program writes nothing else, but a file
// edited by hand may have fewer or more lines, bare LF endings or no ending at the last line.
inline constexpr const char* kQuickLinksFileName = "QLinks.qvql";

struct QuickLinkLines {
    std::string link1;
    std::string link2;
    bool operator==(const QuickLinkLines&) const = default;
};

// Whether a link leads to a web page: it starts with "http://" or "https://" (in any case) and names a
// host. The links are handed to the desktop's opener, which would as readily run a file or a share.
bool IsWebLink(std::string_view link);

// The first two lines of text; a missing line is empty, later lines are ignored.
QuickLinkLines ParseQuickLinks(std::string_view text);

// The file's bytes: both lines, each ended by CR LF. Line breaks inside a link would make a third
// line, so they are dropped.
std::string FormatQuickLinks(const QuickLinkLines& lines);

// The lines of the file at path; nothing when there is no file. FileError when it cannot be read.
std::optional<QuickLinkLines> ReadQuickLinks(const std::filesystem::path& path);

// Replaces the file at path safely. FileError when it cannot be written; the old file stays whole.
void WriteQuickLinks(const std::filesystem::path& path, const QuickLinkLines& lines);

} // namespace qv
