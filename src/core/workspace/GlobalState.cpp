#include "workspace/GlobalState.h"

namespace kestrion {

std::filesystem::path project_folder(const std::filesystem::path& projects, const std::string& name) {
    // Joined as text: a name such as "/etc" stays below PROJECTS instead of replacing it.
    return std::filesystem::path(projects.string() + "/" + name);
}

Settings GlobalState::settings() const {
    Settings s;
    s.Name_Proj = Name_Proj;
    s.Last_IP_Address = Last_IP_Address;
    s.Language = Language;
    s.Enable_Internet = Enable_Internet;
    s.Enable_Update = Enable_Update;
    s.Enable_Jump_Field = Enable_Jump_Field;
    s.Double_Click_Auto_Size = Double_Click_Auto_Size;
    return s;
}

void GlobalState::apply(const Settings& s) {
    Name_Proj = s.Name_Proj;
    Last_IP_Address = s.Last_IP_Address;
    Language = s.Language;
    Enable_Internet = s.Enable_Internet;
    Enable_Update = s.Enable_Update;
    Enable_Jump_Field = s.Enable_Jump_Field;
    Double_Click_Auto_Size = s.Double_Click_Auto_Size;
}

void GlobalState::Set_Files() {
    File_ParGen = Path_Proj / "ParGen.xml";
    File_IOLink_SetAccess = Path_Proj / "IOLink_SetAccess.xml";
    File_BACnet_Slave_SetAccess = Path_Proj / "BACnet_Slave_SetAccess.xml";
    File_BACnet_BDT = Path_Proj / "BACnet_BDT.xml";
}

void GlobalState::activate_project(const std::string& name) {
    Name_Proj = name;
    Path_Proj = name.empty() ? std::filesystem::path() : project_folder(Path_Projects, name);
    Set_Files();
}

StartupReport start_workspace(GlobalState& state, const std::filesystem::path& appDir) {
    namespace fs = std::filesystem;
    StartupReport report;
    state.Path_App = appDir;
    state.Path_Master = appDir / "MASTER";
    state.Path_Projects = appDir / "PROJECTS";
    state.Path_Language = appDir / "LANGUAGE";
    state.Path_IODD_Catalog = appDir / "IODD_Catalog";
    state.Path_IOLink_StaDef = appDir / "IOLink_StaDef";
    for (const auto* folder : {&state.Path_Master, &state.Path_Projects, &state.Path_Language,
                               &state.Path_IODD_Catalog, &state.Path_IOLink_StaDef}) {
        std::error_code ignored; // a folder that cannot be created shows up where it is used
        fs::create_directories(*folder, ignored);
    }

    state.Name_Proj.clear();
    state.Update_Read_Back = true;
    const SettingsRead read = read_settings(state.settings_file());
    report.settings = read.source;
    state.apply(read.settings);
    Load_Language(state.Lang_Text, state.Path_Language, state.Language);

    // The name is kept even when its folder has gone, so the project comes back at a
    // later start if the folder does.
    std::error_code ec;
    const bool folderExists = !state.Name_Proj.empty() &&
                              fs::is_directory(project_folder(state.Path_Projects, state.Name_Proj), ec);
    state.Path_Proj = folderExists ? project_folder(state.Path_Projects, state.Name_Proj) : fs::path();
    state.Set_Files();
    state.Copy_Row.clear();
    return report;
}

WriteResult Save_Setting(const GlobalState& state) {
    return write_settings(state.settings_file(), state.settings());
}

} // namespace kestrion
