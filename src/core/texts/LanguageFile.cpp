#include "texts/LanguageFile.h"

#include "texts/StringUtil.h"
#include "texts/TextEncoding.h"

namespace kestrion {
namespace {

constexpr std::string_view kCommentMarker = "/#/";
constexpr std::string_view kPilcrow = "\xC2\xB6"; // U+00B6, keeps blanks at the ends of a text

} // namespace

LanguageEntry parse_language_line(std::string_view raw, int numTexts) {
    const LanguageEntry skipped{-1, {}};
    const std::string_view line = trim(raw);
    if (line.substr(0, 3) != "STR") return skipped;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return skipped;

    // The number runs from after "STR" up to two characters before "=": the character just
    // before "=" is meant to be the blank of "STRnnnn = text" and is never part of it.
    if (equals < 5) return skipped;
    const auto number = parse_integer(trim(line.substr(3, equals - 4)));
    if (!number || *number < 0 || *number >= numTexts) return skipped;

    std::string_view text = trim(line.substr(equals + 1));
    if (text.empty()) return skipped;
    if (const size_t comment = text.find(kCommentMarker); comment != std::string_view::npos) {
        text = trim(text.substr(0, comment));
        // A text that is only a comment keeps the previous wording, like an empty one.
        if (text.empty()) return skipped;
    }
    if (text.substr(0, kPilcrow.size()) == kPilcrow) text.remove_prefix(kPilcrow.size());
    if (const size_t end = text.find(kPilcrow); end != std::string_view::npos)
        text = text.substr(0, end);
    return {static_cast<int>(*number), std::string(text)};
}

std::vector<LanguageEntry> parse_language_file(std::string_view bytes, int numTexts) {
    const std::string decoded = decode_text_file(bytes);
    const std::string_view text = decoded;
    std::vector<LanguageEntry> entries;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        if (auto entry = parse_language_line(text.substr(start, end - start), numTexts);
            entry.number >= 0)
            entries.push_back(std::move(entry));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return entries;
}

} // namespace kestrion
