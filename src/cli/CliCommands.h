#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace kestrion::cli {

// What every sub-command receives: its own arguments and the workspace folder.
struct CliContext {
    std::vector<std::string> args;        // after the sub-command name
    std::filesystem::path workspace;      // --workspace, or the program's folder
};

// Exit codes shared by all sub-commands.
inline constexpr int Exit_Ok = 0;
inline constexpr int Exit_Findings = 1; // errors found, or an unusable input file
inline constexpr int Exit_Usage = 2;    // bad arguments or an unreadable project

int run_check(const CliContext& ctx);
int run_iodd(const CliContext& ctx);

} // namespace kestrion::cli
