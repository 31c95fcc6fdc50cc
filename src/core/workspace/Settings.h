#pragma once
#include "platform/AtomicFile.h"

#include <filesystem>
#include <string>

namespace kestrion {

// The values the settings file carries from one run to the next.
struct Settings {
    std::string Name_Proj;
    std::string Last_IP_Address = "192.168.2.205";
    std::string Language = "English";
    bool Enable_Internet = false;
    bool Enable_Update = false;
    bool Enable_Jump_Field = false;
    bool Double_Click_Auto_Size = false;

    bool operator==(const Settings&) const = default;
};

// How reading went: a file that is not XML reads like a missing one, but the caller may
// want to tell the user.
enum class SettingsSource { Missing, Read, Malformed };

struct SettingsRead {
    Settings settings;
    SettingsSource source = SettingsSource::Missing;
};

// Reads the settings file value by value; each missing element keeps its default.
SettingsRead read_settings(const std::filesystem::path& file);
SettingsRead parse_settings(std::string_view bytes);

// The exact bytes of the settings file: no declaration, no indentation, UTF-8.
std::string settings_xml(const Settings& settings);

WriteResult write_settings(const std::filesystem::path& file, const Settings& settings);

} // namespace kestrion
