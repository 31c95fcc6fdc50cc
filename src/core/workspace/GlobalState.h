#pragma once
#include "texts/TextTable.h"
#include "workspace/Settings.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kestrion {

// The process-wide state of the configurator: where the workspace is, which project is
// active, the options, the text table and the memory of the last update. Windows read it;
// core operations take only the values they need.
struct GlobalState {
    std::filesystem::path Path_App;
    std::filesystem::path Path_Master;
    std::filesystem::path Path_Projects;
    std::filesystem::path Path_Language;
    std::filesystem::path Path_IODD_Catalog;
    std::filesystem::path Path_IOLink_StaDef;

    std::string Name_Proj;
    std::filesystem::path Path_Proj; // empty: no project is active

    std::filesystem::path File_ParGen;
    std::filesystem::path File_IOLink_SetAccess;
    std::filesystem::path File_BACnet_Slave_SetAccess;
    std::filesystem::path File_BACnet_BDT;

    TextTable Lang_Text;
    std::string Language = "English";
    bool Enable_Internet = false;
    bool Enable_Update = false;
    bool Enable_Jump_Field = false;
    bool Double_Click_Auto_Size = false;

    std::string Last_IP_Address = "192.168.2.205";
    int Update_Option = 0;
    bool Update_Read_Back = true;

    std::vector<std::string> Copy_Row;

    bool project_active() const { return !Path_Proj.empty(); }
    const std::string& text(int number) const { return Lang_Text[number]; }

    std::filesystem::path settings_file() const { return Path_App / "Kestrion.xml"; }
    Settings settings() const;
    void apply(const Settings& settings);

    // Rebuilds the project file paths from Path_Proj.
    void Set_Files();
    // Makes `name` the active project, folder Path_Projects/name; an empty name closes it.
    void activate_project(const std::string& name);
    // Whether the update timer may run: both internet options on.
    bool update_check_allowed() const { return Enable_Internet && Enable_Update; }
};

// The folder of project `name` under the projects folder.
std::filesystem::path project_folder(const std::filesystem::path& projects, const std::string& name);

// What start-up found that the user may want to hear about.
struct StartupReport {
    SettingsSource settings = SettingsSource::Missing;
};

// Start-up of the workspace in its fixed order: folders under appDir (created when
// missing, failures ignored), the settings file, the selected language, the active
// project and the project file paths.
StartupReport start_workspace(GlobalState& state, const std::filesystem::path& appDir);

// Writes the settings file from the current state.
WriteResult Save_Setting(const GlobalState& state);

} // namespace kestrion
