#pragma once
// Standard-definitions files, read once per process. Internal to iodd/.
#include "iodd/TIODD.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace kestrion::iodd_detail {

// What a standard-definitions file gives a device model.
struct StandardDefinitions {
    TExtTextCol texts;
    TDataTypeCollection types;
    TVariableCollection variables;
    TEventCollection events;
};

// Fills the definitions from a file; empty when it worked, otherwise why not.
using StandardDefLoader = std::function<std::string(StandardDefinitions&)>;

// The definitions of `file`. Every device read needs them and they are the same each time,
// so a file is read (by `load`) only when it is new or its size or modification time has
// changed since it was last read. Null, with `why` set, when `load` fails; a failure is not
// kept, the next call tries again. Safe to call from several threads.
std::shared_ptr<const StandardDefinitions>
cached_standard_definitions(const std::filesystem::path& file, const StandardDefLoader& load,
                            std::string& why);

} // namespace kestrion::iodd_detail
