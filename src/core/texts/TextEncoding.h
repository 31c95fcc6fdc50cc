#pragma once
#include <string>
#include <string_view>

namespace kestrion {

// Decodes the bytes of a text file to UTF-8: a UTF-8 or UTF-16 (LE/BE) byte-order mark
// picks that encoding (the mark is dropped), any other file is Windows-1252.
// Malformed sequences become U+FFFD, so the result is always valid UTF-8.
std::string decode_text_file(std::string_view bytes);

// The same bytes with every malformed UTF-8 sequence replaced by U+FFFD.
std::string sanitize_utf8(std::string_view bytes);

} // namespace kestrion
