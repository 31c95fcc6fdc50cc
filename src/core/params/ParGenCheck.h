#pragma once
#include "params/ParGen.h"
#include "texts/Finding.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace kestrion {

// True when the BACnet device name holds a character other than the ASCII letters and
// digits (the name is bad); the empty name is not bad.
bool Check_Device_Name(std::string_view name);

// The check before ParGen.xml is written: walks its rules in fixed order and returns the
// first that fails, or nothing when the values may be saved. Only the rules of the
// selected BACnet type apply; the Ethernet group is checked in both types because the
// image compiler always reads it.
std::optional<Finding> Controllo_Dati(const ParGen& values, const TextTable& texts);

// What the project check reports about ParGen.xml: what loading had to change (see
// ParGenFile.h), then the first failing rule of Controllo_Dati over the loaded values.
// A missing file is fine: every reader uses the defaults until the dialog first saves.
std::vector<Finding> Check_ParGen_File(const std::filesystem::path& projectDir,
                                       const TextTable& texts);

} // namespace kestrion
