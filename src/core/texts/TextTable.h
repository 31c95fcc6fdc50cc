#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace kestrion {

// The numbered texts of every caption, hint and message. Always holds Num_Text entries;
// a language file replaces entries, never adds or removes them.
class TextTable {
public:
    static constexpr int Num_Text = 4000;

    TextTable() { Load_Default_Texts(); }

    // Rebuilds the built-in English table.
    void Load_Default_Texts();

    // The text of number n; a number outside the table reads as empty.
    const std::string& operator[](int n) const;
    void set(int n, std::string text);
    int size() const { return static_cast<int>(texts_.size()); }

private:
    std::vector<std::string> texts_;
};

// Applies one language file (see LanguageFile.h) to the table. Returns false when the
// file could not be opened; the table is then unchanged.
bool Read_Language_File(TextTable& table, const std::filesystem::path& file);

// Rebuilds the defaults and applies <languageDir>/<language>.lng. When that file is
// missing, language becomes "English" and English.lng is applied if it exists.
void Load_Language(TextTable& table, const std::filesystem::path& languageDir,
                   std::string& language);

} // namespace kestrion
