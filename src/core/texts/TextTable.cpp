#include "texts/TextTable.h"

#include "texts/DefaultTexts.h"
#include "texts/LanguageFile.h"
#include "texts/StringUtil.h"

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

namespace {

// The language file of `language`; its extension may be written in any case, as the
// options dialog lists it. Empty when there is none.
std::filesystem::path language_file(const std::filesystem::path& dir, const std::string& language) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path exact = dir / (language + ".lng");
    if (fs::is_regular_file(exact, ec)) return exact;
    const std::string wanted = language + ".lng";
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() == wanted.size() && name.compare(0, language.size(), language) == 0 &&
            iequals(name, wanted) && fs::is_regular_file(it->path(), ec))
            return it->path();
    }
    return {};
}

} // namespace

void Load_Language(TextTable& table, const std::filesystem::path& languageDir,
                   std::string& language) {
    table.Load_Default_Texts();
    if (const auto chosen = language_file(languageDir, language); !chosen.empty()) {
        Read_Language_File(table, chosen);
        return;
    }
    language = "English";
    if (const auto english = language_file(languageDir, language); !english.empty())
        Read_Language_File(table, english);
}

} // namespace kestrion
