// The settings file: any bytes must read as settings or as a missing file, never crash.
#include "workspace/Settings.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = kestrion::parse_settings({reinterpret_cast<const char*>(data), size});
    // What was read must survive a write and a second read unchanged.
    if (kestrion::parse_settings(kestrion::settings_xml(read.settings)).settings != read.settings) __builtin_trap();
    return 0;
}
