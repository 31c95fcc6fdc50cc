#include "texts/LanguageList.h"

#include "texts/StringUtil.h"

#include <algorithm>

namespace kestrion {

std::vector<std::string> list_language_files(const std::filesystem::path& dir) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code statusError;
        const fs::file_status status = it->status(statusError);
        if (statusError || !fs::is_regular_file(status)) continue;
        if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) continue;
        const std::string name = it->path().filename().string();
        if (name.size() > 4 && iequals(std::string_view(name).substr(name.size() - 4), ".lng"))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = ascii_lower(a), lb = ascii_lower(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

std::string language_name(const std::string& entry) {
    return entry.size() >= 4 ? entry.substr(0, entry.size() - 4) : std::string();
}

int LanguagePaging::shown_on(int page) const {
    return std::clamp(count - (page - 1) * Slots, 0, Slots);
}

} // namespace kestrion
