#pragma once

#include <string>
#include <string_view>

namespace qv {

// Text files from other programs come as UTF-8, UTF-16 or Windows-1252; the program works in UTF-8.

bool IsValidUtf8(std::string_view text);
std::string Windows1252ToUtf8(std::string_view text);
// UTF-16 without its byte-order mark; unpaired surrogates become U+FFFD, an odd last byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);
// The bytes of a text file as UTF-8: by byte-order mark (UTF-8, UTF-16 LE or BE, the mark removed),
// else as they are when they are valid UTF-8, else read as Windows-1252.
std::string DecodeText(std::string_view bytes);

} // namespace qv
