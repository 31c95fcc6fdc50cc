#pragma once
#include <string>
#include <string_view>

namespace kestrion {

// Decodes the bytes of a text file to UTF-8: a UTF-8 or UTF-16 (LE/BE) byte-order mark
// picks that encoding (the mark is dropped), any other file is Windows-1252.
// Malformed sequences become U+FFFD, so the result is always valid UTF-8.
std::string decode_text_file(std::string_view bytes);

std::string cp1252_to_utf8(std::string_view bytes);
std::string utf16_to_utf8(std::string_view bytes, bool bigEndian);
std::string sanitize_utf8(std::string_view bytes);

// Windows-1252 bytes of a UTF-8 text; characters that code page lacks become '?'.
std::string utf8_to_cp1252(std::string_view utf8);

void append_utf8(std::string& out, char32_t cp);

} // namespace kestrion
