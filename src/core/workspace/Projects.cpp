#include "workspace/Projects.h"

#include "texts/StringUtil.h"
#include "workspace/GlobalState.h"

namespace kestrion {

int create_project(const std::filesystem::path& projects, const std::string& name) {
    namespace fs = std::filesystem;
    if (name.empty()) return 107;
    const fs::path folder = project_folder(projects, name);
    std::error_code ec;
    if (fs::exists(folder, ec)) return 106;
    // One level only: the projects folder itself exists from start-up.
    if (!fs::create_directory(folder, ec) || ec) return 105;
    fs::create_directories(folder / "bin", ec); // a missing bin shows up when banks are written
    return 0;
}

std::vector<std::string> list_projects(const std::filesystem::path& projects) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(projects, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) names.push_back(it->path().filename().string());
    }
    return names;
}

int Search_Open_Conf(const std::vector<std::string>& names, const std::string& name) {
    for (size_t i = 0; i < names.size(); ++i)
        if (iequals(names[i], name)) return static_cast<int>(i);
    return -1;
}

std::string active_project_name(const std::filesystem::path& projects,
                                const std::filesystem::path& pathProj) {
    const std::string prefix = projects.string() + "/";
    const std::string path = pathProj.string();
    if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) return {};
    return path.substr(prefix.size());
}

} // namespace kestrion
