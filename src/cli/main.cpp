// kestrion-cli: the configurator's core for scripts and batch commissioning.
#include "cli/CliCommands.h"
#include "workspace/ModelIdentity.h"

#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kUsage = R"(Usage: kestrion-cli [--workspace DIR] COMMAND [ARGS]

Commands:
  check PROJECT_DIR                  check a project's files; prints "error NNNN: ...",
                                     "warning NNNN: ..." or "ok"; exit 1 when an error was found
  iodd FILE [--stddef DIR] [--simple]
                                     print an IODD file as decoded, as one JSON object

Options:
  --workspace DIR   workspace folder (LANGUAGE, IOLink_StaDef, settings); default: the
                    program's folder
  --help            show this text
  --version         show the program version

Exit status: 0 success, 1 errors found or unusable input, 2 usage error or unreadable project.
)";

std::filesystem::path program_folder(const char* argv0) {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv0, ec);
    return self.parent_path();
}

} // namespace

int main(int argc, char** argv) {
    using namespace kestrion::cli;
    CliContext ctx;
    ctx.workspace = program_folder(argv[0]);
    int i = 1;
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return Exit_Ok;
        }
        if (arg == "--version") {
            std::cout << kestrion::Program_Version << "\n";
            return Exit_Ok;
        }
        if (arg == "--workspace") {
            if (++i == argc) {
                std::cerr << "kestrion-cli: --workspace needs a folder\n";
                return Exit_Usage;
            }
            ctx.workspace = argv[i];
            continue;
        }
        break;
    }
    if (i == argc) {
        std::cerr << kUsage;
        return Exit_Usage;
    }
    const std::string_view command = argv[i];
    ctx.args.assign(argv + i + 1, argv + argc);
    if (command == "check") return run_check(ctx);
    if (command == "iodd") return run_iodd(ctx);
    std::cerr << "kestrion-cli: unknown command '" << command << "' (see --help)\n";
    return Exit_Usage;
}
