#include "texts/TextTable.h"

#include "texts/DefaultTexts.h"
#include "texts/LanguageFile.h"

#include "platform/AtomicFile.h"

namespace kestrion {

void TextTable::Load_Default_Texts() {
    texts_.assign(Num_Text, std::string(" "));
    for (const auto& entry : default_texts())
        texts_[entry.number] = std::string(entry.text);
}

const std::string& TextTable::operator[](int n) const {
    static const std::string empty;
    if (n < 0 || n >= size()) return empty;
    return texts_[n];
}

void TextTable::set(int n, std::string text) {
    if (n >= 0 && n < size()) texts_[n] = std::move(text);
}

bool Read_Language_File(TextTable& table, const std::filesystem::path& file) {
    std::string bytes;
    if (!read_file(file, bytes)) return false;
    for (const auto& entry : parse_language_file(bytes, TextTable::Num_Text))
        table.set(entry.number, entry.text);
    return true;
}

void Load_Language(TextTable& table, const std::filesystem::path& languageDir,
                   std::string& language) {
    table.Load_Default_Texts();
    std::error_code ec;
    const auto chosen = languageDir / (language + ".lng");
    if (std::filesystem::is_regular_file(chosen, ec)) {
        Read_Language_File(table, chosen);
        return;
    }
    language = "English";
    const auto english = languageDir / "English.lng";
    if (std::filesystem::is_regular_file(english, ec)) Read_Language_File(table, english);
}

} // namespace kestrion
