#pragma once
#include <cstdint>

namespace kestrion {

// Whether the process `pid` still runs; a process that has ended but not yet been reaped
// counts as ended.
bool process_running(std::int64_t pid);

} // namespace kestrion
