#include "platform/Process.h"

#ifndef _WIN32
#include <cerrno>
#include <csignal>
#include <fstream>
#include <string>
#endif

namespace kestrion {

bool process_running(std::int64_t pid) {
#ifndef _WIN32
    if (pid <= 0) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return false;
    // A zombie still answers kill(); its state in /proc says it has ended.
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (stat && std::getline(stat, line)) {
        const auto close = line.rfind(')');
        if (close != std::string::npos && close + 2 < line.size()) return line[close + 2] != 'Z';
    }
    return true;
#else
    (void)pid;
    return false;
#endif
}

} // namespace kestrion
