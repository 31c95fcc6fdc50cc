#include "cli/CliCommands.h"

#include <iostream>

namespace kestrion::cli {

int run_iodd(const CliContext&) {
    std::cerr << "kestrion-cli: iodd is not available yet\n";
    return Exit_Usage;
}

} // namespace kestrion::cli
