// kestrion-cli check PROJECT_DIR: the checks the dialogs run before saving, over the files
// of a project as they are on disk, for scripts and batch commissioning.
#include "cli/CliCommands.h"

#include "params/ParGenCheck.h"
#include "texts/Finding.h"
#include "texts/TextTable.h"
#include "workspace/Settings.h"

#include <cstdio>
#include <iostream>

namespace kestrion::cli {
namespace {

namespace fs = std::filesystem;

// The check of one area of a project: what loading its file had to change, then the
// failures of its rules.
using ProjectCheck = std::vector<Finding> (*)(const fs::path& projectDir, const TextTable& texts);

// In the order of the main window's steps, so the first error printed is the one the user
// meets first when walking through the steps.
constexpr ProjectCheck kProjectChecks[] = {
    &Check_ParGen_File, // Set Communication
};

// Messages in the workspace's language, as the windows would show them.
TextTable workspace_texts(const fs::path& workspace) {
    TextTable texts;
    std::string language = read_settings(workspace / "Kestrion.xml").settings.Language;
    Load_Language(texts, workspace / "LANGUAGE", language);
    return texts;
}

std::string finding_line(const Finding& f) {
    char number[16];
    std::snprintf(number, sizeof number, "%04d", f.text_number);
    return std::string(f.is_error() ? "error " : "warning ") + number + ": " + f.message;
}

} // namespace

int run_check(const CliContext& ctx) {
    if (ctx.args.size() != 1) {
        std::cerr << "kestrion-cli: check needs exactly one project folder (see --help)\n";
        return Exit_Usage;
    }
    const fs::path project = ctx.args.front();
    std::error_code ec;
    if (!fs::is_directory(project, ec)) {
        std::cerr << "kestrion-cli: '" << project.string() << "' is not a project folder\n";
        return Exit_Usage;
    }
    const TextTable texts = workspace_texts(ctx.workspace);
    bool anyError = false;
    bool anyFinding = false;
    for (const ProjectCheck check : kProjectChecks) {
        for (const Finding& f : check(project, texts)) {
            std::cout << finding_line(f) << "\n";
            anyFinding = true;
            anyError = anyError || f.is_error();
        }
    }
    if (!anyFinding) std::cout << "ok\n";
    return anyError ? Exit_Findings : Exit_Ok;
}

} // namespace kestrion::cli
