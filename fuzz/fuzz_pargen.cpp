// ParGen.xml reader: any bytes load without a crash, and what was loaded saves and loads
// back to the same values.
#include "params/ParGenFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto load = kestrion::parse_ParGen({reinterpret_cast<const char*>(data), size});
    const auto again = kestrion::parse_ParGen(kestrion::ParGen_xml(load.values));
    if (!(again.values == load.values) || !again.notices.empty()) __builtin_trap();
    return 0;
}
