#include "cli/CliCommands.h"

#include <iostream>

namespace kestrion::cli {

int run_check(const CliContext&) {
    std::cerr << "kestrion-cli: check is not available yet\n";
    return Exit_Usage;
}

} // namespace kestrion::cli
