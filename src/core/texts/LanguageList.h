#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace kestrion {

// The language files offered in the options dialog: plain writable files named *.lng in
// `dir` (read-only files and folders are left out), sorted without regard to case.
// Each entry keeps its ".lng".
std::vector<std::string> list_language_files(const std::filesystem::path& dir);

// The language name of a list entry: the entry without its last four characters.
std::string language_name(const std::string& entry);

// Paging of the language list, six slots a page, pages counted from 1.
struct LanguagePaging {
    static constexpr int Slots = 6;
    int count = 0;

    int pages() const { return (count + Slots - 1) / Slots; }
    // How many slots page `page` shows (0..6).
    int shown_on(int page) const;
    // Index in the list of slot `slot` (1..6) on page `page`.
    static int index_of(int page, int slot) { return (page - 1) * Slots + slot - 1; }
};

} // namespace kestrion
