#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kestrion {

// One "STRnnnn = text" line of a language file, already cut at its comment and pilcrows.
struct LanguageEntry {
    int number;
    std::string text; // UTF-8
};

// Decodes a language file (UTF-8 or UTF-16 by byte-order mark, otherwise Windows-1252)
// and returns its entries in file order; lines that do not fit, numbers outside
// 0..numTexts-1 and empty texts are skipped.
std::vector<LanguageEntry> parse_language_file(std::string_view bytes, int numTexts);

// The entry of one decoded line, or a number of -1 when the line is skipped.
LanguageEntry parse_language_line(std::string_view line, int numTexts);

} // namespace kestrion
