#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace kestrion {

// Creates project `name` under `projects` with its empty "bin" folder. Returns 0 when
// done, else the number of the text that says why not: 107 empty name, 106 the folder
// exists already, 105 the file system refused the name.
int create_project(const std::filesystem::path& projects, const std::string& name);

// Names of the folders directly under `projects`, in the order the file system lists them.
std::vector<std::string> list_projects(const std::filesystem::path& projects);

// Position of the first name equal to `name` without regard to case, or -1.
int Search_Open_Conf(const std::vector<std::string>& names, const std::string& name);

// The name of the active project as the part of Path_Proj after the projects folder.
std::string active_project_name(const std::filesystem::path& projects,
                                const std::filesystem::path& pathProj);

} // namespace kestrion
