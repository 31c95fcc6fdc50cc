#pragma once
#include <optional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace kestrion {

// Parses XML from memory; false when it is not well-formed. pugixml never fetches
// external entities, so a hostile file cannot reach outside itself.
bool load_xml(pugi::xml_document& doc, std::string_view bytes);

// The document's root: its first element (comments and processing instructions before
// it are passed over). An empty handle when there is none.
pugi::xml_node first_element(const pugi::xml_document& doc);

// Text of the first child element called `name`; nullopt when that element is missing or
// holds elements instead of text. An empty element reads as "". Line ends read as "\n".
std::optional<std::string> child_text(pugi::xml_node parent, const char* name);

// A flag is set exactly when its text is "1"; anything else, or no element, is clear.
bool child_flag(pugi::xml_node parent, const char* name);

void append_text(pugi::xml_node parent, const char* name, std::string_view text);
void append_flag(pugi::xml_node parent, const char* name, bool set);

// Serialises without declaration and without indentation, UTF-8.
std::string xml_bytes(const pugi::xml_document& doc);

} // namespace kestrion
