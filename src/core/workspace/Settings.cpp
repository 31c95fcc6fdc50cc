#include "workspace/Settings.h"

#include "xml/XmlText.h"

#include <pugixml.hpp>

namespace kestrion {

SettingsRead parse_settings(std::string_view bytes) {
    SettingsRead result;
    pugi::xml_document doc;
    if (!load_xml(doc, bytes)) {
        result.source = SettingsSource::Malformed;
        return result;
    }
    result.source = SettingsSource::Read;
    Settings& s = result.settings;
    const pugi::xml_node root = first_element(doc);

    s.Name_Proj = child_text(root.child("lastproj"), "projectname").value_or("");
    s.Last_IP_Address = child_text(root.child("lastipadd"), "ipaddress").value_or(s.Last_IP_Address);
    s.Language = child_text(root.child("lastlang"), "language").value_or(s.Language);
    const pugi::xml_node options = root.child("lastinternet");
    s.Enable_Internet = child_flag(options, "enable_internet");
    s.Enable_Update = child_flag(options, "enable_update");
    s.Enable_Jump_Field = child_flag(options, "enable_jump_field_tables");
    s.Double_Click_Auto_Size = child_flag(options, "Double_Click_Auto_Size");
    return result;
}

SettingsRead read_settings(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return {};
    std::string bytes;
    if (!read_file(file, bytes)) return {Settings{}, SettingsSource::Malformed};
    return parse_settings(bytes);
}

std::string settings_xml(const Settings& s) {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("Conf_Settings");
    append_text(root.append_child("lastproj"), "projectname", s.Name_Proj);
    append_text(root.append_child("lastipadd"), "ipaddress", s.Last_IP_Address);
    append_text(root.append_child("lastlang"), "language", s.Language);
    pugi::xml_node options = root.append_child("lastinternet");
    append_flag(options, "enable_internet", s.Enable_Internet);
    append_flag(options, "enable_update", s.Enable_Update);
    append_flag(options, "enable_jump_field_tables", s.Enable_Jump_Field);
    append_flag(options, "Double_Click_Auto_Size", s.Double_Click_Auto_Size);
    return xml_bytes(doc);
}

WriteResult write_settings(const std::filesystem::path& file, const Settings& settings) {
    return write_file_atomically(file, settings_xml(settings));
}

} // namespace kestrion
